// nsIDOMHTMLImageElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLImageElement.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

#define NS_IDOMHTMLIMAGEELEMENT_IID \
  { 0xa6cf90ab, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLImageElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLIMAGEELEMENT_IID)
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetAlt(nsAString& aAlt) = 0;
  NS_IMETHOD SetAlt(const nsAString& aAlt) = 0;
  NS_IMETHOD GetBorder(nsAString& aBorder) = 0;
  NS_IMETHOD SetBorder(const nsAString& aBorder) = 0;
  NS_IMETHOD GetHeight(PRInt32* aHeight) = 0;
  NS_IMETHOD SetHeight(PRInt32 aHeight) = 0;
  NS_IMETHOD GetHspace(PRInt32* aHspace) = 0;
  NS_IMETHOD SetHspace(PRInt32 aHspace) = 0;
  NS_IMETHOD GetIsMap(PRBool* aIsMap) = 0;
  NS_IMETHOD SetIsMap(PRBool aIsMap) = 0;
  NS_IMETHOD GetLongDesc(nsAString& aLongDesc) = 0;
  NS_IMETHOD SetLongDesc(const nsAString& aLongDesc) = 0;
  NS_IMETHOD GetSrc(nsAString& aSrc) = 0;
  NS_IMETHOD SetSrc(const nsAString& aSrc) = 0;
  NS_IMETHOD GetUseMap(nsAString& aUseMap) = 0;
  NS_IMETHOD SetUseMap(const nsAString& aUseMap) = 0;
  NS_IMETHOD GetVspace(PRInt32* aVspace) = 0;
  NS_IMETHOD SetVspace(PRInt32 aVspace) = 0;
  NS_IMETHOD GetWidth(PRInt32* aWidth) = 0;
  NS_IMETHOD SetWidth(PRInt32 aWidth) = 0;

 protected:
  ~nsIDOMHTMLImageElement() = default;
};
