// Kernel functions of the Windows base API that this system calls.
#pragma once

// As in the SDK, this header relies on <windows.h> having been included first (the
// COM headers include it).
#ifndef _WINDOWS_
#error "include <windows.h> before <winbase.h>"
#endif

#include "windef.h"
#include "winerror.h"
#include "minwinbase.h"
#include "handleapi.h"
#include "synchapi.h"
#include "processthreadsapi.h"
#include "libloaderapi.h"
#include "memoryapi.h"

#define GMEM_FIXED 0x0
#define GMEM_MOVEABLE 0x2
#define GMEM_ZEROINIT 0x40
#define GMEM_MODIFY 0x80
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

extern "C" {

WINBASEAPI DWORD WINAPI GetLastError(void);
WINBASEAPI void WINAPI SetLastError(DWORD dwErrCode);

// Milliseconds since the process started, on the real clock (not scaled).
WINBASEAPI DWORD WINAPI GetTickCount(void);

// Global memory. A GMEM_FIXED block's handle is its address; a GMEM_MOVEABLE block's
// handle is not, and GlobalLock gives the address (the block may move on GlobalReAlloc
// while it is not locked).
WINBASEAPI HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
WINBASEAPI HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags);
WINBASEAPI SIZE_T WINAPI GlobalSize(HGLOBAL hMem);
WINBASEAPI LPVOID WINAPI GlobalLock(HGLOBAL hMem);
WINBASEAPI BOOL WINAPI GlobalUnlock(HGLOBAL hMem);
// NULL on success, hMem itself on failure.
WINBASEAPI HGLOBAL WINAPI GlobalFree(HGLOBAL hMem);

// Short (8.3) form of an existing path. Returns the length written without the
// terminating null, the buffer size needed (with the null) when cchBuffer is too
// small, or 0 with the last error set when the path does not exist.
WINBASEAPI DWORD WINAPI GetShortPathNameA(LPCSTR lpszLongPath, LPSTR lpszShortPath, DWORD cchBuffer);

}  // extern "C"

#define GetShortPathName GetShortPathNameA
