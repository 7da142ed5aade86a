// nsISHistoryListener (Gecko 1.7 xpfe/components/shistory/public/nsISHistoryListener.idl).
#pragma once

#include "nsISupports.h"

class nsIURI;

#define NS_ISHISTORYLISTENER_IID \
  { 0x3b07f591, 0xe8e1, 0x11d4, { 0x98, 0x82, 0x00, 0xc0, 0x4f, 0xa0, 0x2f, 0x40 } }

class NS_NO_VTABLE nsISHistoryListener : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISHISTORYLISTENER_IID)

  NS_IMETHOD OnHistoryNewEntry(nsIURI* aNewURI) = 0;
  NS_IMETHOD OnHistoryGoBack(nsIURI* aBackURI, PRBool* _retval) = 0;
  NS_IMETHOD OnHistoryGoForward(nsIURI* aForwardURI, PRBool* _retval) = 0;
  NS_IMETHOD OnHistoryReload(nsIURI* aReloadURI, PRUint32 aReloadFlags, PRBool* _retval) = 0;
  NS_IMETHOD OnHistoryGotoIndex(PRInt32 aIndex, nsIURI* aGotoURI, PRBool* _retval) = 0;
  NS_IMETHOD OnHistoryPurge(PRInt32 aNumEntries, PRBool* _retval) = 0;

 protected:
  ~nsISHistoryListener() = default;
};
