#include "dom_node.h"

#include "dom_named_node_map.h"
#include "dom_node_list.h"
#include "engine/document.h"
#include "engine/node.h"
#include "nsDOMError.h"
#include "nsIDOMDocument.h"

#include <cctype>
#include <functional>
#include <vector>

namespace gecko {

std::shared_ptr<engine::Node> engineNodeOf(nsISupports* node) {
  if (!node) return nullptr;
  EngineNodeAccess* access = nullptr;
  if (NS_FAILED(node->QueryInterface(NS_GET_IID(EngineNodeAccess), reinterpret_cast<void**>(&access))) || !access) {
    return nullptr;
  }
  auto result = access->engineNode();
  access->Release();
  return result;
}

const void* identityOf(nsISupports* node) {
  if (!node) return nullptr;
  EngineNodeAccess* access = nullptr;
  if (NS_FAILED(node->QueryInterface(NS_GET_IID(EngineNodeAccess), reinterpret_cast<void**>(&access))) || !access) {
    return node;  // a foreign object is only the same as itself
  }
  const void* identity = access->identity();
  access->Release();
  return identity;
}

DomSession* sessionOf(nsISupports* node) {
  if (!node) return nullptr;
  EngineNodeAccess* access = nullptr;
  if (NS_FAILED(node->QueryInterface(NS_GET_IID(EngineNodeAccess), reinterpret_cast<void**>(&access))) || !access) {
    return nullptr;
  }
  DomSession* session = access->ownerSession();
  access->Release();
  return session;
}

std::shared_ptr<engine::Node> engineNodeIn(const DomSession& session, nsISupports* node) {
  return sessionOf(node) == &session ? engineNodeOf(node) : nullptr;
}

namespace node_ops {

// HTML element names upper case (the engine keeps them so), XML ones as written
// ("xul:button"), the DOM's fixed names for the rest.
std::string nodeName(const engine::Node& node) {
  switch (node.nodeType()) {
    case engine::NodeType::Element:
      return static_cast<const engine::Element&>(node).nodeName();
    case engine::NodeType::Text:
      return "#text";
    case engine::NodeType::Comment:
      return "#comment";
    case engine::NodeType::Document:
      return "#document";
  }
  return {};
}

std::string nodeValue(const engine::Node& node) {
  if (node.nodeType() == engine::NodeType::Text || node.nodeType() == engine::NodeType::Comment) {
    return static_cast<const engine::TextNode&>(node).data();
  }
  return {};
}

// Elements and documents have no value: setting it does nothing, as the DOM says.
void setNodeValue(engine::Node& node, const std::string& value) {
  if (node.nodeType() == engine::NodeType::Text || node.nodeType() == engine::NodeType::Comment) {
    static_cast<engine::TextNode&>(node).setData(value);
  }
}

PRUint16 nodeType(const engine::Node& node) { return static_cast<PRUint16>(node.nodeType()); }

nsresult childNodes(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Node>& node,
                    nsIDOMNodeList** out) {
  return DomNodeList::create(session, [node] { return node->childNodes(); }, out);
}

nsresult attributes(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Node>& node,
                    nsIDOMNamedNodeMap** out) {
  *out = nullptr;
  if (node->nodeType() != engine::NodeType::Element) return NS_OK;  // only elements have attributes
  return DomNamedNodeMap::create(session, std::static_pointer_cast<engine::Element>(node), out);
}

// A document has no owner document.
nsresult ownerDocument(DomSession& session, const engine::Node& node, nsIDOMDocument** out) {
  *out = nullptr;
  if (node.nodeType() == engine::NodeType::Document) return NS_OK;
  return wrapAs(session, node.ownerDocument(), out);
}

namespace {

bool isChildOf(const engine::Node& parent, const std::shared_ptr<engine::Node>& child) {
  return child && child->parentNode().get() == &parent;
}

}  // namespace

nsresult insertBefore(DomSession& session, engine::Node& parent, nsIDOMNode* newChild, nsIDOMNode* refChild,
                      nsIDOMNode** out) {
  *out = nullptr;
  auto child = engineNodeOf(newChild);
  if (!child) return newChild ? NS_ERROR_DOM_WRONG_DOCUMENT_ERR : NS_ERROR_NULL_POINTER;
  // A node of another browser belongs to another thread: not touched here.
  if (sessionOf(newChild) != &session) return NS_ERROR_DOM_WRONG_DOCUMENT_ERR;
  std::shared_ptr<engine::Node> reference;
  if (refChild) {
    reference = engineNodeIn(session, refChild);
    if (!isChildOf(parent, reference)) return NS_ERROR_DOM_NOT_FOUND_ERR;
  }
  if (child->nodeType() == engine::NodeType::Document || !parent.canTake(child) ||
      parent.nodeType() == engine::NodeType::Text || parent.nodeType() == engine::NodeType::Comment) {
    return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
  }
  if (child->ownerDocument() != parent.ownerDocument() && parent.nodeType() != engine::NodeType::Document) {
    return NS_ERROR_DOM_WRONG_DOCUMENT_ERR;
  }
  // Before itself: it is already there (the engine would move it to the end).
  if (reference == child) return wrapAs(session, child, out);
  if (reference) {
    parent.insertBefore(child, reference);
  } else {
    parent.appendChild(child);
  }
  return wrapAs(session, child, out);
}

nsresult replaceChild(DomSession& session, engine::Node& parent, nsIDOMNode* newChild, nsIDOMNode* oldChild,
                      nsIDOMNode** out) {
  *out = nullptr;
  auto old = engineNodeIn(session, oldChild);
  if (!isChildOf(parent, old)) return NS_ERROR_DOM_NOT_FOUND_ERR;
  if (engineNodeIn(session, newChild) == old) return wrapAs(session, old, out);
  nsIDOMNode* inserted = nullptr;
  nsresult rv = insertBefore(session, parent, newChild, oldChild, &inserted);
  if (NS_FAILED(rv)) return rv;
  if (inserted) inserted->Release();
  parent.removeChild(old);
  return wrapAs(session, old, out);
}

nsresult removeChild(DomSession& session, engine::Node& parent, nsIDOMNode* oldChild, nsIDOMNode** out) {
  *out = nullptr;
  auto old = engineNodeIn(session, oldChild);
  if (!isChildOf(parent, old)) return NS_ERROR_DOM_NOT_FOUND_ERR;
  parent.removeChild(old);
  return wrapAs(session, old, out);
}

// Gecko 1.7 gives an HTML element's local name as its node name; an XML element's is
// the name after its prefix.
std::string localName(const engine::Node& node) {
  return node.nodeType() == engine::NodeType::Element ? static_cast<const engine::Element&>(node).localName()
                                                      : std::string();
}

// HTML elements are in no namespace and have no prefix; XML ones as parsed.
std::string namespaceUri(const engine::Node& node) {
  return node.nodeType() == engine::NodeType::Element ? static_cast<const engine::Element&>(node).namespaceUri()
                                                      : std::string();
}

std::string prefix(const engine::Node& node) {
  return node.nodeType() == engine::NodeType::Element ? static_cast<const engine::Element&>(node).prefix()
                                                      : std::string();
}

bool hasAttributes(const engine::Node& node) {
  return node.nodeType() == engine::NodeType::Element &&
         !static_cast<const engine::Element&>(node).attributes().empty();
}

std::string baseURI(const engine::Node& node) {
  if (node.nodeType() == engine::NodeType::Document) return static_cast<const engine::Document&>(node).url();
  auto document = node.ownerDocument();
  return document ? document->url() : std::string();
}

// A document has no text content; text and comments give their data; elements the
// text of everything below them, line breaks as the source has them.
std::string textContent(const engine::Node& node) {
  if (node.nodeType() == engine::NodeType::Document) return {};
  return node.textContent();
}

void setTextContent(engine::Node& node, const std::string& text) {
  switch (node.nodeType()) {
    case engine::NodeType::Document:
      return;
    case engine::NodeType::Text:
    case engine::NodeType::Comment:
      static_cast<engine::TextNode&>(node).setData(text);
      return;
    case engine::NodeType::Element:
      break;
  }
  while (auto child = node.lastChild()) node.removeChild(child);
  if (!text.empty()) node.appendChild(std::make_shared<engine::TextNode>(text));
}

std::shared_ptr<engine::Node> parent(const engine::Node& node) { return node.parentNode(); }
std::shared_ptr<engine::Node> firstChild(const engine::Node& node) { return node.firstChild(); }
std::shared_ptr<engine::Node> lastChild(const engine::Node& node) { return node.lastChild(); }
std::shared_ptr<engine::Node> previousSibling(const engine::Node& node) { return node.previousSibling(); }
std::shared_ptr<engine::Node> nextSibling(const engine::Node& node) { return node.nextSibling(); }
bool hasChildNodes(const engine::Node& node) { return !node.childNodes().empty(); }

std::shared_ptr<engine::Node> cloneNode(const engine::Node& node, bool deep) { return node.clone(deep); }

void normalize(engine::Node& node) {
  std::shared_ptr<engine::TextNode> previous;
  const auto children = node.childNodes();  // a copy: the loop changes the list
  for (const auto& child : children) {
    if (child->nodeType() == engine::NodeType::Text) {
      auto text = std::static_pointer_cast<engine::TextNode>(child);
      if (text->data().empty()) {
        node.removeChild(child);
      } else if (previous) {
        previous->setData(previous->data() + text->data());
        node.removeChild(child);
      } else {
        previous = text;
      }
      continue;
    }
    previous.reset();
    normalize(*child);
  }
}

// The features and versions Gecko 1.7's content nodes report; an empty version
// asks for any.
bool isSupported(const std::string& feature, const std::string& version) {
  static const struct {
    const char* feature;
    const char* versions[3];
  } kFeatures[] = {
      {"core", {"1.0", "2.0", nullptr}},        {"xml", {"1.0", "2.0", nullptr}},
      {"html", {"1.0", "2.0", nullptr}},        {"views", {"2.0", nullptr, nullptr}},
      {"stylesheets", {"2.0", nullptr, nullptr}}, {"css", {"2.0", nullptr, nullptr}},
      {"css2", {"2.0", nullptr, nullptr}},      {"events", {"2.0", nullptr, nullptr}},
      {"uievents", {"2.0", nullptr, nullptr}},  {"mouseevents", {"2.0", nullptr, nullptr}},
      {"htmlevents", {"2.0", nullptr, nullptr}}, {"range", {"2.0", nullptr, nullptr}},
  };
  std::string lower = feature;
  for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const auto& known : kFeatures) {
    if (lower != known.feature) continue;
    if (version.empty()) return true;
    for (const char* v : known.versions) {
      if (v && version == v) return true;
    }
    return false;
  }
  return false;
}

namespace {
std::vector<std::shared_ptr<engine::Node>> ancestry(const std::shared_ptr<engine::Node>& node) {
  std::vector<std::shared_ptr<engine::Node>> chain;
  for (auto up = node; up; up = up->parentNode()) chain.insert(chain.begin(), up);
  return chain;
}
}  // namespace

PRUint16 comparePosition(const DomSession& session, const std::shared_ptr<engine::Node>& node, nsIDOMNode* other) {
  auto theirs = engineNodeIn(session, other);
  if (theirs == node) return 0;
  const PRUint16 disconnected =
      nsIDOM3Node::DOCUMENT_POSITION_DISCONNECTED | nsIDOM3Node::DOCUMENT_POSITION_IMPLEMENTATION_SPECIFIC;
  if (!theirs) return disconnected | nsIDOM3Node::DOCUMENT_POSITION_FOLLOWING;  // an attribute or a foreign node
  const auto mine = ancestry(node);
  const auto others = ancestry(theirs);
  if (mine.front() != others.front()) {
    // Not in one tree: an order that stays the same between calls.
    return disconnected | (std::less<>()(theirs.get(), node.get()) ? nsIDOM3Node::DOCUMENT_POSITION_PRECEDING
                                                                   : nsIDOM3Node::DOCUMENT_POSITION_FOLLOWING);
  }
  std::size_t common = 0;
  while (common < mine.size() && common < others.size() && mine[common] == others[common]) ++common;
  if (common == others.size()) {
    return nsIDOM3Node::DOCUMENT_POSITION_CONTAINS | nsIDOM3Node::DOCUMENT_POSITION_PRECEDING;
  }
  if (common == mine.size()) {
    return nsIDOM3Node::DOCUMENT_POSITION_CONTAINED_BY | nsIDOM3Node::DOCUMENT_POSITION_FOLLOWING;
  }
  for (const auto& child : mine[common - 1]->childNodes()) {
    if (child == others[common]) return nsIDOM3Node::DOCUMENT_POSITION_PRECEDING;
    if (child == mine[common]) return nsIDOM3Node::DOCUMENT_POSITION_FOLLOWING;
  }
  return disconnected;
}

}  // namespace node_ops
}  // namespace gecko
