// nsIDOMDocumentEvent (Gecko 1.7 dom/public/idl/events/nsIDOMDocumentEvent.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMDOCUMENTEVENT_IID \
  { 0x46b91d66, 0x28e2, 0x11d4, { 0xab, 0x1e, 0x00, 0x10, 0x83, 0x01, 0x23, 0xb4 } }

class NS_NO_VTABLE nsIDOMDocumentEvent : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMDOCUMENTEVENT_IID)
  NS_IMETHOD CreateEvent(const nsAString& eventType, nsIDOMEvent** _retval) = 0;

 protected:
  ~nsIDOMDocumentEvent() = default;
};
