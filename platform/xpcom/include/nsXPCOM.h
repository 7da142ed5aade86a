// Starting and ending XPCOM (Gecko 1.7 nsXPCOM.h).
//
// NS_InitXPCOM2 sets up the component, service and category managers, reads the
// persisted category entries of the profile folder, loads every component library of
// the components folder (calling each module's RegisterSelf, whose hooks may write
// category entries), and then, as Mozilla does, gets every entry of the category
// "xpcom-startup" as a service by its contract ID and sends it Observe with the topic
// "xpcom-startup". The folders come from PLATFORM_XPCOM_COMPONENTS and
// PLATFORM_XPCOM_PROFILE, or from xpcom::testbed::startXPCOM (testbed/xpcom.h);
// binDirectory and appFileLocationProvider are not used (nsIFile is not modelled).
// The thread that starts XPCOM is the UI thread unless another one registers itself
// as such (testbed/xpcom.h).
#pragma once

#include "nsIComponentManager.h"
#include "nsIFile.h"
#include "nsIServiceManager.h"

class nsIDirectoryServiceProvider;

#define NS_XPCOM_STARTUP_CATEGORY "xpcom-startup"
#define NS_XPCOM_STARTUP_OBSERVER_ID "xpcom-startup"
#define NS_XPCOM_SHUTDOWN_OBSERVER_ID "xpcom-shutdown"

extern "C" NS_COM nsresult NS_InitXPCOM2(nsIServiceManager** result, nsIFile* binDirectory,
                                         nsIDirectoryServiceProvider* appFileLocationProvider);
// Releases the services and factories. Component libraries stay loaded (threads they
// started may still run their code).
extern "C" NS_COM nsresult NS_ShutdownXPCOM(nsIServiceManager* servMgr);
extern "C" NS_COM nsresult NS_GetServiceManager(nsIServiceManager** result);
extern "C" NS_COM nsresult NS_GetComponentManager(nsIComponentManager** result);
