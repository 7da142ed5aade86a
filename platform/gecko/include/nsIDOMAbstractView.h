// nsIDOMAbstractView (Gecko 1.7 dom/public/idl/views/nsIDOMAbstractView.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMABSTRACTVIEW_IID \
  { 0xf51ebade, 0x8b1a, 0x11d3, { 0xaa, 0xe7, 0x00, 0x10, 0x83, 0x01, 0x23, 0xb4 } }

class NS_NO_VTABLE nsIDOMAbstractView : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMABSTRACTVIEW_IID)
  NS_IMETHOD GetDocument(nsIDOMDocumentView** aDocument) = 0;

 protected:
  ~nsIDOMAbstractView() = default;
};
