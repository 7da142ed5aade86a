// nsIDOMHTMLTableElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLTableElement.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

class nsIDOMHTMLTableCaptionElement;
class nsIDOMHTMLTableSectionElement;

#define NS_IDOMHTMLTABLEELEMENT_IID \
  { 0xa6cf90b2, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLTableElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLTABLEELEMENT_IID)
  NS_IMETHOD GetCaption(nsIDOMHTMLTableCaptionElement** aCaption) = 0;
  NS_IMETHOD SetCaption(nsIDOMHTMLTableCaptionElement* aCaption) = 0;
  NS_IMETHOD GetTHead(nsIDOMHTMLTableSectionElement** aTHead) = 0;
  NS_IMETHOD SetTHead(nsIDOMHTMLTableSectionElement* aTHead) = 0;
  NS_IMETHOD GetTFoot(nsIDOMHTMLTableSectionElement** aTFoot) = 0;
  NS_IMETHOD SetTFoot(nsIDOMHTMLTableSectionElement* aTFoot) = 0;
  NS_IMETHOD GetRows(nsIDOMHTMLCollection** aRows) = 0;
  NS_IMETHOD GetTBodies(nsIDOMHTMLCollection** aTBodies) = 0;
  NS_IMETHOD GetAlign(nsAString& aAlign) = 0;
  NS_IMETHOD SetAlign(const nsAString& aAlign) = 0;
  NS_IMETHOD GetBgColor(nsAString& aBgColor) = 0;
  NS_IMETHOD SetBgColor(const nsAString& aBgColor) = 0;
  NS_IMETHOD GetBorder(nsAString& aBorder) = 0;
  NS_IMETHOD SetBorder(const nsAString& aBorder) = 0;
  NS_IMETHOD GetCellPadding(nsAString& aCellPadding) = 0;
  NS_IMETHOD SetCellPadding(const nsAString& aCellPadding) = 0;
  NS_IMETHOD GetCellSpacing(nsAString& aCellSpacing) = 0;
  NS_IMETHOD SetCellSpacing(const nsAString& aCellSpacing) = 0;
  NS_IMETHOD GetFrame(nsAString& aFrame) = 0;
  NS_IMETHOD SetFrame(const nsAString& aFrame) = 0;
  NS_IMETHOD GetRules(nsAString& aRules) = 0;
  NS_IMETHOD SetRules(const nsAString& aRules) = 0;
  NS_IMETHOD GetSummary(nsAString& aSummary) = 0;
  NS_IMETHOD SetSummary(const nsAString& aSummary) = 0;
  NS_IMETHOD GetWidth(nsAString& aWidth) = 0;
  NS_IMETHOD SetWidth(const nsAString& aWidth) = 0;
  NS_IMETHOD CreateTHead(nsIDOMHTMLElement** _retval) = 0;
  NS_IMETHOD DeleteTHead(void) = 0;
  NS_IMETHOD CreateTFoot(nsIDOMHTMLElement** _retval) = 0;
  NS_IMETHOD DeleteTFoot(void) = 0;
  NS_IMETHOD CreateCaption(nsIDOMHTMLElement** _retval) = 0;
  NS_IMETHOD DeleteCaption(void) = 0;
  NS_IMETHOD InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) = 0;
  NS_IMETHOD DeleteRow(PRInt32 index) = 0;

 protected:
  ~nsIDOMHTMLTableElement() = default;
};
