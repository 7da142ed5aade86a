// nsIDOMWindow2 (Gecko 1.7 dom/public/idl/base/nsIDOMWindow2.idl).
#pragma once

#include "nsIDOMWindow.h"

#define NS_IDOMWINDOW2_IID \
  { 0x65455132, 0xb96a, 0x40ec, { 0xad, 0xea, 0x52, 0xfa, 0x22, 0xb1, 0x02, 0x8c } }

class NS_NO_VTABLE nsIDOMWindow2 : public nsIDOMWindow {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMWINDOW2_IID)
  NS_IMETHOD GetWindowRoot(nsIDOMEventTarget** aWindowRoot) = 0;

 protected:
  ~nsIDOMWindow2() = default;
};
