// Tapwire loaded by its Windows name, as skerrow loads it: what a person does in a
// dialog box reaches the report window as the documented messages and records, and
// nothing reaches it after UnHook.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "testbed/native_user.h"

namespace {

struct Report {
  UINT message;
  WPARAM code;
  HWND window;
  ULONG_PTR id;
};

std::vector<Report> reports;

LRESULT CALLBACK reportProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == 0x80AB || message == 0x80AC) {
    reports.push_back({message, 0, reinterpret_cast<HWND>(wParam), 0});
    return 0;
  }
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    HWND about = nullptr;
    const bool mouse = wParam == WM_LBUTTONUP || wParam == WM_LBUTTONDBLCLK;
    const size_t offset = mouse ? 2 * sizeof(std::int32_t) : 0;
    if (data && data->cbData >= offset + sizeof about) {
      std::memcpy(&about, static_cast<const char*>(data->lpData) + offset, sizeof about);
    }
    reports.push_back({message, wParam, about, data ? data->dwData : 0});
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool reported(UINT message, WPARAM code, HWND window, ULONG_PTR id = 0) {
  for (const Report& r : reports) {
    if (r.message == message && r.code == code && r.window == window && r.id == id) return true;
  }
  return false;
}

using InstallHookProc = int (*)(HWND);
using UnHookProc = int (*)(int);

TEST(TapwireTest, ReportsADialogsEventsAndNothingAfterUnHook) {
  WNDCLASSA reportClass{};
  reportClass.lpfnWndProc = reportProc;
  reportClass.lpszClassName = "TapwireTestReports";
  ASSERT_NE(0, RegisterClassA(&reportClass));
  const HWND reportWindow = CreateWindowExA(0, "TapwireTestReports", "reports", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10,
                                            nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, reportWindow);
  const HMODULE library = LoadLibraryA("Tapwire.dll");
  ASSERT_NE(nullptr, library);
  const auto install =
      reinterpret_cast<InstallHookProc>(reinterpret_cast<void (*)()>(GetProcAddress(library, "InstallHook")));
  const auto unhook = reinterpret_cast<UnHookProc>(reinterpret_cast<void (*)()>(GetProcAddress(library, "UnHook")));
  ASSERT_TRUE(install && unhook);
  ASSERT_EQ(1, install(reportWindow));

  const HWND dialog = CreateWindowExA(0, "#32770", "Question", WS_POPUP | WS_CAPTION, 100, 100, 300, 120, nullptr,
                                      nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, dialog);
  EXPECT_TRUE(reported(0x80AC, 0, dialog));
  const HWND button = CreateWindowExA(0, "Button", "OK", WS_CHILD | WS_VISIBLE, 10, 60, 80, 24, dialog,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), nullptr, nullptr);
  const HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, dialog,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(0x3EB)), nullptr, nullptr);
  ASSERT_TRUE(button && edit);
  EXPECT_FALSE(reported(0x80AC, 0, button)) << "only top-level windows";
  ShowWindow(dialog, SW_SHOW);
  EXPECT_TRUE(reported(0x80AB, 0, dialog));
  EXPECT_TRUE(reported(WM_COPYDATA, 0x0210, dialog));

  // Typed key by key and left: the edit's leaving, not each key.
  ASSERT_TRUE(testbed::native_user::typeText(edit, "ab\r"));
  EXPECT_FALSE(reported(WM_COPYDATA, 0x0300, dialog, 0x3EB)) << "typed changes are not reported";
  EXPECT_TRUE(reported(WM_COPYDATA, 0x000D, dialog, 0x3EB));
  EXPECT_TRUE(reported(WM_COPYDATA, 0x0200, dialog, 0x3EB));
  SetWindowTextA(edit, "whole");
  EXPECT_TRUE(reported(WM_COPYDATA, 0x0300, dialog, 0x3EB));

  ASSERT_TRUE(testbed::native_user::click(button));
  EXPECT_TRUE(reported(WM_COPYDATA, WM_LBUTTONUP, button, IDOK));
  EXPECT_TRUE(reported(WM_COPYDATA, 0x0000, dialog, IDOK));
  ASSERT_TRUE(testbed::native_user::doubleClick(button));
  EXPECT_TRUE(reported(WM_COPYDATA, WM_LBUTTONDBLCLK, button, IDOK));
  SendMessageA(dialog, WM_CLOSE, 0, 0);
  EXPECT_TRUE(reported(WM_COPYDATA, 0x0010, dialog));

  EXPECT_EQ(1, unhook(0));
  const size_t before = reports.size();
  ASSERT_TRUE(testbed::native_user::click(button));
  SendMessageA(dialog, WM_CLOSE, 0, 0);
  SetForegroundWindow(reportWindow);
  SetForegroundWindow(dialog);
  EXPECT_EQ(before, reports.size());
  DestroyWindow(dialog);
  FreeLibrary(library);
  DestroyWindow(reportWindow);
}

}  // namespace
