#include "dom_node_list.h"

#include "dom_node.h"
#include "engine/node.h"
#include "text_conversion.h"

#include <limits>

namespace gecko {

std::vector<std::shared_ptr<engine::Node>> asNodes(const std::vector<std::shared_ptr<engine::Element>>& elements) {
  return {elements.begin(), elements.end()};
}

nsresult DomNodeList::create(std::shared_ptr<DomSession> session, NodeSource source, nsIDOMNodeList** out) {
  *out = new DomNodeList(std::move(session), std::move(source));
  return NS_OK;
}

nsresult DomNodeList::create(std::shared_ptr<DomSession> session, NodeSource source, nsIDOMHTMLCollection** out) {
  *out = new DomNodeList(std::move(session), std::move(source));
  return NS_OK;
}

void* DomNodeList::queryInterface(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsIDOMNodeList))) {
    return static_cast<nsIDOMNodeList*>(this);
  }
  if (iid.Equals(NS_GET_IID(nsIDOMHTMLCollection))) return static_cast<nsIDOMHTMLCollection*>(this);
  return nullptr;
}

// Past the end gives null and success, as Gecko's item() does.
NS_IMETHODIMP DomNodeList::Item(PRUint32 index, nsIDOMNode** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult {
    auto nodes = source_();
    return wrapAs(session(), index < nodes.size() ? nodes[index] : nullptr, _retval);
  });
}

NS_IMETHODIMP DomNodeList::GetLength(PRUint32* aLength) {
  if (!aLength) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult {
    const std::size_t size = source_().size();
    if (size > std::numeric_limits<PRUint32>::max()) return NS_ERROR_FAILURE;
    *aLength = static_cast<PRUint32>(size);
    return NS_OK;
  });
}

NS_IMETHODIMP DomNodeList::NamedItem(const nsAString& name, nsIDOMNode** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  const std::string key = toUtf8(name);
  if (key.empty()) {
    *_retval = nullptr;
    return NS_OK;
  }
  return session().carry([&]() -> nsresult {
    auto nodes = source_();
    std::shared_ptr<engine::Node> byName;
    for (const auto& node : nodes) {
      if (node->nodeType() != engine::NodeType::Element) continue;
      const auto& element = static_cast<const engine::Element&>(*node);
      if (element.id() == key) return wrapAs(session(), node, _retval);
      if (!byName && element.name() == key) byName = node;
    }
    return wrapAs(session(), byName, _retval);
  });
}

}  // namespace gecko
