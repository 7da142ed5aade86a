// "ComboBoxEx32": holds a "ComboBox" (which holds an "Edit"), passes the combo box
// messages to it and its notifications on to the parent under its own identifier.
#include "control_support.h"

namespace win32::internal {
namespace {

struct ComboExState : ControlState {
  HWND combo = nullptr;
};

}  // namespace

LRESULT CALLBACK comboBoxExProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto state = controlState<ComboExState>(window);
  if (message >= CB_GETEDITSEL && message <= CB_FINDSTRINGEXACT && state->combo != nullptr) {
    return SendMessageA(state->combo, message, wParam, lParam);
  }
  switch (message) {
    case WM_CREATE: {
      RECT client{};
      GetClientRect(window, &client);
      const DWORD type = windowStyle(window) & CBS_DROPDOWNLIST;
      // The inner combo box carries the same identifier, as Windows gives it.
      state->combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | (type == 0 ? CBS_DROPDOWN : type), 0, 0,
                                     client.right, client.bottom, window,
                                     reinterpret_cast<HMENU>(controlId(window)), nullptr, nullptr);
      return state->combo != nullptr ? 0 : -1;
    }
    case CBEM_GETCOMBOCONTROL:
      return reinterpret_cast<LRESULT>(state->combo);
    case CBEM_GETEDITCONTROL:
      return reinterpret_cast<LRESULT>(state->combo != nullptr ? GetWindow(state->combo, GW_CHILD) : nullptr);
    case CBEM_INSERTITEMA: {
      const auto* item = reinterpret_cast<const COMBOBOXEXITEMA*>(lParam);
      if (item == nullptr || state->combo == nullptr) return -1;
      const char* text = (item->mask & CBEIF_TEXT) != 0 && item->pszText != nullptr ? item->pszText : "";
      return SendMessageA(state->combo, CB_INSERTSTRING, static_cast<WPARAM>(item->iItem), reinterpret_cast<LPARAM>(text));
    }
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (state->combo == nullptr) break;
      if (message == WM_SETTEXT) DefWindowProcA(window, message, wParam, lParam);
      return SendMessageA(state->combo, message, wParam, lParam);
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == state->combo && state->combo != nullptr) {
        const std::string text = windowText(state->combo);  // read by other threads without asking
        WindowManager::instance().update(window, [&](Window& w) { w.text = text; });
        notifyCommand(window, HIWORD(wParam));
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win32::internal
