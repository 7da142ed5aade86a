// nsID, nsIID and nsCID (Gecko 1.7 nsID.h).
#pragma once

#include <string.h>

#include "nscore.h"

struct nsID {
  PRUint32 m0;
  PRUint16 m1;
  PRUint16 m2;
  PRUint8 m3[8];

  inline PRBool Equals(const nsID& other) const {
    return memcmp(this, &other, sizeof(nsID)) == 0 ? PR_TRUE : PR_FALSE;
  }
  // Reads "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" (braces optional); false leaves it unchanged.
  NS_COM PRBool Parse(const char* aIDStr);
  // "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" in lower case, allocated with nsMemory::Alloc.
  NS_COM char* ToString() const;
};

inline bool operator==(const nsID& left, const nsID& right) { return left.Equals(right) != PR_FALSE; }
inline bool operator!=(const nsID& left, const nsID& right) { return !(left == right); }

typedef nsID nsIID;
typedef nsID nsCID;
#define REFNSIID const nsIID&
#define REFNSCID const nsCID&

#define NS_DEFINE_IID(_name, _iidspec) const nsIID _name = _iidspec
#define NS_DEFINE_CID(_name, _cidspec) const nsCID _name = _cidspec
#define NS_DEFINE_STATIC_CID_ACCESSOR(the_cid) \
  static const nsCID& GetCID() {               \
    static const nsCID cid = the_cid;          \
    return cid;                                \
  }
