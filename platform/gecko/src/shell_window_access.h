// Between the shells and the DOM window wrappers: the DOM window of an engine window,
// as the docshell's GetInterface hands it out. Browser thread only.
#pragma once

#include <memory>

#include "dom_session.h"

namespace engine {
class Window;
}

namespace gecko {

// The DOM window of `window` answering `iid` (nsIDOMWindow, nsIDOMWindow2 or
// nsIDOMWindowInternal), addrefed in *result.
nsresult domWindowFor(DomSession& session, const std::shared_ptr<engine::Window>& window, const nsIID& iid,
                      void** result);

}  // namespace gecko
