// The test bed's XPCOM component: a start-up observer registered the way a real
// component library registers (generic module, category entries in its hooks).
#include <mutex>
#include <string>

#include "nsCOMPtr.h"
#include "nsICategoryManager.h"
#include "nsIGenericFactory.h"
#include "nsIObserver.h"
#include "nsIServiceManager.h"
#include "nsITestBedProbe.h"
#include "nsMemory.h"
#include "nsString.h"
#include "nsWeakReference.h"
#include "nsXPCOMCID.h"
#include "pratom.h"

namespace {
PRInt32 gInstances = 0;
}

class nsTestBedStartup final : public nsITestBedProbe, public nsIObserver, public nsSupportsWeakReference {
 public:
  NS_DECL_ISUPPORTS

  nsTestBedStartup() : mNumber(PR_AtomicIncrement(&gInstances)) {}

  NS_IMETHOD GetInstanceNumber(PRInt32* aNumber) override {
    if (!aNumber) return NS_ERROR_NULL_POINTER;
    *aNumber = mNumber;
    return NS_OK;
  }
  NS_IMETHOD GetObserveCount(PRInt32* aCount) override {
    if (!aCount) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mMutex);
    *aCount = mObserveCount;
    return NS_OK;
  }
  NS_IMETHOD GetLastTopic(char** aTopic) override {
    if (!aTopic) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mMutex);
    *aTopic = ToNewCString(nsDependentCString(mLastTopic.c_str()));
    return NS_OK;
  }
  NS_IMETHOD Observe(nsISupports*, const char* aTopic, const PRUnichar*) override {
    std::lock_guard lock(mMutex);
    ++mObserveCount;
    mLastTopic = aTopic ? aTopic : "";
    return NS_OK;
  }

 private:
  ~nsTestBedStartup() = default;

  const PRInt32 mNumber;
  std::mutex mMutex;
  PRInt32 mObserveCount = 0;
  std::string mLastTopic;
};

NS_IMPL_THREADSAFE_ISUPPORTS3(nsTestBedStartup, nsITestBedProbe, nsISupportsWeakReference, nsIObserver)

NS_GENERIC_FACTORY_CONSTRUCTOR(nsTestBedStartup)

static nsCOMPtr<nsICategoryManager> CategoryManagerOf(nsIComponentManager* aCompMgr) {
  nsCOMPtr<nsIServiceManager> services = do_QueryInterface(aCompMgr);
  nsCOMPtr<nsICategoryManager> categories;
  if (services) {
    services->GetServiceByContractID(NS_CATEGORYMANAGER_CONTRACTID, NS_GET_IID(nsICategoryManager),
                                     getter_AddRefs(categories));
  }
  return categories;
}

static NS_METHOD RegisterStartup(nsIComponentManager* aCompMgr, nsIFile*, const char*, const char*,
                                 const nsModuleComponentInfo*) {
  nsCOMPtr<nsICategoryManager> categories = CategoryManagerOf(aCompMgr);
  if (!categories) return NS_OK;
  char* previous = nullptr;
  categories->AddCategoryEntry("xpcom-startup", NS_TESTBEDSTARTUP_ENTRY, NS_TESTBEDSTARTUP_CONTRACTID, PR_TRUE,
                               PR_TRUE, &previous);
  nsMemory::Free(previous);
  previous = nullptr;
  categories->AddCategoryEntry("xpcom-shutdown", NS_TESTBEDSTARTUP_ENTRY, NS_TESTBEDSTARTUP_CONTRACTID, PR_TRUE,
                               PR_TRUE, &previous);
  nsMemory::Free(previous);
  return NS_OK;
}

static NS_METHOD UnregisterStartup(nsIComponentManager* aCompMgr, nsIFile*, const char*,
                                   const nsModuleComponentInfo*) {
  nsCOMPtr<nsICategoryManager> categories = CategoryManagerOf(aCompMgr);
  if (!categories) return NS_OK;
  categories->DeleteCategoryEntry("xpcom-shutdown", NS_TESTBEDSTARTUP_ENTRY, PR_TRUE);
  categories->DeleteCategoryEntry("xpcom-startup", NS_TESTBEDSTARTUP_ENTRY, PR_TRUE);
  return NS_OK;
}

static const nsModuleComponentInfo kComponents[] = {
    {"Test bed start-up observer", NS_TESTBEDSTARTUP_CID, NS_TESTBEDSTARTUP_CONTRACTID, nsTestBedStartupConstructor,
     RegisterStartup, UnregisterStartup, nullptr, nullptr, nullptr, nullptr, 0},
};

NS_IMPL_NSGETMODULE(nsTestBedStartupModule, kComponents)
