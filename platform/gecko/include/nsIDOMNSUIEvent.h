// nsIDOMNSUIEvent (Gecko 1.7 dom/public/idl/events/nsIDOMNSUIEvent.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMNSUIEVENT_IID \
  { 0xa6cf90c4, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMNSUIEvent : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMNSUIEVENT_IID)

  enum {
    SCROLL_PAGE_UP = -32768,
    SCROLL_PAGE_DOWN = 32768,
  };

  NS_IMETHOD GetPreventDefault(PRBool* _retval) = 0;
  NS_IMETHOD GetLayerX(PRInt32* aLayerX) = 0;
  NS_IMETHOD GetLayerY(PRInt32* aLayerY) = 0;
  NS_IMETHOD GetPageX(PRInt32* aPageX) = 0;
  NS_IMETHOD GetPageY(PRInt32* aPageY) = 0;
  NS_IMETHOD GetWhich(PRUint32* aWhich) = 0;
  NS_IMETHOD GetRangeParent(nsIDOMNode** aRangeParent) = 0;
  NS_IMETHOD GetRangeOffset(PRInt32* aRangeOffset) = 0;
  NS_IMETHOD GetCancelBubble(PRBool* aCancelBubble) = 0;
  NS_IMETHOD SetCancelBubble(PRBool aCancelBubble) = 0;
  NS_IMETHOD GetIsChar(PRBool* aIsChar) = 0;

 protected:
  ~nsIDOMNSUIEvent() = default;
};
