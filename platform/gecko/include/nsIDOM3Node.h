// nsIDOM3Node (Gecko 1.7 dom/public/idl/core/nsIDOM3Node.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOM3NODE_IID \
  { 0x29fb2a18, 0x1dd2, 0x11b2, { 0x8d, 0xd9, 0xa6, 0xfd, 0x5d, 0x5a, 0xd1, 0x2f } }

class NS_NO_VTABLE nsIDOM3Node : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOM3NODE_IID)

  enum {
    DOCUMENT_POSITION_DISCONNECTED = 1U,
    DOCUMENT_POSITION_PRECEDING = 2U,
    DOCUMENT_POSITION_FOLLOWING = 4U,
    DOCUMENT_POSITION_CONTAINS = 8U,
    DOCUMENT_POSITION_CONTAINED_BY = 16U,
    DOCUMENT_POSITION_IMPLEMENTATION_SPECIFIC = 32U
  };

  NS_IMETHOD GetBaseURI(nsAString& aBaseURI) = 0;
  NS_IMETHOD CompareDocumentPosition(nsIDOMNode* other, PRUint16* _retval) = 0;
  NS_IMETHOD GetTextContent(nsAString& aTextContent) = 0;
  NS_IMETHOD SetTextContent(const nsAString& aTextContent) = 0;
  NS_IMETHOD IsSameNode(nsIDOMNode* other, PRBool* _retval) = 0;
  NS_IMETHOD LookupPrefix(const nsAString& namespaceURI, nsAString& _retval) = 0;
  NS_IMETHOD IsDefaultNamespace(const nsAString& namespaceURI, PRBool* _retval) = 0;
  NS_IMETHOD LookupNamespaceURI(const nsAString& prefix, nsAString& _retval) = 0;
  NS_IMETHOD IsEqualNode(nsIDOMNode* arg, PRBool* _retval) = 0;
  NS_IMETHOD GetFeature(const nsAString& feature, const nsAString& version, nsISupports** _retval) = 0;
  NS_IMETHOD SetUserData(const nsAString& key, nsIVariant* data, nsIDOMUserDataHandler* handler,
                         nsIVariant** _retval) = 0;
  NS_IMETHOD GetUserData(const nsAString& key, nsIVariant** _retval) = 0;

 protected:
  ~nsIDOM3Node() = default;
};
