// One Internet Explorer instance: an engine browser with its own browser thread, made
// when a program creates the Internet Explorer class. It turns the engine's
// notifications into DWebBrowserEvents2 events on the top-level browser objects, shows
// every top-level window in an "IEFrame" window and page dialogs as IE's dialogs.
#pragma once

#include "frame_window.h"
#include "page_objects.h"
#include "page_dialog_window.h"

#include <engine/browser.h>

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace mshtml {

class WebBrowser;

class BrowserSession final : public engine::NavigationObserver,
                             public engine::DialogHost,
                             public engine::FrameWindowHost,
                             public std::enable_shared_from_this<BrowserSession> {
 public:
  // Starts a new instance (showing about:blank, its frame window hidden) and hands out
  // its top-level browser as `riid`.
  static HRESULT create(REFIID riid, void** out);
  // The instances running in this process, oldest first.
  static std::vector<std::shared_ptr<BrowserSession>> running();

  BrowserSession();
  ~BrowserSession() override;
  BrowserSession(const BrowserSession&) = delete;
  BrowserSession& operator=(const BrowserSession&) = delete;

  engine::Browser& engineBrowser() { return *browser_; }
  // Browser thread only: the window of the dialog shown last and still open, or null.
  HWND frontDialogWindow() const;
  // Browser thread only: the browser object of an open top-level window, no reference.
  WebBrowser* topBrowser(const engine::Window& window) const;

  // engine::NavigationObserver
  void beforeNavigate(engine::Window& window, const std::string& url, const std::string& targetName,
                      bool& cancel) override;
  void downloadBegin(engine::Window& top) override;
  void downloadComplete(engine::Window& top) override;
  void navigateComplete(engine::Window& window, const std::string& url) override;
  void documentComplete(engine::Window& window, const std::string& url) override;
  void newWindow(engine::Window& opener, const std::string& url, bool& cancel) override;
  void windowOpened(engine::Window& window) override;
  void titleChange(engine::Window& window, const std::string& title) override;
  void quit(engine::Window& window) override;

  // engine::DialogHost
  void dialogOpened(engine::Dialog& dialog) override;
  void dialogClosed(engine::Dialog& dialog) override;

  // engine::FrameWindowHost
  void createFrameWindow(engine::Window& window) override;
  void destroyFrameWindow(engine::Window& window) override;

 private:
  HRESULT start(REFIID riid, void** out);
  // The top-level browser object that fires the events of `window` (itself or the
  // browser of its top window); null when that window has none.
  WebBrowser* eventSource(engine::Window& window) const;
  WebBrowser* keepOpen(engine::Window& window);
  void retireWhenLastWindowCloses();
  void fireDocumentComplete(engine::Window& window, const std::string& url);
  // The top's DocumentComplete once no frame of it is still loading.
  void completeTopWhenFramesAre(const engine::Window* top);

  std::unique_ptr<engine::Browser> browser_;
  std::shared_ptr<PageObjects> objects_;
  // The open top-level windows' browser objects, each with a reference, so a window the
  // page opened lives while it is open even when no program holds it.
  std::map<const engine::Window*, WebBrowser*> open_;
  std::map<const engine::Dialog*, std::unique_ptr<PageDialogWindow>> dialogs_;
  std::vector<const engine::Dialog*> dialogOrder_;  // oldest first
  DWORD activeObjectCookie_ = 0;
  const engine::Window* activeWindow_ = nullptr;  // the window registered as running

  // Load bookkeeping per top-level window, so events keep IE's shape:
  // navigating_: a BeforeNavigate2 began the load (else a download is a refresh);
  // refreshing_: a refresh is under way, which IE reports as a download only;
  // deferred_: the top's completion, held back until its frames have completed.
  struct DeferredCompletion {
    std::string url;
    bool silent;  // a refresh: completes without DocumentComplete
  };
  std::set<const engine::Window*> navigating_;
  std::set<const engine::Window*> refreshing_;
  std::map<const engine::Window*, DeferredCompletion> deferred_;
};

}  // namespace mshtml
