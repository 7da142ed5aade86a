// Reference helpers (Gecko 1.7 nsISupportsUtils.h).
#pragma once

#include "nsISupportsBase.h"

#define NS_ADDREF(_ptr) (_ptr)->AddRef()
#define NS_ADDREF_THIS() AddRef()
#define NS_RELEASE(_ptr) \
  do {                   \
    (_ptr)->Release();   \
    (_ptr) = 0;          \
  } while (0)
#define NS_RELEASE_THIS() Release()
#define NS_RELEASE2(_ptr, _rv) \
  do {                         \
    _rv = (_ptr)->Release();   \
    if (0 == (_rv)) (_ptr) = 0; \
  } while (0)
#define NS_IF_ADDREF(_expr) ns_if_addref(_expr)
#define NS_IF_RELEASE(_ptr)         \
  do {                              \
    if (_ptr) {                     \
      (_ptr)->Release();            \
      (_ptr) = 0;                   \
    }                               \
  } while (0)

template <class T>
inline nsrefcnt ns_if_addref(T expr) {
  return expr ? expr->AddRef() : 0;
}

template <class DestinationType>
inline nsresult CallQueryInterface(nsISupports* aSource, DestinationType** aDestination) {
  if (!aSource) return NS_ERROR_NULL_POINTER;
  return aSource->QueryInterface(NS_GET_IID(DestinationType), reinterpret_cast<void**>(aDestination));
}

// Two pointers name the same object when their nsISupports answers are equal.
NS_COM PRBool SameCOMIdentity(nsISupports* aLeft, nsISupports* aRight);
