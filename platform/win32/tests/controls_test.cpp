#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "message_loop_thread.h"
#include "testbed/native_user.h"

namespace {

// Every WM_COMMAND and WM_NOTIFY the host window receives, as "id:code".
std::vector<std::string>* heard = nullptr;

LRESULT CALLBACK hostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (heard != nullptr && message == WM_COMMAND) {
    heard->push_back("command " + std::to_string(LOWORD(wParam)) + ":" + std::to_string(HIWORD(wParam)));
  }
  if (heard != nullptr && message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    std::string line = "notify " + std::to_string(header->idFrom) + ":" + std::to_string(static_cast<int>(header->code));
    if (header->code == NM_DBLCLK || header->code == NM_CLICK) {
      line += " item " + std::to_string(reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem);
    }
    heard->push_back(line);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

class ControlsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = hostProcedure;
    windowClass.lpszClassName = "ControlHost";
    RegisterClassA(&windowClass);
  }
  void SetUp() override {
    heard = &events;
    host = CreateWindowExA(0, "ControlHost", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500, 400, nullptr,
                           nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(host);
    heard = nullptr;
  }
  HWND control(const char* className, const char* text, int id, DWORD style = 0, HWND parent = nullptr) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 10, 10, 200, 100,
                           parent != nullptr ? parent : host, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           nullptr, nullptr);
  }
  static std::string textOf(HWND window) {
    char buffer[260] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
  }
  static std::string className(HWND window) {
    char buffer[50] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
  }

  HWND host = nullptr;
  std::vector<std::string> events;
};

TEST_F(ControlsTest, ButtonClickNotifiesTheParent) {
  HWND button = control("Button", "OK", IDOK);
  SendMessageA(button, BM_CLICK, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"command 1:0"}), events);
  events.clear();
  SendMessageA(button, WM_LBUTTONDOWN, 0, 0);
  SendMessageA(button, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"command 1:0"}), events) << "the press and release the system sends";
  events.clear();
  SendMessageA(button, WM_LBUTTONDOWN, 0, 0);
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
  EXPECT_TRUE(events.empty()) << "released outside the button: no click";
  SendMessageA(button, WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(events.empty()) << "a release without a press is nothing";
}

TEST_F(ControlsTest, CheckBoxTogglesOnClick) {
  HWND box = control("Button", "Remember", 7, BS_AUTOCHECKBOX);
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(box, BM_GETCHECK, 0, 0));
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_EQ(BST_CHECKED, SendMessageA(box, BM_GETCHECK, 0, 0));
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(box, BM_GETCHECK, 0, 0));
}

TEST_F(ControlsTest, EditReplacesTheWholeTextAfterSelectingAll) {
  HWND edit = control("Edit", "C:\\old\\name.txt", 1152);
  events.clear();
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("C:\\new.txt"));
  EXPECT_EQ("C:\\new.txt", textOf(edit));
  EXPECT_EQ("command 1152:768", events.back()) << "EN_CHANGE";

  SendMessageA(edit, EM_SETSEL, 3, 6);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(3u, start);
  EXPECT_EQ(6u, end);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("NEW"));
  EXPECT_EQ("C:\\NEW.txt", textOf(edit));
  SendMessageA(edit, WM_CHAR, VK_BACK, 0);
  SendMessageA(edit, WM_CHAR, 'w', 0);
  EXPECT_EQ("C:\\NEw.txt", textOf(edit));
}

TEST_F(ControlsTest, StaticTextAndNotifications) {
  HWND text = control("Static", "Are you sure?", 0xFFFF);
  EXPECT_EQ("Are you sure?", textOf(text));
  SendMessageA(text, WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(events.empty()) << "only SS_NOTIFY statics notify";
  HWND link = control("Static", "More", 9, SS_NOTIFY);
  SendMessageA(link, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"command 9:0"}), events);
}

TEST_F(ControlsTest, ComboBoxListMessages) {
  HWND combo = control("ComboBox", "", 0x47C, CBS_DROPDOWN);
  HWND edit = GetWindow(combo, GW_CHILD);
  ASSERT_NE(nullptr, edit);
  EXPECT_EQ("Edit", className(edit));
  EXPECT_EQ(0, SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("All Files (*.*)")));
  EXPECT_EQ(1, SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Text Files (*.txt)")));
  EXPECT_EQ(2, SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("HTML Files (*.htm)")));
  EXPECT_EQ(3, SendMessageA(combo, CB_GETCOUNT, 0, 0));
  EXPECT_EQ(CB_ERR, SendMessageA(combo, CB_GETCURSEL, 0, 0));

  EXPECT_EQ(1, SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("text")))
      << "a prefix, without regard to case";
  EXPECT_EQ(CB_ERR, SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Files")));
  EXPECT_EQ(0, SendMessageA(combo, CB_FINDSTRING, 2, reinterpret_cast<LPARAM>("")))
      << "the search starts after the given index and wraps";

  EXPECT_EQ(2, SendMessageA(combo, CB_SETCURSEL, 2, 0));
  EXPECT_EQ(2, SendMessageA(combo, CB_GETCURSEL, 0, 0));
  EXPECT_EQ("HTML Files (*.htm)", textOf(edit)) << "the selection shows in the edit";
  EXPECT_EQ(18, SendMessageA(combo, CB_GETLBTEXTLEN, 2, 0));
  char item[64] = {};
  EXPECT_EQ(18, SendMessageA(combo, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item)));
  EXPECT_STREQ("HTML Files (*.htm)", item);
  EXPECT_EQ(CB_ERR, SendMessageA(combo, CB_GETLBTEXTLEN, 3, 0));
  EXPECT_EQ(CB_ERR, SendMessageA(combo, CB_SETCURSEL, 5, 0));
  EXPECT_EQ(CB_ERR, SendMessageA(combo, CB_GETCURSEL, 0, 0)) << "an invalid index clears the selection";
  EXPECT_TRUE(events.empty()) << "CB_SETCURSEL notifies nobody";
}

TEST_F(ControlsTest, ComboBoxDoubleClicksOpenAndCommitTheSelection) {
  HWND combo = control("ComboBox", "", 0x470, CBS_DROPDOWNLIST);
  EXPECT_EQ(nullptr, GetWindow(combo, GW_CHILD)) << "a drop-down list has no edit";
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("two"));
  SendMessageA(combo, CB_SETCURSEL, 1, 0);
  SendMessageA(combo, WM_LBUTTONDBLCLK, 0, 0);
  SendMessageA(combo, WM_LBUTTONDBLCLK, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"command 1136:7", "command 1136:9", "command 1136:8"}), events)
      << "CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP";
  EXPECT_EQ("two", textOf(combo));
}

TEST_F(ControlsTest, ComboBoxExHoldsAComboBoxHoldingAnEdit) {
  HWND rebar = control("ReBarWindow32", "", 0xA005);
  HWND address = control("ComboBoxEx32", "", 0xA205, CBS_DROPDOWN, rebar);
  HWND combo = GetWindow(address, GW_CHILD);
  ASSERT_NE(nullptr, combo);
  EXPECT_EQ("ComboBox", className(combo));
  HWND edit = GetWindow(combo, GW_CHILD);
  ASSERT_NE(nullptr, edit);
  EXPECT_EQ("Edit", className(edit));
  EXPECT_EQ(combo, reinterpret_cast<HWND>(SendMessageA(address, CBEM_GETCOMBOCONTROL, 0, 0)));
  EXPECT_EQ(edit, reinterpret_cast<HWND>(SendMessageA(address, CBEM_GETEDITCONTROL, 0, 0)));

  COMBOBOXEXITEMA item{};
  item.mask = CBEIF_TEXT;
  item.iItem = -1;
  char url[] = "http://localhost/index.html";
  item.pszText = url;
  EXPECT_EQ(0, SendMessageA(address, CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  EXPECT_EQ(1, SendMessageA(address, CB_GETCOUNT, 0, 0)) << "combo box messages reach the inner combo box";
  EXPECT_EQ(0, SendMessageA(address, CB_SETCURSEL, 0, 0));
  EXPECT_EQ(0, SendMessageA(address, CB_GETCURSEL, 0, 0));
  const LRESULT length = SendMessageA(address, CB_GETLBTEXTLEN, 0, 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(address, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
  EXPECT_STREQ(url, text.c_str());

  // Typing into the edit, then leaving it: the edit tells the combo box, which tells the
  // extended combo box, which tells the rebar, which tells the host.
  events.clear();
  ASSERT_TRUE(testbed::native_user::typeText(edit, "x"));
  EXPECT_EQ("http://localhost/index.htmlx", textOf(edit));
  EXPECT_EQ("http://localhost/index.htmlx", textOf(address));
  EXPECT_EQ("command 41477:4", events.back()) << "CBN_KILLFOCUS under the extended combo's id";
}

TEST_F(ControlsTest, ListViewItemsStatesAndPositions) {
  HWND list = control("SysListView32", "", 1, LVS_LIST | LVS_SINGLESEL);
  const char* names[] = {"index.html", "logo.gif", "notes.txt"};
  for (int i = 0; i < 3; ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<char*>(names[i]);  // an ordinary pointer of this process
    EXPECT_EQ(i, SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  }
  EXPECT_EQ(3, SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  EXPECT_EQ(0, SendMessageA(list, LVM_GETITEMSTATE, 1, LVIS_SELECTED));

  LVITEMA select{};
  select.state = LVIS_SELECTED;
  select.stateMask = LVIS_SELECTED;
  EXPECT_TRUE(SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&select)));
  EXPECT_EQ(LVIS_SELECTED, SendMessageA(list, LVM_GETITEMSTATE, 1, LVIS_SELECTED));
  EXPECT_TRUE(SendMessageA(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&select)));
  EXPECT_EQ(0, SendMessageA(list, LVM_GETITEMSTATE, 1, LVIS_SELECTED)) << "one selection only";
  EXPECT_EQ(2, SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));

  char text[16] = {};
  LVITEMA read{};
  read.pszText = text;
  read.cchTextMax = 5;
  EXPECT_EQ(4, SendMessageA(list, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&read)));
  EXPECT_STREQ("inde", text) << "bounded by cchTextMax";
  read.iSubItem = 1;
  EXPECT_EQ(0, SendMessageA(list, LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&read))) << "one column";

  POINT first{};
  POINT third{};
  EXPECT_TRUE(SendMessageA(list, LVM_GETITEMPOSITION, 0, reinterpret_cast<LPARAM>(&first)));
  EXPECT_TRUE(SendMessageA(list, LVM_GETITEMPOSITION, 2, reinterpret_cast<LPARAM>(&third)));
  EXPECT_GT(third.y, first.y);
  EXPECT_FALSE(SendMessageA(list, LVM_GETITEMPOSITION, 3, reinterpret_cast<LPARAM>(&third)));

  // A double click at an item's position selects it and tells the parent.
  events.clear();
  const LPARAM at = MAKELPARAM(first.x, first.y);
  SendMessageA(list, WM_LBUTTONDOWN, 0, at);
  SendMessageA(list, WM_LBUTTONUP, 0, at);
  SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageA(list, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(LVIS_SELECTED, SendMessageA(list, LVM_GETITEMSTATE, 0, LVIS_SELECTED));
  EXPECT_EQ(0, SendMessageA(list, LVM_GETITEMSTATE, 2, LVIS_SELECTED));
  EXPECT_NE(std::find(events.begin(), events.end(), "notify 1:-3 item 0"), events.end()) << "NM_DBLCLK on item 0";
}

TEST_F(ControlsTest, ToolbarTextByCommandAndClicksThroughTheBands) {
  HWND worker = control("WorkerW", "", 0);
  HWND rebar = control("ReBarWindow32", "", 0xA005, 0, worker);
  HWND toolbar = control("ToolbarWindow32", "", 0xA000, 0, rebar);
  SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  const LRESULT first = SendMessageA(toolbar, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>("Back\0Forward\0"));
  EXPECT_EQ(0, first);
  TBBUTTON buttons[3] = {};
  buttons[0].idCommand = 0x1001;
  buttons[0].fsState = TBSTATE_ENABLED;
  buttons[0].iString = 0;
  buttons[1].idCommand = 0x1002;
  buttons[1].fsState = TBSTATE_ENABLED;
  buttons[1].iString = 1;
  buttons[2].idCommand = 0x1003;
  buttons[2].fsState = 0;  // disabled
  buttons[2].iString = reinterpret_cast<INT_PTR>("Stop");
  EXPECT_TRUE(SendMessageA(toolbar, TB_ADDBUTTONSA, 3, reinterpret_cast<LPARAM>(buttons)));
  EXPECT_EQ(3, SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));

  char text[32] = {};
  EXPECT_EQ(7, SendMessageA(toolbar, TB_GETBUTTONTEXTA, 0x1002, reinterpret_cast<LPARAM>(text)));
  EXPECT_STREQ("Forward", text);
  EXPECT_EQ(4, SendMessageA(toolbar, TB_GETBUTTONTEXTA, 0x1003, 0)) << "the length alone";
  EXPECT_EQ(-1, SendMessageA(toolbar, TB_GETBUTTONTEXTA, 0x9999, reinterpret_cast<LPARAM>(text)));

  EXPECT_TRUE(testbed::native_user::clickToolbarButton(toolbar, 0x1001));
  EXPECT_EQ((std::vector<std::string>{"command 4097:0"}), events) << "the command reaches the frame";
  EXPECT_FALSE(testbed::native_user::clickToolbarButton(toolbar, 0x1003)) << "disabled";
  EXPECT_FALSE(testbed::native_user::clickToolbarButton(toolbar, 0x9999));
  EXPECT_EQ(1u, events.size());
}

TEST_F(ControlsTest, SimulatedUserActsOnAnotherThreadsControls) {
  HWND remoteHost = nullptr;
  HWND box = nullptr;
  HWND button = nullptr;
  MessageLoopThread owner([&] {
    remoteHost = CreateWindowExA(0, "ControlHost", "remote", WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr, nullptr,
                                 nullptr);
    box = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, 100, 20, remoteHost,
                          reinterpret_cast<HMENU>(5), nullptr, nullptr);
    button = CreateWindowExA(0, "Button", "Go", WS_CHILD | WS_VISIBLE, 0, 30, 50, 20, remoteHost,
                             reinterpret_cast<HMENU>(6), nullptr, nullptr);
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Alpha"));
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Beta"));
  });
  events.clear();
  EXPECT_TRUE(testbed::native_user::chooseComboEntry(box, "beta"));
  EXPECT_EQ(1, SendMessageA(box, CB_GETCURSEL, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"command 5:7", "command 5:1", "command 5:9", "command 5:8"}), events)
      << "drop down, selection change, selection accepted, close up";
  EXPECT_FALSE(testbed::native_user::chooseComboEntry(box, "Gamma"));

  events.clear();
  EXPECT_TRUE(testbed::native_user::click(button));
  EXPECT_EQ((std::vector<std::string>{"command 6:0"}), events);
  EnableWindow(button, FALSE);
  EXPECT_FALSE(testbed::native_user::click(button)) << "nobody can click a disabled button";
  EXPECT_TRUE(testbed::native_user::closeWindow(remoteHost));
  EXPECT_FALSE(IsWindow(remoteHost));
}

}  // namespace
