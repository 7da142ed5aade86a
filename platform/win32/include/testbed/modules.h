// Test-bed control of module loading: a machine on which a library is not installed,
// or is another build of it.
#pragma once

#include <string>

#include "../winnt.h"

namespace testbed::modules {

// LoadLibrary of `name` ("Tapwire.dll"; case is ignored, as Windows file names) fails
// with ERROR_MOD_NOT_FOUND, as if no such file were on the search path, until
// `restoreAll`. Modules already loaded stay loaded.
DECLSPEC_EXPORT void hide(const std::string& name);
// LoadLibrary of `name` loads the library `replacement` instead (another build of a
// library on the machine), until `restoreAll`.
DECLSPEC_EXPORT void substitute(const std::string& name, const std::string& replacement);
DECLSPEC_EXPORT void restoreAll();

}  // namespace testbed::modules
