// NSPR atomic operations on 32-bit counts (pratom.h). Each is a full barrier.
#pragma once

#include "prtypes.h"

PR_BEGIN_EXTERN_C
// The new value.
__attribute__((visibility("default"))) PRInt32 PR_AtomicIncrement(PRInt32* val);
__attribute__((visibility("default"))) PRInt32 PR_AtomicDecrement(PRInt32* val);
__attribute__((visibility("default"))) PRInt32 PR_AtomicAdd(PRInt32* ptr, PRInt32 val);
// The old value.
__attribute__((visibility("default"))) PRInt32 PR_AtomicSet(PRInt32* val, PRInt32 newval);
PR_END_EXTERN_C
