// The DOM window interfaces that the shells hand out through GetInterface.
#pragma once

#include "nsIDOMWindowInternal.h"

namespace gecko::iids {

inline const nsIID& kDOMWindow = NS_GET_IID(nsIDOMWindow);
inline const nsIID& kDOMWindowInternal = NS_GET_IID(nsIDOMWindowInternal);

inline bool isDOMWindow(const nsIID& iid) {
  return iid.Equals(NS_GET_IID(nsIDOMWindow)) || iid.Equals(NS_GET_IID(nsIDOMWindow2)) ||
         iid.Equals(NS_GET_IID(nsIDOMWindowInternal));
}

}  // namespace gecko::iids
