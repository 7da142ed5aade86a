// nsIWindowMediatorListener (Gecko 1.7 xpfe/appshell/public/nsIWindowMediatorListener.idl).
#pragma once

#include "nsISupports.h"

class nsIXULWindow;

#define NS_IWINDOWMEDIATORLISTENER_IID \
  { 0x2f276982, 0x0d60, 0x4377, { 0xa5, 0x95, 0xd3, 0x50, 0xba, 0x51, 0x63, 0x95 } }

class NS_NO_VTABLE nsIWindowMediatorListener : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IWINDOWMEDIATORLISTENER_IID)

  NS_IMETHOD OnWindowTitleChange(nsIXULWindow* window, const PRUnichar* newTitle) = 0;
  NS_IMETHOD OnOpenWindow(nsIXULWindow* window) = 0;
  NS_IMETHOD OnCloseWindow(nsIXULWindow* window) = 0;

 protected:
  ~nsIWindowMediatorListener() = default;
};
