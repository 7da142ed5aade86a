// nsIDOMHTMLTableSectionElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLTableSectionElem.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

#define NS_IDOMHTMLTABLESECTIONELEMENT_IID \
  { 0xa6cf90b5, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLTableSectionElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLTABLESECTIONELEMENT_IID)
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetCh(nsAString& aCh) = 0;
  NS_IMETHOD SetCh(const nsAString& aCh) = 0;
  NS_IMETHOD GetChOff(nsAString& aChOff) = 0;
  NS_IMETHOD SetChOff(const nsAString& aChOff) = 0;
  NS_IMETHOD GetVAlign(nsAString& aVAlign) = 0;
  NS_IMETHOD SetVAlign(const nsAString& aVAlign) = 0;
  NS_IMETHOD GetRows(nsIDOMHTMLCollection** aRows) = 0;
  NS_IMETHOD InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) = 0;
  NS_IMETHOD DeleteRow(PRInt32 index) = 0;

 protected:
  ~nsIDOMHTMLTableSectionElement() = default;
};
