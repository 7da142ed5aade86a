// What the recorder makes of the browser's native windows: which recorded browser a
// window belongs to, what kind of dialog box it is, and the lines for the controls of
// dialog boxes and for the browser's toolbar and address bar.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

class CWebBrowser2;

namespace recorder {

// Walks from `window` through its parents (a dialog's parent is its owner) to the first
// window of the browser table; null when there is none.
HWND findBrowserWindow(const CWebBrowser2& browsers, HWND window);
// The table index of findBrowserWindow(window), or -1.
int browserIndexOf(const CWebBrowser2& browsers, HWND window);
inline bool belongsToBrowser(const CWebBrowser2& browsers, HWND window) {
  return window != nullptr && findBrowserWindow(browsers, window) != nullptr;
}

// "prompt", "confirm", "alert" or "others", by the title and, for a message box, by the
// Button children counted from the first child (see the .cpp for the counting).
std::string dialogKind(HWND dialog, const std::string& title);

// Where the label of a dialog's edit box is found.
enum class LabelRule {
  LastSibling,       // the last window among the edit's siblings (a prompt's message)
  BeforeComboBoxEx,  // the window before the ComboBoxEx32 that holds the edit (file name)
};

// clickButton for a dialog's Button.
std::string dialogButtonLine(HWND button);
// setText for a dialog's Edit.
std::string dialogTextLine(HWND edit, LabelRule rule);
// selectItem for a dialog's ComboBox; none when no entry is selected.
std::optional<std::string> dialogComboLine(HWND combo);
// selectItem for a list view of the browser's process.
std::string listViewLine(HWND listView);
// changeURL with the selected entry of the address bar (a ComboBoxEx32).
std::string addressLine(HWND addressBar);
// clickMainToolBarButton for the button `commandId` of the standard toolbar among the
// children of `band` (the rebar); none when its text cannot be read.
std::optional<std::string> toolbarLine(HWND band, int commandId);

}  // namespace recorder
