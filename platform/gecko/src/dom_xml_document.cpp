#include "dom_xml_document.h"

#include "dom_event.h"
#include "dom_node_list.h"
#include "dom_window.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/window.h"
#include "markup_names.h"
#include "markup_ops.h"
#include "nsDOMError.h"
#include "nsIDOMAbstractView.h"
#include "nsIDOMElement.h"
#include "nsIDOMWindow.h"
#include "text_conversion.h"

namespace gecko {

DomXmlDocument::DomXmlDocument(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Document> document)
    : NodeImpl(std::move(session), std::move(document)) {}

void* DomXmlDocument::queryInterface(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMDocument))) return static_cast<nsIDOMDocument*>(this);
  if (iid.Equals(NS_GET_IID(nsIDOMDocumentXBL))) return static_cast<nsIDOMDocumentXBL*>(this);
  if (iid.Equals(NS_GET_IID(nsIDOMDocumentView))) return static_cast<nsIDOMDocumentView*>(this);
  if (iid.Equals(NS_GET_IID(nsIDOMDocumentEvent))) return static_cast<nsIDOMDocumentEvent*>(this);
  return nodeInterface(iid);
}

std::shared_ptr<engine::Document> DomXmlDocument::document() const {
  return std::static_pointer_cast<engine::Document>(node_);
}

std::shared_ptr<engine::Element> DomXmlDocument::ownElement(nsIDOMElement* element) const {
  auto node = engineNodeOf(element);
  if (!node || node->nodeType() != engine::NodeType::Element || node->ownerDocument() != document()) return nullptr;
  return std::static_pointer_cast<engine::Element>(node);
}

// --- nsIDOMDocument

NS_IMETHODIMP DomXmlDocument::GetDoctype(nsIDOMDocumentType** aDoctype) {
  if (!aDoctype) return NS_ERROR_NULL_POINTER;
  *aDoctype = nullptr;  // the engine keeps no document type node
  return NS_OK;
}

NS_IMETHODIMP DomXmlDocument::GetDocumentElement(nsIDOMElement** aDocumentElement) {
  if (!aDocumentElement) return NS_ERROR_NULL_POINTER;
  return session().carry(
      [&]() -> nsresult { return wrapAs(session(), document()->documentElement(), aDocumentElement); });
}

// In a XUL document a new element is a XUL element; in another XML document it is in
// no namespace, as Gecko makes them. The node takes its owner when it is inserted.
NS_IMETHODIMP DomXmlDocument::CreateElement(const nsAString& tagName, nsIDOMElement** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  const std::string name = toUtf8(tagName);
  if (name.empty()) return NS_ERROR_DOM_INVALID_CHARACTER_ERR;
  return session().carry([&]() -> nsresult {
    auto root = document()->documentElement();
    const bool xul = root && root->namespaceUri() == kXulNamespace;
    auto element = std::make_shared<engine::Element>(engine::XmlMarkup{}, name, xul ? kXulNamespace : "");
    return wrapAs(session(), std::shared_ptr<engine::Node>(element), _retval);
  });
}

NS_IMETHODIMP DomXmlDocument::CreateElementNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                                              nsIDOMElement** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  const std::string ns = toUtf8(namespaceURI);
  const std::string name = toUtf8(qualifiedName);
  if (name.empty()) return NS_ERROR_DOM_INVALID_CHARACTER_ERR;
  if (name.find(':') != std::string::npos && ns.empty()) return NS_ERROR_DOM_NAMESPACE_ERR;
  return session().carry([&]() -> nsresult {
    auto element = std::make_shared<engine::Element>(engine::XmlMarkup{}, name, ns);
    return wrapAs(session(), std::shared_ptr<engine::Node>(element), _retval);
  });
}

NS_IMETHODIMP DomXmlDocument::GetElementsByTagName(const nsAString& tagname, nsIDOMNodeList** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  const std::string tag = toUtf8(tagname);
  auto self = document();
  return session().carry([&]() -> nsresult {
    return DomNodeList::create(sharedSession(), [self, tag] { return asNodes(self->getElementsByTagName(tag)); },
                               _retval);
  });
}

NS_IMETHODIMP DomXmlDocument::GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                                     nsIDOMNodeList** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  const std::string ns = toUtf8(namespaceURI);
  const std::string local = toUtf8(localName);
  auto self = document();
  return session().carry([&]() -> nsresult {
    return DomNodeList::create(
        sharedSession(), [self, ns, local] { return markup_ops::elementsByTagNameNS(*self, ns, local); }, _retval);
  });
}

NS_IMETHODIMP DomXmlDocument::GetElementById(const nsAString& elementId, nsIDOMElement** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  const std::string id = toUtf8(elementId);
  if (id.empty()) return NS_OK;
  return session().carry([&]() -> nsresult { return wrapAs(session(), document()->getElementById(id), _retval); });
}

// Node kinds the engine does not have (fragments, CDATA sections, processing
// instructions, entity references, attribute nodes), text and comment nodes (their
// interfaces are not declared), the DOM implementation and importing are not
// modelled (README).
NS_IMETHODIMP DomXmlDocument::CreateTextNode(const nsAString&, nsIDOMText** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomXmlDocument::CreateComment(const nsAString&, nsIDOMComment** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomXmlDocument::GetImplementation(nsIDOMDOMImplementation** aImplementation) {
  return notModelled(aImplementation);
}
NS_IMETHODIMP DomXmlDocument::CreateDocumentFragment(nsIDOMDocumentFragment** _retval) {
  return notModelled(_retval);
}
NS_IMETHODIMP DomXmlDocument::CreateCDATASection(const nsAString&, nsIDOMCDATASection** _retval) {
  return notModelled(_retval);
}
NS_IMETHODIMP DomXmlDocument::CreateProcessingInstruction(const nsAString&, const nsAString&,
                                                          nsIDOMProcessingInstruction** _retval) {
  return notModelled(_retval);
}
NS_IMETHODIMP DomXmlDocument::CreateAttribute(const nsAString&, nsIDOMAttr** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomXmlDocument::CreateEntityReference(const nsAString&, nsIDOMEntityReference** _retval) {
  return notModelled(_retval);
}
NS_IMETHODIMP DomXmlDocument::ImportNode(nsIDOMNode*, PRBool, nsIDOMNode** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomXmlDocument::CreateAttributeNS(const nsAString&, const nsAString&, nsIDOMAttr** _retval) {
  return notModelled(_retval);
}

// --- nsIDOMDocumentXBL

// The element's anonymous nodes, live; none (an empty out parameter) for an element
// that shows no anonymous content, as Gecko's binding manager answers.
NS_IMETHODIMP DomXmlDocument::GetAnonymousNodes(nsIDOMElement* elt, nsIDOMNodeList** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  if (!elt) return NS_ERROR_INVALID_ARG;
  return session().carry([&]() -> nsresult {
    auto element = ownElement(elt);
    if (!element || element->anonymousNodes().empty()) return NS_OK;
    return DomNodeList::create(sharedSession(), [element] { return element->anonymousNodes(); }, _retval);
  });
}

NS_IMETHODIMP DomXmlDocument::GetAnonymousElementByAttribute(nsIDOMElement* elt, const nsAString& attrName,
                                                             const nsAString& attrValue, nsIDOMElement** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  if (!elt) return NS_ERROR_INVALID_ARG;
  const std::string name = toUtf8(attrName);
  const std::string value = toUtf8(attrValue);
  return session().carry([&]() -> nsresult {
    auto element = ownElement(elt);
    if (!element) return NS_OK;
    return wrapAs(session(), markup_ops::anonymousElementByAttribute(*element, name, value), _retval);
  });
}

NS_IMETHODIMP DomXmlDocument::GetBindingParent(nsIDOMNode* node, nsIDOMElement** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  if (!node) return NS_ERROR_INVALID_ARG;
  return session().carry([&]() -> nsresult {
    auto own = engineNodeOf(node);
    if (!own) return NS_OK;
    return wrapAs(session(), markup_ops::bindingParent(*own), _retval);
  });
}

// Binding documents (XBL files) are not loaded: the anonymous content of the widgets
// this library shows is built with them (README).
NS_IMETHODIMP DomXmlDocument::AddBinding(nsIDOMElement*, const nsAString&) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DomXmlDocument::RemoveBinding(nsIDOMElement*, const nsAString&) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DomXmlDocument::LoadBindingDocument(const nsAString&, nsIDOMDocument** _retval) {
  return notModelled(_retval);
}

// --- nsIDOMDocumentView

// None once the window shows another document, or for a document in no window.
NS_IMETHODIMP DomXmlDocument::GetDefaultView(nsIDOMAbstractView** aDefaultView) {
  if (!aDefaultView) return NS_ERROR_NULL_POINTER;
  *aDefaultView = nullptr;
  return session().carry([&]() -> nsresult {
    auto window = document()->defaultView();
    if (!window || window->document() != document()) return NS_OK;
    nsCOMPtr<nsIDOMWindow> wrapper = wrapWindow(session(), window);
    if (!wrapper) return NS_ERROR_OUT_OF_MEMORY;
    return wrapper->QueryInterface(NS_GET_IID(nsIDOMAbstractView), reinterpret_cast<void**>(aDefaultView));
  });
}

// --- nsIDOMDocumentEvent

NS_IMETHODIMP DomXmlDocument::CreateEvent(const nsAString& eventType, nsIDOMEvent** _retval) {
  return createEvent(sharedSession(), toUtf8(eventType), _retval);
}

}  // namespace gecko
