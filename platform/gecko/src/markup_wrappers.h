// The wrappers of XML nodes, for the session's wrapper table: an XML document, a XUL
// element, an element of a parsed document. HTML nodes, and XML elements in the XHTML
// namespace (HTML elements), are left to the HTML wrappers.
#pragma once

#include <memory>

#include "nsIDOMNode.h"

namespace engine {
class Node;
}

namespace gecko {

class DomObject;
class DomSession;

// Browser thread. Sets `object` and `node` to a new wrapper (one reference) when the
// node is one of those; leaves them null otherwise.
void makeMarkupWrapper(const std::shared_ptr<DomSession>& session, const std::shared_ptr<engine::Node>& node,
                       DomObject*& object, nsIDOMNode*& created);

}  // namespace gecko
