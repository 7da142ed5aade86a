// nsIComponentManager (Gecko 1.7 nsIComponentManager.idl).
#pragma once

#include "nsIFactory.h"
#include "nsIFile.h"
#include "nsISupports.h"

#define NS_ICOMPONENTMANAGER_IID \
  { 0xa88e5a60, 0x205a, 0x4bb1, { 0x94, 0xe1, 0x26, 0x28, 0xda, 0xf5, 0x1e, 0xae } }

class NS_NO_VTABLE nsIComponentManager : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ICOMPONENTMANAGER_IID)
  NS_IMETHOD GetClassObject(const nsCID& aClass, const nsIID& aIID, void** result) = 0;
  NS_IMETHOD GetClassObjectByContractID(const char* aContractID, const nsIID& aIID, void** result) = 0;
  NS_IMETHOD CreateInstance(const nsCID& aClass, nsISupports* aDelegate, const nsIID& aIID, void** result) = 0;
  NS_IMETHOD CreateInstanceByContractID(const char* aContractID, nsISupports* aDelegate, const nsIID& aIID,
                                        void** result) = 0;

 protected:
  ~nsIComponentManager() = default;
};
