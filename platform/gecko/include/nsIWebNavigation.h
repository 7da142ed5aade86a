// nsIWebNavigation (Gecko 1.7 docshell/base/nsIWebNavigation.idl).
#pragma once

#include "nsISupports.h"

class nsIDOMDocument;
class nsIInputStream;
class nsISHistory;
class nsIURI;

#define NS_IWEBNAVIGATION_IID \
  { 0xf5d9e7b0, 0xd930, 0x11d3, { 0xb0, 0x57, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c } }

class NS_NO_VTABLE nsIWebNavigation : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IWEBNAVIGATION_IID)

  NS_IMETHOD GetCanGoBack(PRBool* aCanGoBack) = 0;
  NS_IMETHOD GetCanGoForward(PRBool* aCanGoForward) = 0;
  NS_IMETHOD GoBack(void) = 0;
  NS_IMETHOD GoForward(void) = 0;
  NS_IMETHOD GotoIndex(PRInt32 index) = 0;
  enum {
    LOAD_FLAGS_MASK = 0xffffU,
    LOAD_FLAGS_NONE = 0x0000U,
    LOAD_FLAGS_IS_REFRESH = 0x0010U,
    LOAD_FLAGS_IS_LINK = 0x0020U,
    LOAD_FLAGS_BYPASS_HISTORY = 0x0040U,
    LOAD_FLAGS_REPLACE_HISTORY = 0x0080U,
    LOAD_FLAGS_BYPASS_CACHE = 0x0100U,
    LOAD_FLAGS_BYPASS_PROXY = 0x0200U,
    LOAD_FLAGS_CHARSET_CHANGE = 0x0400U
  };

  NS_IMETHOD LoadURI(const PRUnichar* uri, PRUint32 loadFlags, nsIURI* referrer, nsIInputStream* postData,
                     nsIInputStream* headers) = 0;
  NS_IMETHOD Reload(PRUint32 reloadFlags) = 0;
  enum { STOP_NETWORK = 0x01U, STOP_CONTENT = 0x02U, STOP_ALL = 0x03U };

  NS_IMETHOD Stop(PRUint32 stopFlags) = 0;
  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) = 0;
  NS_IMETHOD GetCurrentURI(nsIURI** aCurrentURI) = 0;
  NS_IMETHOD GetReferringURI(nsIURI** aReferringURI) = 0;
  NS_IMETHOD GetSessionHistory(nsISHistory** aSessionHistory) = 0;
  NS_IMETHOD SetSessionHistory(nsISHistory* aSessionHistory) = 0;

 protected:
  ~nsIWebNavigation() = default;
};
