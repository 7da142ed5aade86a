// A text or comment node: nsIDOMNode with nsIDOM3Node over an engine text node.
#pragma once

#include "dom_node.h"

namespace gecko {

class DomCharacterData final : public NodeImpl<nsIDOMNode> {
 public:
  DomCharacterData(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Node> node)
      : NodeImpl(std::move(session), std::move(node)) {}

  GECKO_DOM_ISUPPORTS

 private:
  void* queryInterface(const nsIID& iid) override { return nodeInterface(iid); }
};

}  // namespace gecko
