// The platform time scale (PLATFORM_TIME_SCALE, a positive decimal factor, default 1):
// every sleep and timed wait of this library lasts scale x the asked time.
#pragma once

#include "prtypes.h"

namespace xpcom::internal {
double timeScale();
// Real milliseconds for `milliseconds` of platform time (at least 1 when not 0;
// 0xffffffff stays "no limit").
PRUint32 scaledMilliseconds(PRUint32 milliseconds);
}  // namespace xpcom::internal
