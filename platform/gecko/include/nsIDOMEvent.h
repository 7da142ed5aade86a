// nsIDOMEvent (Gecko 1.7 dom/public/idl/events/nsIDOMEvent.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMEVENT_IID \
  { 0xa66b7b80, 0xff46, 0xbd97, { 0x00, 0x80, 0x5f, 0x8a, 0xe3, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMEvent : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMEVENT_IID)

  enum {
    CAPTURING_PHASE = 1U,
    AT_TARGET = 2U,
    BUBBLING_PHASE = 3U,
  };

  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD GetTarget(nsIDOMEventTarget** aTarget) = 0;
  NS_IMETHOD GetCurrentTarget(nsIDOMEventTarget** aCurrentTarget) = 0;
  NS_IMETHOD GetEventPhase(PRUint16* aEventPhase) = 0;
  NS_IMETHOD GetBubbles(PRBool* aBubbles) = 0;
  NS_IMETHOD GetCancelable(PRBool* aCancelable) = 0;
  NS_IMETHOD GetTimeStamp(DOMTimeStamp* aTimeStamp) = 0;
  NS_IMETHOD StopPropagation(void) = 0;
  NS_IMETHOD PreventDefault(void) = 0;
  NS_IMETHOD InitEvent(const nsAString& eventTypeArg, PRBool canBubbleArg, PRBool cancelableArg) = 0;

 protected:
  ~nsIDOMEvent() = default;
};
