// nsIDocShellTreeNode (Gecko 1.7 docshell/base/nsIDocShellTreeNode.idl).
#pragma once

#include "nsISupports.h"

class nsIDocShellTreeItem;

#define NS_IDOCSHELLTREENODE_IID \
  { 0xc094f810, 0xa8ab, 0x11d3, { 0xaf, 0xc6, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c } }

class NS_NO_VTABLE nsIDocShellTreeNode : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOCSHELLTREENODE_IID)

  NS_IMETHOD GetChildCount(PRInt32* aChildCount) = 0;
  NS_IMETHOD AddChild(nsIDocShellTreeItem* child) = 0;
  NS_IMETHOD RemoveChild(nsIDocShellTreeItem* child) = 0;
  NS_IMETHOD GetChildAt(PRInt32 index, nsIDocShellTreeItem** _retval) = 0;
  NS_IMETHOD FindChildWithName(const PRUnichar* aName, PRBool aRecurse, PRBool aSameType,
                               nsIDocShellTreeItem* aRequestor, nsIDocShellTreeItem** _retval) = 0;

 protected:
  ~nsIDocShellTreeNode() = default;
};
