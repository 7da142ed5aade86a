// nsISupports with the implementation and reference macros (Gecko 1.7 nsISupports.h).
#pragma once

#include "nsISupportsBase.h"
#include "nsISupportsImpl.h"
#include "nsISupportsUtils.h"
