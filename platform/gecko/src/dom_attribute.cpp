#include "dom_attribute.h"

#include "dom_node.h"
#include "dom_node_list.h"
#include "engine/document.h"
#include "engine/node.h"
#include "nsDOMError.h"
#include "nsIDOMDocument.h"
#include "text_conversion.h"

namespace gecko {

nsresult DomAttribute::create(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element,
                              std::string name, nsIDOMNode** out) {
  *out = new DomAttribute(std::move(session), std::move(element), std::move(name));
  return NS_OK;
}

void* DomAttribute::queryInterface(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsIDOMNode))) {
    return static_cast<nsIDOMNode*>(this);
  }
  return nullptr;
}

nsresult DomAttribute::refuse(nsIDOMNode** out) {
  if (out) *out = nullptr;
  return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
}

NS_IMETHODIMP DomAttribute::GetNodeName(nsAString& aNodeName) {
  assignUtf8(aNodeName, name_);  // immutable: no need to carry
  return NS_OK;
}

NS_IMETHODIMP DomAttribute::GetNodeValue(nsAString& aNodeValue) {
  std::string value;
  nsresult rv = session().carry([&]() -> nsresult {
    value = element_->attribute(name_).value_or(std::string());
    return NS_OK;
  });
  if (NS_SUCCEEDED(rv)) assignUtf8(aNodeValue, value);
  return rv;
}

NS_IMETHODIMP DomAttribute::SetNodeValue(const nsAString& aNodeValue) {
  const std::string value = toUtf8(aNodeValue);
  return session().carry([&]() -> nsresult {
    element_->setAttribute(name_, value);
    return NS_OK;
  });
}

NS_IMETHODIMP DomAttribute::GetNodeType(PRUint16* aNodeType) {
  if (!aNodeType) return NS_ERROR_NULL_POINTER;
  *aNodeType = nsIDOMNode::ATTRIBUTE_NODE;
  return NS_OK;
}

// The engine keeps an attribute's value as text, not as child text nodes: an empty list.
NS_IMETHODIMP DomAttribute::GetChildNodes(nsIDOMNodeList** aChildNodes) {
  if (!aChildNodes) return NS_ERROR_NULL_POINTER;
  return DomNodeList::create(sharedSession(), [] { return std::vector<std::shared_ptr<engine::Node>>(); },
                             aChildNodes);
}

NS_IMETHODIMP DomAttribute::GetOwnerDocument(nsIDOMDocument** aOwnerDocument) {
  if (!aOwnerDocument) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult { return wrapAs(session(), element_->ownerDocument(), aOwnerDocument); });
}

NS_IMETHODIMP DomAttribute::HasChildNodes(PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DomAttribute::CloneNode(PRBool, nsIDOMNode** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP DomAttribute::IsSupported(const nsAString& feature, const nsAString& version, PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = node_ops::isSupported(toUtf8(feature), toUtf8(version)) ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DomAttribute::GetNamespaceURI(nsAString& aNamespaceURI) {
  aNamespaceURI.Truncate();
  return NS_OK;
}

NS_IMETHODIMP DomAttribute::GetPrefix(nsAString& aPrefix) {
  aPrefix.Truncate();
  return NS_OK;
}

NS_IMETHODIMP DomAttribute::HasAttributes(PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = PR_FALSE;
  return NS_OK;
}

}  // namespace gecko
