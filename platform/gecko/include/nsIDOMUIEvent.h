// nsIDOMUIEvent (Gecko 1.7 dom/public/idl/events/nsIDOMUIEvent.idl).
#pragma once

#include "nsIDOMEvent.h"

#define NS_IDOMUIEVENT_IID \
  { 0xa6cf90c3, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMUIEvent : public nsIDOMEvent {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMUIEVENT_IID)
  NS_IMETHOD GetView(nsIDOMAbstractView** aView) = 0;
  NS_IMETHOD GetDetail(PRInt32* aDetail) = 0;
  NS_IMETHOD InitUIEvent(const nsAString& typeArg, PRBool canBubbleArg, PRBool cancelableArg,
                         nsIDOMAbstractView* viewArg, PRInt32 detailArg) = 0;

 protected:
  ~nsIDOMUIEvent() = default;
};
