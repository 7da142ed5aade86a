#include "engine/event.h"

#include <algorithm>
#include <atomic>

#include "engine/node.h"
#include "engine/script_handler.h"

namespace engine {
namespace {
std::atomic<ListenerId> nextListenerId{1};
}

int Event::ieButton() const {
    switch (button) {
        case MouseButton::Left: return 1;
        case MouseButton::Right: return 2;
        case MouseButton::Middle: return 4;
        case MouseButton::None: break;
    }
    return 0;
}

int Event::domButton() const {
    switch (button) {
        case MouseButton::Middle: return 1;
        case MouseButton::Right: return 2;
        default: return 0;
    }
}

std::shared_ptr<Element> Event::fromElement() const {
    if (type == "mouseover") return relatedTarget;
    if (type == "mouseout") return target;
    return nullptr;
}

std::shared_ptr<Element> Event::toElement() const {
    if (type == "mouseover") return target;
    if (type == "mouseout") return relatedTarget;
    return nullptr;
}

ListenerId EventTarget::addEventListener(std::string type, Listener listener, bool capture, const void* key) {
    ListenerId id = nextListenerId++;
    listeners_.push_back({id, std::move(type), std::move(listener), capture, key});
    return id;
}

ListenerId EventTarget::findListener(const std::string& type, const void* key, bool capture) const {
    if (!key) return 0;
    for (const auto& r : listeners_) {
        if (r.key == key && r.capture == capture && r.type == type) return r.id;
    }
    return 0;
}

bool EventTarget::removeEventListener(ListenerId id) {
    auto found = std::find_if(listeners_.begin(), listeners_.end(), [id](const auto& r) { return r.id == id; });
    if (found == listeners_.end()) return false;
    listeners_.erase(found);
    return true;
}

std::shared_ptr<ScriptHandler> EventTarget::handler(const std::string& eventType) {
    for (const auto& [type, assigned] : assignedHandlers_) {
        if (type == eventType) return assigned;
    }
    return nullptr;
}

void EventTarget::setHandler(const std::string& eventType, std::shared_ptr<ScriptHandler> assigned) {
    for (auto& entry : assignedHandlers_) {
        if (entry.first == eventType) {
            entry.second = std::move(assigned);
            return;
        }
    }
    assignedHandlers_.emplace_back(eventType, std::move(assigned));
}

void EventTarget::invokeListeners(Event& event) {
    event.currentTarget = this;
    // The inline handler runs first and not in the capture phase, as in both browsers.
    if (event.phase != EventPhase::Capturing) {
        if (auto inline_ = handler(event.type)) {
            auto result = inline_->invoke(&event);
            if (result && !*result) event.preventDefault();
        }
    }
    // Copy the ids: a listener may add or remove listeners while we run.
    std::vector<ListenerId> ids;
    for (const auto& r : listeners_) {
        if (r.type != event.type) continue;
        bool wanted = event.phase == EventPhase::AtTarget || (r.capture == (event.phase == EventPhase::Capturing));
        if (wanted) ids.push_back(r.id);
    }
    for (ListenerId id : ids) {
        auto found = std::find_if(listeners_.begin(), listeners_.end(), [id](const auto& r) { return r.id == id; });
        if (found == listeners_.end()) continue;
        Listener copy = found->listener;  // the registration may go away during the call
        copy(event);
    }
}

}  // namespace engine
