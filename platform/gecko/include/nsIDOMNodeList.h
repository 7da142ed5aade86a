// nsIDOMNodeList (Gecko 1.7 dom/public/idl/core/nsIDOMNodeList.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMNODELIST_IID \
  { 0xa6cf907d, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMNodeList : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMNODELIST_IID)
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) = 0;
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;

 protected:
  ~nsIDOMNodeList() = default;
};
