// Kernel object handles.
#pragma once

#include "windef.h"

#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

extern "C" {

// Releases one reference to a kernel object (event, thread, process); the object lives
// on while other handles or waits hold it.
WINBASEAPI BOOL WINAPI CloseHandle(HANDLE hObject);

}  // extern "C"
