// nsIDOMComment (Gecko 1.7 dom/public/idl/core/nsIDOMComment.idl).
#pragma once

#include "nsIDOMCharacterData.h"

#define NS_IDOMCOMMENT_IID \
  { 0xa6cf9073, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMComment : public nsIDOMCharacterData {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMCOMMENT_IID)

 protected:
  ~nsIDOMComment() = default;
};
