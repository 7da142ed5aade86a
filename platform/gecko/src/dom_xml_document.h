// An XML document: a XUL page (a common dialog) or a text parsed as XML. nsIDOMDocument
// (not nsIDOMHTMLDocument: callers tell dialogs from pages that way), with
// nsIDOMDocumentXBL for the anonymous content of its elements.
#pragma once

#include "dom_node.h"
#include "nsIDOMDocument.h"
#include "nsIDOMDocumentEvent.h"
#include "nsIDOMDocumentView.h"
#include "nsIDOMDocumentXBL.h"

namespace engine {
class Document;
class Element;
}

namespace gecko {

class DomXmlDocument final : public NodeImpl<nsIDOMDocument>,
                             public nsIDOMDocumentXBL,
                             public nsIDOMDocumentView,
                             public nsIDOMDocumentEvent {
 public:
  DomXmlDocument(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Document> document);

  GECKO_DOM_ISUPPORTS

  // --- nsIDOMDocument
  NS_IMETHOD GetDoctype(nsIDOMDocumentType** aDoctype) override;
  NS_IMETHOD GetImplementation(nsIDOMDOMImplementation** aImplementation) override;
  NS_IMETHOD GetDocumentElement(nsIDOMElement** aDocumentElement) override;
  NS_IMETHOD CreateElement(const nsAString& tagName, nsIDOMElement** _retval) override;
  NS_IMETHOD CreateDocumentFragment(nsIDOMDocumentFragment** _retval) override;
  NS_IMETHOD CreateTextNode(const nsAString& data, nsIDOMText** _retval) override;
  NS_IMETHOD CreateComment(const nsAString& data, nsIDOMComment** _retval) override;
  NS_IMETHOD CreateCDATASection(const nsAString& data, nsIDOMCDATASection** _retval) override;
  NS_IMETHOD CreateProcessingInstruction(const nsAString& target, const nsAString& data,
                                         nsIDOMProcessingInstruction** _retval) override;
  NS_IMETHOD CreateAttribute(const nsAString& name, nsIDOMAttr** _retval) override;
  NS_IMETHOD CreateEntityReference(const nsAString& name, nsIDOMEntityReference** _retval) override;
  NS_IMETHOD GetElementsByTagName(const nsAString& tagname, nsIDOMNodeList** _retval) override;
  NS_IMETHOD ImportNode(nsIDOMNode* importedNode, PRBool deep, nsIDOMNode** _retval) override;
  NS_IMETHOD CreateElementNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                             nsIDOMElement** _retval) override;
  NS_IMETHOD CreateAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                               nsIDOMAttr** _retval) override;
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                    nsIDOMNodeList** _retval) override;
  NS_IMETHOD GetElementById(const nsAString& elementId, nsIDOMElement** _retval) override;

  // --- nsIDOMDocumentXBL
  NS_IMETHOD GetAnonymousNodes(nsIDOMElement* elt, nsIDOMNodeList** _retval) override;
  NS_IMETHOD GetAnonymousElementByAttribute(nsIDOMElement* elt, const nsAString& attrName,
                                            const nsAString& attrValue, nsIDOMElement** _retval) override;
  NS_IMETHOD AddBinding(nsIDOMElement* elt, const nsAString& bindingURL) override;
  NS_IMETHOD RemoveBinding(nsIDOMElement* elt, const nsAString& bindingURL) override;
  NS_IMETHOD GetBindingParent(nsIDOMNode* node, nsIDOMElement** _retval) override;
  NS_IMETHOD LoadBindingDocument(const nsAString& documentURL, nsIDOMDocument** _retval) override;

  // --- nsIDOMDocumentView: the window showing a dialog's or chrome document (none for
  // a parsed document)
  NS_IMETHOD GetDefaultView(nsIDOMAbstractView** aDefaultView) override;

  // --- nsIDOMDocumentEvent
  NS_IMETHOD CreateEvent(const nsAString& eventType, nsIDOMEvent** _retval) override;

 private:
  void* queryInterface(const nsIID& iid) override;
  std::shared_ptr<engine::Document> document() const;
  // The element of this document behind `element`, or null (a foreign object, another
  // document's element).
  std::shared_ptr<engine::Element> ownElement(nsIDOMElement* element) const;
};

}  // namespace gecko
