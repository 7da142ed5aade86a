#include "engine/document.h"

#include "engine/window.h"
#include "text_util.h"

namespace engine {

const char* readyStateName(ReadyState state) {
    switch (state) {
        case ReadyState::Uninitialized: return "uninitialized";
        case ReadyState::Loading: return "loading";
        case ReadyState::Interactive: return "interactive";
        case ReadyState::Complete: return "complete";
    }
    return "uninitialized";
}

Document::Document(std::string url, Dialect dialect)
    : Node(NodeType::Document), url_(std::move(url)), dialect_(dialect) {}

void Document::adopt(const std::shared_ptr<Node>& node) {
    if (!node || node->parentNode() || node->nodeType() == NodeType::Document) return;
    node->adoptInto(std::static_pointer_cast<Document>(shared_from_this()));
}

void Document::adoptTree() {
    auto self = std::static_pointer_cast<Document>(shared_from_this());
    for (auto& child : children_) child->adoptInto(self);
    invalidateCollections();
}

const std::vector<std::shared_ptr<Element>>& Document::all() const {
    if (!allValid_) {
        for (auto& element : all_) element->sourceIndex_ = -1;
        all_.clear();
        forEachElement(*this, [this](const std::shared_ptr<Element>& element) {
            element->sourceIndex_ = static_cast<int>(all_.size());
            all_.push_back(element);
        });
        allValid_ = true;
    }
    return all_;
}

int Document::sourceIndexOf(const Element& element) const {
    all();
    return element.sourceIndex_;
}

std::shared_ptr<Element> Document::documentElement() const {
    for (const auto& child : children_) {
        if (child->nodeType() == NodeType::Element) return std::static_pointer_cast<Element>(child);
    }
    return nullptr;
}

namespace {
std::shared_ptr<Element> childWithTag(const std::shared_ptr<Element>& parent, const char* tag) {
    if (!parent) return nullptr;
    for (const auto& child : parent->childNodes()) {
        if (child->nodeType() == NodeType::Element && static_cast<Element&>(*child).is(tag)) {
            return std::static_pointer_cast<Element>(child);
        }
    }
    return nullptr;
}
}  // namespace

std::shared_ptr<Element> Document::body() const {
    auto html = documentElement();
    if (auto body = childWithTag(html, "BODY")) return body;
    return childWithTag(html, "FRAMESET");
}

std::shared_ptr<Element> Document::head() const { return childWithTag(documentElement(), "HEAD"); }

std::string Document::title() const {
    for (const auto& element : all()) {
        if (element->is("TITLE")) return text::collapseBlanks(element->textContent());
    }
    return {};
}

void Document::setTitle(const std::string& title) {
    for (const auto& element : all()) {
        if (element->is("TITLE")) {
            while (!element->childNodes().empty()) element->removeChild(element->childNodes().front());
            element->appendChild(std::make_shared<TextNode>(title));
            return;
        }
    }
    auto head = this->head();
    if (!head) return;
    auto titleElement = std::make_shared<Element>("title");
    titleElement->appendChild(std::make_shared<TextNode>(title));
    head->appendChild(titleElement);
}

std::shared_ptr<Element> Document::getElementById(const std::string& id) const {
    for (const auto& element : all()) {
        if (element->attribute("id") == id) return element;
    }
    return nullptr;
}

std::vector<std::shared_ptr<Element>> Document::getElementsByName(const std::string& name) const {
    std::vector<std::shared_ptr<Element>> found;
    for (const auto& element : all()) {
        if (element->attribute("name") == name) found.push_back(element);
    }
    return found;
}

std::vector<std::shared_ptr<Element>> Document::getElementsByTagName(const std::string& tag) const {
    std::vector<std::shared_ptr<Element>> found;
    for (const auto& element : all()) {
        if (element->matchesTagName(tag)) found.push_back(element);
    }
    return found;
}

std::vector<std::shared_ptr<Element>> Document::forms() const { return getElementsByTagName("FORM"); }
std::vector<std::shared_ptr<Element>> Document::images() const { return getElementsByTagName("IMG"); }

std::vector<std::shared_ptr<Element>> Document::links() const {
    std::vector<std::shared_ptr<Element>> found;
    for (const auto& element : all()) {
        if ((element->is("A") || element->is("AREA")) && element->hasAttribute("href")) found.push_back(element);
    }
    return found;
}

std::vector<std::shared_ptr<Element>> Document::frameElements() const {
    std::vector<std::shared_ptr<Element>> found;
    for (const auto& element : all()) {
        if (element->is("FRAME") || element->is("IFRAME")) found.push_back(element);
    }
    return found;
}

void Document::select(const std::shared_ptr<Element>& element) {
    if (!element) {
        clearSelection();
        return;
    }
    selection_.container = element;
    selection_.text = element->innerText();
}

}  // namespace engine
