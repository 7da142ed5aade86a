// The browser table, marshalling, launch and attach, and the forwarding operations.
#include <windows.h>

#include <algorithm>

#include "com/bstr.h"
#include "com/variant.h"
#include "common/trace_log.h"
#include "core/process_state.h"
#include "session/cwebbrowser2.h"

namespace {

// Each thread holds its own reference to the browser: the one it launched, attached or
// unmarshalled last. Sharing one reference between threads would hand an interface to
// a thread it was not obtained on.
thread_local ComPtr<IWebBrowser2> threadBrowser;

// The window handle as the browser reports it.
HWND windowOf(IWebBrowser2* browser) {
  SHANDLE_PTR handle = 0;
  if (browser == nullptr || FAILED(browser->get_HWND(&handle))) {
    trace("GetBROWSER WINDOW failed\n");
    return nullptr;
  }
  return reinterpret_cast<HWND>(handle);
}

}  // namespace

CWebBrowser2::CWebBrowser2() { trace("\tBrowser Constructor\n"); }

CWebBrowser2::~CWebBrowser2() {
  trace("\tBrowser Destructor\n");
  if (threadBrowser) {
    threadBrowser.reset();
    latestBrowserStream_.reset();
    lastCookie_ = 0;
  }
  trace("\tEnd\t of Browser Destructor\n");
}

IWebBrowser2* CWebBrowser2::browser() const { return threadBrowser.get(); }
void CWebBrowser2::setBrowser(IWebBrowser2* browser) { threadBrowser = ComPtr<IWebBrowser2>(browser); }

bool CWebBrowser2::hasBrowsers() const {
  std::lock_guard lock(mutex_);
  return !sinkLists_.empty();
}

size_t CWebBrowser2::browserCount() const {
  std::lock_guard lock(mutex_);
  return sinkLists_.size();
}

HWND CWebBrowser2::windowHandle(int index) const {
  std::lock_guard lock(mutex_);
  return index >= 0 && static_cast<size_t>(index) < windowHandles_.size() ? windowHandles_[static_cast<size_t>(index)]
                                                                         : nullptr;
}

void CWebBrowser2::appendSinkList() {
  std::lock_guard lock(mutex_);
  sinkLists_.push_back(std::make_shared<DocumentSinkList>());
}

void CWebBrowser2::appendWindowHandle(HWND window) {
  std::lock_guard lock(mutex_);
  windowHandles_.push_back(window);
}

std::shared_ptr<DocumentSinkList> CWebBrowser2::sinkList(int index) {
  std::lock_guard lock(mutex_);
  return index >= 0 && static_cast<size_t>(index) < sinkLists_.size() ? sinkLists_[static_cast<size_t>(index)]
                                                                      : nullptr;
}

// Resetting a sink calls into its document, and events may arrive meanwhile and change
// the table; so the sinks are taken out under the lock and reset outside it.
void CWebBrowser2::resetSinks(int index) {
  std::vector<ComPtr<CHTMLDocument2>> sinks;
  {
    std::lock_guard lock(mutex_);
    if (const std::shared_ptr<DocumentSinkList> list = sinkList(index)) sinks = list->sinks;
  }
  for (auto& sink : sinks) sink->resetConnections();
}

size_t CWebBrowser2::removeEntry(int index) {
  std::shared_ptr<DocumentSinkList> removed;
  size_t left = 0;
  {
    std::lock_guard lock(mutex_);
    const auto at = static_cast<size_t>(index);
    if (index >= 0 && at < sinkLists_.size()) {
      removed = std::move(sinkLists_[at]);
      sinkLists_.erase(sinkLists_.begin() + index);
    }
    if (index >= 0 && at < windowHandles_.size()) windowHandles_.erase(windowHandles_.begin() + index);
    if (index >= 0 && at < browserStreams_.size()) browserStreams_.erase(browserStreams_.begin() + index);
    left = sinkLists_.size();
  }
  if (removed)
    for (auto& sink : removed->sinks) sink->resetConnections();
  return left;
}

bool CWebBrowser2::holdsList(const DocumentSinkList* list) const {
  return std::any_of(sinkLists_.begin(), sinkLists_.end(),
                     [list](const std::shared_ptr<DocumentSinkList>& held) { return held.get() == list; });
}

void CWebBrowser2::clearEntry(int index) {
  trace("\t\tWindow title %s cleared \n", processState().parentTitle().c_str());
  const size_t left = removeEntry(index);
  trace("\tSize of Window Array after clear is: %d\n", static_cast<int>(left));
}

void CWebBrowser2::clearClosedEntries() {
  for (int index = static_cast<int>(browserCount()) - 1; index >= 0; --index) {
    const HWND window = windowHandle(index);
    if (window != nullptr && !IsWindow(window)) clearEntry(index);
  }
}

HRESULT CWebBrowser2::marshalBrowser() {
  ComPtr<IStream> stream;
  HRESULT hr = CreateStreamOnHGlobal(nullptr, TRUE, stream.put());
  if (FAILED(hr)) return hr;
  const LARGE_INTEGER start{};
  if (FAILED(hr = stream->Seek(start, STREAM_SEEK_SET, nullptr))) return hr;
  hr = CoMarshalInterface(stream.get(), IID_IWebBrowser2, browser(), MSHCTX_INPROC, nullptr, MSHLFLAGS_NORMAL);
  if (FAILED(hr)) return hr;
  if (FAILED(hr = stream->Seek(start, STREAM_SEEK_SET, nullptr))) return hr;
  std::lock_guard lock(mutex_);
  latestBrowserStream_ = stream;
  browserStreams_.push_back(stream);
  return S_OK;
}

void CWebBrowser2::unmarshalBrowser(int index) {
  ComPtr<IStream> stream;
  {
    std::lock_guard lock(mutex_);
    if (index >= 0 && static_cast<size_t>(index) < browserStreams_.size())
      stream = browserStreams_[static_cast<size_t>(index)];
  }
  ComPtr<IWebBrowser2> unmarshalled;
  const LARGE_INTEGER start{};
  if (!stream || FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)) ||
      FAILED(CoUnmarshalInterface(stream.get(), IID_IWebBrowser2, unmarshalled.putVoid()))) {
    trace("UnMarshalling  %d index failed\n", index);
    return;
  }
  threadBrowser = unmarshalled;
}

void CWebBrowser2::unmarshalLatest() {
  ComPtr<IStream> stream;
  {
    std::lock_guard lock(mutex_);
    stream = latestBrowserStream_;
  }
  ComPtr<IWebBrowser2> unmarshalled;
  const LARGE_INTEGER start{};
  if (!stream || FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)) ||
      FAILED(CoUnmarshalInterface(stream.get(), IID_IWebBrowser2, unmarshalled.putVoid()))) {
    trace("UnMarshalling failed\n");
    return;
  }
  threadBrowser = unmarshalled;
}

int CWebBrowser2::launchOrAttach(int attach) {
  CoInitialize(nullptr);
  trace("Launch Browser Called\n");
  if (attach == 0) {
    ComPtr<IWebBrowser2> created;
    const HRESULT hr = CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, IID_IWebBrowser2,
                                        created.putVoid());
    if (FAILED(hr)) {
      trace("Failed to create object error = %d", static_cast<int>(hr));
      return 1;
    }
    threadBrowser = created;
    const HWND window = windowOf(created.get());
    appendSinkList();
    if (window != nullptr) {
      trace("IE HWND is not null\n");
      ShowWindow(window, SW_SHOWNORMAL);
    } else {
      trace("IE HWND is  null\n");
    }
    created->put_Visible(VARIANT_TRUE);
  } else {
    trace("existing browser\n");
    ComPtr<IUnknown> running;
    if (FAILED(GetActiveObject(CLSID_InternetExplorer, nullptr, running.put())) || !running) return 1;
    ComPtr<IDispatch> dispatch;
    ComPtr<IWebBrowser2> attached;
    running.query(IID_IDispatch, dispatch);
    if (FAILED(running.query(IID_IWebBrowser2, attached))) {
      trace("Browser Instance Not Found\n");
      return 1;
    }
    trace("GetActive Object Success\n");
    running.reset();
    threadBrowser = attached;
    windowOf(attached.get());
    attached->put_RegisterAsBrowser(VARIANT_TRUE);
    appendSinkList();
    processState().currentBrowserIndex = 0;
    startRecordingOnBrowser();
  }
  marshalBrowser();
  appendWindowHandle(windowOf(browser()));
  return 1;
}

void CWebBrowser2::navigate(const std::string& url) {
  trace("Navigate2 to url %s\n", url.c_str());
  if (!browser()) return;
  Variant target;
  V_VT(target.get()) = VT_BSTR;
  V_BSTR(target.get()) = Bstr::fromAnsi(url).release();
  Variant none;
  browser()->Navigate2(target.get(), none.get(), none.get(), none.get(), none.get());
}

ComPtr<IDispatch> CWebBrowser2::getDocument() const {
  ComPtr<IDispatch> document;
  if (browser()) browser()->get_Document(document.put());
  return document;
}

bool CWebBrowser2::getVisible() const {
  VARIANT_BOOL visible = VARIANT_FALSE;
  if (browser()) browser()->get_Visible(&visible);
  return visible == VARIANT_TRUE;
}

void CWebBrowser2::putVisible(bool visible) {
  if (browser()) browser()->put_Visible(visible ? VARIANT_TRUE : VARIANT_FALSE);
}

READYSTATE CWebBrowser2::getReadyState() const {
  READYSTATE state = READYSTATE_UNINITIALIZED;
  if (browser()) browser()->get_ReadyState(&state);
  return state;
}

std::string CWebBrowser2::getLocationURL() const {
  Bstr url;
  if (browser()) browser()->get_LocationURL(url.put());
  return url.toAnsi();
}

HWND CWebBrowser2::getHWND() const { return windowOf(browser()); }

void CWebBrowser2::quit() {
  trace("CWebBrowser2 Quit Called\n");
  if (browser()) browser()->Quit();
}
