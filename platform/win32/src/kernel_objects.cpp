#include "kernel_objects.h"

#include <windows.h>

#include <unordered_map>

namespace win32::internal {

namespace {
// Kernel handles are multiples of 4 from 0x100 up, below the window handles' range.
constexpr uintptr_t firstHandle = 0x100;
constexpr uintptr_t handleStep = 4;

struct HandleTable {
  std::mutex mutex;
  std::unordered_map<uintptr_t, std::shared_ptr<KernelObject>> objects;
  uintptr_t next = firstHandle;
};

// Never destroyed: threads may close handles while the process exits.
HandleTable& table() {
  static auto& instance = *new HandleTable;
  return instance;
}
}  // namespace

std::mutex& waitLock() {
  static auto& instance = *new std::mutex;
  return instance;
}

std::condition_variable& waitChanged() {
  static auto& instance = *new std::condition_variable;
  return instance;
}

HANDLE insertHandle(std::shared_ptr<KernelObject> object) {
  HandleTable& t = table();
  std::lock_guard lock(t.mutex);
  const uintptr_t value = t.next;
  t.next += handleStep;
  t.objects.emplace(value, std::move(object));
  return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> objectFromHandle(HANDLE handle) {
  HandleTable& t = table();
  std::lock_guard lock(t.mutex);
  const auto found = t.objects.find(reinterpret_cast<uintptr_t>(handle));
  return found == t.objects.end() ? nullptr : found->second;
}

bool closeKernelHandle(HANDLE handle) {
  std::shared_ptr<KernelObject> released;  // destroyed outside the table's lock
  HandleTable& t = table();
  std::lock_guard lock(t.mutex);
  const auto found = t.objects.find(reinterpret_cast<uintptr_t>(handle));
  if (found == t.objects.end()) return false;
  released = std::move(found->second);
  t.objects.erase(found);
  return true;
}

}  // namespace win32::internal

extern "C" BOOL WINAPI CloseHandle(HANDLE hObject) {
  using namespace win32::internal;
  if (hObject == currentProcessPseudoHandle() || hObject == currentThreadPseudoHandle()) return TRUE;
  if (!closeKernelHandle(hObject)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
