// nsIObserver (Gecko 1.7 nsIObserver.idl).
#pragma once

#include "nsISupports.h"

#define NS_IOBSERVER_IID \
  { 0xdb242e01, 0xe4d9, 0x11d2, { 0x9d, 0xde, 0x00, 0x00, 0x64, 0x65, 0x73, 0x74 } }

class NS_NO_VTABLE nsIObserver : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IOBSERVER_IID)
  NS_IMETHOD Observe(nsISupports* aSubject, const char* aTopic, const PRUnichar* aData) = 0;

 protected:
  ~nsIObserver() = default;
};
