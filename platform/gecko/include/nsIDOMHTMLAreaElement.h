// nsIDOMHTMLAreaElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLAreaElement.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

#define NS_IDOMHTMLAREAELEMENT_IID \
  { 0xa6cf90b0, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLAreaElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLAREAELEMENT_IID)
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) = 0;
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) = 0;
  NS_IMETHOD GetAlt(nsAString& aAlt) = 0;
  NS_IMETHOD SetAlt(const nsAString& aAlt) = 0;
  NS_IMETHOD GetCoords(nsAString& aCoords) = 0;
  NS_IMETHOD SetCoords(const nsAString& aCoords) = 0;
  NS_IMETHOD GetHref(nsAString& aHref) = 0;
  NS_IMETHOD SetHref(const nsAString& aHref) = 0;
  NS_IMETHOD GetNoHref(PRBool* aNoHref) = 0;
  NS_IMETHOD SetNoHref(PRBool aNoHref) = 0;
  NS_IMETHOD GetShape(nsAString& aShape) = 0;
  NS_IMETHOD SetShape(const nsAString& aShape) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD GetTarget(nsAString& aTarget) = 0;
  NS_IMETHOD SetTarget(const nsAString& aTarget) = 0;

 protected:
  ~nsIDOMHTMLAreaElement() = default;
};
