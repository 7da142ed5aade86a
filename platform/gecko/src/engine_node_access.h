// A private interface of this library's node objects: the engine node (or attribute)
// behind a DOM node, so that a node handed back by a caller (isSameNode, appendChild)
// is recognised. Not an XPCOM interface: nothing outside this library asks for it.
#pragma once

#include "nsISupports.h"

#include <memory>

namespace engine {
class Node;
}

namespace gecko {

class DomSession;

#define GECKO_ENGINE_NODE_ACCESS_IID \
  { 0x7c1e5a2d, 0x4b09, 0x4f6e, { 0x9a, 0x31, 0x5d, 0x2e, 0x80, 0x1b, 0x6c, 0x44 } }

class EngineNodeAccess : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(GECKO_ENGINE_NODE_ACCESS_IID)
  // The engine node (null for an attribute). Immutable, so any thread may ask.
  virtual std::shared_ptr<engine::Node> engineNode() const = 0;
  // Equal for two DOM objects that stand for the same node.
  virtual const void* identity() const = 0;
  // The session (browser instance) whose thread owns the node.
  virtual DomSession* ownerSession() const = 0;

 protected:
  ~EngineNodeAccess() = default;
};

// The engine node behind `node`, or null when it is not one of ours (a foreign object
// or another thread's proxy).
std::shared_ptr<engine::Node> engineNodeOf(nsISupports* node);
const void* identityOf(nsISupports* node);
// The session of one of our nodes, or null.
DomSession* sessionOf(nsISupports* node);
// The engine node behind `node` when it belongs to `session`; null for a node of
// another browser (another thread's), a foreign object or an attribute.
std::shared_ptr<engine::Node> engineNodeIn(const DomSession& session, nsISupports* node);

}  // namespace gecko
