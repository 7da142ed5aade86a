#include "common_dialogs.h"

#include <algorithm>

#include "engine/actions.h"
#include "engine/dialog.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/window.h"
#include "markup_names.h"

namespace gecko {
namespace {

using engine::Element;

constexpr const char* kDialogAddress = "chrome://global/content/commonDialog.xul";

std::shared_ptr<Element> xul(const char* name, std::initializer_list<std::pair<const char*, std::string>> attributes = {}) {
  auto element = std::make_shared<Element>(engine::XmlMarkup{}, name, kXulNamespace);
  for (const auto& [key, value] : attributes) element->setAttribute(key, value);
  return element;
}

std::shared_ptr<Element> append(const std::shared_ptr<engine::Node>& parent, std::shared_ptr<Element> child) {
  parent->appendChild(child);
  return child;
}

// The text box binding's inner parts: a box holding the HTML input that takes the text.
void bindTextbox(Element& textbox, const std::string& type) {
  auto box = xul("xul:hbox", {{"class", "textbox-input-box"}, {"flex", "1"}});
  auto input = std::make_shared<Element>(engine::XmlMarkup{}, "html:input", kXhtmlNamespace);
  input->setAttribute("class", "textbox-input");
  input->setAttribute("flex", "1");
  input->setAttribute("anonid", "input");
  if (auto value = textbox.attribute("value")) input->setAttribute("value", *value);
  if (!type.empty()) input->setAttribute("type", type);
  box->appendChild(input);
  textbox.appendAnonymousNode(box);
}

// A label, a text box and a separator in a box that shows only when the dialog asks
// for that text. A hidden text box has no frame in Gecko, so no binding and no inner
// parts either.
void textboxContainer(const std::shared_ptr<Element>& parent, const std::string& name, const std::string& type,
                      bool shown, const std::string& value) {
  auto container = append(parent, xul("vbox", {{"id", name + "Container"}}));
  if (!shown) container->setAttribute("hidden", "true");
  append(container, xul("label", {{"id", name + "Label"}, {"value", ""}, {"control", name + "Textbox"}}));
  auto textbox = append(container, xul("textbox", {{"id", name + "Textbox"}}));
  if (!type.empty()) textbox->setAttribute("type", type);
  if (shown) {
    textbox->setAttribute("value", value);
    bindTextbox(*textbox, type);
  }
  append(container, xul("separator", {{"class", "thin"}}));
}

// The dialog binding's inner parts: the content box and the button row, every button
// labelled, those the dialog does not use hidden.
void bindDialog(Element& dialog, bool cancelShown) {
  dialog.appendAnonymousNode(xul("xul:vbox", {{"class", "box-inherit dialog-content-box"}, {"flex", "1"}}));
  auto buttons = xul("xul:hbox", {{"class", "dialog-button-box"}, {"pack", "center"}, {"anonid", "buttons"}});
  auto button = [&](const char* type, const char* label, bool hidden) {
    auto element = append(buttons, xul("xul:button", {{"dlgtype", type}, {"class", "dialog-button"}, {"label", label}}));
    if (hidden) element->setAttribute("hidden", "true");
    return element;
  };
  button("extra2", "", true);
  append(buttons, xul("xul:spacer"));
  button("accept", "OK", false)->setAttribute("default", "true");
  button("extra1", "", true);
  button("cancel", "Cancel", !cancelShown);
  button("help", "Help", true);
  button("disclosure", "More Info", true);
  dialog.appendAnonymousNode(buttons);
}

std::shared_ptr<Element> anonymousButton(const Element& dialog, const std::string& type) {
  for (const auto& node : dialog.anonymousNodes()) {
    if (node->nodeType() != engine::NodeType::Element) continue;
    for (const auto& child : node->childNodes()) {
      if (child->nodeType() != engine::NodeType::Element) continue;
      auto element = std::static_pointer_cast<Element>(child);
      if (element->nodeName() == "xul:button" && element->attribute("dlgtype") == type) return element;
    }
  }
  return nullptr;
}

// The prompt's input: inside the anonymous content of the login text box.
std::shared_ptr<Element> promptInput(const engine::Document& document) {
  auto textbox = document.getElementById("loginTextbox");
  if (!textbox) return nullptr;
  for (const auto& node : textbox->anonymousNodes()) {
    for (const auto& child : node->childNodes()) {
      if (child->nodeType() == engine::NodeType::Element &&
          static_cast<Element&>(*child).nodeName() == "html:input") {
        return std::static_pointer_cast<Element>(child);
      }
    }
  }
  return nullptr;
}

bool isTrue(const Element& element, const char* attribute) { return element.attribute(attribute) == "true"; }

// What the dialog binding does for a button's command: the "dialogaccept" or
// "dialogcancel" event on the dialog, and unless a listener cancels it, the answer (the
// prompt's text with OK) and the window's close.
void doButtonCommand(const std::shared_ptr<ShownDialog>& shown, const std::string& type) {
  if (!shown || !shown->request || shown->request->answered()) return;
  auto root = shown->document->documentElement();
  auto button = root ? anonymousButton(*root, type) : nullptr;
  if (!button || isTrue(*button, "disabled")) return;
  if (type != "accept" && type != "cancel") return;  // the extra buttons are never shown
  if (!engine::actions::fire(root, "dialog" + type, true, true)) return;
  if (!shown->request) return;  // a listener's work ended the dialog meanwhile
  if (type == "accept") {
    auto input = promptInput(*shown->document);
    shown->request->answer(true, input ? input->value() : shown->request->text());
  } else {
    shown->request->answer(false);
  }
}

std::shared_ptr<Element> dialogButtonOf(const engine::Event& event, const ShownDialog& shown) {
  auto target = event.target;
  if (!target || target->nodeName() != "xul:button" || target->ownerDocument() != shown.document) return nullptr;
  return target;
}

// Listens on the dialog's window, after the event has passed every other listener of
// the document, so that a listener that cancels the event or stops it keeps the dialog
// open, as Gecko's default handling does.
void listen(engine::Window& window, const std::shared_ptr<ShownDialog>& shown) {
  std::weak_ptr<ShownDialog> weak = shown;
  window.addEventListener("command", [weak](engine::Event& event) {
    auto dialog = weak.lock();
    if (!dialog || event.defaultPrevented) return;
    if (auto button = dialogButtonOf(event, *dialog)) doButtonCommand(dialog, button->attribute("dlgtype").value_or(""));
  });
  // A button's click sends its command, as a XUL button's frame does; a hidden or
  // disabled button takes no click.
  window.addEventListener("click", [weak](engine::Event& event) {
    auto dialog = weak.lock();
    if (!dialog || event.defaultPrevented) return;
    if (event.button != engine::MouseButton::Left && event.button != engine::MouseButton::None) return;
    auto button = dialogButtonOf(event, *dialog);
    if (!button || isTrue(*button, "disabled") || isTrue(*button, "hidden")) return;
    engine::actions::fire(button, "command", true, true);
  });
  // Enter takes the default button (OK), Escape cancels. The engine reports Escape's
  // key going down only.
  window.addEventListener("keypress", [weak](engine::Event& event) {
    auto dialog = weak.lock();
    if (dialog && !event.defaultPrevented && event.keyCode == 13) doButtonCommand(dialog, "accept");
  });
  window.addEventListener("keydown", [weak](engine::Event& event) {
    auto dialog = weak.lock();
    if (dialog && !event.defaultPrevented && event.keyCode == 27) doButtonCommand(dialog, "cancel");
  });
}

}  // namespace

std::shared_ptr<engine::Document> buildCommonDialogDocument(engine::DialogKind kind, const std::string& title,
                                                            const std::string& message,
                                                            const std::string& defaultText) {
  auto document = std::make_shared<engine::Document>(kDialogAddress, engine::Dialect::Mozilla);
  document->setXml(true);
  const bool prompt = kind == engine::DialogKind::Prompt;
  auto dialog = xul("dialog", {{"id", "commonDialog"}, {"buttonpack", "center"}, {"title", title}});
  document->appendChild(dialog);

  auto row = append(dialog, xul("hbox", {{"flex", "1"}}));
  auto iconBox = append(row, xul("hbox", {{"align", "start"}}));
  append(iconBox, xul("image", {{"id", "info.icon"},
                                {"class", kind == engine::DialogKind::Alert ? "spaced alert-icon" : "spaced question-icon"}}));
  auto content = append(row, xul("vbox", {{"flex", "1"}, {"style", "max-width: 45em;"}}));
  append(content, xul("description", {{"id", "info.title"}, {"class", "header"}, {"hidden", "true"}}));
  auto header = append(content, xul("description", {{"id", "info.header"}, {"class", "header"}}));
  header->appendChild(std::make_shared<engine::TextNode>(""));
  // One description per line of the message.
  auto messageBox = append(content, xul("vbox", {{"id", "info.box"}}));
  std::size_t start = 0;
  while (true) {
    const std::size_t end = message.find('\n', start);
    auto paragraph = append(messageBox, xul("description"));
    paragraph->appendChild(std::make_shared<engine::TextNode>(message.substr(start, end - start)));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  textboxContainer(content, "login", "", prompt, defaultText);
  textboxContainer(content, "password1", "password", false, "");
  textboxContainer(content, "password2", "password", false, "");
  auto checkboxes = append(content, xul("vbox", {{"id", "checkboxContainer"}, {"align", "start"}, {"collapsed", "true"}}));
  append(checkboxes, xul("checkbox", {{"id", "checkbox"}}));

  bindDialog(*dialog, kind != engine::DialogKind::Alert);
  return document;
}

CommonDialogs::CommonDialogs(engine::Browser& browser) : browser_(browser) { browser_.setDialogHost(this); }

CommonDialogs::~CommonDialogs() {
  if (browser_.dialogHost() == this) browser_.setDialogHost(nullptr);
  for (auto& shown : shown_) {
    shown->request = nullptr;
    if (shown->window) shown->window->markClosed();
  }
}

void CommonDialogs::addObserver(CommonDialogObserver* observer) {
  if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
    observers_.push_back(observer);
  }
}

void CommonDialogs::removeObserver(CommonDialogObserver* observer) { std::erase(observers_, observer); }

std::shared_ptr<ShownDialog> CommonDialogs::find(const engine::Dialog& dialog) const {
  for (const auto& shown : shown_) {
    if (shown->request == &dialog) return shown;
  }
  return nullptr;
}

// The file chooser is the platform's own window in Mozilla, not a XUL dialog: the
// engine keeps it.
void CommonDialogs::dialogOpened(engine::Dialog& dialog) {
  if (dialog.kind() == engine::DialogKind::ChooseFile) return;
  auto shown = std::make_shared<ShownDialog>();
  shown->request = &dialog;
  shown->kind = dialog.kind();
  shown->title = kScriptDialogTitle;
  shown->document = buildCommonDialogDocument(dialog.kind(), shown->title, dialog.message(), dialog.text());
  shown->window = browser_.createDialogWindow(shown->document);
  shown->opener = dialog.window();
  shown->window->setOpener(shown->opener);
  listen(*shown->window, shown);
  shown_.push_back(shown);
  const auto observers = observers_;  // an observer may remove itself
  for (auto* observer : observers) observer->dialogShown(*shown);
}

void CommonDialogs::dialogClosed(engine::Dialog& dialog) {
  auto shown = find(dialog);
  if (!shown) return;
  const auto observers = observers_;
  for (auto* observer : observers) observer->dialogClosing(*shown);
  shown->request = nullptr;
  shown->window->markClosed();
  std::erase(shown_, shown);
}

bool CommonDialogs::dismissWindow(const engine::Window& window) {
  for (const auto& shown : shown_) {
    if (shown->window.get() != &window) continue;
    if (shown->request) shown->request->answer(false);
    return true;
  }
  return false;
}

bool CommonDialogs::answerAsUser(engine::Dialog& dialog, bool accept, const std::string* text) {
  auto shown = find(dialog);
  if (!shown) return false;
  auto root = shown->document->documentElement();
  if (text) {
    auto input = promptInput(*shown->document);
    if (!input) return false;
    // The prompt's text is selected when it opens: typing replaces it.
    input->setValue("");
    engine::actions::typeText(input, *text, true);
    if (!shown->request) return true;  // typing ended the dialog (a handler's work)
  }
  auto button = root ? anonymousButton(*root, accept ? "accept" : "cancel") : nullptr;
  if (button && !isTrue(*button, "hidden")) {
    engine::actions::click(button);
  } else if (!accept && root) {
    engine::actions::pressKey(root, 27);  // an alert has no Cancel button: Escape
  } else {
    return false;
  }
  return true;
}

}  // namespace gecko
