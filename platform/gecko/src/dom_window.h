// Browser windows and frames as Gecko's DOM windows: one wrapper per engine window,
// answering nsIDOMWindowInternal (with nsIDOMWindow2 and nsIDOMWindow) and
// nsIDOMAbstractView. Every method carries its body to the browser thread.
#pragma once

#include <memory>

#include "nsCOMPtr.h"
#include "nsIDOMWindow.h"

namespace engine {
class Window;
}

namespace gecko {

class DomSession;

// Browser thread only. The wrapper of `window` (the same object while it lives), as a
// new reference, or null for no window.
nsCOMPtr<nsIDOMWindow> wrapWindow(DomSession& session, const std::shared_ptr<engine::Window>& window);

// The engine window behind one of our DOM windows, or null for another object.
std::shared_ptr<engine::Window> engineWindowOf(nsISupports* window);

}  // namespace gecko
