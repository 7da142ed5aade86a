// nsIDOMHTMLTableCaptionElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLTableCaptionElem.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

#define NS_IDOMHTMLTABLECAPTIONELEMENT_IID \
  { 0xa6cf90b3, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLTableCaptionElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLTABLECAPTIONELEMENT_IID)
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;

 protected:
  ~nsIDOMHTMLTableCaptionElement() = default;
};
