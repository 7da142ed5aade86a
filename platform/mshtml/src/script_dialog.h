// The dialogs page scripts raise (alert, confirm, prompt), shown as Internet Explorer
// shows them: a "#32770" dialog window owned by the browser's frame, titled "Microsoft
// Internet Explorer" (alert, confirm) or "Explorer User Prompt" (prompt), with the
// message in a "Static", the buttons as "Button" children with IDOK/IDCANCEL, and for a
// prompt an "Edit" holding the default text.
//
// The buttons come first in the dialog's child order, as in IE's own templates: native
// code tells an alert from a confirm by counting "Button" children in that order.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace mshtml {

enum class ScriptDialogKind { Alert, Confirm, Prompt };

struct ScriptDialogAnswer {
  bool accepted = false;  // OK (an alert is always accepted)
  std::string text;       // what the prompt's Edit held when OK was pressed
};

constexpr char kScriptDialogTitle[] = "Microsoft Internet Explorer";
constexpr char kPromptDialogTitle[] = "Explorer User Prompt";

// Shows the dialog and runs a modal loop on the calling (browser) thread until a button
// is pressed or the dialog is closed, serving messages and carried calls meanwhile, so
// other threads can reach the browser and answer the dialog. Closing the dialog counts
// as Cancel. Returns a refusal when the window cannot be created.
ScriptDialogAnswer runScriptDialog(HWND owner, ScriptDialogKind kind, std::string_view message,
                                   std::string_view defaultText);

}  // namespace mshtml
