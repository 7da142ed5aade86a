// An attribute of an element as a node (type ATTRIBUTE_NODE), as nsIDOMNamedNodeMap
// hands it out: its name, and its value read from and written to the element.
#pragma once

#include "dom_object.h"
#include "nsDOMError.h"
#include "nsIDOMNode.h"

#include <memory>
#include <string>

namespace engine {
class Element;
}

namespace gecko {

class DomAttribute final : public nsIDOMNode, public DomObject {
 public:
  static nsresult create(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element,
                         std::string name, nsIDOMNode** out);

  GECKO_DOM_ISUPPORTS

  NS_IMETHOD GetNodeName(nsAString& aNodeName) override;
  NS_IMETHOD GetNodeValue(nsAString& aNodeValue) override;
  NS_IMETHOD SetNodeValue(const nsAString& aNodeValue) override;
  NS_IMETHOD GetNodeType(PRUint16* aNodeType) override;
  // An attribute stands outside the tree: no parent, siblings or children.
  NS_IMETHOD GetParentNode(nsIDOMNode** aParentNode) override { return none(aParentNode); }
  NS_IMETHOD GetChildNodes(nsIDOMNodeList** aChildNodes) override;
  NS_IMETHOD GetFirstChild(nsIDOMNode** aFirstChild) override { return none(aFirstChild); }
  NS_IMETHOD GetLastChild(nsIDOMNode** aLastChild) override { return none(aLastChild); }
  NS_IMETHOD GetPreviousSibling(nsIDOMNode** aPreviousSibling) override { return none(aPreviousSibling); }
  NS_IMETHOD GetNextSibling(nsIDOMNode** aNextSibling) override { return none(aNextSibling); }
  NS_IMETHOD GetAttributes(nsIDOMNamedNodeMap** aAttributes) override { return none(aAttributes); }
  NS_IMETHOD GetOwnerDocument(nsIDOMDocument** aOwnerDocument) override;
  NS_IMETHOD InsertBefore(nsIDOMNode*, nsIDOMNode*, nsIDOMNode** _retval) override { return refuse(_retval); }
  NS_IMETHOD ReplaceChild(nsIDOMNode*, nsIDOMNode*, nsIDOMNode** _retval) override { return refuse(_retval); }
  NS_IMETHOD RemoveChild(nsIDOMNode*, nsIDOMNode** _retval) override { return refuse(_retval); }
  NS_IMETHOD AppendChild(nsIDOMNode*, nsIDOMNode** _retval) override { return refuse(_retval); }
  NS_IMETHOD HasChildNodes(PRBool* _retval) override;
  NS_IMETHOD CloneNode(PRBool, nsIDOMNode** _retval) override;
  NS_IMETHOD Normalize(void) override { return NS_OK; }
  NS_IMETHOD IsSupported(const nsAString&, const nsAString&, PRBool* _retval) override;
  NS_IMETHOD GetNamespaceURI(nsAString& aNamespaceURI) override;
  NS_IMETHOD GetPrefix(nsAString& aPrefix) override;
  // An attribute in no namespace cannot take a prefix.
  NS_IMETHOD SetPrefix(const nsAString&) override { return NS_ERROR_DOM_NAMESPACE_ERR; }
  NS_IMETHOD GetLocalName(nsAString& aLocalName) override { return GetNodeName(aLocalName); }
  NS_IMETHOD HasAttributes(PRBool* _retval) override;

  nsISupports* canonical() override { return static_cast<nsIDOMNode*>(this); }

 private:
  DomAttribute(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element, std::string name)
      : DomObject(std::move(session)), element_(std::move(element)), name_(std::move(name)) {}
  void* queryInterface(const nsIID& iid) override;
  template <class Interface>
  static nsresult none(Interface** out) {
    if (!out) return NS_ERROR_NULL_POINTER;
    *out = nullptr;
    return NS_OK;
  }
  static nsresult refuse(nsIDOMNode** out);

  const std::shared_ptr<engine::Element> element_;
  const std::string name_;
};

}  // namespace gecko
