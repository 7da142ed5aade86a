// nsIDOMEventTarget (Gecko 1.7 dom/public/idl/events/nsIDOMEventTarget.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMEVENTTARGET_IID \
  { 0x1c773b30, 0xd1cf, 0x11d2, { 0xbd, 0x95, 0x00, 0x80, 0x5f, 0x8a, 0xe3, 0xf4 } }

class NS_NO_VTABLE nsIDOMEventTarget : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMEVENTTARGET_IID)
  NS_IMETHOD AddEventListener(const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture) = 0;
  NS_IMETHOD RemoveEventListener(const nsAString& type, nsIDOMEventListener* listener, PRBool useCapture) = 0;
  NS_IMETHOD DispatchEvent(nsIDOMEvent* evt, PRBool* _retval) = 0;

 protected:
  ~nsIDOMEventTarget() = default;
};
