// nsPlayBack: plays a recorded script back, one command document at a time, on behalf
// of the host.
//
// The connection thread makes one for every "play" and hands it each further message.
// A message is a small XML document whose root element carries the action ("method")
// and the recorded properties as attributes. "executeTest" is validated on the
// connection thread, "setMaxTimeLimit" sets the process-wide window-search limit, and
// every other known action runs on a thread of its own, so the host can send the next
// command while a click waits for a page dialog.
//
// Threads: each action thread is handed its own command element (the root of its own
// parsed document), so a command that arrives quickly after it never changes what the
// running action reads. The current browser and window are shared by all threads and
// read and replaced under one lock. Actions read the DOM from their own thread (the DOM
// objects carry each call to the browser's thread) and make every change to a page
// through a synchronous proxy on the UI thread. Replies are whole texts, one send each.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>

#include "ClientSocket.h"
#include "nsCOMPtr.h"
#include "nsIRunnable.h"
#include "nsIWindowMediatorListener.h"
#include "nsString.h"
#include "nsWeakReference.h"
#include "session_seams.h"

class nsIDOMDocument;
class nsIDOMElement;
class nsIDOMWindow;
class nsIThread;
class nsIWebNavigation;

// Seconds a window search goes on retrying, for every playback object of the process;
// 0 (one try) until the host sends "setMaxTimeLimit".
extern std::atomic<PRInt32> maxTimeLimit;

class nsPlayBack final : public nsISessionPlayer,
                         public nsIRunnable,
                         public nsIWindowMediatorListener,
                         public nsSupportsWeakReference {
 public:
  explicit nsPlayBack(const ClientSocket& aSocket);

  NS_DECL_ISUPPORTS

  // Command hand-over.
  NS_IMETHOD SetCommand(const nsAString& aCommand) override;
  NS_IMETHOD GetCommand(nsAString& aCommand);
  NS_IMETHOD RunCommand(void) override;
  // Performs the command last parsed, on the calling thread.
  NS_IMETHOD Dispatch(void);
  // The window's DOM document; NS_ERROR_FAILURE without a window or document.
  NS_IMETHOD GetDocument(nsIDOMWindow* aWindow, nsIDOMDocument** aDocument);

  // The actions. Each reads its own command element, sends the replies its failures
  // call for and answers NS_ERROR_FAILURE then; the replies on success are described
  // with the dispatch table in nsPlayBack.cpp.
  NS_IMETHOD SetTextField(nsIDOMElement* aCommand);
  NS_IMETHOD SelectItem(nsIDOMElement* aCommand);
  NS_IMETHOD ClickButton(nsIDOMElement* aCommand);
  // "launchApplication" and "changeURL".
  NS_IMETHOD LaunchApplication(nsIDOMElement* aCommand);
  NS_IMETHOD GoBack(nsIDOMElement* aCommand);
  NS_IMETHOD GoForward(nsIDOMElement* aCommand);
  NS_IMETHOD Refresh(nsIDOMElement* aCommand);
  NS_IMETHOD SetTextArea(nsIDOMElement* aCommand);
  NS_IMETHOD ClickLink(nsIDOMElement* aCommand);
  NS_IMETHOD ClickImage(nsIDOMElement* aCommand);
  NS_IMETHOD SetWindow(nsIDOMElement* aCommand);
  // A checkpoint, on the calling (connection) thread; the validator replies.
  NS_IMETHOD ExecuteTest(nsIDOMElement* aCommand);
  NS_IMETHOD CloseWindow(nsIDOMElement* aCommand);
  NS_IMETHOD SetAlertWindow(nsIDOMElement* aCommand);
  NS_IMETHOD CloseAlertWindow(nsIDOMElement* aCommand);
  NS_IMETHOD OnPlayStarted(void) override;
  NS_IMETHOD ClickMap(nsIDOMElement* aCommand);
  NS_IMETHOD ClickList(nsIDOMElement* aCommand);
  // Lets the frame `aWindow` finish loading, then the rest of the recorded wait:
  // `aWaitSeconds` and `aTries` (the window search's retries) as setWindow read them.
  NS_IMETHOD WaitForPage(nsIDOMWindow* aWindow, PRInt32 aWaitSeconds, PRInt32 aTries);

  // nsIRunnable: Dispatch.
  NS_IMETHOD Run(void) override;

  // nsIWindowMediatorListener: the playback object is registered but needs none of it.
  NS_IMETHOD OnWindowTitleChange(nsIXULWindow* aWindow, const PRUnichar* aNewTitle) override;
  NS_IMETHOD OnOpenWindow(nsIXULWindow* aWindow) override;
  NS_IMETHOD OnCloseWindow(nsIXULWindow* aWindow) override;

  // Performs `aCommand` as the action thread does: its action by "method", then the
  // reply the dispatch table adds. Unknown methods do nothing.
  nsresult DispatchCommand(nsIDOMElement* aCommand);

  // Action threads still running (started and not yet returned), so that an owner can
  // wait for them before the browser goes away.
  PRInt32 RunningActions() const { return mRunningActions->load(); }
  // How many times OnPlayStarted was called.
  PRInt32 PlaysStarted() const { return mPlaysStarted.load(); }

 private:
  class ActionThread;
  friend class ActionThread;

  ~nsPlayBack();

  // Replies: <message status="..." debugMessage="..."/>.
  void Reply(const char16_t* aStatus, const char16_t* aDebugMessage = u"");
  // An action's failure: the reply, then NS_ERROR_FAILURE.
  nsresult Fail(const char16_t* aStatus, const char16_t* aDebugMessage = u"");

  // The current window's document; none (and the "ERROR_HTML_DOCUMENT_NULL" reply,
  // when `aReply`) without a window or when it has no document.
  nsCOMPtr<nsIDOMDocument> CurrentDocument(bool aReply);
  nsCOMPtr<nsIDOMElement> CurrentCommandElement();
  nsCOMPtr<nsIWebNavigation> CurrentBrowser();
  void SetCurrentBrowser(nsIWebNavigation* aBrowser);
  void SetCurrentWindow(nsIDOMWindow* aWindow);

  // Shared steps of the actions.
  nsresult SetDialogText(nsIDOMElement* aCommand);
  nsresult ClickDialogButton(nsIDOMElement* aCommand);
  nsresult ClickPageButton(nsIDOMElement* aCommand);
  nsresult Navigate(const char* aDirection);
  nsresult FrontWindowIfDialog(nsCOMPtr<nsIDOMWindow>& aWindow);
  // Dispatches a made click on `aTarget`; "FAILED" when that fails.
  nsresult ClickOnUiThread(nsISupports* aTarget, nsIDOMDocument* aDocument);

  const nsCOMPtr<nsIThread> mOwningThread;
  ClientSocket mSocket;
  std::atomic<PRInt32> mPlaysStarted{0};
  // Shared with the action threads, which may outlive this object's other references.
  const std::shared_ptr<std::atomic<PRInt32>> mRunningActions = std::make_shared<std::atomic<PRInt32>>(0);

  // Shared by the connection thread and the action threads.
  std::mutex mLock;
  nsString mCommand;
  nsCOMPtr<nsIDOMElement> mCommandElement;
  nsCOMPtr<nsIWebNavigation> mCurrentBrowser;
  nsCOMPtr<nsIDOMWindow> mCurrentWindow;
};

// The maker the command loop uses.
nsresult NewPlayer(const ClientSocket& aSocket, nsISessionPlayer** aResult);
