// The generic module and factory over an nsModuleComponentInfo table.
#include <memory>
#include <mutex>
#include <vector>

#include "nsCOMPtr.h"
#include "nsIGenericFactory.h"
#include "registrar.h"

namespace {

class GenericFactory final : public nsIGenericFactory {
 public:
  NS_DECL_ISUPPORTS
  explicit GenericFactory(const nsModuleComponentInfo* info) : mInfo(info) {}

  NS_IMETHOD CreateInstance(nsISupports* aOuter, const nsIID& aIID, void** aResult) override {
    if (!aResult) return NS_ERROR_NULL_POINTER;
    *aResult = nullptr;
    if (!mInfo || !mInfo->mConstructor) return NS_ERROR_FACTORY_NOT_REGISTERED;
    return mInfo->mConstructor(aOuter, aIID, aResult);
  }
  NS_IMETHOD LockFactory(PRBool) override { return NS_OK; }
  NS_IMETHOD SetComponentInfo(const nsModuleComponentInfo* info) override {
    mInfo = info;
    return NS_OK;
  }
  NS_IMETHOD GetComponentInfo(const nsModuleComponentInfo** infop) override {
    if (!infop) return NS_ERROR_NULL_POINTER;
    *infop = mInfo;
    return NS_OK;
  }

 private:
  ~GenericFactory() {
    if (mInfo && mInfo->mFactoryDestructor) mInfo->mFactoryDestructor();
  }
  const nsModuleComponentInfo* mInfo;
};

NS_IMPL_THREADSAFE_ADDREF(GenericFactory)
NS_IMPL_THREADSAFE_RELEASE(GenericFactory)
NS_INTERFACE_MAP_BEGIN(GenericFactory)
NS_INTERFACE_MAP_ENTRY(nsIGenericFactory)
NS_INTERFACE_MAP_ENTRY(nsIFactory)
NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, nsIGenericFactory)
NS_INTERFACE_MAP_END

class GenericModule final : public nsIModule {
 public:
  NS_DECL_ISUPPORTS
  explicit GenericModule(const nsModuleInfo* info) : mInfo(info) {}

  // Calls the module constructor once, before the first use, as Gecko does.
  nsresult Initialize() {
    if (mInitialized) return NS_OK;
    if (mInfo->mCtor) {
      const nsresult rv = mInfo->mCtor(this);
      if (NS_FAILED(rv)) return rv;
    }
    mInitialized = true;
    return NS_OK;
  }

  NS_IMETHOD GetClassObject(nsIComponentManager*, const nsCID& aClass, const nsIID& aIID, void** aResult) override {
    if (!aResult) return NS_ERROR_NULL_POINTER;
    *aResult = nullptr;
    std::lock_guard lock(mMutex);
    const nsresult rv = Initialize();
    if (NS_FAILED(rv)) return rv;
    for (Entry& entry : mFactories) {
      if (entry.info->mCID.Equals(aClass)) return entry.factory->QueryInterface(aIID, aResult);
    }
    for (PRUint32 i = 0; i < mInfo->mCount; ++i) {
      const nsModuleComponentInfo* info = &mInfo->mComponents[i];
      if (!info->mCID.Equals(aClass)) continue;
      nsCOMPtr<nsIGenericFactory> factory;
      const nsresult made = NS_NewGenericFactory(getter_AddRefs(factory), info);
      if (NS_FAILED(made)) return made;
      mFactories.push_back({info, factory});
      return factory->QueryInterface(aIID, aResult);
    }
    return NS_ERROR_FACTORY_NOT_REGISTERED;
  }

  // Registers every class with the component manager, then calls its hook. A class
  // whose registration fails stops the registration, as in Gecko.
  NS_IMETHOD RegisterSelf(nsIComponentManager* aCompMgr, nsIFile* aLocation, const char* aLoaderStr,
                          const char* aType) override {
    nsCOMPtr<xpcom::internal::Registrar> registrar = do_QueryInterface(aCompMgr);
    for (PRUint32 i = 0; i < mInfo->mCount; ++i) {
      const nsModuleComponentInfo* info = &mInfo->mComponents[i];
      if (registrar) {
        nsCOMPtr<nsIFactory> factory;
        nsresult rv = GetClassObject(aCompMgr, info->mCID, NS_GET_IID(nsIFactory), getter_AddRefs(factory));
        if (NS_SUCCEEDED(rv)) rv = registrar->RegisterFactory(info->mCID, info->mDescription, info->mContractID, factory);
        if (NS_FAILED(rv)) return rv;
      }
      if (info->mRegisterSelfProc) {
        const nsresult rv = info->mRegisterSelfProc(aCompMgr, aLocation, aLoaderStr, aType, info);
        if (NS_FAILED(rv)) return rv;
      }
    }
    return NS_OK;
  }

  NS_IMETHOD UnregisterSelf(nsIComponentManager* aCompMgr, nsIFile* aLocation, const char* aLoaderStr) override {
    nsCOMPtr<xpcom::internal::Registrar> registrar = do_QueryInterface(aCompMgr);
    for (PRUint32 i = 0; i < mInfo->mCount; ++i) {
      const nsModuleComponentInfo* info = &mInfo->mComponents[i];
      if (info->mUnregisterSelfProc) info->mUnregisterSelfProc(aCompMgr, aLocation, aLoaderStr, info);
      if (registrar) registrar->UnregisterFactory(info->mCID);
    }
    return NS_OK;
  }

  NS_IMETHOD CanUnload(nsIComponentManager*, PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = PR_FALSE;  // libraries stay loaded (see nsXPCOM.h)
    return NS_OK;
  }

 private:
  struct Entry {
    const nsModuleComponentInfo* info;
    nsCOMPtr<nsIGenericFactory> factory;
  };

  ~GenericModule() {
    mFactories.clear();
    if (mInitialized && mInfo->mDtor) mInfo->mDtor(this);
  }

  const nsModuleInfo* mInfo;
  std::recursive_mutex mMutex;
  bool mInitialized = false;
  std::vector<Entry> mFactories;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(GenericModule, nsIModule)


}  // namespace

nsresult NS_NewGenericFactory(nsIGenericFactory** result, const nsModuleComponentInfo* info) {
  if (!result) return NS_ERROR_NULL_POINTER;
  *result = new GenericFactory(info);
  (*result)->AddRef();
  return NS_OK;
}

nsresult NS_NewGenericModule2(nsModuleInfo* info, nsIModule** result) {
  if (!result) return NS_ERROR_NULL_POINTER;
  *result = nullptr;
  if (!info) return NS_ERROR_INVALID_ARG;
  if (info->mVersion != NS_MODULEINFO_VERSION) return NS_ERROR_FAILURE;
  if (info->mCount > 0 && !info->mComponents) return NS_ERROR_INVALID_ARG;
  *result = new GenericModule(info);
  (*result)->AddRef();
  return NS_OK;
}

nsresult NS_NewGenericModule(const char* moduleName, PRUint32 componentCount, nsModuleComponentInfo* components,
                             nsModuleDestructorProc dtor, nsIModule** result) {
  // The description has to outlive the module; a static table of one per library
  // would do, but this form is rare, so each call keeps its own for the process's life.
  static std::mutex mutex;
  static std::vector<std::unique_ptr<nsModuleInfo>> tables;
  std::lock_guard lock(mutex);
  tables.push_back(std::make_unique<nsModuleInfo>(
      nsModuleInfo{NS_MODULEINFO_VERSION, moduleName, components, componentCount, nullptr, dtor, nullptr}));
  return NS_NewGenericModule2(tables.back().get(), result);
}
