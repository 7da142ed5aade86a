// nsISHistory (Gecko 1.7 xpfe/components/shistory/public/nsISHistory.idl).
#pragma once

#include "nsISupports.h"

class nsIHistoryEntry;
class nsISHistoryListener;
class nsISimpleEnumerator;

#define NS_ISHISTORY_IID \
  { 0x7294fe9b, 0x14d8, 0x11d5, { 0x98, 0x82, 0x00, 0xc0, 0x4f, 0xa0, 0x2f, 0x40 } }

class NS_NO_VTABLE nsISHistory : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISHISTORY_IID)

  NS_IMETHOD GetCount(PRInt32* aCount) = 0;
  NS_IMETHOD GetIndex(PRInt32* aIndex) = 0;
  NS_IMETHOD GetMaxLength(PRInt32* aMaxLength) = 0;
  NS_IMETHOD SetMaxLength(PRInt32 aMaxLength) = 0;
  NS_IMETHOD GetEntryAtIndex(PRInt32 index, PRBool modifyIndex, nsIHistoryEntry** _retval) = 0;
  NS_IMETHOD PurgeHistory(PRInt32 numEntries) = 0;
  NS_IMETHOD AddSHistoryListener(nsISHistoryListener* aListener) = 0;
  NS_IMETHOD RemoveSHistoryListener(nsISHistoryListener* aListener) = 0;
  NS_IMETHOD GetSHistoryEnumerator(nsISimpleEnumerator** aSHistoryEnumerator) = 0;

 protected:
  ~nsISHistory() = default;
};
