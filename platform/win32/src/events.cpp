// Events: manual- and auto-reset, optionally named (one object per name in the process).
#include <windows.h>

#include <map>
#include <string>

#include "kernel_objects.h"

namespace win32::internal {
namespace {

class Event : public KernelObject {
 public:
  Event(bool manualReset, bool initialState) : manualReset_(manualReset), signalled_(initialState) {}
  bool waitable() const override { return true; }
  bool signalled() const override { return signalled_; }
  void acquired() override {
    if (!manualReset_) signalled_ = false;
  }
  // Under waitLock().
  void set() { signalled_ = true; }
  void reset() { signalled_ = false; }

 private:
  const bool manualReset_;
  bool signalled_;
};

// Named events live while a handle refers to them; the name then becomes free again.
struct NamedEvents {
  std::mutex mutex;
  std::map<std::string, std::weak_ptr<Event>> byName;
};

NamedEvents& namedEvents() {
  static auto& instance = *new NamedEvents;
  return instance;
}

std::string utf16NameToUtf8(LPCWSTR name) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, name, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, name, -1, result.data(), size, nullptr, nullptr);
  result.resize(static_cast<size_t>(size - 1));
  return result;
}

HANDLE createEvent(bool manualReset, bool initialState, const std::string* name) {
  if (name == nullptr || name->empty()) {
    SetLastError(ERROR_SUCCESS);
    return insertHandle(std::make_shared<Event>(manualReset, initialState));
  }
  NamedEvents& named = namedEvents();
  std::lock_guard lock(named.mutex);
  if (auto existing = named.byName[*name].lock()) {
    SetLastError(ERROR_ALREADY_EXISTS);
    return insertHandle(std::move(existing));
  }
  auto event = std::make_shared<Event>(manualReset, initialState);
  named.byName[*name] = event;
  SetLastError(ERROR_SUCCESS);
  return insertHandle(std::move(event));
}

HANDLE openEvent(const std::string& name) {
  NamedEvents& named = namedEvents();
  std::lock_guard lock(named.mutex);
  const auto found = named.byName.find(name);
  std::shared_ptr<Event> event = found == named.byName.end() ? nullptr : found->second.lock();
  if (!event) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  return insertHandle(std::move(event));
}

template <class Change>
BOOL changeEvent(HANDLE handle, Change change) {
  const auto event = objectAs<Event>(handle);
  if (!event) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  {
    std::lock_guard lock(waitLock());
    change(*event);
  }
  waitChanged().notify_all();
  return TRUE;
}

}  // namespace
}  // namespace win32::internal

using namespace win32::internal;

extern "C" HANDLE WINAPI CreateEventA(LPSECURITY_ATTRIBUTES, BOOL bManualReset, BOOL bInitialState, LPCSTR lpName) {
  if (lpName == nullptr) return createEvent(bManualReset != FALSE, bInitialState != FALSE, nullptr);
  const std::string name(lpName);
  return createEvent(bManualReset != FALSE, bInitialState != FALSE, &name);
}

extern "C" HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES, BOOL bManualReset, BOOL bInitialState, LPCWSTR lpName) {
  if (lpName == nullptr) return createEvent(bManualReset != FALSE, bInitialState != FALSE, nullptr);
  const std::string name = utf16NameToUtf8(lpName);
  return createEvent(bManualReset != FALSE, bInitialState != FALSE, &name);
}

extern "C" HANDLE WINAPI OpenEventA(DWORD, BOOL, LPCSTR lpName) {
  if (lpName == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return openEvent(lpName);
}

extern "C" HANDLE WINAPI OpenEventW(DWORD, BOOL, LPCWSTR lpName) {
  if (lpName == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return openEvent(utf16NameToUtf8(lpName));
}

extern "C" BOOL WINAPI SetEvent(HANDLE hEvent) {
  return changeEvent(hEvent, [](Event& event) { event.set(); });
}

extern "C" BOOL WINAPI ResetEvent(HANDLE hEvent) {
  return changeEvent(hEvent, [](Event& event) { event.reset(); });
}
