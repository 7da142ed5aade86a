// nsIDOMDocument (Gecko 1.7 dom/public/idl/core/nsIDOMDocument.idl).
#pragma once

#include "nsIDOMNode.h"

#define NS_IDOMDOCUMENT_IID \
  { 0xa6cf9075, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMDocument : public nsIDOMNode {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMDOCUMENT_IID)
  NS_IMETHOD GetDoctype(nsIDOMDocumentType** aDoctype) = 0;
  NS_IMETHOD GetImplementation(nsIDOMDOMImplementation** aImplementation) = 0;
  NS_IMETHOD GetDocumentElement(nsIDOMElement** aDocumentElement) = 0;
  NS_IMETHOD CreateElement(const nsAString& tagName, nsIDOMElement** _retval) = 0;
  NS_IMETHOD CreateDocumentFragment(nsIDOMDocumentFragment** _retval) = 0;
  NS_IMETHOD CreateTextNode(const nsAString& data, nsIDOMText** _retval) = 0;
  NS_IMETHOD CreateComment(const nsAString& data, nsIDOMComment** _retval) = 0;
  NS_IMETHOD CreateCDATASection(const nsAString& data, nsIDOMCDATASection** _retval) = 0;
  NS_IMETHOD CreateProcessingInstruction(const nsAString& target, const nsAString& data,
                                         nsIDOMProcessingInstruction** _retval) = 0;
  NS_IMETHOD CreateAttribute(const nsAString& name, nsIDOMAttr** _retval) = 0;
  NS_IMETHOD CreateEntityReference(const nsAString& name, nsIDOMEntityReference** _retval) = 0;
  NS_IMETHOD GetElementsByTagName(const nsAString& tagname, nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD ImportNode(nsIDOMNode* importedNode, PRBool deep, nsIDOMNode** _retval) = 0;
  NS_IMETHOD CreateElementNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                             nsIDOMElement** _retval) = 0;
  NS_IMETHOD CreateAttributeNS(const nsAString& namespaceURI, const nsAString& qualifiedName,
                               nsIDOMAttr** _retval) = 0;
  NS_IMETHOD GetElementsByTagNameNS(const nsAString& namespaceURI, const nsAString& localName,
                                    nsIDOMNodeList** _retval) = 0;
  NS_IMETHOD GetElementById(const nsAString& elementId, nsIDOMElement** _retval) = 0;

 protected:
  ~nsIDOMDocument() = default;
};
