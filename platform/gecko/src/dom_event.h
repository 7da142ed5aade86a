// DOM events as Gecko gives them: one object (as Gecko 1.7's nsDOMEvent) answering
// nsIDOMEvent, nsIDOMUIEvent, nsIDOMMouseEvent, nsIDOMKeyEvent, nsIDOMNSEvent and
// nsIDOMNSUIEvent, for the events the engine fires (the user's clicks, keys, changes)
// and for events made with nsIDOMDocumentEvent::CreateEvent; and the event-target
// members that nodes and windows share.
#pragma once

#include <memory>
#include <string>

#include "nsCOMPtr.h"
#include "nsIDOMEvent.h"
#include "nsIDOMEventListener.h"
#include "nsIDOMEventTarget.h"

namespace engine {
struct Event;
class EventTarget;
class Node;
class Window;
}  // namespace engine

namespace gecko {

class DomSession;

// A new event of the module ("Events", "HTMLEvents", "UIEvents", "MouseEvents",
// "KeyEvents"; case and a missing final "s" do not matter), not yet initialised.
// NS_ERROR_DOM_NOT_SUPPORTED_ERR for another module.
nsresult createEvent(const std::shared_ptr<DomSession>& session, const std::string& module, nsIDOMEvent** out);

// Browser thread only. The DOM event for an engine event in flight: the same object for
// every listener of one dispatch, which keeps what it read once the dispatch is over.
nsCOMPtr<nsIDOMEvent> eventFor(const std::shared_ptr<DomSession>& session, engine::Event& event);

// nsIDOMEventTarget's members over an engine target, carried to the browser thread.
// Listeners run on the browser thread; one listener is registered once per type and
// phase, as Gecko does.
nsresult addEventListener(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Node>& target,
                          const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture);
nsresult addEventListener(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Window>& target,
                          const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture);
nsresult removeEventListener(DomSession& session, const std::shared_ptr<engine::Node>& target, const nsAString& type,
                             nsIDOMEventListener* listener, PRBool useCapture);
nsresult removeEventListener(DomSession& session, const std::shared_ptr<engine::Window>& target, const nsAString& type,
                             nsIDOMEventListener* listener, PRBool useCapture);
// Sends one of our events through the page from `node` (an element or a document) or
// `window`, with the engine's default action for an element; `*_retval` is false when
// a listener prevented the default.
nsresult dispatchEvent(DomSession& session, const std::shared_ptr<engine::Node>& node, nsIDOMEvent* event,
                       PRBool* _retval);
nsresult dispatchEvent(DomSession& session, const std::shared_ptr<engine::Window>& window, nsIDOMEvent* event,
                       PRBool* _retval);

}  // namespace gecko
