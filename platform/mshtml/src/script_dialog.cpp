#include "script_dialog.h"

namespace mshtml {
namespace {

constexpr char kDialogClass[] = "#32770";
constexpr int kStaticId = 0xFFFF;  // IDC_STATIC
constexpr int kPromptEditId = 0x3EB;

// Children are laid out as IE's templates lay them out, roughly: a click lands inside them.
HWND addChild(HWND dialog, const char* className, const char* text, int id, RECT place, DWORD style = 0) {
  return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, dialog,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

std::string windowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
  return text;
}

}  // namespace

ScriptDialogWindow::ScriptDialogWindow(HWND owner, ScriptDialogKind kind, std::string_view message,
                                       std::string_view defaultText, Answered answered)
    : kind_(kind), owner_(owner), answered_(std::move(answered)) {
  const char* title = kind == ScriptDialogKind::Prompt ? kPromptDialogTitle : kScriptDialogTitle;
  dialog_ = CreateWindowExA(WS_EX_DLGMODALFRAME, kDialogClass, title, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                            CW_USEDEFAULT, CW_USEDEFAULT, 320, 140, owner, nullptr, nullptr, nullptr);
  if (!dialog_) return;
  addChild(dialog_, "Button", "OK", IDOK, {150, 80, 225, 103}, BS_DEFPUSHBUTTON);
  if (kind != ScriptDialogKind::Alert) addChild(dialog_, "Button", "Cancel", IDCANCEL, {232, 80, 307, 103});
  if (kind == ScriptDialogKind::Alert) addChild(dialog_, "Static", "", kStaticId, {10, 10, 42, 42});  // the icon
  addChild(dialog_, "Static", std::string(message).c_str(), kStaticId, {50, 10, 310, 40});
  if (kind == ScriptDialogKind::Prompt) {
    edit_ = addChild(dialog_, "Edit", std::string(defaultText).c_str(), kPromptEditId, {10, 48, 310, 70}, WS_BORDER);
  }
  SetWindowLongPtrA(dialog_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(dialog_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ScriptDialogWindow::dialogProc)));
  // Modal to the frame: the owner takes no input while the dialog is up.
  if (owner_) EnableWindow(owner_, FALSE);
  ShowWindow(dialog_, SW_SHOWNORMAL);
  SetForegroundWindow(dialog_);
}

ScriptDialogWindow::~ScriptDialogWindow() {
  if (!dialog_) return;
  SetWindowLongPtrA(dialog_, GWLP_USERDATA, 0);
  if (original_) SetWindowLongPtrA(dialog_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  DestroyWindow(dialog_);
  if (owner_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
}

void ScriptDialogWindow::answer(bool accepted) {
  if (done_) return;
  done_ = true;
  const std::string text = edit_ && accepted ? windowText(edit_) : std::string();
  if (kind_ == ScriptDialogKind::Alert) accepted = true;
  // The callback may destroy this object (the engine closes the dialog once answered).
  Answered answered = std::move(answered_);
  answered(accepted, text);
}

LRESULT CALLBACK ScriptDialogWindow::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ScriptDialogWindow*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
  if (!self) return DefWindowProcA(dialog, message, wParam, lParam);
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    self->answer(LOWORD(wParam) == IDOK);
    return 0;
  }
  if (message == WM_CLOSE) {
    self->answer(false);
    return 0;
  }
  return self->original_ ? CallWindowProcA(self->original_, dialog, message, wParam, lParam)
                         : DefWindowProcA(dialog, message, wParam, lParam);
}

}  // namespace mshtml
