// "ToolbarWindow32": a row of buttons with command identifiers and texts. A click on a
// button sends its command to the parent as WM_COMMAND, as a menu item does.
#include "control_support.h"

#include <cstring>
#include <vector>

namespace win32::internal {
namespace {

constexpr LONG buttonWidth = 60;
constexpr LONG buttonHeight = 22;

struct Button {
  int command = 0;
  BYTE state = TBSTATE_ENABLED;
  BYTE style = TBSTYLE_BUTTON;
  DWORD_PTR data = 0;
  std::string text;
};

struct ToolbarState : ControlState {
  std::vector<Button> buttons;
  std::vector<std::string> strings;  // the pool TB_ADDSTRING fills
  int pressed = -1;                  // index of the button the mouse went down on
};

// Buttons stand side by side; hidden ones take no room.
RECT rectOf(const ToolbarState& toolbar, size_t index) {
  LONG left = 0;
  for (size_t i = 0; i < index; ++i) {
    if ((toolbar.buttons[i].state & TBSTATE_HIDDEN) == 0) left += buttonWidth;
  }
  return RECT{left, 0, left + buttonWidth, buttonHeight};
}

int buttonAt(const ToolbarState& toolbar, POINT point) {
  for (size_t i = 0; i < toolbar.buttons.size(); ++i) {
    if ((toolbar.buttons[i].state & TBSTATE_HIDDEN) != 0) continue;
    const RECT rect = rectOf(toolbar, i);
    if (point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int indexOfCommand(const ToolbarState& toolbar, WPARAM command) {
  for (size_t i = 0; i < toolbar.buttons.size(); ++i) {
    if (toolbar.buttons[i].command == static_cast<int>(command)) return static_cast<int>(i);
  }
  return -1;
}

LRESULT addStrings(ToolbarState& toolbar, WPARAM instance, LPARAM strings) {
  if (instance != 0 || strings == 0) return -1;  // strings from resources are not offered
  const auto first = static_cast<LRESULT>(toolbar.strings.size());
  // A list of strings, each ended by a null, the list by a second null.
  for (const char* text = reinterpret_cast<const char*>(strings); *text != '\0'; text += std::strlen(text) + 1) {
    toolbar.strings.emplace_back(text);
  }
  return first;
}

LRESULT addButtons(ToolbarState& toolbar, WPARAM count, LPARAM buttons) {
  if (buttons == 0) return FALSE;
  const auto* given = reinterpret_cast<const TBBUTTON*>(buttons);
  for (WPARAM i = 0; i < count; ++i) {
    Button button;
    button.command = given[i].idCommand;
    button.state = given[i].fsState;
    button.style = given[i].fsStyle;
    button.data = given[i].dwData;
    const INT_PTR text = given[i].iString;
    if (IS_INTRESOURCE(text)) {
      if (text >= 0 && static_cast<size_t>(text) < toolbar.strings.size()) button.text = toolbar.strings[static_cast<size_t>(text)];
    } else {
      button.text = reinterpret_cast<const char*>(text);
    }
    toolbar.buttons.push_back(button);
  }
  return TRUE;
}

}  // namespace

LRESULT CALLBACK toolbarProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case TB_BUTTONSTRUCTSIZE:
      return 0;
    case TB_ADDSTRINGA:
      return addStrings(*controlState<ToolbarState>(window), wParam, lParam);
    case TB_ADDBUTTONSA:
      return addButtons(*controlState<ToolbarState>(window), wParam, lParam);
    case TB_BUTTONCOUNT:
      return static_cast<LRESULT>(controlState<ToolbarState>(window)->buttons.size());
    case TB_COMMANDTOINDEX:
      return indexOfCommand(*controlState<ToolbarState>(window), wParam);
    case TB_GETBUTTON: {
      const auto toolbar = controlState<ToolbarState>(window);
      if (wParam >= toolbar->buttons.size() || lParam == 0) return FALSE;
      const Button& button = toolbar->buttons[wParam];
      TBBUTTON out{};
      out.idCommand = button.command;
      out.fsState = button.state;
      out.fsStyle = button.style;
      out.dwData = button.data;
      out.iString = reinterpret_cast<INT_PTR>(toolbar->buttons[wParam].text.c_str());
      *reinterpret_cast<TBBUTTON*>(lParam) = out;
      return TRUE;
    }
    case TB_GETSTATE:
    case TB_SETSTATE:
    case TB_PRESSBUTTON: {
      const auto toolbar = controlState<ToolbarState>(window);
      const int index = indexOfCommand(*toolbar, wParam);
      if (index < 0) return message == TB_GETSTATE ? -1 : FALSE;
      Button& button = toolbar->buttons[static_cast<size_t>(index)];
      if (message == TB_GETSTATE) return button.state;
      if (message == TB_SETSTATE) {
        button.state = static_cast<BYTE>(LOWORD(lParam));
      } else {
        button.state = static_cast<BYTE>(LOWORD(lParam) ? (button.state | TBSTATE_PRESSED) : (button.state & ~TBSTATE_PRESSED));
      }
      return TRUE;
    }
    case TB_GETITEMRECT: {
      const auto toolbar = controlState<ToolbarState>(window);
      if (wParam >= toolbar->buttons.size() || lParam == 0) return FALSE;
      *reinterpret_cast<RECT*>(lParam) = rectOf(*toolbar, wParam);
      return TRUE;
    }
    case TB_GETBUTTONTEXTA: {
      // By command identifier; the buffer is trusted to be large enough, as on Windows.
      const auto toolbar = controlState<ToolbarState>(window);
      const int index = indexOfCommand(*toolbar, wParam);
      if (index < 0) return -1;
      const std::string& text = toolbar->buttons[static_cast<size_t>(index)].text;
      if (lParam != 0) std::memcpy(reinterpret_cast<char*>(lParam), text.c_str(), text.size() + 1);
      return static_cast<LRESULT>(text.size());
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const auto toolbar = controlState<ToolbarState>(window);
      const int index = buttonAt(*toolbar, pointFrom(lParam));
      toolbar->pressed = -1;
      if (index >= 0 && (toolbar->buttons[static_cast<size_t>(index)].state & TBSTATE_ENABLED) != 0) {
        toolbar->pressed = index;
        toolbar->buttons[static_cast<size_t>(index)].state |= TBSTATE_PRESSED;
      }
      return 0;
    }
    case WM_LBUTTONUP: {
      const auto toolbar = controlState<ToolbarState>(window);
      const int pressed = toolbar->pressed;
      toolbar->pressed = -1;
      if (pressed < 0 || static_cast<size_t>(pressed) >= toolbar->buttons.size()) return 0;
      Button& button = toolbar->buttons[static_cast<size_t>(pressed)];
      button.state = static_cast<BYTE>(button.state & ~TBSTATE_PRESSED);
      if (buttonAt(*toolbar, pointFrom(lParam)) != pressed) return 0;  // released off the button
      const HWND parent = GetParent(window);
      if (parent != nullptr) {
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(button.command, BN_CLICKED), reinterpret_cast<LPARAM>(window));
      }
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace win32::internal
