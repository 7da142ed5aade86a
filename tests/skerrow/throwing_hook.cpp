// A hook library whose exports throw: it stands in for "Tapwire.dll" in the tests that
// make sure nothing thrown by the hook library ends the process.
#include <windows.h>

#include <stdexcept>

#define HOOK_EXPORT extern "C" __attribute__((visibility("default")))

HOOK_EXPORT int InstallHook(HWND) { throw std::runtime_error("InstallHook failed"); }

HOOK_EXPORT int UnHook(int) { throw std::runtime_error("UnHook failed"); }
