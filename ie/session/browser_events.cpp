// The browser's events (DWebBrowserEvents2) and the document sinks they keep attached.
// Every handler runs on the recorder thread, the thread that subscribed.
#include <exdispid.h>

#include <algorithm>
#include <array>
#include <utility>

#include "com/bstr.h"
#include "common/line_kinds.h"
#include "common/script_line.h"
#include "common/trace_log.h"
#include "core/process_state.h"
#include "core/running_loops.h"
#include "recorder/recorder_thread.h"
#include "recording/pending_text_line.h"
#include "session/browser_event_sink.h"
#include "session/document_access.h"
#include "session/cwebbrowser2.h"

namespace {

// Framesets inside framesets followed when attaching sinks; deeper frames are left.
constexpr int kMaxFrameNesting = 16;

// Whether the document holds frames (without a trace line: frameCount traces).
bool hasFrames(IHTMLDocument2* document) {
  ComPtr<IHTMLFramesCollection2> frames;
  LONG length = 0;
  return SUCCEEDED(document->get_frames(frames.put())) && frames && SUCCEEDED(frames->get_length(&length)) &&
         length > 0;
}

// Argument `i` (in declaration order) of an event call; DISPPARAMS holds them in
// reverse order.
VARIANT* argument(DISPPARAMS* params, UINT i) {
  if (params == nullptr || i >= params->cArgs) return nullptr;
  return &params->rgvarg[params->cArgs - 1 - i];
}

IDispatch* dispatchArgument(DISPPARAMS* params, UINT i) {
  VARIANT* v = argument(params, i);
  if (v == nullptr) return nullptr;
  if (V_VT(v) == VT_DISPATCH) return V_DISPATCH(v);
  if (V_VT(v) == (VT_DISPATCH | VT_BYREF) && V_DISPATCHREF(v) != nullptr) return *V_DISPATCHREF(v);
  return nullptr;
}

// A text argument passed as a VARIANT reference holding a BSTR.
std::string textArgument(DISPPARAMS* params, UINT i) {
  VARIANT* v = argument(params, i);
  if (v != nullptr && V_VT(v) == (VT_VARIANT | VT_BYREF)) v = V_VARIANTREF(v);
  if (v == nullptr) return {};
  if (V_VT(v) == VT_BSTR) return ansiFromBstr(V_BSTR(v), SysStringLen(V_BSTR(v)));
  if (V_VT(v) == (VT_BSTR | VT_BYREF) && V_BSTRREF(v) != nullptr)
    return ansiFromBstr(*V_BSTRREF(v), SysStringLen(*V_BSTRREF(v)));
  return {};
}

VARIANT_BOOL* boolReference(DISPPARAMS* params, UINT i) {
  VARIANT* v = argument(params, i);
  return v != nullptr && V_VT(v) == (VT_BOOL | VT_BYREF) ? V_BOOLREF(v) : nullptr;
}

ComPtr<IWebBrowser2> browserOf(IDispatch* target) {
  ComPtr<IWebBrowser2> browser;
  if (target != nullptr) target->QueryInterface(IID_IWebBrowser2, browser.putVoid());
  return browser;
}

// The connection of the event being handled, per thread: events are delivered on the
// thread that subscribed, and two recorder threads (an ending session's and the next
// one's) may handle events at the same time.
constexpr size_t kNoConnection = static_cast<size_t>(-1);
thread_local size_t handledConnection = kNoConnection;

ComPtr<IConnectionPoint> browserEventsPoint(IWebBrowser2* browser) {
  ComPtr<IConnectionPointContainer> container;
  ComPtr<IConnectionPoint> point;
  if (browser != nullptr && SUCCEEDED(browser->QueryInterface(IID_IConnectionPointContainer, container.putVoid())))
    container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.put());
  return point;
}

}  // namespace

// --- IUnknown / IDispatch: the event map ---

ULONG STDMETHODCALLTYPE CWebBrowser2::AddRef() { return ++references_; }
ULONG STDMETHODCALLTYPE CWebBrowser2::Release() { return --references_; }

HRESULT STDMETHODCALLTYPE CWebBrowser2::Invoke(DISPID dispIdMember, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                               EXCEPINFO*, UINT*) {
  // The events the recorder follows; the others (status text, progress, command state,
  // title, property change and the window-state notifications) are accepted and ignored.
  struct Entry {
    DISPID id;
    void (*handle)(CWebBrowser2&, DISPPARAMS*);
  };
  static constexpr std::array<Entry, 7> kEventMap = {{
      {DISPID_DOWNLOADBEGIN, [](CWebBrowser2& b, DISPPARAMS*) { b.onDownloadBegin(); }},
      {DISPID_DOWNLOADCOMPLETE, [](CWebBrowser2& b, DISPPARAMS*) { b.onDownloadComplete(); }},
      {DISPID_BEFORENAVIGATE2,
       [](CWebBrowser2& b, DISPPARAMS* p) {
         b.onBeforeNavigate2(dispatchArgument(p, 0), textArgument(p, 1), textArgument(p, 3), boolReference(p, 6));
       }},
      {DISPID_NEWWINDOW2,
       [](CWebBrowser2& b, DISPPARAMS* p) {
         VARIANT* v = argument(p, 0);
         IDispatch** newWindow = v != nullptr && V_VT(v) == (VT_DISPATCH | VT_BYREF) ? V_DISPATCHREF(v) : nullptr;
         b.onNewWindow2(newWindow, boolReference(p, 1));
       }},
      {DISPID_NAVIGATECOMPLETE2,
       [](CWebBrowser2& b, DISPPARAMS* p) { b.onNavigateComplete2(dispatchArgument(p, 0), textArgument(p, 1)); }},
      {DISPID_DOCUMENTCOMPLETE,
       [](CWebBrowser2& b, DISPPARAMS* p) { b.onDocumentComplete(dispatchArgument(p, 0), textArgument(p, 1)); }},
      {DISPID_ONQUIT, [](CWebBrowser2& b, DISPPARAMS*) { b.onQuit(); }},
  }};
  for (const Entry& entry : kEventMap) {
    if (entry.id == dispIdMember) {
      entry.handle(*this, params);
      break;
    }
  }
  return S_OK;
}

HRESULT CWebBrowser2::invokeFromConnection(size_t connection, DISPID dispIdMember, REFIID riid, LCID lcid,
                                           WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult,
                                           EXCEPINFO* pExcepInfo, UINT* puArgErr) {
  // Events nest (a handler's call into the browser lets the next event in), so the
  // outer event's connection comes back when the inner one is done.
  const size_t outer = std::exchange(handledConnection, connection);
  HRESULT hr = S_OK;
  // The browser called in: nothing a handler throws goes back into it.
  try {
    // A browser that has left the table (its window closed, or cleared) may still send
    // late events, for frames that were loading, say. The handlers work on the table's
    // current entry, which by then may belong to the next session's browser: such an
    // event must not touch it.
    if (eventEntry() >= 0)
      hr = Invoke(dispIdMember, riid, lcid, wFlags, pDispParams, pVarResult, pExcepInfo, puArgErr);
  } catch (...) {
    trace("Browser event handler failed\n");
    hr = DISP_E_EXCEPTION;
  }
  handledConnection = outer;
  return hr;
}

size_t CWebBrowser2::eventConnection() const { return handledConnection; }

ComPtr<IWebBrowser2> CWebBrowser2::topBrowser() const {
  std::lock_guard lock(mutex_);
  return topBrowser_;
}

void CWebBrowser2::setTopBrowser(IWebBrowser2* top) {
  ComPtr<IWebBrowser2> replaced(top);
  {
    std::lock_guard lock(mutex_);
    std::swap(topBrowser_, replaced);
  }
}

// --- Connecting to browsers ---

HRESULT CWebBrowser2::subscribe(IWebBrowser2* target) {
  ComPtr<IConnectionPoint> point = browserEventsPoint(target);
  if (!point) return E_NOINTERFACE;
  SHANDLE_PTR window = 0;
  target->get_HWND(&window);
  std::lock_guard lock(mutex_);
  const size_t connection = connectedBrowsers_.size();
  ComPtr<BrowserEventSink> sink = BrowserEventSink::create(*this, connection);
  DWORD cookie = 0;
  const HRESULT hr = point->Advise(static_cast<IDispatch*>(sink.get()), &cookie);
  if (FAILED(hr)) return hr;
  lastCookie_ = cookie;
  connectionCookies_.push_back(cookie);
  connectedBrowsers_.emplace_back(target);
  connectedWindows_.push_back(reinterpret_cast<HWND>(window));
  return S_OK;
}

int CWebBrowser2::eventEntry() const {
  std::lock_guard lock(mutex_);
  const size_t connection = eventConnection();
  if (connection >= connectedWindows_.size()) return -1;
  const HWND window = connectedWindows_[connection];
  for (size_t i = 0; i < windowHandles_.size(); ++i)
    if (windowHandles_[i] == window) return static_cast<int>(i);
  return -1;
}

ComPtr<IWebBrowser2> CWebBrowser2::eventBrowser() const {
  std::lock_guard lock(mutex_);
  const size_t connection = eventConnection();
  if (connection < connectedBrowsers_.size()) return connectedBrowsers_[connection];
  return ComPtr<IWebBrowser2>(browser());
}

std::shared_ptr<DocumentSinkList> CWebBrowser2::sinkListForEvent() {
  std::lock_guard lock(mutex_);
  // A handler may resume after its own window quit (the quit arrived nested in one of
  // its calls into the page) while the next session has added its browser already.
  if (eventConnection() != kNoConnection && eventEntry() < 0) return nullptr;
  return sinkList(processState().currentBrowserIndex);
}

void CWebBrowser2::recordLaunchLine(const std::string& url) {
  handOverLine(scriptline::launchLine<std::string>(url));
}

int CWebBrowser2::startRecordingOnBrowser() {
  ProcessState& state = processState();
  bool recordedBefore = false;
  {
    std::lock_guard lock(mutex_);
    const std::shared_ptr<DocumentSinkList> list = sinkList(state.currentBrowserIndex);
    recordedBefore = list != nullptr && !list->sinks.empty();
  }
  if (recordedBefore) {
    if (state.recordLaunchLine != 0) recordLaunchLine(getLocationURL());
    trace("Recording Started after Stop");
    return 1;
  }

  setTopBrowser(browser());
  if (FAILED(subscribe(browser()))) {
    trace("Event Connection with Web Browser Failed\n");
    return 0;
  }
  state.currentBrowserIndex = 0;
  trace("Web Record Event Connection Successful\n");

  ComPtr<IDispatch> document = getDocument();
  if (document) {
    ComPtr<IHTMLDocument2> html;
    document.query(IID_IHTMLDocument2, html);
    state.setParentTitle(titleOf(html.get()));
    recordLaunchLine(urlOf(html.get()));
    sinkDocumentEvents(document.get());
  } else {
    trace("Document in Browser is Blank Page\n");
    recordLaunchLine("about:blank");
  }
  return 1;
}

int CWebBrowser2::connectNewBrowser(IWebBrowser2* newBrowser) {
  setBrowser(newBrowser);
  if (FAILED(subscribe(newBrowser))) {
    trace("Event Connection with Web Browser Failed\n");
    return 0;
  }
  trace("Web Record Event Connection Successful\n");
  marshalBrowser();
  ComPtr<IDispatch> document = getDocument();
  if (document) {
    processState().currentBrowserIndex = static_cast<int>(browserCount()) - 1;
    sinkDocumentEvents(document.get());
  }
  return 1;
}

// --- Attaching document sinks ---

void CWebBrowser2::sinkDocumentEvents(IDispatch* document) {
  trace("------------------------- SinkDocumentEvents -------------------\n");
  ComPtr<IHTMLDocument2> html;
  if (document == nullptr || FAILED(document->QueryInterface(IID_IHTMLDocument2, html.putVoid()))) {
    trace("QueryInterface to IID_IHTMLDocument2 failed\n");
    return;
  }
  if (frameCount(html.get()))
    sinkDocumentWithFrames(html.get());
  else
    sinkNewPage(html.get());
}

ComPtr<IHTMLFramesCollection2> CWebBrowser2::frameCount(IHTMLDocument2* document) {
  ComPtr<IHTMLFramesCollection2> frames;
  LONG length = 0;
  if (SUCCEEDED(document->get_frames(frames.put())) && frames && SUCCEEDED(frames->get_length(&length)) &&
      length > 0) {
    trace("Document has %ld frames\n", static_cast<long>(length));
    return frames;
  }
  trace("Document has no frames\n");
  return {};
}

void CWebBrowser2::sinkNewPage(IHTMLDocument2* document) {
  const std::string url = urlOf(document);
  Bstr title;
  document->get_title(title.put());
  const std::string name = title.toAnsiOr(scriptline::kNone);
  trace("\t\tSink New Page Events for %s\n", url.c_str());
  trace("------------------------------\n");

  std::shared_ptr<DocumentSinkList> list;
  std::vector<ComPtr<CHTMLDocument2>> replaced;
  std::vector<std::string> replacedNames;
  {
    std::lock_guard lock(mutex_);
    list = sinkListForEvent();
    if (list == nullptr) return;
    replaced.swap(list->sinks);
    replacedNames.swap(list->sinkNames);
  }
  for (size_t i = 0; i < replaced.size(); ++i) {
    trace("\tPage Replaced Old - New %s - %s\n", replacedNames[i].c_str(), url.c_str());
    replaced[i]->resetConnections();
  }
  replaced.clear();  // the old sinks go before the new one comes
  attachSink(list, document, name);
}

void CWebBrowser2::attachSink(const std::shared_ptr<DocumentSinkList>& list, IHTMLDocument2* document,
                              const std::string& name) {
  ComPtr<CHTMLDocument2> sink = CHTMLDocument2::create();
  {
    std::lock_guard lock(mutex_);
    if (!holdsList(list.get())) return;  // the window quit meanwhile
    list->sinks.push_back(sink);
    list->sinkNames.push_back(name);
  }
  // In the list before it attaches: attaching calls into the page, and an event let in
  // meanwhile (the frame navigating again, the window quitting) must find it to
  // replace or drop it.
  sink->attachDocument(document);
  bool kept = false;
  {
    std::lock_guard lock(mutex_);
    kept = holdsList(list.get()) && std::any_of(list->sinks.begin(), list->sinks.end(),
                                         [&](const ComPtr<CHTMLDocument2>& held) { return held.get() == sink.get(); });
  }
  if (!kept) sink->resetConnections();  // replaced or dropped while it attached
}

void CWebBrowser2::sinkSingleFrame(IHTMLDocument2* document) {
  const std::string url = urlOf(document);
  const std::string windowName = windowNameOf(document, "NONE");
  trace("\t\tEvents for Single Frame %s\n", url.c_str());
  trace("\t\tName of Single Frame %s\n", windowName.c_str());

  std::shared_ptr<DocumentSinkList> list;
  ComPtr<CHTMLDocument2> replaced;
  std::string replacedName;
  {
    std::lock_guard lock(mutex_);
    list = sinkListForEvent();
    if (list == nullptr) return;
    const auto named = std::find(list->sinkNames.begin(), list->sinkNames.end(), windowName);
    if (named != list->sinkNames.end()) {
      const auto at = named - list->sinkNames.begin();
      replaced = list->sinks[static_cast<size_t>(at)];
      replacedName = *named;
      list->sinks.erase(list->sinks.begin() + at);
      list->sinkNames.erase(named);
    }
  }
  if (replaced) {
    trace("\tFrame Replaced old - new %s - %s\n", replacedName.c_str(), windowName.c_str());
    replaced->resetConnections();
    replaced.reset();
  }
  attachSink(list, document, windowName);
}

void CWebBrowser2::sinkDocumentWithFrames(IHTMLDocument2* document) { sinkFramesOf(document, 0); }

void CWebBrowser2::sinkFramesOf(IHTMLDocument2* document, int depth) {
  trace("Sink Events For Document With Frames %s\n", urlOf(document).c_str());
  ComPtr<IOleContainer> container;
  if (FAILED(document->QueryInterface(IID_IOleContainer, container.putVoid()))) {
    trace("HTMLDocument Container Failed");
    return;
  }
  ComPtr<IEnumUnknown> embedded;
  if (FAILED(container->EnumObjects(OLECONTF_EMBEDDINGS, embedded.put())) || !embedded) {
    trace("Frame Enumeration Failed\n");
    return;
  }
  for (;;) {
    ComPtr<IUnknown> object;
    ULONG fetched = 0;
    if (embedded->Next(1, object.put(), &fetched) != S_OK || fetched != 1) break;
    ComPtr<IWebBrowser2> frame;
    if (FAILED(object.query(IID_IWebBrowser2, frame))) continue;
    ComPtr<IHTMLDocument2> frameDocument = htmlDocumentOf(frame.get());
    if (!frameDocument) continue;
    sinkSingleFrame(frameDocument.get());
    // A frame that is a frameset itself: its frames get sinks too. When recording starts
    // on a page already loaded, no frame reports its completion, and the inner frames
    // would otherwise stay unrecorded.
    if (depth < kMaxFrameNesting && hasFrames(frameDocument.get())) sinkFramesOf(frameDocument.get(), depth + 1);
  }
}

// --- Stopping ---

void CWebBrowser2::stopRecording() {
  trace("%s", "%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%\n");
  resetSinks(processState().currentBrowserIndex);
  {
    std::lock_guard lock(reattachMutex_);
    sinksReset_ = true;
  }
  // Off from now on, not from whenever the record loop wakes: a line made between
  // this call's return and the loop's turn (a window closing) must not reach the host.
  processState().recordingEnabled = false;
  processState().pendingLines.clear();
  pendingTextLine().clear();
  trace("Event Recording Stopped\n");
  signalNamedEvent(kStopRecordingEvent);
  trace("Stop Event notified\n");
}

void CWebBrowser2::reattachSinks() {
  {
    std::lock_guard lock(reattachMutex_);
    if (!sinksReset_) return;
    sinksReset_ = false;
    ++reattaching_;
  }
  struct Done {
    CWebBrowser2& self;
    ~Done() {
      std::lock_guard lock(self.reattachMutex_);
      --self.reattaching_;
    }
  } done{*this};
  unmarshalBrowser(processState().currentBrowserIndex);
  if (const ComPtr<IDispatch> document = getDocument()) {
    trace("Recording Started again: Document Events Sunk again\n");
    sinkDocumentEvents(document.get());
  }
}

bool CWebBrowser2::reattachPending() const {
  std::lock_guard lock(reattachMutex_);
  return sinksReset_ || reattaching_ > 0;
}

void CWebBrowser2::disconnectAll() {
  std::lock_guard lock(mutex_);
  trace("\tWindow Cookie size %d\n", static_cast<int>(connectionCookies_.size()));
  for (size_t i = 0; i < connectionCookies_.size(); ++i) {
    if (connectionCookies_[i] == 0) continue;
    ComPtr<IConnectionPoint> point = browserEventsPoint(connectedBrowsers_[i].get());
    if (point && SUCCEEDED(point->Unadvise(connectionCookies_[i]))) trace("\t\tBrowser Connection UnAdvised\n");
  }
  trace("%s", "%%%%%%%RESET Method End %%%%%\n");
}

// --- Event handlers ---

void CWebBrowser2::onBeforeNavigate2(IDispatch*, const std::string& url, const std::string& targetFrameName,
                                     VARIANT_BOOL* cancel) {
  if (processState().checkPointMode) {
    // No navigation while the user picks a checkpoint.
    if (cancel != nullptr) *cancel = VARIANT_TRUE;
    return;
  }
  if (!targetFrameName.empty()) {
    trace("OnBeforeNavigate2 Frame NAME is%s\n", targetFrameName.c_str());
    frameNavigation_ = true;
  } else {
    trace("OnBeforeNavigate2  Frame URL is %s\n", url.c_str());
    trace("-----------------------------------------\n");
    setTopBrowser(nullptr);
  }
  pageLoaded_ = false;
}

void CWebBrowser2::onDownloadBegin() {
  trace("OnDownloadBegin !!!\n");
  if (pageLoaded_) trace("OnDownloadBegin Page Refreshed \n");
}

void CWebBrowser2::onDownloadComplete() {
  trace("OnDownloadComplete %d\n", pageLoaded_ ? 1 : 0);
  // A download with no navigation before it is a refresh of the page in place.
  if (pageLoaded_) {
    ComPtr<IDispatch> document = getDocument();
    if (document) sinkDocumentEvents(document.get());
  }
}

void CWebBrowser2::onNavigateComplete2(IDispatch* target, const std::string& url) {
  trace("NavigateComplete \n");
  ComPtr<IWebBrowser2> targetBrowser = browserOf(target);
  if (topBrowser()) {
    setBrowser(targetBrowser.get());
    if (ComPtr<IHTMLDocument2> document = htmlDocumentOf(browser())) {
      titleOf(document.get());
      trace("\t\tNC Single Frame url %s\n", url.c_str());
      frameNavigation_ = true;
    } else {
      trace("\t\tNC DOCUMENT QUERY FAILED %s\n", url.c_str());
    }
  } else {
    frameNavigation_ = false;
    setBrowser(targetBrowser.get());
    setTopBrowser(targetBrowser.get());
    trace("\t\tTOP LEVEL FRAME title %s\n", titleOf(htmlDocumentOf(browser()).get()).c_str());
  }
}

void CWebBrowser2::onDocumentComplete(IDispatch* target, const std::string&) {
  trace("OnDocumentComplete \n");
  const READYSTATE state = getReadyState();
  if (state != READYSTATE_COMPLETE) {
    trace("\tDocument Complete State %d \n", static_cast<int>(state));
    return;
  }
  if (processState().playing) signalNamedEvent(kPlayEvent);

  ComPtr<IWebBrowser2> targetBrowser = browserOf(target);
  const ComPtr<IWebBrowser2> top = topBrowser();
  const bool isTop = top && isEqualObject(targetBrowser.get(), top.get());
  if (isTop && frameNavigation_) {
    trace("VVVVVVVVVV DOCUMENT AFTER  FRAME LOADING VVVVVVVVVVVVVV\n");
    ComPtr<IHTMLDocument2> document = htmlDocumentOf(targetBrowser.get());
    processState().setParentTitle(titleOf(document.get()));
    if (document) sinkSingleFrame(document.get());
  } else if (isTop) {
    trace("UUUUUUUUU COMPLETE PAGE LOADED UUUUUUUUUUU \n");
    ComPtr<IDispatch> document;
    targetBrowser->get_Document(document.put());
    sinkDocumentEvents(document.get());
    pageLoaded_ = true;
  } else {
    trace("XXXXXXXXXXXX FRAMES OF A PAGE LOADED XXXXXXXXXXXXX\n");
    if (ComPtr<IHTMLDocument2> document = htmlDocumentOf(targetBrowser.get())) sinkSingleFrame(document.get());
    frameNavigation_ = true;
  }
}

void CWebBrowser2::onNewWindow2(IDispatch** newWindow, VARIANT_BOOL* cancel) {
  trace("OnNewWindow2 \n");
  ProcessState& state = processState();
  if (state.checkPointMode) {
    if (cancel != nullptr) *cancel = VARIANT_TRUE;
    return;
  }
  trace(" Browser Index is ON new window: %d \n", state.currentBrowserIndex.load());
  if (cancel != nullptr) *cancel = VARIANT_FALSE;
  ComPtr<IWebBrowser2> created;
  if (FAILED(CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, IID_IWebBrowser2,
                              created.putVoid())))
    return;
  appendSinkList();
  created->put_RegisterAsBrowser(VARIANT_TRUE);
  if (newWindow != nullptr) {
    ComPtr<IDispatch> application;
    created->get_Application(application.put());
    *newWindow = application.detach();
  }
  SHANDLE_PTR handle = 0;
  created->get_HWND(&handle);
  appendWindowHandle(reinterpret_cast<HWND>(handle));
  state.setLastParentTitle("");
  connectNewBrowser(created.get());
  setTopBrowser(nullptr);
  frameNavigation_ = true;
}

void CWebBrowser2::onQuit() {
  ProcessState& state = processState();
  // The entry of the window that quit. The entry the session works on may be another
  // one (a pop-up opened after it, for instance); removing that one instead would leave
  // the closed window in the table and the last close would never end the loops.
  const int quitting = eventEntry();
  const int index = quitting >= 0 ? quitting : state.currentBrowserIndex.load();
  trace("Browser Window OnQuit Called %d\n", index);
  if (!state.playing) {
    ComPtr<IHTMLDocument2> document = htmlDocumentOf(eventBrowser().get());
    Bstr title;
    if (document) document->get_title(title.put());
    scriptline::Line<std::string> line(scriptline::ie::kCloseWindow);
    line.set("windowname", windowNameOf(document.get(), "NONE"));
    line.set("windowtitle", title.toAnsiOr(scriptline::kNone));
    line.set("parenttitle", state.parentTitle());
    handOverLine(line.recordedLine());
    state.setLastParentTitle("");
  }
  trace("\t\tWindow title %s closed \n", state.parentTitle().c_str());
  const size_t left = removeEntry(index);
  trace("\tSize of Window Array in Quit is: %d\n", static_cast<int>(left));
  // The entries after the removed one moved down by one.
  const int current = state.currentBrowserIndex;
  if (current > index || current >= static_cast<int>(left)) state.currentBrowserIndex = current > 0 ? current - 1 : 0;
  if (left == 0) {
    trace("All Browsers Closed  \n");
    disconnectAll();
    state.setNotification("All Browsers Closed");
    announceAllBrowsersClosed();
    lastBrowserClosedOnRecorderThread();
  }
  if (state.playing) {
    trace("About to send close window notification\n");
    signalNamedEvent(kWindowClosedEvent);
  }
}
