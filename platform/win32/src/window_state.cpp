// Text, class name, visibility, enabled state, activation and flashing.
#include <windows.h>

#include "hooks.h"
#include "window_manager.h"
#include "window_text.h"

namespace win32::internal {
namespace {

bool activates(int command) {
  return command == SW_SHOWNORMAL || command == SW_SHOW || command == SW_SHOWMAXIMIZED || command == SW_RESTORE ||
         command == SW_SHOWDEFAULT;
}

// Activation is told to windows of other threads by posting, so that a thread that is
// not pumping never holds up the one that activates.
void notifyActivation(HWND window, WPARAM state, HWND other) {
  if (windowThreadId(window) == GetCurrentThreadId()) {
    SendMessageA(window, WM_ACTIVATE, state, reinterpret_cast<LPARAM>(other));
  } else {
    PostMessageA(window, WM_ACTIVATE, state, reinterpret_cast<LPARAM>(other));
  }
}

HWND rootOf(HWND window) {
  WindowManager& manager = WindowManager::instance();
  for (auto state = manager.snapshot(window); state && state->parent != nullptr; state = manager.snapshot(window)) {
    window = state->parent;
  }
  return window;
}

}  // namespace
}  // namespace win32::internal

using namespace win32::internal;

extern "C" BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
  if (!IsWindow(hWnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != 0 ? TRUE : FALSE;
}

extern "C" int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
  const auto state = WindowManager::instance().snapshot(hWnd);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    if (lpString != nullptr && nMaxCount > 0) *lpString = '\0';
    return 0;
  }
  if (nMaxCount <= 0 || lpString == nullptr) return 0;
  if (state->threadId == GetCurrentThreadId()) {
    return static_cast<int>(
        SendMessageA(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
  }
  return copyText(state->text, lpString, nMaxCount);
}

extern "C" int WINAPI GetWindowTextLengthA(HWND hWnd) {
  const auto state = WindowManager::instance().snapshot(hWnd);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (state->threadId == GetCurrentThreadId()) return static_cast<int>(SendMessageA(hWnd, WM_GETTEXTLENGTH, 0, 0));
  return static_cast<int>(state->text.size());
}

extern "C" int WINAPI GetClassNameA(HWND hWnd, LPSTR lpClassName, int nMaxCount) {
  const auto state = WindowManager::instance().snapshot(hWnd);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return copyText(state->windowClass->name, lpClassName, nMaxCount);
}

extern "C" BOOL WINAPI IsWindow(HWND hWnd) { return WindowManager::instance().exists(hWnd) ? TRUE : FALSE; }

extern "C" BOOL WINAPI IsWindowVisible(HWND hWnd) {
  WindowManager& manager = WindowManager::instance();
  auto state = manager.snapshot(hWnd);
  if (!state) return FALSE;
  for (; state; state = manager.snapshot(state->parent)) {
    if ((state->style & WS_VISIBLE) == 0) return FALSE;
    if (state->parent == nullptr) break;
  }
  return TRUE;
}

extern "C" BOOL WINAPI IsWindowEnabled(HWND hWnd) {
  const auto state = WindowManager::instance().snapshot(hWnd);
  return state && (state->style & WS_DISABLED) == 0 ? TRUE : FALSE;
}

extern "C" BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) {
  WindowManager& manager = WindowManager::instance();
  bool wasVisible = false;
  const bool show = nCmdShow != SW_HIDE;
  const bool found = manager.update(hWnd, [&](Window& w) {
    wasVisible = (w.style & WS_VISIBLE) != 0;
    if (show) {
      w.style |= WS_VISIBLE;
    } else {
      w.style &= ~static_cast<DWORD>(WS_VISIBLE);
    }
  });
  if (!found) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (wasVisible != show) SendMessageA(hWnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
  const auto state = manager.snapshot(hWnd);
  if (state && state->parent == nullptr) {
    if (show && activates(nCmdShow)) {
      SetForegroundWindow(hWnd);
    } else if (!show && manager.foreground() == hWnd) {
      manager.setForeground(nullptr);
    }
  }
  return wasVisible ? TRUE : FALSE;
}

extern "C" BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable) {
  bool wasDisabled = false;
  const bool found = WindowManager::instance().update(hWnd, [&](Window& w) {
    wasDisabled = (w.style & WS_DISABLED) != 0;
    if (bEnable) {
      w.style &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
      w.style |= WS_DISABLED;
    }
  });
  if (!found) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (wasDisabled == (bEnable != FALSE)) SendMessageA(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
  return wasDisabled ? TRUE : FALSE;
}

extern "C" BOOL WINAPI SetForegroundWindow(HWND hWnd) {
  WindowManager& manager = WindowManager::instance();
  if (!manager.exists(hWnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const HWND root = rootOf(hWnd);
  const HWND previous = manager.foreground();
  if (previous != root) {
    CBTACTIVATESTRUCT activation{FALSE, previous};
    if (callHooks(WH_CBT, HCBT_ACTIVATE, reinterpret_cast<WPARAM>(root), reinterpret_cast<LPARAM>(&activation)) != 0) {
      return FALSE;  // a CBT hook refused the activation
    }
  }
  manager.bringToTop(root);
  manager.setForeground(root);
  manager.update(root, [](Window& w) { w.flashing = false; });
  if (previous != root) {
    if (previous != nullptr && manager.exists(previous)) notifyActivation(previous, WA_INACTIVE, root);
    notifyActivation(root, WA_ACTIVE, previous);
  }
  return TRUE;
}

extern "C" HWND WINAPI GetForegroundWindow(void) { return WindowManager::instance().foreground(); }

extern "C" BOOL WINAPI BringWindowToTop(HWND hWnd) {
  WindowManager& manager = WindowManager::instance();
  const auto state = manager.snapshot(hWnd);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  // A top-level window brought to the top is also activated, as on Windows.
  if (state->parent == nullptr) return SetForegroundWindow(hWnd);
  manager.bringToTop(hWnd);
  return TRUE;
}

extern "C" BOOL WINAPI FlashWindow(HWND hWnd, BOOL bInvert) {
  WindowManager& manager = WindowManager::instance();
  const bool active = manager.foreground() == hWnd;
  if (!manager.update(hWnd, [&](Window& w) { w.flashing = bInvert != FALSE; })) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return active ? TRUE : FALSE;
}

extern "C" HWND WINAPI SetFocus(HWND hWnd) {
  WindowManager& manager = WindowManager::instance();
  const DWORD self = GetCurrentThreadId();
  if (hWnd != nullptr && windowThreadId(hWnd) != self) {
    SetLastError(hWnd != nullptr && !manager.exists(hWnd) ? ERROR_INVALID_WINDOW_HANDLE : ERROR_ACCESS_DENIED);
    return nullptr;
  }
  const HWND previous = manager.focus(self);
  if (previous == hWnd) return previous;
  manager.setFocus(self, hWnd);
  if (previous != nullptr && manager.exists(previous)) {
    SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
  }
  if (hWnd != nullptr && manager.focus(self) == hWnd) {
    SendMessageA(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  }
  return previous;
}

extern "C" HWND WINAPI GetFocus(void) { return WindowManager::instance().focus(GetCurrentThreadId()); }

extern "C" BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
  const auto state = WindowManager::instance().snapshot(hWnd);
  if (!state || lpRect == nullptr) {
    SetLastError(state ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  *lpRect = RECT{0, 0, state->rect.right - state->rect.left, state->rect.bottom - state->rect.top};
  return TRUE;
}
