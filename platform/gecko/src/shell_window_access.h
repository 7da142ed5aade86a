// Between the shells and the DOM window wrappers: the DOM window of an engine window,
// as the docshell's GetInterface hands it out. Browser thread only.
#pragma once

#include <memory>

#include "dom_session.h"

namespace engine {
class Window;
}

namespace gecko {

class Shells;

// The DOM window of `window` answering `iid` (nsIDOMWindow, nsIDOMWindow2 or
// nsIDOMWindowInternal), addrefed in *result.
nsresult domWindowFor(DomSession& session, const std::shared_ptr<engine::Window>& window, const nsIID& iid,
                      void** result);

// The other way: the docshell showing `window` answering `iid` (nsIDocShell,
// nsIWebNavigation, nsIBaseWindow ...), for a DOM window's GetInterface: the content
// docshell of a page's window or frame, the chrome docshell of a chrome view or a
// dialog's window. NS_NOINTERFACE when the browser of `session` has no shells.
nsresult docShellFor(DomSession& session, const std::shared_ptr<engine::Window>& window, const nsIID& iid,
                     void** result);
// The content window of a browser window's chrome view (the chrome DOM window's one
// frame and its content), or null for any other window.
std::shared_ptr<engine::Window> contentOfChrome(const DomSession& session, const engine::Window& window);
// The shells of the browser of `session` (null: forget them).
void registerShells(const DomSession& session, const std::shared_ptr<Shells>& shells);

}  // namespace gecko
