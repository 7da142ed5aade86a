// nsIDocShell (Gecko 1.7 docshell/base/nsIDocShell.idl).
#pragma once

#include "nsAString.h"
#include "nsISupports.h"

class nsIChromeEventHandler;
class nsIContentViewer;
class nsIDocShellLoadInfo;
class nsIDocumentCharsetInfo;
class nsIInputStream;
class nsILayoutHistoryState;
class nsIPresContext;
class nsIPresShell;
class nsIRequest;
class nsISHEntry;
class nsISimpleEnumerator;
class nsIURI;
class nsIURIContentListener;

#define NS_IDOCSHELL_IID \
  { 0x69e5de00, 0x7b8b, 0x11d3, { 0xaf, 0x61, 0x00, 0xa0, 0x24, 0xff, 0xc0, 0x8c } }

class NS_NO_VTABLE nsIDocShell : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOCSHELL_IID)

  NS_IMETHOD LoadURI(nsIURI* uri, nsIDocShellLoadInfo* loadInfo, PRUint32 aLoadFlags, PRBool firstParty) = 0;
  NS_IMETHOD LoadStream(nsIInputStream* aStream, nsIURI* aURI, const nsACString& aContentType,
                        const nsACString& aContentCharset, nsIDocShellLoadInfo* aLoadInfo) = 0;
  NS_IMETHOD InternalLoad(nsIURI* aURI, nsIURI* aReferrer, nsISupports* aOwner, PRBool aInheritOwner,
                          const PRUnichar* aWindowTarget, const char* aTypeHint, nsIInputStream* aPostDataStream,
                          nsIInputStream* aHeadersStream, PRUint32 aLoadFlags, nsISHEntry* aSHEntry, PRBool firstParty,
                          nsIDocShell** aDocShell, nsIRequest** aRequest) = 0;
  NS_IMETHOD CreateLoadInfo(nsIDocShellLoadInfo** loadInfo) = 0;
  NS_IMETHOD PrepareForNewContentModel(void) = 0;
  NS_IMETHOD SetCurrentURI(nsIURI* aURI) = 0;
  NS_IMETHOD FireUnloadNotification(void) = 0;
  NS_IMETHOD GetPresContext(nsIPresContext** aPresContext) = 0;
  NS_IMETHOD GetPresShell(nsIPresShell** aPresShell) = 0;
  NS_IMETHOD GetEldestPresShell(nsIPresShell** aEldestPresShell) = 0;
  NS_IMETHOD GetContentViewer(nsIContentViewer** aContentViewer) = 0;
  NS_IMETHOD GetChromeEventHandler(nsIChromeEventHandler** aChromeEventHandler) = 0;
  NS_IMETHOD SetChromeEventHandler(nsIChromeEventHandler* aChromeEventHandler) = 0;
  NS_IMETHOD GetParentURIContentListener(nsIURIContentListener** aParentURIContentListener) = 0;
  NS_IMETHOD SetParentURIContentListener(nsIURIContentListener* aParentURIContentListener) = 0;
  NS_IMETHOD GetDocumentCharsetInfo(nsIDocumentCharsetInfo** aDocumentCharsetInfo) = 0;
  NS_IMETHOD SetDocumentCharsetInfo(nsIDocumentCharsetInfo* aDocumentCharsetInfo) = 0;
  NS_IMETHOD GetAllowPlugins(PRBool* aAllowPlugins) = 0;
  NS_IMETHOD SetAllowPlugins(PRBool aAllowPlugins) = 0;
  NS_IMETHOD GetAllowJavascript(PRBool* aAllowJavascript) = 0;
  NS_IMETHOD SetAllowJavascript(PRBool aAllowJavascript) = 0;
  NS_IMETHOD GetAllowMetaRedirects(PRBool* aAllowMetaRedirects) = 0;
  NS_IMETHOD SetAllowMetaRedirects(PRBool aAllowMetaRedirects) = 0;
  NS_IMETHOD GetAllowSubframes(PRBool* aAllowSubframes) = 0;
  NS_IMETHOD SetAllowSubframes(PRBool aAllowSubframes) = 0;
  NS_IMETHOD GetAllowImages(PRBool* aAllowImages) = 0;
  NS_IMETHOD SetAllowImages(PRBool aAllowImages) = 0;
  enum { ENUMERATE_FORWARDS = 0U, ENUMERATE_BACKWARDS = 1U };

  NS_IMETHOD GetDocShellEnumerator(PRInt32 aItemType, PRInt32 aDirection, nsISimpleEnumerator** _retval) = 0;
  enum { APP_TYPE_UNKNOWN = 0U, APP_TYPE_MAIL = 1U };

  NS_IMETHOD GetAppType(PRUint32* aAppType) = 0;
  NS_IMETHOD SetAppType(PRUint32 aAppType) = 0;
  NS_IMETHOD GetAllowAuth(PRBool* aAllowAuth) = 0;
  NS_IMETHOD SetAllowAuth(PRBool aAllowAuth) = 0;
  NS_IMETHOD GetZoom(float* aZoom) = 0;
  NS_IMETHOD SetZoom(float aZoom) = 0;
  NS_IMETHOD GetMarginWidth(PRInt32* aMarginWidth) = 0;
  NS_IMETHOD SetMarginWidth(PRInt32 aMarginWidth) = 0;
  NS_IMETHOD GetMarginHeight(PRInt32* aMarginHeight) = 0;
  NS_IMETHOD SetMarginHeight(PRInt32 aMarginHeight) = 0;
  NS_IMETHOD GetHasFocus(PRBool* aHasFocus) = 0;
  NS_IMETHOD SetHasFocus(PRBool aHasFocus) = 0;
  NS_IMETHOD GetCanvasHasFocus(PRBool* aCanvasHasFocus) = 0;
  NS_IMETHOD SetCanvasHasFocus(PRBool aCanvasHasFocus) = 0;
  NS_IMETHOD TabToTreeOwner(PRBool forward, PRBool* tookFocus) = 0;
  enum {
    BUSY_FLAGS_NONE = 0U,
    BUSY_FLAGS_BUSY = 1U,
    BUSY_FLAGS_BEFORE_PAGE_LOAD = 2U,
    BUSY_FLAGS_PAGE_LOADING = 4U,
    LOAD_CMD_NORMAL = 0x1U,
    LOAD_CMD_RELOAD = 0x2U,
    LOAD_CMD_HISTORY = 0x4U
  };

  NS_IMETHOD GetBusyFlags(PRUint32* aBusyFlags) = 0;
  NS_IMETHOD GetLoadType(PRUint32* aLoadType) = 0;
  NS_IMETHOD SetLoadType(PRUint32 aLoadType) = 0;
  NS_IMETHOD IsBeingDestroyed(PRBool* _retval) = 0;
  NS_IMETHOD GetIsExecutingOnLoadHandler(PRBool* aIsExecutingOnLoadHandler) = 0;
  NS_IMETHOD GetLayoutHistoryState(nsILayoutHistoryState** aLayoutHistoryState) = 0;
  NS_IMETHOD SetLayoutHistoryState(nsILayoutHistoryState* aLayoutHistoryState) = 0;
  NS_IMETHOD GetShouldSaveLayoutState(PRBool* aShouldSaveLayoutState) = 0;

 protected:
  ~nsIDocShell() = default;
};
