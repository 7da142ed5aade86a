#include "dom_named_node_map.h"

#include "dom_attribute.h"
#include "engine/node.h"
#include "nsDOMError.h"
#include "text_conversion.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace gecko {

nsresult DomNamedNodeMap::create(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element,
                                 nsIDOMNamedNodeMap** out) {
  *out = new DomNamedNodeMap(std::move(session), std::move(element));
  return NS_OK;
}

void* DomNamedNodeMap::queryInterface(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsIDOMNamedNodeMap))) {
    return static_cast<nsIDOMNamedNodeMap*>(this);
  }
  return nullptr;
}

// Names compare without case, as attribute names of HTML elements do.
NS_IMETHODIMP DomNamedNodeMap::GetNamedItem(const nsAString& name, nsIDOMNode** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  const std::string key = toUtf8(name);
  return session().carry([&]() -> nsresult {
    for (const auto& [attribute, value] : element_->attributes()) {
      if (attribute.size() == key.size() &&
          std::equal(attribute.begin(), attribute.end(), key.begin(), [](unsigned char a, unsigned char b) {
            return std::tolower(a) == std::tolower(b);
          })) {
        return DomAttribute::create(sharedSession(), element_, attribute, _retval);
      }
    }
    return NS_OK;
  });
}

// The removed attribute keeps its name; its value is gone with it from the element.
NS_IMETHODIMP DomNamedNodeMap::RemoveNamedItem(const nsAString& name, nsIDOMNode** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  nsresult rv = GetNamedItem(name, _retval);
  if (NS_FAILED(rv)) return rv;
  if (!*_retval) return NS_ERROR_DOM_NOT_FOUND_ERR;
  const std::string key = toUtf8(name);
  return session().carry([&]() -> nsresult {
    element_->removeAttribute(key);
    return NS_OK;
  });
}

NS_IMETHODIMP DomNamedNodeMap::Item(PRUint32 index, nsIDOMNode** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  return session().carry([&]() -> nsresult {
    const auto& attributes = element_->attributes();
    if (index >= attributes.size()) return NS_OK;
    return DomAttribute::create(sharedSession(), element_, attributes[index].first, _retval);
  });
}

NS_IMETHODIMP DomNamedNodeMap::GetLength(PRUint32* aLength) {
  if (!aLength) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult {
    const std::size_t size = element_->attributes().size();
    if (size > std::numeric_limits<PRUint32>::max()) return NS_ERROR_FAILURE;
    *aLength = static_cast<PRUint32>(size);
    return NS_OK;
  });
}

// Adding attribute nodes and namespaced attributes are not modelled yet (README).
NS_IMETHODIMP DomNamedNodeMap::SetNamedItem(nsIDOMNode*, nsIDOMNode** _retval) {
  if (_retval) *_retval = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP DomNamedNodeMap::GetNamedItemNS(const nsAString&, const nsAString&, nsIDOMNode** _retval) {
  if (_retval) *_retval = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP DomNamedNodeMap::SetNamedItemNS(nsIDOMNode*, nsIDOMNode** _retval) {
  if (_retval) *_retval = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP DomNamedNodeMap::RemoveNamedItemNS(const nsAString&, const nsAString&, nsIDOMNode** _retval) {
  if (_retval) *_retval = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}

}  // namespace gecko
