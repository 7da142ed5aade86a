// nsIDOMHTMLMapElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLMapElement.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

#define NS_IDOMHTMLMAPELEMENT_IID \
  { 0xa6cf90af, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLMapElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLMAPELEMENT_IID)
  NS_IMETHOD GetAreas(nsIDOMHTMLCollection** aAreas) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;

 protected:
  ~nsIDOMHTMLMapElement() = default;
};
