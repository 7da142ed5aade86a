#include "dialogs/control_properties.h"

#include <commctrl.h>

#include <string_view>

#include "common/script_line.h"
#include "dialogs/find_control.h"
#include "dialogs/remote_list_view.h"

namespace {

std::string flag(BOOL value) { return value ? "true" : "false"; }

std::string orNone(std::string text) { return text.empty() ? std::string(scriptline::kNone) : text; }

std::string doubledBackslashes(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c == '\\') out += '\\';
  }
  return out;
}

std::string textOf(HWND window) { return window ? windowText(window) : std::string(scriptline::kNone); }

// The label a person reads beside an edit box.
std::string editAttachedText(HWND edit) {
  const HWND parent = GetParent(edit);
  if (!parent) return textOf(GetWindow(edit, GW_HWNDPREV));
  const HWND grandParent = GetParent(parent);
  if (windowClassName(parent) == "ComboBox" && grandParent && windowClassName(grandParent) == "ComboBoxEx32") {
    return textOf(GetWindow(grandParent, GW_HWNDPREV));
  }
  if (windowClassName(parent) == "#32770") return textOf(GetWindow(edit, GW_HWNDLAST));
  return std::string(scriptline::kNone);
}

std::string selectedComboText(HWND combo) {
  const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected < 0) return std::string(scriptline::kNone);
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT read =
      SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
  text.resize(read > 0 && read <= length ? static_cast<size_t>(read) : 0);
  return text;
}

}  // namespace

std::optional<PropertyPairs> controlProperties(HWND control, ControlList list) {
  const bool native = list == ControlList::NativeCheckPoint;
  const std::string className = windowClassName(control);
  const std::string id = std::to_string(GetDlgCtrlID(control));
  const std::string visible = flag(IsWindowVisible(control));
  const std::string enabled = flag(IsWindowEnabled(control));
  if (className == "Button") {
    return PropertyPairs{{"classname", "Button"}, {"label", orNone(windowText(control))}, {"isVisible", visible},
                         {"isEnabled", enabled}, {"controlid", id}, {"index", id}, {"ID", id}};
  }
  if (className == "Edit") {
    PropertyPairs pairs{{"classname", "Edit"}};
    if (native) pairs.emplace_back("name", "Edit");
    pairs.insert(pairs.end(), {{"isVisible", visible},
                               {"isEnabled", enabled},
                               {"controlid", id},
                               {"value", doubledBackslashes(windowText(control))},
                               {"attached_text", editAttachedText(control)},
                               {"ID", id},
                               {"index", id}});
    return pairs;
  }
  if (className == "ComboBox") {
    const HWND before = GetWindow(control, GW_HWNDPREV);
    const std::string attached = before ? windowText(before) : std::string(scriptline::kNone);
    PropertyPairs pairs{{"classname", "ComboBox"},
                        {"label", "NONE"},
                        {"isVisible", visible},
                        {"isEnabled", enabled},
                        {"controlid", id},
                        {"count", std::to_string(SendMessageA(control, CB_GETCOUNT, 0, 0))},
                        {"selecteditem", selectedComboText(control)},
                        {"selectedindex", std::to_string(SendMessageA(control, CB_GETCURSEL, 0, 0))}};
    if (native) {
      pairs.insert(pairs.end(), {{"attached_text", attached}, {"index", id}, {"ID", id}});
    } else {
      pairs.insert(pairs.end(), {{"index", id}, {"ID", id}, {"attached_text", attached}});
    }
    return pairs;
  }
  if (className == "SysListView32") {
    const int selected = selectedListItem(control);
    return PropertyPairs{{"classname", "SysListView32"},
                         {"selectedindex", std::to_string(selected)},
                         {"count", std::to_string(SendMessageA(control, LVM_GETITEMCOUNT, 0, 0))},
                         {"value", remoteListItemText(control, selected).value_or(std::string())},
                         {"isVisible", visible},
                         {"isEnabled", enabled},
                         {"controlid", id},
                         {"ID", id}};
  }
  if (className == "Static") {
    const std::string text = windowText(control);
    if (native) {
      return PropertyPairs{{"classname", "Static"}, {"value", text},        {"isVisible", visible},
                           {"isEnabled", enabled},  {"controlid", id},      {"ID", id}};
    }
    return PropertyPairs{{"classname", "Static"}, {"label", orNone(text)}, {"value", text},   {"isVisible", visible},
                         {"isEnabled", enabled},  {"controlid", id},       {"index", id}, {"ID", id}};
  }
  return std::nullopt;
}

std::string joinProperties(const PropertyPairs& pairs) {
  std::string out;
  for (const auto& [key, value] : pairs) {
    if (!out.empty()) out += scriptline::kPairSeparator;
    scriptline::appendPair(out, key, value);
  }
  return out;
}
