#include "shell_window_access.h"

namespace gecko {

// The DOM window wrappers are not part of this library yet.
nsresult domWindowFor(DomSession&, const std::shared_ptr<engine::Window>&, const nsIID&, void** result) {
  *result = nullptr;
  return NS_NOINTERFACE;
}

}  // namespace gecko
