// The shells of one browser instance: a docshell for every engine window and frame, a
// XUL window (chrome docshell over a primary content shell) for every top-level window,
// a session history for every top-level window, and the glue that turns the engine's
// navigation notifications into Gecko's progress, history and window-mediator
// notifications. A browser window's chrome shows a XUL document of its own in a window
// of the browser's own (its chrome view), whose one frame, as Gecko's chrome DOM window
// sees it, is the content window. Each common dialog on show is a XUL window too,
// registered with the mediator while it is up. Lives on the browser thread: every
// member is called there.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common_dialogs.h"
#include "dom_session.h"
#include "engine/browser.h"
#include "nsCOMPtr.h"

namespace gecko {

class DocShell;
class SessionHistory;
class XULWindow;

class Shells : public engine::NavigationObserver,
               public CommonDialogObserver,
               public std::enable_shared_from_this<Shells> {
 public:
  Shells(engine::Browser& browser, std::shared_ptr<DomSession> session);
  ~Shells() override;

  // Starts listening to the browser and gives its open windows their shells.
  void start();
  // Closes the XUL windows (the mediator's listeners hear it) and stops listening.
  void stop();

  engine::Browser& browser() const { return browser_; }
  const std::shared_ptr<DomSession>& session() const { return session_; }

  // The content docshell of `window` (a top-level window or a frame), made when missing;
  // null for a closed window.
  nsCOMPtr<DocShell> contentShell(const std::shared_ptr<engine::Window>& window);
  // The XUL window of a top-level window, of a chrome view or of a dialog's window, or null.
  nsCOMPtr<XULWindow> xulWindow(const engine::Window& top) const;
  // The docshell showing `window`: the chrome docshell of a chrome view or a dialog's
  // window, else the content docshell (made when missing); null for a closed window.
  nsCOMPtr<DocShell> shellFor(const std::shared_ptr<engine::Window>& window);
  // The content window of a browser window's chrome view, or null for any other window.
  std::shared_ptr<engine::Window> contentOfChrome(const engine::Window& view) const;
  // The session history of a top-level window, made when missing.
  nsCOMPtr<SessionHistory> history(const std::shared_ptr<engine::Window>& top);
  // The XUL windows in the order they opened.
  std::vector<nsCOMPtr<XULWindow>> xulWindows() const;
  // True while any window of the browser loads.
  bool loading() const;

  // --- engine::NavigationObserver
  void windowOpened(engine::Window& window) override;
  void quit(engine::Window& window) override;
  void loadStarted(engine::Window& window, const std::string& url) override;
  void navigateComplete(engine::Window& window, const std::string& url) override;
  void documentComplete(engine::Window& window, const std::string& url) override;
  void titleChange(engine::Window& window, const std::string& title) override;
  void historyEntryAdding(engine::Window& top, const std::string& url) override;
  void beforeHistoryMove(engine::Window& top, engine::HistoryMove move, int index, const std::string& url,
                         bool& cancel) override;
  void beforeReload(engine::Window& window, bool& cancel) override;

  // --- CommonDialogObserver: a dialog's XUL window opens and closes with it
  void dialogShown(const ShownDialog& dialog) override;
  void dialogClosing(const ShownDialog& dialog) override;

 private:
  void openXULWindow(const std::shared_ptr<engine::Window>& top);
  // Forgets the docshells of windows that are gone (closed, or frames of a page left).
  void prune();

  engine::Browser& browser_;
  std::shared_ptr<DomSession> session_;
  bool started_ = false;
  struct ShellEntry {
    std::weak_ptr<engine::Window> window;
    nsCOMPtr<DocShell> shell;
  };
  std::map<const engine::Window*, ShellEntry> shells_;
  std::vector<std::pair<const engine::Window*, nsCOMPtr<XULWindow>>> xulWindows_;
  std::map<const engine::Window*, nsCOMPtr<SessionHistory>> histories_;
  // The windows showing chrome documents: browser windows' chrome views (with their
  // content window) and the windows of dialogs on show (without).
  struct ChromeView {
    std::shared_ptr<engine::Window> view;
    std::weak_ptr<engine::Window> content;  // none for a dialog
    nsCOMPtr<XULWindow> window;
    bool dialog = false;
  };
  std::vector<ChromeView> chromeViews_;
};

// Registers the window mediator and the document loader service with XPCOM's component
// manager (when XPCOM runs), so that code gets them by contract ID. Safe to call again.
nsresult registerShellServices();

}  // namespace gecko
