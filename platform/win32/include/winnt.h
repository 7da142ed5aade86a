// Basic Windows types, as the 32-bit Windows SDK defines them. Sizes follow Win32, not
// the host: DWORD and LONG are 32-bit, handles and *_PTR types are pointer-sized.
#pragma once

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY
#define WINAPIV
#define DECLSPEC_EXPORT __attribute__((visibility("default")))
#define WINBASEAPI DECLSPEC_EXPORT
#define WINUSERAPI DECLSPEC_EXPORT
#define WINADVAPI DECLSPEC_EXPORT

#ifndef VOID
#define VOID void
#endif

typedef char CHAR;
typedef unsigned char UCHAR;
typedef short SHORT;
typedef unsigned short USHORT;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef char16_t WCHAR;

typedef CHAR* LPSTR;
typedef CHAR* PSTR;
typedef const CHAR* LPCSTR;
typedef const CHAR* PCSTR;
typedef const CHAR* LPCCH;
typedef CHAR* LPCH;
typedef WCHAR* LPWSTR;
typedef WCHAR* PWSTR;
typedef const WCHAR* LPCWSTR;
typedef const WCHAR* PCWSTR;
typedef void* PVOID;
typedef const WCHAR* LPCWCH;
typedef WCHAR* LPWCH;
typedef LONG* PLONG;

typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef ULONG_PTR DWORD_PTR, *PDWORD_PTR;
typedef ULONG_PTR SIZE_T;
typedef LONG_PTR SSIZE_T;

typedef void* HANDLE;
typedef HANDLE* PHANDLE;
typedef HANDLE* LPHANDLE;
typedef uint32_t ACCESS_MASK;
typedef LONG HRESULT;
typedef uint32_t LCID;
#define LOCALE_USER_DEFAULT ((LCID)0x0400)
#define LOCALE_SYSTEM_DEFAULT ((LCID)0x0800)

typedef union _LARGE_INTEGER {
  __extension__ struct {
    ULONG LowPart;
    LONG HighPart;
  };
  LONGLONG QuadPart;
} LARGE_INTEGER, *PLARGE_INTEGER;

typedef union _ULARGE_INTEGER {
  __extension__ struct {
    ULONG LowPart;
    ULONG HighPart;
  };
  ULONGLONG QuadPart;
} ULARGE_INTEGER, *PULARGE_INTEGER;

#define DECLARE_HANDLE(name) \
  struct name##__ {          \
    int unused;              \
  };                         \
  typedef struct name##__* name

#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))

// Reasons a library's entry point is called for.
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3
