// The component and service managers: classes by CID and contract ID, one instance per
// service.
#include <cstring>
#include <map>
#include <mutex>
#include <string>

#include "component_manager.h"
#include "nsComponentManagerUtils.h"
#include "nsServiceManagerUtils.h"

namespace xpcom::internal {
namespace {

struct CIDLess {
  bool operator()(const nsCID& left, const nsCID& right) const { return std::memcmp(&left, &right, sizeof(nsCID)) < 0; }
};

class ComponentManagerImpl final : public nsIComponentManager, public nsIServiceManager, public Registrar {
 public:
  NS_DECL_ISUPPORTS

  NS_IMETHOD GetClassObject(const nsCID& aClass, const nsIID& aIID, void** result) override {
    if (!result) return NS_ERROR_NULL_POINTER;
    *result = nullptr;
    nsCOMPtr<nsIFactory> factory = factoryFor(aClass);
    if (!factory) return NS_ERROR_FACTORY_NOT_REGISTERED;
    return factory->QueryInterface(aIID, result);
  }
  NS_IMETHOD GetClassObjectByContractID(const char* aContractID, const nsIID& aIID, void** result) override {
    nsCID cid;
    if (!result) return NS_ERROR_NULL_POINTER;
    *result = nullptr;
    if (!classOf(aContractID, cid)) return NS_ERROR_FACTORY_NOT_REGISTERED;
    return GetClassObject(cid, aIID, result);
  }
  NS_IMETHOD CreateInstance(const nsCID& aClass, nsISupports* aDelegate, const nsIID& aIID, void** result) override {
    if (!result) return NS_ERROR_NULL_POINTER;
    *result = nullptr;
    nsCOMPtr<nsIFactory> factory = factoryFor(aClass);
    if (!factory) return NS_ERROR_FACTORY_NOT_REGISTERED;
    const nsresult rv = factory->CreateInstance(aDelegate, aIID, result);
    if (NS_FAILED(rv)) *result = nullptr;
    return rv;
  }
  NS_IMETHOD CreateInstanceByContractID(const char* aContractID, nsISupports* aDelegate, const nsIID& aIID,
                                        void** result) override {
    nsCID cid;
    if (!result) return NS_ERROR_NULL_POINTER;
    *result = nullptr;
    if (!classOf(aContractID, cid)) return NS_ERROR_FACTORY_NOT_REGISTERED;
    return CreateInstance(cid, aDelegate, aIID, result);
  }

  // A service is made once; the lock is not held while it is made (its constructor may
  // ask for other services), so two first callers may race: the first one kept wins.
  NS_IMETHOD GetService(const nsCID& aClass, const nsIID& aIID, void** result) override {
    if (!result) return NS_ERROR_NULL_POINTER;
    *result = nullptr;
    nsCOMPtr<nsISupports> service;
    {
      std::lock_guard lock(mMutex);
      auto found = mServices.find(aClass);
      if (found != mServices.end()) service = found->second;
    }
    if (!service) {
      nsCOMPtr<nsISupports> made;
      const nsresult rv = CreateInstance(aClass, nullptr, NS_GET_IID(nsISupports), getter_AddRefs(made));
      if (NS_FAILED(rv)) return rv;
      std::lock_guard lock(mMutex);
      auto [entry, inserted] = mServices.emplace(aClass, made);
      service = entry->second;
      (void)inserted;
    }
    return service->QueryInterface(aIID, result);
  }
  NS_IMETHOD GetServiceByContractID(const char* aContractID, const nsIID& aIID, void** result) override {
    nsCID cid;
    if (!result) return NS_ERROR_NULL_POINTER;
    *result = nullptr;
    if (!classOf(aContractID, cid)) return NS_ERROR_FACTORY_NOT_REGISTERED;
    return GetService(cid, aIID, result);
  }
  NS_IMETHOD IsServiceInstantiated(const nsCID& aClass, const nsIID& aIID, PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = PR_FALSE;
    nsCOMPtr<nsISupports> service;
    {
      std::lock_guard lock(mMutex);
      auto found = mServices.find(aClass);
      if (found == mServices.end()) return NS_ERROR_NOT_AVAILABLE;
      service = found->second;
    }
    nsCOMPtr<nsISupports> answer;
    if (NS_FAILED(service->QueryInterface(aIID, getter_AddRefs(answer)))) return NS_NOINTERFACE;
    *_retval = PR_TRUE;
    return NS_OK;
  }
  NS_IMETHOD IsServiceInstantiatedByContractID(const char* aContractID, const nsIID& aIID, PRBool* _retval) override {
    nsCID cid;
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = PR_FALSE;
    if (!classOf(aContractID, cid)) return NS_ERROR_NOT_AVAILABLE;
    return IsServiceInstantiated(cid, aIID, _retval);
  }

  NS_IMETHOD RegisterFactory(const nsCID& cid, const char* description, const char* contractID,
                             nsIFactory* factory) override {
    if (!factory) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mMutex);
    mClasses[cid] = ClassEntry{description ? description : "", factory};
    if (contractID && *contractID) mContracts[contractID] = cid;
    return NS_OK;
  }
  NS_IMETHOD UnregisterFactory(const nsCID& cid) override {
    nsCOMPtr<nsIFactory> factory;
    nsCOMPtr<nsISupports> service;
    std::lock_guard lock(mMutex);
    auto found = mClasses.find(cid);
    if (found == mClasses.end()) return NS_ERROR_FACTORY_NOT_REGISTERED;
    factory = found->second.factory;
    mClasses.erase(found);
    for (auto it = mContracts.begin(); it != mContracts.end();) {
      it = it->second.Equals(cid) ? mContracts.erase(it) : std::next(it);
    }
    return NS_OK;
  }

  // Drops services first (they may still use factories while they end), then classes.
  void Clear() {
    std::map<nsCID, nsCOMPtr<nsISupports>, CIDLess> services;
    std::map<nsCID, ClassEntry, CIDLess> classes;
    {
      std::lock_guard lock(mMutex);
      services.swap(mServices);
      classes.swap(mClasses);
      mContracts.clear();
    }
    services.clear();
    classes.clear();
  }

 private:
  struct ClassEntry {
    std::string description;
    nsCOMPtr<nsIFactory> factory;
  };

  ~ComponentManagerImpl() = default;

  nsCOMPtr<nsIFactory> factoryFor(const nsCID& cid) {
    std::lock_guard lock(mMutex);
    auto found = mClasses.find(cid);
    return found == mClasses.end() ? nsCOMPtr<nsIFactory>() : found->second.factory;
  }
  bool classOf(const char* contractID, nsCID& cid) {
    if (!contractID) return false;
    std::lock_guard lock(mMutex);
    auto found = mContracts.find(contractID);
    if (found == mContracts.end()) return false;
    cid = found->second;
    return true;
  }

  std::mutex mMutex;
  std::map<nsCID, ClassEntry, CIDLess> mClasses;
  std::map<std::string, nsCID> mContracts;
  std::map<nsCID, nsCOMPtr<nsISupports>, CIDLess> mServices;
};

NS_IMPL_THREADSAFE_ADDREF(ComponentManagerImpl)
NS_IMPL_THREADSAFE_RELEASE(ComponentManagerImpl)
NS_INTERFACE_MAP_BEGIN(ComponentManagerImpl)
NS_INTERFACE_MAP_ENTRY(nsIComponentManager)
NS_INTERFACE_MAP_ENTRY(nsIServiceManager)
NS_INTERFACE_MAP_ENTRY(Registrar)
NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, nsIComponentManager)
NS_INTERFACE_MAP_END

std::mutex gMutex;
nsCOMPtr<ComponentManagerImpl> gManager;

}  // namespace

nsresult createComponentManager() {
  std::lock_guard lock(gMutex);
  if (gManager) return NS_ERROR_ALREADY_INITIALIZED;
  gManager = new ComponentManagerImpl();
  return NS_OK;
}

void destroyComponentManager() {
  nsCOMPtr<ComponentManagerImpl> manager;
  {
    std::lock_guard lock(gMutex);
    manager.swap(gManager);
  }
  if (manager) manager->Clear();
}

nsresult getComponentManager(const nsIID& iid, void** result) {
  if (!result) return NS_ERROR_NULL_POINTER;
  *result = nullptr;
  nsCOMPtr<ComponentManagerImpl> manager;
  {
    std::lock_guard lock(gMutex);
    manager = gManager;
  }
  if (!manager) return NS_ERROR_NOT_INITIALIZED;
  return manager->QueryInterface(iid, result);
}

}  // namespace xpcom::internal

using xpcom::internal::getComponentManager;

extern "C" nsresult NS_GetServiceManager(nsIServiceManager** result) {
  return getComponentManager(NS_GET_IID(nsIServiceManager), reinterpret_cast<void**>(result));
}

extern "C" nsresult NS_GetComponentManager(nsIComponentManager** result) {
  return getComponentManager(NS_GET_IID(nsIComponentManager), reinterpret_cast<void**>(result));
}

namespace {
nsresult finishHelper(nsresult status, void** aResult, nsresult* aErrorPtr) {
  if (NS_FAILED(status)) *aResult = nullptr;
  if (aErrorPtr) *aErrorPtr = status;
  return status;
}
}  // namespace

nsresult nsGetServiceByContractID::operator()(const nsIID& aIID, void** aResult) const {
  nsCOMPtr<nsIServiceManager> manager;
  nsresult status = NS_GetServiceManager(getter_AddRefs(manager));
  if (NS_SUCCEEDED(status)) status = manager->GetServiceByContractID(mContractID, aIID, aResult);
  return finishHelper(status, aResult, mErrorPtr);
}

nsresult nsGetServiceByCID::operator()(const nsIID& aIID, void** aResult) const {
  nsCOMPtr<nsIServiceManager> manager;
  nsresult status = NS_GetServiceManager(getter_AddRefs(manager));
  if (NS_SUCCEEDED(status)) status = manager->GetService(mCID, aIID, aResult);
  return finishHelper(status, aResult, mErrorPtr);
}

nsresult nsCreateInstanceByContractID::operator()(const nsIID& aIID, void** aResult) const {
  nsCOMPtr<nsIComponentManager> manager;
  nsresult status = NS_GetComponentManager(getter_AddRefs(manager));
  if (NS_SUCCEEDED(status)) status = manager->CreateInstanceByContractID(mContractID, mOuter, aIID, aResult);
  return finishHelper(status, aResult, mErrorPtr);
}

nsresult nsCreateInstanceByCID::operator()(const nsIID& aIID, void** aResult) const {
  nsCOMPtr<nsIComponentManager> manager;
  nsresult status = NS_GetComponentManager(getter_AddRefs(manager));
  if (NS_SUCCEEDED(status)) status = manager->CreateInstance(mCID, mOuter, aIID, aResult);
  return finishHelper(status, aResult, mErrorPtr);
}
