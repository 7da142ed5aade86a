// DOM result codes (Gecko 1.7 nsDOMError.h), the subset this DOM gives.
#pragma once

#include "nsError.h"

#define NS_ERROR_DOM_INDEX_SIZE_ERR ((nsresult)0x80530001L)
#define NS_ERROR_DOM_HIERARCHY_REQUEST_ERR ((nsresult)0x80530003L)
#define NS_ERROR_DOM_WRONG_DOCUMENT_ERR ((nsresult)0x80530004L)
#define NS_ERROR_DOM_INVALID_CHARACTER_ERR ((nsresult)0x80530005L)
#define NS_ERROR_DOM_NOT_FOUND_ERR ((nsresult)0x80530008L)
#define NS_ERROR_DOM_NOT_SUPPORTED_ERR ((nsresult)0x80530009L)
#define NS_ERROR_DOM_NAMESPACE_ERR ((nsresult)0x8053000EL)
