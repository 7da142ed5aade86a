// CreateWindowEx, DestroyWindow, DefWindowProc, SendMessage and the window longs.
#include <windows.h>

#include <functional>

#include "builtin_classes.h"
#include "hooks.h"
#include "window_manager.h"
#include "window_text.h"

namespace win32::internal {
namespace {

constexpr int defaultWidth = 640;
constexpr int defaultHeight = 480;

std::shared_ptr<const WindowClass> classFromName(LPCSTR name) {
  ensureBuiltInClasses();
  if (name == nullptr) return nullptr;
  WindowManager& manager = WindowManager::instance();
  if (IS_INTRESOURCE(name)) {
    const ATOM atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
    // WC_DIALOG, the system atom of the dialog class.
    if (atom == 0x8002) return manager.findClass(std::string("#32770"));
    return manager.findClass(atom);
  }
  return manager.findClass(std::string(name));
}

HWND topLevelAncestor(HWND window) {
  WindowManager& manager = WindowManager::instance();
  auto state = manager.snapshot(window);
  while (state && state->parent != nullptr) {
    window = state->parent;
    state = manager.snapshot(window);
  }
  return window;
}

// Every descendant of `window`, each before its own children.
void collectDescendants(HWND window, std::vector<HWND>& out) {
  for (HWND child : WindowManager::instance().children(window)) {
    out.push_back(child);
    collectDescendants(child, out);
  }
}

void destroyOwnedWindows(HWND owner) {
  WindowManager& manager = WindowManager::instance();
  for (HWND window : manager.topLevel()) {
    const auto state = manager.snapshot(window);
    if (state && state->owner == owner && state->threadId == GetCurrentThreadId()) DestroyWindow(window);
  }
}

}  // namespace
}  // namespace win32::internal

using namespace win32::internal;

extern "C" HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X,
                                       int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                                       HINSTANCE hInstance, LPVOID lpParam) {
  WindowManager& manager = WindowManager::instance();
  const auto windowClass = classFromName(lpClassName);
  if (!windowClass) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  Window window;
  if ((dwStyle & WS_CHILD) != 0) {
    if (hWndParent == nullptr) {
      SetLastError(ERROR_TLW_WITH_WSCHILD);
      return nullptr;
    }
    window.parent = hWndParent;
    window.id = reinterpret_cast<LONG_PTR>(hMenu);
  } else if (hWndParent != nullptr) {
    window.owner = topLevelAncestor(hWndParent);
  }
  if (hWndParent != nullptr && !manager.exists(hWndParent)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  const bool topLevel = window.parent == nullptr;
  const int x = X == CW_USEDEFAULT ? 0 : X;
  const int y = X == CW_USEDEFAULT ? 0 : Y;
  const int width = nWidth == CW_USEDEFAULT ? (topLevel ? defaultWidth : 0) : nWidth;
  const int height = nWidth == CW_USEDEFAULT ? (topLevel ? defaultHeight : 0) : nHeight;
  window.threadId = GetCurrentThreadId();
  window.windowClass = windowClass;
  window.procedure = windowClass->procedure;
  window.instance = hInstance;
  window.style = dwStyle & ~static_cast<DWORD>(WS_VISIBLE);  // made visible below, after WM_CREATE
  window.exStyle = dwExStyle;
  window.rect = RECT{x, y, x + width, y + height};
  const HWND handle = manager.add(std::move(window));
  if (handle == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }

  CREATESTRUCTA create{lpParam, hInstance, hMenu, hWndParent, height, width, y, x, static_cast<LONG>(dwStyle),
                       lpWindowName, lpClassName, dwExStyle};
  CBT_CREATEWNDA creating{&create, nullptr};
  if (callHooks(WH_CBT, HCBT_CREATEWND, reinterpret_cast<WPARAM>(handle), reinterpret_cast<LPARAM>(&creating)) != 0) {
    manager.remove(handle);  // a CBT hook refused the window
    return nullptr;
  }
  if (!SendMessageA(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create))) {
    manager.remove(handle);
    return nullptr;
  }
  if (SendMessageA(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(handle);
    return nullptr;
  }
  notifyAncestors(handle, WM_CREATE, 0);
  if ((dwStyle & WS_VISIBLE) != 0) ShowWindow(handle, SW_SHOW);
  return handle;
}

extern "C" BOOL WINAPI DestroyWindow(HWND hWnd) {
  WindowManager& manager = WindowManager::instance();
  const auto state = manager.snapshot(hWnd);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (state->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (state->destroying) return TRUE;
  if (callHooks(WH_CBT, HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hWnd), 0) != 0) return FALSE;
  manager.update(hWnd, [](Window& w) {
    w.destroying = true;
    w.style &= ~static_cast<DWORD>(WS_VISIBLE);
  });
  if (manager.foreground() == hWnd) manager.setForeground(nullptr);
  destroyOwnedWindows(hWnd);

  std::vector<HWND> tree{hWnd};
  collectDescendants(hWnd, tree);
  for (HWND window : tree) manager.update(window, [](Window& w) { w.destroying = true; });
  notifyAncestors(hWnd, WM_DESTROY, 0);  // its parents hear of it; its own children go with it
  for (HWND window : tree) {
    if (manager.exists(window)) SendMessageA(window, WM_DESTROY, 0, 0);
  }
  // WM_NCDESTROY goes to the deepest windows first, and each is forgotten after it.
  for (auto it = tree.rbegin(); it != tree.rend(); ++it) {
    if (!manager.exists(*it)) continue;
    SendMessageA(*it, WM_NCDESTROY, 0, 0);
    manager.remove(*it);
  }
  return TRUE;
}

extern "C" LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  WindowManager& manager = WindowManager::instance();
  switch (Msg) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (create != nullptr && create->lpszName != nullptr && !IS_INTRESOURCE(create->lpszName)) {
        const std::string text = create->lpszName;
        manager.update(hWnd, [&](Window& w) { w.text = text; });
      }
      return TRUE;
    }
    case WM_SETTEXT: {
      const std::string text = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
      return manager.update(hWnd, [&](Window& w) { w.text = text; }) ? TRUE : FALSE;
    }
    case WM_GETTEXT: {
      const auto state = manager.snapshot(hWnd);
      if (!state || wParam == 0) return 0;
      const int capacity = wParam > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(wParam);
      return copyText(state->text, reinterpret_cast<LPSTR>(lParam), capacity);
    }
    case WM_GETTEXTLENGTH: {
      const auto state = manager.snapshot(hWnd);
      return state ? static_cast<LRESULT>(state->text.size()) : 0;
    }
    case WM_CLOSE:
      DestroyWindow(hWnd);
      return 0;
    default:
      return 0;
  }
}

extern "C" LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return lpPrevWndFunc != nullptr ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

extern "C" LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return deliverMessage(hWnd, Msg, wParam, lParam);
}

extern "C" LRESULT WINAPI SendMessageTimeoutA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam, UINT fuFlags,
                                              UINT uTimeout, PDWORD_PTR lpdwResult) {
  return deliverMessageWithin(hWnd, Msg, wParam, lParam, fuFlags, uTimeout, lpdwResult);
}

extern "C" LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) {
  const auto state = WindowManager::instance().snapshot(hWnd);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  switch (nIndex) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(state->procedure);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(state->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(state->parent != nullptr ? state->parent : state->owner);
    case GWLP_ID: return state->id;
    case GWLP_USERDATA: return state->userData;
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(state->style));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(state->exStyle));
    case static_cast<int>(DWLP_MSGRESULT): return state->dialogMessageResult;
    case static_cast<int>(DWLP_DLGPROC): return reinterpret_cast<LONG_PTR>(state->dialogProcedure);
    case static_cast<int>(DWLP_USER): return state->dialogUser;
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

extern "C" LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  LONG_PTR previous = 0;
  bool known = true;
  const bool found = WindowManager::instance().update(hWnd, [&](Window& w) {
    const bool dialog = w.windowClass->name == "#32770";
    switch (nIndex) {
      case GWLP_WNDPROC:
        previous = reinterpret_cast<LONG_PTR>(w.procedure);
        w.procedure = reinterpret_cast<WNDPROC>(dwNewLong);
        break;
      case GWLP_HINSTANCE:
        previous = reinterpret_cast<LONG_PTR>(w.instance);
        w.instance = reinterpret_cast<HINSTANCE>(dwNewLong);
        break;
      case GWLP_ID:
        previous = w.id;
        w.id = dwNewLong;
        break;
      case GWLP_USERDATA:
        previous = w.userData;
        w.userData = dwNewLong;
        break;
      case GWL_STYLE:
        previous = static_cast<LONG>(w.style);
        w.style = static_cast<DWORD>(dwNewLong);
        break;
      case GWL_EXSTYLE:
        previous = static_cast<LONG>(w.exStyle);
        w.exStyle = static_cast<DWORD>(dwNewLong);
        break;
      default:
        if (dialog && nIndex == static_cast<int>(DWLP_MSGRESULT)) {
          previous = w.dialogMessageResult;
          w.dialogMessageResult = dwNewLong;
        } else if (dialog && nIndex == static_cast<int>(DWLP_DLGPROC)) {
          previous = reinterpret_cast<LONG_PTR>(w.dialogProcedure);
          w.dialogProcedure = reinterpret_cast<DLGPROC>(dwNewLong);
        } else if (dialog && nIndex == static_cast<int>(DWLP_USER)) {
          previous = w.dialogUser;
          w.dialogUser = dwNewLong;
        } else {
          known = false;
        }
    }
  });
  if (!found || !known) {
    SetLastError(found ? ERROR_INVALID_INDEX : ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  SetLastError(ERROR_SUCCESS);  // a previous value of 0 is not a failure
  return previous;
}

extern "C" LONG WINAPI GetWindowLongA(HWND hWnd, int nIndex) {
  if (nIndex != GWL_STYLE && nIndex != GWL_EXSTYLE && nIndex != GWL_ID && nIndex != GWL_USERDATA) {
    SetLastError(ERROR_INVALID_INDEX);  // pointers do not fit a LONG on this host
    return 0;
  }
  return static_cast<LONG>(GetWindowLongPtrA(hWnd, nIndex));
}

extern "C" LONG WINAPI SetWindowLongA(HWND hWnd, int nIndex, LONG dwNewLong) {
  if (nIndex != GWL_STYLE && nIndex != GWL_EXSTYLE && nIndex != GWL_ID && nIndex != GWL_USERDATA) {
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
  }
  return static_cast<LONG>(SetWindowLongPtrA(hWnd, nIndex, dwNewLong));
}
