// DOM events: the event object handed to listeners and the targets they listen on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace engine {

class Element;
class EventTarget;
class ScriptHandler;

enum class MouseButton { None, Left, Right, Middle };
enum class EventPhase { None, Capturing, AtTarget, Bubbling };

// One event as it travels from the window down to the target and back up.
struct Event {
    std::string type{};                      // "click", "mouseover", "propertychange" ...
    std::shared_ptr<Element> target{};       // the element the event happened on (srcElement)
    std::shared_ptr<Element> relatedTarget{};  // mouseover: the element left; mouseout: the one entered
    EventTarget* currentTarget = nullptr;
    EventPhase phase = EventPhase::None;
    MouseButton button = MouseButton::None;
    int keyCode = 0;
    bool altKey = false;
    bool shiftKey = false;
    bool ctrlKey = false;
    std::string propertyName{};  // propertychange: the property that changed
    bool bubbles = true;
    bool cancelable = true;
    bool defaultPrevented = false;
    bool propagationStopped = false;
    // A browser face's own object for this event, kept while the event lives, so that
    // every listener of one dispatch is handed the same one.
    std::shared_ptr<void> faceData{};

    void preventDefault() { if (cancelable) defaultPrevented = true; }
    void stopPropagation() { propagationStopped = true; }
    // IE numbers the buttons 1 (left), 2 (right), 4 (middle); the DOM 0, 2, 1.
    int ieButton() const;
    int domButton() const;
    // IE's fromElement/toElement as seen from this event.
    std::shared_ptr<Element> fromElement() const;
    std::shared_ptr<Element> toElement() const;
};

using Listener = std::function<void(Event&)>;
using ListenerId = std::uint64_t;

// Anything listeners attach to: elements, documents, windows.
class EventTarget {
public:
    EventTarget() = default;
    EventTarget(const EventTarget&) = delete;
    EventTarget& operator=(const EventTarget&) = delete;
    virtual ~EventTarget() = default;

    // Returns an id for removeEventListener; listeners run in the order added. `key`
    // names the listener's owner (a face's listener object) for findListener.
    ListenerId addEventListener(std::string type, Listener listener, bool capture = false, const void* key = nullptr);
    bool removeEventListener(ListenerId id);
    // The registration of `key` for this type and phase, or 0.
    ListenerId findListener(const std::string& type, const void* key, bool capture) const;

    // The inline handler for an event ("onclick" for "click"), or none. Elements
    // compile theirs from the attribute on first use.
    virtual std::shared_ptr<ScriptHandler> handler(const std::string& eventType);
    // Replaces the inline handler (a script assigning el.onclick = ...); none removes it.
    virtual void setHandler(const std::string& eventType, std::shared_ptr<ScriptHandler> handler);

    // Runs the inline handler and the listeners of this phase for `event` here.
    void invokeListeners(Event& event);

protected:
    struct Registration {
        ListenerId id;
        std::string type{};
        Listener listener;
        bool capture;
        const void* key;
    };
    std::vector<Registration> listeners_;
    std::vector<std::pair<std::string, std::shared_ptr<ScriptHandler>>> assignedHandlers_;
};

}  // namespace engine
