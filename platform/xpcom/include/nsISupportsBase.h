// nsISupports, the root of every XPCOM interface (Gecko 1.7 nsISupportsBase.h).
#pragma once

#include "nsID.h"

#define NS_ISUPPORTS_IID \
  { 0x00000000, 0x0000, 0x0000, { 0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46 } }

// Every interface declares its IID with this; NS_GET_IID(nsIFoo) reads it.
#define NS_DEFINE_STATIC_IID_ACCESSOR(the_iid) \
  static const nsIID& GetIID() {               \
    static const nsIID iid = the_iid;          \
    return iid;                                \
  }
#define NS_GET_IID(T) (T::GetIID())

// Interfaces have no virtual destructor (an object ends with its last Release); the
// protected destructor keeps a delete through an interface pointer from compiling.
class NS_NO_VTABLE nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISUPPORTS_IID)

  NS_IMETHOD QueryInterface(REFNSIID aIID, void** aInstancePtr) = 0;
  NS_IMETHOD_(nsrefcnt) AddRef(void) = 0;
  NS_IMETHOD_(nsrefcnt) Release(void) = 0;

 protected:
  ~nsISupports() = default;
};
