// Modules: "Name.dll" is the shared library libName.so.
#pragma once

#include "windef.h"

typedef INT_PTR(WINAPI* FARPROC)();

#define GET_MODULE_HANDLE_EX_FLAG_PIN 0x1
#define GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT 0x2
#define GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS 0x4

extern "C" {

// Loads "Name.dll" (".dll" added when there is no extension) as libName.so, looked for
// first beside the loaded platform libraries, then on the library path; the file name
// compares without regard to case. A module handle is the library's base address, so
// it is also the instance handle of the windows and classes the library makes.
WINBASEAPI HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName);
WINBASEAPI BOOL WINAPI FreeLibrary(HMODULE hLibModule);
WINBASEAPI FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
// NULL names the program itself.
WINBASEAPI HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
// With GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, lpModuleName is an address inside the
// module wanted (how a library finds its own instance handle).
WINBASEAPI BOOL WINAPI GetModuleHandleExA(DWORD dwFlags, LPCSTR lpModuleName, HMODULE* phModule);
WINBASEAPI DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);

}  // extern "C"

#define LoadLibrary LoadLibraryA
#define GetModuleHandle GetModuleHandleA
#define GetModuleHandleEx GetModuleHandleExA
#define GetModuleFileName GetModuleFileNameA
