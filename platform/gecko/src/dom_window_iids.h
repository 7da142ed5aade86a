// The IIDs of the DOM window interfaces that the shells hand out through GetInterface,
// for the parts of the shells that are built without the window's own headers.
#pragma once

#include "nsID.h"

namespace gecko::iids {

// nsIDOMWindow, nsIDOMWindow2 and nsIDOMWindowInternal (Gecko 1.7).
inline constexpr nsIID kDOMWindow = {0xa6cf906b, 0x15b3, 0x11d2, {0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32}};
inline constexpr nsIID kDOMWindow2 = {0x65455132, 0xb96a, 0x40ec, {0xad, 0xea, 0x52, 0xfa, 0x22, 0xb1, 0x02, 0x8c}};
inline constexpr nsIID kDOMWindowInternal = {
    0xf914492c, 0x0138, 0x4123, {0xa6, 0x34, 0x6e, 0xf8, 0xe3, 0xf1, 0x26, 0xf8}};

inline bool isDOMWindow(const nsIID& iid) {
  return iid.Equals(kDOMWindow) || iid.Equals(kDOMWindow2) || iid.Equals(kDOMWindowInternal);
}

}  // namespace gecko::iids
