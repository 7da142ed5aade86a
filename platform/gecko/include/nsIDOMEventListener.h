// nsIDOMEventListener (Gecko 1.7 dom/public/idl/events/nsIDOMEventListener.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMEVENTLISTENER_IID \
  { 0xdf31c120, 0xded6, 0x11d1, { 0xbd, 0x85, 0x00, 0x80, 0x5f, 0x8a, 0xe3, 0xf4 } }

class NS_NO_VTABLE nsIDOMEventListener : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMEVENTLISTENER_IID)
  NS_IMETHOD HandleEvent(nsIDOMEvent* event) = 0;

 protected:
  ~nsIDOMEventListener() = default;
};
