#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "message_loop_thread.h"
#include "testbed/native_user.h"

namespace {

// What the hooks of a test saw, from whichever thread they ran on.
struct Seen {
  std::mutex mutex;
  std::vector<std::string> lines;
  void add(const std::string& line) {
    std::lock_guard lock(mutex);
    lines.push_back(line);
  }
  std::vector<std::string> take() {
    std::lock_guard lock(mutex);
    return std::exchange(lines, {});
  }
};
Seen seen;
HHOOK firstHook = nullptr;
HHOOK secondHook = nullptr;
HWND reportTo = nullptr;

LRESULT CALLBACK plain(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) return 7;
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK firstCallHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (call->message == WM_APP || call->message == WM_COMMAND) {
    seen.add("first " + std::to_string(call->message) + (wParam ? " own thread" : " other thread"));
  }
  return CallNextHookEx(firstHook, code, wParam, lParam);
}

LRESULT CALLBACK secondCallHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (call->message == WM_APP) seen.add("second");
  return CallNextHookEx(secondHook, code, wParam, lParam);
}

LRESULT CALLBACK returnHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* returned = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (returned->message == WM_APP) seen.add("returned " + std::to_string(returned->lResult));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class HooksTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = plain;
    windowClass.lpszClassName = "HookedWindow";
    RegisterClassA(&windowClass);
  }
  void TearDown() override {
    for (HHOOK hook : installed) UnhookWindowsHookEx(hook);
    for (HWND window : windows) DestroyWindow(window);
    seen.take();
  }
  HHOOK install(int type, HOOKPROC procedure, DWORD threadId = 0) {
    HHOOK hook = SetWindowsHookExA(type, procedure, nullptr, threadId);
    installed.push_back(hook);
    return hook;
  }
  HWND window(const char* title) {
    HWND made = CreateWindowExA(0, "HookedWindow", title, WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    windows.push_back(made);
    return made;
  }
  std::vector<HHOOK> installed;
  std::vector<HWND> windows;
};

TEST_F(HooksTest, CallWindowProcHooksSeeSentMessagesNewestFirst) {
  firstHook = install(WH_CALLWNDPROC, firstCallHook);
  secondHook = install(WH_CALLWNDPROC, secondCallHook);
  install(WH_CALLWNDPROCRET, returnHook);
  HWND target = window("target");
  EXPECT_EQ(7, SendMessageA(target, WM_APP, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"second", "first 32768 own thread", "returned 7"}), seen.take());

  PostMessageA(target, WM_APP, 0, 0);
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, target, 0, 0, PM_REMOVE));
  DispatchMessageA(&message);
  EXPECT_TRUE(seen.take().empty()) << "posted and dispatched messages are not sent ones";

  EXPECT_TRUE(UnhookWindowsHookEx(secondHook));
  EXPECT_FALSE(UnhookWindowsHookEx(secondHook));
  installed.erase(installed.begin() + 1);
  SendMessageA(target, WM_APP, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"first 32768 own thread", "returned 7"}), seen.take());
}

TEST_F(HooksTest, SystemHookRunsOnTheThreadThatReceives) {
  firstHook = install(WH_CALLWNDPROC, firstCallHook);
  HWND button = nullptr;
  MessageLoopThread browser([&] {
    HWND dialog = CreateWindowExA(0, "#32770", "Dialog", WS_VISIBLE | WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    button = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, dialog,
                             reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
  });
  ASSERT_TRUE(testbed::native_user::click(button));
  const auto lines = seen.take();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ("first 273 own thread", lines.back()) << "the button's WM_COMMAND to the dialog, seen on its thread";
}

DWORD hookThread = 0;
LRESULT CALLBACK threadHook(int code, WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_APP) seen.add("thread hook");
  hookThread = GetCurrentThreadId();
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(HooksTest, ThreadHookSeesOnlyItsThread) {
  MessageLoopThread other;
  install(WH_CALLWNDPROC, threadHook, other.id());
  SendMessageA(window("here"), WM_APP, 0, 0);
  EXPECT_TRUE(seen.take().empty());
}

LRESULT CALLBACK cbtHook(int code, WPARAM wParam, LPARAM lParam) {
  char title[64] = {};
  if (code == HCBT_CREATEWND) {
    const auto* creating = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    const std::string name = creating->lpcs->lpszName != nullptr ? creating->lpcs->lpszName : "";
    seen.add("create " + name);
    if (name == "refused") return 1;
  }
  if (code == HCBT_ACTIVATE) {
    GetWindowTextA(reinterpret_cast<HWND>(wParam), title, sizeof title);
    seen.add(std::string("activate ") + title);
  }
  if (code == HCBT_DESTROYWND) {
    GetWindowTextA(reinterpret_cast<HWND>(wParam), title, sizeof title);
    seen.add(std::string("destroy ") + title);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(HooksTest, CbtHookSeesCreationActivationAndDestructionAndMayRefuse) {
  install(WH_CBT, cbtHook);
  HWND shown = window("shown");
  EXPECT_EQ(nullptr, CreateWindowExA(0, "HookedWindow", "refused", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  DestroyWindow(shown);
  windows.clear();
  EXPECT_EQ((std::vector<std::string>{"create shown", "activate shown", "create refused", "destroy shown"}),
            seen.take());
}

LRESULT CALLBACK mouseHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* mouse = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
  seen.add(std::to_string(wParam) + " at " + std::to_string(mouse->pt.x) + "," + std::to_string(mouse->pt.y));
  if (wParam == WM_LBUTTONUP && reportTo != nullptr) {
    // A hook library reports to its window with WM_COPYDATA, from inside the hook.
    COPYDATASTRUCT data{static_cast<ULONG_PTR>(wParam), 0, nullptr};
    SendMessageA(reportTo, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  }
  return wParam == WM_LBUTTONDBLCLK ? 1 : CallNextHookEx(nullptr, code, wParam, lParam);
}

std::atomic<int> copies{0};
LRESULT CALLBACK reportWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    ++copies;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(HooksTest, MouseHookSeesTheUsersClicksAndMayDiscardThem) {
  WNDCLASSA reportClass{};
  reportClass.lpfnWndProc = reportWindow;
  reportClass.lpszClassName = "HookReport";
  RegisterClassA(&reportClass);
  reportTo = CreateWindowExA(0, "HookReport", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  windows.push_back(reportTo);
  install(WH_MOUSE, mouseHook);
  HWND button = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 10, 20, 40, 20, window("frame"),
                                reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
  ASSERT_TRUE(testbed::native_user::doubleClick(button));
  EXPECT_EQ((std::vector<std::string>{"513 at 30,30", "514 at 30,30", "515 at 30,30", "514 at 30,30"}), seen.take())
      << "screen points of press, release, double click, release";
  EXPECT_EQ(2, copies.load());
  reportTo = nullptr;
}

}  // namespace
