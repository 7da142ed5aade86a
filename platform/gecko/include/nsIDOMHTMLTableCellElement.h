// nsIDOMHTMLTableCellElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLTableCellElement.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

#define NS_IDOMHTMLTABLECELLELEMENT_IID \
  { 0xa6cf90b7, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLTableCellElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLTABLECELLELEMENT_IID)
  NS_IMETHOD GetCellIndex(PRInt32* aCellIndex) = 0;
  NS_IMETHOD GetAbbr(nsAString& aAbbr) = 0;
  NS_IMETHOD SetAbbr(const nsAString& aAbbr) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetAxis(nsAString& aAxis) = 0;
  NS_IMETHOD SetAxis(const nsAString& aAxis) = 0;
  NS_IMETHOD GetBgColor(nsAString& aBgColor) = 0;
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) = 0;
  NS_IMETHOD GetCh(nsAString& aCh) = 0;
  NS_IMETHOD SetCh(const nsAString& aCh) = 0;
  NS_IMETHOD GetChOff(nsAString& aChOff) = 0;
  NS_IMETHOD SetChOff(const nsAString& aChOff) = 0;
  NS_IMETHOD GetColSpan(PRInt32* aColSpan) = 0;
  NS_IMETHOD SetColSpan(PRInt32 aColSpan) = 0;
  NS_IMETHOD GetHeaders(nsAString& aHeaders) = 0;
  NS_IMETHOD SetHeaders(const nsAString& aHeaders) = 0;
  NS_IMETHOD GetHeight(nsAString& aHeight) = 0;
  NS_IMETHOD SetHeight(const nsAString& aHeight) = 0;
  NS_IMETHOD GetNoWrap(PRBool* aNoWrap) = 0;
  NS_IMETHOD SetNoWrap(PRBool aNoWrap) = 0;
  NS_IMETHOD GetRowSpan(PRInt32* aRowSpan) = 0;
  NS_IMETHOD SetRowSpan(PRInt32 aRowSpan) = 0;
  NS_IMETHOD GetScope(nsAString& aScope) = 0;
  NS_IMETHOD SetScope(const nsAString& aScope) = 0;
  NS_IMETHOD GetVAlign(nsAString& aVAlign) = 0;
  NS_IMETHOD SetVAlign(const nsAString& aVAlign) = 0;
  NS_IMETHOD GetWidth(nsAString& aWidth) = 0;
  NS_IMETHOD SetWidth(const nsAString& aWidth) = 0;

 protected:
  ~nsIDOMHTMLTableCellElement() = default;
};
