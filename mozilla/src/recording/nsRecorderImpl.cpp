// The recorder's listeners and its event path: progress, window mediator, session
// history and DOM events, and the lines for windows, dialogs and navigation.
#include "nsRecorderImpl.h"

#include "nsIBaseWindow.h"
#include "nsIDOMDocument.h"
#include "nsIDOMEvent.h"
#include "nsIDOMEventTarget.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMKeyEvent.h"
#include "nsIDOMNSEvent.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMXULElement.h"
#include "nsIDocShell.h"
#include "nsISHistory.h"
#include "nsIServiceManagerUtils.h"
#include "nsISimpleEnumerator.h"
#include "nsIURI.h"
#include "nsIWebNavigation.h"
#include "nsIWebProgress.h"
#include "nsIWindowMediator.h"
#include "nsIXULWindow.h"
#include "nsMemory.h"
#include "nsPlayBackUtils.h"
#include "nsServiceManagerUtils.h"
#include "recorder_reading.h"

using namespace recorder_reading;
using nsPlayBackUtils::detail::requestFrom;

// ---- lines

void RecordedPairs::Add(const char* aKey, const nsAString& aValue) {
  if (!mEmpty) mJoined.AppendLiteral(":;:");
  mEmpty = false;
  nsString pair;
  pair.AppendASCII(aKey);
  pair.AppendLiteral(":,:");
  pair.Append(aValue);
  mJoined.Append(pair);
  mTerminated.Append(pair);
  mTerminated.AppendLiteral(":;:");
}

void RecordedPairs::Add(const char* aKey, const char* aValue) { Add(aKey, NS_ConvertASCIItoUTF16(aValue)); }

void RecordedPairs::AddNumber(const char* aKey, PRInt32 aValue) {
  nsString number;
  number.AppendInt(aValue);
  Add(aKey, number);
}

nsString RecordedPairs::Joined() const { return mJoined; }
nsString RecordedPairs::Terminated() const { return mTerminated; }

// ---- life

nsRecorderImpl::nsRecorderImpl(const ClientSocket& aSocket) : mSocket(aSocket) {}

nsRecorderImpl::~nsRecorderImpl() = default;

NS_IMPL_THREADSAFE_ADDREF(nsRecorderImpl)
NS_IMPL_THREADSAFE_RELEASE(nsRecorderImpl)

NS_INTERFACE_MAP_BEGIN(nsRecorderImpl)
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, nsIWebProgressListener)
  NS_INTERFACE_MAP_ENTRY(nsIWebProgressListener)
  NS_INTERFACE_MAP_ENTRY(nsISupportsWeakReference)
  NS_INTERFACE_MAP_ENTRY(nsIDOMEventListener)
  NS_INTERFACE_MAP_ENTRY(nsISHistoryListener)
  NS_INTERFACE_MAP_ENTRY(nsIWindowMediatorListener)
  NS_INTERFACE_MAP_ENTRY(nsISelectionListener)
  NS_INTERFACE_MAP_ENTRY(nsIRunnable)
  NS_INTERFACE_MAP_ENTRY(nsISessionRecorder)
NS_INTERFACE_MAP_END

nsresult NewRecorder(const ClientSocket& aSocket, nsISessionRecorder** aResult) {
  if (!aResult) return NS_ERROR_NULL_POINTER;
  nsRecorderImpl* recorder = new nsRecorderImpl(aSocket);
  NS_ADDREF(*aResult = recorder);
  return NS_OK;
}

void nsRecorderImpl::Send(const nsAString& aLine) {
  // A line that cannot be sent is lost; the host sees the connection end.
  mSocket.Send(aLine);
}

void nsRecorderImpl::SendRecorded(const char* aAction, const RecordedPairs& aPairs) {
  nsString line;
  line.AppendLiteral("RecordEvent_");
  line.AppendASCII(aAction);
  line.AppendLiteral("[");
  line.Append(aPairs.Joined());
  line.AppendLiteral("]\n");
  Send(line);
}

void nsRecorderImpl::SendCheckpoint(const nsAString& aBody) {
  nsString line;
  line.AppendLiteral("CheckPointEvent_");
  line.Append(aBody);
  line.AppendLiteral("\n");
  Send(line);
}

void nsRecorderImpl::SendElementLine(const char* aAction, const RecordedPairs& aPairs, nsIDOMNode* aNode) {
  if (!ElementCheckpoint()) {
    SendRecorded(aAction, aPairs);
    return;
  }
  nsString body = aPairs.Joined();
  body.Append(tooltipBlock(aNode));
  body.Append(windowBlock(windowValuesOf(windowOf(aNode))));
  SendCheckpoint(body);
}

// ---- progress

NS_IMETHODIMP nsRecorderImpl::OnStateChange(nsIWebProgress* aWebProgress, nsIRequest*, PRUint32 aStateFlags,
                                            nsresult) {
  {
    std::lock_guard<std::mutex> hold(mProgressLock);
    mWebProgress = aWebProgress;
  }
  if (aStateFlags & nsIWebProgressListener::STATE_STOP) AttachToCurrentDocument();
  return NS_OK;
}

NS_IMETHODIMP nsRecorderImpl::OnProgressChange(nsIWebProgress*, nsIRequest*, PRInt32, PRInt32, PRInt32, PRInt32) {
  return NS_OK;
}
NS_IMETHODIMP nsRecorderImpl::OnLocationChange(nsIWebProgress*, nsIRequest*, nsIURI*) { return NS_OK; }
NS_IMETHODIMP nsRecorderImpl::OnStatusChange(nsIWebProgress*, nsIRequest*, nsresult, const PRUnichar*) {
  return NS_OK;
}
NS_IMETHODIMP nsRecorderImpl::OnSecurityChange(nsIWebProgress*, nsIRequest*, PRUint32) { return NS_OK; }

// ---- listener sets

namespace {

const char* const kRecordingEvents[] = {"click", "change", "mouseup", "dblclick", "keydown"};

void listen(nsIDOMEventTarget* aTarget, const char* aType, nsIDOMEventListener* aListener, bool aAdd) {
  const NS_ConvertASCIItoUTF16 type(aType);
  if (aAdd)
    aTarget->AddEventListener(type, aListener, PR_TRUE);
  else
    aTarget->RemoveEventListener(type, aListener, PR_TRUE);
}

nsCOMPtr<nsISHistory> historyOf(nsIDOMWindow* aWindow) {
  nsCOMPtr<nsIWebNavigation> navigation = requestFrom<nsIWebNavigation>(aWindow);
  nsCOMPtr<nsISHistory> history;
  if (navigation) navigation->GetSessionHistory(getter_AddRefs(history));
  return history;
}

}  // namespace

NS_IMETHODIMP nsRecorderImpl::AttachListeners(nsIDOMWindow* aWindow) {
  nsCOMPtr<nsIDOMEventTarget> target = queryTo<nsIDOMEventTarget>(aWindow);
  if (!target) return NS_ERROR_FAILURE;
  nsIDOMEventListener* self = this;
  if (!ElementCheckpoint()) {
    for (const char* type : kRecordingEvents) listen(target, type, self, true);
  } else {
    listen(target, "change", self, true);
    listen(target, "dblclick", self, true);
    listen(target, "mouseover", self, false);
  }
  return NS_OK;
}

NS_IMETHODIMP nsRecorderImpl::DetachListeners(nsIDOMWindow* aWindow) {
  nsCOMPtr<nsIDOMEventTarget> target = queryTo<nsIDOMEventTarget>(aWindow);
  if (!target) return NS_ERROR_FAILURE;
  nsIDOMEventListener* self = this;
  if (!ElementCheckpoint()) {
    for (const char* type : kRecordingEvents) listen(target, type, self, false);
  } else {
    listen(target, "change", self, false);
    listen(target, "dblclick", self, false);
    listen(target, "mouseover", self, true);
  }
  return NS_OK;
}

NS_IMETHODIMP nsRecorderImpl::AttachToCurrentDocument(void) {
  nsCOMPtr<nsIWebProgress> progress;
  {
    std::lock_guard<std::mutex> hold(mProgressLock);
    progress = mWebProgress;
  }
  nsCOMPtr<nsIDOMWindow> window;
  if (progress) progress->GetDOMWindow(getter_AddRefs(window));
  if (!window) return NS_OK;
  nsCOMPtr<nsISHistory> history = historyOf(window);
  if (history) history->AddSHistoryListener(this);
  const PRUint32 frames = frameCount(window);
  if (frames == 0) return AttachListeners(window);
  for (PRUint32 i = 0; i < frames; ++i) {
    nsCOMPtr<nsIDOMWindow> frame = frameAt(window, i);
    if (frame) AttachListeners(frame);
  }
  return NS_OK;
}

NS_IMETHODIMP nsRecorderImpl::DetachAllListeners(void) {
  nsresult rv = NS_OK;
  nsCOMPtr<nsIWindowMediator> mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID, &rv);
  if (!mediator) return NS_FAILED(rv) ? rv : NS_ERROR_FAILURE;
  nsCOMPtr<nsISimpleEnumerator> windows;
  rv = mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(windows));
  if (NS_FAILED(rv) || !windows) return NS_FAILED(rv) ? rv : NS_ERROR_FAILURE;
  PRBool more = PR_FALSE;
  while (NS_SUCCEEDED(windows->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> item;
    if (NS_FAILED(windows->GetNext(getter_AddRefs(item)))) break;
    nsCOMPtr<nsIXULWindow> xul = queryTo<nsIXULWindow>(item);
    nsCOMPtr<nsIDocShell> shell;
    if (xul) xul->GetDocShell(getter_AddRefs(shell));
    nsCOMPtr<nsIDOMWindow> own = requestFrom<nsIDOMWindow>(shell);
    nsCOMPtr<nsIDOMWindow> content = frameAt(own, 0);
    if (!content) continue;
    nsCOMPtr<nsISHistory> history = historyOf(content);
    if (history) history->RemoveSHistoryListener(this);
    DetachWindow(content);
  }
  return NS_OK;
}

NS_IMETHODIMP nsRecorderImpl::DetachWindow(nsIDOMWindow* aWindow) {
  return DetachWindowAt(aWindow, 0);
}

nsresult nsRecorderImpl::DetachWindowAt(nsIDOMWindow* aWindow, int aDepth) {
  if (!aWindow) return NS_ERROR_FAILURE;
  // Frame sets nest; a page that nests them without end is not followed past this.
  constexpr int kDeepest = 64;
  const PRUint32 frames = aDepth < kDeepest ? frameCount(aWindow) : 0;
  for (PRUint32 i = 0; i < frames; ++i) DetachWindowAt(frameAt(aWindow, i), aDepth + 1);
  return DetachListeners(aWindow);
}

// ---- DOM events

NS_IMETHODIMP nsRecorderImpl::HandleEvent(nsIDOMEvent* aEvent) {
  mWindowClosed = 0;
  if (!aEvent) return NS_OK;
  if (ElementCheckpoint()) {
    // A click that picks a checkpoint neither navigates nor acts.
    aEvent->StopPropagation();
    aEvent->PreventDefault();
  }
  nsString type;
  aEvent->GetType(type);
  PRUint32 keyCode = 0;
  if (type.EqualsLiteral("keydown")) {
    nsCOMPtr<nsIDOMKeyEvent> key = queryTo<nsIDOMKeyEvent>(aEvent);
    if (key) key->GetKeyCode(&keyCode);
    if (keyCode != 13 && keyCode != 32) return NS_OK;
  }
  nsCOMPtr<nsIDOMNSEvent> nsEvent = queryTo<nsIDOMNSEvent>(aEvent);
  nsCOMPtr<nsIDOMEventTarget> original;
  if (nsEvent) nsEvent->GetOriginalTarget(getter_AddRefs(original));
  nsCOMPtr<nsIDOMNode> node = queryTo<nsIDOMNode>(original);
  if (!node) return NS_OK;
  const nsString name = nodeNameOf(node);

  if (type.EqualsLiteral("mouseover")) {
    // A mode's end re-attaches the last loaded window only; the others still hear the
    // mouse, which outlines only while a mode is on.
    if (ElementCheckpoint()) HighlightUnderMouse(node, name);
    return NS_OK;
  }
  if (type.EqualsLiteral("dblclick") && !name.EqualsLiteral("treechildren")) return NS_OK;
  TrackWindow(node);
  if (mTextCheckpoint.load()) {
    if (type.EqualsLiteral("mouseup")) CaptureSelectedText(node);
    return NS_OK;
  }
  if (mTableCheckpoint.load() && !name.EqualsLiteral("TD")) return NS_OK;

  nsresult result = NS_OK;
  Dispatch(aEvent, node, name, type, keyCode, result);
  if (ElementCheckpoint()) mElementActionSeen = 0;
  return result;
}

void nsRecorderImpl::Dispatch(nsIDOMEvent*, nsIDOMNode* aNode, const nsAString& aName, const nsAString& aType,
                              PRUint32 aKeyCode, nsresult& aResult) {
  const nsString name(aName);
  const nsString type(aType);
  const bool checkpoint = ElementCheckpoint();
  const bool click = type.EqualsLiteral("click");
  const bool mouseUpOrEnter = type.EqualsLiteral("mouseup") || (type.EqualsLiteral("keydown") && aKeyCode == 13);
  if (name.EqualsLiteral("INPUT")) {
    mElementActionSeen = 1;
    if (!InFileField(aNode)) InputRule(aNode, type);
  } else if (name.EqualsLiteral("TEXTAREA")) {
    // A browser whose text areas have no inner parts hands the click to the TEXTAREA
    // itself, where the ancestor walk would otherwise have found it.
    if (type.EqualsLiteral("change") || (checkpoint && click)) TextAreaRule(aNode);
  } else if (name.EqualsLiteral("SELECT")) {
    mElementActionSeen = 1;
    SelectRule(aNode, type);
  } else if (name.EqualsLiteral("A")) {
    if (mouseUpOrEnter) {
      mElementActionSeen = 1;
      LinkRule(aNode, aNode);
    }
  } else if (name.EqualsLiteral("IMG")) {
    if (mouseUpOrEnter) {
      mElementActionSeen = 1;
      ImageRule(aNode);
    }
  } else if (name.EqualsLiteral("AREA")) {
    if (click) {
      mElementActionSeen = 1;
      MapRule(aNode);
    }
  } else if (name.EqualsLiteral("xul:button") || name.EqualsLiteral("button")) {
    if (click || type.EqualsLiteral("keydown")) {
      mElementActionSeen = 1;
      // A button picked for a checkpoint does not answer its dialog, so the dialog's
      // close, when it comes, is the user's own and is recorded.
      if (!checkpoint) mDialogButtonClicked = 1;
      DialogButtonRule(aNode);
    }
  } else if (name.EqualsLiteral("html:input")) {
    if (type.EqualsLiteral("change")) DialogTextRule(aNode);
  } else if (name.EqualsLiteral("OPTION")) {
    if (checkpoint) SelectRule(parentOf(aNode), NS_LITERAL_STRING("click"));
  } else if (name.EqualsLiteral("DIV")) {
    if (type.EqualsLiteral("mouseup") && !checkpoint) {
      mElementActionSeen = 1;
      DivRule(aNode);
    }
  } else if (name.EqualsLiteral("description")) {
    if (checkpoint) {
      if (type.EqualsLiteral("mouseup"))
        aResult = NS_ERROR_FAILURE;
      else
        DescriptionCheckpoint(aNode);
    }
  } else if (name.EqualsLiteral("TD") && mTableCheckpoint.load()) {
    if (click) aResult = TableCheckpoint(aNode);
  } else if (name.EqualsLiteral("TD") && checkpoint) {
    if (click) aResult = CellCheckpoint(aNode);
  } else if (click || type.EqualsLiteral("mouseup") || type.EqualsLiteral("keydown")) {
    RecordAncestorAction(aNode, name, type, aKeyCode);
  }
}

NS_IMETHODIMP nsRecorderImpl::RecordAncestorAction(nsIDOMNode* aNode, const nsAString&, const nsAString& aEventType,
                                                   PRUint32) {
  const nsString type(aEventType);
  const bool checkpoint = ElementCheckpoint();
  nsCOMPtr<nsIDOMNode> node = parentOf(aNode);
  while (node) {
    const nsString name = nodeNameOf(node);
    if (name.EqualsLiteral("#document")) return NS_OK;
    if (name.EqualsLiteral("A")) {
      const bool skip = checkpoint ? type.EqualsLiteral("mouseup") : type.EqualsLiteral("click");
      if (skip) return NS_OK;
      mElementActionSeen = 1;
      return LinkRule(node, node);
    }
    if (name.EqualsLiteral("INPUT")) return InputRule(node, type);
    if (name.EqualsLiteral("TEXTAREA")) return checkpoint ? TextAreaRule(node) : NS_OK;
    if (name.EqualsLiteral("html:input")) {
      return checkpoint && type.EqualsLiteral("mouseup") ? DialogTextRule(node) : NS_OK;
    }
    node = parentOf(node);
  }
  return NS_OK;
}

bool nsRecorderImpl::InFileField(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMNode> parent = parentOf(aNode);
  if (!parent || !nodeNameOf(parent).EqualsLiteral("INPUT")) return false;
  nsCOMPtr<nsIDOMNode> grand = parentOf(parent);
  nsCOMPtr<nsIDOMNodeList> children;
  if (!grand || NS_FAILED(grand->GetChildNodes(getter_AddRefs(children))) || !children) return false;
  const PRUint32 length = nsPlayBackUtils::detail::lengthOf(children);
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMNode> child = nsPlayBackUtils::detail::itemOf(children, i);
    nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(child);
    if (element && nodeNameOf(child).EqualsLiteral("INPUT") &&
        nsPlayBackUtils::detail::attributeOf(element, u"type").EqualsIgnoreCase(NS_LITERAL_STRING("file")))
      return true;
  }
  return false;
}

// ---- windows

NS_IMETHODIMP nsRecorderImpl::TrackWindow(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMWindow> window = windowOf(aNode);
  if (!window || ElementCheckpoint()) return NS_OK;
  const WindowValues values = windowValuesOf(window);
  nsString key = values.name;
  key.AppendLiteral("_");
  key.Append(values.parentTitle);
  key.AppendLiteral("_");
  key.Append(values.title);
  if (key.Equals(mLastWindowKey)) return NS_OK;
  mLastWindowKey = key;

  nsCOMPtr<nsIDOMDocument> document;
  window->GetDocument(getter_AddRefs(document));
  RecordedPairs pairs;
  if (queryTo<nsIDOMHTMLDocument>(document)) {
    pairs.Add("windowname", values.name);
    pairs.Add("windowtitle", values.title);
    pairs.Add("parenttitle", values.parentTitle);
    SendRecorded("setWindow", pairs);
  } else {
    pairs.Add("windowname", "NONE");
    pairs.Add("windowtitle", values.title);
    pairs.Add("parenttitle", "NONE");
    pairs.Add("type", DialogType(document));
    SendRecorded("setAlertWindow", pairs);
  }
  return NS_OK;
}

nsString nsRecorderImpl::DialogType(nsIDOMDocument* aDocument) {
  nsCOMPtr<nsIDOMNodeList> anonymous;
  nsPlayBackUtils::GetRootAnonymousNodes(aDocument, getter_AddRefs(anonymous));
  auto visible = [&](const char* aLabel) {
    nsCOMPtr<nsIDOMNode> button;
    if (!anonymous) return false;
    nsPlayBackUtils::FindNodeByName(NS_LITERAL_STRING("xul:button"), anonymous, NS_LITERAL_STRING("label"),
                                    NS_ConvertASCIItoUTF16(aLabel), getter_AddRefs(button));
    nsCOMPtr<nsIDOMXULElement> xul = queryTo<nsIDOMXULElement>(button);
    PRBool hidden = PR_TRUE;
    if (!xul || NS_FAILED(xul->GetHidden(&hidden))) return false;
    return !hidden;
  };
  const bool ok = visible("OK");
  const bool cancel = visible("Cancel");
  nsCOMPtr<nsIDOMElement> login;
  nsPlayBackUtils::FindXULTextboxInput(aDocument, NS_LITERAL_STRING("loginTextbox"), getter_AddRefs(login));
  nsString type;
  if (ok && cancel && login)
    type.AssignLiteral("prompt");
  else if (ok && cancel)
    type.AssignLiteral("confirm");
  else if (ok && !cancel && !login)
    type.AssignLiteral("alert");
  else
    type.AssignLiteral("others");
  return type;
}

NS_IMETHODIMP nsRecorderImpl::OnWindowTitleChange(nsIXULWindow*, const PRUnichar*) { return NS_OK; }
NS_IMETHODIMP nsRecorderImpl::OnOpenWindow(nsIXULWindow*) { return NS_OK; }

NS_IMETHODIMP nsRecorderImpl::OnCloseWindow(nsIXULWindow* aWindow) {
  mLastWindowKey.Truncate();
  if (!ElementCheckpoint() && !mDialogButtonClicked.load()) {
    mWindowClosed = 1;
    RecordClose(aWindow);
    mElementActionSeen = 0;
  }
  mDialogButtonClicked = 0;
  return NS_OK;
}

namespace {

nsString documentTitleOf(nsIDOMWindow* aWindow) {
  nsCOMPtr<nsIDOMDocument> document;
  if (aWindow) aWindow->GetDocument(getter_AddRefs(document));
  nsCOMPtr<nsIDOMHTMLDocument> html = queryTo<nsIDOMHTMLDocument>(document);
  nsString title;
  if (html && NS_FAILED(html->GetTitle(title))) title.Truncate();
  return none(title);
}

}  // namespace

void nsRecorderImpl::RecordClose(nsIXULWindow* aWindow) {
  if (!aWindow) return;
  nsCOMPtr<nsIDocShell> shell;
  aWindow->GetDocShell(getter_AddRefs(shell));
  nsCOMPtr<nsIBaseWindow> base = queryTo<nsIBaseWindow>(shell);
  nsString title;
  PRUnichar* raw = nullptr;
  if (base && NS_SUCCEEDED(base->GetTitle(&raw)) && raw) {
    title.Assign(raw);
    nsMemory::Free(raw);
  }
  RecordedPairs pairs;
  nsString line;
  line.AppendLiteral("RecordEvent_");
  if (!title.IsEmpty()) {
    pairs.Add("windowtitle", title);
    line.AppendLiteral("closeAlertWindow[");
  } else {
    nsCOMPtr<nsIDOMWindow> content = frameAt(requestFrom<nsIDOMWindow>(shell), 0);
    const nsString pageTitle = documentTitleOf(content);
    pairs.Add("parenttitle", pageTitle);
    if (frameCount(content) > 0) {
      nsCOMPtr<nsIDOMWindow> first = frameAt(content, 0);
      nsString frameName;
      if (first && NS_FAILED(first->GetName(frameName))) frameName.Truncate();
      pairs.Add("windowname", none(frameName));
      pairs.Add("windowtitle", documentTitleOf(first));
    } else {
      pairs.Add("windowname", "NONE");
      pairs.Add("windowtitle", pageTitle);
    }
    line.AppendLiteral("closeWindow[");
  }
  line.Append(pairs.Terminated());
  line.AppendLiteral("]\n");
  Send(line);
}

// ---- session history

NS_IMETHODIMP nsRecorderImpl::OnHistoryNewEntry(nsIURI* aNewURI) {
  if (aNewURI && !mElementActionSeen.load() && !mWindowClosed.load()) {
    nsCString uriText;
    aNewURI->GetSpec(uriText);
    RecordedPairs pairs;
    pairs.Add("name", NS_ConvertUTF8toUTF16(uriText));
    mLastWindowKey.Truncate();
    SendRecorded("changeURL", pairs);
  }
  mWindowClosed = 0;
  return NS_OK;
}

NS_IMETHODIMP nsRecorderImpl::OnHistoryGoBack(nsIURI*, PRBool*) {
  RecordedPairs pairs;
  pairs.Add("name", "Back");
  SendRecorded("clickMainToolBarButton", pairs);
  return NS_OK;
}

NS_IMETHODIMP nsRecorderImpl::OnHistoryGoForward(nsIURI*, PRBool*) {
  RecordedPairs pairs;
  pairs.Add("name", "Forward");
  SendRecorded("clickMainToolBarButton", pairs);
  return NS_OK;
}

NS_IMETHODIMP nsRecorderImpl::OnHistoryReload(nsIURI*, PRUint32, PRBool*) {
  if (mElementActionSeen.load()) return NS_OK;
  RecordedPairs pairs;
  pairs.Add("name", "Refresh");
  SendRecorded("clickMainToolBarButton", pairs);
  return NS_OK;
}

NS_IMETHODIMP nsRecorderImpl::OnHistoryGotoIndex(PRInt32, nsIURI*, PRBool*) { return NS_OK; }
NS_IMETHODIMP nsRecorderImpl::OnHistoryPurge(PRInt32, PRBool*) { return NS_OK; }
