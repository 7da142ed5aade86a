// NS_InitXPCOM2 / NS_ShutdownXPCOM and their test-bed forms.
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "builtin_services.h"
#include "component_loader.h"
#include "component_manager.h"
#include "nsICategoryManager.h"
#include "nsIEventQueueService.h"
#include "nsIObserver.h"
#include "nsIProxyObjectManager.h"
#include "nsIThread.h"
#include "nsISupportsPrimitives.h"
#include "nsMemory.h"
#include "nsServiceManagerUtils.h"
#include "nsString.h"
#include "nsXPCOM.h"
#include "nsXPCOMCID.h"
#include "testbed/xpcom.h"

namespace xpcom::internal {
namespace {

std::mutex gStartMutex;
std::string gCategoryFile;

// Some built-in classes have no CID in the reference; these name them here.
const nsCID kCategoryManagerCID = {0x4c1b6a0e, 0x2f75, 0x4d38, {0x8b, 0x0c, 0x61, 0x3e, 0x9a, 0x27, 0xd4, 0x50}};
const nsCID kThreadCID = {0x4c1b6a0f, 0x2f75, 0x4d38, {0x8b, 0x0c, 0x61, 0x3e, 0x9a, 0x27, 0xd4, 0x50}};

nsresult registerBuiltins(Registrar* registrar, const std::string& categoryFile) {
  const nsCID eventQueueServiceCID = NS_EVENTQUEUESERVICE_CID;
  const nsCID proxyManagerCID = NS_PROXYEVENT_MANAGER_CID;
  nsCOMPtr<nsIFactory> categories = newCategoryManagerFactory(categoryFile);
  nsCOMPtr<nsIFactory> queues = newEventQueueServiceFactory();
  nsCOMPtr<nsIFactory> proxies = newProxyObjectManagerFactory();
  nsresult rv = registrar->RegisterFactory(kCategoryManagerCID, "Category Manager", NS_CATEGORYMANAGER_CONTRACTID,
                                           categories);
  if (NS_SUCCEEDED(rv)) {
    rv = registrar->RegisterFactory(eventQueueServiceCID, "Event Queue Service", NS_EVENTQUEUESERVICE_CONTRACTID,
                                    queues);
  }
  if (NS_SUCCEEDED(rv)) {
    rv = registrar->RegisterFactory(proxyManagerCID, "Proxy Object Manager", NS_XPCOMPROXY_CONTRACTID, proxies);
  }
  if (NS_SUCCEEDED(rv)) {
    nsCOMPtr<nsIFactory> threads = newThreadFactory();
    rv = registrar->RegisterFactory(kThreadCID, "Thread", NS_THREAD_CONTRACTID, threads);
  }
  return rv;
}

// As Mozilla does at start-up: each entry of the category is got as a service by the
// contract ID it names, and sent Observe(null, topic, "") when it is an observer.
void createStartupServices(const char* category, const char* topic) {
  nsCOMPtr<nsICategoryManager> categories = do_GetService(NS_CATEGORYMANAGER_CONTRACTID);
  if (!categories) return;
  nsCOMPtr<nsISimpleEnumerator> entries;
  if (NS_FAILED(categories->EnumerateCategory(category, getter_AddRefs(entries)))) return;
  PRBool more = PR_FALSE;
  while (NS_SUCCEEDED(entries->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> next;
    if (NS_FAILED(entries->GetNext(getter_AddRefs(next)))) break;
    nsCOMPtr<nsISupportsCString> name = do_QueryInterface(next);
    if (!name) continue;
    nsCString entry;
    name->GetData(entry);
    char* contractID = nullptr;
    if (NS_FAILED(categories->GetCategoryEntry(category, entry.get(), &contractID))) continue;
    nsresult rv = NS_OK;
    nsCOMPtr<nsISupports> instance = do_GetService(contractID, &rv);
    nsMemory::Free(contractID);
    if (!instance) continue;
    nsCOMPtr<nsIObserver> observer = do_QueryInterface(instance);
    if (observer) observer->Observe(nullptr, topic, u"");
  }
}

std::string fromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace
}  // namespace xpcom::internal

namespace xpcom::testbed {

nsresult startXPCOM(const std::string& componentsFolder, const std::string& profileFolder) {
  return startXPCOM(componentsFolder, profileFolder, {});
}

nsresult startXPCOM(const std::string& componentsFolder, const std::string& profileFolder,
                    const std::function<void()>& beforeComponents) {
  using namespace xpcom::internal;
  std::lock_guard start(gStartMutex);
  nsresult rv = createComponentManager();
  if (NS_FAILED(rv)) return rv;
  gCategoryFile.clear();
  if (!profileFolder.empty()) {
    std::error_code error;
    std::filesystem::create_directories(profileFolder, error);
    gCategoryFile = (std::filesystem::path(profileFolder) / "compreg.dat").string();
  }
  nsCOMPtr<Registrar> registrar;
  getComponentManager(NS_GET_IID(Registrar), getter_AddRefs(registrar));
  rv = registerBuiltins(registrar, gCategoryFile);
  if (NS_FAILED(rv)) {
    destroyComponentManager();
    return rv;
  }
  setStartupUIThread();
  if (beforeComponents) beforeComponents();
  if (!componentsFolder.empty()) {
    nsCOMPtr<nsIComponentManager> manager;
    getComponentManager(NS_GET_IID(nsIComponentManager), getter_AddRefs(manager));
    loadComponents(componentsFolder, manager);
  }
  createStartupServices(NS_XPCOM_STARTUP_CATEGORY, NS_XPCOM_STARTUP_OBSERVER_ID);
  return NS_OK;
}

nsresult shutdownXPCOM() {
  using namespace xpcom::internal;
  std::lock_guard start(gStartMutex);
  nsCOMPtr<nsIComponentManager> manager;
  if (NS_FAILED(getComponentManager(NS_GET_IID(nsIComponentManager), getter_AddRefs(manager)))) {
    return NS_ERROR_NOT_INITIALIZED;
  }
  manager = nullptr;
  destroyComponentManager();
  releaseModules();
  clearStartupUIThread();
  gCategoryFile.clear();
  return NS_OK;
}

std::string categoryFile() {
  std::lock_guard start(xpcom::internal::gStartMutex);
  return xpcom::internal::gCategoryFile;
}

}  // namespace xpcom::testbed

extern "C" nsresult NS_InitXPCOM2(nsIServiceManager** result, nsIFile*, nsIDirectoryServiceProvider*) {
  const nsresult rv = xpcom::testbed::startXPCOM(xpcom::internal::fromEnvironment("PLATFORM_XPCOM_COMPONENTS"),
                                                 xpcom::internal::fromEnvironment("PLATFORM_XPCOM_PROFILE"));
  if (NS_FAILED(rv) || !result) return rv;
  return NS_GetServiceManager(result);
}

extern "C" nsresult NS_ShutdownXPCOM(nsIServiceManager*) { return xpcom::testbed::shutdownXPCOM(); }
