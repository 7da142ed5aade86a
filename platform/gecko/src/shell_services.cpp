#include "shell_services.h"

#include <algorithm>

#include "dom_window_iids.h"
#include "nsCURILoader.h"
#include "nsComponentManagerUtils.h"
#include "nsIComponentManager.h"
#include "nsIDocShell.h"
#include "nsIGenericFactory.h"
#include "nsIInterfaceRequestor.h"
#include "nsIModule.h"
#include "nsXPCOM.h"
#include "shell_enumerator.h"
#include "shells.h"
#include "text_conversion.h"
#include "xul_window.h"

namespace gecko {
namespace {

std::string typeOf(nsIXULWindow* window) {
  nsCOMPtr<XULWindowType> typed = do_QueryInterface(window);
  return typed ? typed->windowType() : std::string();
}

bool typeMatches(nsIXULWindow* window, const PRUnichar* type) {
  if (!type) return true;
  return typeOf(window) == toUtf8(nsDependentString(type));
}

// The DOM window of a XUL window's docshell, as the mediator hands windows out.
nsresult domWindowOf(nsIXULWindow* window, nsISupports** out) {
  *out = nullptr;
  nsCOMPtr<nsIDocShell> shell;
  nsresult rv = window->GetDocShell(getter_AddRefs(shell));
  if (NS_FAILED(rv)) return rv;
  nsCOMPtr<nsIInterfaceRequestor> requestor = do_QueryInterface(shell);
  if (!requestor) return NS_ERROR_FAILURE;
  return requestor->GetInterface(iids::kDOMWindowInternal, reinterpret_cast<void**>(out));
}

}  // namespace

// ---------------------------------------------------------------- window mediator

NS_IMPL_THREADSAFE_ISUPPORTS1(WindowMediator, nsIWindowMediator)

WindowMediator& WindowMediator::instance() {
  // Lives as long as the process: components keep it by contract ID.
  static WindowMediator* const mediator = [] {
    auto* made = new WindowMediator();
    NS_ADDREF(made);
    return made;
  }();
  return *mediator;
}

std::vector<nsCOMPtr<nsIXULWindow>> WindowMediator::windows(const PRUnichar* type, Order order) {
  std::vector<nsCOMPtr<nsIXULWindow>> all;
  {
    std::lock_guard lock(mutex_);
    if (order == Order::Opened) {
      for (const auto& entry : opened_) all.push_back(entry.window);
    } else {
      for (nsIXULWindow* window : zOrder_) all.push_back(window);
      if (order == Order::BackToFront) std::reverse(all.begin(), all.end());
    }
  }
  // The type is read outside the lock: it may ask the window's browser thread.
  std::vector<nsCOMPtr<nsIXULWindow>> matching;
  for (auto& window : all) {
    if (typeMatches(window, type)) matching.push_back(std::move(window));
  }
  return matching;
}

std::vector<nsCOMPtr<nsIWindowMediatorListener>> WindowMediator::listeners() {
  std::lock_guard lock(mutex_);
  return listeners_;
}

NS_IMETHODIMP WindowMediator::GetEnumerator(const PRUnichar* aWindowType, nsISimpleEnumerator** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  std::vector<nsCOMPtr<nsISupports>> items;
  for (const auto& window : windows(aWindowType, Order::Opened)) {
    nsCOMPtr<nsISupports> domWindow;
    if (NS_SUCCEEDED(domWindowOf(window, getter_AddRefs(domWindow))) && domWindow) items.push_back(domWindow);
  }
  return SnapshotEnumerator::create(std::move(items), _retval);
}

NS_IMETHODIMP WindowMediator::GetXULWindowEnumerator(const PRUnichar* aWindowType, nsISimpleEnumerator** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  std::vector<nsCOMPtr<nsISupports>> items;
  for (const auto& window : windows(aWindowType, Order::Opened)) items.emplace_back(window);
  return SnapshotEnumerator::create(std::move(items), _retval);
}

NS_IMETHODIMP WindowMediator::GetZOrderDOMWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,
                                                           nsISimpleEnumerator** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  std::vector<nsCOMPtr<nsISupports>> items;
  for (const auto& window : windows(aWindowType, aFrontToBack ? Order::FrontToBack : Order::BackToFront)) {
    nsCOMPtr<nsISupports> domWindow;
    if (NS_SUCCEEDED(domWindowOf(window, getter_AddRefs(domWindow))) && domWindow) items.push_back(domWindow);
  }
  return SnapshotEnumerator::create(std::move(items), _retval);
}

NS_IMETHODIMP WindowMediator::GetZOrderXULWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,
                                                           nsISimpleEnumerator** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  std::vector<nsCOMPtr<nsISupports>> items;
  for (const auto& window : windows(aWindowType, aFrontToBack ? Order::FrontToBack : Order::BackToFront)) {
    items.emplace_back(window);
  }
  return SnapshotEnumerator::create(std::move(items), _retval);
}

// The newest time stamp of the type wins. No such window: null and NS_OK; a window
// whose DOM window cannot be had: NS_ERROR_FAILURE, as Gecko answers.
NS_IMETHODIMP WindowMediator::GetMostRecentWindow(const PRUnichar* aWindowType, nsIDOMWindowInternal** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  std::vector<Entry> entries;
  {
    std::lock_guard lock(mutex_);
    entries = opened_;
  }
  nsCOMPtr<nsIXULWindow> newest;
  PRUint32 newestStamp = 0;
  for (const auto& entry : entries) {
    if (typeMatches(entry.window, aWindowType) && (!newest || entry.timeStamp >= newestStamp)) {
      newest = entry.window;
      newestStamp = entry.timeStamp;
    }
  }
  if (!newest) return NS_OK;
  nsISupports* domWindow = nullptr;
  if (NS_FAILED(domWindowOf(newest, &domWindow)) || !domWindow) return NS_ERROR_FAILURE;
  *_retval = reinterpret_cast<nsIDOMWindowInternal*>(domWindow);
  return NS_OK;
}

NS_IMETHODIMP WindowMediator::RegisterWindow(nsIXULWindow* aWindow) {
  if (!aWindow) return NS_ERROR_INVALID_POINTER;
  {
    std::lock_guard lock(mutex_);
    for (const auto& entry : opened_) {
      if (entry.window.get() == aWindow) return NS_ERROR_FAILURE;
    }
    opened_.push_back(Entry{aWindow, ++clock_, nsIXULWindow::normalZ});
    zOrder_.insert(zOrder_.begin(), aWindow);
  }
  for (const auto& listener : listeners()) listener->OnOpenWindow(aWindow);
  return NS_OK;
}

NS_IMETHODIMP WindowMediator::UnregisterWindow(nsIXULWindow* aWindow) {
  if (!aWindow) return NS_ERROR_INVALID_POINTER;
  nsCOMPtr<nsIXULWindow> held;  // kept until the listeners have heard of it
  {
    std::lock_guard lock(mutex_);
    auto found =
        std::find_if(opened_.begin(), opened_.end(), [&](const Entry& e) { return e.window.get() == aWindow; });
    if (found == opened_.end()) return NS_ERROR_INVALID_ARG;
    held = found->window;
    opened_.erase(found);
    zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), aWindow), zOrder_.end());
  }
  for (const auto& listener : listeners()) listener->OnCloseWindow(aWindow);
  return NS_OK;
}

NS_IMETHODIMP WindowMediator::UpdateWindowTimeStamp(nsIXULWindow* aWindow) {
  std::lock_guard lock(mutex_);
  for (auto& entry : opened_) {
    if (entry.window.get() == aWindow) {
      entry.timeStamp = ++clock_;
      return NS_OK;
    }
  }
  return NS_ERROR_FAILURE;
}

NS_IMETHODIMP WindowMediator::UpdateWindowTitle(nsIXULWindow* aWindow, const PRUnichar* inTitle) {
  {
    std::lock_guard lock(mutex_);
    if (std::none_of(opened_.begin(), opened_.end(), [&](const Entry& e) { return e.window.get() == aWindow; })) {
      return NS_ERROR_FAILURE;
    }
  }
  for (const auto& listener : listeners()) listener->OnWindowTitleChange(aWindow, inTitle);
  return NS_OK;
}

// Widgets are not modelled, so there is no native stacking to reckon with.
NS_IMETHODIMP WindowMediator::CalculateZPosition(nsIXULWindow*, PRUint32, nsIWidget*, PRUint32* outPosition,
                                                 nsIWidget** outBelow, PRBool* _retval) {
  if (outBelow) *outBelow = nullptr;
  if (outPosition) *outPosition = 0;
  if (_retval) *_retval = PR_FALSE;
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP WindowMediator::SetZPosition(nsIXULWindow* inWindow, PRUint32 inPosition, nsIXULWindow* inBelow) {
  if (inPosition != zLevelTop && inPosition != zLevelBottom && inPosition != zLevelBelow) {
    return NS_ERROR_INVALID_ARG;
  }
  std::lock_guard lock(mutex_);
  auto found = std::find(zOrder_.begin(), zOrder_.end(), inWindow);
  if (found == zOrder_.end()) return NS_ERROR_INVALID_ARG;
  if (inPosition == zLevelBelow && std::find(zOrder_.begin(), zOrder_.end(), inBelow) == zOrder_.end()) {
    return NS_ERROR_INVALID_ARG;
  }
  // Below itself: it is already there (and once taken out it could not be found).
  if (inPosition == zLevelBelow && inBelow == inWindow) return NS_OK;
  zOrder_.erase(found);
  switch (inPosition) {
    case zLevelTop:
      zOrder_.insert(zOrder_.begin(), inWindow);
      break;
    case zLevelBottom:
      zOrder_.push_back(inWindow);
      break;
    default:  // zLevelBelow
      zOrder_.insert(std::find(zOrder_.begin(), zOrder_.end(), inBelow) + 1, inWindow);
      break;
  }
  return NS_OK;
}

NS_IMETHODIMP WindowMediator::GetZLevel(nsIXULWindow* aWindow, PRUint32* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  std::lock_guard lock(mutex_);
  *_retval = nsIXULWindow::normalZ;
  for (const auto& entry : opened_) {
    if (entry.window.get() == aWindow) *_retval = entry.zLevel;
  }
  return NS_OK;
}

NS_IMETHODIMP WindowMediator::SetZLevel(nsIXULWindow* aWindow, PRUint32 aZLevel) {
  std::lock_guard lock(mutex_);
  for (auto& entry : opened_) {
    if (entry.window.get() == aWindow) {
      entry.zLevel = aZLevel;
      return NS_OK;
    }
  }
  return NS_ERROR_FAILURE;
}

NS_IMETHODIMP WindowMediator::AddListener(nsIWindowMediatorListener* aListener) {
  if (!aListener) return NS_ERROR_INVALID_POINTER;
  std::lock_guard lock(mutex_);
  listeners_.emplace_back(aListener);
  return NS_OK;
}

NS_IMETHODIMP WindowMediator::RemoveListener(nsIWindowMediatorListener* aListener) {
  if (!aListener) return NS_ERROR_INVALID_POINTER;
  nsCOMPtr<nsIWindowMediatorListener> removed;
  std::lock_guard lock(mutex_);
  auto found = std::find_if(listeners_.begin(), listeners_.end(),
                            [&](const nsCOMPtr<nsIWindowMediatorListener>& l) { return l.get() == aListener; });
  if (found == listeners_.end()) return NS_ERROR_FAILURE;
  removed = *found;
  listeners_.erase(found);
  return NS_OK;
}

// ---------------------------------------------------------------- document loader

NS_IMPL_THREADSAFE_ISUPPORTS1(DocLoaderService, nsIWebProgress)

DocLoaderService& DocLoaderService::instance() {
  static DocLoaderService* const service = [] {
    auto* made = new DocLoaderService();
    NS_ADDREF(made);
    return made;
  }();
  return *service;
}

void DocLoaderService::addShells(const std::shared_ptr<Shells>& shells) {
  std::lock_guard lock(mutex_);
  shells_.push_back(shells);
}

void DocLoaderService::removeShells(const Shells* shells) {
  std::lock_guard lock(mutex_);
  shells_.erase(std::remove_if(shells_.begin(), shells_.end(),
                               [&](const std::weak_ptr<Shells>& weak) {
                                 auto live = weak.lock();
                                 return !live || live.get() == shells;
                               }),
                shells_.end());
}

NS_IMETHODIMP DocLoaderService::AddProgressListener(nsIWebProgressListener* listener, PRUint32 aNotifyMask) {
  return listeners_.add(listener, aNotifyMask);
}

NS_IMETHODIMP DocLoaderService::RemoveProgressListener(nsIWebProgressListener* listener) {
  return listeners_.remove(listener);
}

// The service loads no document of its own, so it has no window.
NS_IMETHODIMP DocLoaderService::GetDOMWindow(nsIDOMWindow** aDOMWindow) {
  if (!aDOMWindow) return NS_ERROR_NULL_POINTER;
  *aDOMWindow = nullptr;
  return NS_ERROR_FAILURE;
}

NS_IMETHODIMP DocLoaderService::GetIsLoadingDocument(PRBool* aIsLoadingDocument) {
  if (!aIsLoadingDocument) return NS_ERROR_NULL_POINTER;
  std::vector<std::shared_ptr<Shells>> all;
  {
    std::lock_guard lock(mutex_);
    for (const auto& weak : shells_) {
      if (auto live = weak.lock()) all.push_back(std::move(live));
    }
  }
  bool loading = false;
  for (const auto& shells : all) {
    bool busy = false;
    if (NS_SUCCEEDED(shells->session()->carry([&]() -> nsresult {
          busy = shells->loading();
          return NS_OK;
        }))) {
      loading = loading || busy;
    }
  }
  *aIsLoadingDocument = loading ? PR_TRUE : PR_FALSE;
  return NS_OK;
}

// ---------------------------------------------------------------- registration

namespace {

template <class Service>
NS_METHOD constructService(nsISupports* aOuter, REFNSIID aIID, void** aResult) {
  if (!aResult) return NS_ERROR_NULL_POINTER;
  *aResult = nullptr;
  if (aOuter) return NS_ERROR_NO_AGGREGATION;
  return Service::instance().QueryInterface(aIID, aResult);
}

const nsModuleComponentInfo kComponents[] = {
    {"Window Mediator", NS_WINDOWMEDIATOR_CID, NS_WINDOWMEDIATOR_CONTRACTID, constructService<WindowMediator>, nullptr,
     nullptr, nullptr, nullptr, nullptr, nullptr, 0},
    {"Document Loader Service", NS_DOCUMENTLOADER_SERVICE_CID, NS_DOCUMENTLOADER_SERVICE_CONTRACTID,
     constructService<DocLoaderService>, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0},
};

nsModuleInfo kModuleInfo = {NS_MODULEINFO_VERSION,
                            "nsShellServicesModule",
                            kComponents,
                            sizeof(kComponents) / sizeof(kComponents[0]),
                            nullptr,
                            nullptr,
                            nullptr};

}  // namespace

nsresult registerShellServices() {
  nsCOMPtr<nsIComponentManager> manager;
  nsresult rv = NS_GetComponentManager(getter_AddRefs(manager));
  if (NS_FAILED(rv) || !manager) return NS_ERROR_NOT_INITIALIZED;
  nsCOMPtr<nsIModule> module;
  rv = NS_NewGenericModule2(&kModuleInfo, getter_AddRefs(module));
  if (NS_FAILED(rv)) return rv;
  return module->RegisterSelf(manager, nullptr, "", "");
}

}  // namespace gecko
