// A live list of nodes: nsIDOMNodeList (childNodes, getElementsByTagName) and
// nsIDOMHTMLCollection (document.links, document.images ...). The source is asked again
// on each read, on the browser thread, so the list follows the page as Gecko's do.
#pragma once

#include "dom_object.h"
#include "nsIDOMHTMLCollection.h"
#include "nsIDOMNodeList.h"

#include <functional>
#include <memory>
#include <vector>

namespace engine {
class Element;
class Node;
}  // namespace engine

namespace gecko {

using NodeSource = std::function<std::vector<std::shared_ptr<engine::Node>>()>;

std::vector<std::shared_ptr<engine::Node>> asNodes(const std::vector<std::shared_ptr<engine::Element>>& elements);

class DomNodeList final : public nsIDOMNodeList, public nsIDOMHTMLCollection, public DomObject {
 public:
  static nsresult create(std::shared_ptr<DomSession> session, NodeSource source, nsIDOMNodeList** out);
  static nsresult create(std::shared_ptr<DomSession> session, NodeSource source, nsIDOMHTMLCollection** out);

  GECKO_DOM_ISUPPORTS

  // One implementation serves both interfaces' members of the same name.
  NS_IMETHOD Item(PRUint32 index, nsIDOMNode** _retval) override;
  NS_IMETHOD GetLength(PRUint32* aLength) override;
  // The first element whose id, or else whose name, is `name`.
  NS_IMETHOD NamedItem(const nsAString& name, nsIDOMNode** _retval) override;

  nsISupports* canonical() override { return static_cast<nsIDOMNodeList*>(this); }

 private:
  DomNodeList(std::shared_ptr<DomSession> session, NodeSource source)
      : DomObject(std::move(session)), source_(std::move(source)) {}
  void* queryInterface(const nsIID& iid) override;

  const NodeSource source_;
};

}  // namespace gecko
