// Parents, owners, siblings, children, searches and positions.
#include <windows.h>

#include <algorithm>

#include "window_manager.h"
#include "window_text.h"

namespace win32::internal {
namespace {

std::vector<HWND> siblingsOf(const Window& window) {
  WindowManager& manager = WindowManager::instance();
  return window.parent != nullptr ? manager.children(window.parent) : manager.topLevel();
}

// Mirrors Windows: the children of each window are listed before the callback runs for
// it, and a FALSE anywhere ends the whole walk.
BOOL enumerate(const std::vector<HWND>& windows, WNDENUMPROC callback, LPARAM lParam) {
  WindowManager& manager = WindowManager::instance();
  BOOL result = FALSE;
  for (HWND window : windows) {
    if (!manager.exists(window)) continue;
    const std::vector<HWND> children = manager.children(window);
    result = callback(window, lParam);
    if (!children.empty() && result) result = enumerate(children, callback, lParam);
    if (!result) return FALSE;
  }
  return result;
}

POINT screenOrigin(HWND window) {
  WindowManager& manager = WindowManager::instance();
  POINT origin{0, 0};
  for (auto state = manager.snapshot(window); state; state = manager.snapshot(state->parent)) {
    origin.x += state->rect.left;
    origin.y += state->rect.top;
    if (state->parent == nullptr) break;
  }
  return origin;
}

bool contains(const RECT& rect, POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

// The deepest visible, enabled child of `window` under `point` (screen coordinates).
HWND deepestChildAt(HWND window, POINT point) {
  WindowManager& manager = WindowManager::instance();
  for (HWND child : manager.children(window)) {
    const auto state = manager.snapshot(child);
    if (!state || (state->style & WS_VISIBLE) == 0) continue;
    RECT rect{};
    GetWindowRect(child, &rect);
    if (!contains(rect, point)) continue;
    if ((state->style & WS_DISABLED) != 0) return window;
    return deepestChildAt(child, point);
  }
  return window;
}

}  // namespace
}  // namespace win32::internal

using namespace win32::internal;

extern "C" HWND WINAPI GetParent(HWND hWnd) {
  const auto state = WindowManager::instance().snapshot(hWnd);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  if ((state->style & WS_POPUP) != 0) return state->owner;
  if ((state->style & WS_CHILD) != 0) return state->parent;
  return nullptr;
}

extern "C" HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
  WindowManager& manager = WindowManager::instance();
  const auto state = manager.snapshot(hWnd);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  if (uCmd == GW_CHILD) {
    const auto children = manager.children(hWnd);
    return children.empty() ? nullptr : children.front();
  }
  if (uCmd == GW_OWNER) return state->owner;
  const std::vector<HWND> siblings = siblingsOf(*state);
  const auto self = std::find(siblings.begin(), siblings.end(), hWnd);
  if (self == siblings.end()) return nullptr;
  switch (uCmd) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return self + 1 == siblings.end() ? nullptr : *(self + 1);
    case GW_HWNDPREV: return self == siblings.begin() ? nullptr : *(self - 1);
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

extern "C" BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd) { return isDescendant(hWndParent, hWnd) ? TRUE : FALSE; }

extern "C" HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  WindowManager& manager = WindowManager::instance();
  if (!manager.exists(hDlg)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  for (HWND child : manager.children(hDlg)) {
    const auto state = manager.snapshot(child);
    // Identifiers compare as the 32-bit values a dialog template holds.
    if (state && static_cast<int>(state->id) == nIDDlgItem) return child;
  }
  SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
  return nullptr;
}

extern "C" int WINAPI GetDlgCtrlID(HWND hWnd) {
  const auto state = WindowManager::instance().snapshot(hWnd);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return state->parent != nullptr ? static_cast<int>(state->id) : 0;
}

extern "C" BOOL WINAPI EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam) {
  if (lpEnumFunc == nullptr) return FALSE;
  WindowManager& manager = WindowManager::instance();
  const std::vector<HWND> windows = hWndParent != nullptr ? manager.children(hWndParent) : manager.topLevel();
  return enumerate(windows, lpEnumFunc, lParam);
}

extern "C" BOOL WINAPI EnumWindows(WNDENUMPROC lpEnumFunc, LPARAM lParam) {
  if (lpEnumFunc == nullptr) return FALSE;
  for (HWND window : WindowManager::instance().topLevel()) {
    if (IsWindow(window) && !lpEnumFunc(window, lParam)) return FALSE;
  }
  return TRUE;
}

extern "C" HWND WINAPI FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName) {
  WindowManager& manager = WindowManager::instance();
  for (HWND window : manager.topLevel()) {
    const auto state = manager.snapshot(window);
    if (!state) continue;
    if (lpClassName != nullptr) {
      const bool classMatches = IS_INTRESOURCE(lpClassName)
                                    ? state->windowClass->atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(lpClassName))
                                    : equalIgnoringCase(state->windowClass->name, lpClassName);
      if (!classMatches) continue;
    }
    if (lpWindowName != nullptr && !equalIgnoringCase(state->text, lpWindowName)) continue;
    return window;
  }
  SetLastError(ERROR_SUCCESS);
  return nullptr;
}

extern "C" HWND WINAPI WindowFromPoint(POINT Point) {
  WindowManager& manager = WindowManager::instance();
  for (HWND window : manager.topLevel()) {
    const auto state = manager.snapshot(window);
    if (!state || (state->style & WS_VISIBLE) == 0 || !contains(state->rect, Point)) continue;
    return deepestChildAt(window, Point);
  }
  return nullptr;
}

extern "C" BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
  const auto state = WindowManager::instance().snapshot(hWnd);
  if (!state || lpRect == nullptr) {
    SetLastError(state ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const POINT origin = state->parent != nullptr ? screenOrigin(state->parent) : POINT{0, 0};
  *lpRect = RECT{origin.x + state->rect.left, origin.y + state->rect.top, origin.x + state->rect.right,
                 origin.y + state->rect.bottom};
  return TRUE;
}

extern "C" BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL) {
  if (!WindowManager::instance().update(hWnd, [&](Window& w) { w.rect = RECT{X, Y, X + nWidth, Y + nHeight}; })) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  SendMessageA(hWnd, WM_MOVE, 0, MAKELPARAM(X, Y));
  SendMessageA(hWnd, WM_SIZE, 0, MAKELPARAM(nWidth, nHeight));
  return TRUE;
}

extern "C" DWORD WINAPI GetWindowThreadProcessId(HWND hWnd, LPDWORD lpdwProcessId) {
  const DWORD threadId = windowThreadId(hWnd);
  if (threadId == 0) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (lpdwProcessId != nullptr) *lpdwProcessId = GetCurrentProcessId();
  return threadId;
}
