#include "engine/dispatch.h"

#include <vector>

#include "engine/document.h"
#include "engine/node.h"
#include "engine/window.h"

namespace engine {

bool dispatchEvent(const std::shared_ptr<Element>& target, Event& event) {
    if (!target) return false;
    event.target = target;
    // Hold every target of the path: a handler may take the element out of the tree.
    std::vector<std::shared_ptr<EventTarget>> path;
    std::shared_ptr<Node> node = target;
    for (; node; node = node->parentNode()) path.push_back(node);
    if (auto document = target->ownerDocument()) {
        if (path.back() != document) path.push_back(document);
        if (auto window = document->defaultView()) path.push_back(window);
    }
    event.phase = EventPhase::Capturing;
    for (auto it = path.rbegin(); it != path.rend() - 1 && !event.propagationStopped; ++it) {
        (*it)->invokeListeners(event);
    }
    if (!event.propagationStopped) {
        event.phase = EventPhase::AtTarget;
        path.front()->invokeListeners(event);
    }
    if (event.bubbles) {
        event.phase = EventPhase::Bubbling;
        for (auto it = path.begin() + 1; it != path.end() && !event.propagationStopped; ++it) {
            (*it)->invokeListeners(event);
        }
    }
    event.phase = EventPhase::None;
    event.currentTarget = nullptr;
    return !event.defaultPrevented;
}

bool dispatchDocumentEvent(Document& document, Event& event) {
    auto self = std::static_pointer_cast<Document>(document.shared_from_this());  // held through the handlers
    auto window = document.defaultView();
    if (window && !event.propagationStopped) {
        event.phase = EventPhase::Capturing;
        window->invokeListeners(event);
    }
    if (!event.propagationStopped) {
        event.phase = EventPhase::AtTarget;
        self->invokeListeners(event);
    }
    if (window && event.bubbles && !event.propagationStopped) {
        event.phase = EventPhase::Bubbling;
        window->invokeListeners(event);
    }
    event.phase = EventPhase::None;
    event.currentTarget = nullptr;
    return !event.defaultPrevented;
}

bool dispatchWindowEvent(Window& window, Event& event) {
    event.phase = EventPhase::AtTarget;
    window.invokeListeners(event);
    event.phase = EventPhase::None;
    event.currentTarget = nullptr;
    return !event.defaultPrevented;
}

}  // namespace engine
