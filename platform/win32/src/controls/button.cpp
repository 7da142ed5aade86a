// "Button": push buttons, check boxes and radio buttons. A click is a press and a
// release inside the button; it tells the parent BN_CLICKED.
#include "control_support.h"

namespace win32::internal {
namespace {

struct ButtonState : ControlState {
  bool pressed = false;
  WPARAM check = BST_UNCHECKED;
};

bool togglesItself(DWORD style) {
  const DWORD type = style & BS_TYPEMASK;
  return type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON;
}

}  // namespace

LRESULT CALLBACK buttonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a button takes a double click as a second press
      controlState<ButtonState>(window)->pressed = true;
      SetFocus(window);
      return 0;
    case WM_LBUTTONUP: {
      const auto state = controlState<ButtonState>(window);
      if (!state->pressed) return 0;
      state->pressed = false;
      if (!insideClient(window, pointFrom(lParam))) return 0;  // released elsewhere: no click
      const DWORD style = windowStyle(window);
      if (togglesItself(style)) {
        state->check = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON || state->check == BST_UNCHECKED ? BST_CHECKED
                                                                                                      : BST_UNCHECKED;
      }
      notifyCommand(window, BN_CLICKED);
      return 0;
    }
    case BM_CLICK:
      SendMessageA(window, WM_LBUTTONDOWN, 0, 0);
      SendMessageA(window, WM_LBUTTONUP, 0, 0);
      return 0;
    case BM_GETCHECK:
      return static_cast<LRESULT>(controlState<ButtonState>(window)->check);
    case BM_SETCHECK:
      controlState<ButtonState>(window)->check = wParam;
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace win32::internal
