// nsIModule (Gecko 1.7 nsIModule.idl).
#pragma once

#include "nsIFile.h"
#include "nsISupports.h"

class nsIComponentManager;

#define NS_IMODULE_IID \
  { 0x7392d032, 0x5371, 0x11d3, { 0x99, 0x4e, 0x00, 0x80, 0x5f, 0xd2, 0x6f, 0xee } }

class NS_NO_VTABLE nsIModule : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IMODULE_IID)
  NS_IMETHOD GetClassObject(nsIComponentManager* aCompMgr, const nsCID& aClass, const nsIID& aIID, void** aResult) = 0;
  NS_IMETHOD RegisterSelf(nsIComponentManager* aCompMgr, nsIFile* aLocation, const char* aLoaderStr, const char* aType) = 0;
  NS_IMETHOD UnregisterSelf(nsIComponentManager* aCompMgr, nsIFile* aLocation, const char* aLoaderStr) = 0;
  NS_IMETHOD CanUnload(nsIComponentManager* aCompMgr, PRBool* _retval) = 0;

 protected:
  ~nsIModule() = default;
};

// The one entry point of a component library.
typedef nsresult (*nsGetModuleProc)(nsIComponentManager* aCompMgr, nsIFile* location, nsIModule** return_cobj);
#define NS_GET_MODULE_SYMBOL "NSGetModule"
