// nsIDOMNode and nsIDOM3Node over an engine node, shared by the element, document and
// character-data objects (each adds its own primary interface). Every method carries
// its body to the browser thread.
#pragma once

#include "dom_event.h"
#include "dom_object.h"
#include "engine_node_access.h"
#include "nsCOMPtr.h"
#include "nsDOMError.h"
#include "nsIDOM3Node.h"
#include "nsIDOMEventTarget.h"
#include "nsIDOMNode.h"
#include "text_conversion.h"

#include <memory>

namespace engine {
class Node;
}

namespace gecko {

// Non-template parts of the node methods (dom_node.cpp); browser thread only.
namespace node_ops {
std::string nodeName(const engine::Node& node);
std::string nodeValue(const engine::Node& node);
void setNodeValue(engine::Node& node, const std::string& value);
PRUint16 nodeType(const engine::Node& node);
nsresult childNodes(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Node>& node,
                    nsIDOMNodeList** out);
nsresult attributes(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Node>& node,
                    nsIDOMNamedNodeMap** out);
nsresult ownerDocument(DomSession& session, const engine::Node& node, nsIDOMDocument** out);
nsresult insertBefore(DomSession& session, engine::Node& parent, nsIDOMNode* newChild, nsIDOMNode* refChild,
                      nsIDOMNode** out);
nsresult replaceChild(DomSession& session, engine::Node& parent, nsIDOMNode* newChild, nsIDOMNode* oldChild,
                      nsIDOMNode** out);
nsresult removeChild(DomSession& session, engine::Node& parent, nsIDOMNode* oldChild, nsIDOMNode** out);
std::string localName(const engine::Node& node);
std::string namespaceUri(const engine::Node& node);
std::string prefix(const engine::Node& node);
bool hasAttributes(const engine::Node& node);
std::string baseURI(const engine::Node& node);
std::string textContent(const engine::Node& node);
void setTextContent(engine::Node& node, const std::string& text);
std::shared_ptr<engine::Node> parent(const engine::Node& node);
std::shared_ptr<engine::Node> firstChild(const engine::Node& node);
std::shared_ptr<engine::Node> lastChild(const engine::Node& node);
std::shared_ptr<engine::Node> previousSibling(const engine::Node& node);
std::shared_ptr<engine::Node> nextSibling(const engine::Node& node);
bool hasChildNodes(const engine::Node& node);
std::shared_ptr<engine::Node> cloneNode(const engine::Node& node, bool deep);
void normalize(engine::Node& node);
bool isSupported(const std::string& feature, const std::string& version);
// Where `other` stands relative to `node`, as nsIDOM3Node's position flags.
PRUint16 comparePosition(const DomSession& session, const std::shared_ptr<engine::Node>& node, nsIDOMNode* other);
}  // namespace node_ops

// The wrapper of `node` as `Interface`, a new reference in `*out` (null for no node).
template <class Interface>
nsresult wrapAs(DomSession& session, const std::shared_ptr<engine::Node>& node, Interface** out) {
  *out = nullptr;
  if (!node) return NS_OK;
  nsCOMPtr<nsIDOMNode> wrapper = session.wrap(node);
  if (!wrapper) return NS_ERROR_OUT_OF_MEMORY;
  return wrapper->QueryInterface(NS_GET_IID(Interface), reinterpret_cast<void**>(out));
}

template <class Primary>  // nsIDOMNode or an interface derived from it
class NodeImpl : public Primary,
                 public nsIDOM3Node,
                 public nsIDOMEventTarget,
                 public EngineNodeAccess,
                 public DomObject {
 public:
  // --- nsIDOMNode
  NS_IMETHOD GetNodeName(nsAString& aNodeName) override { return readText(aNodeName, node_ops::nodeName); }
  NS_IMETHOD GetNodeValue(nsAString& aNodeValue) override { return readText(aNodeValue, node_ops::nodeValue); }
  NS_IMETHOD SetNodeValue(const nsAString& aNodeValue) override {
    std::string value = toUtf8(aNodeValue);
    return session().carry([&]() -> nsresult {
      node_ops::setNodeValue(*node_, value);
      return NS_OK;
    });
  }
  NS_IMETHOD GetNodeType(PRUint16* aNodeType) override {
    if (!aNodeType) return NS_ERROR_NULL_POINTER;
    *aNodeType = node_ops::nodeType(*node_);  // fixed at creation: no need to carry
    return NS_OK;
  }
  NS_IMETHOD GetParentNode(nsIDOMNode** aParentNode) override { return related(aParentNode, node_ops::parent); }
  NS_IMETHOD GetChildNodes(nsIDOMNodeList** aChildNodes) override {
    if (!aChildNodes) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult { return node_ops::childNodes(sharedSession(), node_, aChildNodes); });
  }
  NS_IMETHOD GetFirstChild(nsIDOMNode** aFirstChild) override { return related(aFirstChild, node_ops::firstChild); }
  NS_IMETHOD GetLastChild(nsIDOMNode** aLastChild) override { return related(aLastChild, node_ops::lastChild); }
  NS_IMETHOD GetPreviousSibling(nsIDOMNode** aPreviousSibling) override {
    return related(aPreviousSibling, node_ops::previousSibling);
  }
  NS_IMETHOD GetNextSibling(nsIDOMNode** aNextSibling) override { return related(aNextSibling, node_ops::nextSibling); }
  NS_IMETHOD GetAttributes(nsIDOMNamedNodeMap** aAttributes) override {
    if (!aAttributes) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult { return node_ops::attributes(sharedSession(), node_, aAttributes); });
  }
  NS_IMETHOD GetOwnerDocument(nsIDOMDocument** aOwnerDocument) override {
    if (!aOwnerDocument) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult { return node_ops::ownerDocument(session(), *node_, aOwnerDocument); });
  }
  NS_IMETHOD InsertBefore(nsIDOMNode* newChild, nsIDOMNode* refChild, nsIDOMNode** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult { return node_ops::insertBefore(session(), *node_, newChild, refChild, _retval); });
  }
  NS_IMETHOD ReplaceChild(nsIDOMNode* newChild, nsIDOMNode* oldChild, nsIDOMNode** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult { return node_ops::replaceChild(session(), *node_, newChild, oldChild, _retval); });
  }
  NS_IMETHOD RemoveChild(nsIDOMNode* oldChild, nsIDOMNode** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult { return node_ops::removeChild(session(), *node_, oldChild, _retval); });
  }
  NS_IMETHOD AppendChild(nsIDOMNode* newChild, nsIDOMNode** _retval) override {
    return InsertBefore(newChild, nullptr, _retval);
  }
  NS_IMETHOD HasChildNodes(PRBool* _retval) override { return readFlag(_retval, node_ops::hasChildNodes); }
  // A copy in no tree, owned by the same document (a document itself is not copied).
  NS_IMETHOD CloneNode(PRBool deep, nsIDOMNode** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    return session().carry([&]() -> nsresult {
      auto copy = node_ops::cloneNode(*node_, deep == PR_TRUE);
      return copy ? wrapAs(session(), copy, _retval) : NS_ERROR_NOT_IMPLEMENTED;
    });
  }
  // Adjacent text nodes merged and empty ones removed, everywhere below.
  NS_IMETHOD Normalize(void) override {
    return session().carry([&]() -> nsresult {
      node_ops::normalize(*node_);
      return NS_OK;
    });
  }
  NS_IMETHOD IsSupported(const nsAString& feature, const nsAString& version, PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = node_ops::isSupported(toUtf8(feature), toUtf8(version)) ? PR_TRUE : PR_FALSE;
    return NS_OK;
  }
  NS_IMETHOD GetNamespaceURI(nsAString& aNamespaceURI) override {
    return readText(aNamespaceURI, node_ops::namespaceUri);
  }
  NS_IMETHOD GetPrefix(nsAString& aPrefix) override { return readText(aPrefix, node_ops::prefix); }
  // An element in no namespace cannot take a prefix; other nodes ignore one.
  NS_IMETHOD SetPrefix(const nsAString&) override {
    return node_ops::nodeType(*node_) == nsIDOMNode::ELEMENT_NODE ? NS_ERROR_DOM_NAMESPACE_ERR : NS_OK;
  }
  NS_IMETHOD GetLocalName(nsAString& aLocalName) override { return readText(aLocalName, node_ops::localName); }
  NS_IMETHOD HasAttributes(PRBool* _retval) override { return readFlag(_retval, node_ops::hasAttributes); }

  // --- nsIDOM3Node
  NS_IMETHOD GetBaseURI(nsAString& aBaseURI) override { return readText(aBaseURI, node_ops::baseURI); }
  NS_IMETHOD CompareDocumentPosition(nsIDOMNode* other, PRUint16* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = 0;
    if (!other) return NS_ERROR_INVALID_POINTER;
    return session().carry([&]() -> nsresult {
      *_retval = node_ops::comparePosition(session(), node_, other);
      return NS_OK;
    });
  }
  NS_IMETHOD GetTextContent(nsAString& aTextContent) override {
    return readText(aTextContent, node_ops::textContent);
  }
  NS_IMETHOD SetTextContent(const nsAString& aTextContent) override {
    std::string text = toUtf8(aTextContent);
    return session().carry([&]() -> nsresult {
      node_ops::setTextContent(*node_, text);
      return NS_OK;
    });
  }
  NS_IMETHOD IsSameNode(nsIDOMNode* other, PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = other && identityOf(other) == identity() ? PR_TRUE : PR_FALSE;
    return NS_OK;
  }
  // The page declares no namespaces: no prefix and no namespace is found.
  NS_IMETHOD LookupPrefix(const nsAString&, nsAString& _retval) override {
    _retval.Truncate();
    return NS_OK;
  }
  NS_IMETHOD LookupNamespaceURI(const nsAString&, nsAString& _retval) override {
    _retval.Truncate();
    return NS_OK;
  }
  // Gecko 1.7 does not implement these four: it answers NS_ERROR_NOT_IMPLEMENTED.
  NS_IMETHOD IsDefaultNamespace(const nsAString&, PRBool* _retval) override {
    if (_retval) *_retval = PR_FALSE;
    return NS_ERROR_NOT_IMPLEMENTED;
  }
  NS_IMETHOD IsEqualNode(nsIDOMNode*, PRBool* _retval) override {
    if (_retval) *_retval = PR_FALSE;
    return NS_ERROR_NOT_IMPLEMENTED;
  }
  NS_IMETHOD GetFeature(const nsAString&, const nsAString&, nsISupports** _retval) override {
    return notModelled(_retval);
  }
  NS_IMETHOD SetUserData(const nsAString&, nsIVariant*, nsIDOMUserDataHandler*, nsIVariant** _retval) override {
    return notModelled(_retval);
  }
  NS_IMETHOD GetUserData(const nsAString&, nsIVariant** _retval) override { return notModelled(_retval); }

  // --- nsIDOMEventTarget (dom_event.h)
  NS_IMETHOD AddEventListener(const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture) override {
    return addEventListener(sharedSession(), node_, type, listener, useCapture);
  }
  NS_IMETHOD RemoveEventListener(const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture) override {
    return removeEventListener(session(), node_, type, listener, useCapture);
  }
  NS_IMETHOD DispatchEvent(nsIDOMEvent* evt, PRBool* _retval) override {
    return dispatchEvent(session(), node_, evt, _retval);
  }

  // --- EngineNodeAccess
  std::shared_ptr<engine::Node> engineNode() const override { return node_; }
  const void* identity() const override { return node_.get(); }
  DomSession* ownerSession() const override { return &session(); }

  nsISupports* canonical() override { return static_cast<nsIDOMNode*>(static_cast<Primary*>(this)); }

 protected:
  NodeImpl(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Node> node)
      : DomObject(std::move(session)), node_(std::move(node)) {}
  ~NodeImpl() override { session().forget(node_.get(), this); }

  // The interfaces every node answers; the derived class adds its own first.
  void* nodeInterface(const nsIID& iid) {
    if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsIDOMNode))) return canonical();
    if (iid.Equals(NS_GET_IID(nsIDOM3Node))) return static_cast<nsIDOM3Node*>(this);
    if (iid.Equals(NS_GET_IID(nsIDOMEventTarget))) return static_cast<nsIDOMEventTarget*>(this);
    if (iid.Equals(NS_GET_IID(EngineNodeAccess))) return static_cast<EngineNodeAccess*>(this);
    return nullptr;
  }

  template <class Read>
  nsresult readText(nsAString& out, Read read) {
    std::string text;
    nsresult rv = session().carry([&]() -> nsresult {
      text = read(*node_);
      return NS_OK;
    });
    if (NS_SUCCEEDED(rv)) assignUtf8(out, text);
    return rv;
  }
  template <class Read>
  nsresult readFlag(PRBool* out, Read read) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      *out = read(*node_) ? PR_TRUE : PR_FALSE;
      return NS_OK;
    });
  }
  template <class Interface, class Find>
  nsresult related(Interface** out, Find find) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult { return wrapAs(session(), find(*node_), out); });
  }
  template <class Interface>
  static nsresult notModelled(Interface** out) {
    if (out) *out = nullptr;
    return NS_ERROR_NOT_IMPLEMENTED;
  }

  const std::shared_ptr<engine::Node> node_;
};

}  // namespace gecko
