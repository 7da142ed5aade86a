// Delivers the engine's DOM events of one target (a document, a field) to the sinks of
// one MSHTML event interface, each with an IHTMLEventObj, while sinks are connected.
#pragma once

#include "connection_points.h"

#include <engine/event.h>

#include <memory>
#include <vector>

namespace mshtml {

class PageObjects;

class EventForwarder {
 public:
  // Browser thread only. `target` and `points` must outlive the forwarder.
  EventForwarder(engine::EventTarget& target, const IID& events, ConnectionPoints& points,
                 std::shared_ptr<PageObjects> objects)
      : target_(target), events_(events), points_(points), objects_(std::move(objects)) {}
  ~EventForwarder() { stop(); }
  EventForwarder(const EventForwarder&) = delete;
  EventForwarder& operator=(const EventForwarder&) = delete;

  // Browser thread only.
  void start();
  void stop();

 private:
  void deliver(engine::Event& event, DISPID member);

  engine::EventTarget& target_;
  const IID& events_;
  ConnectionPoints& points_;
  const std::shared_ptr<PageObjects> objects_;
  std::vector<engine::ListenerId> listeners_;
};

}  // namespace mshtml
