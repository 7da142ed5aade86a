// RegisterClass and UnregisterClass.
#include <windows.h>

#include "builtin_classes.h"
#include "window_manager.h"

using namespace win32::internal;

extern "C" ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
  if (lpWndClass == nullptr || lpWndClass->lpfnWndProc == nullptr || lpWndClass->lpszClassName == nullptr ||
      IS_INTRESOURCE(lpWndClass->lpszClassName) || *lpWndClass->lpszClassName == '\0') {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  ensureBuiltInClasses();
  WindowClass windowClass;
  windowClass.name = lpWndClass->lpszClassName;
  windowClass.procedure = lpWndClass->lpfnWndProc;
  windowClass.instance = lpWndClass->hInstance;
  windowClass.style = lpWndClass->style;
  const ATOM atom = WindowManager::instance().registerClass(windowClass);
  if (atom == 0) SetLastError(ERROR_CLASS_ALREADY_EXISTS);
  return atom;
}

extern "C" BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE) {
  WindowManager& manager = WindowManager::instance();
  ensureBuiltInClasses();
  std::shared_ptr<const WindowClass> windowClass =
      lpClassName != nullptr && IS_INTRESOURCE(lpClassName)
          ? manager.findClass(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(lpClassName)))
          : (lpClassName != nullptr ? manager.findClass(std::string(lpClassName)) : nullptr);
  if (!windowClass || windowClass->system) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  if (manager.classHasWindows(windowClass->name)) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return FALSE;
  }
  manager.unregisterClass(windowClass->name);
  return TRUE;
}
