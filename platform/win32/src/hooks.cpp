// SetWindowsHookEx, UnhookWindowsHookEx, CallNextHookEx and the hook chains.
#include "hooks.h"

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace win32::internal {
namespace {

struct Hook {
  HHOOK handle;
  int type;
  HOOKPROC procedure;
  DWORD threadId;  // 0: every thread
  // The procedure's module stays loaded while the hook can still be called: a thread
  // may be inside the procedure when another unhooks it and unloads the library, as
  // Windows keeps a hook library mapped until no thread runs its hook any more.
  std::shared_ptr<void> module;
};

std::shared_ptr<void> holdModuleOf(HOOKPROC procedure) {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(procedure), &info) == 0 || info.dli_fname == nullptr) return nullptr;
  void* library = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
  if (library == nullptr) return nullptr;
  return std::shared_ptr<void>(library, [](void* held) { dlclose(held); });
}

struct HookTable {
  std::mutex mutex;
  std::vector<std::shared_ptr<const Hook>> chain;  // newest first
  // Hook handles: their own range, apart from windows and kernel objects.
  uintptr_t nextHandle = 0x00C00010;
  std::atomic<int> installed{0};  // lets every message skip the lock while none is set
};

HookTable& hooks() {
  static auto& table = *new HookTable;
  return table;
}

// The hooks running on this thread: none of them is entered again.
thread_local std::vector<HHOOK> running;

bool applies(const Hook& hook, int type, DWORD threadId) {
  return hook.type == type && (hook.threadId == 0 || hook.threadId == threadId);
}

// The first hook of `type` for this thread after `after` (or from the start).
std::shared_ptr<const Hook> nextHook(int type, HHOOK after) {
  HookTable& table = hooks();
  if (table.installed.load(std::memory_order_acquire) == 0) return nullptr;
  const DWORD self = GetCurrentThreadId();
  std::lock_guard lock(table.mutex);
  auto it = table.chain.begin();
  if (after != nullptr) {
    it = std::find_if(table.chain.begin(), table.chain.end(), [&](const auto& hook) { return hook->handle == after; });
    if (it == table.chain.end()) return nullptr;
    ++it;
  }
  for (; it != table.chain.end(); ++it) {
    if (applies(**it, type, self) && std::find(running.begin(), running.end(), (*it)->handle) == running.end()) {
      return *it;
    }
  }
  return nullptr;
}

LRESULT run(const std::shared_ptr<const Hook>& hook, int code, WPARAM wParam, LPARAM lParam) {
  running.push_back(hook->handle);
  const LRESULT result = hook->procedure(code, wParam, lParam);
  running.erase(std::find(running.begin(), running.end(), hook->handle));
  return result;
}

}  // namespace

LRESULT callHooks(int type, int code, WPARAM wParam, LPARAM lParam) {
  const auto first = nextHook(type, nullptr);
  return first ? run(first, code, wParam, lParam) : 0;
}

bool anyHooks(int type) { return nextHook(type, nullptr) != nullptr; }

bool messageTakenFromQueue(MSG& message, bool removed) {
  if (message.message < WM_MOUSEFIRST || message.message > WM_MOUSELAST) {
    callHooks(WH_GETMESSAGE, HC_ACTION, removed ? PM_REMOVE : PM_NOREMOVE, reinterpret_cast<LPARAM>(&message));
    return true;
  }
  MOUSEHOOKSTRUCT mouse{};
  RECT rect{};
  GetWindowRect(message.hwnd, &rect);
  mouse.pt = POINT{rect.left + GET_X_LPARAM(message.lParam), rect.top + GET_Y_LPARAM(message.lParam)};
  mouse.hwnd = message.hwnd;
  mouse.wHitTestCode = HTCLIENT;
  if (callHooks(WH_MOUSE, removed ? HC_ACTION : HC_NOREMOVE, message.message, reinterpret_cast<LPARAM>(&mouse)) != 0) {
    return false;
  }
  callHooks(WH_GETMESSAGE, HC_ACTION, removed ? PM_REMOVE : PM_NOREMOVE, reinterpret_cast<LPARAM>(&message));
  return true;
}

}  // namespace win32::internal

using namespace win32::internal;

extern "C" HHOOK WINAPI SetWindowsHookExA(int idHook, HOOKPROC lpfn, HINSTANCE, DWORD dwThreadId) {
  const bool supported = idHook == WH_CALLWNDPROC || idHook == WH_CALLWNDPROCRET || idHook == WH_GETMESSAGE ||
                         idHook == WH_MOUSE || idHook == WH_CBT;
  if (!supported || lpfn == nullptr) {
    SetLastError(supported ? ERROR_INVALID_FILTER_PROC : ERROR_INVALID_HOOK_FILTER);
    return nullptr;
  }
  std::shared_ptr<void> module = holdModuleOf(lpfn);
  HookTable& table = hooks();
  std::lock_guard lock(table.mutex);
  const auto handle = reinterpret_cast<HHOOK>(table.nextHandle);
  table.nextHandle += 4;
  table.chain.insert(table.chain.begin(),
                     std::make_shared<const Hook>(Hook{handle, idHook, lpfn, dwThreadId, std::move(module)}));
  table.installed.fetch_add(1, std::memory_order_release);
  return handle;
}

extern "C" BOOL WINAPI UnhookWindowsHookEx(HHOOK hhk) {
  std::shared_ptr<const Hook> removed;  // released after the lock: it may unload a library
  HookTable& table = hooks();
  std::lock_guard lock(table.mutex);
  const auto found =
      std::find_if(table.chain.begin(), table.chain.end(), [&](const auto& hook) { return hook->handle == hhk; });
  if (found == table.chain.end()) {
    SetLastError(ERROR_INVALID_HOOK_HANDLE);
    return FALSE;
  }
  removed = std::move(*found);
  table.chain.erase(found);
  table.installed.fetch_sub(1, std::memory_order_release);
  return TRUE;
}

extern "C" LRESULT WINAPI CallNextHookEx(HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam) {
  int type = -1;
  {
    HookTable& table = hooks();
    std::lock_guard lock(table.mutex);
    for (const auto& hook : table.chain) {
      if (hook->handle == hhk) type = hook->type;
    }
  }
  if (type < 0) return 0;
  const auto next = nextHook(type, hhk);
  return next ? run(next, nCode, wParam, lParam) : 0;
}
