// The process's component manager (also the service manager and registrar).
#pragma once

#include "nsID.h"
#include "registrar.h"

namespace xpcom::internal {
nsresult createComponentManager();
// Releases every service and factory.
void destroyComponentManager();
// The manager answering `iid`, or NS_ERROR_NOT_INITIALIZED before start / after shutdown.
nsresult getComponentManager(const nsIID& iid, void** result);
}  // namespace xpcom::internal
