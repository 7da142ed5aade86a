#include "nsTarnwellImpl.h"

#include <new>
#include <utility>

#include "common/trace_log.h"
#include "nsIThread.h"
#include "prenv.h"

NS_IMPL_THREADSAFE_ISUPPORTS4(nsTarnwellImpl, nsIRecordPlaybackComponent, nsISupportsWeakReference, nsIObserver,
                              nsIRunnable)

namespace {

// The trace file: TW_LOG_DIR is the file's own path (nothing is appended to it); unset
// or empty, the file is "twmozlog.log" in the current directory.
void openComponentTrace() {
  const char* configured = PR_GetEnv("TW_LOG_DIR");
  const char* path = configured != nullptr && configured[0] != '\0' ? configured : "twmozlog.log";
  if (!openTraceLog(path)) return;
  enableTraceLog();
  trace("logdir defined is %s\n", path);
  trace("component invocation \n");
}

}  // namespace

nsTarnwellImpl::nsTarnwellImpl(ComponentWiring aWiring)
    : mWiring(std::move(aWiring)), mCheckpointKind(u"element") {
  openComponentTrace();
}

nsresult nsTarnwellImpl::Create(ComponentWiring aWiring, REFNSIID aIID, void** aResult) {
  *aResult = nullptr;
  nsTarnwellImpl* component = new (std::nothrow) nsTarnwellImpl(std::move(aWiring));
  if (component == nullptr) return NS_ERROR_OUT_OF_MEMORY;
  // The thread is started while this reference keeps the object alive: a thread that
  // ends at once (no server configured) drops its reference without destroying an
  // object still being handed out.
  NS_ADDREF(component);
  component->StartConnectionThread();
  const nsresult rv = component->QueryInterface(aIID, aResult);
  NS_RELEASE(component);
  return rv;
}

void nsTarnwellImpl::StartConnectionThread() {
  // The thread object is let go of at once and never joined; the thread holds the
  // runnable, and so this component, until Run returns. A failure leaves it idle.
  nsCOMPtr<nsIThread> thread;
  NS_NewThread(getter_AddRefs(thread), this, 0, PR_JOINABLE_THREAD, PR_PRIORITY_NORMAL, PR_GLOBAL_THREAD);
}

NS_IMETHODIMP nsTarnwellImpl::Observe(nsISupports*, const char*, const PRUnichar*) { return NS_OK; }

NS_IMETHODIMP nsTarnwellImpl::CloseConnection() {
  mSocket.Close();
  trace("socket closed\n");
  return NS_OK;
}

NS_IMETHODIMP nsTarnwellImpl::ReloadPage(nsISupports* aWebNavigation) {
  if (mWiring.browser && aWebNavigation != nullptr) mWiring.browser->Reload(aWebNavigation);
  return NS_OK;
}

NS_IMETHODIMP nsTarnwellImpl::GetContentSelection(nsISupports** aSelection) {
  if (aSelection == nullptr) return NS_ERROR_NULL_POINTER;
  nsCOMPtr<nsISupports> shell = FindContentShell();
  if (shell) mWiring.browser->GetContentSelection(shell, aSelection);
  return NS_OK;
}

nsCOMPtr<nsISupports> nsTarnwellImpl::FindContentShell() {
  return mWiring.browser ? mWiring.browser->FindContentShell() : nullptr;
}

void nsTarnwellImpl::FocusContentWindow() {
  nsCOMPtr<nsISupports> shell = FindContentShell();
  if (shell) mWiring.browser->FocusContentWindow(shell);
}
