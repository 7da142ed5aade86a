#include "dialogs/control_actions.h"

#include <cstdio>

#include "common/trace_log.h"
#include "dialogs/control_properties.h"
#include "dialogs/find_control.h"
#include "dialogs/remote_list_view.h"
#include "dialogs/window_control_state.h"

namespace {

// A line for the person watching the playback's console.
void tellUser(const char* message) {
  std::fputs(message, stdout);
  std::fputs("\n", stdout);
  std::fflush(stdout);
}

std::string replaceEditText(HWND edit, const std::string& text) {
  if (!IsWindow(edit)) {
    trace("Reference for the given edit control is null");
    return kControlNull;
  }
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  return kSuccess;
}

}  // namespace

bool targetWindowTitled(const std::string& title) {
  // No title names no dialog: an empty one would pick any untitled top-level window.
  const HWND window = title.empty() ? nullptr : FindWindowA(nullptr, title.c_str());
  windowControlState().setTargetWindow(window);
  return window != nullptr;
}

bool closeTargetWindow() {
  const HWND window = windowControlState().targetWindow();
  if (!window) return false;
  SendMessageA(window, WM_CLOSE, 0, 0);
  return true;
}

std::string checkWindowMessage(const std::string& expected) {
  if (const HWND dialog = windowControlState().targetWindow()) {
    BringWindowToTop(dialog);
    FlashWindow(dialog, FALSE);
  }
  const HWND control = findAddressedControl();
  if (!control) return kControlNull;
  return windowText(control) == expected ? kSuccess : kFailed;
}

std::string performAction() {
  const HWND control = findAddressedControl();
  if (!control) return kControlNull;
  SendMessageA(control, WM_LBUTTONDOWN, 0, 0);
  SendMessageA(control, WM_LBUTTONUP, 0, 0);
  return kSuccess;
}

std::string setTextBox(const std::string& text) {
  const HWND control = findAddressedControl();
  if (!control) {
    tellUser("Reference for the given controlid may be mismatch with the control type");
    return kControlNull;
  }
  if (windowClassName(control) != "ComboBoxEx32") return replaceEditText(control, text);
  // The extended combo box holds a combo box, which holds the edit box.
  const HWND combo = GetWindow(control, GW_CHILD);
  if (!combo) {
    tellUser("Reference for the given Control child was NULL");
    return kChildNotFound;
  }
  const HWND edit = GetWindow(combo, GW_CHILD);
  if (!edit) {
    tellUser("Reference for the given Control Child's child was NULL");
    return kChildNotFound;
  }
  if (windowClassName(edit) != "Edit") {
    trace("Given Control Child's child was not an Edit Control");
    return kControlMismatch;
  }
  return replaceEditText(edit, text);
}

std::string setSelect(const std::string& entry) {
  const HWND combo = findAddressedControl();
  if (!combo) {
    tellUser("Reference for the Given ControlID was not the type of Combo");
    return kControlNull;
  }
  const LRESULT index =
      SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry.c_str()));
  if (index == CB_ERR) {
    tellUser("Given string was not able to select in the current choose file combo");
    return kEntryNotFound;
  }
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(combo, WM_LBUTTONDBLCLK, 0, 0);
  SendMessageA(combo, WM_LBUTTONDBLCLK, 0, 0);
  return kSuccess;
}

std::string setAlertList(const std::string& itemText) {
  const HWND list = findAddressedControl();
  if (!list) {
    tellUser("Reference for the Given ControlID was not the type of SysListView");
    return kControlNull;
  }
  return activateListItem(list, itemText) ? kSuccess : kFailed;
}

std::string doCheckPoint() {
  const HWND control = findAddressedControl();
  if (!control) return kControlNull;
  const auto pairs = controlProperties(control, ControlList::DoCheckPoint);
  return pairs ? joinProperties(*pairs) : std::string(kUnknownControl);
}
