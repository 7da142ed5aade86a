// nsIDocShellTreeItem (Gecko 1.7 docshell/base/nsIDocShellTreeItem.idl).
#pragma once

#include "nsISupports.h"

class nsIDocShellTreeOwner;

#define NS_IDOCSHELLTREEITEM_IID \
  { 0xb52ae780, 0xa966, 0x11d3, { 0xaf, 0xc7, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c } }

class NS_NO_VTABLE nsIDocShellTreeItem : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOCSHELLTREEITEM_IID)

  NS_IMETHOD GetName(PRUnichar** aName) = 0;
  NS_IMETHOD SetName(const PRUnichar* aName) = 0;
  NS_IMETHOD NameEquals(const PRUnichar* name, PRBool* _retval) = 0;
  enum { typeChrome = 0U, typeContent = 1U, typeContentWrapper = 2U, typeChromeWrapper = 3U, typeAll = 0x7FFFFFFFU };

  NS_IMETHOD GetItemType(PRInt32* aItemType) = 0;
  NS_IMETHOD SetItemType(PRInt32 aItemType) = 0;
  NS_IMETHOD GetParent(nsIDocShellTreeItem** aParent) = 0;
  NS_IMETHOD SetParent(nsIDocShellTreeItem* aParent) = 0;
  NS_IMETHOD GetSameTypeParent(nsIDocShellTreeItem** aSameTypeParent) = 0;
  NS_IMETHOD GetRootTreeItem(nsIDocShellTreeItem** aRootTreeItem) = 0;
  NS_IMETHOD GetSameTypeRootTreeItem(nsIDocShellTreeItem** aSameTypeRootTreeItem) = 0;
  NS_IMETHOD FindItemWithName(const PRUnichar* name, nsISupports* aRequestor, nsIDocShellTreeItem** _retval) = 0;
  NS_IMETHOD GetTreeOwner(nsIDocShellTreeOwner** aTreeOwner) = 0;
  NS_IMETHOD SetTreeOwner(nsIDocShellTreeOwner* aTreeOwner) = 0;
  NS_IMETHOD GetChildOffset(PRInt32* aChildOffset) = 0;
  NS_IMETHOD SetChildOffset(PRInt32 aChildOffset) = 0;

 protected:
  ~nsIDocShellTreeItem() = default;
};
