// nsIWindowMediator (Gecko 1.7 xpfe/appshell/public/nsIWindowMediator.idl).
#pragma once

#include "nsISupports.h"

class nsIDOMWindowInternal;
class nsISimpleEnumerator;
class nsIWidget;
class nsIWindowMediatorListener;
class nsIXULWindow;

#define NS_IWINDOWMEDIATOR_IID \
  { 0x0659cb81, 0xfaad, 0x11d2, { 0x8e, 0x19, 0xb2, 0x06, 0x62, 0x0a, 0x65, 0x7c } }

#define NS_WINDOWMEDIATOR_CID \
  { 0x0659cb83, 0xfaad, 0x11d2, { 0x8e, 0x19, 0xb2, 0x06, 0x62, 0x0a, 0x65, 0x7c } }
#define NS_WINDOWMEDIATOR_CONTRACTID "@mozilla.org/appshell/window-mediator;1"

class NS_NO_VTABLE nsIWindowMediator : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IWINDOWMEDIATOR_IID)

  NS_IMETHOD GetEnumerator(const PRUnichar* aWindowType, nsISimpleEnumerator** _retval) = 0;
  NS_IMETHOD GetXULWindowEnumerator(const PRUnichar* aWindowType, nsISimpleEnumerator** _retval) = 0;
  NS_IMETHOD GetZOrderDOMWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,
                                          nsISimpleEnumerator** _retval) = 0;
  NS_IMETHOD GetZOrderXULWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,
                                          nsISimpleEnumerator** _retval) = 0;
  NS_IMETHOD GetMostRecentWindow(const PRUnichar* aWindowType, nsIDOMWindowInternal** _retval) = 0;
  NS_IMETHOD RegisterWindow(nsIXULWindow* aWindow) = 0;
  NS_IMETHOD UnregisterWindow(nsIXULWindow* aWindow) = 0;
  NS_IMETHOD UpdateWindowTimeStamp(nsIXULWindow* aWindow) = 0;
  NS_IMETHOD UpdateWindowTitle(nsIXULWindow* aWindow, const PRUnichar* inTitle) = 0;
  enum { zLevelTop = 1U, zLevelBottom = 2U, zLevelBelow = 3U };

  NS_IMETHOD CalculateZPosition(nsIXULWindow* inWindow, PRUint32 inPosition, nsIWidget* inBelow, PRUint32* outPosition,
                                nsIWidget** outBelow, PRBool* _retval) = 0;
  NS_IMETHOD SetZPosition(nsIXULWindow* inWindow, PRUint32 inPosition, nsIXULWindow* inBelow) = 0;
  NS_IMETHOD GetZLevel(nsIXULWindow* aWindow, PRUint32* _retval) = 0;
  NS_IMETHOD SetZLevel(nsIXULWindow* aWindow, PRUint32 aZLevel) = 0;
  NS_IMETHOD AddListener(nsIWindowMediatorListener* aListener) = 0;
  NS_IMETHOD RemoveListener(nsIWindowMediatorListener* aListener) = 0;

 protected:
  ~nsIWindowMediator() = default;
};
