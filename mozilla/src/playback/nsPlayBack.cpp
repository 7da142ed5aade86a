// The playback object: its life, the command hand-over, the dispatch table and the
// action threads. The actions are in playback_window_actions.cpp and
// playback_element_actions.cpp, checkpoints in playback_checkpoints.cpp.
#include "nsPlayBack.h"

#include <memory>
#include <new>

#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMWindow.h"
#include "nsIThread.h"
#include "nsIWebNavigation.h"
#include "nsPlayBackUtils.h"
#include "playback_support.h"

using playback_support::attribute;

std::atomic<PRInt32> maxTimeLimit{0};

namespace {

using Action = nsresult (nsPlayBack::*)(nsIDOMElement*);

// The action a "setText" command performs, by the recorded type: none for other types.
Action textAction(nsIDOMElement* aCommand) {
  const nsString type = attribute(aCommand, u"type");
  if (type.EqualsLiteral("text") || type.EqualsLiteral("password")) return &nsPlayBack::SetTextField;
  if (type.EqualsLiteral("textarea")) return &nsPlayBack::SetTextArea;
  return nullptr;
}

// The toolbar button a "clickMainToolBar" command names: none for other names.
Action toolbarAction(nsIDOMElement* aCommand) {
  const nsString name = attribute(aCommand, u"name");
  if (name.EqualsLiteral("Back")) return &nsPlayBack::GoBack;
  if (name.EqualsLiteral("Forward")) return &nsPlayBack::GoForward;
  if (name.EqualsLiteral("Refresh")) return &nsPlayBack::Refresh;
  return nullptr;
}

// One method of the dispatch table: its action (fixed, or chosen by the command), and
// whether a success is answered "SUCCESS" here (the clicks answer for themselves, before
// they fire). A failed setWindow is answered "ERROR_WINDOW_NOT_FOUND" besides the
// action's own reply.
struct Route {
  const char16_t* method;
  Action action;
  Action (*choose)(nsIDOMElement*);
  bool repliesSuccess;
  bool repliesWindowNotFound;
};

constexpr Route kRoutes[] = {
    {u"setText", nullptr, textAction, true, false},
    {u"selectItem", &nsPlayBack::SelectItem, nullptr, true, false},
    {u"clickButton", &nsPlayBack::ClickButton, nullptr, false, false},
    {u"clickLink", &nsPlayBack::ClickLink, nullptr, false, false},
    {u"clickImage", &nsPlayBack::ClickImage, nullptr, false, false},
    {u"launchApplication", &nsPlayBack::LaunchApplication, nullptr, true, false},
    {u"setWindow", &nsPlayBack::SetWindow, nullptr, true, true},
    {u"changeURL", &nsPlayBack::LaunchApplication, nullptr, true, false},
    {u"clickMainToolBar", nullptr, toolbarAction, true, false},
    {u"closeWindow", &nsPlayBack::CloseWindow, nullptr, true, false},
    {u"closeAlertWindow", &nsPlayBack::CloseAlertWindow, nullptr, true, false},
    {u"clickMap", &nsPlayBack::ClickMap, nullptr, false, false},
    {u"clickList", &nsPlayBack::ClickList, nullptr, true, false},
    {u"setAlertWindow", &nsPlayBack::SetAlertWindow, nullptr, true, false},
};

// The route of the command's method (compared exactly, case and all), and the action it
// performs; none when the method is unknown or names nothing to do.
const Route* routeOf(nsIDOMElement* aCommand, Action& aAction) {
  aAction = nullptr;
  const nsString method = attribute(aCommand, u"method");
  for (const Route& route : kRoutes) {
    if (!method.Equals(nsDependentString(route.method))) continue;
    aAction = route.choose ? route.choose(aCommand) : route.action;
    return aAction ? &route : nullptr;
  }
  return nullptr;
}

nsCOMPtr<nsIThread> currentThread() {
  nsCOMPtr<nsIThread> thread;
  if (NS_FAILED(nsIThread::GetCurrent(getter_AddRefs(thread)))) thread = nullptr;
  return thread;
}

}  // namespace

// One action thread's work: the playback object and the command it was started for.
// It counts as running until everything it holds is let go of, the playback object
// included, so an owner that waits for the count may end the browser afterwards.
class nsPlayBack::ActionThread final : public nsIRunnable {
 public:
  NS_DECL_ISUPPORTS

  ActionThread(nsPlayBack* aPlayer, nsIDOMElement* aCommand)
      : mPlayer(aPlayer), mHolder(static_cast<nsIRunnable*>(aPlayer)), mCommand(aCommand),
        mRunning(aPlayer->mRunningActions) {
    ++*mRunning;
  }

  NS_IMETHOD Run(void) override { return mPlayer->DispatchCommand(mCommand); }

 private:
  ~ActionThread() {
    const std::shared_ptr<std::atomic<PRInt32>> running = mRunning;
    mCommand = nullptr;
    mHolder = nullptr;
    --*running;
  }
  nsPlayBack* const mPlayer;      // held by mHolder
  nsCOMPtr<nsIRunnable> mHolder;  // keeps the playback object while the action runs
  nsCOMPtr<nsIDOMElement> mCommand;
  const std::shared_ptr<std::atomic<PRInt32>> mRunning;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(nsPlayBack::ActionThread, nsIRunnable)

// ---- life

nsPlayBack::nsPlayBack(const ClientSocket& aSocket) : mOwningThread(currentThread()), mSocket(aSocket) {}

nsPlayBack::~nsPlayBack() = default;

NS_IMPL_THREADSAFE_ADDREF(nsPlayBack)
NS_IMPL_THREADSAFE_RELEASE(nsPlayBack)

NS_INTERFACE_MAP_BEGIN(nsPlayBack)
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, nsISessionPlayer)
  NS_INTERFACE_MAP_ENTRY(nsISessionPlayer)
  NS_INTERFACE_MAP_ENTRY(nsIRunnable)
  NS_INTERFACE_MAP_ENTRY(nsIWindowMediatorListener)
  NS_INTERFACE_MAP_ENTRY(nsISupportsWeakReference)
NS_INTERFACE_MAP_END

nsresult NewPlayer(const ClientSocket& aSocket, nsISessionPlayer** aResult) {
  if (!aResult) return NS_ERROR_NULL_POINTER;
  *aResult = nullptr;
  nsPlayBack* player = nullptr;
  try {
    player = new nsPlayBack(aSocket);
  } catch (const std::bad_alloc&) {
    return NS_ERROR_OUT_OF_MEMORY;
  }
  NS_ADDREF(*aResult = player);
  return NS_OK;
}

NS_IMETHODIMP nsPlayBack::OnPlayStarted(void) {
  ++mPlaysStarted;
  return NS_OK;
}

NS_IMETHODIMP nsPlayBack::OnWindowTitleChange(nsIXULWindow*, const PRUnichar*) { return NS_OK; }
NS_IMETHODIMP nsPlayBack::OnOpenWindow(nsIXULWindow*) { return NS_OK; }
NS_IMETHODIMP nsPlayBack::OnCloseWindow(nsIXULWindow*) { return NS_OK; }

// ---- state shared with the action threads

nsCOMPtr<nsIDOMElement> nsPlayBack::CurrentCommandElement() {
  std::lock_guard<std::mutex> hold(mLock);
  return mCommandElement;
}

nsCOMPtr<nsIWebNavigation> nsPlayBack::CurrentBrowser() {
  std::lock_guard<std::mutex> hold(mLock);
  return mCurrentBrowser;
}

void nsPlayBack::SetCurrentBrowser(nsIWebNavigation* aBrowser) {
  nsCOMPtr<nsIWebNavigation> replaced(aBrowser);
  std::lock_guard<std::mutex> hold(mLock);
  mCurrentBrowser.swap(replaced);
}

void nsPlayBack::SetCurrentWindow(nsIDOMWindow* aWindow) {
  nsCOMPtr<nsIDOMWindow> replaced(aWindow);
  std::lock_guard<std::mutex> hold(mLock);
  mCurrentWindow.swap(replaced);
}

NS_IMETHODIMP nsPlayBack::GetDocument(nsIDOMWindow* aWindow, nsIDOMDocument** aDocument) {
  if (!aDocument) return NS_ERROR_NULL_POINTER;
  *aDocument = nullptr;
  if (!aWindow) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMDocument> document;
  const nsresult rv = aWindow->GetDocument(getter_AddRefs(document));
  if (NS_FAILED(rv)) return rv;
  if (!document) return NS_ERROR_FAILURE;
  document.forget(aDocument);
  return NS_OK;
}

nsCOMPtr<nsIDOMDocument> nsPlayBack::CurrentDocument(bool aReply) {
  nsCOMPtr<nsIDOMWindow> window;
  {
    std::lock_guard<std::mutex> hold(mLock);
    window = mCurrentWindow;
  }
  nsCOMPtr<nsIDOMDocument> document;
  if (NS_FAILED(GetDocument(window, getter_AddRefs(document))) && aReply) Reply(u"ERROR_HTML_DOCUMENT_NULL");
  return document;
}

void nsPlayBack::Reply(const char16_t* aStatus, const char16_t* aDebugMessage) {
  // A reply that cannot be sent is lost; the host sees the connection end.
  nsPlayBackUtils::SendStatusMessage(nsDependentString(aStatus), nsDependentString(aDebugMessage), mSocket);
}

nsresult nsPlayBack::Fail(const char16_t* aStatus, const char16_t* aDebugMessage) {
  Reply(aStatus, aDebugMessage);
  return NS_ERROR_FAILURE;
}

// ---- commands

NS_IMETHODIMP nsPlayBack::SetCommand(const nsAString& aCommand) {
  std::lock_guard<std::mutex> hold(mLock);
  mCommand.Assign(aCommand);
  return NS_OK;
}

NS_IMETHODIMP nsPlayBack::GetCommand(nsAString& aCommand) {
  std::lock_guard<std::mutex> hold(mLock);
  aCommand.Assign(mCommand);
  return NS_OK;
}

NS_IMETHODIMP nsPlayBack::RunCommand(void) {
  nsString text;
  GetCommand(text);
  nsCOMPtr<nsIDOMElement> command;
  nsresult rv = nsPlayBackUtils::ParseCommandDocument(text, getter_AddRefs(command));
  {
    nsCOMPtr<nsIDOMElement> replaced(command);
    std::lock_guard<std::mutex> hold(mLock);
    mCommandElement.swap(replaced);
  }
  if (NS_FAILED(rv)) return rv;

  const nsString method = attribute(command, u"method");
  if (method.EqualsLiteral("executeTest")) return ExecuteTest(command);
  if (method.EqualsLiteral("setMaxTimeLimit")) {
    const nsString value = attribute(command, u"value");
    if (!value.IsEmpty()) maxTimeLimit = playback_support::integerOf(value);
    return NS_OK;
  }
  // A method the table does not know does nothing, so no thread is started for it.
  Action action = nullptr;
  if (!routeOf(command, action)) return NS_OK;
  nsCOMPtr<nsIRunnable> work = new (std::nothrow) ActionThread(this, command);
  if (!work) return NS_ERROR_OUT_OF_MEMORY;
  nsCOMPtr<nsIThread> thread;
  return NS_NewThread(getter_AddRefs(thread), work, 0, PR_UNJOINABLE_THREAD, PR_PRIORITY_NORMAL, PR_GLOBAL_THREAD);
}

NS_IMETHODIMP nsPlayBack::Run(void) { return Dispatch(); }

NS_IMETHODIMP nsPlayBack::Dispatch(void) { return DispatchCommand(CurrentCommandElement()); }

nsresult nsPlayBack::DispatchCommand(nsIDOMElement* aCommand) {
  if (!aCommand) return NS_ERROR_FAILURE;
  Action action = nullptr;
  const Route* route = routeOf(aCommand, action);
  if (!route) return NS_OK;
  const nsresult rv = (this->*action)(aCommand);
  if (NS_SUCCEEDED(rv)) {
    if (route->repliesSuccess) Reply(u"SUCCESS");
  } else if (route->repliesWindowNotFound) {
    Reply(u"ERROR_WINDOW_NOT_FOUND");
  }
  return rv;
}
