// A docshell: the shell of one engine window or frame (a content docshell), or the
// chrome docshell of a XUL window. It navigates its window through the engine, reports
// the window's loads as web progress (to its own listeners, then up the docshell tree to
// the document loader service), and answers the tree, title and interface questions as
// Gecko's docshells do. A content docshell's title is its document's title.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dom_object.h"
#include "nsIBaseWindow.h"
#include "nsIDocShell.h"
#include "nsIDocShellTreeItem.h"
#include "nsIDocShellTreeNode.h"
#include "nsIInterfaceRequestor.h"
#include "nsIWebNavigation.h"
#include "nsIWebProgress.h"
#include "nsString.h"
#include "shell_progress.h"

namespace engine {
class Window;
}

namespace gecko {

class Shells;
class XULWindow;

class DocShell final : public nsIDocShell,
                       public nsIDocShellTreeItem,
                       public nsIDocShellTreeNode,
                       public nsIBaseWindow,
                       public nsIInterfaceRequestor,
                       public nsIWebNavigation,
                       public nsIWebProgress,
                       public DomObject {
 public:
  // Browser thread. A content docshell shows `window`; a chrome docshell belongs to the
  // XUL window of the top-level window `window` (a browser window, whose content shell is
  // its only child, or a dialog's window) and shows the chrome document of `view`.
  static nsCOMPtr<DocShell> content(const std::shared_ptr<Shells>& shells,
                                    const std::shared_ptr<engine::Window>& window);
  static nsCOMPtr<DocShell> chrome(const std::shared_ptr<Shells>& shells, const std::shared_ptr<engine::Window>& top,
                                   const std::string& title, const std::shared_ptr<engine::Window>& view);

  GECKO_DOM_ISUPPORTS
  nsISupports* canonical() override { return static_cast<nsIDocShell*>(this); }

  // --- browser thread, from the shells
  std::shared_ptr<engine::Window> window() const { return window_.lock(); }
  bool isChrome() const { return chrome_; }
  bool loadingDocument() const { return loadingDocument_; }
  void loadStarted();
  void documentArrived(const std::string& url);
  void loadCompleted();
  // A chrome shell's document (a dialog's) is shown at once: its whole load is reported.
  void chromeDocumentShown(const std::string& url);
  void documentTitleChanged() { titleOverride_.reset(); }
  void markDestroyed() { destroyed_ = true; }
  // The docshell above this one (the parent frame's, or the chrome docshell for the top
  // content shell), or null.
  nsCOMPtr<DocShell> parentShell() const;
  std::vector<nsCOMPtr<DocShell>> childShells() const;

  // --- nsIDocShell
  NS_IMETHOD LoadURI(nsIURI* uri, nsIDocShellLoadInfo* loadInfo, PRUint32 aLoadFlags, PRBool firstParty) override;
  NS_IMETHOD LoadStream(nsIInputStream* aStream, nsIURI* aURI, const nsACString& aContentType,
                        const nsACString& aContentCharset, nsIDocShellLoadInfo* aLoadInfo) override;
  NS_IMETHOD InternalLoad(nsIURI* aURI, nsIURI* aReferrer, nsISupports* aOwner, PRBool aInheritOwner,
                          const PRUnichar* aWindowTarget, const char* aTypeHint, nsIInputStream* aPostDataStream,
                          nsIInputStream* aHeadersStream, PRUint32 aLoadFlags, nsISHEntry* aSHEntry, PRBool firstParty,
                          nsIDocShell** aDocShell, nsIRequest** aRequest) override;
  NS_IMETHOD CreateLoadInfo(nsIDocShellLoadInfo** loadInfo) override;
  NS_IMETHOD PrepareForNewContentModel(void) override;
  NS_IMETHOD SetCurrentURI(nsIURI* aURI) override;
  NS_IMETHOD FireUnloadNotification(void) override;
  NS_IMETHOD GetPresContext(nsIPresContext** aPresContext) override;
  NS_IMETHOD GetPresShell(nsIPresShell** aPresShell) override;
  NS_IMETHOD GetEldestPresShell(nsIPresShell** aEldestPresShell) override;
  NS_IMETHOD GetContentViewer(nsIContentViewer** aContentViewer) override;
  NS_IMETHOD GetChromeEventHandler(nsIChromeEventHandler** aChromeEventHandler) override;
  NS_IMETHOD SetChromeEventHandler(nsIChromeEventHandler* aChromeEventHandler) override;
  NS_IMETHOD GetParentURIContentListener(nsIURIContentListener** aParentURIContentListener) override;
  NS_IMETHOD SetParentURIContentListener(nsIURIContentListener* aParentURIContentListener) override;
  NS_IMETHOD GetDocumentCharsetInfo(nsIDocumentCharsetInfo** aDocumentCharsetInfo) override;
  NS_IMETHOD SetDocumentCharsetInfo(nsIDocumentCharsetInfo* aDocumentCharsetInfo) override;
  NS_IMETHOD GetAllowPlugins(PRBool* aAllowPlugins) override { return get(aAllowPlugins, allowPlugins_); }
  NS_IMETHOD SetAllowPlugins(PRBool aAllowPlugins) override { return set(allowPlugins_, aAllowPlugins); }
  NS_IMETHOD GetAllowJavascript(PRBool* aAllowJavascript) override { return get(aAllowJavascript, allowJavascript_); }
  NS_IMETHOD SetAllowJavascript(PRBool aAllowJavascript) override { return set(allowJavascript_, aAllowJavascript); }
  NS_IMETHOD GetAllowMetaRedirects(PRBool* a) override { return get(a, allowMetaRedirects_); }
  NS_IMETHOD SetAllowMetaRedirects(PRBool a) override { return set(allowMetaRedirects_, a); }
  NS_IMETHOD GetAllowSubframes(PRBool* a) override { return get(a, allowSubframes_); }
  NS_IMETHOD SetAllowSubframes(PRBool a) override { return set(allowSubframes_, a); }
  NS_IMETHOD GetAllowImages(PRBool* a) override { return get(a, allowImages_); }
  NS_IMETHOD SetAllowImages(PRBool a) override { return set(allowImages_, a); }
  NS_IMETHOD GetDocShellEnumerator(PRInt32 aItemType, PRInt32 aDirection, nsISimpleEnumerator** _retval) override;
  NS_IMETHOD GetAppType(PRUint32* aAppType) override { return get(aAppType, appType_); }
  NS_IMETHOD SetAppType(PRUint32 aAppType) override { return set(appType_, aAppType); }
  NS_IMETHOD GetAllowAuth(PRBool* a) override { return get(a, allowAuth_); }
  NS_IMETHOD SetAllowAuth(PRBool a) override { return set(allowAuth_, a); }
  NS_IMETHOD GetZoom(float* aZoom) override { return get(aZoom, zoom_); }
  NS_IMETHOD SetZoom(float aZoom) override { return set(zoom_, aZoom); }
  NS_IMETHOD GetMarginWidth(PRInt32* a) override { return get(a, marginWidth_); }
  NS_IMETHOD SetMarginWidth(PRInt32 a) override { return set(marginWidth_, a); }
  NS_IMETHOD GetMarginHeight(PRInt32* a) override { return get(a, marginHeight_); }
  NS_IMETHOD SetMarginHeight(PRInt32 a) override { return set(marginHeight_, a); }
  NS_IMETHOD GetHasFocus(PRBool* a) override { return get(a, hasFocus_); }
  NS_IMETHOD SetHasFocus(PRBool a) override { return set(hasFocus_, a); }
  NS_IMETHOD GetCanvasHasFocus(PRBool* a) override { return get(a, canvasHasFocus_); }
  NS_IMETHOD SetCanvasHasFocus(PRBool a) override { return set(canvasHasFocus_, a); }
  NS_IMETHOD TabToTreeOwner(PRBool forward, PRBool* tookFocus) override;
  NS_IMETHOD GetBusyFlags(PRUint32* aBusyFlags) override;
  NS_IMETHOD GetLoadType(PRUint32* aLoadType) override { return get(aLoadType, loadType_); }
  NS_IMETHOD SetLoadType(PRUint32 aLoadType) override { return set(loadType_, aLoadType); }
  NS_IMETHOD IsBeingDestroyed(PRBool* _retval) override;
  NS_IMETHOD GetIsExecutingOnLoadHandler(PRBool* aIsExecutingOnLoadHandler) override;
  NS_IMETHOD GetLayoutHistoryState(nsILayoutHistoryState** aLayoutHistoryState) override;
  NS_IMETHOD SetLayoutHistoryState(nsILayoutHistoryState* aLayoutHistoryState) override;
  NS_IMETHOD GetShouldSaveLayoutState(PRBool* aShouldSaveLayoutState) override;

  // --- nsIDocShellTreeItem
  NS_IMETHOD GetName(PRUnichar** aName) override;
  NS_IMETHOD SetName(const PRUnichar* aName) override;
  NS_IMETHOD NameEquals(const PRUnichar* name, PRBool* _retval) override;
  NS_IMETHOD GetItemType(PRInt32* aItemType) override;
  NS_IMETHOD SetItemType(PRInt32 aItemType) override;
  NS_IMETHOD GetParent(nsIDocShellTreeItem** aParent) override;
  NS_IMETHOD SetParent(nsIDocShellTreeItem* aParent) override;
  NS_IMETHOD GetSameTypeParent(nsIDocShellTreeItem** aSameTypeParent) override;
  NS_IMETHOD GetRootTreeItem(nsIDocShellTreeItem** aRootTreeItem) override;
  NS_IMETHOD GetSameTypeRootTreeItem(nsIDocShellTreeItem** aSameTypeRootTreeItem) override;
  NS_IMETHOD FindItemWithName(const PRUnichar* name, nsISupports* aRequestor, nsIDocShellTreeItem** _retval) override;
  NS_IMETHOD GetTreeOwner(nsIDocShellTreeOwner** aTreeOwner) override;
  NS_IMETHOD SetTreeOwner(nsIDocShellTreeOwner* aTreeOwner) override;
  NS_IMETHOD GetChildOffset(PRInt32* aChildOffset) override;
  NS_IMETHOD SetChildOffset(PRInt32 aChildOffset) override;

  // --- nsIDocShellTreeNode
  NS_IMETHOD GetChildCount(PRInt32* aChildCount) override;
  NS_IMETHOD AddChild(nsIDocShellTreeItem* child) override;
  NS_IMETHOD RemoveChild(nsIDocShellTreeItem* child) override;
  NS_IMETHOD GetChildAt(PRInt32 index, nsIDocShellTreeItem** _retval) override;
  NS_IMETHOD FindChildWithName(const PRUnichar* aName, PRBool aRecurse, PRBool aSameType,
                               nsIDocShellTreeItem* aRequestor, nsIDocShellTreeItem** _retval) override;

  // --- nsIBaseWindow
  NS_IMETHOD InitWindow(nativeWindow parentNativeWindow, nsIWidget* parentWidget, PRInt32 x, PRInt32 y, PRInt32 cx,
                        PRInt32 cy) override;
  NS_IMETHOD Create(void) override;
  NS_IMETHOD Destroy(void) override;
  NS_IMETHOD SetPosition(PRInt32 x, PRInt32 y) override;
  NS_IMETHOD GetPosition(PRInt32* x, PRInt32* y) override;
  NS_IMETHOD SetSize(PRInt32 cx, PRInt32 cy, PRBool fRepaint) override;
  NS_IMETHOD GetSize(PRInt32* cx, PRInt32* cy) override;
  NS_IMETHOD SetPositionAndSize(PRInt32 x, PRInt32 y, PRInt32 cx, PRInt32 cy, PRBool fRepaint) override;
  NS_IMETHOD GetPositionAndSize(PRInt32* x, PRInt32* y, PRInt32* cx, PRInt32* cy) override;
  NS_IMETHOD Repaint(PRBool force) override;
  NS_IMETHOD GetParentWidget(nsIWidget** aParentWidget) override;
  NS_IMETHOD SetParentWidget(nsIWidget* aParentWidget) override;
  NS_IMETHOD GetParentNativeWindow(nativeWindow* aParentNativeWindow) override;
  NS_IMETHOD SetParentNativeWindow(nativeWindow aParentNativeWindow) override;
  NS_IMETHOD GetVisibility(PRBool* aVisibility) override { return get(aVisibility, visibility_); }
  NS_IMETHOD SetVisibility(PRBool aVisibility) override { return set(visibility_, aVisibility); }
  NS_IMETHOD GetEnabled(PRBool* aEnabled) override { return get(aEnabled, enabled_); }
  NS_IMETHOD SetEnabled(PRBool aEnabled) override { return set(enabled_, aEnabled); }
  NS_IMETHOD GetBlurSuppression(PRBool* a) override { return get(a, blurSuppression_); }
  NS_IMETHOD SetBlurSuppression(PRBool a) override { return set(blurSuppression_, a); }
  NS_IMETHOD GetMainWidget(nsIWidget** aMainWidget) override;
  NS_IMETHOD SetFocus(void) override;
  NS_IMETHOD GetTitle(PRUnichar** aTitle) override;
  NS_IMETHOD SetTitle(const PRUnichar* aTitle) override;

  // --- nsIInterfaceRequestor
  NS_IMETHOD GetInterface(const nsIID& uuid, void** result) override;

  // --- nsIWebNavigation
  NS_IMETHOD GetCanGoBack(PRBool* aCanGoBack) override;
  NS_IMETHOD GetCanGoForward(PRBool* aCanGoForward) override;
  NS_IMETHOD GoBack(void) override;
  NS_IMETHOD GoForward(void) override;
  NS_IMETHOD GotoIndex(PRInt32 index) override;
  NS_IMETHOD LoadURI(const PRUnichar* uri, PRUint32 loadFlags, nsIURI* referrer, nsIInputStream* postData,
                     nsIInputStream* headers) override;
  NS_IMETHOD Reload(PRUint32 reloadFlags) override;
  NS_IMETHOD Stop(PRUint32 stopFlags) override;
  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) override;
  NS_IMETHOD GetCurrentURI(nsIURI** aCurrentURI) override;
  NS_IMETHOD GetReferringURI(nsIURI** aReferringURI) override;
  NS_IMETHOD GetSessionHistory(nsISHistory** aSessionHistory) override;
  NS_IMETHOD SetSessionHistory(nsISHistory* aSessionHistory) override;

  // --- nsIWebProgress
  NS_IMETHOD AddProgressListener(nsIWebProgressListener* listener, PRUint32 aNotifyMask) override;
  NS_IMETHOD RemoveProgressListener(nsIWebProgressListener* listener) override;
  NS_IMETHOD GetDOMWindow(nsIDOMWindow** aDOMWindow) override;
  NS_IMETHOD GetIsLoadingDocument(PRBool* aIsLoadingDocument) override;

 private:
  DocShell(const std::shared_ptr<Shells>& shells, const std::shared_ptr<engine::Window>& window, bool chrome);
  ~DocShell() override = default;
  void* queryInterface(const nsIID& iid) override;

  template <class T, class U>
  nsresult get(T* out, const U& field) {
    if (!out) return NS_ERROR_NULL_POINTER;
    return session().carry([&]() -> nsresult {
      *out = field;
      return NS_OK;
    });
  }
  template <class T, class U>
  nsresult set(T& field, U value) {
    return session().carry([&]() -> nsresult {
      field = value;
      return NS_OK;
    });
  }
  // Runs `body(shells, window)` on the browser thread; NS_ERROR_FAILURE once the window
  // or the browser's shells are gone.
  template <class Body>
  nsresult withWindow(Body&& body);
  // Sends a state change from this docshell up the tree to the document loader service.
  void fireState(PRUint32 stateFlags, nsresult status);
  void fireLocation(nsIURI* location);
  nsCOMPtr<XULWindow> xulWindow() const;
  nsCOMPtr<DocShell> sameTypeRoot();
  nsCOMPtr<DocShell> findChild(const std::string& name, bool recurse, bool sameType, nsISupports* requestor);
  nsCOMPtr<DocShell> findItem(const std::string& name, nsISupports* requestor, bool askParent);
  std::string currentTitle() const;

  std::weak_ptr<Shells> shells_;
  std::weak_ptr<engine::Window> window_;
  const bool chrome_;
  ProgressListeners listeners_;
  // Browser thread only from here on.
  PRInt32 itemType_;
  std::string chromeTitle_;
  std::optional<std::string> titleOverride_;  // set by SetTitle until the document's title changes
  std::weak_ptr<engine::Window> chromeView_;  // a chrome shell's window showing the chrome document
  bool loadingDocument_ = false;
  bool destroyed_ = false;
  PRUint32 busyFlags_ = BUSY_FLAGS_NONE;
  PRUint32 loadType_ = LOAD_CMD_NORMAL;
  PRUint32 pendingReloadFlags_ = 0;
  PRBool allowPlugins_ = PR_TRUE, allowJavascript_ = PR_TRUE, allowMetaRedirects_ = PR_TRUE, allowSubframes_ = PR_TRUE,
         allowImages_ = PR_TRUE, allowAuth_ = PR_TRUE;
  PRUint32 appType_ = APP_TYPE_UNKNOWN;
  float zoom_ = 1.0f;
  PRInt32 marginWidth_ = -1, marginHeight_ = -1;
  PRBool hasFocus_ = PR_FALSE, canvasHasFocus_ = PR_FALSE;
  PRBool visibility_ = PR_TRUE, enabled_ = PR_TRUE, blurSuppression_ = PR_FALSE;
  PRInt32 x_ = 0, y_ = 0, cx_ = 0, cy_ = 0;
  nativeWindow parentNativeWindow_ = nullptr;

  friend class Shells;
};

}  // namespace gecko
