// The C runtime's thread start, as the Microsoft C runtime declares it.
#pragma once

#include <cstdint>

#include "windef.h"

typedef unsigned(WINAPI* _beginthreadex_proc_type)(void*);

extern "C" {

// A thread of the platform (CreateThread underneath): returns its handle as an
// integer, 0 on failure; *_ThrdAddr gets its id. _InitFlag 0 only.
DECLSPEC_EXPORT uintptr_t _beginthreadex(void* _Security, unsigned _StackSize, _beginthreadex_proc_type _StartAddress,
                                         void* _ArgList, unsigned _InitFlag, unsigned* _ThrdAddr);
[[noreturn]] DECLSPEC_EXPORT void _endthreadex(unsigned _Retval);

}  // extern "C"
