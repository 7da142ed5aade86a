#include "dialogs/remote_list_view.h"

#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/trace_log.h"

namespace {

constexpr DWORD kAllAccess = 0x1F0FFF;
constexpr SIZE_T kItemRecordBytes = 40;
constexpr SIZE_T kItemTextBytes = 512;
constexpr SIZE_T kPointBytes = 8;
constexpr SIZE_T kReadBlockBytes = 1024;
constexpr int kReadTextCapacity = static_cast<int>(kReadBlockBytes - kItemRecordBytes);  // 984
// The record as far as iIndent: newer headers add group fields after it, which the list
// does not read for these messages, so only these 40 bytes are placed in its process.
static_assert(offsetof(LVITEMA, iIndent) + sizeof(int) == kItemRecordBytes, "the record keeps its 32-bit layout");
static_assert(sizeof(LVITEMA) >= kItemRecordBytes);

class ProcessHandle {
 public:
  explicit ProcessHandle(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != 0) handle_ = OpenProcess(kAllAccess, FALSE, processId);
  }
  ~ProcessHandle() {
    if (handle_) CloseHandle(handle_);
  }
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_ = nullptr;
};

// A committed block in another process, released when dropped.
class RemoteBlock {
 public:
  RemoteBlock(HANDLE process, SIZE_T bytes, DWORD protection) : process_(process), bytes_(bytes) {
    if (process_) address_ = VirtualAllocEx(process_, nullptr, bytes, MEM_COMMIT, protection);
  }
  ~RemoteBlock() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  void* address() const { return address_; }
  char* bytes() const { return static_cast<char*>(address_); }
  bool write(const void* from, SIZE_T count) const {
    SIZE_T written = 0;
    return count <= bytes_ && WriteProcessMemory(process_, address_, from, count, &written) && written == count;
  }
  bool read(void* to, SIZE_T count) const {
    SIZE_T read = 0;
    return count <= bytes_ && ReadProcessMemory(process_, address_, to, count, &read) && read == count;
  }

 private:
  HANDLE process_;
  SIZE_T bytes_;
  void* address_ = nullptr;
};

// Text from a buffer that may lack its terminator.
std::string boundedText(const char* buffer, size_t capacity) {
  const void* end = std::memchr(buffer, '\0', capacity);
  return std::string(buffer, end ? static_cast<size_t>(static_cast<const char*>(end) - buffer) : capacity);
}

int itemCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

}  // namespace

int selectedListItem(HWND list) {
  const int count = itemCount(list);
  for (int i = 0; i < count; ++i) {
    if (SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED) == LVIS_SELECTED) return i;
  }
  return 0;
}

std::optional<std::string> remoteListItemText(HWND list, int index) {
  ProcessHandle process(list);
  if (!process.get()) return std::nullopt;
  RemoteBlock block(process.get(), kReadBlockBytes, PAGE_READWRITE);
  if (!block.address()) return std::nullopt;
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.iSubItem = 0;
  item.pszText = block.bytes() + kItemRecordBytes;
  item.cchTextMax = kReadTextCapacity;
  if (!block.write(&item, kItemRecordBytes)) return std::nullopt;
  SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(block.address()));
  char local[kReadBlockBytes] = {};
  if (!block.read(local, sizeof local)) return std::nullopt;
  return boundedText(local + kItemRecordBytes, static_cast<size_t>(kReadTextCapacity));
}

bool activateListItem(HWND list, const std::string& text) {
  const int count = itemCount(list);
  ProcessHandle process(list);
  if (!process.get()) {
    trace("The list's process could not be opened\n");
    return false;
  }
  RemoteBlock record(process.get(), kItemRecordBytes, PAGE_EXECUTE_READWRITE);
  RemoteBlock textBlock(process.get(), kItemTextBytes, PAGE_EXECUTE_READWRITE);
  RemoteBlock point(process.get(), kPointBytes, PAGE_EXECUTE_READWRITE);
  if (!record.address() || !textBlock.address() || !point.address()) return false;
  for (int i = 0; i < count; ++i) {
    LVITEMA item{};
    item.iItem = i;
    item.pszText = textBlock.bytes();
    item.cchTextMax = static_cast<int>(kItemTextBytes);
    // The text is asked for twice before it is read; both answers are the same.
    for (int ask = 0; ask < 2; ++ask) {
      if (!record.write(&item, kItemRecordBytes)) return false;
      SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(record.address()));
    }
    SendMessageA(list, LVM_GETITEMPOSITION, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(point.address()));
    char itemText[kItemTextBytes] = {};
    std::int32_t position[2] = {0, 0};
    if (!textBlock.read(itemText, sizeof itemText) || !point.read(position, sizeof position)) return false;
    if (boundedText(itemText, sizeof itemText) != text) continue;
    item.state = LVIS_SELECTED;
    item.stateMask = LVIS_SELECTED;
    if (!record.write(&item, kItemRecordBytes)) return false;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(record.address()));
    const LPARAM at = MAKELPARAM(position[0], position[1]);
    SendMessageA(list, WM_LBUTTONDOWN, 0, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
    return true;
  }
  return false;
}
