// nsIDOMDocumentXBL (Gecko 1.7 dom/public/idl/xbl/nsIDOMDocumentXBL.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMDOCUMENTXBL_IID \
  { 0xc7c0ae9b, 0xa0ba, 0x4f4e, { 0x9f, 0x2c, 0xc1, 0x8d, 0xeb, 0x62, 0xee, 0x8b } }

class NS_NO_VTABLE nsIDOMDocumentXBL : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMDOCUMENTXBL_IID)
  NS_IMETHOD GetAnonymousNodes(nsIDOMElement* elt, nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD GetAnonymousElementByAttribute(nsIDOMElement* elt, const nsAString& attrName,
                                            const nsAString& attrValue, nsIDOMElement** _retval) = 0;
  NS_IMETHOD AddBinding(nsIDOMElement* elt, const nsAString& bindingURL) = 0;
  NS_IMETHOD RemoveBinding(nsIDOMElement* elt, const nsAString& bindingURL) = 0;
  NS_IMETHOD GetBindingParent(nsIDOMNode* node, nsIDOMElement** _retval) = 0;
  NS_IMETHOD LoadBindingDocument(const nsAString& documentURL, nsIDOMDocument** _retval) = 0;

 protected:
  ~nsIDOMDocumentXBL() = default;
};
