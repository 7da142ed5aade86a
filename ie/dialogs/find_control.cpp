#include "dialogs/find_control.h"

#include <string>
#include <vector>

#include "dialogs/window_control_state.h"

namespace {

constexpr int kClassNameBuffer = 4096;

struct Search {
  const std::string* windowClass;
  const std::string* controlId;
  HWND found = nullptr;
};

BOOL CALLBACK matchChild(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  if (windowClassName(child) != *search->windowClass) return TRUE;
  if (std::to_string(GetDlgCtrlID(child)) != *search->controlId) return TRUE;
  search->found = child;
  return FALSE;
}

}  // namespace

std::string windowClassName(HWND window) {
  std::vector<char> name(kClassNameBuffer, '\0');
  const int length = GetClassNameA(window, name.data(), kClassNameBuffer);
  return length > 0 ? std::string(name.data(), static_cast<size_t>(length)) : std::string();
}

std::string windowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
  const int read = GetWindowTextA(window, text.data(), length + 1);
  return read > 0 ? std::string(text.data(), static_cast<size_t>(read)) : std::string();
}

HWND findControl(HWND dialog, const std::string& windowClass, const std::string& controlId) {
  // Without a dialog EnumChildWindows would walk every top-level window.
  if (!dialog || windowClass.empty() || controlId.empty()) return nullptr;
  Search search{&windowClass, &controlId};
  EnumChildWindows(dialog, &matchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND findAddressedControl() {
  WindowControlState& state = windowControlState();
  state.setFoundControl(nullptr);
  const HWND found = findControl(state.targetWindow(), state.controlClass(), state.controlId());
  state.setFoundControl(found);
  return found;
}
