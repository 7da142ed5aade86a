#include "event_forwarder.h"

#include "browser_event_args.h"
#include "event_dispids.h"
#include "html_event_object.h"

namespace mshtml {

void EventForwarder::start() {
  if (!listeners_.empty()) return;
  for (const EventDispid& entry : eventsOf(events_)) {
    const DISPID member = entry.dispid;
    listeners_.push_back(target_.addEventListener(std::string(entry.type),
                                                  [this, member](engine::Event& event) { deliver(event, member); }));
  }
}

void EventForwarder::stop() {
  for (const engine::ListenerId id : listeners_) target_.removeEventListener(id);
  listeners_.clear();
}

void EventForwarder::deliver(engine::Event& event, DISPID member) {
  HtmlEventObject* eventObject = HtmlEventObject::create(event, objects_);
  {
    EventArgs<1> args;
    args.setDispatch(0, static_cast<IHTMLEventObj*>(eventObject));
    points_.fire(events_, member, args.params());
  }
  eventObject->detach();
  eventObject->Release();
}

}  // namespace mshtml
