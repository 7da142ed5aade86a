// nsIXULWindow (Gecko 1.7 xpfe/appshell/public/nsIXULWindow.idl).
#pragma once

#include "nsISupports.h"

class nsIDocShell;
class nsIDocShellTreeItem;

#define NS_IXULWINDOW_IID \
  { 0xd9cb00e0, 0xca39, 0x11d3, { 0xb0, 0x29, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c } }

class NS_NO_VTABLE nsIXULWindow : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IXULWINDOW_IID)

  NS_IMETHOD GetDocShell(nsIDocShell** aDocShell) = 0;
  NS_IMETHOD GetIntrinsicallySized(PRBool* aIntrinsicallySized) = 0;
  NS_IMETHOD SetIntrinsicallySized(PRBool aIntrinsicallySized) = 0;
  NS_IMETHOD GetPrimaryContentShell(nsIDocShellTreeItem** aPrimaryContentShell) = 0;
  NS_IMETHOD GetContentShellById(const PRUnichar* ID, nsIDocShellTreeItem** _retval) = 0;
  NS_IMETHOD AddChildWindow(nsIXULWindow* aChild) = 0;
  NS_IMETHOD RemoveChildWindow(nsIXULWindow* aChild) = 0;
  NS_IMETHOD Center(nsIXULWindow* aRelative, PRBool aScreen, PRBool aAlert) = 0;
  NS_IMETHOD ShowModal(void) = 0;
  enum { lowestZ = 0U, loweredZ = 4U, normalZ = 5U, raisedZ = 6U, highestZ = 9U };

  NS_IMETHOD GetZLevel(PRUint32* aZLevel) = 0;
  NS_IMETHOD SetZLevel(PRUint32 aZLevel) = 0;
  NS_IMETHOD GetContextFlags(PRUint32* aContextFlags) = 0;
  NS_IMETHOD SetContextFlags(PRUint32 aContextFlags) = 0;
  NS_IMETHOD CreateNewWindow(PRInt32 aChromeFlags, nsIXULWindow** _retval) = 0;

 protected:
  ~nsIXULWindow() = default;
};
