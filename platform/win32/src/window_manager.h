// The window manager: every window and window class of the process, their tree and
// Z order, and delivery of messages to window procedures on the owning thread.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace win32::internal {

struct WindowClass {
  std::string name;
  WNDPROC procedure = nullptr;
  HINSTANCE instance = nullptr;
  UINT style = 0;
  ATOM atom = 0;
  bool system = false;  // one of the built-in classes, which nobody unregisters
};

// State a built-in control keeps beside its window (list items, selection ...).
class ControlState {
 public:
  virtual ~ControlState() = default;
};

struct Window {
  HWND handle = nullptr;
  DWORD threadId = 0;
  std::shared_ptr<const WindowClass> windowClass;
  WNDPROC procedure = nullptr;
  HINSTANCE instance = nullptr;
  std::string text;
  DWORD style = 0;
  DWORD exStyle = 0;
  HWND parent = nullptr;  // for WS_CHILD windows
  HWND owner = nullptr;   // for owned top-level windows
  std::vector<HWND> children;  // Z order: first is topmost
  RECT rect{};                 // relative to the parent's origin (screen for top level)
  LONG_PTR id = 0;             // control identifier of a child window
  LONG_PTR userData = 0;
  bool flashing = false;
  bool destroying = false;
  // Dialog windows ("#32770"): the DWLP_* slots and the end of a modal run.
  DLGPROC dialogProcedure = nullptr;
  LONG_PTR dialogMessageResult = 0;
  LONG_PTR dialogUser = 0;
  bool dialogEnded = false;
  bool dialogDisabledOwner = false;  // a modal run disabled the owner and gives it back
  INT_PTR dialogResult = 0;
  std::shared_ptr<ControlState> control;
};

// Everything here takes the window manager's lock for the moment of the call; no
// window procedure ever runs under it.
class WindowManager {
 public:
  static WindowManager& instance();

  // Classes (names compare without regard to case, as on Windows).
  ATOM registerClass(const WindowClass& windowClass);
  bool unregisterClass(const std::string& name);
  std::shared_ptr<const WindowClass> findClass(const std::string& name) const;
  std::shared_ptr<const WindowClass> findClass(ATOM atom) const;
  bool classHasWindows(const std::string& name) const;

  // Adds the window (handle assigned here), linking it into its parent or the top
  // level: children go to the bottom of their siblings, top-level windows to the top
  // (below WS_EX_TOPMOST windows unless topmost themselves).
  HWND add(Window window);
  // Unlinks a window and forgets it; its own children must be removed first.
  void remove(HWND window);

  // A copy of the window's state, or null when there is no such window.
  std::shared_ptr<const Window> snapshot(HWND window) const;
  bool exists(HWND window) const;
  // The owning thread and current procedure of a window; false when there is none.
  bool route(HWND window, DWORD& threadId, WNDPROC& procedure) const;
  // Applies `change` to the window under the lock; false when there is no such window.
  bool update(HWND window, const std::function<void(Window&)>& change);

  std::vector<HWND> children(HWND parent) const;  // Z order
  std::vector<HWND> topLevel() const;            // Z order
  std::vector<HWND> windowsOfThread(DWORD threadId) const;
  void bringToTop(HWND window);

  HWND foreground() const;
  void setForeground(HWND window);
  // Keyboard focus of a thread.
  HWND focus(DWORD threadId) const;
  void setFocus(DWORD threadId, HWND window);

 private:
  WindowManager() = default;
  // Under the lock: where a top-level window goes when brought up: the very top for a
  // WS_EX_TOPMOST window, below the topmost ones for any other.
  size_t topPosition(HWND window) const;
  mutable std::mutex mutex_;
  std::unordered_map<std::string, std::shared_ptr<WindowClass>> classes_;  // by upper-case name
  ATOM nextAtom_ = 0xC000;
  std::unordered_map<HWND, std::shared_ptr<Window>> windows_;
  std::vector<HWND> topLevel_;
  uintptr_t nextHandle_ = 0x01000010;  // far above the kernel handles
  HWND foreground_ = nullptr;
  std::unordered_map<DWORD, HWND> focus_;
};

// The thread that owns the window, or 0 when there is no such window.
DWORD windowThreadId(HWND window);
// True when `descendant` is a child, grandchild ... of `ancestor`.
bool isDescendant(HWND ancestor, HWND descendant);
// Sends a message: calls the window procedure directly on the owning thread, or carries
// the call to that thread and waits, serving calls made into this thread meanwhile.
// `sent` is false for DispatchMessage and input, which the WH_CALLWNDPROC hooks skip.
LRESULT deliverMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool sent = true);
// SendMessageTimeoutA's delivery: 1 when the procedure ran in time, else 0 with the error set.
LRESULT deliverMessageWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT flags, UINT timeoutMs,
                             DWORD_PTR* result);
// WM_PARENTNOTIFY to every ancestor of a child window (unless it has
// WS_EX_NOPARENTNOTIFY): `event` is WM_CREATE, WM_DESTROY or a button-down message;
// lParam is the child for the first two and the point in each ancestor's client area
// for a button.
void notifyAncestors(HWND child, UINT event, LPARAM childPoint);
// Forgets every window of a thread that has ended (no messages: the thread is gone).
void destroyWindowsOfThread(DWORD threadId);

}  // namespace win32::internal
