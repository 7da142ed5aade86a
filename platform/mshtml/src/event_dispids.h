// Which DISPID of an MSHTML event interface an engine event ("click", "propertychange"
// ...) is delivered as. The field interfaces inherit the element events
// (HTMLElementEvents2) and add their own (change, select ...).
#pragma once

#include <oaidl.h>

#include <optional>
#include <span>
#include <string_view>

namespace mshtml {

struct EventDispid {
  std::string_view type;  // the engine's event type
  DISPID dispid;
};

// The events of `events` (one of the four DIID_...Events2 this library offers).
std::span<const EventDispid> eventsOf(const IID& events);
std::optional<DISPID> dispidOf(const IID& events, std::string_view type);

}  // namespace mshtml
