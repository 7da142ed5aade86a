// nsIDOMHTMLAnchorElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLAnchorElement.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

#define NS_IDOMHTMLANCHORELEMENT_IID \
  { 0xa6cf90aa, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLAnchorElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLANCHORELEMENT_IID)
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) = 0;
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) = 0;
  NS_IMETHOD GetCharset(nsAString& aCharset) = 0;
  NS_IMETHOD SetCharset(const nsAString& aCharset) = 0;
  NS_IMETHOD GetCoords(nsAString& aCoords) = 0;
  NS_IMETHOD SetCoords(const nsAString& aCoords) = 0;
  NS_IMETHOD GetHref(nsAString& aHref) = 0;
  NS_IMETHOD SetHref(const nsAString& aHref) = 0;
  NS_IMETHOD GetHreflang(nsAString& aHreflang) = 0;
  NS_IMETHOD SetHreflang(const nsAString& aHreflang) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetRel(nsAString& aRel) = 0;
  NS_IMETHOD SetRel(const nsAString& aRel) = 0;
  NS_IMETHOD GetRev(nsAString& aRev) = 0;
  NS_IMETHOD SetRev(const nsAString& aRev) = 0;
  NS_IMETHOD GetShape(nsAString& aShape) = 0;
  NS_IMETHOD SetShape(const nsAString& aShape) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD GetTarget(nsAString& aTarget) = 0;
  NS_IMETHOD SetTarget(const nsAString& aTarget) = 0;
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD SetType(const nsAString& aType) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Focus(void) = 0;

 protected:
  ~nsIDOMHTMLAnchorElement() = default;
};
