// NSPR's basic types, as the Gecko SDK names them.
#pragma once

#include <stddef.h>
#include <stdint.h>

#define PR_BEGIN_EXTERN_C extern "C" {
#define PR_END_EXTERN_C }
#define PR_EXTERN(type) extern "C" __attribute__((visibility("default"))) type
#define PR_IMPLEMENT(type) extern "C" __attribute__((visibility("default"))) type
#define PR_CALLBACK
#define PR_STATIC_CALLBACK(type) static type

typedef uint8_t PRUint8;
typedef int8_t PRInt8;
typedef uint16_t PRUint16;
typedef int16_t PRInt16;
typedef uint32_t PRUint32;
typedef int32_t PRInt32;
typedef uint64_t PRUint64;
typedef int64_t PRInt64;
typedef int PRIntn;
typedef unsigned int PRUintn;
typedef double PRFloat64;
typedef size_t PRSize;
typedef PRInt32 PROffset32;
typedef PRInt64 PROffset64;
typedef ptrdiff_t PRPtrdiff;
typedef uintptr_t PRUptrdiff;

typedef PRIntn PRBool;
#define PR_TRUE 1
#define PR_FALSE 0
typedef PRUint8 PRPackedBool;

typedef enum { PR_FAILURE = -1, PR_SUCCESS = 0 } PRStatus;
