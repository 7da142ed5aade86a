// nsIBaseWindow (Gecko 1.7 widget/public/nsIBaseWindow.idl).
#pragma once

#include "nsISupports.h"

class nsIWidget;

typedef void* nativeWindow;

#define NS_IBASEWINDOW_IID \
  { 0x046bc8a0, 0x8015, 0x11d3, { 0xaf, 0x70, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c } }

class NS_NO_VTABLE nsIBaseWindow : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IBASEWINDOW_IID)

  NS_IMETHOD InitWindow(nativeWindow parentNativeWindow, nsIWidget* parentWidget, PRInt32 x, PRInt32 y, PRInt32 cx,
                        PRInt32 cy) = 0;
  NS_IMETHOD Create(void) = 0;
  NS_IMETHOD Destroy(void) = 0;
  NS_IMETHOD SetPosition(PRInt32 x, PRInt32 y) = 0;
  NS_IMETHOD GetPosition(PRInt32* x, PRInt32* y) = 0;
  NS_IMETHOD SetSize(PRInt32 cx, PRInt32 cy, PRBool fRepaint) = 0;
  NS_IMETHOD GetSize(PRInt32* cx, PRInt32* cy) = 0;
  NS_IMETHOD SetPositionAndSize(PRInt32 x, PRInt32 y, PRInt32 cx, PRInt32 cy, PRBool fRepaint) = 0;
  NS_IMETHOD GetPositionAndSize(PRInt32* x, PRInt32* y, PRInt32* cx, PRInt32* cy) = 0;
  NS_IMETHOD Repaint(PRBool force) = 0;
  NS_IMETHOD GetParentWidget(nsIWidget** aParentWidget) = 0;
  NS_IMETHOD SetParentWidget(nsIWidget* aParentWidget) = 0;
  NS_IMETHOD GetParentNativeWindow(nativeWindow* aParentNativeWindow) = 0;
  NS_IMETHOD SetParentNativeWindow(nativeWindow aParentNativeWindow) = 0;
  NS_IMETHOD GetVisibility(PRBool* aVisibility) = 0;
  NS_IMETHOD SetVisibility(PRBool aVisibility) = 0;
  NS_IMETHOD GetEnabled(PRBool* aEnabled) = 0;
  NS_IMETHOD SetEnabled(PRBool aEnabled) = 0;
  NS_IMETHOD GetBlurSuppression(PRBool* aBlurSuppression) = 0;
  NS_IMETHOD SetBlurSuppression(PRBool aBlurSuppression) = 0;
  NS_IMETHOD GetMainWidget(nsIWidget** aMainWidget) = 0;
  NS_IMETHOD SetFocus(void) = 0;
  NS_IMETHOD GetTitle(PRUnichar** aTitle) = 0;
  NS_IMETHOD SetTitle(const PRUnichar* aTitle) = 0;

 protected:
  ~nsIBaseWindow() = default;
};
