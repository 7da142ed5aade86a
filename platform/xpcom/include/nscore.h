// The XPCOM core types and declaration macros (Gecko 1.7 nscore.h).
// PRUnichar is a 16-bit UTF-16 code unit; here it is char16_t, so that u"" literals are
// PRUnichar strings (the SDK uses PRUint16 on Linux and wchar_t on Windows).
#pragma once

#include "prtypes.h"

#define NS_EXPORT __attribute__((visibility("default")))
#define NS_IMPORT
#define NS_HIDDEN __attribute__((visibility("hidden")))
#define NS_COM NS_EXPORT
#define NS_EXPORT_(type) NS_EXPORT type
#define NS_IMPORT_(type) type
#define NS_COM_GLUE NS_COM

#define NS_IMETHOD_(type) virtual type
#define NS_IMETHOD NS_IMETHOD_(nsresult)
#define NS_IMETHODIMP_(type) type
#define NS_IMETHODIMP NS_IMETHODIMP_(nsresult)
#define NS_METHOD_(type) type
#define NS_METHOD NS_METHOD_(nsresult)
#define NS_CALLBACK_(_type, _name) _type (*_name)
#define NS_CALLBACK(_name) NS_CALLBACK_(nsresult, _name)
#define NS_STDCALL
#define NS_NO_VTABLE
#define NS_SPECIALIZE_TEMPLATE template <>

typedef PRUint32 nsresult;
typedef char16_t PRUnichar;
typedef PRUint32 nsrefcnt;

#define nsnull nullptr

#define NS_LIKELY(x) (__builtin_expect(!!(x), 1))
#define NS_UNLIKELY(x) (__builtin_expect(!!(x), 0))

#define NS_STATIC_CAST(__type, __ptr) static_cast<__type>(__ptr)
#define NS_CONST_CAST(__type, __ptr) const_cast<__type>(__ptr)
#define NS_REINTERPRET_CAST(__type, __ptr) reinterpret_cast<__type>(__ptr)

#include "nsError.h"
