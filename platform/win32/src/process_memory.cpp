// OpenProcess and the virtual-memory functions, on this process (the only one here).
#include <sys/mman.h>
#include <sys/uio.h>
#include <unistd.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

#include "kernel_objects.h"

namespace win32::internal {
namespace {

// What a process handle refers to. Never signalled: this process outlives its waits.
class ProcessObject : public KernelObject {
 public:
  bool waitable() const override { return true; }
};

struct VirtualBlocks {
  std::mutex mutex;
  std::map<uintptr_t, size_t> sizeByBase;
};

VirtualBlocks& blocks() {
  static auto& instance = *new VirtualBlocks;
  return instance;
}

bool isThisProcess(HANDLE process) {
  return process == currentProcessPseudoHandle() || std::dynamic_pointer_cast<ProcessObject>(objectFromHandle(process));
}

size_t pageRounded(size_t size) {
  const auto page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  return (size + page - 1) / page * page;
}

// True when [address, address + size) lies inside one block from VirtualAlloc.
bool insideBlock(uintptr_t address, size_t size) {
  VirtualBlocks& b = blocks();
  std::lock_guard lock(b.mutex);
  auto it = b.sizeByBase.upper_bound(address);
  if (it == b.sizeByBase.begin()) return false;
  --it;
  return address >= it->first && address - it->first <= it->second && size <= it->second - (address - it->first);
}

// True when [address, address + size) is covered by mappings of this process with the
// access wanted, as /proc/self/maps lists them.
bool mapped(uintptr_t address, size_t size, bool writable) {
  std::FILE* maps = std::fopen("/proc/self/maps", "r");
  if (maps == nullptr) return false;
  uintptr_t covered = address;
  const uintptr_t end = address + size;
  unsigned long start = 0;
  unsigned long stop = 0;
  char permissions[8] = {};
  char line[512];
  while (covered < end && std::fgets(line, sizeof line, maps) != nullptr) {
    if (std::sscanf(line, "%lx-%lx %7s", &start, &stop, permissions) != 3) continue;
    const bool allowed = permissions[0] == 'r' && (!writable || permissions[1] == 'w');
    if (allowed && start <= covered && covered < stop) covered = stop;
  }
  std::fclose(maps);
  return covered >= end;
}

// Copies between this process's addresses without faulting on a bad range: blocks from
// VirtualAlloc are known; anything else goes through the kernel, which checks it, or,
// where that call is not allowed, is checked against the process's mappings.
bool copyChecked(void* to, const void* from, size_t size, bool remoteIsSource) {
  const auto remote = reinterpret_cast<uintptr_t>(remoteIsSource ? from : to);
  if (remote + size < remote) return false;  // wraps around the address space
  if (insideBlock(remote, size)) {
    std::memcpy(to, from, size);
    return true;
  }
  iovec local{remoteIsSource ? to : const_cast<void*>(from), size};
  iovec other{remoteIsSource ? const_cast<void*>(from) : to, size};
  const ssize_t copied = remoteIsSource ? process_vm_readv(getpid(), &local, 1, &other, 1, 0)
                                        : process_vm_writev(getpid(), &local, 1, &other, 1, 0);
  if (copied == static_cast<ssize_t>(size)) return true;
  if (copied >= 0 || (errno != EPERM && errno != ENOSYS)) return false;
  if (!mapped(remote, size, !remoteIsSource)) return false;
  std::memcpy(to, from, size);
  return true;
}

}  // namespace
}  // namespace win32::internal

using namespace win32::internal;

extern "C" HANDLE WINAPI OpenProcess(DWORD, BOOL, DWORD dwProcessId) {
  if (dwProcessId != GetCurrentProcessId()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return insertHandle(std::make_shared<ProcessObject>());
}

extern "C" LPVOID WINAPI VirtualAlloc(LPVOID lpAddress, SIZE_T dwSize, DWORD flAllocationType, DWORD flProtect) {
  return VirtualAllocEx(GetCurrentProcess(), lpAddress, dwSize, flAllocationType, flProtect);
}

extern "C" BOOL WINAPI VirtualFree(LPVOID lpAddress, SIZE_T dwSize, DWORD dwFreeType) {
  return VirtualFreeEx(GetCurrentProcess(), lpAddress, dwSize, dwFreeType);
}

extern "C" LPVOID WINAPI VirtualAllocEx(HANDLE hProcess, LPVOID lpAddress, SIZE_T dwSize, DWORD flAllocationType,
                                        DWORD flProtect) {
  if (!isThisProcess(hProcess)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  // Placing at a chosen address and reserving without committing are not offered.
  if (lpAddress != nullptr || dwSize == 0 || (flAllocationType & MEM_COMMIT) == 0 ||
      (flAllocationType & ~static_cast<DWORD>(MEM_COMMIT | MEM_RESERVE)) != 0 || flProtect == 0 ||
      flProtect == PAGE_NOACCESS) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const size_t size = pageRounded(dwSize);
  void* block = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
  if (block == MAP_FAILED) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  VirtualBlocks& b = blocks();
  std::lock_guard lock(b.mutex);
  b.sizeByBase[reinterpret_cast<uintptr_t>(block)] = size;
  return block;
}

extern "C" BOOL WINAPI VirtualFreeEx(HANDLE hProcess, LPVOID lpAddress, SIZE_T dwSize, DWORD dwFreeType) {
  if (!isThisProcess(hProcess)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  VirtualBlocks& b = blocks();
  std::unique_lock lock(b.mutex);
  const auto found = b.sizeByBase.find(reinterpret_cast<uintptr_t>(lpAddress));
  if (found == b.sizeByBase.end()) {
    SetLastError(ERROR_INVALID_ADDRESS);
    return FALSE;
  }
  if (dwFreeType == MEM_RELEASE) {
    // Windows releases whole blocks only, and wants a size of 0 for it.
    if (dwSize != 0) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
    const size_t size = found->second;
    b.sizeByBase.erase(found);
    lock.unlock();
    munmap(lpAddress, size);
    return TRUE;
  }
  if (dwFreeType == MEM_DECOMMIT) {
    // The pages stay addressable here; their content goes, as after a fresh commit.
    const size_t size = dwSize == 0 ? found->second : std::min(pageRounded(dwSize), found->second);
    std::memset(lpAddress, 0, size);
    return TRUE;
  }
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}

extern "C" BOOL WINAPI ReadProcessMemory(HANDLE hProcess, LPCVOID lpBaseAddress, LPVOID lpBuffer, SIZE_T nSize,
                                         SIZE_T* lpNumberOfBytesRead) {
  if (lpNumberOfBytesRead != nullptr) *lpNumberOfBytesRead = 0;
  if (!isThisProcess(hProcess)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (nSize == 0) return TRUE;
  if (lpBuffer == nullptr || lpBaseAddress == nullptr || !copyChecked(lpBuffer, lpBaseAddress, nSize, true)) {
    SetLastError(ERROR_PARTIAL_COPY);
    return FALSE;
  }
  if (lpNumberOfBytesRead != nullptr) *lpNumberOfBytesRead = nSize;
  return TRUE;
}

extern "C" BOOL WINAPI WriteProcessMemory(HANDLE hProcess, LPVOID lpBaseAddress, LPCVOID lpBuffer, SIZE_T nSize,
                                          SIZE_T* lpNumberOfBytesWritten) {
  if (lpNumberOfBytesWritten != nullptr) *lpNumberOfBytesWritten = 0;
  if (!isThisProcess(hProcess)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (nSize == 0) return TRUE;
  if (lpBuffer == nullptr || lpBaseAddress == nullptr || !copyChecked(lpBaseAddress, lpBuffer, nSize, false)) {
    SetLastError(ERROR_PARTIAL_COPY);
    return FALSE;
  }
  if (lpNumberOfBytesWritten != nullptr) *lpNumberOfBytesWritten = nSize;
  return TRUE;
}
