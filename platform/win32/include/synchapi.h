// Events, waits and Sleep. Every timed wait is scaled by PLATFORM_TIME_SCALE.
#pragma once

#include "minwinbase.h"

#define INFINITE 0xFFFFFFFF
#define MAXIMUM_WAIT_OBJECTS 64
#define WAIT_OBJECT_0 ((STATUS_WAIT_0) + 0)
#define WAIT_ABANDONED_0 ((STATUS_ABANDONED_WAIT_0) + 0)
#define WAIT_FAILED ((DWORD)0xFFFFFFFF)

#define EVENT_MODIFY_STATE 0x0002
#define EVENT_ALL_ACCESS (STANDARD_RIGHTS_REQUIRED | SYNCHRONIZE | 0x3)

extern "C" {

// Events. A name makes the event process-wide: creating it again by that name, or
// opening it, gives a new handle to the same object (the last error is then
// ERROR_ALREADY_EXISTS and the reset mode and initial state given are ignored).
WINBASEAPI HANDLE WINAPI CreateEventA(LPSECURITY_ATTRIBUTES lpEventAttributes, BOOL bManualReset, BOOL bInitialState,
                                      LPCSTR lpName);
WINBASEAPI HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES lpEventAttributes, BOOL bManualReset, BOOL bInitialState,
                                      LPCWSTR lpName);
WINBASEAPI HANDLE WINAPI OpenEventA(DWORD dwDesiredAccess, BOOL bInheritHandle, LPCSTR lpName);
WINBASEAPI HANDLE WINAPI OpenEventW(DWORD dwDesiredAccess, BOOL bInheritHandle, LPCWSTR lpName);
WINBASEAPI BOOL WINAPI SetEvent(HANDLE hEvent);
WINBASEAPI BOOL WINAPI ResetEvent(HANDLE hEvent);

// Waits on events and threads (a thread is signalled once it has ended).
WINBASEAPI DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);
// Wait-any returns WAIT_OBJECT_0 + the lowest signalled index; wait-all returns
// WAIT_OBJECT_0 once every object is signalled at the same time.
WINBASEAPI DWORD WINAPI WaitForMultipleObjects(DWORD nCount, const HANDLE* lpHandles, BOOL bWaitAll,
                                               DWORD dwMilliseconds);
WINBASEAPI void WINAPI Sleep(DWORD dwMilliseconds);

}  // extern "C"

#define CreateEvent CreateEventA
#define OpenEvent OpenEventA
