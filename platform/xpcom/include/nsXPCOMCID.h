// Contract IDs of XPCOM's own services (Gecko 1.7 nsXPCOMCID.h).
#pragma once

#define NS_CATEGORYMANAGER_CONTRACTID "@mozilla.org/categorymanager;1"
