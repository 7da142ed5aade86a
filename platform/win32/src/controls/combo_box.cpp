// "ComboBox": a list of strings with a current selection, shown in an "Edit" child
// (CBS_DROPDOWN, CBS_SIMPLE) or in the box itself (CBS_DROPDOWNLIST). A click drops the
// list down or closes it, committing the selection (CBN_SELENDOK).
#include "control_support.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "../window_text.h"

namespace win32::internal {
namespace {

// The edit control Windows gives a combo box.
constexpr int editId = 1001;

struct ComboState : ControlState {
  std::vector<std::string> items;
  int selected = CB_ERR;
  bool dropped = false;
  HWND edit = nullptr;
  bool settingEditText = false;  // our own text changes are no edit by the user
};

bool startsWithIgnoringCase(const std::string& text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalIgnoringCase(std::string_view(text).substr(0, prefix.size()), prefix);
}

// The first item after `start` (wrapping, -1 = from the top) that matches.
template <class Match>
int findItem(const ComboState& state, WPARAM start, Match match) {
  const int count = static_cast<int>(state.items.size());
  const int first = static_cast<int>(static_cast<INT_PTR>(start));
  for (int step = 1; step <= count; ++step) {
    const int index = ((first < 0 || first >= count ? -1 : first) + step) % count;
    if (match(state.items[static_cast<size_t>(index)])) return index;
  }
  return CB_ERR;
}

void showText(HWND window, ComboState& state, const std::string& text) {
  WindowManager::instance().update(window, [&](Window& w) { w.text = text; });
  if (state.edit != nullptr) {
    state.settingEditText = true;
    SetWindowTextA(state.edit, text.c_str());
    state.settingEditText = false;
  }
}

LRESULT select(HWND window, ComboState& state, WPARAM index) {
  const auto wanted = static_cast<INT_PTR>(index);
  if (wanted < 0 || wanted >= static_cast<INT_PTR>(state.items.size())) {
    state.selected = CB_ERR;
    showText(window, state, "");
    return CB_ERR;
  }
  state.selected = static_cast<int>(wanted);
  showText(window, state, state.items[static_cast<size_t>(wanted)]);
  return state.selected;
}

LRESULT insert(ComboState& state, INT_PTR index, LPARAM text, bool sorted) {
  const std::string item = text != 0 ? reinterpret_cast<LPCSTR>(text) : "";
  size_t at = index < 0 || index > static_cast<INT_PTR>(state.items.size()) ? state.items.size()
                                                                             : static_cast<size_t>(index);
  if (sorted) {
    at = 0;
    while (at < state.items.size() && compareIgnoringCase(state.items[at], item) <= 0) ++at;
  }
  state.items.insert(state.items.begin() + static_cast<std::ptrdiff_t>(at), item);
  if (state.selected >= static_cast<int>(at)) ++state.selected;
  return static_cast<LRESULT>(at);
}

void toggleDropDown(HWND window, ComboState& state) {
  if (!state.dropped) {
    state.dropped = true;
    notifyCommand(window, CBN_DROPDOWN);
    return;
  }
  state.dropped = false;
  notifyCommand(window, state.selected >= 0 ? CBN_SELENDOK : static_cast<WORD>(10 /* CBN_SELENDCANCEL */));
  notifyCommand(window, CBN_CLOSEUP);
}

// The edit child's notifications become the combo box's own.
void editNotification(HWND window, const ComboState& state, WORD code) {
  switch (code) {
    case EN_CHANGE:
      if (state.settingEditText) return;
      {
        const std::string typed = windowText(state.edit);
        WindowManager::instance().update(window, [&](Window& w) { w.text = typed; });
      }
      notifyCommand(window, CBN_EDITCHANGE);
      return;
    case EN_SETFOCUS:
      notifyCommand(window, 3 /* CBN_SETFOCUS */);
      return;
    case EN_KILLFOCUS:
      notifyCommand(window, 4 /* CBN_KILLFOCUS */);
      return;
    default:
      return;
  }
}

bool hasEdit(DWORD style) { return (style & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST; }

}  // namespace

LRESULT CALLBACK comboBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const auto state = controlState<ComboState>(window);
      if (hasEdit(windowStyle(window))) {
        RECT client{};
        GetClientRect(window, &client);
        state->edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, client.right,
                                      client.bottom, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(editId)),
                                      nullptr, nullptr);
      }
      return 0;
    }
    case CB_ADDSTRING:
      return insert(*controlState<ComboState>(window), -1, lParam, (windowStyle(window) & 0x0100 /* CBS_SORT */) != 0);
    case CB_INSERTSTRING:
      return insert(*controlState<ComboState>(window), static_cast<INT_PTR>(wParam), lParam, false);
    case CB_DELETESTRING: {
      const auto state = controlState<ComboState>(window);
      const auto index = static_cast<INT_PTR>(wParam);
      if (index < 0 || index >= static_cast<INT_PTR>(state->items.size())) return CB_ERR;
      state->items.erase(state->items.begin() + index);
      if (state->selected == index) state->selected = CB_ERR;
      if (state->selected > index) --state->selected;
      return static_cast<LRESULT>(state->items.size());
    }
    case CB_RESETCONTENT: {
      const auto state = controlState<ComboState>(window);
      state->items.clear();
      select(window, *state, static_cast<WPARAM>(-1));
      return CB_OKAY;
    }
    case CB_GETCOUNT:
      return static_cast<LRESULT>(controlState<ComboState>(window)->items.size());
    case CB_GETCURSEL:
      return controlState<ComboState>(window)->selected;
    case CB_SETCURSEL:
      return select(window, *controlState<ComboState>(window), wParam);
    case CB_GETLBTEXT:
    case CB_GETLBTEXTLEN: {
      const auto state = controlState<ComboState>(window);
      const auto index = static_cast<INT_PTR>(wParam);
      if (index < 0 || index >= static_cast<INT_PTR>(state->items.size())) return CB_ERR;
      const std::string& item = state->items[static_cast<size_t>(index)];
      // As on Windows the buffer is trusted to hold CB_GETLBTEXTLEN + 1 bytes.
      if (message == CB_GETLBTEXT && lParam != 0) std::memcpy(reinterpret_cast<char*>(lParam), item.c_str(), item.size() + 1);
      return static_cast<LRESULT>(item.size());
    }
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_SELECTSTRING: {
      const auto state = controlState<ComboState>(window);
      const std::string wanted = lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "";
      const bool exact = message == CB_FINDSTRINGEXACT;
      const int found = findItem(*state, wParam, [&](const std::string& item) {
        return exact ? equalIgnoringCase(item, wanted) : startsWithIgnoringCase(item, wanted);
      });
      if (message == CB_SELECTSTRING && found != CB_ERR) select(window, *state, static_cast<WPARAM>(found));
      return found;
    }
    case WM_SETTEXT: {
      const auto state = controlState<ComboState>(window);
      showText(window, *state, lParam != 0 ? reinterpret_cast<LPCSTR>(lParam) : "");
      return TRUE;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      toggleDropDown(window, *controlState<ComboState>(window));
      return 0;
    case WM_COMMAND: {
      const auto state = controlState<ComboState>(window);
      if (reinterpret_cast<HWND>(lParam) == state->edit && state->edit != nullptr) {
        editNotification(window, *state, HIWORD(wParam));
      }
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool chooseComboItem(HWND combo, int index) {
  const auto state = controlState<ComboState>(combo);
  if (index < 0 || index >= static_cast<int>(state->items.size())) return false;
  if (!state->dropped) toggleDropDown(combo, *state);
  if (state->selected != index) {
    select(combo, *state, static_cast<WPARAM>(index));
    notifyCommand(combo, CBN_SELCHANGE);
  }
  toggleDropDown(combo, *state);
  return true;
}

}  // namespace win32::internal
