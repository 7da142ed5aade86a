// nsIDOMMouseEvent (Gecko 1.7 dom/public/idl/events/nsIDOMMouseEvent.idl).
#pragma once

#include "nsIDOMUIEvent.h"

#define NS_IDOMMOUSEEVENT_IID \
  { 0xff751edc, 0x8b02, 0xaae7, { 0x00, 0x10, 0x83, 0x01, 0x83, 0x8a, 0x31, 0x23 } }

class NS_NO_VTABLE nsIDOMMouseEvent : public nsIDOMUIEvent {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMMOUSEEVENT_IID)
  NS_IMETHOD GetScreenX(PRInt32* aScreenX) = 0;
  NS_IMETHOD GetScreenY(PRInt32* aScreenY) = 0;
  NS_IMETHOD GetClientX(PRInt32* aClientX) = 0;
  NS_IMETHOD GetClientY(PRInt32* aClientY) = 0;
  NS_IMETHOD GetCtrlKey(PRBool* aCtrlKey) = 0;
  NS_IMETHOD GetShiftKey(PRBool* aShiftKey) = 0;
  NS_IMETHOD GetAltKey(PRBool* aAltKey) = 0;
  NS_IMETHOD GetMetaKey(PRBool* aMetaKey) = 0;
  NS_IMETHOD GetButton(PRUint16* aButton) = 0;
  NS_IMETHOD GetRelatedTarget(nsIDOMEventTarget** aRelatedTarget) = 0;
  NS_IMETHOD InitMouseEvent(const nsAString& typeArg, PRBool canBubbleArg, PRBool cancelableArg,
                            nsIDOMAbstractView* viewArg, PRInt32 detailArg, PRInt32 screenXArg, PRInt32 screenYArg,
                            PRInt32 clientXArg, PRInt32 clientYArg, PRBool ctrlKeyArg, PRBool altKeyArg,
                            PRBool shiftKeyArg, PRBool metaKeyArg, PRUint16 buttonArg,
                            nsIDOMEventTarget* relatedTargetArg) = 0;

 protected:
  ~nsIDOMMouseEvent() = default;
};
