// The network module's result codes that the shell interfaces return (Gecko 1.7
// netwerk/base/public/nsNetError.h).
#pragma once

#include "nsError.h"

// A load was stopped before it completed.
#define NS_BINDING_ABORTED ((nsresult)0x804B0002L)
// A text that is not a URI where one was needed.
#define NS_ERROR_MALFORMED_URI ((nsresult)0x804B000AL)
