#include "gecko_browser_access.h"

#include "nsCURILoader.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDocShellTreeItem.h"
#include "nsIEventQueueService.h"
#include "nsIInterfaceRequestor.h"
#include "nsIProxyObjectManager.h"
#include "nsISelection.h"
#include "nsISimpleEnumerator.h"
#include "nsIURI.h"
#include "nsIWebNavigation.h"
#include "nsIWebProgress.h"
#include "nsIWebProgressListener.h"
#include "nsIWindowMediator.h"
#include "nsIWindowMediatorListener.h"
#include "nsIXULWindow.h"
#include "nsServiceManagerUtils.h"

namespace {

// Every notification the document loader gives.
constexpr PRUint32 kNotifyAll = 0xFF;

nsCOMPtr<nsIWindowMediator> windowMediator() { return do_GetService(NS_WINDOWMEDIATOR_CONTRACTID); }

// A synchronous proxy of `aObject` (as `aIID`) on the UI thread's event queue: a call on
// it runs on the UI thread while the caller waits.
nsresult uiThreadProxy(nsISupports* aObject, const nsIID& aIID, void** aProxy) {
  *aProxy = nullptr;
  static const nsCID kEventQueueServiceCID = NS_EVENTQUEUESERVICE_CID;
  static const nsCID kProxyManagerCID = NS_PROXYEVENT_MANAGER_CID;
  nsresult rv = NS_OK;
  nsCOMPtr<nsIEventQueueService> queues = do_GetService(kEventQueueServiceCID, &rv);
  if (!queues) return NS_FAILED(rv) ? rv : NS_ERROR_FAILURE;
  nsCOMPtr<nsIEventQueue> uiQueue;
  rv = queues->GetSpecialEventQueue(nsIEventQueueService::UI_THREAD_EVENT_QUEUE, getter_AddRefs(uiQueue));
  if (NS_FAILED(rv)) return rv;
  nsCOMPtr<nsIProxyObjectManager> proxies = do_GetService(kProxyManagerCID, &rv);
  if (!proxies) return NS_FAILED(rv) ? rv : NS_ERROR_FAILURE;
  return proxies->GetProxyForObject(uiQueue, aIID, aObject, PROXY_SYNC, aProxy);
}

}  // namespace

nsCOMPtr<nsISupports> GeckoBrowserAccess::GetDocLoader() {
  nsCOMPtr<nsIWebProgress> loader = do_GetService(NS_DOCUMENTLOADER_SERVICE_CONTRACTID);
  return do_QueryInterface(loader);
}

// The primary content shell of the last XUL window, in the mediator's order, that has
// one: a later window's shell replaces an earlier one's.
nsCOMPtr<nsISupports> GeckoBrowserAccess::FindContentShell() {
  nsCOMPtr<nsISupports> result;
  nsCOMPtr<nsIWindowMediator> mediator = windowMediator();
  nsCOMPtr<nsISimpleEnumerator> windows;
  if (!mediator || NS_FAILED(mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(windows))) || !windows) {
    return result;
  }
  PRBool more = PR_FALSE;
  while (NS_SUCCEEDED(windows->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> next;
    if (NS_FAILED(windows->GetNext(getter_AddRefs(next)))) break;
    nsCOMPtr<nsIXULWindow> window = do_QueryInterface(next);
    if (!window) continue;
    nsCOMPtr<nsIDocShellTreeItem> shell;
    if (NS_SUCCEEDED(window->GetPrimaryContentShell(getter_AddRefs(shell))) && shell) {
      result = do_QueryInterface(shell);
    }
  }
  return result;
}

nsCOMPtr<nsISupports> GeckoBrowserAccess::GetWebNavigation(nsISupports* aShell) {
  nsCOMPtr<nsIWebNavigation> navigation = do_QueryInterface(aShell);
  return do_QueryInterface(navigation);
}

nsresult GeckoBrowserAccess::GetCurrentURIText(nsISupports* aWebNavigation, nsACString& aUriText) {
  nsCOMPtr<nsIWebNavigation> navigation = do_QueryInterface(aWebNavigation);
  if (!navigation) return NS_ERROR_INVALID_ARG;
  nsCOMPtr<nsIURI> uri;
  nsresult rv = navigation->GetCurrentURI(getter_AddRefs(uri));
  if (NS_FAILED(rv)) return rv;
  if (!uri) return NS_ERROR_FAILURE;
  return uri->GetSpec(aUriText);
}

nsresult GeckoBrowserAccess::Reload(nsISupports* aWebNavigation) {
  nsCOMPtr<nsIWebNavigation> navigation = do_QueryInterface(aWebNavigation);
  if (!navigation) return NS_ERROR_INVALID_ARG;
  nsCOMPtr<nsIWebNavigation> proxy;
  nsresult rv = uiThreadProxy(navigation, NS_GET_IID(nsIWebNavigation), getter_AddRefs(proxy));
  if (NS_FAILED(rv)) return rv;
  return proxy->Reload(nsIWebNavigation::LOAD_FLAGS_NONE);
}

nsresult GeckoBrowserAccess::FocusContentWindow(nsISupports* aShell) {
  nsCOMPtr<nsIInterfaceRequestor> requestor = do_QueryInterface(aShell);
  if (!requestor) return NS_ERROR_INVALID_ARG;
  nsCOMPtr<nsIDOMWindowInternal> window;
  nsresult rv = requestor->GetInterface(NS_GET_IID(nsIDOMWindowInternal), getter_AddRefs(window));
  if (NS_FAILED(rv)) return rv;
  if (!window) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMWindowInternal> proxy;
  rv = uiThreadProxy(window, NS_GET_IID(nsIDOMWindowInternal), getter_AddRefs(proxy));
  if (NS_FAILED(rv)) return rv;
  return proxy->Focus();
}

// The normal selection of the document the shell shows. Presentations (pres shells) are
// not modelled by this browser; the shell's DOM window hands out the same selection
// through GetSelection, as a Gecko window asks its presentation's selection controller
// for it. The selection answers nsISelection; the private form (nsISelectionPrivate,
// for selection listeners) is given when the selection offers it.
nsresult GeckoBrowserAccess::GetContentSelection(nsISupports* aShell, nsISupports** aSelection) {
  if (aSelection == nullptr) return NS_ERROR_NULL_POINTER;
  nsCOMPtr<nsIInterfaceRequestor> requestor = do_QueryInterface(aShell);
  if (!requestor) return NS_ERROR_INVALID_ARG;
  nsCOMPtr<nsIDOMWindow> window;
  nsresult rv = requestor->GetInterface(NS_GET_IID(nsIDOMWindow), getter_AddRefs(window));
  if (NS_FAILED(rv)) return rv;
  if (!window) return NS_ERROR_FAILURE;
  nsCOMPtr<nsISelection> selection;
  rv = window->GetSelection(getter_AddRefs(selection));
  if (NS_FAILED(rv)) return rv;
  if (!selection) return NS_ERROR_FAILURE;
  static const nsIID kSelectionPrivateIID = {
      0x2d5535e2, 0x1dd2, 0x11b2, {0x8e, 0x38, 0xd5, 0x3e, 0xc8, 0x33, 0xad, 0xf6}};
  nsISupports* privateForm = nullptr;
  if (NS_SUCCEEDED(selection->QueryInterface(kSelectionPrivateIID, reinterpret_cast<void**>(&privateForm))) &&
      privateForm != nullptr) {
    *aSelection = privateForm;
    return NS_OK;
  }
  nsCOMPtr<nsISupports> plain = do_QueryInterface(selection);
  plain.forget(aSelection);
  return NS_OK;
}

nsresult GeckoBrowserAccess::AddProgressListener(nsISupports* aDocLoader, nsISupports* aListener) {
  nsCOMPtr<nsIWebProgress> loader = do_QueryInterface(aDocLoader);
  nsCOMPtr<nsIWebProgressListener> listener = do_QueryInterface(aListener);
  if (!loader || !listener) return NS_ERROR_INVALID_ARG;
  return loader->AddProgressListener(listener, kNotifyAll);
}

nsresult GeckoBrowserAccess::RemoveProgressListener(nsISupports* aDocLoader, nsISupports* aListener) {
  nsCOMPtr<nsIWebProgress> loader = do_QueryInterface(aDocLoader);
  nsCOMPtr<nsIWebProgressListener> listener = do_QueryInterface(aListener);
  if (!loader || !listener) return NS_ERROR_INVALID_ARG;
  return loader->RemoveProgressListener(listener);
}

nsresult GeckoBrowserAccess::AddWindowListener(nsISupports* aListener) {
  nsCOMPtr<nsIWindowMediator> mediator = windowMediator();
  if (!mediator) return NS_ERROR_NOT_AVAILABLE;
  nsCOMPtr<nsIWindowMediatorListener> listener = do_QueryInterface(aListener);
  if (!listener) return NS_ERROR_INVALID_ARG;
  return mediator->AddListener(listener);
}

nsresult GeckoBrowserAccess::RemoveWindowListener(nsISupports* aListener) {
  nsCOMPtr<nsIWindowMediator> mediator = windowMediator();
  if (!mediator) return NS_ERROR_NOT_AVAILABLE;
  nsCOMPtr<nsIWindowMediatorListener> listener = do_QueryInterface(aListener);
  if (!listener) return NS_ERROR_INVALID_ARG;
  return mediator->RemoveListener(listener);
}
