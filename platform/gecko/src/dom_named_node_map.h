// An element's attributes as nsIDOMNamedNodeMap, live: each read looks at the element.
#pragma once

#include "dom_object.h"
#include "nsIDOMNamedNodeMap.h"

#include <memory>

namespace engine {
class Element;
}

namespace gecko {

class DomNamedNodeMap final : public nsIDOMNamedNodeMap, public DomObject {
 public:
  static nsresult create(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element,
                         nsIDOMNamedNodeMap** out);

  GECKO_DOM_ISUPPORTS

  NS_IMETHOD GetNamedItem(const nsAString& name, nsIDOMNode** _retval) override;
  NS_IMETHOD SetNamedItem(nsIDOMNode* arg, nsIDOMNode** _retval) override;
  NS_IMETHOD RemoveNamedItem(const nsAString& name, nsIDOMNode** _retval) override;
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) override;
  NS_IMETHOD GetLength(PRUint32* aLength) override;
  NS_IMETHOD GetNamedItemNS(const nsAString& namespaceURI, const nsAString& localName, nsIDOMNode** _retval) override;
  NS_IMETHOD SetNamedItemNS(nsIDOMNode* arg, nsIDOMNode** _retval) override;
  NS_IMETHOD RemoveNamedItemNS(const nsAString& namespaceURI, const nsAString& localName,
                               nsIDOMNode** _retval) override;

  nsISupports* canonical() override { return static_cast<nsIDOMNamedNodeMap*>(this); }

 private:
  DomNamedNodeMap(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : DomObject(std::move(session)), element_(std::move(element)) {}
  void* queryInterface(const nsIID& iid) override;

  const std::shared_ptr<engine::Element> element_;
};

}  // namespace gecko
