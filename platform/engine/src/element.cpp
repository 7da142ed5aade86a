#include <algorithm>
#include <charconv>

#include "engine/browser.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/url.h"
#include "engine/window.h"
#include "script_engine.h"
#include "text_util.h"

namespace engine {

Element::Element(std::string tagName) : Node(NodeType::Element), tagName_(text::upper(std::move(tagName))) {}

Element::Element(XmlMarkup, std::string qualifiedName, std::string namespaceUri)
    : Node(NodeType::Element), xml_(true), qualifiedName_(std::move(qualifiedName)),
      namespaceUri_(std::move(namespaceUri)) {
    tagName_ = namespaceUri_ == kXhtmlNamespace ? text::upper(localName()) : qualifiedName_;
}

// ---------------------------------------------------------------- names

std::string Element::localName() const {
    if (!xml_) return tagName_;
    auto colon = qualifiedName_.find(':');
    return colon == std::string::npos ? qualifiedName_ : qualifiedName_.substr(colon + 1);
}

std::string Element::prefix() const {
    if (!xml_) return {};
    auto colon = qualifiedName_.find(':');
    return colon == std::string::npos ? std::string() : qualifiedName_.substr(0, colon);
}

bool Element::matchesTagName(const std::string& name) const {
    if (name == "*") return true;
    if (xml_) return qualifiedName_ == name;
    if (tagName_.size() != name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (tagName_[i] != (c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c)) return false;
    }
    return true;
}

void Element::appendAnonymousNode(const std::shared_ptr<Node>& node) {
    if (!canTake(node)) return;
    if (auto old = node->parent_.lock()) old->removeChild(node);
    node->parent_ = weak_from_this();
    anonymous_.push_back(node);
    node->adoptInto(document_);
}

// ---------------------------------------------------------------- attributes

std::optional<std::string> Element::attribute(const std::string& name) const {
    for (const auto& [key, value] : attributes_) {
        if (key.size() == name.size() && (xml_ ? key == name : text::equalsIgnoringCase(key, name))) return value;
    }
    return std::nullopt;
}

void Element::setAttribute(const std::string& name, const std::string& value) {
    std::string key = xml_ ? name : text::lower(name);
    if (key == "style") style_.reset();
    for (auto& entry : attributes_) {
        if (entry.first == key) {
            entry.second = value;
            return;
        }
    }
    attributes_.emplace_back(key, value);
}

bool Element::removeAttribute(const std::string& name) {
    std::string key = xml_ ? name : text::lower(name);
    auto found = std::find_if(attributes_.begin(), attributes_.end(), [&](const auto& e) { return e.first == key; });
    if (found == attributes_.end()) return false;
    attributes_.erase(found);
    if (key == "style") style_.reset();
    return true;
}

int Element::sourceIndex() const {
    auto document = ownerDocument();
    return document ? document->sourceIndexOf(*this) : -1;
}

// ---------------------------------------------------------------- reflected attributes

namespace {
std::string resolved(const Element& element, const std::optional<std::string>& value) {
    if (!value) return {};
    auto document = element.ownerDocument();
    std::string trimmed = text::trim(*value);
    return document ? url::resolve(document->url(), trimmed) : trimmed;
}

int positiveNumber(const std::optional<std::string>& value, int fallback) {
    if (!value) return fallback;
    std::string trimmed = text::trim(*value);
    int number = 0;
    auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), number);
    if (error != std::errc() || end == trimmed.data() || number < 1) return fallback;
    return number;
}

bool isKnownInputType(const std::string& type) {
    static const char* known[] = {"text", "password", "checkbox", "radio", "submit", "reset",
                                  "button", "image", "file", "hidden"};
    return std::any_of(std::begin(known), std::end(known), [&](const char* k) { return type == k; });
}
}  // namespace

std::string Element::src() const { return resolved(*this, attribute("src")); }
std::string Element::href() const { return resolved(*this, attribute("href")); }
int Element::colSpan() const { return positiveNumber(attribute("colspan"), 1); }
int Element::rowSpan() const { return positiveNumber(attribute("rowspan"), 1); }

void Element::setDisabled(bool disabled) {
    if (disabled) {
        setAttribute("disabled", "");
    } else {
        removeAttribute("disabled");
    }
}

// ---------------------------------------------------------------- form fields

bool Element::isFormField() const { return is("INPUT") || is("SELECT") || is("TEXTAREA") || is("BUTTON"); }

std::string Element::type() const {
    if (is("INPUT")) {
        std::string type = text::lower(text::trim(attr("type")));
        return isKnownInputType(type) ? type : "text";
    }
    if (is("SELECT")) return multiple() ? "select-multiple" : "select-one";
    if (is("TEXTAREA")) return "textarea";
    if (is("BUTTON")) {
        std::string type = text::lower(attr("type"));
        return type == "button" || type == "reset" ? type : "submit";
    }
    return attr("type");
}

std::string Element::textAreaValue() const {
    auto document = ownerDocument();
    bool crlf = !document || document->dialect() == Dialect::InternetExplorer;
    return text::normalizeLineBreaks(dirtyValue_ ? *dirtyValue_ : textContent(), crlf);
}

std::string Element::value() const {
    if (is("TEXTAREA")) return textAreaValue();
    if (is("SELECT")) {
        for (const auto& option : options()) {
            if (option->selected()) return option->value();
        }
        return {};
    }
    if (is("OPTION")) return attribute("value") ? attr("value") : text();
    if (is("INPUT")) {
        if (dirtyValue_) return *dirtyValue_;
        std::string kind = type();
        if ((kind == "checkbox" || kind == "radio") && !hasAttribute("value")) return "on";
        return attr("value");
    }
    return attr("value");
}

void Element::setValue(const std::string& value) {
    if (is("SELECT")) {
        for (const auto& option : options()) option->selectedness_ = false;
        for (const auto& option : options()) {
            if (option->value() == value) {
                option->selectedness_ = true;
                break;
            }
        }
        return;
    }
    if (is("OPTION") || (is("INPUT") && (type() == "checkbox" || type() == "radio" || type() == "submit" ||
                                         type() == "reset" || type() == "button" || type() == "hidden"))) {
        setAttribute("value", value);
        return;
    }
    if (is("INPUT") || is("TEXTAREA")) {
        dirtyValue_ = value;
        return;
    }
    setAttribute("value", value);
}

std::string Element::defaultValue() const {
    if (is("TEXTAREA")) {
        auto document = ownerDocument();
        return text::normalizeLineBreaks(textContent(), !document || document->dialect() == Dialect::InternetExplorer);
    }
    return attr("value");
}

void Element::setDefaultValue(const std::string& value) {
    if (is("TEXTAREA")) {
        while (!children_.empty()) removeChild(children_.front());
        appendChild(std::make_shared<TextNode>(value));
    } else {
        setAttribute("value", value);
    }
}

bool Element::checked() const { return dirtyChecked_ ? *dirtyChecked_ : defaultChecked(); }

void Element::setChecked(bool checked) {
    dirtyChecked_ = checked;
    if (checked && is("INPUT") && type() == "radio") uncheckRadioGroup();
}

void Element::setDefaultChecked(bool checked) {
    if (checked) {
        setAttribute("checked", "");
    } else {
        removeAttribute("checked");
    }
}

void Element::uncheckRadioGroup() {
    auto document = ownerDocument();
    if (!document || name().empty()) return;
    auto myForm = form();
    for (const auto& other : document->all()) {
        if (other.get() == this || !other->is("INPUT") || other->type() != "radio") continue;
        if (other->name() == name() && other->form() == myForm) other->dirtyChecked_ = false;
    }
}

std::shared_ptr<Element> Element::form() const {
    if (auto owner = ownerForm_.lock()) return owner;
    if (!isFormField() && !is("FIELDSET") && !is("OBJECT")) return nullptr;
    for (auto parent = parentElement(); parent; parent = parent->parentElement()) {
        if (parent->is("FORM")) return parent;
    }
    return nullptr;
}

std::vector<std::shared_ptr<Element>> Element::elements() const {
    std::vector<std::shared_ptr<Element>> found;
    auto document = ownerDocument();
    if (!document || !is("FORM")) return found;
    for (const auto& element : document->all()) {
        if (element->isFormField() && element->form().get() == this) found.push_back(element);
    }
    return found;
}

// ---------------------------------------------------------------- select and option

std::vector<std::shared_ptr<Element>> Element::options() const {
    std::vector<std::shared_ptr<Element>> found;
    if (!is("SELECT")) return found;
    forEachElement(*this, [&](const std::shared_ptr<Element>& element) {
        if (element->is("OPTION")) found.push_back(element);
    });
    return found;
}

int Element::selectedIndex() const {
    auto all = options();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i]->selectedness_) return static_cast<int>(i);
    }
    return -1;
}

void Element::setSelectedIndex(int index) {
    auto all = options();
    for (std::size_t i = 0; i < all.size(); ++i) all[i]->selectedness_ = static_cast<int>(i) == index;
}

std::shared_ptr<Element> Element::selectElement() const {
    for (auto parent = parentElement(); parent; parent = parent->parentElement()) {
        if (parent->is("SELECT")) return parent;
    }
    return nullptr;
}

bool Element::selected() const { return selectedness_; }

void Element::setSelected(bool selected) {
    selectedness_ = selected;
    if (selected) selectedChanged();
}

void Element::selectedChanged() {
    auto select = selectElement();
    if (!select || select->multiple()) return;
    for (const auto& option : select->options()) {
        if (option.get() != this) option->selectedness_ = false;
    }
}

void Element::setDefaultSelected(bool selected) {
    if (selected) {
        setAttribute("selected", "");
    } else {
        removeAttribute("selected");
    }
}

std::string Element::text() const {
    if (is("OPTION")) return text::collapseBlanks(textContent());
    return textContent();
}

int Element::index() const {
    auto select = selectElement();
    if (!select) return 0;
    auto all = select->options();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].get() == this) return static_cast<int>(i);
    }
    return 0;
}

void Element::resetSelection() {
    if (!is("SELECT")) return;
    auto all = options();
    for (const auto& option : all) option->selectedness_ = option->defaultSelected();
    if (multiple() || positiveNumber(attribute("size"), 1) > 1) return;
    // A drop-down list shows exactly one option: the last one marked, or the first.
    std::shared_ptr<Element> chosen;
    for (const auto& option : all) {
        if (option->selectedness_) chosen = option;
    }
    if (!chosen && !all.empty()) chosen = all.front();
    for (const auto& option : all) option->selectedness_ = option == chosen;
}

// ---------------------------------------------------------------- tables

namespace {
void childrenWithTag(const Node& parent, std::initializer_list<const char*> tags,
                     std::vector<std::shared_ptr<Element>>& out) {
    for (const auto& child : parent.childNodes()) {
        if (child->nodeType() != NodeType::Element) continue;
        auto element = std::static_pointer_cast<Element>(child);
        for (const char* tag : tags) {
            if (element->is(tag)) {
                out.push_back(element);
                break;
            }
        }
    }
}
}  // namespace

std::vector<std::shared_ptr<Element>> Element::rows() const {
    std::vector<std::shared_ptr<Element>> found;
    if (is("TABLE")) {
        // Rows of every section in document order; a nested table keeps its own.
        for (const auto& child : children_) {
            if (child->nodeType() != NodeType::Element) continue;
            auto& element = static_cast<Element&>(*child);
            if (element.is("TR")) {
                found.push_back(std::static_pointer_cast<Element>(child));
            } else if (element.is("THEAD") || element.is("TBODY") || element.is("TFOOT")) {
                childrenWithTag(element, {"TR"}, found);
            }
        }
    } else if (is("THEAD") || is("TBODY") || is("TFOOT")) {
        childrenWithTag(*this, {"TR"}, found);
    }
    return found;
}

std::vector<std::shared_ptr<Element>> Element::cells() const {
    std::vector<std::shared_ptr<Element>> found;
    if (is("TR")) {
        childrenWithTag(*this, {"TD", "TH"}, found);
    } else if (is("TABLE")) {
        for (const auto& row : rows()) childrenWithTag(*row, {"TD", "TH"}, found);
    }
    return found;
}

std::shared_ptr<Element> Element::table() const {
    for (auto parent = parentElement(); parent; parent = parent->parentElement()) {
        if (parent->is("TABLE")) return parent;
    }
    return nullptr;
}

int Element::rowIndex() const {
    if (!is("TR")) return -1;
    auto owner = table();
    if (!owner) return -1;
    auto all = owner->rows();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

int Element::cellIndex() const {
    if (!is("TD") && !is("TH")) return -1;
    auto row = parentElement();
    if (!row || !row->is("TR")) return -1;
    auto all = row->cells();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

std::vector<std::shared_ptr<Element>> Element::areas() const {
    std::vector<std::shared_ptr<Element>> found;
    if (!is("MAP")) return found;
    forEachElement(*this, [&](const std::shared_ptr<Element>& element) {
        if (element->is("AREA")) found.push_back(element);
    });
    return found;
}

std::vector<std::shared_ptr<Element>> Element::getElementsByTagName(const std::string& tag) const {
    std::vector<std::shared_ptr<Element>> found;
    forEachElement(*this, [&](const std::shared_ptr<Element>& element) {
        if (element->matchesTagName(tag)) found.push_back(element);
    });
    return found;
}

// ---------------------------------------------------------------- style

Style& Element::style() {
    if (!style_) style_ = Style::parse(attr("style"));
    return *style_;
}

std::string Element::currentStyle(const std::string& property) {
    std::string value = runtimeStyle_.get(property);
    return value.empty() ? style().get(property) : value;
}

// ---------------------------------------------------------------- handlers

std::shared_ptr<ScriptHandler> Element::handler(const std::string& eventType) {
    if (auto assigned = EventTarget::handler(eventType)) return assigned;
    auto source = attribute("on" + eventType);
    if (!source) return nullptr;
    for (auto& [type, compiled] : compiledHandlers_) {
        if (type == eventType && compiled.source == *source) return compiled.handler;
    }
    auto document = ownerDocument();
    auto window = document ? document->defaultView() : nullptr;
    if (!window || window->document() != document) return nullptr;  // the page is no longer shown
    auto element = std::static_pointer_cast<Element>(shared_from_this());
    auto compiled = window->browser().scripts().compileHandler(*window, element, "on" + eventType, *source);
    if (!compiled) return nullptr;
    for (auto& [type, entry] : compiledHandlers_) {
        if (type == eventType) {
            entry = {*source, compiled};
            return compiled;
        }
    }
    compiledHandlers_.push_back({eventType, {*source, compiled}});
    return compiled;
}

}  // namespace engine
