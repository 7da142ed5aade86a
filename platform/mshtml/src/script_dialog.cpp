#include "script_dialog.h"

#include "dialog_children.h"

namespace mshtml {
namespace {

constexpr char kDialogClass[] = "#32770";
constexpr char kPromptLabel[] = "Script Prompt:";

}  // namespace

ScriptDialogWindow::ScriptDialogWindow(HWND owner, ScriptDialogKind kind, std::string_view message,
                                       std::string_view defaultText, Answered answered)
    : kind_(kind), owner_(owner), answered_(std::move(answered)) {
  const char* title = kind == ScriptDialogKind::Prompt ? kPromptDialogTitle : kScriptDialogTitle;
  // A hook on window creation may already close it here: the dialog class then posts
  // itself a Cancel command, which the procedure installed below answers.
  dialog_ = CreateWindowExA(WS_EX_DLGMODALFRAME, kDialogClass, title, WS_POPUP | WS_CAPTION | WS_SYSMENU,
                            CW_USEDEFAULT, CW_USEDEFAULT, 320, 140, owner, nullptr, nullptr, nullptr);
  if (!dialog_ || !IsWindow(dialog_)) {
    dialog_ = nullptr;
    answer(false);  // nobody could answer a dialog that is not there
    return;
  }
  // The answer is in place before any child exists, so a close at any later step ends
  // the page's wait.
  SetWindowLongPtrA(dialog_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(dialog_, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&ScriptDialogWindow::dialogProc));
  createChildren(message, defaultText);
  if (!dialog_) return;  // destroyed while its children were made (answered already)
  // Modal to the frame: the owner takes no input while the dialog is up.
  if (owner_ && IsWindowEnabled(owner_)) {
    EnableWindow(owner_, FALSE);
    ownerDisabled_ = true;
  }
  ShowWindow(dialog_, SW_SHOWNORMAL);
  if (dialog_) SetForegroundWindow(dialog_);
}

void ScriptDialogWindow::createChildren(std::string_view message, std::string_view defaultText) {
  const std::string text(message);
  const HWND dialog = dialog_;
  if (kind_ == ScriptDialogKind::Alert) {
    addDialogChild(dialog, "Button", "OK", IDOK, {122, 80, 197, 103}, BS_DEFPUSHBUTTON | WS_TABSTOP);
  } else {
    addDialogChild(dialog, "Button", "OK", IDOK, {82, 80, 157, 103}, BS_DEFPUSHBUTTON | WS_TABSTOP);
    addDialogChild(dialog, "Button", "Cancel", IDCANCEL, {163, 80, 238, 103}, WS_TABSTOP);
  }
  if (kind_ == ScriptDialogKind::Prompt) {
    edit_ = addDialogChild(dialog, "Edit", std::string(defaultText).c_str(), kPromptEditId, {10, 48, 310, 70},
                     WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL);
    addDialogChild(dialog, "Static", kPromptLabel, kPromptLabelId, {10, 6, 310, 20});
    addDialogChild(dialog, "Static", text.c_str(), kDialogMessageId, {10, 22, 310, 44}, SS_NOPREFIX);
  } else {
    addDialogChild(dialog, "Static", "", kDialogIconId, {10, 10, 42, 42}, SS_ICON);
    addDialogChild(dialog, "Static", text.c_str(), kDialogMessageId, {50, 10, 310, 70}, SS_NOPREFIX);
  }
}

ScriptDialogWindow::~ScriptDialogWindow() {
  // The owner is enabled first, so that the activation passes back to it when the
  // dialog goes, as when a Windows dialog ends.
  if (ownerDisabled_ && owner_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
  if (dialog_) {
    SetWindowLongPtrA(dialog_, DWLP_DLGPROC, 0);
    SetWindowLongPtrA(dialog_, GWLP_USERDATA, 0);
    DestroyWindow(dialog_);
  }
}

void ScriptDialogWindow::answer(bool accepted) {
  if (done_) return;
  done_ = true;
  const std::string text = edit_ && accepted && IsWindow(edit_) ? dialogChildText(edit_) : std::string();
  if (kind_ == ScriptDialogKind::Alert) accepted = true;
  // The callback may destroy this object (the engine closes the dialog once answered).
  Answered answered = std::move(answered_);
  if (answered) answered(accepted, text);
}

INT_PTR CALLBACK ScriptDialogWindow::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  auto* self = reinterpret_cast<ScriptDialogWindow*>(GetWindowLongPtrA(dialog, GWLP_USERDATA));
  if (!self) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        self->answer(LOWORD(wParam) == IDOK);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      self->answer(false);
      return TRUE;
    case WM_DESTROY:
      // Destroyed by someone else before an answer: the page must not wait for ever.
      SetWindowLongPtrA(dialog, GWLP_USERDATA, 0);
      self->dialog_ = nullptr;
      self->edit_ = nullptr;
      self->answer(false);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace mshtml
