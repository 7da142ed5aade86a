// Test-bed control of module loading: a machine on which a library is not installed.
#pragma once

#include <string>

#include "../winnt.h"

namespace testbed::modules {

// LoadLibrary of `name` ("Tapwire.dll"; case is ignored, as Windows file names) fails
// with ERROR_MOD_NOT_FOUND, as if no such file were on the search path, until
// `restoreAll`. Modules already loaded stay loaded.
DECLSPEC_EXPORT void hide(const std::string& name);
DECLSPEC_EXPORT void restoreAll();

}  // namespace testbed::modules
