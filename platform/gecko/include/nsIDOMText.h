// nsIDOMText (Gecko 1.7 dom/public/idl/core/nsIDOMText.idl).
#pragma once

#include "nsIDOMCharacterData.h"

#define NS_IDOMTEXT_IID \
  { 0xa6cf9082, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMText : public nsIDOMCharacterData {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMTEXT_IID)
  NS_IMETHOD SplitText(PRUint32 offset, nsIDOMText** _retval) = 0;

 protected:
  ~nsIDOMText() = default;
};
