// nsIDOMHTMLOptionsCollection (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLOptionsCollection.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMHTMLOPTIONSCOLLECTION_IID \
  { 0xbce0213c, 0xf70f, 0x488f, { 0xb9, 0x3f, 0x68, 0x8a, 0xcc, 0xa5, 0x5d, 0x63 } }

class NS_NO_VTABLE nsIDOMHTMLOptionsCollection : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLOPTIONSCOLLECTION_IID)
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD SetLength(PRUint32 aLength) = 0;
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) = 0;
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMNode** _retval) = 0;

 protected:
  ~nsIDOMHTMLOptionsCollection() = default;
};
