// Virtual memory of this or another process. "Another process" is always this one
// here (the browser lives in the same process), so these act on this process's memory.
#pragma once

#include "windef.h"

#define PAGE_NOACCESS 0x01
#define PAGE_READONLY 0x02
#define PAGE_READWRITE 0x04
#define PAGE_EXECUTE 0x10
#define PAGE_EXECUTE_READ 0x20
#define PAGE_EXECUTE_READWRITE 0x40

#define MEM_COMMIT 0x1000
#define MEM_RESERVE 0x2000
#define MEM_DECOMMIT 0x4000
#define MEM_RELEASE 0x8000

extern "C" {

// Committed blocks are zeroed and lie below 4 GB, so their addresses fit the 32-bit
// pointer fields of records the system writes into them. They are readable and
// writable whatever execute protection is asked for.
WINBASEAPI LPVOID WINAPI VirtualAlloc(LPVOID lpAddress, SIZE_T dwSize, DWORD flAllocationType, DWORD flProtect);
WINBASEAPI BOOL WINAPI VirtualFree(LPVOID lpAddress, SIZE_T dwSize, DWORD dwFreeType);
WINBASEAPI LPVOID WINAPI VirtualAllocEx(HANDLE hProcess, LPVOID lpAddress, SIZE_T dwSize, DWORD flAllocationType,
                                        DWORD flProtect);
WINBASEAPI BOOL WINAPI VirtualFreeEx(HANDLE hProcess, LPVOID lpAddress, SIZE_T dwSize, DWORD dwFreeType);
// Fail with ERROR_PARTIAL_COPY (nothing copied) when the range is not readable or
// writable memory of the process.
WINBASEAPI BOOL WINAPI ReadProcessMemory(HANDLE hProcess, LPCVOID lpBaseAddress, LPVOID lpBuffer, SIZE_T nSize,
                                         SIZE_T* lpNumberOfBytesRead);
WINBASEAPI BOOL WINAPI WriteProcessMemory(HANDLE hProcess, LPVOID lpBaseAddress, LPCVOID lpBuffer, SIZE_T nSize,
                                          SIZE_T* lpNumberOfBytesWritten);

}  // extern "C"
