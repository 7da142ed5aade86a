// An HTML element: nsIDOMHTMLElement (and so nsIDOMElement and nsIDOMNode) with
// nsIDOM3Node, over an engine element.
#pragma once

#include "dom_node.h"
#include "nsIDOMHTMLElement.h"

namespace engine {
class Element;
}

namespace gecko {

class DomElement final : public NodeImpl<nsIDOMHTMLElement> {
 public:
  // Browser thread only (the wrapper table calls this).
  DomElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element);

  GECKO_DOM_ISUPPORTS

  // --- nsIDOMElement
  NS_IMETHOD GetTagName(nsAString& aTagName) override;
  NS_IMETHOD GetAttribute(const nsAString& name, nsAString& _retval) override;
  NS_IMETHOD SetAttribute(const nsAString& name, const nsAString& value) override;
  NS_IMETHOD RemoveAttribute(const nsAString& name) override;
  NS_IMETHOD GetAttributeNode(const nsAString& name, nsIDOMAttr** _retval) override;
  NS_IMETHOD SetAttributeNode(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override;
  NS_IMETHOD RemoveAttributeNode(nsIDOMAttr* oldAttr, nsIDOMAttr** _retval) override;
  NS_IMETHOD GetElementsByTagName(const nsAString& name, nsIDOMNodeList** _retval) override;
  NS_IMETHOD GetAttributeNS(const nsAString& namespaceURI, const nsAString& localName, nsAString& _retval) override;
  NS_IMETHOD SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                            const nsAString& value) override;
  NS_IMETHOD RemoveAttributeNS(const nsAString& namespaceURI, const nsAString& localName) override;
  NS_IMETHOD GetAttributeNodeNS(const nsAString& namespaceURI, const nsAString& localName,
                                nsIDOMAttr** _retval) override;
  NS_IMETHOD SetAttributeNodeNS(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) override;
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                    nsIDOMNodeList** _retval) override;
  NS_IMETHOD HasAttribute(const nsAString& name, PRBool* _retval) override;
  NS_IMETHOD HasAttributeNS(const nsAString& namespaceURI, const nsAString& localName, PRBool* _retval) override;

  // --- nsIDOMHTMLElement: reflections of the attributes of the same names
  NS_IMETHOD GetId(nsAString& aId) override { return reflected("id", aId); }
  NS_IMETHOD SetId(const nsAString& aId) override { return SetAttribute(NS_LITERAL_STRING("id"), aId); }
  NS_IMETHOD GetTitle(nsAString& aTitle) override { return reflected("title", aTitle); }
  NS_IMETHOD SetTitle(const nsAString& aTitle) override { return SetAttribute(NS_LITERAL_STRING("title"), aTitle); }
  NS_IMETHOD GetLang(nsAString& aLang) override { return reflected("lang", aLang); }
  NS_IMETHOD SetLang(const nsAString& aLang) override { return SetAttribute(NS_LITERAL_STRING("lang"), aLang); }
  NS_IMETHOD GetDir(nsAString& aDir) override { return reflected("dir", aDir); }
  NS_IMETHOD SetDir(const nsAString& aDir) override { return SetAttribute(NS_LITERAL_STRING("dir"), aDir); }
  NS_IMETHOD GetClassName(nsAString& aClassName) override { return reflected("class", aClassName); }
  NS_IMETHOD SetClassName(const nsAString& aClassName) override { return SetAttribute(NS_LITERAL_STRING("class"), aClassName); }

 private:
  void* queryInterface(const nsIID& iid) override;
  engine::Element& element() const;
  nsresult reflected(const char* attribute, nsAString& out);
};

}  // namespace gecko
