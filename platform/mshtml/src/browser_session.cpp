#include "browser_session.h"

#include "automation_values.h"
#include "browser_event_args.h"
#include "file_chooser.h"
#include "script_dialog.h"
#include "web_browser.h"

#include <engine/url.h>
#include <exdispid.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <thread>

namespace mshtml {
namespace {

// The running instances, and the threads that take ended instances' engines down (an
// engine cannot end its own thread).
struct Registry {
  std::mutex mutex;
  std::vector<std::shared_ptr<BrowserSession>> sessions;
  std::vector<std::thread> reapers;
};

// Never destroyed: the process may end (exit, System.exit from a JVM) while a browser
// thread is inside a page's dialog. Tearing the instances down from the exiting thread
// would free their script heaps under the running dialog and let their threads use
// this record while it is being destroyed; like the platform's own tables, it outlives
// the threads that end with the process.
Registry& registry() {
  static auto& instance = *new Registry;
  return instance;
}

// The reapers, unlike the instances, are joined at exit: each only ends an instance
// whose last window has closed, which no dialog can hold up.
struct ReapersJoinedAtExit {
  ~ReapersJoinedAtExit() {
    std::vector<std::thread> threads;
    {
      std::lock_guard lock(registry().mutex);
      threads.swap(registry().reapers);
    }
    for (std::thread& thread : threads) thread.join();
  }
};

// A top-level navigation names no frame (null BSTR, as IE passes); a frame's names it.
BSTR targetFrameName(const engine::Window& window, const std::string& targetName) {
  if (!targetName.empty()) return allocBstr(targetName);
  if (!window.isTopLevel()) return allocBstr(window.name());
  return nullptr;
}

}  // namespace

BrowserSession::BrowserSession() = default;
BrowserSession::~BrowserSession() {
  // The engine reports to this object until it has ended; end it while all is here.
  browser_.reset();
}

HRESULT BrowserSession::create(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  auto session = std::make_shared<BrowserSession>();
  session->browser_ = std::make_unique<engine::Browser>();
  HRESULT result = E_FAIL;
  if (!session->browser_->thread().call([&] { result = session->start(riid, out); })) return E_FAIL;
  if (FAILED(result)) return result;
  std::lock_guard lock(registry().mutex);
  registry().sessions.push_back(std::move(session));
  return S_OK;
}

std::vector<std::shared_ptr<BrowserSession>> BrowserSession::running() {
  std::lock_guard lock(registry().mutex);
  return registry().sessions;
}

HRESULT BrowserSession::start(REFIID riid, void** out) {
  // The browser thread is the single-threaded apartment of the instance's objects.
  const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(initialised)) return initialised;
  objects_ = std::make_shared<PageObjects>();
  browser_->addObserver(this);
  browser_->setDialogHost(this);
  browser_->setFrameWindowHost(this);
  const std::shared_ptr<engine::Window> window = browser_->openWindow("about:blank");
  WebBrowser* top = window ? keepOpen(*window) : nullptr;
  if (!top || !top->frameWindow()) return E_FAIL;
  // GetActiveObject finds the running browser, as the attaching code expects.
  if (SUCCEEDED(RegisterActiveObject(static_cast<IWebBrowser2*>(top), CLSID_InternetExplorer, ACTIVEOBJECT_STRONG,
                                     &activeObjectCookie_))) {
    activeWindow_ = window.get();
  }
  return top->QueryInterface(riid, out);
}

WebBrowser* BrowserSession::topBrowser(const engine::Window& window) const {
  const auto it = open_.find(&window);
  return it == open_.end() ? nullptr : it->second;
}

WebBrowser* BrowserSession::eventSource(engine::Window& window) const {
  const std::shared_ptr<engine::Window> top = window.top();
  return top ? topBrowser(*top) : nullptr;
}

WebBrowser* BrowserSession::keepOpen(engine::Window& window) {
  if (WebBrowser* known = topBrowser(window)) return known;
  WebBrowser* browser = objects_->browser(window.shared_from_this());  // the reference kept while open
  open_.emplace(&window, browser);
  return browser;
}

// --- navigation events, in IE's order and with IE's arguments

void BrowserSession::beforeNavigate(engine::Window& window, const std::string& url, const std::string& targetName,
                                    bool& cancel) {
  WebBrowser* source = eventSource(window);
  if (!source) return;
  const engine::Window* top = window.top().get();
  if (refreshing_.count(top)) {
    // A frame reloading as part of a refresh: IE reports nothing but the download.
    if (!window.isTopLevel()) objects_->pendingFrames(top).insert(&window);
    return;
  }
  // The load is recorded before the sinks are called: while the browser thread waits
  // for them it goes on with other work, which may complete other frames meanwhile.
  const bool hadNavigation = navigating_.count(top) > 0;
  navigating_.insert(top);
  if (window.isTopLevel()) {
    objects_->forgetPending(top);
    deferred_.erase(top);
  } else {
    objects_->pendingFrames(top).insert(&window);
  }
  WebBrowser* target = objects_->browser(window.shared_from_this());
  VARIANT_BOOL cancelFlag = VARIANT_FALSE;
  {
    EventArgs<7> args;
    args.setDispatch(0, target->asBrowser());
    VARIANT& address = args.setVariantRef(1);
    V_VT(&address) = VT_BSTR;
    V_BSTR(&address) = allocBstr(url);
    VARIANT& flags = args.setVariantRef(2);
    V_VT(&flags) = VT_I4;
    V_I4(&flags) = 0;
    VARIANT& frame = args.setVariantRef(3);
    V_VT(&frame) = VT_BSTR;
    V_BSTR(&frame) = targetFrameName(window, targetName);
    args.setVariantRef(4);  // no post data: VT_EMPTY
    VARIANT& headers = args.setVariantRef(5);
    V_VT(&headers) = VT_BSTR;
    V_BSTR(&headers) = nullptr;
    args.setBoolRef(6, &cancelFlag);
    source->fire(DISPID_BEFORENAVIGATE2, args.params());
  }
  target->Release();
  if (cancelFlag != VARIANT_FALSE) {
    cancel = true;
    if (!window.isTopLevel()) objects_->pendingFrames(top).erase(&window);
    if (!hadNavigation && !objects_->framesPending(top)) navigating_.erase(top);
  }
}

void BrowserSession::downloadBegin(engine::Window& top) {
  // A download that no BeforeNavigate2 announced is a refresh.
  if (!navigating_.count(&top)) refreshing_.insert(&top);
  if (WebBrowser* source = eventSource(top)) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    source->fire(DISPID_DOWNLOADBEGIN, &none);
  }
}

void BrowserSession::downloadComplete(engine::Window& top) {
  if (WebBrowser* source = eventSource(top)) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    source->fire(DISPID_DOWNLOADCOMPLETE, &none);
  }
}

void BrowserSession::navigateComplete(engine::Window& window, const std::string& url) {
  WebBrowser* source = eventSource(window);
  if (!source || refreshing_.count(window.top().get())) return;
  if (window.isTopLevel() && source->frameWindow()) source->frameWindow()->showAddress(url);
  WebBrowser* target = objects_->browser(window.shared_from_this());
  {
    EventArgs<2> args;
    args.setDispatch(0, target->asBrowser());
    VARIANT& address = args.setVariantRef(1);
    V_VT(&address) = VT_BSTR;
    V_BSTR(&address) = allocBstr(url);
    source->fire(DISPID_NAVIGATECOMPLETE2, args.params());
  }
  target->Release();
  // As IE, the browser tells whether Back and Forward can be used now.
  if (window.isTopLevel()) {
    const std::pair<LONG, bool> commands[] = {{CSC_NAVIGATEFORWARD, window.history().canGoForward()},
                                              {CSC_NAVIGATEBACK, window.history().canGoBack()}};
    for (const auto& [command, enabled] : commands) {
      EventArgs<2> args;
      args.setLong(0, command);
      args.setBool(1, enabled);
      source->fire(DISPID_COMMANDSTATECHANGE, args.params());
    }
  }
}

void BrowserSession::documentComplete(engine::Window& window, const std::string& url) {
  if (!eventSource(window)) return;
  const engine::Window* top = window.top().get();
  const bool silent = refreshing_.count(top) > 0;
  if (window.isTopLevel()) {
    deferred_[top] = {url, silent};
  } else {
    objects_->pendingFrames(top).erase(&window);
    if (!silent) fireDocumentComplete(window, url);
  }
  completeTopWhenFramesAre(top);
}

void BrowserSession::completeTopWhenFramesAre(const engine::Window* top) {
  const auto it = deferred_.find(top);
  if (it == deferred_.end() || objects_->framesPending(top)) return;
  const DeferredCompletion completion = it->second;
  deferred_.erase(it);
  navigating_.erase(top);
  refreshing_.erase(top);
  objects_->pruneFrameBrowsers();
  if (completion.silent) return;
  for (const std::shared_ptr<engine::Window>& window : browser_->windows()) {
    if (window.get() == top) fireDocumentComplete(*window, completion.url);
  }
}

void BrowserSession::fireDocumentComplete(engine::Window& window, const std::string& url) {
  WebBrowser* source = eventSource(window);
  if (!source) return;
  WebBrowser* target = objects_->browser(window.shared_from_this());
  {
    EventArgs<2> args;
    args.setDispatch(0, target->asBrowser());
    VARIANT& address = args.setVariantRef(1);
    V_VT(&address) = VT_BSTR;
    V_BSTR(&address) = allocBstr(url);
    source->fire(DISPID_DOCUMENTCOMPLETE, args.params());
  }
  target->Release();
}

void BrowserSession::newWindow(engine::Window& opener, const std::string& url, bool& cancel) {
  WebBrowser* source = eventSource(opener);
  if (!source) return;
  IDispatch* host = nullptr;
  VARIANT_BOOL cancelFlag = VARIANT_FALSE;
  {
    EventArgs<2> args;
    args.setDispatchRef(0, &host);
    args.setBoolRef(1, &cancelFlag);
    source->fire(DISPID_NEWWINDOW2, args.params());
  }
  if (cancelFlag != VARIANT_FALSE) {
    cancel = true;
  } else if (host) {
    // The sink made a browser to hold the new window: the page's window opens there
    // instead of in a window of this instance.
    cancel = true;
    IWebBrowser2* browser = nullptr;
    if (SUCCEEDED(host->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser)))) {
      VARIANT address;
      VariantInit(&address);
      V_VT(&address) = VT_BSTR;
      V_BSTR(&address) = allocBstr(url);
      browser->Navigate2(&address, nullptr, nullptr, nullptr, nullptr);
      VariantClear(&address);
      browser->Release();
    }
  }
  if (host) host->Release();
}

void BrowserSession::windowOpened(engine::Window& window) {
  if (window.isTopLevel()) keepOpen(window);
}

void BrowserSession::titleChange(engine::Window& window, const std::string& title) {
  WebBrowser* source = eventSource(window);
  if (!source) return;
  if (window.isTopLevel() && source->frameWindow()) source->frameWindow()->showDocumentTitle(title);
  EventArgs<1> args;
  args.setBstr(0, allocBstr(title));
  source->fire(DISPID_TITLECHANGE, args.params());
}

void BrowserSession::quit(engine::Window& window) {
  WebBrowser* browser = topBrowser(window);
  if (!browser) return;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  browser->fire(DISPID_ONQUIT, &none);
  browser->windowClosed();
  if (activeObjectCookie_ && activeWindow_ == &window) {
    RevokeActiveObject(activeObjectCookie_, nullptr);
    activeObjectCookie_ = 0;
    activeWindow_ = nullptr;
  }
  open_.erase(&window);
  navigating_.erase(&window);
  refreshing_.erase(&window);
  deferred_.erase(&window);
  objects_->forgetPending(&window);
  objects_->releaseFramesOf(&window);
  browser->Release();
  if (open_.empty()) retireWhenLastWindowCloses();
}

void BrowserSession::retireWhenLastWindowCloses() {
  // The engine ends its thread when it is destroyed, which cannot happen on that
  // thread: a reaper thread does it once this notification has returned.
  static ReapersJoinedAtExit joinAtExit;
  std::lock_guard lock(registry().mutex);
  auto& sessions = registry().sessions;
  const auto it = std::find_if(sessions.begin(), sessions.end(),
                               [&](const std::shared_ptr<BrowserSession>& s) { return s.get() == this; });
  if (it == sessions.end()) return;
  std::shared_ptr<BrowserSession> self = std::move(*it);
  sessions.erase(it);
  registry().reapers.emplace_back([self = std::move(self)]() mutable {
    self->browser_.reset();
    self.reset();
  });
}

// --- dialogs

void BrowserSession::dialogOpened(engine::Dialog& dialog) {
  HWND owner = nullptr;
  if (const std::shared_ptr<engine::Window> window = dialog.window()) {
    if (WebBrowser* source = eventSource(*window); source && source->frameWindow()) owner = source->frameWindow()->frame();
  }
  engine::Dialog* answered = &dialog;
  auto answer = [answered](bool accepted, const std::string& text) { answered->answer(accepted, text); };
  std::unique_ptr<PageDialogWindow> window;
  if (dialog.kind() == engine::DialogKind::ChooseFile) {
    std::string pageFolder;
    if (const std::shared_ptr<engine::Window> page = dialog.window()) {
      if (const std::optional<std::string> path = engine::url::toPath(page->url())) {
        pageFolder = std::filesystem::path(*path).parent_path().string();
      }
    }
    window = std::make_unique<FileChooserWindow>(owner, FileChooserWindow::startFolder(dialog.text(), pageFolder),
                                                 answer);
  } else {
    const ScriptDialogKind kind = dialog.kind() == engine::DialogKind::Alert     ? ScriptDialogKind::Alert
                                  : dialog.kind() == engine::DialogKind::Confirm ? ScriptDialogKind::Confirm
                                                                                 : ScriptDialogKind::Prompt;
    window = std::make_unique<ScriptDialogWindow>(owner, kind, dialog.message(), dialog.text(), answer);
  }
  if (!window->window()) {
    // Without a window nobody could answer; refuse, as a blocked dialog does.
    dialog.answer(false);
    return;
  }
  dialogs_[&dialog] = std::move(window);
  dialogOrder_.push_back(&dialog);
}

void BrowserSession::dialogClosed(engine::Dialog& dialog) {
  dialogs_.erase(&dialog);
  std::erase(dialogOrder_, &dialog);
}

HWND BrowserSession::frontDialogWindow() const {
  if (dialogOrder_.empty()) return nullptr;
  const auto it = dialogs_.find(dialogOrder_.back());
  return it == dialogs_.end() ? nullptr : it->second->window();
}

// --- frame windows

void BrowserSession::createFrameWindow(engine::Window& window) {
  if (WebBrowser* browser = keepOpen(window); browser && !browser->frameWindow()) browser->createFrameWindow();
}

void BrowserSession::destroyFrameWindow(engine::Window& window) {
  if (WebBrowser* browser = topBrowser(window)) browser->windowClosed();
}

}  // namespace mshtml
