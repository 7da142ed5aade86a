// nsIWebProgress (Gecko 1.7 uriloader/base/nsIWebProgress.idl).
#pragma once

#include "nsISupports.h"

class nsIDOMWindow;
class nsIWebProgressListener;

#define NS_IWEBPROGRESS_IID \
  { 0x570f39d0, 0xefd0, 0x11d3, { 0xb0, 0x93, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c } }

class NS_NO_VTABLE nsIWebProgress : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IWEBPROGRESS_IID)

  enum {
    NOTIFY_STATE_REQUEST = 0x00000001U,
    NOTIFY_STATE_DOCUMENT = 0x00000002U,
    NOTIFY_STATE_NETWORK = 0x00000004U,
    NOTIFY_STATE_WINDOW = 0x00000008U,
    NOTIFY_STATE_ALL = 0x0000000fU,
    NOTIFY_PROGRESS = 0x00000010U,
    NOTIFY_STATUS = 0x00000020U,
    NOTIFY_SECURITY = 0x00000040U,
    NOTIFY_LOCATION = 0x00000080U,
    NOTIFY_ALL = 0x000000ffU
  };

  NS_IMETHOD AddProgressListener(nsIWebProgressListener* listener, PRUint32 aNotifyMask) = 0;
  NS_IMETHOD RemoveProgressListener(nsIWebProgressListener* listener) = 0;
  NS_IMETHOD GetDOMWindow(nsIDOMWindow** aDOMWindow) = 0;
  NS_IMETHOD GetIsLoadingDocument(PRBool* aIsLoadingDocument) = 0;

 protected:
  ~nsIWebProgress() = default;
};
