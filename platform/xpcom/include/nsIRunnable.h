// nsIRunnable (Gecko 1.7 nsIRunnable.idl).
#pragma once

#include "nsISupports.h"

#define NS_IRUNNABLE_IID \
  { 0x4a2abaf0, 0x6886, 0x11d3, { 0x93, 0x82, 0x00, 0x10, 0x4b, 0xa0, 0xfd, 0x40 } }

class NS_NO_VTABLE nsIRunnable : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IRUNNABLE_IID)
  NS_IMETHOD Run(void) = 0;

 protected:
  ~nsIRunnable() = default;
};
