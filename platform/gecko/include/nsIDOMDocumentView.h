// nsIDOMDocumentView (Gecko 1.7 dom/public/idl/views/nsIDOMDocumentView.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMDOCUMENTVIEW_IID \
  { 0x1acdb2ba, 0x1dd2, 0x11b2, { 0x95, 0xbc, 0x95, 0x42, 0x49, 0x5d, 0x25, 0x69 } }

class NS_NO_VTABLE nsIDOMDocumentView : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMDOCUMENTVIEW_IID)
  NS_IMETHOD GetDefaultView(nsIDOMAbstractView** aDefaultView) = 0;

 protected:
  ~nsIDOMDocumentView() = default;
};
