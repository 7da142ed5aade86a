// "Static": a text; with SS_NOTIFY it tells the parent of clicks.
#include "control_support.h"

namespace win32::internal {

LRESULT CALLBACK staticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool notifies = (windowStyle(window) & SS_NOTIFY) != 0;
  switch (message) {
    case WM_LBUTTONUP:
      if (notifies) notifyCommand(window, STN_CLICKED);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (notifies) notifyCommand(window, STN_DBLCLK);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace win32::internal
