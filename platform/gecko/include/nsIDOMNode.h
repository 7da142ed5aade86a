// nsIDOMNode (Gecko 1.7 dom/public/idl/core/nsIDOMNode.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMNODE_IID \
  { 0xa6cf907c, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMNode : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMNODE_IID)

  enum {
    ELEMENT_NODE = 1U,
    ATTRIBUTE_NODE = 2U,
    TEXT_NODE = 3U,
    CDATA_SECTION_NODE = 4U,
    ENTITY_REFERENCE_NODE = 5U,
    ENTITY_NODE = 6U,
    PROCESSING_INSTRUCTION_NODE = 7U,
    COMMENT_NODE = 8U,
    DOCUMENT_NODE = 9U,
    DOCUMENT_TYPE_NODE = 10U,
    DOCUMENT_FRAGMENT_NODE = 11U,
    NOTATION_NODE = 12U
  };

  NS_IMETHOD GetNodeName(nsAString& aNodeName) = 0;
  NS_IMETHOD GetNodeValue(nsAString& aNodeValue) = 0;
  NS_IMETHOD SetNodeValue(const nsAString& aNodeValue) = 0;
  NS_IMETHOD GetNodeType(PRUint16* aNodeType) = 0;
  NS_IMETHOD GetParentNode(nsIDOMNode** aParentNode) = 0;
  NS_IMETHOD GetChildNodes(nsIDOMNodeList** aChildNodes) = 0;
  NS_IMETHOD GetFirstChild(nsIDOMNode** aFirstChild) = 0;
  NS_IMETHOD GetLastChild(nsIDOMNode** aLastChild) = 0;
  NS_IMETHOD GetPreviousSibling(nsIDOMNode** aPreviousSibling) = 0;
  NS_IMETHOD GetNextSibling(nsIDOMNode** aNextSibling) = 0;
  NS_IMETHOD GetAttributes(nsIDOMNamedNodeMap** aAttributes) = 0;
  NS_IMETHOD GetOwnerDocument(nsIDOMDocument** aOwnerDocument) = 0;
  NS_IMETHOD InsertBefore(nsIDOMNode* newChild, nsIDOMNode* refChild, nsIDOMNode** _retval) = 0;
  NS_IMETHOD ReplaceChild(nsIDOMNode* newChild, nsIDOMNode* oldChild, nsIDOMNode** _retval) = 0;
  NS_IMETHOD RemoveChild(nsIDOMNode* oldChild, nsIDOMNode** _retval) = 0;
  NS_IMETHOD AppendChild(nsIDOMNode* newChild, nsIDOMNode** _retval) = 0;
  NS_IMETHOD HasChildNodes(PRBool* _retval) = 0;
  NS_IMETHOD CloneNode(PRBool deep, nsIDOMNode** _retval) = 0;
  NS_IMETHOD Normalize(void) = 0;
  NS_IMETHOD IsSupported(const nsAString& feature, const nsAString& version, PRBool* _retval) = 0;
  NS_IMETHOD GetNamespaceURI(nsAString& aNamespaceURI) = 0;
  NS_IMETHOD GetPrefix(nsAString& aPrefix) = 0;
  NS_IMETHOD SetPrefix(const nsAString& aPrefix) = 0;
  NS_IMETHOD GetLocalName(nsAString& aLocalName) = 0;
  NS_IMETHOD HasAttributes(PRBool* _retval) = 0;

 protected:
  ~nsIDOMNode() = default;
};
