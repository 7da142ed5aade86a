// NSPR environment access (prenv.h).
#pragma once

#include "prtypes.h"

PR_BEGIN_EXTERN_C
// The variable's value, or null when unset. The text belongs to the environment.
__attribute__((visibility("default"))) char* PR_GetEnv(const char* var);
__attribute__((visibility("default"))) PRStatus PR_SetEnv(const char* string);
PR_END_EXTERN_C
