// nsIWebProgressListener (Gecko 1.7 uriloader/base/nsIWebProgressListener.idl).
#pragma once

#include "nsISupports.h"

class nsIRequest;
class nsIURI;
class nsIWebProgress;

#define NS_IWEBPROGRESSLISTENER_IID \
  { 0x570f39d1, 0xefd0, 0x11d3, { 0xb0, 0x93, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c } }

class NS_NO_VTABLE nsIWebProgressListener : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IWEBPROGRESSLISTENER_IID)

  enum {
    STATE_START = 0x00000001U,
    STATE_REDIRECTING = 0x00000002U,
    STATE_TRANSFERRING = 0x00000004U,
    STATE_NEGOTIATING = 0x00000008U,
    STATE_STOP = 0x00000010U,
    STATE_IS_REQUEST = 0x00010000U,
    STATE_IS_DOCUMENT = 0x00020000U,
    STATE_IS_NETWORK = 0x00040000U,
    STATE_IS_WINDOW = 0x00080000U,
    STATE_IS_INSECURE = 0x00000004U,
    STATE_IS_BROKEN = 0x00000001U,
    STATE_IS_SECURE = 0x00000002U,
    STATE_SECURE_HIGH = 0x00040000U,
    STATE_SECURE_MED = 0x00010000U,
    STATE_SECURE_LOW = 0x00020000U
  };

  NS_IMETHOD OnStateChange(nsIWebProgress* aWebProgress, nsIRequest* aRequest, PRUint32 aStateFlags,
                           nsresult aStatus) = 0;
  NS_IMETHOD OnProgressChange(nsIWebProgress* aWebProgress, nsIRequest* aRequest, PRInt32 aCurSelfProgress,
                              PRInt32 aMaxSelfProgress, PRInt32 aCurTotalProgress, PRInt32 aMaxTotalProgress) = 0;
  NS_IMETHOD OnLocationChange(nsIWebProgress* aWebProgress, nsIRequest* aRequest, nsIURI* location) = 0;
  NS_IMETHOD OnStatusChange(nsIWebProgress* aWebProgress, nsIRequest* aRequest, nsresult aStatus,
                            const PRUnichar* aMessage) = 0;
  NS_IMETHOD OnSecurityChange(nsIWebProgress* aWebProgress, nsIRequest* aRequest, PRUint32 state) = 0;

 protected:
  ~nsIWebProgressListener() = default;
};
