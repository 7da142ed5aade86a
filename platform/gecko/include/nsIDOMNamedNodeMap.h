// nsIDOMNamedNodeMap (Gecko 1.7 dom/public/idl/core/nsIDOMNamedNodeMap.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMNAMEDNODEMAP_IID \
  { 0xa6cf907b, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMNamedNodeMap : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMNAMEDNODEMAP_IID)
  NS_IMETHOD GetNamedItem(const nsAString& name, nsIDOMNode** _retval) = 0;
  NS_IMETHOD SetNamedItem(nsIDOMNode* arg, nsIDOMNode** _retval) = 0;
  NS_IMETHOD RemoveNamedItem(const nsAString& name, nsIDOMNode** _retval) = 0;
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) = 0;
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD GetNamedItemNS(const nsAString& namespaceURI, const nsAString& localName, nsIDOMNode** _retval) = 0;
  NS_IMETHOD SetNamedItemNS(nsIDOMNode* arg, nsIDOMNode** _retval) = 0;
  NS_IMETHOD RemoveNamedItemNS(const nsAString& namespaceURI, const nsAString& localName, nsIDOMNode** _retval) = 0;

 protected:
  ~nsIDOMNamedNodeMap() = default;
};
