#include "window_manager.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

#include "hooks.h"
#include "platform_internal/thread_calls.h"

namespace win32::internal {
namespace {

std::string classKey(const std::string& name) {
  std::string key = name;
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

void unlink(std::vector<HWND>& list, HWND window) { list.erase(std::remove(list.begin(), list.end(), window), list.end()); }

}  // namespace

WindowManager& WindowManager::instance() {
  // Never destroyed: windows of other threads may still be looked up during exit.
  static auto& manager = *new WindowManager;
  return manager;
}

ATOM WindowManager::registerClass(const WindowClass& windowClass) {
  std::lock_guard lock(mutex_);
  const std::string key = classKey(windowClass.name);
  if (classes_.count(key) != 0) return 0;
  auto stored = std::make_shared<WindowClass>(windowClass);
  stored->atom = nextAtom_++;
  classes_.emplace(key, stored);
  return stored->atom;
}

bool WindowManager::unregisterClass(const std::string& name) {
  std::lock_guard lock(mutex_);
  return classes_.erase(classKey(name)) != 0;
}

std::shared_ptr<const WindowClass> WindowManager::findClass(const std::string& name) const {
  std::lock_guard lock(mutex_);
  const auto found = classes_.find(classKey(name));
  return found == classes_.end() ? nullptr : found->second;
}

std::shared_ptr<const WindowClass> WindowManager::findClass(ATOM atom) const {
  std::lock_guard lock(mutex_);
  for (const auto& [key, windowClass] : classes_) {
    if (windowClass->atom == atom) return windowClass;
  }
  return nullptr;
}

bool WindowManager::classHasWindows(const std::string& name) const {
  const std::string key = classKey(name);
  std::lock_guard lock(mutex_);
  for (const auto& [handle, window] : windows_) {
    if (classKey(window->windowClass->name) == key) return true;
  }
  return false;
}

HWND WindowManager::add(Window window) {
  std::lock_guard lock(mutex_);
  window.handle = reinterpret_cast<HWND>(nextHandle_);
  nextHandle_ += 2;
  const HWND handle = window.handle;
  if (window.parent != nullptr) {
    const auto parent = windows_.find(window.parent);
    if (parent == windows_.end()) return nullptr;
    parent->second->children.push_back(handle);
    windows_.emplace(handle, std::make_shared<Window>(std::move(window)));
  } else {
    windows_.emplace(handle, std::make_shared<Window>(std::move(window)));
    topLevel_.insert(topLevel_.begin() + static_cast<std::ptrdiff_t>(topPosition(handle)), handle);
  }
  return handle;
}

void WindowManager::remove(HWND window) {
  std::lock_guard lock(mutex_);
  const auto found = windows_.find(window);
  if (found == windows_.end()) return;
  const HWND parent = found->second->parent;
  if (parent != nullptr) {
    const auto parentWindow = windows_.find(parent);
    if (parentWindow != windows_.end()) unlink(parentWindow->second->children, window);
  } else {
    unlink(topLevel_, window);
  }
  if (foreground_ == window) foreground_ = nullptr;
  for (auto& [thread, focused] : focus_) {
    if (focused == window) focused = nullptr;
  }
  // Owned windows outlive a destroyed owner only as unowned ones.
  for (auto& [handle, other] : windows_) {
    if (other->owner == window) other->owner = nullptr;
  }
  windows_.erase(found);
}

std::shared_ptr<const Window> WindowManager::snapshot(HWND window) const {
  std::lock_guard lock(mutex_);
  const auto found = windows_.find(window);
  return found == windows_.end() ? nullptr : std::make_shared<const Window>(*found->second);
}

bool WindowManager::exists(HWND window) const {
  std::lock_guard lock(mutex_);
  return windows_.count(window) != 0;
}

bool WindowManager::update(HWND window, const std::function<void(Window&)>& change) {
  std::lock_guard lock(mutex_);
  const auto found = windows_.find(window);
  if (found == windows_.end()) return false;
  change(*found->second);
  return true;
}

std::vector<HWND> WindowManager::children(HWND parent) const {
  std::lock_guard lock(mutex_);
  const auto found = windows_.find(parent);
  return found == windows_.end() ? std::vector<HWND>{} : found->second->children;
}

std::vector<HWND> WindowManager::topLevel() const {
  std::lock_guard lock(mutex_);
  return topLevel_;
}

std::vector<HWND> WindowManager::windowsOfThread(DWORD threadId) const {
  std::lock_guard lock(mutex_);
  std::vector<HWND> result;
  for (const auto& [handle, window] : windows_) {
    if (window->threadId == threadId) result.push_back(handle);
  }
  return result;
}

void WindowManager::bringToTop(HWND window) {
  std::lock_guard lock(mutex_);
  const auto found = windows_.find(window);
  if (found == windows_.end()) return;
  std::vector<HWND>* siblings = &topLevel_;
  if (found->second->parent != nullptr) {
    const auto parent = windows_.find(found->second->parent);
    if (parent == windows_.end()) return;
    siblings = &parent->second->children;
  }
  unlink(*siblings, window);
  const size_t position = found->second->parent != nullptr ? 0 : topPosition(window);
  siblings->insert(siblings->begin() + static_cast<std::ptrdiff_t>(position), window);
  if (found->second->parent != nullptr) return;
  // Owned windows stay above their owner: they come to the top with it, in their order.
  std::vector<HWND> owned;
  for (HWND other : topLevel_) {
    const auto state = windows_.find(other);
    if (state != windows_.end() && state->second->owner == window) owned.push_back(other);
  }
  for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
    unlink(topLevel_, *it);
    const auto at = std::find(topLevel_.begin(), topLevel_.end(), window);
    topLevel_.insert(at, *it);
  }
}

size_t WindowManager::topPosition(HWND window) const {
  const auto found = windows_.find(window);
  if (found != windows_.end() && (found->second->exStyle & WS_EX_TOPMOST) != 0) return 0;
  size_t position = 0;
  while (position < topLevel_.size()) {
    const auto other = windows_.find(topLevel_[position]);
    if (other == windows_.end() || (other->second->exStyle & WS_EX_TOPMOST) == 0) break;
    ++position;
  }
  return position;
}

HWND WindowManager::foreground() const {
  std::lock_guard lock(mutex_);
  return foreground_;
}

void WindowManager::setForeground(HWND window) {
  std::lock_guard lock(mutex_);
  foreground_ = window;
}

bool WindowManager::route(HWND window, DWORD& threadId, WNDPROC& procedure) const {
  std::lock_guard lock(mutex_);
  const auto found = windows_.find(window);
  if (found == windows_.end()) return false;
  threadId = found->second->threadId;
  procedure = found->second->procedure;
  return true;
}

HWND WindowManager::focus(DWORD threadId) const {
  std::lock_guard lock(mutex_);
  const auto found = focus_.find(threadId);
  return found == focus_.end() ? nullptr : found->second;
}

void WindowManager::setFocus(DWORD threadId, HWND window) {
  std::lock_guard lock(mutex_);
  focus_[threadId] = window;
}

DWORD windowThreadId(HWND window) {
  DWORD threadId = 0;
  WNDPROC procedure = nullptr;
  return WindowManager::instance().route(window, threadId, procedure) ? threadId : 0;
}

bool isDescendant(HWND ancestor, HWND descendant) {
  WindowManager& manager = WindowManager::instance();
  auto state = manager.snapshot(descendant);
  while (state && state->parent != nullptr) {
    if (state->parent == ancestor) return true;
    state = manager.snapshot(state->parent);
  }
  return false;
}

namespace {
LRESULT callProcedure(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool sent,
                      bool sentByThisThread) {
  if (!sent) return procedure(window, message, wParam, lParam);
  if (anyHooks(WH_CALLWNDPROC)) {
    CWPSTRUCT call{lParam, wParam, message, window};
    callHooks(WH_CALLWNDPROC, HC_ACTION, sentByThisThread, reinterpret_cast<LPARAM>(&call));
  }
  const LRESULT result = procedure(window, message, wParam, lParam);
  if (anyHooks(WH_CALLWNDPROCRET)) {
    CWPRETSTRUCT returned{result, lParam, wParam, message, window};
    callHooks(WH_CALLWNDPROCRET, HC_ACTION, sentByThisThread, reinterpret_cast<LPARAM>(&returned));
  }
  return result;
}
}  // namespace

LRESULT deliverMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool sent) {
  WindowManager& manager = WindowManager::instance();
  DWORD threadId = 0;
  WNDPROC procedure = nullptr;
  if (!manager.route(window, threadId, procedure)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (threadId == GetCurrentThreadId()) return callProcedure(procedure, window, message, wParam, lParam, sent, true);
  LRESULT result = 0;
  // The procedure is read again on the owning thread: the window may have been
  // subclassed or destroyed while the call travelled.
  const bool ran = callOnThread(threadId, [&] {
    DWORD owner = 0;
    WNDPROC current = nullptr;
    if (manager.route(window, owner, current)) {
      result = callProcedure(current, window, message, wParam, lParam, sent, false);
    }
  });
  return ran ? result : 0;
}

LRESULT deliverMessageWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT flags, UINT timeoutMs,
                             DWORD_PTR* result) {
  WindowManager& manager = WindowManager::instance();
  DWORD threadId = 0;
  WNDPROC procedure = nullptr;
  if (!manager.route(window, threadId, procedure)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (threadId == GetCurrentThreadId()) {
    const LRESULT answer = callProcedure(procedure, window, message, wParam, lParam, true, true);
    if (result) *result = static_cast<DWORD_PTR>(answer);
    return 1;
  }
  // The call may outlive this wait: it owns what it delivers. WM_COPYDATA's data is
  // copied, as Windows copies it for another process.
  struct Delivery {
    LRESULT answer = 0;
    COPYDATASTRUCT copy{};
    std::vector<unsigned char> bytes;
  };
  auto delivery = std::make_shared<Delivery>();
  if (message == WM_COPYDATA && lParam != 0) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    delivery->copy = *data;
    if (data->lpData != nullptr && data->cbData > 0) {
      const auto* first = static_cast<const unsigned char*>(data->lpData);
      delivery->bytes.assign(first, first + data->cbData);
      delivery->copy.lpData = delivery->bytes.data();
    } else {
      delivery->copy.lpData = nullptr;
    }
    lParam = reinterpret_cast<LPARAM>(&delivery->copy);
  }
  const DWORD limit = (flags & SMTO_NOTIMEOUTIFNOTHUNG) != 0 ? INFINITE : timeoutMs;
  const CallOutcome outcome = callOnThreadWithin(
      threadId,
      [delivery, window, message, wParam, lParam] {
        DWORD owner = 0;
        WNDPROC current = nullptr;
        if (WindowManager::instance().route(window, owner, current)) {
          delivery->answer = callProcedure(current, window, message, wParam, lParam, true, false);
        }
      },
      limit, (flags & SMTO_BLOCK) == 0);
  if (outcome == CallOutcome::TimedOut) {
    SetLastError(ERROR_TIMEOUT);
    return 0;
  }
  if (outcome == CallOutcome::NotRun) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (result) *result = static_cast<DWORD_PTR>(delivery->answer);
  return 1;
}

void notifyAncestors(HWND child, UINT event, LPARAM childPoint) {
  WindowManager& manager = WindowManager::instance();
  const auto first = manager.snapshot(child);
  if (!first) return;
  const bool button = event != WM_CREATE && event != WM_DESTROY;
  const WPARAM wParam = MAKEWPARAM(event, button ? 0 : first->id);
  POINT point{GET_X_LPARAM(childPoint), GET_Y_LPARAM(childPoint)};
  // Up the chain of parents, each child window telling its parent, until a top-level
  // window or one that asked not to pass notifications on (WS_EX_NOPARENTNOTIFY).
  for (auto from = first; from && (from->style & WS_CHILD) != 0 && (from->exStyle & WS_EX_NOPARENTNOTIFY) == 0;
       from = manager.snapshot(from->parent)) {
    if (button) {  // the point moves into the parent's client area
      point.x += from->rect.left;
      point.y += from->rect.top;
    }
    const LPARAM lParam = button ? MAKELPARAM(point.x, point.y) : reinterpret_cast<LPARAM>(child);
    SendMessageA(from->parent, WM_PARENTNOTIFY, wParam, lParam);
  }
}

void destroyWindowsOfThread(DWORD threadId) {
  WindowManager& manager = WindowManager::instance();
  // Children first, so that every window is unlinked from a living parent; children
  // that other threads made go with their parent, as on Windows.
  std::function<void(HWND)> removeTree = [&](HWND window) {
    for (HWND child : manager.children(window)) removeTree(child);
    manager.remove(window);
  };
  for (HWND window : manager.windowsOfThread(threadId)) {
    if (manager.exists(window)) removeTree(window);
  }
}

}  // namespace win32::internal
