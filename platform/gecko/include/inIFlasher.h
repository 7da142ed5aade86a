// inIFlasher (Gecko 1.7 extensions/inspector/base/public/inIFlasher.idl).
#pragma once

#include "domstubs.h"

#define IN_IFLASHER_IID \
  { 0x7b4a099f, 0x6f6e, 0x4565, { 0x97, 0x7b, 0xfb, 0x62, 0x2a, 0xdb, 0xff, 0x49 } }

class NS_NO_VTABLE inIFlasher : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(IN_IFLASHER_IID)
  NS_IMETHOD GetColor(nsAString& aColor) = 0;
  NS_IMETHOD SetColor(const nsAString& aColor) = 0;
  NS_IMETHOD GetInvert(PRBool* aInvert) = 0;
  NS_IMETHOD SetInvert(PRBool aInvert) = 0;
  NS_IMETHOD GetThickness(PRUint16* aThickness) = 0;
  NS_IMETHOD SetThickness(PRUint16 aThickness) = 0;
  NS_IMETHOD DrawElementOutline(nsIDOMElement* aElement) = 0;
  NS_IMETHOD RepaintElement(nsIDOMElement* aElement) = 0;
  NS_IMETHOD ScrollElementIntoView(nsIDOMElement* aElement) = 0;

 protected:
  ~inIFlasher() = default;
};
