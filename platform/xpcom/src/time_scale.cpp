#include "time_scale.h"

// The one platform time scale of the stand-ins is the Win32 stand-in's: Mozilla runs on
// the same platform, and a test that sets PLATFORM_TIME_SCALE shortens both alike.
#include <windows.h>

#include "platform_internal/time_scale.h"

namespace xpcom::internal {
double timeScale() { return win32::internal::timeScale(); }

PRUint32 scaledMilliseconds(PRUint32 milliseconds) { return win32::internal::scaledMilliseconds(milliseconds); }
}  // namespace xpcom::internal
