// Test-bed surfaces of the XPCOM stand-in: where the UI thread, the components folder
// and the profile folder come from. C++ for the stand-ins, tests and the demo.
#pragma once

#include <functional>
#include <string>

#include "nscore.h"

namespace xpcom::testbed {

// Makes the calling thread the UI thread: GetSpecialEventQueue(UI_THREAD_EVENT_QUEUE)
// answers its queue from now on (until then, the thread that started XPCOM is the UI
// thread). Calls carried into the UI thread run when it processes its queue, calls
// servePendingCalls, or waits for a proxied call of its own. `wake`, when given, is
// called on the carrying thread after each call is queued, so that a UI thread waiting
// in a loop of its own can come round and call servePendingCalls.
NS_COM nsresult registerUIThread(std::function<void()> wake = {});
// Forgets the registered UI thread (if it is the calling thread); the thread that
// started XPCOM is the UI thread again.
NS_COM void unregisterUIThread();
// Runs every call already carried into the calling thread; returns how many ran.
NS_COM int servePendingCalls();
// Waits up to `milliseconds` (scaled by PLATFORM_TIME_SCALE) for calls carried into
// the calling thread and runs them; returns how many ran.
NS_COM int waitForPendingCalls(PRUint32 milliseconds);

// NS_InitXPCOM2 with explicit folders: every library in `componentsFolder` is loaded;
// category entries persist in `profileFolder` (file "compreg.dat"). An empty folder
// name means none (no components / nothing persisted).
NS_COM nsresult startXPCOM(const std::string& componentsFolder, const std::string& profileFolder);
// The same, and `beforeComponents` runs once XPCOM's own services are registered and
// before the components folder is loaded: what it registers (a browser's own services,
// such as the document loader and the window mediator) is there when the start-up
// components are created, as in Mozilla, whose own services come before any component.
NS_COM nsresult startXPCOM(const std::string& componentsFolder, const std::string& profileFolder,
                           const std::function<void()>& beforeComponents);
// NS_ShutdownXPCOM.
NS_COM nsresult shutdownXPCOM();
// The persisted-category file of the current profile, or "" when none.
NS_COM std::string categoryFile();

}  // namespace xpcom::testbed
