// nsIDOMWindow (Gecko 1.7 dom/public/idl/base/nsIDOMWindow.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMWINDOW_IID \
  { 0xa6cf906b, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsIDOMWindow : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMWINDOW_IID)
  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) = 0;
  NS_IMETHOD GetParent(nsIDOMWindow** aParent) = 0;
  NS_IMETHOD GetTop(nsIDOMWindow** aTop) = 0;
  NS_IMETHOD GetScrollbars(nsIDOMBarProp** aScrollbars) = 0;
  NS_IMETHOD GetFrames(nsIDOMWindowCollection** aFrames) = 0;
  NS_IMETHOD GetName(nsAString& aName) = 0;
  NS_IMETHOD SetName(const nsAString& aName) = 0;
  NS_IMETHOD GetTextZoom(float* aTextZoom) = 0;
  NS_IMETHOD SetTextZoom(float aTextZoom) = 0;
  NS_IMETHOD GetScrollX(PRInt32* aScrollX) = 0;
  NS_IMETHOD GetScrollY(PRInt32* aScrollY) = 0;
  NS_IMETHOD ScrollTo(PRInt32 xScroll, PRInt32 yScroll) = 0;
  NS_IMETHOD ScrollBy(PRInt32 xScrollDif, PRInt32 yScrollDif) = 0;
  NS_IMETHOD GetSelection(nsISelection** _retval) = 0;
  NS_IMETHOD ScrollByLines(PRInt32 numLines) = 0;
  NS_IMETHOD ScrollByPages(PRInt32 numPages) = 0;
  NS_IMETHOD SizeToContent(void) = 0;

 protected:
  ~nsIDOMWindow() = default;
};
