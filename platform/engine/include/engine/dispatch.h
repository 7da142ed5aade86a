// Sends a DOM event through the tree: capture from the window down to the target,
// then bubbling back up, stopping where a listener says so.
#pragma once

#include <memory>

#include "engine/event.h"

namespace engine {

class Document;
class Element;
class Window;

// Returns false when a listener or handler cancelled the default action.
bool dispatchEvent(const std::shared_ptr<Element>& target, Event& event);
// An event aimed at a document: capture at its window, the document, bubbling back to
// the window. The event's target stays empty (it is no element).
bool dispatchDocumentEvent(Document& document, Event& event);
// An event of the window itself (load, unload): no capture path, no bubbling.
bool dispatchWindowEvent(Window& window, Event& event);

}  // namespace engine
