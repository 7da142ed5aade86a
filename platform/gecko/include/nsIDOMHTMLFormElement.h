// nsIDOMHTMLFormElement (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLFormElement.idl).
#pragma once

#include "nsIDOMHTMLElement.h"

#define NS_IDOMHTMLFORMELEMENT_IID \
  { 0xa6cf908f, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLFormElement : public nsIDOMHTMLElement {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLFORMELEMENT_IID)
  NS_IMETHOD GetElements(nsIDOMHTMLCollection** aElements) = 0;
  NS_IMETHOD GetLength(PRInt32* aLength) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetAcceptCharset(nsAString& aAcceptCharset) = 0;
  NS_IMETHOD SetAcceptCharset(const nsAString& aAcceptCharset) = 0;
  NS_IMETHOD GetAction(nsAString& aAction) = 0;
  NS_IMETHOD SetAction(const nsAString& aAction) = 0;
  NS_IMETHOD GetEnctype(nsAString& aEnctype) = 0;
  NS_IMETHOD SetEnctype(const nsAString& aEnctype) = 0;
  NS_IMETHOD GetMethod(nsAString& aMethod) = 0;
  NS_IMETHOD SetMethod(const nsAString& aMethod) = 0;
  NS_IMETHOD GetTarget(nsAString& aTarget) = 0;
  NS_IMETHOD SetTarget(const nsAString& aTarget) = 0;
  NS_IMETHOD Submit(void) = 0;
  NS_IMETHOD Reset(void) = 0;

 protected:
  ~nsIDOMHTMLFormElement() = default;
};
