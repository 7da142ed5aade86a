// The simulated user of native windows (testbed/native_user.h).
#include "testbed/native_user.h"

#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "controls/control_support.h"
#include "hooks.h"
#include "platform_internal/thread_calls.h"
#include "window_manager.h"

namespace testbed::native_user {
namespace {

using namespace win32::internal;

// Runs what the person does on the window's own thread; false when it cannot be done.
bool onOwnerThread(HWND window, const std::function<bool()>& action) {
  const DWORD owner = windowThreadId(window);
  if (owner == 0) return false;
  bool done = false;
  if (!callOnThread(owner, [&] { done = action(); })) return false;
  return done;
}

bool reachable(HWND window) { return IsWindow(window) && IsWindowVisible(window) && IsWindowEnabled(window); }

LPARAM middleOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return MAKELPARAM(client.right / 2, client.bottom / 2);
}

// Input reaches the window as from its queue: the mouse and get-message hooks see it
// first, and a mouse hook may discard it.
void input(HWND window, UINT message, WPARAM wParam, LPARAM point) {
  // A press on an inactive window activates its top-level window first, as a click
  // does on Windows.
  if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    HWND root = window;
    for (HWND up = GetParent(root); up != nullptr && (GetWindowLongPtrA(root, GWL_STYLE) & WS_CHILD) != 0;
         up = GetParent(root)) {
      root = up;
    }
    if (GetForegroundWindow() != root && IsWindowEnabled(root)) SetForegroundWindow(root);
  }
  MSG taken{};
  taken.hwnd = window;
  taken.message = message;
  taken.wParam = wParam;
  taken.lParam = point;
  taken.time = GetTickCount();
  if (!messageTakenFromQueue(taken, true)) return;
  // A button pressed over a child window is told to its parents first.
  if (taken.message == WM_LBUTTONDOWN || taken.message == WM_RBUTTONDOWN) {
    notifyAncestors(taken.hwnd, taken.message, taken.lParam);
  }
  deliverMessage(taken.hwnd, taken.message, taken.wParam, taken.lParam, false);
}

void pressAndRelease(HWND window, LPARAM point) {
  input(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
  input(window, WM_LBUTTONUP, 0, point);
}

void twoQuickClicks(HWND window, LPARAM point) {
  pressAndRelease(window, point);
  input(window, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
  input(window, WM_LBUTTONUP, 0, point);
}

std::string className(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

}  // namespace

bool click(HWND window) {
  return onOwnerThread(window, [&] {
    if (!reachable(window)) return false;
    pressAndRelease(window, middleOf(window));
    return true;
  });
}

bool doubleClick(HWND window) {
  return onOwnerThread(window, [&] {
    if (!reachable(window)) return false;
    twoQuickClicks(window, middleOf(window));
    return true;
  });
}

bool typeText(HWND edit, std::string_view text) {
  const std::string typed(text);
  return onOwnerThread(edit, [&] {
    if (!reachable(edit)) return false;
    pressAndRelease(edit, middleOf(edit));
    // The caret goes to the end of what is there, as when clicking after the text.
    const auto length = static_cast<WPARAM>(GetWindowTextLengthA(edit));
    SendMessageA(edit, EM_SETSEL, length, static_cast<LPARAM>(length));
    for (const char character : typed) {
      input(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(character)), 1);
    }
    SetFocus(nullptr);  // leaving the field
    return true;
  });
}

bool typeOver(HWND edit, std::string_view text) {
  const std::string typed(text);
  return onOwnerThread(edit, [&] {
    if (!reachable(edit)) return false;
    twoQuickClicks(edit, middleOf(edit));
    if (typed.empty()) {
      input(edit, WM_CHAR, VK_BACK, 1);  // the selected text goes
    }
    for (const char character : typed) {
      input(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(character)), 1);
    }
    SetFocus(nullptr);  // leaving the field
    return true;
  });
}

bool chooseComboEntry(HWND combo, std::string_view text) {
  const std::string wanted(text);
  return onOwnerThread(combo, [&] {
    if (!reachable(combo)) return false;
    HWND box = combo;
    if (className(combo) == "ComboBoxEx32") box = reinterpret_cast<HWND>(SendMessageA(combo, CBEM_GETCOMBOCONTROL, 0, 0));
    if (box == nullptr) return false;
    const LRESULT index = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wanted.c_str()));
    if (index == CB_ERR) return false;
    return chooseComboItem(box, static_cast<int>(index));
  });
}

namespace {
bool actOnListItem(HWND listView, int index, bool twice) {
  return onOwnerThread(listView, [&] {
    if (!reachable(listView)) return false;
    POINT position{};
    if (!SendMessageA(listView, LVM_GETITEMPOSITION, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&position))) {
      return false;
    }
    const LPARAM point = MAKELPARAM(position.x + 1, position.y + 1);
    if (twice) {
      twoQuickClicks(listView, point);
    } else {
      pressAndRelease(listView, point);
    }
    return true;
  });
}
}  // namespace

bool clickListItem(HWND listView, int index) { return actOnListItem(listView, index, false); }

bool doubleClickListItem(HWND listView, int index) { return actOnListItem(listView, index, true); }

bool clickToolbarButton(HWND toolbar, int commandId) {
  return onOwnerThread(toolbar, [&] {
    if (!reachable(toolbar)) return false;
    const LRESULT index = SendMessageA(toolbar, TB_COMMANDTOINDEX, static_cast<WPARAM>(commandId), 0);
    const LRESULT state = SendMessageA(toolbar, TB_GETSTATE, static_cast<WPARAM>(commandId), 0);
    RECT rect{};
    if (index < 0 || state < 0 || (state & (TBSTATE_ENABLED | TBSTATE_HIDDEN)) != TBSTATE_ENABLED ||
        !SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect))) {
      return false;
    }
    pressAndRelease(toolbar, MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
    return true;
  });
}

bool pressDialogButton(HWND dialog, int buttonId) {
  const HWND button = IsWindow(dialog) ? GetDlgItem(dialog, buttonId) : nullptr;
  return button != nullptr && click(button);
}

bool closeWindow(HWND window) {
  return onOwnerThread(window, [&] {
    if (!IsWindow(window) || !IsWindowVisible(window)) return false;
    SendMessageA(window, WM_CLOSE, 0, 0);
    return true;
  });
}

HWND waitForWindow(std::string_view title, unsigned timeoutMs) {
  const std::string wanted(title);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    for (HWND window : WindowManager::instance().topLevel()) {
      const auto state = WindowManager::instance().snapshot(window);
      if (state && state->text == wanted && (state->style & WS_VISIBLE) != 0) return window;
    }
    if (std::chrono::steady_clock::now() >= deadline) return nullptr;
    // Callers may be pumping threads themselves; keep their carried calls moving.
    serveCarriedCalls();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

}  // namespace testbed::native_user
