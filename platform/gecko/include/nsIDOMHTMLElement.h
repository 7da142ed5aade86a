// nsIDOMHTMLElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLElement.idl).
#pragma once

#include "nsIDOMElement.h"

#define NS_IDOMHTMLELEMENT_IID \
  { 0xa6cf9085, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLElement : public nsIDOMElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLELEMENT_IID)
  NS_IMETHOD GetId(nsAString& aId) = 0;
  NS_IMETHOD SetId(const nsAString& aId) = 0;
  NS_IMETHOD GetTitle(nsAString& aTitle) = 0;
  NS_IMETHOD SetTitle(const nsAString& aTitle) = 0;
  NS_IMETHOD GetLang(nsAString& aLang) = 0;
  NS_IMETHOD SetLang(const nsAString& aLang) = 0;
  NS_IMETHOD GetDir(nsAString& aDir) = 0;
  NS_IMETHOD SetDir(const nsAString& aDir) = 0;
  NS_IMETHOD GetClassName(nsAString& aClassName) = 0;
  NS_IMETHOD SetClassName(const nsAString& aClassName) = 0;

 protected:
  ~nsIDOMHTMLElement() = default;
};
