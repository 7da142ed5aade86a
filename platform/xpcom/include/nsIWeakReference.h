// nsIWeakReference and nsISupportsWeakReference (Gecko 1.7 nsIWeakReference.idl).
#pragma once

#include "nsISupports.h"

#define NS_IWEAKREFERENCE_IID \
  { 0x9188bc85, 0xf92e, 0x11d2, { 0x81, 0xef, 0x00, 0x60, 0x08, 0x3a, 0x0b, 0xcf } }

class NS_NO_VTABLE nsIWeakReference : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IWEAKREFERENCE_IID)
  // The referent answering aIID, or NS_ERROR_NULL_POINTER once it has gone.
  NS_IMETHOD QueryReferent(const nsIID& uuid, void** result) = 0;

 protected:
  ~nsIWeakReference() = default;
};

#define NS_ISUPPORTSWEAKREFERENCE_IID \
  { 0x9188bc86, 0xf92e, 0x11d2, { 0x81, 0xef, 0x00, 0x60, 0x08, 0x3a, 0x0b, 0xcf } }

class NS_NO_VTABLE nsISupportsWeakReference : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISUPPORTSWEAKREFERENCE_IID)
  NS_IMETHOD GetWeakReference(nsIWeakReference** _retval) = 0;

 protected:
  ~nsISupportsWeakReference() = default;
};
