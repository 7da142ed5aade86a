#include "shells.h"

#include <algorithm>
#include <set>

#include "doc_shell.h"
#include "engine/document.h"
#include "engine/window.h"
#include "nsString.h"
#include "shell_history.h"
#include "shell_services.h"
#include "shell_window_access.h"
#include "text_conversion.h"
#include "xul_window.h"

namespace gecko {

Shells::Shells(engine::Browser& browser, std::shared_ptr<DomSession> session)
    : browser_(browser), session_(std::move(session)) {}

Shells::~Shells() = default;

void Shells::start() {
  if (started_) return;
  started_ = true;
  browser_.addObserver(this);
  DocLoaderService::instance().addShells(shared_from_this());
  registerShells(*session_, shared_from_this());
  for (const auto& top : browser_.windows()) openXULWindow(top);
}

void Shells::stop() {
  if (!started_) return;
  started_ = false;
  browser_.removeObserver(this);
  DocLoaderService::instance().removeShells(this);
  registerShells(*session_, nullptr);
  auto windows = xulWindows_;
  for (const auto& [top, window] : windows) {
    WindowMediator::instance().UnregisterWindow(window);
    window->markClosed();
  }
  xulWindows_.clear();
  // The dialogs still up go with their browser; their windows are the dialogs' own.
  auto views = chromeViews_;
  for (const auto& entry : views) {
    if (!entry.dialog) continue;
    WindowMediator::instance().UnregisterWindow(entry.window);
    entry.window->markClosed();
  }
  for (const auto& entry : views) {
    if (!entry.dialog) entry.view->markClosed();
  }
  chromeViews_.clear();
  for (auto& [window, entry] : shells_) entry.shell->markDestroyed();
  shells_.clear();
  histories_.clear();
}

nsCOMPtr<DocShell> Shells::contentShell(const std::shared_ptr<engine::Window>& window) {
  if (!window || window->closed()) return nullptr;
  auto found = shells_.find(window.get());
  if (found != shells_.end() && found->second.window.lock() == window) return found->second.shell;
  nsCOMPtr<DocShell> shell = DocShell::content(shared_from_this(), window);
  shells_[window.get()] = ShellEntry{window, shell};
  return shell;
}

nsCOMPtr<XULWindow> Shells::xulWindow(const engine::Window& top) const {
  for (const auto& [window, xul] : xulWindows_) {
    if (window == &top) return xul;
  }
  for (const auto& entry : chromeViews_) {
    if (entry.view.get() == &top) return entry.window;
  }
  return nullptr;
}

nsCOMPtr<DocShell> Shells::shellFor(const std::shared_ptr<engine::Window>& window) {
  if (!window || window->closed()) return nullptr;
  for (const auto& entry : chromeViews_) {
    if (entry.view == window) return entry.window->chromeShell();
  }
  return contentShell(window);
}

std::shared_ptr<engine::Window> Shells::contentOfChrome(const engine::Window& view) const {
  for (const auto& entry : chromeViews_) {
    if (entry.view.get() == &view) return entry.content.lock();
  }
  return nullptr;
}

nsCOMPtr<SessionHistory> Shells::history(const std::shared_ptr<engine::Window>& top) {
  if (!top || !top->isTopLevel()) return nullptr;
  auto& history = histories_[top.get()];
  if (!history) history = dont_AddRef(new SessionHistory(shared_from_this(), top));
  return history;
}

std::vector<nsCOMPtr<XULWindow>> Shells::xulWindows() const {
  std::vector<nsCOMPtr<XULWindow>> windows;
  for (const auto& entry : xulWindows_) windows.push_back(entry.second);
  return windows;
}

bool Shells::loading() const { return browser_.busy(); }

void Shells::openXULWindow(const std::shared_ptr<engine::Window>& top) {
  if (!top || !top->isTopLevel() || xulWindow(*top)) return;
  auto view = browser_.createDialogWindow(buildBrowserChromeDocument());
  nsCOMPtr<XULWindow> window = XULWindow::browserWindow(shared_from_this(), top, view);
  xulWindows_.emplace_back(top.get(), window);
  chromeViews_.push_back(ChromeView{view, top, window, false});
  WindowMediator::instance().RegisterWindow(window);
}

void Shells::prune() {
  std::set<const engine::Window*> live;
  std::vector<std::shared_ptr<engine::Window>> pending(browser_.windows().begin(), browser_.windows().end());
  while (!pending.empty()) {
    auto window = pending.back();
    pending.pop_back();
    live.insert(window.get());
    pending.insert(pending.end(), window->frames().begin(), window->frames().end());
  }
  for (auto it = shells_.begin(); it != shells_.end();) {
    auto window = it->second.window.lock();
    if (!window || window->closed() || !live.count(it->first)) {
      it->second.shell->markDestroyed();
      it = shells_.erase(it);
    } else {
      ++it;
    }
  }
  for (auto it = histories_.begin(); it != histories_.end();) {
    it = live.count(it->first) ? std::next(it) : histories_.erase(it);
  }
}

// ---------------------------------------------------------------- engine notifications

void Shells::windowOpened(engine::Window& window) {
  if (window.isTopLevel()) openXULWindow(window.shared_from_this());
}

// The mediator's listeners hear of the close while the window still answers (its title,
// its content); then its shells end.
void Shells::quit(engine::Window& window) {
  auto found = std::find_if(xulWindows_.begin(), xulWindows_.end(), [&](const auto& e) { return e.first == &window; });
  if (found == xulWindows_.end()) return;
  nsCOMPtr<XULWindow> closing = found->second;
  WindowMediator::instance().UnregisterWindow(closing);
  closing->markClosed();
  xulWindows_.erase(
      std::find_if(xulWindows_.begin(), xulWindows_.end(), [&](const auto& e) { return e.first == &window; }));
  histories_.erase(&window);
  auto view = std::find_if(chromeViews_.begin(), chromeViews_.end(),
                           [&](const ChromeView& entry) { return entry.window == closing; });
  if (view != chromeViews_.end()) {
    view->view->markClosed();
    chromeViews_.erase(view);
  }
}

// ---------------------------------------------------------------- dialogs

void Shells::dialogShown(const ShownDialog& dialog) {
  if (!started_ || !dialog.window) return;
  nsCOMPtr<XULWindow> window = XULWindow::dialogWindow(shared_from_this(), dialog.window, dialog.title);
  chromeViews_.push_back(ChromeView{dialog.window, {}, window, true});
  WindowMediator::instance().RegisterWindow(window);
  // Its document's load is heard as any window's, so that progress listeners (the
  // recorder) find the dialog's window once it has loaded.
  if (auto shell = window->chromeShell(); shell && dialog.document) shell->chromeDocumentShown(dialog.document->url());
}

// The mediator's listeners hear of the close while the dialog's window still answers.
void Shells::dialogClosing(const ShownDialog& dialog) {
  auto found = std::find_if(chromeViews_.begin(), chromeViews_.end(),
                            [&](const ChromeView& entry) { return entry.view == dialog.window; });
  if (found == chromeViews_.end()) return;
  nsCOMPtr<XULWindow> closing = found->window;
  WindowMediator::instance().UnregisterWindow(closing);
  closing->markClosed();
  std::erase_if(chromeViews_, [&](const ChromeView& entry) { return entry.window == closing; });
}

void Shells::loadStarted(engine::Window& window, const std::string&) {
  if (auto shell = contentShell(window.shared_from_this())) shell->loadStarted();
}

void Shells::navigateComplete(engine::Window& window, const std::string& url) {
  prune();
  auto self = window.shared_from_this();
  if (auto shell = contentShell(self)) shell->documentArrived(url);
  // As Gecko, the history keeps at most its maximum length, the oldest entries going first.
  if (window.isTopLevel()) {
    if (auto history = this->history(self)) {
      PRInt32 count = 0, maxLength = 0;
      if (NS_SUCCEEDED(history->GetCount(&count)) && NS_SUCCEEDED(history->GetMaxLength(&maxLength)) &&
          count > maxLength) {
        history->PurgeHistory(count - maxLength);
      }
    }
  }
}

void Shells::documentComplete(engine::Window& window, const std::string&) {
  if (auto shell = contentShell(window.shared_from_this())) shell->loadCompleted();
}

void Shells::titleChange(engine::Window& window, const std::string& title) {
  if (auto shell = contentShell(window.shared_from_this())) shell->documentTitleChanged();
  if (!window.isTopLevel()) return;
  if (auto xul = xulWindow(window)) {
    nsString wide;
    assignUtf8(wide, title);
    WindowMediator::instance().UpdateWindowTitle(xul, wide.get());
  }
}

void Shells::historyEntryAdding(engine::Window& top, const std::string& url) {
  if (auto history = this->history(top.shared_from_this())) history->newEntry(url);
}

void Shells::beforeHistoryMove(engine::Window& top, engine::HistoryMove move, int index, const std::string& url,
                               bool& cancel) {
  auto history = this->history(top.shared_from_this());
  if (history && !history->allowMove(move, index, url)) cancel = true;
}

void Shells::beforeReload(engine::Window& window, bool& cancel) {
  auto shell = contentShell(window.shared_from_this());
  const PRUint32 flags = shell ? shell->pendingReloadFlags_ : 0;
  auto history = this->history(window.top());
  if (history && !history->allowReload(window.url(), flags)) cancel = true;
}

}  // namespace gecko
