#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "testbed/modules.h"

namespace {

using InstallHookFunction = int (*)(HWND);
using ProbeFunction = HWND (*)();

// FARPROC is declared as the SDK declares it; a cast through void(*)() is how code
// built with -Wcast-function-type turns it into the export's real type.
template <class Function>
Function procedure(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

TEST(Modules, LoadsTheHookLibraryByItsWindowsName) {
  HMODULE hook = LoadLibraryA("Tapwire.dll");
  ASSERT_NE(nullptr, hook) << GetLastError();
  EXPECT_NE(nullptr, GetProcAddress(hook, "InstallHook"));
  EXPECT_NE(nullptr, GetProcAddress(hook, "UnHook"));
  EXPECT_EQ(nullptr, GetProcAddress(hook, "NoSuchExport"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_PROC_NOT_FOUND), GetLastError());
  EXPECT_TRUE(FreeLibrary(hook));
}

TEST(Modules, CallsIntoALoadedModuleAndCountsReferences) {
  HMODULE first = LoadLibraryA("win32ProbeModule.DLL");  // file names ignore case
  ASSERT_NE(nullptr, first) << GetLastError();
  HMODULE second = LoadLibraryA("Win32ProbeModule");
  EXPECT_EQ(first, second) << "one module, one handle";
  EXPECT_EQ(first, GetModuleHandleA("Win32ProbeModule.dll"));

  auto install = procedure<InstallHookFunction>(first, "InstallHook");
  auto probe = procedure<ProbeFunction>(first, "ProbeHookedWindow");
  ASSERT_NE(nullptr, install);
  ASSERT_NE(nullptr, probe);
  const HWND window = reinterpret_cast<HWND>(0x1234);
  EXPECT_EQ(1, install(window));
  EXPECT_EQ(window, probe());

  char path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameA(first, path, sizeof path), 0u);
  EXPECT_NE(std::string::npos, std::string(path).find("libWin32ProbeModule.so"));

  HMODULE fromAddress = nullptr;
  ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(probe),
                                 &fromAddress));
  EXPECT_EQ(first, fromAddress);

  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_EQ(window, probe()) << "still loaded: one reference is left";
  EXPECT_TRUE(FreeLibrary(second));
  EXPECT_FALSE(FreeLibrary(second));
}

TEST(Modules, AHiddenLibraryIsNotFoundUntilRestored) {
  testbed::modules::hide("TAPWIRE.dll");
  EXPECT_EQ(nullptr, LoadLibraryA("Tapwire.dll"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
  HMODULE other = LoadLibraryA("Win32ProbeModule.dll");
  EXPECT_NE(nullptr, other) << "only the hidden library is gone";
  FreeLibrary(other);
  testbed::modules::restoreAll();
  HMODULE hook = LoadLibraryA("Tapwire.dll");
  EXPECT_NE(nullptr, hook);
  FreeLibrary(hook);
}

TEST(Modules, MissingLibrariesAndTheProgram) {
  EXPECT_EQ(nullptr, LoadLibraryA("NoSuchLibrary.dll"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
  EXPECT_EQ(nullptr, GetModuleHandleA("NoSuchLibrary.dll"));
  HMODULE program = GetModuleHandleA(nullptr);
  ASSERT_NE(nullptr, program);
  char path[MAX_PATH] = {};
  EXPECT_GT(GetModuleFileNameA(program, path, sizeof path), 0u);
  EXPECT_NE(std::string::npos, std::string(path).find("win32_window_tests"));
}

}  // namespace
