// nsIDocShellTreeOwner (Gecko 1.7 docshell/base/nsIDocShellTreeOwner.idl).
#pragma once

#include "nsISupports.h"

class nsIDocShellTreeItem;

#define NS_IDOCSHELLTREEOWNER_IID \
  { 0x80f30e10, 0xa7cf, 0x11d3, { 0xaf, 0xc5, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c } }

class NS_NO_VTABLE nsIDocShellTreeOwner : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOCSHELLTREEOWNER_IID)

  NS_IMETHOD FindItemWithName(const PRUnichar* name, nsIDocShellTreeItem* aRequestor,
                              nsIDocShellTreeItem** _retval) = 0;
  NS_IMETHOD ContentShellAdded(nsIDocShellTreeItem* aContentShell, PRBool aPrimary, const PRUnichar* aID) = 0;
  NS_IMETHOD GetPrimaryContentShell(nsIDocShellTreeItem** aPrimaryContentShell) = 0;
  NS_IMETHOD SizeShellTo(nsIDocShellTreeItem* shell, PRInt32 cx, PRInt32 cy) = 0;
  NS_IMETHOD SetPersistence(PRBool aPersistPosition, PRBool aPersistSize, PRBool aPersistSizeMode) = 0;
  NS_IMETHOD GetPersistence(PRBool* aPersistPosition, PRBool* aPersistSize, PRBool* aPersistSizeMode) = 0;

 protected:
  ~nsIDocShellTreeOwner() = default;
};
