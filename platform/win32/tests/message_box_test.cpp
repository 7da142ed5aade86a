#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <tuple>
#include <thread>
#include <vector>

#include "platform_internal/modal_dialog.h"
#include "platform_internal/thread_calls.h"
#include "testbed/native_user.h"

namespace {

std::string textOf(HWND window) {
  char buffer[260] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

std::string classOf(HWND window) {
  char buffer[50] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

// Shows a message box on a thread of its own, owned by a frame window of that thread.
class ShownMessageBox {
 public:
  ShownMessageBox(const char* text, const char* caption, UINT type, bool ownerDisabledBefore = false) {
    thread_ = std::thread([=, this] {
      threadId_ = GetCurrentThreadId();
      frame_ = CreateWindowExA(0, "#32770", "Frame", WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr, nullptr, nullptr);
      if (ownerDisabledBefore) EnableWindow(frame_, FALSE);
      result_ = MessageBoxA(frame_, text, caption, type);
      ownerEnabledAfter_ = IsWindowEnabled(frame_) != FALSE;
      DestroyWindow(frame_);
      done_ = true;
    });
  }
  ~ShownMessageBox() {
    if (thread_.joinable()) thread_.join();
  }
  int result() {
    thread_.join();
    return result_;
  }
  HWND frame() const { return frame_; }
  DWORD threadId() const { return threadId_; }
  bool done() const { return done_; }
  bool ownerEnabledAfter() const { return ownerEnabledAfter_; }

 private:
  std::thread thread_;
  std::atomic<HWND> frame_{nullptr};
  std::atomic<DWORD> threadId_{0};
  std::atomic<bool> done_{false};
  int result_ = -1;
  bool ownerEnabledAfter_ = false;
};

TEST(MessageBoxes, IsADialogOwnedByTheFrameWithButtonsThenText) {
  ShownMessageBox box("Are you sure?", "Microsoft Internet Explorer", MB_OKCANCEL | MB_ICONQUESTION);
  HWND dialog = testbed::native_user::waitForWindow("Microsoft Internet Explorer", 5000);
  ASSERT_NE(nullptr, dialog);
  // Visible comes a moment before active; once the box serves calls it is both.
  ASSERT_TRUE(win32::internal::callOnThread(box.threadId(), [] {}));
  EXPECT_EQ(dialog, FindWindowA(nullptr, "Microsoft Internet Explorer"));
  EXPECT_EQ("#32770", classOf(dialog));
  EXPECT_EQ(box.frame(), GetParent(dialog)) << "GetParent of the owned dialog is its owner";
  EXPECT_FALSE(IsWindowEnabled(box.frame())) << "modal: the owner is disabled";
  EXPECT_EQ(dialog, GetForegroundWindow());

  std::vector<std::string> children;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(classOf(child) + " " + std::to_string(GetDlgCtrlID(child)) + " " + textOf(child));
  }
  EXPECT_EQ((std::vector<std::string>{"Button 1 OK", "Button 2 Cancel", "Static 20 ", "Static 65535 Are you sure?"}),
            children);

  EXPECT_TRUE(testbed::native_user::pressDialogButton(dialog, IDCANCEL));
  EXPECT_EQ(IDCANCEL, box.result());
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_TRUE(box.ownerEnabledAfter());
}

TEST(MessageBoxes, ClosingAnswersCancelOrOkAsWindowsDoes) {
  {
    ShownMessageBox box("Leave?", "Confirm", MB_YESNOCANCEL);
    HWND dialog = testbed::native_user::waitForWindow("Confirm", 5000);
    ASSERT_NE(nullptr, dialog);
    SendMessageA(dialog, WM_CLOSE, 0, 0);  // from another thread, as the system closes alerts
    EXPECT_EQ(IDCANCEL, box.result());
  }
  {
    ShownMessageBox box("Done.", "Alert", MB_OK);
    HWND dialog = testbed::native_user::waitForWindow("Alert", 5000);
    ASSERT_NE(nullptr, dialog);
    EXPECT_TRUE(testbed::native_user::closeWindow(dialog));
    EXPECT_EQ(IDOK, box.result()) << "an OK-only box closes with OK";
  }
}

TEST(MessageBoxes, YesNoBoxCannotBeClosedOnlyAnswered) {
  ShownMessageBox box("Save?", "Question", MB_YESNO);
  HWND dialog = testbed::native_user::waitForWindow("Question", 5000);
  ASSERT_NE(nullptr, dialog);
  SendMessageA(dialog, WM_CLOSE, 0, 0);
  // The close was refused; the box is still up and still serving.
  ASSERT_TRUE(win32::internal::callOnThread(box.threadId(), [] {}));
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_FALSE(box.done());
  EXPECT_TRUE(testbed::native_user::pressDialogButton(dialog, IDNO));
  EXPECT_EQ(IDNO, box.result());
}

TEST(MessageBoxes, AnOwnerDisabledBeforeStaysDisabled) {
  ShownMessageBox box("Nested", "Inner", MB_OK, true);
  HWND dialog = testbed::native_user::waitForWindow("Inner", 5000);
  ASSERT_NE(nullptr, dialog);
  EXPECT_TRUE(testbed::native_user::pressDialogButton(dialog, IDOK));
  EXPECT_EQ(IDOK, box.result());
  EXPECT_FALSE(box.ownerEnabledAfter());
}

TEST(MessageBoxes, ModalLoopServesCallsIntoItsThread) {
  ShownMessageBox box("Wait", "Busy", MB_OK);
  HWND dialog = testbed::native_user::waitForWindow("Busy", 5000);
  ASSERT_NE(nullptr, dialog);
  DWORD ranOn = 0;
  ASSERT_TRUE(win32::internal::callOnThread(box.threadId(), [&] { ranOn = GetCurrentThreadId(); }));
  EXPECT_EQ(box.threadId(), ranOn);
  EXPECT_TRUE(testbed::native_user::pressDialogButton(dialog, IDOK));
  EXPECT_EQ(IDOK, box.result());
}

std::string promptAnswer;

INT_PTR CALLBACK promptProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    char text[260] = {};
    GetWindowTextA(GetDlgItem(dialog, 0x3E8), text, sizeof text);
    promptAnswer = text;
  }
  EndDialog(dialog, LOWORD(wParam));
  return TRUE;
}

TEST(ModalDialogs, APromptIsTypedIntoAndAnswered) {
  std::atomic<DWORD> threadId{0};
  INT_PTR result = -2;
  std::thread browser([&] {
    threadId = GetCurrentThreadId();
    HWND dialog = CreateWindowExA(0, "#32770", "Explorer User Prompt", WS_POPUP | WS_CAPTION, 0, 0, 300, 120, nullptr,
                                  nullptr, nullptr, nullptr);
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&promptProcedure));
    for (const auto& [className, text, id] : {std::tuple{"Button", "OK", IDOK}, std::tuple{"Button", "Cancel", IDCANCEL},
                                              std::tuple{"Static", "Your name:", 0xFFFF},
                                              std::tuple{"Edit", "", 0x3E8}}) {
      CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE, 10, 10, 80, 20, dialog,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    result = win32::internal::runModalDialog(dialog);
  });
  HWND dialog = testbed::native_user::waitForWindow("Explorer User Prompt", 5000);
  ASSERT_NE(nullptr, dialog);
  ASSERT_TRUE(testbed::native_user::typeText(GetDlgItem(dialog, 0x3E8), "Ada"));
  ASSERT_TRUE(testbed::native_user::pressDialogButton(dialog, IDOK));
  browser.join();
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ("Ada", promptAnswer);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(-1, win32::internal::runModalDialog(dialog)) << "no window any more";
}

}  // namespace
