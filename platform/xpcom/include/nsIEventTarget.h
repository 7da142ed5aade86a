// nsIEventTarget (Gecko 1.7 nsIEventTarget.idl).
#pragma once

#include "nsISupports.h"
#include "plevent.h"

#define NS_IEVENTTARGET_IID \
  { 0xea99ad5b, 0xcc67, 0x4efb, { 0x97, 0xc9, 0x2e, 0xf6, 0x20, 0xa5, 0x9f, 0x2a } }

class NS_NO_VTABLE nsIEventTarget : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IEVENTTARGET_IID)
  NS_IMETHOD PostEvent(PLEvent* aEvent) = 0;
  NS_IMETHOD IsOnCurrentThread(PRBool* _retval) = 0;

 protected:
  ~nsIEventTarget() = default;
};
