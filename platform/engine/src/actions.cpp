#include "engine/actions.h"

#include <cstdlib>

#include "engine/browser.h"
#include "engine/dispatch.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/window.h"
#include "text_util.h"

namespace engine::actions {
namespace {

std::shared_ptr<Window> windowOf(const Element& element) {
    auto document = element.ownerDocument();
    return document ? document->defaultView() : nullptr;
}

bool isIe(const Element& element) {
    auto document = element.ownerDocument();
    return !document || document->dialect() == Dialect::InternetExplorer;
}

bool isTextField(const Element& element) {
    if (element.is("TEXTAREA")) return true;
    if (!element.is("INPUT")) return false;
    std::string kind = element.type();
    return kind == "text" || kind == "password" || kind == "file";
}

// An element of a page still on show (not of a page that was replaced or closed).
bool shown(const std::shared_ptr<Element>& element) {
    auto document = element ? element->ownerDocument() : nullptr;
    auto window = document ? document->defaultView() : nullptr;
    return window && !window->closed() && window->document() == document;
}

bool focusable(const Element& element) {
    return element.isFormField() || ((element.is("A") || element.is("AREA")) && element.hasAttribute("href"));
}

bool mouseEvent(const std::shared_ptr<Element>& target, const std::string& type, MouseButton button,
                const std::shared_ptr<Element>& related = nullptr) {
    Event event{.type = type, .relatedTarget = related, .button = button};
    return dispatchEvent(target, event);
}

bool keyEvent(const std::shared_ptr<Element>& target, const std::string& type, int keyCode, bool alt, bool shift) {
    Event event{.type = type, .keyCode = keyCode, .altKey = alt, .shiftKey = shift};
    return dispatchEvent(target, event);
}

// The link a click on `target` follows: the element itself or an ancestor A/AREA.
std::shared_ptr<Element> enclosingLink(const std::shared_ptr<Element>& target) {
    for (auto element = target; element; element = element->parentElement()) {
        if ((element->is("A") || element->is("AREA")) && element->hasAttribute("href")) return element;
    }
    return nullptr;
}

void followLink(const std::shared_ptr<Element>& link) {
    auto window = windowOf(*link);
    if (!window) return;
    window->browser().openFromPage(*window, link->attribute("href").value_or(""), link->target());
}

// After the user edited a field, focus leaving or Enter commits it.
void commitChange(const std::shared_ptr<Element>& field) {
    if (!isTextField(*field)) return;
    if (field->value() != field->valueAtFocus()) {
        field->rememberValueAtFocus();
        fire(field, "change", true, false);
    }
}

// A click on a file field opens the browser's file chooser; the file chosen becomes
// the field's value (its change is reported when the field is left, as typing's is).
void chooseFile(const std::shared_ptr<Element>& field) {
    auto window = windowOf(*field);
    if (!window) return;
    auto dialog = window->browser().runDialog(DialogKind::ChooseFile, "Choose file", field->value(), window);
    if (!dialog->accepted() || dialog->text().empty() || !shown(field) || dialog->text() == field->value()) return;
    field->setValue(dialog->text());
    propertyChanged(field, "value");
}

void defaultAction(const std::shared_ptr<Element>& target) {
    if (target->is("INPUT") || target->is("BUTTON")) {
        std::string kind = target->type();
        if (kind == "file" && target->is("INPUT")) {
            chooseFile(target);
            return;
        }
        auto form = target->form();
        if ((kind == "submit" || kind == "image") && form) {
            submit(form, target);
            return;
        }
        if (kind == "reset" && form) {
            reset(form);
            return;
        }
    }
    if (auto link = enclosingLink(target)) followLink(link);
}

// Numbers as keydown reports them: letters upper case, the rest as their code.
int keyCodeOf(char32_t character) {
    if (character >= 'a' && character <= 'z') return static_cast<int>(character - 'a' + 'A');
    if (character == '\n') return 13;
    return character < 0x80 ? static_cast<int>(character) : 0;
}

std::vector<std::string> utf8Characters(const std::string& text) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (i + length > text.size()) length = text.size() - i;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

}  // namespace

bool fire(const std::shared_ptr<Element>& target, const std::string& type, bool bubbles, bool cancelable) {
    Event event{.type = type, .bubbles = bubbles, .cancelable = cancelable};
    return dispatchEvent(target, event);
}

void propertyChanged(const std::shared_ptr<Element>& target, const std::string& property) {
    if (!target || !isIe(*target)) return;
    Event event{.type = "propertychange", .propertyName = property, .bubbles = false, .cancelable = false};
    dispatchEvent(target, event);
}

void hover(const std::shared_ptr<Element>& target) {
    auto document = target->ownerDocument();
    auto window = windowOf(*target);
    if (!document || !window) return;
    // One pointer for the whole browser: leaving a frame's element reports mouseout there.
    Browser& browser = window->browser();
    auto previous = browser.elementUnderMouse();
    if (!shown(previous)) previous.reset();
    if (previous == target) return;
    browser.setElementUnderMouse(target);
    document->setHoverElement(target);
    if (previous) {
        if (auto previousDocument = previous->ownerDocument(); previousDocument && previousDocument != document) {
            previousDocument->setHoverElement(nullptr);
        }
        mouseEvent(previous, "mouseout", MouseButton::None, target);
    }
    mouseEvent(target, "mouseover", MouseButton::None, previous);
}

bool mouseDown(const std::shared_ptr<Element>& target, MouseButton button) {
    return mouseEvent(target, "mousedown", button);
}

bool mouseUp(const std::shared_ptr<Element>& target, MouseButton button) { return mouseEvent(target, "mouseup", button); }

bool click(const std::shared_ptr<Element>& target, MouseButton button) {
    if (!target || (target->isFormField() && target->disabled())) return false;
    hover(target);
    mouseDown(target, button);
    if (button == MouseButton::Left) {
        if (focusable(*target)) {
            focus(target);
        } else if (auto document = target->ownerDocument()) {
            blur(*document);
        }
    }
    mouseUp(target, button);
    if (button == MouseButton::Left) {
        activate(target);
    } else if (button == MouseButton::Right) {
        mouseEvent(target, "contextmenu", button);
    }
    return true;
}

bool doubleClick(const std::shared_ptr<Element>& target) {
    if (!click(target, MouseButton::Left)) return false;
    if (isIe(*target)) {
        // IE reports the second press as a mouseup and a dblclick, without a click.
        mouseUp(target, MouseButton::Left);
    } else {
        mouseDown(target, MouseButton::Left);
        mouseUp(target, MouseButton::Left);
        mouseEvent(target, "click", MouseButton::Left);
    }
    mouseEvent(target, "dblclick", MouseButton::Left);
    return true;
}

bool dispatchWithDefault(const std::shared_ptr<Element>& target, Event& event) {
    if (!target) return false;
    if (event.type != "click") return dispatchEvent(target, event);
    // A check box or radio button changes before the click is reported and changes
    // back when a handler cancels it.
    std::vector<std::pair<std::shared_ptr<Element>, bool>> before;
    bool toggles = target->is("INPUT") && (target->type() == "checkbox" || target->type() == "radio");
    if (toggles) {
        if (auto document = target->ownerDocument()) {
            for (const auto& element : document->all()) {
                if (element == target || (target->type() == "radio" && element->is("INPUT") &&
                                           element->type() == "radio" && element->name() == target->name())) {
                    before.emplace_back(element, element->checked());
                }
            }
        }
        bool wasChecked = target->checked();
        target->setChecked(target->type() == "radio" ? true : !wasChecked);
        if (target->checked() != wasChecked) propertyChanged(target, "checked");
    }
    bool proceed = dispatchEvent(target, event);
    if (toggles) {
        bool changed = false;
        for (const auto& [element, checked] : before) {
            if (!proceed) element->setChecked(checked);
            if (element == target) changed = element->checked() != checked;
        }
        if (!proceed) {
            propertyChanged(target, "checked");
        } else if (changed) {
            fire(target, "change", true, false);
        }
        return proceed;
    }
    if (proceed) defaultAction(target);
    return proceed;
}

void activate(const std::shared_ptr<Element>& target) {
    Event event{.type = "click", .button = MouseButton::Left};
    dispatchWithDefault(target, event);
}

namespace {
void blurElement(const std::shared_ptr<Element>& element) {
    commitChange(element);
    if (auto document = element->ownerDocument(); document && document->activeElement() == element) {
        document->setActiveElement(nullptr);
    }
    if (auto window = windowOf(*element); window && window->browser().focusedElement() == element) {
        window->browser().setFocusedElement(nullptr);
    }
    fire(element, "blur", false, false);
}
}  // namespace

void focus(const std::shared_ptr<Element>& target) {
    auto document = target->ownerDocument();
    auto window = windowOf(*target);
    if (!document || !window) return;
    // One focus for the whole browser: focusing a field in one frame blurs the other's.
    auto previous = window->browser().focusedElement();
    if (previous == target && document->activeElement() == target) return;
    if (previous && previous != target && shown(previous)) blurElement(previous);
    if (auto active = document->activeElement(); active && active != target) blurElement(active);
    document->setActiveElement(target);
    window->browser().setFocusedElement(target);
    target->rememberValueAtFocus();
    fire(target, "focus", false, false);
}

void blur(Document& document) {
    if (auto active = document.activeElement()) blurElement(active);
}

void pressKey(const std::shared_ptr<Element>& target, int keyCode, bool alt, bool shift) {
    if (!target) return;
    if (focusable(*target)) focus(target);
    bool proceed = keyEvent(target, "keydown", keyCode, alt, shift);
    if (proceed && (keyCode == 13 || keyCode == 32 || keyCode >= 48)) {
        proceed = keyEvent(target, "keypress", keyCode, alt, shift);
    }
    if (proceed) {
        std::string kind = target->is("INPUT") || target->is("BUTTON") ? target->type() : std::string();
        bool button = kind == "submit" || kind == "reset" || kind == "button" || kind == "image";
        if (keyCode == 13 && (button || enclosingLink(target))) {
            activate(target);
        } else if (keyCode == 32 && (button || kind == "checkbox" || kind == "radio")) {
            activate(target);
        } else if (keyCode == 13 && target->is("INPUT") && isTextField(*target)) {
            commitChange(target);
            // Enter in a text field submits its form through its first submit button.
            if (auto form = target->form()) {
                for (const auto& field : form->elements()) {
                    if ((field->type() == "submit" || field->type() == "image") && !field->disabled()) {
                        activate(field);
                        break;
                    }
                }
            }
        }
    }
    keyEvent(target, "keyup", keyCode, alt, shift);
}

bool typeText(const std::shared_ptr<Element>& field, const std::string& text, bool leave) {
    if (!field || !isTextField(*field) || field->disabled() || field->hasAttribute("readonly")) return false;
    focus(field);
    for (const auto& character : utf8Characters(text)) {
        char32_t first = static_cast<unsigned char>(character[0]);
        int code = keyCodeOf(first);
        if (first == '\n' && !field->is("TEXTAREA")) {
            pressKey(field, 13);
            continue;
        }
        bool proceed = keyEvent(field, "keydown", code, false, false);
        if (proceed) proceed = keyEvent(field, "keypress", first < 0x80 ? static_cast<int>(first) : code, false, false);
        if (proceed) {
            std::string value = field->value();
            if (field->is("INPUT")) {
                auto limit = field->attribute("maxlength");
                if (limit && !limit->empty() && value.size() >= static_cast<std::size_t>(std::atoi(limit->c_str()))) {
                    proceed = false;
                }
            }
            if (proceed) {
                field->setValue(value + (first == '\n' ? std::string("\n") : character));
                propertyChanged(field, "value");
            }
        }
        keyEvent(field, "keyup", code, false, false);
    }
    if (leave) {
        if (auto document = field->ownerDocument()) blur(*document);
    }
    return true;
}

bool choose(const std::shared_ptr<Element>& select, const std::vector<std::string>& optionTexts) {
    if (!select || !select->is("SELECT") || select->disabled() || optionTexts.empty()) return false;
    if (!select->multiple() && optionTexts.size() > 1) return false;
    auto options = select->options();
    std::vector<bool> wanted(options.size(), false);
    for (const auto& text : optionTexts) {
        bool found = false;
        for (std::size_t i = 0; i < options.size(); ++i) {
            if (options[i]->text() == text && !options[i]->disabled()) {
                wanted[i] = true;
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    focus(select);
    bool changed = false;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i]->selected() != wanted[i]) {
            changed = true;
            options[i]->setSelected(wanted[i]);
        }
    }
    if (changed) {
        propertyChanged(select, "selectedIndex");
        fire(select, "change", true, false);
    }
    return true;
}

void selectText(const std::shared_ptr<Element>& target) {
    auto document = target->ownerDocument();
    if (!document) return;
    hover(target);
    mouseDown(target, MouseButton::Left);
    document->select(target);
    fire(target, "select", true, false);
    mouseUp(target, MouseButton::Left);
}

void submit(const std::shared_ptr<Element>& form, const std::shared_ptr<Element>& submitter) {
    if (!form || !form->is("FORM")) return;
    if (!fire(form, "submit", true, true)) return;
    if (auto window = windowOf(*form)) window->browser().submitForm(*form, submitter.get());
}

void reset(const std::shared_ptr<Element>& form) {
    if (!form || !fire(form, "reset", true, true)) return;
    for (const auto& field : form->elements()) {
        if (field->is("SELECT")) {
            field->resetSelection();
        } else if (field->is("TEXTAREA") || (field->is("INPUT") && isTextField(*field))) {
            field->setValue(field->defaultValue());
        } else if (field->is("INPUT") && (field->type() == "checkbox" || field->type() == "radio")) {
            field->setChecked(field->defaultChecked());
        }
    }
}

}  // namespace engine::actions
