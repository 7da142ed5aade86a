// nsIProxyObjectManager (Gecko 1.7 nsIProxyObjectManager.idl).
// A proxy runs each call on the destination queue's thread; a PROXY_SYNC caller waits
// for the result and meanwhile serves calls carried into its own thread. A call from the
// destination thread itself runs directly unless PROXY_ALWAYS is given. Proxies exist
// for the interfaces that have a forwarder registered (see the README); others answer
// NS_NOINTERFACE. PROXY_ASYNC is not modelled (NS_ERROR_NOT_IMPLEMENTED).
#pragma once

#include "nsIEventQueue.h"
#include "nsISupports.h"
#include "nsProxyEvent.h"

#define NS_PROXYEVENT_MANAGER_CID \
  { 0xeea90d41, 0xb059, 0x11d2, { 0x91, 0x5e, 0xc1, 0x2b, 0x69, 0x6c, 0x93, 0x33 } }
#define NS_XPCOMPROXY_CONTRACTID "@mozilla.org/xpcomproxy;1"

#define NS_IPROXYOBJECTMANAGER_IID \
  { 0xeea90d43, 0xb059, 0x11d2, { 0x91, 0x5e, 0xc1, 0x2b, 0x69, 0x6c, 0x93, 0x33 } }

class NS_NO_VTABLE nsIProxyObjectManager : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IPROXYOBJECTMANAGER_IID)
  NS_IMETHOD GetProxyForObject(nsIEventQueue* destQueue, const nsIID& iid, nsISupports* object, PRInt32 proxyType,
                               void** result) = 0;
  NS_IMETHOD GetProxy(nsIEventQueue* destQueue, const nsIID& cid, nsISupports* aOuter, const nsIID& iid,
                      PRInt32 proxyType, void** result) = 0;

 protected:
  ~nsIProxyObjectManager() = default;
};
