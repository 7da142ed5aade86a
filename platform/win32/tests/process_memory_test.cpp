#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "message_loop_thread.h"

namespace {

// The record as a 32-bit program lays it out, field by field.
static_assert(offsetof(LVITEMA, mask) == 0);
static_assert(offsetof(LVITEMA, iItem) == 4);
static_assert(offsetof(LVITEMA, iSubItem) == 8);
static_assert(offsetof(LVITEMA, state) == 12);
static_assert(offsetof(LVITEMA, stateMask) == 16);
static_assert(offsetof(LVITEMA, pszText) == 20);
static_assert(offsetof(LVITEMA, cchTextMax) == 24);
static_assert(offsetof(LVITEMA, iImage) == 28);
static_assert(offsetof(LVITEMA, lParam) == 32);
static_assert(offsetof(LVITEMA, iIndent) == 36);

// A file list owned by a "browser" thread of its own, as in the file dialog.
class RemoteListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    browser = std::make_unique<MessageLoopThread>([this] {
      list = CreateWindowExA(0, "SysListView32", "", WS_VISIBLE | LVS_LIST | LVS_SINGLESEL, 0, 0, 200, 200, nullptr,
                             nullptr, nullptr, nullptr);
      for (const char* name : {"index.html", "logo.gif", "notes.txt"}) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = 100;  // past the end: appended
        item.pszText = const_cast<char*>(name);
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      }
    });
    ASSERT_NE(nullptr, list);
    DWORD processId = 0;
    ASSERT_NE(0u, GetWindowThreadProcessId(list, &processId));
    process = OpenProcess(0x1F0FFF, FALSE, processId);
    ASSERT_NE(nullptr, process);
  }
  void TearDown() override {
    CloseHandle(process);
    browser.reset();
  }

  std::unique_ptr<MessageLoopThread> browser;
  HWND list = nullptr;
  HANDLE process = nullptr;
};

TEST_F(RemoteListTest, FindsSelectsAndDoubleClicksAnItemThroughRemoteBlocks) {
  auto* record = static_cast<char*>(VirtualAllocEx(process, nullptr, 40, MEM_COMMIT, PAGE_EXECUTE_READWRITE));
  auto* text = static_cast<char*>(VirtualAllocEx(process, nullptr, 512, MEM_COMMIT, PAGE_EXECUTE_READWRITE));
  auto* point = static_cast<char*>(VirtualAllocEx(process, nullptr, 8, MEM_COMMIT, PAGE_EXECUTE_READWRITE));
  ASSERT_NE(nullptr, record);
  ASSERT_NE(nullptr, text);
  ASSERT_NE(nullptr, point);
  EXPECT_LT(reinterpret_cast<uintptr_t>(text), uintptr_t{1} << 32) << "fits a 32-bit pointer field";

  const LRESULT count = SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
  ASSERT_EQ(3, count);
  int found = -1;
  POINT position{};
  for (int i = 0; i < count && found < 0; ++i) {
    LVITEMA item{};
    item.pszText = text;
    item.cchTextMax = 512;
    SIZE_T written = 0;
    ASSERT_TRUE(WriteProcessMemory(process, record, &item, sizeof item, &written));
    EXPECT_EQ(40u, written);
    SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(record));
    SendMessageA(list, LVM_GETITEMPOSITION, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(point));
    char name[512] = {};
    SIZE_T read = 0;
    ASSERT_TRUE(ReadProcessMemory(process, text, name, sizeof name, &read));
    EXPECT_EQ(512u, read);
    int32_t xy[2] = {};
    ASSERT_TRUE(ReadProcessMemory(process, point, xy, sizeof xy, nullptr));
    if (std::string(name) == "notes.txt") {
      found = i;
      position = POINT{xy[0], xy[1]};
      item.state = LVIS_SELECTED;
      item.stateMask = LVIS_SELECTED;
      ASSERT_TRUE(WriteProcessMemory(process, record, &item, sizeof item, nullptr));
      SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(record));
    }
  }
  ASSERT_EQ(2, found);
  EXPECT_EQ(LVIS_SELECTED, SendMessageA(list, LVM_GETITEMSTATE, 2, LVIS_SELECTED));
  const LPARAM at = MAKELPARAM(position.x, position.y);
  SendMessageA(list, WM_LBUTTONDOWN, 0, at);
  SendMessageA(list, WM_LBUTTONUP, 0, at);
  SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageA(list, WM_LBUTTONUP, 0, at);
  EXPECT_EQ(LVIS_SELECTED, SendMessageA(list, LVM_GETITEMSTATE, 2, LVIS_SELECTED)) << "the click hit that item";
  EXPECT_EQ(0, SendMessageA(list, LVM_GETITEMSTATE, 0, LVIS_SELECTED));

  EXPECT_TRUE(VirtualFreeEx(process, record, 0, MEM_RELEASE));
  EXPECT_TRUE(VirtualFreeEx(process, text, 0, MEM_RELEASE));
  EXPECT_TRUE(VirtualFreeEx(process, point, 0, MEM_RELEASE));
  EXPECT_FALSE(VirtualFreeEx(process, point, 0, MEM_RELEASE)) << "released once";
}

TEST_F(RemoteListTest, ReadsTheSelectedItemWithOneBlockWrittenAsA32BitProgramDoes) {
  LVITEMA select{};
  select.state = LVIS_SELECTED;
  select.stateMask = LVIS_SELECTED;
  SendMessageA(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&select));
  int selected = 0;
  for (int i = 0; i < 3; ++i) {
    if (SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED) == LVIS_SELECTED) {
      selected = i;
      break;
    }
  }
  auto* block = static_cast<char*>(VirtualAllocEx(process, nullptr, 1024, MEM_COMMIT, PAGE_READWRITE));
  ASSERT_NE(nullptr, block);
  // The 40 bytes exactly as a 32-bit caller fills them: mask, item, subitem, state,
  // state mask, text pointer (40 bytes into the block), capacity, image, lParam, indent.
  const uint32_t words[10] = {LVIF_TEXT, static_cast<uint32_t>(selected), 0, 0, 0,
                              static_cast<uint32_t>(reinterpret_cast<uintptr_t>(block + 40)), 984, 0, 0, 0};
  unsigned char bytes[40];
  std::memcpy(bytes, words, sizeof bytes);
  ASSERT_TRUE(WriteProcessMemory(process, block, bytes, sizeof bytes, nullptr));
  EXPECT_TRUE(SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(block)));
  char copy[1024] = {};
  ASSERT_TRUE(ReadProcessMemory(process, block, copy, sizeof copy, nullptr));
  EXPECT_STREQ("logo.gif", copy + 40);
  EXPECT_TRUE(VirtualFreeEx(process, block, 0, MEM_RELEASE));
}

TEST(ProcessMemory, RefusesWhatWindowsRefuses) {
  EXPECT_EQ(nullptr, OpenProcess(PROCESS_ALL_ACCESS, FALSE, GetCurrentProcessId() + 1));
  HANDLE self = OpenProcess(PROCESS_ALL_ACCESS, FALSE, GetCurrentProcessId());
  ASSERT_NE(nullptr, self);
  void* block = VirtualAllocEx(self, nullptr, 100, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  ASSERT_NE(nullptr, block);
  EXPECT_EQ(0, *static_cast<char*>(block)) << "committed memory starts zeroed";
  EXPECT_FALSE(VirtualFreeEx(self, block, 100, MEM_RELEASE)) << "a release names no size";
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());

  char buffer[16] = {};
  SIZE_T read = 99;
  EXPECT_FALSE(ReadProcessMemory(self, reinterpret_cast<LPCVOID>(uintptr_t{0x1000}), buffer, sizeof buffer, &read))
      << "nothing is mapped there";
  EXPECT_EQ(static_cast<DWORD>(ERROR_PARTIAL_COPY), GetLastError());
  EXPECT_EQ(0u, read);
  EXPECT_FALSE(ReadProcessMemory(self, static_cast<char*>(block) + 4090, buffer, 16, nullptr))
      << "a range running past the block's end";

  // Ordinary memory of the process is readable too, as on Windows.
  const char local[] = "plain heap or stack";
  EXPECT_TRUE(ReadProcessMemory(self, local, buffer, 6, nullptr));
  EXPECT_EQ(0, std::memcmp(buffer, "plain ", 6));

  EXPECT_TRUE(VirtualFreeEx(self, block, 0, MEM_RELEASE));
  EXPECT_FALSE(VirtualAllocEx(reinterpret_cast<HANDLE>(0x7654), nullptr, 10, MEM_COMMIT, PAGE_READWRITE));
  EXPECT_TRUE(CloseHandle(self));
}

TEST(ProcessMemory, PointerFieldsKeepAnyAddressOfThisProcess) {
  std::string onTheHeap(100, 'x');
  LVITEMA item{};
  item.pszText = onTheHeap.data();
  EXPECT_EQ(onTheHeap.data(), static_cast<char*>(item.pszText));
  LVITEMA copy;
  std::memcpy(&copy, &item, sizeof copy);
  EXPECT_EQ(onTheHeap.data(), static_cast<char*>(copy.pszText)) << "the 32 bits carry it through a byte copy";
  item.pszText = nullptr;
  EXPECT_EQ(0u, item.pszText.raw());
}

}  // namespace
