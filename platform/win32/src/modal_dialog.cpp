#include "platform_internal/modal_dialog.h"

#include <windows.h>

#include "platform_internal/thread_calls.h"
#include "window_manager.h"

namespace win32::internal {
namespace {

bool dialogEnded(HWND dialog, INT_PTR& result) {
  const auto state = WindowManager::instance().snapshot(dialog);
  if (!state) return true;
  result = state->dialogResult;
  return state->dialogEnded;
}

}  // namespace

INT_PTR runModalDialog(HWND dialog, const std::function<void()>& shown) {
  if (windowThreadId(dialog) != GetCurrentThreadId()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return -1;
  }
  const HWND owner = GetWindow(dialog, GW_OWNER);
  const bool ownerWasEnabled = owner != nullptr && !EnableWindow(owner, FALSE);
  if (ownerWasEnabled) WindowManager::instance().update(dialog, [](Window& w) { w.dialogDisabledOwner = true; });
  ShowWindow(dialog, SW_SHOW);
  if (shown) shown();

  INT_PTR result = 0;
  bool quit = false;
  int quitCode = 0;
  while (!dialogEnded(dialog, result)) {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      waitForCallsOrMessages(INFINITE);
      continue;
    }
    if (message.message == WM_QUIT) {
      quit = true;
      quitCode = static_cast<int>(message.wParam);
      break;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (ownerWasEnabled && IsWindow(owner)) EnableWindow(owner, TRUE);
  if (IsWindow(dialog)) DestroyWindow(dialog);
  if (owner != nullptr && IsWindow(owner) && windowThreadId(owner) == GetCurrentThreadId()) SetForegroundWindow(owner);
  if (quit) {
    PostQuitMessage(quitCode);
    return 0;
  }
  return result;
}

}  // namespace win32::internal
