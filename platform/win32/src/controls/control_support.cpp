#include "control_support.h"

namespace win32::internal {

void notifyCommand(HWND control, WORD code) {
  const HWND parent = GetParent(control);
  if (parent == nullptr) return;
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(controlId(control)), code),
               reinterpret_cast<LPARAM>(control));
}

LRESULT notifyParent(HWND control, NMHDR& header, UINT code) {
  header.hwndFrom = control;
  header.idFrom = static_cast<UINT_PTR>(controlId(control));
  header.code = code;
  const HWND parent = GetParent(control);
  if (parent == nullptr) return 0;
  return SendMessageA(parent, WM_NOTIFY, static_cast<WPARAM>(header.idFrom), reinterpret_cast<LPARAM>(&header));
}

std::string windowText(HWND window) {
  const auto state = WindowManager::instance().snapshot(window);
  return state ? state->text : std::string();
}

LONG_PTR controlId(HWND window) {
  const auto state = WindowManager::instance().snapshot(window);
  return state ? state->id : 0;
}

DWORD windowStyle(HWND window) {
  const auto state = WindowManager::instance().snapshot(window);
  return state ? state->style : 0;
}

POINT pointFrom(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

bool insideClient(HWND window, POINT point) {
  RECT client{};
  GetClientRect(window, &client);
  return point.x >= client.left && point.x < client.right && point.y >= client.top && point.y < client.bottom;
}

}  // namespace win32::internal
