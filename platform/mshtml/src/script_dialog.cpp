#include "script_dialog.h"

namespace mshtml {
namespace {

constexpr char kDialogClass[] = "#32770";

// Kept in the dialog's user data while the modal loop runs.
struct DialogState {
  WNDPROC original = nullptr;
  HWND edit = nullptr;
  bool done = false;
  ScriptDialogAnswer answer;
};

void finish(HWND dialog, DialogState& state, bool accepted) {
  if (state.done) return;
  state.done = true;
  state.answer.accepted = accepted;
  if (accepted && state.edit) {
    const int length = GetWindowTextLengthA(state.edit);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(state.edit, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    state.answer.text = std::move(text);
  }
  // Wakes the modal loop, which may be waiting in GetMessage.
  PostMessageA(dialog, WM_NULL, 0, 0);
}

LRESULT CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
  if (state) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
      if (LOWORD(wParam) == IDOK) {
        finish(dialog, *state, true);
        return 0;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        finish(dialog, *state, false);
        return 0;
      }
    }
    if (message == WM_CLOSE) {
      finish(dialog, *state, false);
      return 0;
    }
    if (state->original) return CallWindowProcA(state->original, dialog, message, wParam, lParam);
  }
  return DefWindowProcA(dialog, message, wParam, lParam);
}

HWND addChild(HWND dialog, const char* className, const char* text, int id, DWORD style = 0) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, dialog,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

}  // namespace

ScriptDialogAnswer runScriptDialog(HWND owner, ScriptDialogKind kind, std::string_view message,
                                   std::string_view defaultText) {
  const char* title = kind == ScriptDialogKind::Prompt ? kPromptDialogTitle : kScriptDialogTitle;
  HWND dialog = CreateWindowExA(WS_EX_DLGMODALFRAME, kDialogClass, title, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                CW_USEDEFAULT, CW_USEDEFAULT, 320, 140, owner, nullptr, nullptr, nullptr);
  if (!dialog) return {};

  DialogState state;
  const std::string text(message);
  addChild(dialog, "Button", "OK", IDOK, BS_DEFPUSHBUTTON);
  if (kind != ScriptDialogKind::Alert) addChild(dialog, "Button", "Cancel", IDCANCEL);
  if (kind == ScriptDialogKind::Alert) addChild(dialog, "Static", "", 0xFFFF);  // the icon
  addChild(dialog, "Static", text.c_str(), 0xFFFF);
  if (kind == ScriptDialogKind::Prompt) {
    state.edit = addChild(dialog, "Edit", std::string(defaultText).c_str(), 0x3EB, WS_BORDER);
  }
  SetWindowLongPtrA(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  state.original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&dialogProc)));
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(dialog, SW_SHOWNORMAL);
  SetForegroundWindow(dialog);

  MSG msg;
  while (!state.done) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // WM_QUIT ends the thread's loop; hand it on to the outer loop.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }

  if (owner) EnableWindow(owner, TRUE);
  SetWindowLongPtrA(dialog, GWLP_USERDATA, 0);
  SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.original));
  DestroyWindow(dialog);
  if (kind == ScriptDialogKind::Alert) state.answer.accepted = true;
  return state.answer;
}

}  // namespace mshtml
