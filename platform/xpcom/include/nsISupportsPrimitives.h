// nsISupportsPrimitive and nsISupportsCString (Gecko 1.7 nsISupportsPrimitives.idl):
// the category manager's enumerators hand out names as nsISupportsCString.
#pragma once

#include "nsAString.h"
#include "nsISupports.h"

#define NS_ISUPPORTSPRIMITIVE_IID \
  { 0xd0d4b136, 0x1dd1, 0x11b2, { 0x93, 0x71, 0xf0, 0x72, 0x7e, 0xf8, 0x27, 0xc0 } }

class NS_NO_VTABLE nsISupportsPrimitive : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISUPPORTSPRIMITIVE_IID)
  enum { TYPE_ID = 1U, TYPE_CSTRING = 2U, TYPE_STRING = 3U };
  NS_IMETHOD GetType(PRUint16* aType) = 0;

 protected:
  ~nsISupportsPrimitive() = default;
};

#define NS_ISUPPORTSCSTRING_IID \
  { 0xd65ff270, 0x4a1c, 0x11d3, { 0x98, 0x90, 0x00, 0x60, 0x08, 0x96, 0x24, 0x22 } }

class NS_NO_VTABLE nsISupportsCString : public nsISupportsPrimitive {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISUPPORTSCSTRING_IID)
  NS_IMETHOD GetData(nsACString& aData) = 0;
  NS_IMETHOD SetData(const nsACString& aData) = 0;
  NS_IMETHOD ToString(char** _retval) = 0;

 protected:
  ~nsISupportsCString() = default;
};
