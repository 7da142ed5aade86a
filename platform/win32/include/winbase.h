// Kernel functions of the Windows base API that this system calls.
#pragma once

#include "windef.h"
#include "winerror.h"

extern "C" {

WINBASEAPI DWORD WINAPI GetLastError(void);
WINBASEAPI void WINAPI SetLastError(DWORD dwErrCode);

// Short (8.3) form of an existing path. Returns the length written without the
// terminating null, the buffer size needed (with the null) when cchBuffer is too
// small, or 0 with the last error set when the path does not exist.
WINBASEAPI DWORD WINAPI GetShortPathNameA(LPCSTR lpszLongPath, LPSTR lpszShortPath, DWORD cchBuffer);

}  // extern "C"

#define GetShortPathName GetShortPathNameA
