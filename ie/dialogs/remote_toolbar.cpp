#include "dialogs/remote_toolbar.h"

#include <commctrl.h>

#include <cstring>

namespace {

constexpr DWORD kAllAccess = 0x1F0FFF;
constexpr SIZE_T kTextBlockBytes = 256;

}  // namespace

std::optional<std::string> remoteToolbarButtonText(HWND toolbar, int commandId) {
  // The toolbar trusts the buffer to be large enough: ask for the length first.
  const LRESULT length = SendMessageA(toolbar, TB_GETBUTTONTEXTA, static_cast<WPARAM>(commandId), 0);
  if (length < 0 || static_cast<SIZE_T>(length) >= kTextBlockBytes) return std::nullopt;
  DWORD processId = 0;
  GetWindowThreadProcessId(toolbar, &processId);
  const HANDLE process = processId != 0 ? OpenProcess(kAllAccess, FALSE, processId) : nullptr;
  if (!process) return std::nullopt;
  std::optional<std::string> text;
  if (void* block = VirtualAllocEx(process, nullptr, kTextBlockBytes, MEM_COMMIT, PAGE_READWRITE)) {
    char local[kTextBlockBytes] = {};
    SIZE_T read = 0;
    if (WriteProcessMemory(process, block, local, sizeof local, &read) &&
        SendMessageA(toolbar, TB_GETBUTTONTEXTA, static_cast<WPARAM>(commandId), reinterpret_cast<LPARAM>(block)) >= 0 &&
        ReadProcessMemory(process, block, local, sizeof local, &read) && read == sizeof local) {
      const void* end = std::memchr(local, '\0', sizeof local);
      text.emplace(local, end ? static_cast<size_t>(static_cast<const char*>(end) - local) : sizeof local);
    }
    VirtualFreeEx(process, block, 0, MEM_RELEASE);
  }
  CloseHandle(process);
  return text;
}
