#include "web_browser.h"

#include "automation_values.h"
#include "frame_window.h"
#include "html_document.h"
#include "page_objects.h"

#include <engine/browser.h>

#include <exdispid.h>

namespace mshtml {
namespace {

// Answers only to this library: recognises its own browsers among interface pointers.
const IID IID_WebBrowserImpl = {0x2d7f4c61, 0x9b0e, 0x4a53, {0xb1, 0x6e, 0x38, 0xc5, 0x0d, 0x92, 0x7a, 0x14}};

constexpr char kBrowserName[] = "Microsoft Internet Explorer";
constexpr char kProgramPath[] = "C:\\Program Files\\Internet Explorer\\";
constexpr char kProgramFile[] = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";
// The result QueryStatusWB/ExecWB give for a command the browser does not know.
constexpr HRESULT kCommandNotSupported = static_cast<HRESULT>(0x80040100L);  // OLECMDERR_E_NOTSUPPORTED

const VARIANT* unwrap(const VARIANT* v) {
  while (v && V_VT(v) == (VT_BYREF | VT_VARIANT)) v = V_VARIANTREF(v);
  return v;
}

// The search page the user set, as IE reads it; about:blank when none is set.
std::string searchPage() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\Main", 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return "about:blank";
  }
  char buffer[1024] = {};
  DWORD size = sizeof buffer - 1;
  DWORD type = 0;
  const LONG read = RegQueryValueExA(key, "Search Page", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS || type != REG_SZ || buffer[0] == '\0') return "about:blank";
  return buffer;
}

}  // namespace

WebBrowser::WebBrowser(std::shared_ptr<engine::Window> window, std::shared_ptr<PageObjects> objects)
    : window_(std::move(window)),
      objects_(std::move(objects)),
      topLevel_(window_->isTopLevel()),
      events_(static_cast<IConnectionPointContainer*>(this), {&DIID_DWebBrowserEvents2}) {}

WebBrowser::~WebBrowser() {
  for (auto& [name, value] : properties_) VariantClear(&value);
  objects_->forgetBrowser(window_.get(), this);
}

std::shared_ptr<engine::Window> WebBrowser::engineWindowOf(IUnknown* unknown) {
  if (!unknown) return nullptr;
  void* self = nullptr;
  if (FAILED(unknown->QueryInterface(IID_WebBrowserImpl, &self)) || !self) return nullptr;
  auto* browser = static_cast<WebBrowser*>(static_cast<IWebBrowser2*>(self));
  std::shared_ptr<engine::Window> window = browser->window_;
  browser->Release();
  return window;
}

void* WebBrowser::queryInterface(REFIID riid) {
  if (IsEqualIID(riid, IID_WebBrowserImpl)) return static_cast<IWebBrowser2*>(this);
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IWebBrowser) ||
      IsEqualIID(riid, IID_IWebBrowserApp) || IsEqualIID(riid, IID_IWebBrowser2)) {
    return static_cast<IWebBrowser2*>(this);
  }
  if (IsEqualIID(riid, IID_IConnectionPointContainer)) return static_cast<IConnectionPointContainer*>(this);
  return nullptr;
}

bool WebBrowser::createFrameWindow() {
  frame_ = std::make_unique<FrameWindow>(*this);
  if (!frame_->valid()) {
    frame_.reset();
    return false;
  }
  frame_->showDocumentTitle(window_->title());
  frame_->showAddress(window_->url());
  return true;
}

void WebBrowser::onFrameCommand(int command) {
  if (closed_ || window_->closed()) return;
  engine::Browser& browser = window_->browser();
  switch (command) {
    case kCommandBack:
      if (window_->history().canGoBack()) browser.goBack(*window_);
      break;
    case kCommandForward:
      if (window_->history().canGoForward()) browser.goForward(*window_);
      break;
    case kCommandStop: browser.stop(*window_); break;
    case kCommandRefresh: browser.reload(*window_); break;
    case kCommandHome: browser.goHome(*window_); break;
    case kCommandSearch: browser.navigate(*window_, searchPage()); break;
    default: break;
  }
}

void WebBrowser::onAddressEntered(const std::string& url) {
  if (!closed_ && !window_->closed()) window_->browser().navigate(*window_, url);
}

void WebBrowser::onFrameClose() {
  if (!closed_ && !window_->closed()) window_->browser().closeWindow(*window_);
}

void WebBrowser::windowClosed() {
  closed_ = true;
  if (frame_) frame_->destroy();
}

template <typename Body>
HRESULT WebBrowser::whileOpen(Body&& body) {
  return carry([&]() -> HRESULT {
    if (closed_ || window_->closed()) return E_FAIL;
    return body();
  });
}

void WebBrowser::fireBool(DISPID member, VARIANT_BOOL value) {
  VARIANT argument;
  VariantInit(&argument);
  V_VT(&argument) = VT_BOOL;
  V_BOOL(&argument) = value;
  DISPPARAMS params{&argument, nullptr, 1, 0};
  fire(member, &params);
}

HRESULT WebBrowser::getFlag(VARIANT_BOOL WebBrowser::*flag, VARIANT_BOOL* out) {
  if (!out) return E_POINTER;
  return carry([&] { return putBool(this->*flag != VARIANT_FALSE, out); });
}

HRESULT WebBrowser::putFlag(VARIANT_BOOL WebBrowser::*flag, VARIANT_BOOL value, DISPID changeEvent) {
  return carry([&] {
    const VARIANT_BOOL normalised = value ? VARIANT_TRUE : VARIANT_FALSE;
    const bool changed = this->*flag != normalised;
    this->*flag = normalised;
    if (changed && changeEvent != DISPID_UNKNOWN) fireBool(changeEvent, normalised);
    return S_OK;
  });
}

HRESULT WebBrowser::getNumber(LONG WebBrowser::*number, LONG* out) {
  if (!out) return E_POINTER;
  return carry([&] { return putLong(this->*number, out); });
}

HRESULT WebBrowser::putNumber(LONG WebBrowser::*number, LONG value) {
  return carry([&] {
    this->*number = value;
    return S_OK;
  });
}

HRESULT WebBrowser::navigateTo(const std::string& url, long flags, const std::string& targetFrame) {
  engine::Browser& browser = window_->browser();
  if (flags & navOpenInNewWindow) {
    browser.openFromPage(*window_, url, "_blank");
    return S_OK;
  }
  if (!targetFrame.empty()) {
    if (const std::shared_ptr<engine::Window> target = browser.targetWindow(*window_, targetFrame)) {
      browser.navigate(*target, url, targetFrame);
    } else {
      browser.openFromPage(*window_, url, targetFrame);
    }
    return S_OK;
  }
  browser.navigate(*window_, url);
  return S_OK;
}

// --- IWebBrowser

HRESULT STDMETHODCALLTYPE WebBrowser::GoBack() {
  return whileOpen([&]() -> HRESULT {
    if (!window_->top()->history().canGoBack()) return E_FAIL;  // as IE, with nothing to go back to
    window_->browser().goBack(*window_->top());
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::GoForward() {
  return whileOpen([&]() -> HRESULT {
    if (!window_->top()->history().canGoForward()) return E_FAIL;
    window_->browser().goForward(*window_->top());
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::GoHome() {
  return whileOpen([&] {
    window_->browser().goHome(*window_);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::GoSearch() {
  const std::string page = searchPage();
  return whileOpen([&] {
    window_->browser().navigate(*window_, page);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::Navigate(BSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT*,
                                               VARIANT*) {
  if (!URL) return E_INVALIDARG;
  const std::string url = utf8FromBstr(URL);
  const long flags = Flags ? integerOf(*Flags).value_or(0) : 0;
  const std::string target = TargetFrameName ? textOf(*TargetFrameName).value_or(std::string()) : std::string();
  return whileOpen([&] { return navigateTo(url, flags, target); });
}

HRESULT STDMETHODCALLTYPE WebBrowser::Refresh() {
  return whileOpen([&] {
    window_->browser().reload(*window_);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::Refresh2(VARIANT* Level) {
  const VARIANT* level = unwrap(Level);
  if (level && V_VT(level) != VT_EMPTY && V_VT(level) != VT_ERROR && !integerOf(*level)) return E_INVALIDARG;
  return Refresh();
}

HRESULT STDMETHODCALLTYPE WebBrowser::Stop() {
  return whileOpen([&] {
    window_->browser().stop(*window_);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_Application(IDispatch** ppDisp) {
  if (!ppDisp) return E_POINTER;
  *ppDisp = nullptr;
  // The application of any browser, frame or not, is its top-level browser.
  return carry([&] {
    *ppDisp = objects_->browser(window_->top())->asBrowser();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_Parent(IDispatch** ppDisp) {
  if (!ppDisp) return E_POINTER;
  *ppDisp = nullptr;
  // A frame's parent is the browser of the window holding it; a top-level browser is
  // its own parent.
  return carry([&] {
    const std::shared_ptr<engine::Window> parent = topLevel_ ? window_ : window_->parent();
    *ppDisp = objects_->browser(parent ? parent : window_)->asBrowser();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_Container(IDispatch** ppDisp) {
  if (!ppDisp) return E_POINTER;
  // A top-level browser has no container; a frame's is the document holding it.
  *ppDisp = nullptr;
  return carry([&] {
    if (topLevel_) return S_OK;
    const std::shared_ptr<engine::Window> parent = window_->parent();
    if (parent && parent->document()) *ppDisp = static_cast<IHTMLDocument2*>(objects_->document(parent->document()));
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_Document(IDispatch** ppDisp) {
  if (!ppDisp) return E_POINTER;
  *ppDisp = nullptr;
  return whileOpen([&] {
    if (const std::shared_ptr<engine::Document> document = window_->document()) {
      *ppDisp = static_cast<IHTMLDocument2*>(objects_->document(document));
    }
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_TopLevelContainer(VARIANT_BOOL* pBool) { return putBool(topLevel_, pBool); }

HRESULT STDMETHODCALLTYPE WebBrowser::get_Type(BSTR* Type) {
  if (!Type) return E_POINTER;
  *Type = nullptr;
  return whileOpen([&]() -> HRESULT {
    if (!window_->document()) return E_FAIL;
    return putString("HTML Document", Type);
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_Left(LONG* pl) { return getNumber(&WebBrowser::left_, pl); }
HRESULT STDMETHODCALLTYPE WebBrowser::put_Left(LONG Left) { return putNumber(&WebBrowser::left_, Left); }
HRESULT STDMETHODCALLTYPE WebBrowser::get_Top(LONG* pl) { return getNumber(&WebBrowser::top_, pl); }
HRESULT STDMETHODCALLTYPE WebBrowser::put_Top(LONG Top) { return putNumber(&WebBrowser::top_, Top); }
HRESULT STDMETHODCALLTYPE WebBrowser::get_Width(LONG* pl) { return getNumber(&WebBrowser::width_, pl); }
HRESULT STDMETHODCALLTYPE WebBrowser::put_Width(LONG Width) { return putNumber(&WebBrowser::width_, Width); }
HRESULT STDMETHODCALLTYPE WebBrowser::get_Height(LONG* pl) { return getNumber(&WebBrowser::height_, pl); }
HRESULT STDMETHODCALLTYPE WebBrowser::put_Height(LONG Height) { return putNumber(&WebBrowser::height_, Height); }

HRESULT STDMETHODCALLTYPE WebBrowser::get_LocationName(BSTR* LocationName) {
  if (!LocationName) return E_POINTER;
  // The page's title, or its address when it has none.
  return carry([&] {
    const std::string title = window_->title();
    return putString(title.empty() ? window_->url() : title, LocationName);
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_LocationURL(BSTR* LocationURL) {
  if (!LocationURL) return E_POINTER;
  return carry([&] { return putString(window_->url(), LocationURL); });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_Busy(VARIANT_BOOL* pBool) {
  if (!pBool) return E_POINTER;
  return carry([&] {
    const bool complete = engine::Browser::isComplete(*window_) && !objects_->framesPending(window_->top().get());
    return putBool(!closed_ && !complete, pBool);
  });
}

// --- IWebBrowserApp

HRESULT STDMETHODCALLTYPE WebBrowser::Quit() {
  return whileOpen([&] {
    // Closing the top-level window fires OnQuit and takes the frame window away.
    window_->browser().closeWindow(*window_->top());
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::ClientToWindow(int* pcx, int* pcy) {
  if (!pcx || !pcy) return E_POINTER;
  // The frame adds its borders, caption and bars around the page, as IE's does.
  return carry([&] {
    *pcx += 8;
    *pcy += (toolBar_ ? 56 : 0) + (addressBar_ ? 24 : 0) + (statusBar_ ? 20 : 0) + 30;
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::PutProperty(BSTR Property, VARIANT vtValue) {
  if (!Property) return E_INVALIDARG;
  const std::string name = utf8FromBstr(Property);
  return carry([&]() -> HRESULT {
    VARIANT copy;
    VariantInit(&copy);
    const HRESULT copied = VariantCopy(&copy, &vtValue);
    if (FAILED(copied)) return copied;
    auto [it, inserted] = properties_.try_emplace(name, copy);
    if (!inserted) {
      VariantClear(&it->second);
      it->second = copy;
    }
    // IE announces the change to its sinks.
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_BSTR;
    V_BSTR(&argument) = Property;
    DISPPARAMS params{&argument, nullptr, 1, 0};
    fire(DISPID_PROPERTYCHANGE, &params);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::GetProperty(BSTR Property, VARIANT* pvtValue) {
  if (!Property || !pvtValue) return E_POINTER;
  VariantInit(pvtValue);
  const std::string name = utf8FromBstr(Property);
  return carry([&]() -> HRESULT {
    const auto it = properties_.find(name);
    if (it == properties_.end()) return S_OK;  // VT_EMPTY for a property never put
    return VariantCopy(pvtValue, &it->second);
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_Name(BSTR* Name) { return putString(kBrowserName, Name); }

HRESULT STDMETHODCALLTYPE WebBrowser::get_HWND(SHANDLE_PTR* pHWND) {
  if (!pHWND) return E_POINTER;
  *pHWND = 0;
  // Only a top-level browser has a window of its own.
  return whileOpen([&]() -> HRESULT {
    if (!frame_ || !frame_->valid()) return E_FAIL;
    *pHWND = reinterpret_cast<SHANDLE_PTR>(frame_->frame());
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_FullName(BSTR* FullName) { return putString(kProgramFile, FullName); }
HRESULT STDMETHODCALLTYPE WebBrowser::get_Path(BSTR* Path) { return putString(kProgramPath, Path); }

HRESULT STDMETHODCALLTYPE WebBrowser::get_Visible(VARIANT_BOOL* pBool) {
  if (!pBool) return E_POINTER;
  return carry([&] { return putBool(!closed_ && frame_ && frame_->valid() && IsWindowVisible(frame_->frame()), pBool); });
}

HRESULT STDMETHODCALLTYPE WebBrowser::put_Visible(VARIANT_BOOL Value) {
  return whileOpen([&]() -> HRESULT {
    if (!frame_ || !frame_->valid()) return E_FAIL;
    const bool wasVisible = IsWindowVisible(frame_->frame());
    ShowWindow(frame_->frame(), Value ? SW_SHOW : SW_HIDE);
    if (wasVisible != (Value != VARIANT_FALSE)) fireBool(DISPID_ONVISIBLE, Value ? VARIANT_TRUE : VARIANT_FALSE);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_StatusBar(VARIANT_BOOL* pBool) { return getFlag(&WebBrowser::statusBar_, pBool); }
HRESULT STDMETHODCALLTYPE WebBrowser::put_StatusBar(VARIANT_BOOL Value) {
  return putFlag(&WebBrowser::statusBar_, Value, DISPID_ONSTATUSBAR);
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_StatusText(BSTR* StatusText) {
  if (!StatusText) return E_POINTER;
  return carry([&] { return putString(statusText_, StatusText); });
}

HRESULT STDMETHODCALLTYPE WebBrowser::put_StatusText(BSTR StatusText) {
  std::string text = utf8FromBstr(StatusText);
  return carry([&] {
    statusText_ = std::move(text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_ToolBar(int* Value) {
  if (!Value) return E_POINTER;
  return carry([&] {
    *Value = toolBar_ ? 1 : 0;
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::put_ToolBar(int Value) {
  return putFlag(&WebBrowser::toolBar_, Value ? VARIANT_TRUE : VARIANT_FALSE, DISPID_ONTOOLBAR);
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_MenuBar(VARIANT_BOOL* Value) { return getFlag(&WebBrowser::menuBar_, Value); }
HRESULT STDMETHODCALLTYPE WebBrowser::put_MenuBar(VARIANT_BOOL Value) {
  return putFlag(&WebBrowser::menuBar_, Value, DISPID_ONMENUBAR);
}
HRESULT STDMETHODCALLTYPE WebBrowser::get_FullScreen(VARIANT_BOOL* pbFullScreen) {
  return getFlag(&WebBrowser::fullScreen_, pbFullScreen);
}
HRESULT STDMETHODCALLTYPE WebBrowser::put_FullScreen(VARIANT_BOOL bFullScreen) {
  return putFlag(&WebBrowser::fullScreen_, bFullScreen, DISPID_ONFULLSCREEN);
}

// --- IWebBrowser2

HRESULT STDMETHODCALLTYPE WebBrowser::Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT*,
                                                VARIANT*) {
  if (!URL) return E_INVALIDARG;
  const std::optional<std::string> url = textOf(*URL);
  if (!url) return E_INVALIDARG;
  const long flags = Flags ? integerOf(*Flags).value_or(0) : 0;
  const std::string target = TargetFrameName ? textOf(*TargetFrameName).value_or(std::string()) : std::string();
  return whileOpen([&] { return navigateTo(*url, flags, target); });
}

HRESULT STDMETHODCALLTYPE WebBrowser::QueryStatusWB(OLECMDID cmdID, OLECMDF* pcmdf) {
  if (!pcmdf) return E_POINTER;
  return whileOpen([&]() -> HRESULT {
    switch (cmdID) {
      case OLECMDID_REFRESH:
        *pcmdf = static_cast<OLECMDF>(OLECMDF_SUPPORTED | OLECMDF_ENABLED);
        return S_OK;
      case OLECMDID_STOP:
        *pcmdf = static_cast<OLECMDF>(OLECMDF_SUPPORTED |
                                      (engine::Browser::isComplete(*window_) ? 0 : OLECMDF_ENABLED));
        return S_OK;
      default:
        *pcmdf = static_cast<OLECMDF>(0);
        return kCommandNotSupported;
    }
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::ExecWB(OLECMDID cmdID, OLECMDEXECOPT, VARIANT*, VARIANT*) {
  return whileOpen([&]() -> HRESULT {
    switch (cmdID) {
      case OLECMDID_REFRESH:
        window_->browser().reload(*window_);
        return S_OK;
      case OLECMDID_STOP:
        window_->browser().stop(*window_);
        return S_OK;
      default:
        return kCommandNotSupported;
    }
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_ReadyState(READYSTATE* plReadyState) {
  if (!plReadyState) return E_POINTER;
  return carry([&] {
    const std::shared_ptr<engine::Document> document = window_->document();
    if (!document) {
      *plReadyState = READYSTATE_UNINITIALIZED;
    } else if (engine::Browser::isComplete(*window_) &&
               (!window_->isTopLevel() || !objects_->framesPending(window_.get()))) {
      // Complete only when the frames are too, as IE's top-level ready state is; a
      // frame's browser answers for its own page (and the frames within it).
      *plReadyState = READYSTATE_COMPLETE;
    } else {
      switch (document->readyState()) {
        case engine::ReadyState::Uninitialized: *plReadyState = READYSTATE_UNINITIALIZED; break;
        case engine::ReadyState::Loading: *plReadyState = READYSTATE_LOADING; break;
        default: *plReadyState = READYSTATE_INTERACTIVE; break;
      }
    }
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE WebBrowser::get_Offline(VARIANT_BOOL* pbOffline) { return getFlag(&WebBrowser::offline_, pbOffline); }
HRESULT STDMETHODCALLTYPE WebBrowser::put_Offline(VARIANT_BOOL bOffline) {
  return putFlag(&WebBrowser::offline_, bOffline, DISPID_UNKNOWN);
}
HRESULT STDMETHODCALLTYPE WebBrowser::get_Silent(VARIANT_BOOL* pbSilent) { return getFlag(&WebBrowser::silent_, pbSilent); }
HRESULT STDMETHODCALLTYPE WebBrowser::put_Silent(VARIANT_BOOL bSilent) {
  return putFlag(&WebBrowser::silent_, bSilent, DISPID_UNKNOWN);
}
HRESULT STDMETHODCALLTYPE WebBrowser::get_RegisterAsBrowser(VARIANT_BOOL* pbRegister) {
  return getFlag(&WebBrowser::registerAsBrowser_, pbRegister);
}
HRESULT STDMETHODCALLTYPE WebBrowser::put_RegisterAsBrowser(VARIANT_BOOL bRegister) {
  return putFlag(&WebBrowser::registerAsBrowser_, bRegister, DISPID_UNKNOWN);
}
HRESULT STDMETHODCALLTYPE WebBrowser::get_RegisterAsDropTarget(VARIANT_BOOL* pbRegister) {
  return getFlag(&WebBrowser::registerAsDropTarget_, pbRegister);
}
HRESULT STDMETHODCALLTYPE WebBrowser::put_RegisterAsDropTarget(VARIANT_BOOL bRegister) {
  return putFlag(&WebBrowser::registerAsDropTarget_, bRegister, DISPID_UNKNOWN);
}
HRESULT STDMETHODCALLTYPE WebBrowser::get_TheaterMode(VARIANT_BOOL* pbRegister) {
  return getFlag(&WebBrowser::theaterMode_, pbRegister);
}
HRESULT STDMETHODCALLTYPE WebBrowser::put_TheaterMode(VARIANT_BOOL bRegister) {
  return putFlag(&WebBrowser::theaterMode_, bRegister, DISPID_ONTHEATERMODE);
}
HRESULT STDMETHODCALLTYPE WebBrowser::get_AddressBar(VARIANT_BOOL* Value) { return getFlag(&WebBrowser::addressBar_, Value); }
HRESULT STDMETHODCALLTYPE WebBrowser::put_AddressBar(VARIANT_BOOL Value) {
  return putFlag(&WebBrowser::addressBar_, Value, DISPID_ONADDRESSBAR);
}
HRESULT STDMETHODCALLTYPE WebBrowser::get_Resizable(VARIANT_BOOL* Value) { return getFlag(&WebBrowser::resizable_, Value); }
HRESULT STDMETHODCALLTYPE WebBrowser::put_Resizable(VARIANT_BOOL Value) {
  return putFlag(&WebBrowser::resizable_, Value, DISPID_WINDOWSETRESIZABLE);
}

// --- IConnectionPointContainer

HRESULT STDMETHODCALLTYPE WebBrowser::EnumConnectionPoints(IEnumConnectionPoints** points) {
  return events_.enumerate(points);
}

HRESULT STDMETHODCALLTYPE WebBrowser::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
  return events_.find(riid, point);
}

}  // namespace mshtml
