// The dialogs page scripts raise (alert, confirm, prompt), laid out as Internet
// Explorer 6 shows them, so that native window code reads them as it reads IE's:
//
//   alert   "#32770" "Microsoft Internet Explorer"   (a message box: MB_OK | MB_ICONEXCLAMATION)
//           ├─ Button "OK"        IDOK
//           ├─ Static ""          0x14    (the icon)
//           └─ Static message     0xFFFF
//   confirm "#32770" "Microsoft Internet Explorer"   (MB_OKCANCEL | MB_ICONQUESTION)
//           ├─ Button "OK"        IDOK
//           ├─ Button "Cancel"    IDCANCEL
//           ├─ Static ""          0x14
//           └─ Static message     0xFFFF
//   prompt  "#32770" "Explorer User Prompt"
//           ├─ Button "OK"        IDOK
//           ├─ Button "Cancel"    IDCANCEL
//           ├─ Edit default text  0x3EB
//           ├─ Static "Script Prompt:"  0x3EC
//           └─ Static message     0xFFFF  (last: native code labels the Edit with the last sibling)
//
// The buttons come first, as in a Windows message box: native code tells an alert from
// a confirm by counting "Button" children from the first one.
//
// The page waits for the answer in the engine (which keeps serving work meanwhile); the
// window only reports it: a button press, or closing it (Cancel; OK for an alert) at any
// moment, even while the dialog is still being made.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "page_dialog_window.h"

namespace mshtml {

enum class ScriptDialogKind { Alert, Confirm, Prompt };

constexpr char kScriptDialogTitle[] = "Microsoft Internet Explorer";
constexpr char kPromptDialogTitle[] = "Explorer User Prompt";

// Control identifiers of the children (see above).
constexpr int kDialogIconId = 0x14;
constexpr int kDialogMessageId = 0xFFFF;
constexpr int kPromptEditId = 0x3EB;
constexpr int kPromptLabelId = 0x3EC;

class ScriptDialogWindow : public PageDialogWindow {
 public:
  // accepted: OK (an alert is always accepted); text: the prompt's Edit at that moment.
  using Answered = std::function<void(bool accepted, const std::string& text)>;

  // Creates and shows the dialog on the calling (browser) thread. `answered` may be
  // called before the constructor returns (the dialog was closed while being made).
  // Check valid(): false when no window could be made, after answering Cancel.
  ScriptDialogWindow(HWND owner, ScriptDialogKind kind, std::string_view message, std::string_view defaultText,
                     Answered answered);
  ~ScriptDialogWindow() override;  // destroys the window, re-enabling the owner
  ScriptDialogWindow(const ScriptDialogWindow&) = delete;
  ScriptDialogWindow& operator=(const ScriptDialogWindow&) = delete;

  bool valid() const { return dialog_ != nullptr; }
  HWND window() const override { return dialog_; }

 private:
  static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void createChildren(std::string_view message, std::string_view defaultText);
  void answer(bool accepted);

  ScriptDialogKind kind_;
  HWND owner_ = nullptr;
  HWND dialog_ = nullptr;
  HWND edit_ = nullptr;
  Answered answered_;
  bool done_ = false;
  bool ownerDisabled_ = false;
};

}  // namespace mshtml
