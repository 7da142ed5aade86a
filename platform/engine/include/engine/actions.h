// What a person's actions do to a page, in the order the browsers report it: the
// events, the changes of live state and the default actions. Browser thread only;
// the simulated user (user.h) carries its calls here.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/event.h"

namespace engine {
class Element;
class Document;
}

namespace engine::actions {

// A plain event on `target`; false when cancelled.
bool fire(const std::shared_ptr<Element>& target, const std::string& type, bool bubbles = true, bool cancelable = true);
// IE's onpropertychange for a changed property (nothing in the Mozilla dialect).
void propertyChanged(const std::shared_ptr<Element>& target, const std::string& property);

// Mouse over `target`: mouseout on the element left, then mouseover.
void hover(const std::shared_ptr<Element>& target);
bool mouseDown(const std::shared_ptr<Element>& target, MouseButton button);
bool mouseUp(const std::shared_ptr<Element>& target, MouseButton button);
// Press and release a button on `target`: hover, mousedown, focus, mouseup, then
// click and its default action (left) or contextmenu (right). A disabled field
// takes no mouse events; returns false then.
bool click(const std::shared_ptr<Element>& target, MouseButton button = MouseButton::Left);
bool doubleClick(const std::shared_ptr<Element>& target);
// The click event and default action alone, as a script's element.click() does.
void activate(const std::shared_ptr<Element>& target);
// Sends `event` (made by a page or a face) to `target` with the default action a
// browser gives it: a click toggles a check box or radio button first (back again when
// cancelled) and then follows a link or submits, as activate does; other events have
// none. Returns false when a listener cancelled it.
bool dispatchWithDefault(const std::shared_ptr<Element>& target, Event& event);

// Focus moves to `target` (blur, with change when a field's value was edited, first).
void focus(const std::shared_ptr<Element>& target);
// Focus leaves the field that has it.
void blur(Document& document);

// Keys on `target` (focused first): keydown, keypress for characters, keyup, with
// the key's default action (Enter on a link or button activates it, Enter in a text
// field commits it and submits its form, Space toggles a check box).
void pressKey(const std::shared_ptr<Element>& target, int keyCode, bool alt = false, bool shift = false);
// Types `text` into a field one key at a time: the value grows per key, with a
// property change per key; then, when `leave`, focus leaves (change, blur).
bool typeText(const std::shared_ptr<Element>& field, const std::string& text, bool leave = true);
// Selects exactly the options with these texts (one for a drop-down list), then
// sends change when the selection changed. False, with nothing changed, when an
// option is missing or a drop-down list is given several texts.
bool choose(const std::shared_ptr<Element>& select, const std::vector<std::string>& optionTexts);
// Drags over the element's text: mousedown, the selection, select, mouseup.
void selectText(const std::shared_ptr<Element>& target);

// Submits a form as its submit button does: the submit event, then the navigation.
void submit(const std::shared_ptr<Element>& form, const std::shared_ptr<Element>& submitter);
void reset(const std::shared_ptr<Element>& form);

}  // namespace engine::actions
