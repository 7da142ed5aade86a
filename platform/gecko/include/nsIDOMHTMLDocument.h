// nsIDOMHTMLDocument (Gecko 1.7 dom/public/idl/html/nsIDOMHTMLDocument.idl).
#pragma once

#include "nsIDOMDocument.h"

#define NS_IDOMHTMLDOCUMENT_IID \
  { 0xa6cf9084, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMHTMLDocument : public nsIDOMDocument {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMHTMLDOCUMENT_IID)
  NS_IMETHOD GetTitle(nsAString& aTitle) = 0;
  NS_IMETHOD SetTitle(const nsAString& aTitle) = 0;
  NS_IMETHOD GetReferrer(nsAString& aReferrer) = 0;
  NS_IMETHOD GetDomain(nsAString& aDomain) = 0;
  NS_IMETHOD GetURL(nsAString& aURL) = 0;
  NS_IMETHOD GetBody(nsIDOMHTMLElement** aBody) = 0;
  NS_IMETHOD SetBody(nsIDOMHTMLElement* aBody) = 0;
  NS_IMETHOD GetImages(nsIDOMHTMLCollection** aImages) = 0;
  NS_IMETHOD GetApplets(nsIDOMHTMLCollection** aApplets) = 0;
  NS_IMETHOD GetLinks(nsIDOMHTMLCollection** aLinks) = 0;
  NS_IMETHOD GetForms(nsIDOMHTMLCollection** aForms) = 0;
  NS_IMETHOD GetAnchors(nsIDOMHTMLCollection** aAnchors) = 0;
  NS_IMETHOD GetCookie(nsAString& aCookie) = 0;
  NS_IMETHOD SetCookie(const nsAString& aCookie) = 0;
  NS_IMETHOD Open(void) = 0;
  NS_IMETHOD Close(void) = 0;
  NS_IMETHOD Write(const nsAString& text) = 0;
  NS_IMETHOD Writeln(const nsAString& text) = 0;
  NS_IMETHOD GetElementsByName(const nsAString& elementName, nsIDOMNodeList** _retval) = 0;

 protected:
  ~nsIDOMHTMLDocument() = default;
};
