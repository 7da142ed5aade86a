#include "engine/node.h"

#include <algorithm>

#include "engine/document.h"

namespace engine {

std::shared_ptr<Element> Node::parentElement() const {
    auto parent = parent_.lock();
    if (!parent || parent->nodeType() != NodeType::Element) return nullptr;
    return std::static_pointer_cast<Element>(parent);
}

std::shared_ptr<Node> Node::nextSibling() const {
    auto parent = parent_.lock();
    if (!parent) return nullptr;
    const auto& siblings = parent->children_;
    for (std::size_t i = 0; i + 1 < siblings.size(); ++i) {
        if (siblings[i].get() == this) return siblings[i + 1];
    }
    return nullptr;
}

std::shared_ptr<Node> Node::previousSibling() const {
    auto parent = parent_.lock();
    if (!parent) return nullptr;
    const auto& siblings = parent->children_;
    for (std::size_t i = 1; i < siblings.size(); ++i) {
        if (siblings[i].get() == this) return siblings[i - 1];
    }
    return nullptr;
}

bool Node::canTake(const std::shared_ptr<Node>& child) const {
    if (!child || child->nodeType() == NodeType::Document) return false;
    // A node never goes below itself: the tree would become a loop.
    for (const Node* node = this; node; node = node->parent_.lock().get()) {
        if (node == child.get()) return false;
    }
    return true;
}

void Node::appendChild(const std::shared_ptr<Node>& child) {
    if (!canTake(child)) return;
    if (auto old = child->parent_.lock()) old->removeChild(child);
    child->parent_ = weak_from_this();
    children_.push_back(child);
    child->adoptInto(document_.expired() && type_ == NodeType::Document
                         ? std::weak_ptr<Document>(std::static_pointer_cast<Document>(shared_from_this()))
                         : document_);
    treeChanged();
}

void Node::insertBefore(const std::shared_ptr<Node>& child, const std::shared_ptr<Node>& reference) {
    if (!canTake(child)) return;
    auto at = std::find(children_.begin(), children_.end(), reference);
    if (at == children_.end() || child == reference) {
        appendChild(child);
        return;
    }
    if (auto old = child->parent_.lock()) old->removeChild(child);
    at = std::find(children_.begin(), children_.end(), reference);
    child->parent_ = weak_from_this();
    children_.insert(at, child);
    child->adoptInto(document_.expired() && type_ == NodeType::Document
                         ? std::weak_ptr<Document>(std::static_pointer_cast<Document>(shared_from_this()))
                         : document_);
    treeChanged();
}

void Node::removeChild(const std::shared_ptr<Node>& child) {
    auto found = std::find(children_.begin(), children_.end(), child);
    if (found == children_.end()) {
        // Anonymous content leaves its element the same way.
        auto anonymous = std::find(anonymous_.begin(), anonymous_.end(), child);
        if (anonymous == anonymous_.end()) return;
        (*anonymous)->parent_.reset();
        anonymous_.erase(anonymous);
        return;
    }
    (*found)->parent_.reset();
    children_.erase(found);
    treeChanged();
}

std::shared_ptr<Node> Node::clone(bool deep) const {
    std::shared_ptr<Node> copy;
    switch (type_) {
        case NodeType::Document:
            return nullptr;
        case NodeType::Text:
        case NodeType::Comment:
            copy = std::make_shared<TextNode>(static_cast<const TextNode&>(*this).data(), type_);
            break;
        case NodeType::Element: {
            const auto& original = static_cast<const Element&>(*this);
            auto element = std::make_shared<Element>(original.tagName());
            element->attributes_ = original.attributes_;
            element->dirtyValue_ = original.dirtyValue_;
            element->dirtyChecked_ = original.dirtyChecked_;
            element->selectedness_ = original.selectedness_;
            copy = element;
            break;
        }
    }
    if (deep) {
        for (const auto& child : children_) copy->appendChild(child->clone(true));
    }
    copy->adoptInto(document_);
    return copy;
}

void Node::adoptInto(const std::weak_ptr<Document>& document) {
    document_ = document;
    for (auto& child : children_) child->adoptInto(document);
    for (auto& node : anonymous_) node->adoptInto(document);
}

void Node::treeChanged() {
    if (type_ == NodeType::Document) {
        static_cast<Document*>(this)->invalidateCollections();
    } else if (auto document = document_.lock()) {
        document->invalidateCollections();
    }
}

namespace {
void appendText(const Node& node, std::string& out) {
    for (const auto& child : node.childNodes()) {
        if (child->nodeType() == NodeType::Text) {
            out += static_cast<const TextNode&>(*child).data();
        } else if (child->nodeType() == NodeType::Element) {
            appendText(*child, out);
        }
    }
}
}  // namespace

std::string Node::textContent() const {
    if (type_ == NodeType::Text || type_ == NodeType::Comment) return static_cast<const TextNode*>(this)->data();
    std::string text;
    appendText(*this, text);
    return text;
}

}  // namespace engine
