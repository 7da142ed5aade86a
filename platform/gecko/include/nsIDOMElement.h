// nsIDOMElement (Gecko 1.7 dom/public/idl/core/nsIDOMElement.idl).
#pragma once

#include "nsIDOMNode.h"

#define NS_IDOMELEMENT_IID \
  { 0xa6cf9078, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMElement : public nsIDOMNode {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMELEMENT_IID)
  NS_IMETHOD GetTagName(nsAString& aTagName) = 0;
  NS_IMETHOD GetAttribute(const nsAString& name, nsAString& _retval) = 0;
  NS_IMETHOD SetAttribute(const nsAString& name, const nsAString& value) = 0;
  NS_IMETHOD RemoveAttribute(const nsAString& name) = 0;
  NS_IMETHOD GetAttributeNode(const nsAString& name, nsIDOMAttr** _retval) = 0;
  NS_IMETHOD SetAttributeNode(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) = 0;
  NS_IMETHOD RemoveAttributeNode(nsIDOMAttr* oldAttr, nsIDOMAttr** _retval) = 0;
  NS_IMETHOD GetElementsByTagName(const nsAString& name, nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD GetAttributeNS(const nsAString& namespaceURI, const nsAString& localName, nsAString& _retval) = 0;
  NS_IMETHOD SetAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                            const nsAString& value) = 0;
  NS_IMETHOD RemoveAttributeNS(const nsAString& namespaceURI, const nsAString& localName) = 0;
  NS_IMETHOD GetAttributeNodeNS(const nsAString& namespaceURI, const nsAString& localName, nsIDOMAttr** _retval) = 0;
  NS_IMETHOD SetAttributeNodeNS(nsIDOMAttr* newAttr, nsIDOMAttr** _retval) = 0;
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                    nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD HasAttribute(const nsAString& name, PRBool* _retval) = 0;
  NS_IMETHOD HasAttributeNS(const nsAString& namespaceURI, const nsAString& localName, PRBool* _retval) = 0;

 protected:
  ~nsIDOMElement() = default;
};
