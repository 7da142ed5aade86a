// nsIDOMHTMLTextAreaElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLTextAreaElement.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

class nsIDOMHTMLFormElement;

#define NS_IDOMHTMLTEXTAREAELEMENT_IID \
  { 0xa6cf9094, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLTextAreaElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLTEXTAREAELEMENT_IID)
  NS_IMETHOD GetDefaultValue(nsAString& aDefaultValue) = 0;
  NS_IMETHOD SetDefaultValue(const nsAString& aDefaultValue) = 0;
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) = 0;
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) = 0;
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) = 0;
  NS_IMETHOD GetCols(PRInt32* aCols) = 0;
  NS_IMETHOD SetCols(PRInt32 aCols) = 0;
  NS_IMETHOD GetDisabled(PRBool* aDisabled) = 0;
  NS_IMETHOD SetDisabled(PRBool aDisabled) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetReadOnly(PRBool* aReadOnly) = 0;
  NS_IMETHOD SetReadOnly(PRBool aReadOnly) = 0;
  NS_IMETHOD GetRows(PRInt32* aRows) = 0;
  NS_IMETHOD SetRows(PRInt32 aRows) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD GetValue(nsAString& aValue) = 0;
  NS_IMETHOD SetValue(const nsAString& aValue) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Focus(void) = 0;
  NS_IMETHOD Select(void) = 0;

 protected:
  ~nsIDOMHTMLTextAreaElement() = default;
};
