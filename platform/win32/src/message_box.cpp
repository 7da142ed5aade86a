// MessageBox: a modal "#32770" dialog with its buttons and a Static text, served by a
// nested message loop until a button (or the test bed's automatic answer) ends it.
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform_internal/modal_dialog.h"

namespace win32::internal {
namespace {

// Control identifiers of a Windows message box: the text and the icon.
constexpr int textId = 0xFFFF;
constexpr int iconId = 0x14;

struct ButtonSpec {
  int id;
  const char* label;
};

std::vector<ButtonSpec> buttonsFor(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    case MB_CANCELTRYCONTINUE: return {{IDCANCEL, "Cancel"}, {IDTRYAGAIN, "&Try Again"}, {IDCONTINUE, "&Continue"}};
    default: return {{IDOK, "OK"}};
  }
}

// PLATFORM_MESSAGEBOX_ANSWER: IDOK, IDCANCEL, IDYES, IDNO or a number; read once.
std::optional<int> automaticAnswer() {
  static const std::optional<int> answer = []() -> std::optional<int> {
    const char* text = std::getenv("PLATFORM_MESSAGEBOX_ANSWER");
    if (text == nullptr || *text == '\0') return std::nullopt;
    const std::string value = text;
    if (value == "IDOK") return IDOK;
    if (value == "IDCANCEL") return IDCANCEL;
    if (value == "IDYES") return IDYES;
    if (value == "IDNO") return IDNO;
    char* end = nullptr;
    const long number = std::strtol(text, &end, 10);
    if (end != text && *end == '\0' && number > 0 && number < 0x10000) return static_cast<int>(number);
    return std::nullopt;
  }();
  return answer;
}

INT_PTR CALLBACK messageBoxDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  const int id = LOWORD(wParam);
  if (GetDlgItem(dialog, id) != nullptr) {
    EndDialog(dialog, id);
    return TRUE;
  }
  // Closing a box without a Cancel button: an OK-only box answers OK, others stay.
  if (id == IDCANCEL && GetDlgItem(dialog, IDOK) != nullptr && GetDlgItem(dialog, IDNO) == nullptr &&
      GetDlgItem(dialog, IDRETRY) == nullptr) {
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  return FALSE;
}

HWND createMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  const DWORD exStyle = WS_EX_DLGMODALFRAME | ((type & MB_TOPMOST) != 0 ? WS_EX_TOPMOST : 0);
  const HWND dialog = CreateWindowExA(exStyle, "#32770", caption != nullptr ? caption : "Error",
                                      WS_POPUP | WS_CAPTION | WS_SYSMENU, 200, 150, 360, 140, owner, nullptr,
                                      nullptr, nullptr);
  if (dialog == nullptr) return nullptr;
  SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&messageBoxDialogProcedure));
  // Buttons first, then the icon and the text, in the order a dialog's children are
  // walked (EnumChildWindows, GW_CHILD / GW_HWNDNEXT).
  const std::vector<ButtonSpec> buttons = buttonsFor(type);
  const UINT defaultIndex = (type & MB_DEFMASK) >> 8;
  int x = 20;
  for (size_t i = 0; i < buttons.size(); ++i) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    CreateWindowExA(0, "Button", buttons[i].label, style, x, 80, 75, 23, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttons[i].id)), nullptr, nullptr);
    x += 85;
  }
  if ((type & MB_ICONMASK) != 0) {
    CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 10, 32, 32, dialog,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(iconId)), nullptr, nullptr);
  }
  CreateWindowExA(0, "Static", text != nullptr ? text : "", WS_CHILD | WS_VISIBLE | WS_GROUP, 50, 10, 290, 60, dialog,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(textId)), nullptr, nullptr);
  return dialog;
}

}  // namespace
}  // namespace win32::internal

using namespace win32::internal;

extern "C" int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  if (hWnd != nullptr && !IsWindow(hWnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  const HWND dialog = createMessageBox(hWnd, lpText, lpCaption, uType);
  if (dialog == nullptr) return 0;
  const INT_PTR result = runModalDialog(dialog, [dialog] {
    if (const auto answer = automaticAnswer()) EndDialog(dialog, *answer);
  });
  return result < 0 ? 0 : static_cast<int>(result);
}
