#include "markup_ops.h"

#include <algorithm>
#include <functional>

#include "engine/node.h"
#include "markup_names.h"

namespace gecko::markup_ops {

namespace {

std::pair<std::string, std::string> split(const std::string& qualifiedName) {
  const auto colon = qualifiedName.find(':');
  if (colon == std::string::npos) return {std::string(), qualifiedName};
  return {qualifiedName.substr(0, colon), qualifiedName.substr(colon + 1)};
}

std::string attributeNamespace(const engine::Element& element, const std::string& qualifiedName) {
  if (qualifiedName == "xmlns") return kXmlnsNamespace;
  const auto [prefix, local] = split(qualifiedName);
  // An attribute without a prefix is in no namespace, whatever the default namespace.
  return prefix.empty() ? std::string() : namespaceOfPrefix(element, prefix);
}

void collect(const engine::Node& root, const std::function<bool(const engine::Element&)>& test,
             std::vector<std::shared_ptr<engine::Node>>& found) {
  engine::forEachElement(root, [&](const std::shared_ptr<engine::Element>& element) {
    if (test(*element)) found.push_back(element);
  });
}

std::shared_ptr<engine::Element> searchBelow(const std::vector<std::shared_ptr<engine::Node>>& nodes,
                                             const std::string& name, const std::string& value) {
  for (const auto& node : nodes) {
    if (node->nodeType() != engine::NodeType::Element) continue;
    auto element = std::static_pointer_cast<engine::Element>(node);
    if (element->attribute(name) == value) return element;
    std::shared_ptr<engine::Element> found;
    engine::forEachElement(*element, [&](const std::shared_ptr<engine::Element>& below) {
      if (!found && below->attribute(name) == value) found = below;
    });
    if (found) return found;
    if (auto inner = searchBelow(element->anonymousNodes(), name, value)) return inner;
  }
  return nullptr;
}

}  // namespace

std::string namespaceOfPrefix(const engine::Element& element, const std::string& prefix) {
  if (prefix == "xml") return kXmlNamespace;
  if (prefix == "xmlns") return kXmlnsNamespace;
  const std::string declaration = prefix.empty() ? std::string("xmlns") : "xmlns:" + prefix;
  for (auto current = std::static_pointer_cast<const engine::Element>(element.shared_from_this()); current;
       current = current->parentElement()) {
    if (auto uri = current->attribute(declaration)) return *uri;
  }
  return {};
}

std::optional<std::string> findAttributeNS(const engine::Element& element, const std::string& namespaceUri,
                                           const std::string& localName) {
  for (const auto& [name, value] : element.attributes()) {
    (void)value;
    const std::string local = name == "xmlns" ? name : split(name).second;
    if (local == localName && attributeNamespace(element, name) == namespaceUri) return name;
  }
  return std::nullopt;
}

std::vector<std::shared_ptr<engine::Node>> elementsByTagNameNS(const engine::Node& root, const std::string& namespaceUri,
                                                               const std::string& localName) {
  std::vector<std::shared_ptr<engine::Node>> found;
  collect(
      root,
      [&](const engine::Element& element) {
        return (localName == "*" || element.localName() == localName) &&
               (namespaceUri == "*" || element.namespaceUri() == namespaceUri);
      },
      found);
  return found;
}

std::vector<std::shared_ptr<engine::Node>> elementsByAttribute(const engine::Node& root, const std::string& name,
                                                               const std::string& value) {
  std::vector<std::shared_ptr<engine::Node>> found;
  collect(
      root,
      [&](const engine::Element& element) {
        auto actual = element.attribute(name);
        return actual && (value == "*" || *actual == value);
      },
      found);
  return found;
}

std::shared_ptr<engine::Element> anonymousElementByAttribute(const engine::Element& element, const std::string& name,
                                                             const std::string& value) {
  return searchBelow(element.anonymousNodes(), name, value);
}

std::shared_ptr<engine::Element> bindingParent(const engine::Node& node) {
  const engine::Node* current = &node;
  for (auto parent = current->parentNode(); parent; current = parent.get(), parent = parent->parentNode()) {
    if (parent->nodeType() != engine::NodeType::Element) continue;
    auto element = std::static_pointer_cast<engine::Element>(parent);
    const auto& anonymous = element->anonymousNodes();
    if (std::any_of(anonymous.begin(), anonymous.end(), [&](const auto& n) { return n.get() == current; })) {
      return element;
    }
  }
  return nullptr;
}

}  // namespace gecko::markup_ops
