// Tapwire: the hook library that skerrow loads by name ("Tapwire.dll"). InstallHook
// installs process-wide window hooks on behalf of the recorder's hidden window; UnHook
// removes them. The hooks watch window creation, activation and destruction and the
// mouse; what they report to the hidden window about native dialogs and the browser's
// frame window is built on them.
#include <windows.h>

#include <atomic>
#include <mutex>

// Only InstallHook and UnHook are exported; everything else stays inside the library.
#ifdef _WIN32
#define TAPWIRE_EXPORT extern "C" __declspec(dllexport)
#else
#define TAPWIRE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

// The hooks run on every thread that has windows, while InstallHook and UnHook change
// them from the recorder's threads.
std::mutex hookMutex;
std::atomic<HHOOK> cbtHook{nullptr};
std::atomic<HHOOK> mouseHook{nullptr};
std::atomic<HWND> reportWindow{nullptr};

HINSTANCE thisModule() {
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&reportWindow), &self);
  return self;
}

LRESULT CALLBACK cbtProc(int code, WPARAM wParam, LPARAM lParam) { return CallNextHookEx(cbtHook, code, wParam, lParam); }

LRESULT CALLBACK mouseProc(int code, WPARAM wParam, LPARAM lParam) {
  return CallNextHookEx(mouseHook, code, wParam, lParam);
}

void removeHooks() {
  if (HHOOK hook = cbtHook.exchange(nullptr)) UnhookWindowsHookEx(hook);
  if (HHOOK hook = mouseHook.exchange(nullptr)) UnhookWindowsHookEx(hook);
}

}  // namespace

// Installs the hooks for every thread; `window` receives what they report. Installing
// again replaces the earlier hooks and window. Returns 1 when the hooks are in place.
TAPWIRE_EXPORT int InstallHook(HWND window) {
  std::lock_guard lock(hookMutex);
  removeHooks();
  reportWindow = window;
  const HINSTANCE module = thisModule();
  cbtHook = SetWindowsHookExA(WH_CBT, cbtProc, module, 0);
  mouseHook = SetWindowsHookExA(WH_MOUSE, mouseProc, module, 0);
  return cbtHook != nullptr && mouseHook != nullptr ? 1 : 0;
}

// Removes the hooks; the argument is not used. Returns 1.
TAPWIRE_EXPORT int UnHook(int) {
  std::lock_guard lock(hookMutex);
  removeHooks();
  reportWindow = nullptr;
  return 1;
}
