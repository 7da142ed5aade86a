// nsIDOMWindowCollection (Gecko 1.7 dom/public/idl/base/nsIDOMWindowCollection.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMWINDOWCOLLECTION_IID \
  { 0xa6cf906f, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMWindowCollection : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMWINDOWCOLLECTION_IID)
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD Item(PRUint32 index, nsIDOMWindow** _retval) = 0;
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMWindow** _retval) = 0;

 protected:
  ~nsIDOMWindowCollection() = default;
};
