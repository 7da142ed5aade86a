// NSPR threads (prthread.h): the enumerations, PR_Sleep and the calling thread's handle.
#pragma once

#include "prinrval.h"
#include "prtypes.h"

typedef struct PRThread PRThread;

typedef enum PRThreadType { PR_USER_THREAD, PR_SYSTEM_THREAD } PRThreadType;
typedef enum PRThreadScope { PR_LOCAL_THREAD, PR_GLOBAL_THREAD, PR_GLOBAL_BOUND_THREAD } PRThreadScope;
typedef enum PRThreadState { PR_JOINABLE_THREAD, PR_UNJOINABLE_THREAD } PRThreadState;
typedef enum PRThreadPriority {
  PR_PRIORITY_FIRST = 0,
  PR_PRIORITY_LOW = 0,
  PR_PRIORITY_NORMAL = 1,
  PR_PRIORITY_HIGH = 2,
  PR_PRIORITY_URGENT = 3,
  PR_PRIORITY_LAST = 3
} PRThreadPriority;

PR_BEGIN_EXTERN_C
// Sleeps the interval times the platform time scale. PR_INTERVAL_NO_WAIT yields.
__attribute__((visibility("default"))) PRStatus PR_Sleep(PRIntervalTime ticks);
// The calling thread's handle (one per thread, for the life of the thread).
__attribute__((visibility("default"))) PRThread* PR_GetCurrentThread(void);
PR_END_EXTERN_C
