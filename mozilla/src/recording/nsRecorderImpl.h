// nsRecorderImpl: turns what the user does in the browser into recorded lines and, in
// the checkpoint modes, into checkpoint lines, and sends each to the host as it happens.
//
// The connection thread makes one for every "start record" and registers it with the
// document loader (progress) and the window mediator (window close). It attaches its DOM
// listener to every window whose load finishes, listens to the session history of each
// browser window, and classifies each DOM event by the node it hit.
//
// Threads: every listener callback arrives on the browser's UI thread, and the lines are
// sent from there. The mode switches and RemoveWindowListeners come from the connection
// thread, so the flags they write are atomics. The outline under the mouse is drawn by
// one highlight thread at a time through a synchronous proxy of the flasher.
#pragma once

#include <atomic>
#include <mutex>

#include "ClientSocket.h"
#include "nsCOMPtr.h"
#include "nsIDOMEventListener.h"
#include "nsIRunnable.h"
#include "nsISHistoryListener.h"
#include "nsISelectionListener.h"
#include "nsIWebProgressListener.h"
#include "nsIWindowMediatorListener.h"
#include "nsString.h"
#include "nsWeakReference.h"
#include "session_seams.h"

class nsIDOMDocument;
class nsIDOMElement;
class nsIDOMEvent;
class nsIDOMNode;
class nsIDOMWindow;
class nsIWebProgress;

// The key/value pairs of one line, in order.
class RecordedPairs {
 public:
  void Add(const char* aKey, const nsAString& aValue);
  void Add(const char* aKey, const char* aValue);
  void Add(const char* aKey, bool aValue) { Add(aKey, aValue ? "true" : "false"); }
  void AddNumber(const char* aKey, PRInt32 aValue);
  // "key:,:value" pairs joined by ":;:".
  nsString Joined() const;
  // Every pair followed by ":;:".
  nsString Terminated() const;

 private:
  nsString mJoined;
  nsString mTerminated;
  bool mEmpty = true;
};

// The values that identify the window of an event.
struct WindowValues {
  nsString name;         // the window's name, "NONE" when empty
  nsString title;        // its docshell's title, "NONE" when empty
  nsString parentTitle;  // the top window's docshell title, "NONE" when empty
};

class nsRecorderImpl final : public nsIWebProgressListener,
                             public nsSupportsWeakReference,
                             public nsIDOMEventListener,
                             public nsISHistoryListener,
                             public nsIWindowMediatorListener,
                             public nsISelectionListener,
                             public nsIRunnable,
                             public nsISessionRecorder {
 public:
  explicit nsRecorderImpl(const ClientSocket& aSocket);

  NS_DECL_ISUPPORTS

  // nsIWebProgressListener
  NS_IMETHOD OnStateChange(nsIWebProgress* aWebProgress, nsIRequest* aRequest, PRUint32 aStateFlags,
                           nsresult aStatus) override;
  NS_IMETHOD OnProgressChange(nsIWebProgress* aWebProgress, nsIRequest* aRequest, PRInt32 aCurSelfProgress,
                              PRInt32 aMaxSelfProgress, PRInt32 aCurTotalProgress,
                              PRInt32 aMaxTotalProgress) override;
  NS_IMETHOD OnLocationChange(nsIWebProgress* aWebProgress, nsIRequest* aRequest, nsIURI* aLocation) override;
  NS_IMETHOD OnStatusChange(nsIWebProgress* aWebProgress, nsIRequest* aRequest, nsresult aStatus,
                            const PRUnichar* aMessage) override;
  NS_IMETHOD OnSecurityChange(nsIWebProgress* aWebProgress, nsIRequest* aRequest, PRUint32 aState) override;

  // The recorder's own operations.
  NS_IMETHOD AttachListeners(nsIDOMWindow* aWindow);
  NS_IMETHOD RecordAncestorAction(nsIDOMNode* aNode, const nsAString& aNodeName, const nsAString& aEventType,
                                  PRUint32 aKeyCode);
  NS_IMETHOD DetachAllListeners(void);
  NS_IMETHOD DetachListeners(nsIDOMWindow* aWindow);
  NS_IMETHOD HighlightUnderMouse(nsIDOMNode* aNode, const nsAString& aNodeName);
  NS_IMETHOD TrackWindow(nsIDOMNode* aNode);
  NS_IMETHOD DetachWindow(nsIDOMWindow* aWindow);
  NS_IMETHOD CaptureSelectedText(nsIDOMNode* aNode);
  NS_IMETHOD AttachToCurrentDocument(void);
  NS_IMETHOD StartHighlight(nsIDOMElement* aElement);
  NS_IMETHOD Idle(void) { return NS_OK; }

  // nsIDOMEventListener
  NS_IMETHOD HandleEvent(nsIDOMEvent* aEvent) override;

  // nsISHistoryListener
  NS_IMETHOD OnHistoryNewEntry(nsIURI* aNewURI) override;
  NS_IMETHOD OnHistoryGoBack(nsIURI* aBackURI, PRBool* aContinue) override;
  NS_IMETHOD OnHistoryGoForward(nsIURI* aForwardURI, PRBool* aContinue) override;
  NS_IMETHOD OnHistoryReload(nsIURI* aReloadURI, PRUint32 aReloadFlags, PRBool* aContinue) override;
  NS_IMETHOD OnHistoryGotoIndex(PRInt32 aIndex, nsIURI* aGotoURI, PRBool* aContinue) override;
  NS_IMETHOD OnHistoryPurge(PRInt32 aNumEntries, PRBool* aContinue) override;

  // nsIWindowMediatorListener
  NS_IMETHOD OnWindowTitleChange(nsIXULWindow* aWindow, const PRUnichar* aNewTitle) override;
  NS_IMETHOD OnOpenWindow(nsIXULWindow* aWindow) override;
  NS_IMETHOD OnCloseWindow(nsIXULWindow* aWindow) override;

  // nsISelectionListener
  NS_IMETHOD NotifySelectionChanged(nsIDOMDocument* aDocument, nsISelection* aSelection, PRInt16 aReason) override;

  // nsIRunnable: the highlight thread.
  NS_IMETHOD Run(void) override;

  // The mode switches.
  nsresult SetElementCheckpoint(PRBool aOn);
  nsresult SetTextCheckpoint(PRBool aOn);
  nsresult SetTableCheckpoint(PRBool aOn);

  // nsISessionRecorder
  NS_IMETHOD SetElementCheckpointMode(PRBool aOn) override { return SetElementCheckpoint(aOn); }
  NS_IMETHOD SetTextCheckpointMode(PRBool aOn) override { return SetTextCheckpoint(aOn); }
  NS_IMETHOD SetTableCheckpointMode(PRBool aOn) override { return SetTableCheckpoint(aOn); }
  NS_IMETHOD RemoveWindowListeners(void) override { return DetachAllListeners(); }

  // The index rule: the 0-based position of `aElement` among the elements of its
  // document named `aTag` of kind `aKind` whose identifying value equals `aMatch` (by id
  // when the element has one). What it counts, the finders count.
  static PRInt32 ComputeIndex(nsIDOMElement* aElement, const nsAString& aTag, const nsAString& aKind,
                              const nsAString& aMatch);
  // The text of the table's cell at 1-based `aRow`, `aColumn` ("NONE" when empty, line
  // feeds as blanks, cut to 10 characters with `aCut`); false when there is no such cell.
  static bool CellText(nsIDOMElement* aTable, PRInt32 aRow, PRInt32 aColumn, bool aCut, nsString& aText);
  // The position of the table among the document's tables with the same id ("id") or
  // first-cell text ("cellvalue").
  static PRInt32 TableIndex(nsIDOMElement* aTable, const char* aKey, const nsAString& aValue);

  // Whether a highlight thread is running (for tests and shutdown).
  bool HighlightRunning() const;

 private:
  ~nsRecorderImpl();

  bool ElementCheckpoint() const { return mElementCheckpoint.load(); }
  void Send(const nsAString& aLine);
  void SendRecorded(const char* aAction, const RecordedPairs& aPairs);
  void SendCheckpoint(const nsAString& aBody);
  // The recorded line, or with a checkpoint mode on the checkpoint line of the pairs
  // followed by the tooltip and window blocks.
  void SendElementLine(const char* aAction, const RecordedPairs& aPairs, nsIDOMNode* aNode);

  // Element rules.
  nsresult InputRule(nsIDOMNode* aNode, const nsAString& aEventType);
  nsresult TextAreaRule(nsIDOMNode* aNode);
  nsresult SelectRule(nsIDOMNode* aNode, const nsAString& aEventType);
  nsresult LinkRule(nsIDOMNode* aLink, nsIDOMNode* aClicked);
  nsresult ImageRule(nsIDOMNode* aNode);
  nsresult MapRule(nsIDOMNode* aNode);
  nsresult DivRule(nsIDOMNode* aNode);
  nsresult DialogButtonRule(nsIDOMNode* aNode);
  nsresult DialogTextRule(nsIDOMNode* aNode);
  nsresult DescriptionCheckpoint(nsIDOMNode* aNode);
  nsresult CellCheckpoint(nsIDOMNode* aNode);
  nsresult TableCheckpoint(nsIDOMNode* aNode);
  bool InFileField(nsIDOMNode* aNode);
  void RecordClose(nsIXULWindow* aWindow);
  nsresult DetachWindowAt(nsIDOMWindow* aWindow, int aDepth);
  nsString DialogType(nsIDOMDocument* aDocument);
  void Dispatch(nsIDOMEvent* aEvent, nsIDOMNode* aNode, const nsAString& aName, const nsAString& aType,
                PRUint32 aKeyCode, nsresult& aResult);

  ClientSocket mSocket;
  // Written by the connection thread (mode switches), read by the UI thread.
  std::atomic<PRInt32> mElementCheckpoint{0};
  std::atomic<PRInt32> mTableCheckpoint{0};
  std::atomic<PRInt32> mElementActionSeen{0};
  std::atomic<PRInt32> mWindowClosed{0};
  std::atomic<PRInt32> mDialogButtonClicked{0};
  std::atomic<PRInt32> mTextCheckpoint{0};
  // UI thread only.
  nsString mLastWindowKey;
  // Set on the UI thread, read by the connection thread when a mode is switched off.
  mutable std::mutex mProgressLock;
  nsCOMPtr<nsIWebProgress> mWebProgress;
  // The element the highlight thread outlines; a new request replaces it.
  mutable std::mutex mHighlightLock;
  nsCOMPtr<nsIDOMElement> mHighlightElement;
  PRUint32 mHighlightRequest = 0;
  bool mHighlightRunning = false;
};

// The maker the command loop uses.
nsresult NewRecorder(const ClientSocket& aSocket, nsISessionRecorder** aResult);
