// NSPR intervals (prinrval.h). One tick is 10 microseconds (100,000 a second, the
// highest rate NSPR allows). Conversions are exact for whole milliseconds and round a
// microsecond count to the nearest tick. The platform time scale (PLATFORM_TIME_SCALE)
// applies once, where time passes: PR_Sleep sleeps scale x the interval and
// PR_IntervalNow runs 1/scale as fast as the real clock, so code that sleeps and
// measures with NSPR sees consistent times.
#pragma once

#include "prtypes.h"

typedef PRUint32 PRIntervalTime;

#define PR_INTERVAL_MIN 1000UL
#define PR_INTERVAL_MAX 100000UL
#define PR_INTERVAL_NO_WAIT 0UL
#define PR_INTERVAL_NO_TIMEOUT 0xffffffffUL

PR_BEGIN_EXTERN_C
__attribute__((visibility("default"))) PRIntervalTime PR_IntervalNow(void);
__attribute__((visibility("default"))) PRUint32 PR_TicksPerSecond(void);
__attribute__((visibility("default"))) PRIntervalTime PR_SecondsToInterval(PRUint32 seconds);
__attribute__((visibility("default"))) PRIntervalTime PR_MillisecondsToInterval(PRUint32 milli);
__attribute__((visibility("default"))) PRIntervalTime PR_MicrosecondsToInterval(PRUint32 micro);
__attribute__((visibility("default"))) PRUint32 PR_IntervalToSeconds(PRIntervalTime ticks);
__attribute__((visibility("default"))) PRUint32 PR_IntervalToMilliseconds(PRIntervalTime ticks);
__attribute__((visibility("default"))) PRUint32 PR_IntervalToMicroseconds(PRIntervalTime ticks);
PR_END_EXTERN_C
