// nsISelection (Gecko 1.7 content/base/public/nsISelection.idl).
#pragma once

#include "domstubs.h"

#define NS_ISELECTION_IID \
  { 0xb2c7ed59, 0x8634, 0x4352, { 0x9e, 0x37, 0x54, 0x84, 0xc8, 0xb6, 0xe4, 0xe1 } }

class NS_NO_VTABLE nsISelection : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISELECTION_IID)
  NS_IMETHOD GetAnchorNode(nsIDOMNode** aAnchorNode) = 0;
  NS_IMETHOD GetAnchorOffset(PRInt32* aAnchorOffset) = 0;
  NS_IMETHOD GetFocusNode(nsIDOMNode** aFocusNode) = 0;
  NS_IMETHOD GetFocusOffset(PRInt32* aFocusOffset) = 0;
  NS_IMETHOD GetIsCollapsed(PRBool* aIsCollapsed) = 0;
  NS_IMETHOD GetRangeCount(PRInt32* aRangeCount) = 0;
  NS_IMETHOD GetRangeAt(PRInt32 index, nsIDOMRange** _retval) = 0;
  NS_IMETHOD Collapse(nsIDOMNode* parentNode, PRInt32 offset) = 0;
  NS_IMETHOD Extend(nsIDOMNode* parentNode, PRInt32 offset) = 0;
  NS_IMETHOD CollapseToStart(void) = 0;
  NS_IMETHOD CollapseToEnd(void) = 0;
  NS_IMETHOD ContainsNode(nsIDOMNode* node, PRBool entirelyContained, PRBool* _retval) = 0;
  NS_IMETHOD SelectAllChildren(nsIDOMNode* parentNode) = 0;
  NS_IMETHOD AddRange(nsIDOMRange* range) = 0;
  NS_IMETHOD RemoveRange(nsIDOMRange* range) = 0;
  NS_IMETHOD RemoveAllRanges(void) = 0;
  NS_IMETHOD DeleteFromDocument(void) = 0;
  NS_IMETHOD SelectionLanguageChange(PRBool langRTL) = 0;
  NS_IMETHOD ToString(PRUnichar** _retval) = 0;

 protected:
  ~nsISelection() = default;
};
