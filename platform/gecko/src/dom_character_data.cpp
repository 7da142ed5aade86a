#include "dom_character_data.h"

#include "engine/document.h"
#include "engine/node.h"

namespace gecko::text_ops {

nsString data(const engine::Node& node) {
  nsString value;
  assignUtf8(value, static_cast<const engine::TextNode&>(node).data());
  return value;
}

void setData(engine::Node& node, const nsAString& data) {
  static_cast<engine::TextNode&>(node).setData(toUtf8(data));
}

nsresult replace(engine::Node& node, PRUint32 offset, PRUint32 count, const nsAString& text) {
  nsString value = data(node);
  if (offset > value.Length()) return NS_ERROR_DOM_INDEX_SIZE_ERR;
  const PRUint32 available = value.Length() - offset;
  nsString result(Substring(value, 0, offset));
  result.Append(text);
  const PRUint32 rest = offset + (count < available ? count : available);
  result.Append(Substring(value, rest, value.Length() - rest));
  setData(node, result);
  return NS_OK;
}

nsresult split(engine::Node& node, PRUint32 offset, std::shared_ptr<engine::Node>& tail) {
  nsString value = data(node);
  if (offset > value.Length()) return NS_ERROR_DOM_INDEX_SIZE_ERR;
  auto made = std::make_shared<engine::TextNode>(toUtf8(Substring(value, offset, value.Length() - offset)));
  setData(node, Substring(value, 0, offset));
  if (auto parent = node.parentNode()) {
    parent->insertBefore(made, node.nextSibling());
  } else if (auto document = node.ownerDocument()) {
    document->adopt(made);
  }
  tail = made;
  return NS_OK;
}

}  // namespace gecko::text_ops
