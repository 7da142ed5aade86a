// What the DOM objects of XML documents share (browser thread, or the caller's thread
// for a free-standing document): namespaced attribute look-ups, searches below a node,
// anonymous content. Attributes keep their qualified names; their namespace is the one
// the prefix is bound to where the element stands, as the parser saw it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace engine {
class Element;
class Node;
}  // namespace engine

namespace gecko::markup_ops {

// The namespace `prefix` is bound to at `element` ("" for none; "xml" and "xmlns" fixed).
std::string namespaceOfPrefix(const engine::Element& element, const std::string& prefix);
// The qualified name of the attribute with this namespace and local name, if present.
std::optional<std::string> findAttributeNS(const engine::Element& element, const std::string& namespaceUri,
                                           const std::string& localName);
// Elements below `root` (in document order) whose namespace and local name match ("*"
// matches any).
std::vector<std::shared_ptr<engine::Node>> elementsByTagNameNS(const engine::Node& root, const std::string& namespaceUri,
                                                               const std::string& localName);
// Elements below `root` whose attribute `name` has `value` ("*": any value).
std::vector<std::shared_ptr<engine::Node>> elementsByAttribute(const engine::Node& root, const std::string& name,
                                                               const std::string& value);
// The first element in the anonymous content of `element` (to any depth) whose attribute
// `name` has `value`.
std::shared_ptr<engine::Element> anonymousElementByAttribute(const engine::Element& element, const std::string& name,
                                                             const std::string& value);
// The element whose anonymous content holds `node`, or null.
std::shared_ptr<engine::Element> bindingParent(const engine::Node& node);

}  // namespace gecko::markup_ops
