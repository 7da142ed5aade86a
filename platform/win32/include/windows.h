// The Windows API subset of this platform stand-in.
#pragma once
// The SDK's name for "windows.h has been included": the headers below, and those that
// on Windows need it first, check it.
#define _WINDOWS_

#include "windef.h"
#include "winbase.h"
#include "winerror.h"
#include "winnls.h"
#include "winreg.h"
#include "winuser.h"
