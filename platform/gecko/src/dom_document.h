// An HTML document: nsIDOMHTMLDocument (and so nsIDOMDocument and nsIDOMNode) with
// nsIDOM3Node, over an engine document.
#pragma once

#include "dom_node.h"
#include "nsIDOMDocumentEvent.h"
#include "nsIDOMDocumentView.h"
#include "nsIDOMHTMLDocument.h"

#include <functional>
#include <vector>

namespace engine {
class Document;
class Element;
}

namespace gecko {

class DomDocument final : public NodeImpl<nsIDOMHTMLDocument>, public nsIDOMDocumentView, public nsIDOMDocumentEvent {
 public:
  DomDocument(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Document> document);

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

  // --- nsIDOMHTMLDocument
  NS_IMETHOD GetTitle(nsAString& aTitle) override;
  NS_IMETHOD SetTitle(const nsAString& aTitle) override;
  NS_IMETHOD GetReferrer(nsAString& aReferrer) override;
  NS_IMETHOD GetDomain(nsAString& aDomain) override;
  NS_IMETHOD GetURL(nsAString& aURL) override;
  NS_IMETHOD GetBody(nsIDOMHTMLElement** aBody) override;
  NS_IMETHOD SetBody(nsIDOMHTMLElement* aBody) override;
  NS_IMETHOD GetImages(nsIDOMHTMLCollection** aImages) override;
  NS_IMETHOD GetApplets(nsIDOMHTMLCollection** aApplets) override;
  NS_IMETHOD GetLinks(nsIDOMHTMLCollection** aLinks) override;
  NS_IMETHOD GetForms(nsIDOMHTMLCollection** aForms) override;
  NS_IMETHOD GetAnchors(nsIDOMHTMLCollection** aAnchors) override;
  NS_IMETHOD GetCookie(nsAString& aCookie) override;
  NS_IMETHOD SetCookie(const nsAString& aCookie) override;
  NS_IMETHOD Open(void) override;
  NS_IMETHOD Close(void) override;
  NS_IMETHOD Write(const nsAString& text) override;
  NS_IMETHOD Writeln(const nsAString& text) override;
  NS_IMETHOD GetElementsByName(const nsAString& elementName, nsIDOMNodeList** _retval) override;

  // --- nsIDOMDocumentView: the window showing the document, as its abstract view
  NS_IMETHOD GetDefaultView(nsIDOMAbstractView** aDefaultView) override;

  // --- nsIDOMDocumentEvent: a new event of a module, to be initialised and dispatched
  NS_IMETHOD CreateEvent(const nsAString& eventType, nsIDOMEvent** _retval) override;

 private:
  void* queryInterface(const nsIID& iid) override;
  std::shared_ptr<engine::Document> document() const;
  // `node`, made for this document, adopted and wrapped.
  template <class Interface>
  nsresult created(std::shared_ptr<engine::Node> node, Interface** out);
  template <class Interface>
  nsresult collection(std::function<std::vector<std::shared_ptr<engine::Element>>(const engine::Document&)> find,
                      Interface** out);
};

}  // namespace gecko
