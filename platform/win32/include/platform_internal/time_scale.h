// The platform's time scale (PLATFORM_TIME_SCALE): every Sleep and timed wait of the
// stand-ins goes through scaledMilliseconds, so tests can shorten long waits.
#pragma once

#include <windef.h>

namespace win32::internal {
// The factor from PLATFORM_TIME_SCALE (a positive decimal, default 1), read once.
DECLSPEC_EXPORT double timeScale();
// `ms` scaled: INFINITE stays INFINITE, 0 stays 0, a non-zero wait never becomes 0.
DECLSPEC_EXPORT DWORD scaledMilliseconds(DWORD ms);
}  // namespace win32::internal
