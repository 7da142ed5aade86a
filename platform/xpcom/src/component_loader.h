// Loads the component libraries of a folder.
#pragma once

#include <string>

#include "nsIComponentManager.h"

namespace xpcom::internal {
// Opens every shared library ("*.so") of `folder` in name order, asks its NSGetModule
// for the module and has the module register itself with `manager`. A library that
// cannot be opened, has no NSGetModule or fails to register is reported on standard
// error and skipped. Libraries are never closed. Returns how many registered.
int loadComponents(const std::string& folder, nsIComponentManager* manager);
// Releases the modules kept since loading.
void releaseModules();
}  // namespace xpcom::internal
