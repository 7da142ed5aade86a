#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// This program runs with PLATFORM_MESSAGEBOX_ANSWER=IDNO.
namespace {

std::vector<std::string>* seen = nullptr;

LRESULT CALLBACK watcher(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // The frame hears its dialog become active: the box was really shown.
  if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE && seen != nullptr) {
    char title[64] = {};
    GetWindowTextA(reinterpret_cast<HWND>(lParam), title, sizeof title);
    seen->push_back(title);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(MessageBoxAutomaticAnswer, IsAnsweredAutomaticallyAfterBeingShown) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = watcher;
  windowClass.lpszClassName = "Watcher";
  RegisterClassA(&windowClass);
  std::vector<std::string> activations;
  seen = &activations;
  HWND frame = CreateWindowExA(0, "Watcher", "Frame", WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(IDNO, MessageBoxA(frame, "Continue?", "Headless", MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(std::vector<std::string>{"Headless"}, activations);
  EXPECT_EQ(nullptr, FindWindowA(nullptr, "Headless")) << "gone again";
  EXPECT_TRUE(IsWindowEnabled(frame));
  seen = nullptr;
  DestroyWindow(frame);
}

}  // namespace
