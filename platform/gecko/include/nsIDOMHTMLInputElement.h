// nsIDOMHTMLInputElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLInputElement.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

class nsIDOMHTMLFormElement;

#define NS_IDOMHTMLINPUTELEMENT_IID \
  { 0xa6cf9093, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLInputElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLINPUTELEMENT_IID)
  NS_IMETHOD GetDefaultValue(nsAString& aDefaultValue) = 0;
  NS_IMETHOD SetDefaultValue(const nsAString& aDefaultValue) = 0;
  NS_IMETHOD GetDefaultChecked(PRBool* aDefaultChecked) = 0;
  NS_IMETHOD SetDefaultChecked(PRBool aDefaultChecked) = 0;
  NS_IMETHOD GetForm(nsIDOMHTMLFormElement** aForm) = 0;
  NS_IMETHOD GetAccept(nsAString& aAccept) = 0;
  NS_IMETHOD SetAccept(const nsAString& aAccept) = 0;
  NS_IMETHOD GetAccessKey(nsAString& aAccessKey) = 0;
  NS_IMETHOD SetAccessKey(const nsAString& aAccessKey) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetAlt(nsAString& aAlt) = 0;
  NS_IMETHOD SetAlt(const nsAString& aAlt) = 0;
  NS_IMETHOD GetChecked(PRBool* aChecked) = 0;
  NS_IMETHOD SetChecked(PRBool aChecked) = 0;
  NS_IMETHOD GetDisabled(PRBool* aDisabled) = 0;
  NS_IMETHOD SetDisabled(PRBool aDisabled) = 0;
  NS_IMETHOD GetMaxLength(PRInt32* aMaxLength) = 0;
  NS_IMETHOD SetMaxLength(PRInt32 aMaxLength) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetReadOnly(PRBool* aReadOnly) = 0;
  NS_IMETHOD SetReadOnly(PRBool aReadOnly) = 0;
  NS_IMETHOD GetSize(PRUint32* aSize) = 0;
  NS_IMETHOD SetSize(PRUint32 aSize) = 0;
  NS_IMETHOD GetSrc(nsAString& aSrc) = 0;
  NS_IMETHOD SetSrc(const nsAString& aSrc) = 0;
  NS_IMETHOD GetTabIndex(PRInt32* aTabIndex) = 0;
  NS_IMETHOD SetTabIndex(PRInt32 aTabIndex) = 0;
  NS_IMETHOD GetType(nsAString& aType) = 0;
  NS_IMETHOD SetType(const nsAString& aType) = 0;
  NS_IMETHOD GetUseMap(nsAString& aUseMap) = 0;
  NS_IMETHOD SetUseMap(const nsAString& aUseMap) = 0;
  NS_IMETHOD GetValue(nsAString& aValue) = 0;
  NS_IMETHOD SetValue(const nsAString& aValue) = 0;
  NS_IMETHOD Blur(void) = 0;
  NS_IMETHOD Focus(void) = 0;
  NS_IMETHOD Select(void) = 0;
  NS_IMETHOD Click(void) = 0;

 protected:
  ~nsIDOMHTMLInputElement() = default;
};
