// The dialog class "#32770": DefDlgProc with its dialog procedure slot, and EndDialog.
#include <windows.h>

#include "window_manager.h"

using namespace win32::internal;

extern "C" LRESULT WINAPI DefDlgProcA(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
  WindowManager& manager = WindowManager::instance();
  const auto state = manager.snapshot(hDlg);
  if (!state) return 0;
  if (state->dialogProcedure != nullptr) {
    const INT_PTR handled = state->dialogProcedure(hDlg, Msg, wParam, lParam);
    if (handled != 0) {
      if (Msg == WM_INITDIALOG) return handled;
      const auto after = manager.snapshot(hDlg);
      return after ? after->dialogMessageResult : 0;
    }
  }
  switch (Msg) {
    case WM_CLOSE: {
      // Closing a dialog is pressing its Cancel button, unless that button is disabled.
      const HWND cancel = GetDlgItem(hDlg, IDCANCEL);
      if (cancel == nullptr || IsWindowEnabled(cancel)) {
        PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
      }
      return 0;
    }
    default:
      return DefWindowProcA(hDlg, Msg, wParam, lParam);
  }
}

extern "C" BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  WindowManager& manager = WindowManager::instance();
  HWND owner = nullptr;
  const bool found = manager.update(hDlg, [&](Window& w) {
    w.dialogEnded = true;
    w.dialogResult = nResult;
    owner = w.owner;
  });
  if (!found) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  // The owner is enabled again before the dialog goes, as Windows does, so that
  // activation can return to it.
  if (owner != nullptr) EnableWindow(owner, TRUE);
  ShowWindow(hDlg, SW_HIDE);
  PostMessageA(hDlg, WM_NULL, 0, 0);  // wakes the modal loop if it is waiting
  return TRUE;
}
