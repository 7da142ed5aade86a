// The dialogs page scripts raise (alert, confirm, prompt), shown as Internet Explorer
// shows them: a "#32770" dialog window owned by the browser's frame, titled "Microsoft
// Internet Explorer" (alert, confirm) or "Explorer User Prompt" (prompt), with the
// message in a "Static", the buttons as "Button" children with IDOK/IDCANCEL, and for a
// prompt an "Edit" holding the default text.
//
// The buttons come first in the dialog's child order, as in IE's own templates: native
// code tells an alert from a confirm by counting "Button" children in that order.
//
// The page waits for the answer in the engine (which keeps serving work meanwhile); the
// window only reports the answer: a button press, or closing it (Cancel).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace mshtml {

enum class ScriptDialogKind { Alert, Confirm, Prompt };

constexpr char kScriptDialogTitle[] = "Microsoft Internet Explorer";
constexpr char kPromptDialogTitle[] = "Explorer User Prompt";

class ScriptDialogWindow {
 public:
  // accepted: OK (an alert is always accepted); text: the prompt's Edit at that moment.
  using Answered = std::function<void(bool accepted, const std::string& text)>;

  // Creates and shows the dialog on the calling (browser) thread. Check valid().
  ScriptDialogWindow(HWND owner, ScriptDialogKind kind, std::string_view message, std::string_view defaultText,
                     Answered answered);
  ~ScriptDialogWindow();  // destroys the window, re-enabling the owner
  ScriptDialogWindow(const ScriptDialogWindow&) = delete;
  ScriptDialogWindow& operator=(const ScriptDialogWindow&) = delete;

  bool valid() const { return dialog_ != nullptr; }
  HWND window() const { return dialog_; }

 private:
  static LRESULT CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
  void answer(bool accepted);

  ScriptDialogKind kind_;
  HWND owner_ = nullptr;
  HWND dialog_ = nullptr;
  HWND edit_ = nullptr;
  WNDPROC original_ = nullptr;
  Answered answered_;
  bool done_ = false;
};

}  // namespace mshtml
