// A library loaded by name in the module tests. It exports the hook library's two
// entry points and a probe that reports how often the hook was installed.
#include <windows.h>

namespace {
HWND hookedWindow = nullptr;
int installs = 0;
}  // namespace

extern "C" DECLSPEC_EXPORT int InstallHook(HWND window) {
  hookedWindow = window;
  return ++installs;
}

extern "C" DECLSPEC_EXPORT int UnHook(int) {
  hookedWindow = nullptr;
  return 1;
}

extern "C" DECLSPEC_EXPORT HWND ProbeHookedWindow() { return hookedWindow; }
