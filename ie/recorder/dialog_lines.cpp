#include "recorder/dialog_lines.h"

#include <commctrl.h>

#include "common/line_kinds.h"
#include "common/trace_log.h"
#include "dialogs/find_control.h"
#include "dialogs/remote_list_view.h"
#include "dialogs/remote_toolbar.h"
#include "session/cwebbrowser2.h"

namespace recorder {
namespace {

constexpr std::string_view kNone = scriptline::kNone;
constexpr char kToolbarClass[] = "ToolbarWindow32";

std::string flag(BOOL value) { return std::string(value ? scriptline::kTrue : scriptline::kFalse); }

std::string doubledBackslashes(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    out += c;
    if (c == '\\') out += '\\';
  }
  return out;
}

std::string textOrNone(HWND window) { return window ? windowText(window) : std::string(kNone); }

std::string idText(HWND control) { return std::to_string(GetDlgCtrlID(control)); }

// The text of the entry a combo box (or an extended one) has selected; empty when none.
std::string selectedEntryText(HWND combo, LRESULT selected) {
  if (selected < 0) return {};
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT read =
      SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
  text.resize(read > 0 && read <= length ? static_cast<size_t>(read) : 0);
  return text;
}

HWND nextChildOfClass(HWND parent, HWND after, const char* className) {
  for (HWND child = after ? GetWindow(after, GW_HWNDNEXT) : GetWindow(parent, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (windowClassName(child) == className) return child;
  }
  return nullptr;
}

// Counts Button children for dialogKind. The count is also the callback's answer, and an
// answer of 0 ends the enumeration: a first child that is not a button ends the count at
// 0. A message box lists its buttons first, so this tells OK alone from OK and Cancel.
BOOL CALLBACK countButtons(HWND child, LPARAM count) {
  auto& buttons = *reinterpret_cast<int*>(count);
  if (windowClassName(child) == "Button") ++buttons;
  return buttons;
}

}  // namespace

HWND findBrowserWindow(const CWebBrowser2& browsers, HWND window) {
  // Bounded: a window tree is never this deep, and a cycle cannot keep the walk going.
  for (int depth = 0; window != nullptr && depth < 64; ++depth, window = GetParent(window)) {
    for (size_t i = 0; i < browsers.browserCount(); ++i) {
      if (browsers.windowHandle(static_cast<int>(i)) == window) return window;
    }
  }
  return nullptr;
}

int browserIndexOf(const CWebBrowser2& browsers, HWND window) {
  const HWND browserWindow = findBrowserWindow(browsers, window);
  if (!browserWindow) return -1;
  for (size_t i = 0; i < browsers.browserCount(); ++i) {
    if (browsers.windowHandle(static_cast<int>(i)) == browserWindow) return static_cast<int>(i);
  }
  return -1;
}

std::string dialogKind(HWND dialog, const std::string& title) {
  if (title == "Explorer User Prompt") return "prompt";
  if (title != "Microsoft Internet Explorer") return "others";
  int buttons = 0;
  EnumChildWindows(dialog, &countButtons, reinterpret_cast<LPARAM>(&buttons));
  return buttons >= 2 ? "confirm" : "alert";
}

std::string dialogButtonLine(HWND button) {
  scriptline::Line<std::string> line(scriptline::ie::kClickDialogButton);
  line.set("name", windowText(button));
  line.set("isVisible", flag(IsWindowVisible(button)));
  line.set("isEnabled", flag(IsWindowEnabled(button)));
  line.set("index", idText(button));
  return line.recordedLine();
}

std::string dialogTextLine(HWND edit, LabelRule rule) {
  HWND label = nullptr;
  if (rule == LabelRule::LastSibling) {
    label = GetWindow(edit, GW_HWNDLAST);
  } else if (const HWND combo = GetParent(edit)) {
    if (const HWND extended = GetParent(combo)) label = GetWindow(extended, GW_HWNDPREV);
  }
  scriptline::Line<std::string> line(scriptline::ie::kSetDialogText);
  line.set("isVisible", flag(IsWindowVisible(edit)));
  line.set("isEnabled", flag(IsWindowEnabled(edit)));
  line.set("value", doubledBackslashes(windowText(edit)));
  line.set("index", idText(edit));
  line.set("previouswindow", textOrNone(label));
  return line.recordedLine();
}

std::optional<std::string> dialogComboLine(HWND combo) {
  const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected < 0) return std::nullopt;
  scriptline::Line<std::string> line(scriptline::ie::kSelectDialogComboItem);
  line.set("selectedIndex", std::to_string(selected));
  line.set("itemCount", std::to_string(SendMessageA(combo, CB_GETCOUNT, 0, 0)));
  line.set("value", doubledBackslashes(selectedEntryText(combo, selected)));
  line.set("index", idText(combo));
  line.set("previouswindow", textOrNone(GetWindow(combo, GW_HWNDPREV)));
  return line.recordedLine();
}

std::string listViewLine(HWND listView) {
  const int selected = selectedListItem(listView);
  scriptline::Line<std::string> line(scriptline::ie::kSelectDialogListItem);
  line.set("selectedIndex", std::to_string(selected));
  line.set("itemCount", std::to_string(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0)));
  line.set("value", remoteListItemText(listView, selected).value_or(std::string()));
  line.set("index", idText(listView));
  return line.recordedLine();
}

std::string addressLine(HWND addressBar) {
  scriptline::Line<std::string> line(scriptline::ie::kChangeURL);
  line.set("name", selectedEntryText(addressBar, SendMessageA(addressBar, CB_GETCURSEL, 0, 0)));
  return line.recordedLine();
}

std::optional<std::string> toolbarLine(HWND band, int commandId) {
  // The first toolbar serves when the address bar stands before it; otherwise it is
  // the menu band, and the next toolbar holds the standard buttons.
  HWND toolbar = nextChildOfClass(band, nullptr, kToolbarClass);
  if (!toolbar) return std::nullopt;
  trace("ToolBar Window Class  %s\n", windowClassName(toolbar).c_str());
  const std::string before = windowClassName(GetWindow(toolbar, GW_HWNDPREV));
  if (before != "ComboBoxEx32") {
    trace("Window Before ToolBarWindow is  %s\n", before.c_str());
    toolbar = nextChildOfClass(band, toolbar, kToolbarClass);
    if (!toolbar) return std::nullopt;
  }
  const std::optional<std::string> text = remoteToolbarButtonText(toolbar, commandId);
  if (!text) return std::nullopt;
  scriptline::Line<std::string> line(scriptline::ie::kClickMainToolBarButton);
  line.set("name", *text);
  return line.recordedLine();
}

}  // namespace recorder
