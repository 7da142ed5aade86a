// The component library's module: the one class it offers, its factory, and the
// registration that puts it into the browser's start-up category.
#include <memory>
#include <new>
#include <utility>

#include "gecko_browser_access.h"
#include "nsCOMPtr.h"
#include "nsICategoryManager.h"
#include "nsIGenericFactory.h"
#include "nsIServiceManager.h"
#include "nsMemory.h"
#include "nsPlayBack.h"
#include "nsRecorderImpl.h"
#include "nsTarnwellImpl.h"
#include "nsXPCOMCID.h"

// {4FE88DC0-3A56-4EA9-8A35-63C2A5D40607}
#define NS_TARNWELLIMPL_CID \
  { 0x4fe88dc0, 0x3a56, 0x4ea9, { 0x8a, 0x35, 0x63, 0xc2, 0xa5, 0xd4, 0x06, 0x07 } }
#define NS_TARNWELLIMPL_CONTRACTID "@mozilla.org/cpp_Tarnwell;1"

namespace {

constexpr const char kEntryName[] = "nsTarnwellImpl";

// The browser and the recorder and playback makers this library is built with.
// NS_ERROR_OUT_OF_MEMORY when a part cannot be allocated (nothing is thrown out of the
// library).
nsresult builtInWiring(ComponentWiring& aWiring) {
  try {
    aWiring.browser = std::make_shared<GeckoBrowserAccess>();
  } catch (const std::bad_alloc&) {
    return NS_ERROR_OUT_OF_MEMORY;
  }
  aWiring.makers.newRecorder = NewRecorder;
  aWiring.makers.newPlayer = NewPlayer;
  return NS_OK;
}

nsCOMPtr<nsICategoryManager> categoryManagerOf(nsIComponentManager* aCompMgr) {
  nsCOMPtr<nsIServiceManager> services = do_QueryInterface(aCompMgr);
  nsCOMPtr<nsICategoryManager> categories;
  if (services) {
    services->GetServiceByContractID(NS_CATEGORYMANAGER_CONTRACTID, NS_GET_IID(nsICategoryManager),
                                     getter_AddRefs(categories));
  }
  return categories;
}

void addEntry(nsICategoryManager* aCategories, const char* aCategory) {
  char* previous = nullptr;
  aCategories->AddCategoryEntry(aCategory, kEntryName, NS_TARNWELLIMPL_CONTRACTID, PR_TRUE, PR_TRUE, &previous);
  if (previous != nullptr) nsMemory::Free(previous);
}

}  // namespace

static NS_IMETHODIMP nsTarnwellImplConstructor(nsISupports* aOuter, REFNSIID aIID, void** aResult) {
  if (aResult == nullptr) return NS_ERROR_NULL_POINTER;
  *aResult = nullptr;
  if (aOuter != nullptr) return NS_ERROR_NO_AGGREGATION;
  ComponentWiring wiring;
  const nsresult rv = builtInWiring(wiring);
  if (NS_FAILED(rv)) return rv;
  return nsTarnwellImpl::Create(std::move(wiring), aIID, aResult);
}

// Registration puts the component into the categories whose members the browser makes
// at XPCOM start-up and shut-down. Success is reported whatever the category manager did.
static NS_METHOD RegisterTarnwell(nsIComponentManager* aCompMgr, nsIFile*, const char*, const char*,
                                  const nsModuleComponentInfo*) {
  nsCOMPtr<nsICategoryManager> categories = categoryManagerOf(aCompMgr);
  if (!categories) return NS_OK;
  addEntry(categories, "xpcom-startup");
  addEntry(categories, "xpcom-shutdown");
  return NS_OK;
}

static NS_METHOD UnregisterTarnwell(nsIComponentManager* aCompMgr, nsIFile*, const char*,
                                    const nsModuleComponentInfo*) {
  nsCOMPtr<nsICategoryManager> categories = categoryManagerOf(aCompMgr);
  if (!categories) return NS_OK;
  categories->DeleteCategoryEntry("xpcom-shutdown", kEntryName, PR_TRUE);
  categories->DeleteCategoryEntry("xpcom-startup", kEntryName, PR_TRUE);
  return NS_OK;
}

static const nsModuleComponentInfo kComponents[] = {
    {"A Record and Playback component", NS_TARNWELLIMPL_CID, NS_TARNWELLIMPL_CONTRACTID, nsTarnwellImplConstructor,
     RegisterTarnwell, UnregisterTarnwell, nullptr, nullptr, nullptr, nullptr, 0},
};

NS_IMPL_NSGETMODULE(nsTarnwellModule, kComponents)
