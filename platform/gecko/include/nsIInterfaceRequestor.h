// nsIInterfaceRequestor (Gecko 1.7 xpcom/base/nsIInterfaceRequestor.idl).
#pragma once

#include "nsISupports.h"

#define NS_IINTERFACEREQUESTOR_IID \
  { 0x033a1470, 0x8b2a, 0x11d3, { 0xaf, 0x88, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c } }

class NS_NO_VTABLE nsIInterfaceRequestor : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IINTERFACEREQUESTOR_IID)

  NS_IMETHOD GetInterface(const nsIID& uuid, void** result) = 0;

 protected:
  ~nsIInterfaceRequestor() = default;
};
