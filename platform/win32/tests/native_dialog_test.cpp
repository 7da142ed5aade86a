#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_loop_thread.h"
#include "testbed/native_user.h"

// A file dialog on a browser thread of its own, driven from the test thread by the
// calls a native-window controller makes: find the dialog by title, find a control by
// class and identifier among all descendants, then act through messages.
namespace {

constexpr int fileNameId = 0x47C;
constexpr int fileTypeId = 0x470;
constexpr int fileListId = 0x461;

std::vector<std::string>* dialogHeard = nullptr;

LRESULT CALLBACK fileDialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && dialogHeard != nullptr) {
    dialogHeard->push_back(std::to_string(LOWORD(wParam)) + ":" + std::to_string(HIWORD(wParam)));
  }
  return DefDlgProcA(window, message, wParam, lParam);
}

struct Search {
  std::string className;
  std::string id;
  HWND found = nullptr;
};

BOOL CALLBACK matchControl(HWND child, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  char name[4096] = {};
  GetClassNameA(child, name, sizeof name);
  if (search->className == name && search->id == std::to_string(GetDlgCtrlID(child))) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

HWND findControl(HWND dialog, const std::string& className, const std::string& id) {
  Search search{className, id};
  EnumChildWindows(dialog, matchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string sentText(HWND window) {
  char buffer[260] = {};
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

class FileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialogHeard = &heard;
    browser = std::make_unique<MessageLoopThread>([this] {
      dialog = CreateWindowExA(0, "#32770", "Choose file", WS_POPUP | WS_VISIBLE, 100, 100, 500, 350, nullptr,
                               nullptr, nullptr, nullptr);
      // Subclassed, as a dialog's owner code hooks itself into the dialog class.
      SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&fileDialogProcedure));
      auto child = [&](const char* className, const char* text, int id, DWORD style = 0) {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, 10, 200, 20, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
      };
      child("SysListView32", "", fileListId, LVS_LIST | LVS_SINGLESEL);
      child("Static", "File &name:", 0x442);
      child("ComboBoxEx32", "", fileNameId, CBS_DROPDOWN);
      child("Static", "Files of &type:", 0x441);
      HWND types = child("ComboBox", "", fileTypeId, CBS_DROPDOWNLIST);
      child("Button", "&Open", IDOK);
      child("Button", "Cancel", IDCANCEL);
      SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("All Files (*.*)"));
      SendMessageA(types, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Text Files (*.txt)"));
    });
  }
  void TearDown() override {
    browser.reset();
    dialogHeard = nullptr;
  }

  std::unique_ptr<MessageLoopThread> browser;
  HWND dialog = nullptr;
  std::vector<std::string> heard;
};

TEST_F(FileDialogTest, FoundByTitleAndControlsByClassAndIdentifierText) {
  HWND target = FindWindowA(nullptr, "Choose file");
  ASSERT_EQ(dialog, target);
  EXPECT_NE(nullptr, findControl(target, "ComboBox", std::to_string(fileTypeId)));
  EXPECT_NE(nullptr, findControl(target, "Edit", "1001")) << "descendants count: the edit inside the combo";
  EXPECT_EQ(nullptr, findControl(target, "Button", "01")) << "identifiers compare as text";
  HWND open = findControl(target, "Button", "1");
  ASSERT_NE(nullptr, open);
  EXPECT_EQ("&Open", sentText(open));
  EXPECT_EQ("File &name:", sentText(GetWindow(findControl(target, "ComboBoxEx32", std::to_string(fileNameId)),
                                               GW_HWNDPREV)))
      << "the label before a control is its attached text";
}

TEST_F(FileDialogTest, SetsTheFileNameTwoLevelsBelowTheExtendedCombo) {
  HWND name = findControl(dialog, "ComboBoxEx32", std::to_string(fileNameId));
  ASSERT_NE(nullptr, name);
  HWND combo = GetWindow(name, GW_CHILD);
  HWND edit = combo != nullptr ? GetWindow(combo, GW_CHILD) : nullptr;
  ASSERT_NE(nullptr, edit);
  char className[50] = {};
  GetClassNameA(edit, className, sizeof className);
  ASSERT_STREQ("Edit", className);
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("old.txt"));
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("C:\\data\\input.txt"));
  EXPECT_EQ("C:\\data\\input.txt", sentText(edit));
  char read[260] = {};
  GetWindowTextA(name, read, sizeof read);
  EXPECT_STREQ("C:\\data\\input.txt", read) << "the extended combo shows what its edit holds";
}

TEST_F(FileDialogTest, SelectsAFileTypeAndTheDialogHearsTheChoice) {
  HWND types = findControl(dialog, "ComboBox", std::to_string(fileTypeId));
  ASSERT_NE(nullptr, types);
  EXPECT_EQ(CB_ERR, SendMessageA(types, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("HTML")));
  const LRESULT index =
      SendMessageA(types, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Text Files (*.txt)"));
  ASSERT_EQ(1, index);
  SendMessageA(types, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(types, WM_LBUTTONDBLCLK, 0, 0);
  SendMessageA(types, WM_LBUTTONDBLCLK, 0, 0);
  // Sent messages: what the dialog heard is complete when SendMessage returns.
  EXPECT_EQ((std::vector<std::string>{"1136:7", "1136:9", "1136:8"}), heard)
      << "drop down, selection accepted, close up";
  EXPECT_EQ(1, SendMessageA(types, CB_GETCURSEL, 0, 0));
}

TEST_F(FileDialogTest, TheUserPressesOpen) {
  ASSERT_TRUE(testbed::native_user::pressDialogButton(dialog, IDOK));
  EXPECT_EQ((std::vector<std::string>{"1:0"}), heard);
  EXPECT_FALSE(testbed::native_user::pressDialogButton(dialog, 0x999)) << "no such button";
}

}  // namespace
