// The simulated user of native windows: acts on standard controls and dialogs as a
// person does with the mouse and keyboard, producing the messages and notifications
// Windows would. Each action runs on the thread that owns the window (which must be
// pumping messages) and returns once the window has handled it. An action that a
// person could not do (no such window, hidden or disabled, no such entry) returns false
// and changes nothing.
#pragma once

#include <string_view>

#include "../windef.h"

namespace testbed::native_user {

// Presses and releases the left button in the middle of the window.
DECLSPEC_EXPORT bool click(HWND window);
// Press, release, double click, release: what two quick clicks send.
DECLSPEC_EXPORT bool doubleClick(HWND window);
// Clicks into an edit control, types the text key by key, then leaves the field (the
// focus goes elsewhere, so the control reports EN_KILLFOCUS).
DECLSPEC_EXPORT bool typeText(HWND edit, std::string_view text);
// Selects the whole text of an edit control (a double click into it), types the text
// over it key by key, then leaves the field as typeText does.
DECLSPEC_EXPORT bool typeOver(HWND edit, std::string_view text);
// Opens the list of a "ComboBox" or "ComboBoxEx32" and picks the entry with this text
// (compared without regard to case, as the list's own search does).
DECLSPEC_EXPORT bool chooseComboEntry(HWND combo, std::string_view text);
// Clicks or double-clicks the list-view item with this index.
DECLSPEC_EXPORT bool clickListItem(HWND listView, int index);
DECLSPEC_EXPORT bool doubleClickListItem(HWND listView, int index);
// Clicks the toolbar button with this command identifier.
DECLSPEC_EXPORT bool clickToolbarButton(HWND toolbar, int commandId);
// Clicks the dialog's button with this identifier (IDOK, IDCANCEL, IDYES ...).
DECLSPEC_EXPORT bool pressDialogButton(HWND dialog, int buttonId);
// Clicks the window's close box (the window gets WM_CLOSE).
DECLSPEC_EXPORT bool closeWindow(HWND window);
// Waits (real time, at most timeoutMs) for a visible top-level window with this exact
// title, as a person waits for a dialog to appear; NULL when none came.
DECLSPEC_EXPORT HWND waitForWindow(std::string_view title, unsigned timeoutMs);

}  // namespace testbed::native_user
