// "ReBarWindow32" and "WorkerW": windows that hold bands and controls and pass their
// commands and notifications up to their own parent, as the browser frame's do.
#include "control_support.h"

namespace win32::internal {

LRESULT CALLBACK bandContainerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND || message == WM_NOTIFY) {
    const HWND parent = GetParent(window);
    return parent != nullptr ? SendMessageA(parent, message, wParam, lParam) : 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win32::internal
