#include "dom_element.h"

#include "dom_node_list.h"
#include "engine/node.h"
#include "text_conversion.h"

namespace gecko {

DomElement::DomElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
    : NodeImpl(std::move(session), std::move(element)) {}

void* DomElement::queryInterface(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsIDOMElement)) || iid.Equals(NS_GET_IID(nsIDOMHTMLElement))) {
    return static_cast<nsIDOMHTMLElement*>(this);
  }
  return nodeInterface(iid);
}

engine::Element& DomElement::element() const { return static_cast<engine::Element&>(*node_); }

nsresult DomElement::reflected(const char* attribute, nsAString& out) {
  std::string value;
  nsresult rv = session().carry([&]() -> nsresult {
    value = element().attribute(attribute).value_or(std::string());
    return NS_OK;
  });
  if (NS_SUCCEEDED(rv)) assignUtf8(out, value);
  return rv;
}

NS_IMETHODIMP DomElement::GetTagName(nsAString& aTagName) { return GetNodeName(aTagName); }

// An absent attribute reads as the empty string, as Gecko 1.7 gives it.
NS_IMETHODIMP DomElement::GetAttribute(const nsAString& name, nsAString& _retval) {
  const std::string key = toUtf8(name);
  std::string value;
  nsresult rv = session().carry([&]() -> nsresult {
    value = element().attribute(key).value_or(std::string());
    return NS_OK;
  });
  if (NS_SUCCEEDED(rv)) assignUtf8(_retval, value);
  return rv;
}

NS_IMETHODIMP DomElement::SetAttribute(const nsAString& name, const nsAString& value) {
  const std::string key = toUtf8(name);
  const std::string text = toUtf8(value);
  if (key.empty()) return NS_ERROR_INVALID_ARG;
  return session().carry([&]() -> nsresult {
    element().setAttribute(key, text);
    return NS_OK;
  });
}

NS_IMETHODIMP DomElement::RemoveAttribute(const nsAString& name) {
  const std::string key = toUtf8(name);
  return session().carry([&]() -> nsresult {
    element().removeAttribute(key);
    return NS_OK;
  });
}

NS_IMETHODIMP DomElement::HasAttribute(const nsAString& name, PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  const std::string key = toUtf8(name);
  return session().carry([&]() -> nsresult {
    *_retval = element().hasAttribute(key) ? PR_TRUE : PR_FALSE;
    return NS_OK;
  });
}

NS_IMETHODIMP DomElement::GetElementsByTagName(const nsAString& name, nsIDOMNodeList** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  const std::string tag = toUtf8(name);
  auto element = std::static_pointer_cast<engine::Element>(node_);
  // Live, as Gecko's lists are: the search runs again on every read.
  return session().carry([&]() -> nsresult {
    return DomNodeList::create(sharedSession(), [element, tag] { return asNodes(element->getElementsByTagName(tag)); },
                               _retval);
  });
}

// Attribute nodes and namespaced attributes are not modelled yet (README).
NS_IMETHODIMP DomElement::GetAttributeNode(const nsAString&, nsIDOMAttr** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomElement::SetAttributeNode(nsIDOMAttr*, nsIDOMAttr** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomElement::RemoveAttributeNode(nsIDOMAttr*, nsIDOMAttr** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomElement::GetAttributeNS(const nsAString&, const nsAString&, nsAString& _retval) {
  _retval.Truncate();
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP DomElement::SetAttributeNS(const nsAString&, const nsAString&, const nsAString&) {
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP DomElement::RemoveAttributeNS(const nsAString&, const nsAString&) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DomElement::GetAttributeNodeNS(const nsAString&, const nsAString&, nsIDOMAttr** _retval) {
  return notModelled(_retval);
}
NS_IMETHODIMP DomElement::SetAttributeNodeNS(nsIDOMAttr*, nsIDOMAttr** _retval) { return notModelled(_retval); }
NS_IMETHODIMP DomElement::GetElementsByTagNameNS(const nsAString&, const nsAString&, nsIDOMNodeList** _retval) {
  return notModelled(_retval);
}
NS_IMETHODIMP DomElement::HasAttributeNS(const nsAString&, const nsAString&, PRBool* _retval) {
  if (_retval) *_retval = PR_FALSE;
  return NS_ERROR_NOT_IMPLEMENTED;
}

}  // namespace gecko
