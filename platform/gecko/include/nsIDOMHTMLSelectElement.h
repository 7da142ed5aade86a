// nsIDOMHTMLSelectElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLSelectElement.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

class nsIDOMHTMLFormElement;
class nsIDOMHTMLOptionsCollection;

#define NS_IDOMHTMLSELECTELEMENT_IID \
  { 0xa6cf9090, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLSelectElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLSELECTELEMENT_IID)
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD GetSelectedIndex(PRInt32* aSelectedIndex) = 0;
  NS_IMETHOD SetSelectedIndex(PRInt32 aSelectedIndex) = 0;
  NS_IMETHOD GetValue(nsAString& aValue) = 0;
  NS_IMETHOD SetValue(const nsAString& aValue) = 0;
  NS_IMETHOD GetLength(PRUint32* aLength) = 0;
  NS_IMETHOD SetLength(PRUint32 aLength) = 0;
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) = 0;
  NS_IMETHOD GetOptions(nsIDOMHTMLOptionsCollection** aOptions) = 0;
  NS_IMETHOD GetDisabled(PRBool* aDisabled) = 0;
  NS_IMETHOD SetDisabled(PRBool aDisabled) = 0;
  NS_IMETHOD GetMultiple(PRBool* aMultiple) = 0;
  NS_IMETHOD SetMultiple(PRBool aMultiple) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetSize(PRInt32* aSize) = 0;
  NS_IMETHOD SetSize(PRInt32 aSize) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD Add(nsIDOMHTMLElement* element, nsIDOMHTMLElement* before) = 0;
  NS_IMETHOD Remove(PRInt32 index) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Focus(void) = 0;

 protected:
  ~nsIDOMHTMLSelectElement() = default;
};
