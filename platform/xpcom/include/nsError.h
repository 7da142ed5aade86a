// XPCOM result codes (Gecko 1.7 nsError.h).
#pragma once

#define NS_ERROR_MODULE_XPCOM 1
#define NS_ERROR_MODULE_BASE_OFFSET 0x45
#define NS_ERROR_SEVERITY_SUCCESS 0
#define NS_ERROR_SEVERITY_ERROR 1

#define NS_FAILED(_nsresult) (NS_UNLIKELY((_nsresult) & 0x80000000))
#define NS_SUCCEEDED(_nsresult) (NS_LIKELY(!((_nsresult) & 0x80000000)))

#define NS_ERROR_GENERATE(sev, module, code)                                                             \
  ((nsresult)(((PRUint32)(sev) << 31) | ((PRUint32)(module + NS_ERROR_MODULE_BASE_OFFSET) << 16) | \
              ((PRUint32)(code))))
#define NS_ERROR_GENERATE_SUCCESS(module, code) NS_ERROR_GENERATE(NS_ERROR_SEVERITY_SUCCESS, module, code)
#define NS_ERROR_GENERATE_FAILURE(module, code) NS_ERROR_GENERATE(NS_ERROR_SEVERITY_ERROR, module, code)

#define NS_OK 0
#define NS_ERROR_BASE ((nsresult)0xC1F30000)
#define NS_ERROR_NOT_INITIALIZED (NS_ERROR_BASE + 1)
#define NS_ERROR_ALREADY_INITIALIZED (NS_ERROR_BASE + 2)
#define NS_ERROR_NOT_IMPLEMENTED ((nsresult)0x80004001L)
#define NS_NOINTERFACE ((nsresult)0x80004002L)
#define NS_ERROR_NO_INTERFACE NS_NOINTERFACE
#define NS_ERROR_INVALID_POINTER ((nsresult)0x80004003L)
#define NS_ERROR_NULL_POINTER NS_ERROR_INVALID_POINTER
#define NS_ERROR_ABORT ((nsresult)0x80004004L)
#define NS_ERROR_FAILURE ((nsresult)0x80004005L)
#define NS_ERROR_UNEXPECTED ((nsresult)0x8000ffffL)
#define NS_ERROR_OUT_OF_MEMORY ((nsresult)0x8007000eL)
#define NS_ERROR_ILLEGAL_VALUE ((nsresult)0x80070057L)
#define NS_ERROR_INVALID_ARG NS_ERROR_ILLEGAL_VALUE
#define NS_ERROR_NO_AGGREGATION ((nsresult)0x80040110L)
#define NS_ERROR_NOT_AVAILABLE ((nsresult)0x80040111L)
#define NS_ERROR_FACTORY_NOT_REGISTERED ((nsresult)0x80040154L)
