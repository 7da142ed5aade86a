// nsIDOMHTMLOptionElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLOptionElement.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

class nsIDOMHTMLFormElement;

#define NS_IDOMHTMLOPTIONELEMENT_IID \
  { 0xa6cf9092, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLOptionElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLOPTIONELEMENT_IID)
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) = 0;
  NS_IMETHOD GetDefaultSelected(PRBool* aDefaultSelected) = 0;
  NS_IMETHOD SetDefaultSelected(PRBool aDefaultSelected) = 0;
  NS_IMETHOD GetText(nsAString& aText) = 0;
  NS_IMETHOD GetIndex(PRInt32* aIndex) = 0;
  NS_IMETHOD GetDisabled(PRBool* aDisabled) = 0;
  NS_IMETHOD SetDisabled(PRBool aDisabled) = 0;
  NS_IMETHOD GetLabel(nsAString& aLabel) = 0;
  NS_IMETHOD SetLabel(const nsAString& aLabel) = 0;
  NS_IMETHOD GetSelected(PRBool* aSelected) = 0;
  NS_IMETHOD SetSelected(PRBool aSelected) = 0;
  NS_IMETHOD GetValue(nsAString& aValue) = 0;
  NS_IMETHOD SetValue(const nsAString& aValue) = 0;

 protected:
  ~nsIDOMHTMLOptionElement() = default;
};
