// nsIHistoryEntry (Gecko 1.7 xpfe/components/shistory/public/nsIHistoryEntry.idl).
#pragma once

#include "nsISupports.h"

class nsIURI;

#define NS_IHISTORYENTRY_IID \
  { 0xa41661d4, 0x1417, 0x11d5, { 0x98, 0x82, 0x00, 0xc0, 0x4f, 0xa0, 0x2f, 0x40 } }

class NS_NO_VTABLE nsIHistoryEntry : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IHISTORYENTRY_IID)

  NS_IMETHOD GetURI(nsIURI** aURI) = 0;
  NS_IMETHOD GetTitle(PRUnichar** aTitle) = 0;
  NS_IMETHOD GetIsSubFrame(PRBool* aIsSubFrame) = 0;

 protected:
  ~nsIHistoryEntry() = default;
};
