// A page script function held as an object: an inline handler, or a function a
// script assigned. The IE face hands these out as dispatch objects.
#pragma once

#include <optional>
#include <string>

namespace engine {

struct Event;

class ScriptHandler {
public:
    virtual ~ScriptHandler() = default;
    // Calls the function on the browser thread with `this` bound to its element and
    // `event` (may be null: a direct call as IDispatch::Invoke makes it). Returns the
    // function's result when it returned a boolean, none otherwise. Script errors are
    // logged, never thrown.
    virtual std::optional<bool> invoke(Event* event) = 0;
    // The source text the handler was made from.
    virtual std::string source() const = 0;
};

}  // namespace engine
