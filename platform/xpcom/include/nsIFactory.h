// nsIFactory (Gecko 1.7 nsIFactory.idl).
#pragma once

#include "nsISupports.h"

#define NS_IFACTORY_IID \
  { 0x00000001, 0x0000, 0x0000, { 0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46 } }

class NS_NO_VTABLE nsIFactory : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IFACTORY_IID)
  NS_IMETHOD CreateInstance(nsISupports* aOuter, const nsIID& iid, void** result) = 0;
  NS_IMETHOD LockFactory(PRBool lock) = 0;

 protected:
  ~nsIFactory() = default;
};
