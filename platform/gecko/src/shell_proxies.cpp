// Synchronous XPCOM proxies for the shell interfaces that other threads call on the UI
// thread (a reload, a load, Back and Forward through a UI-thread proxy, ...): each
// method is carried to the proxy's thread while the caller waits.
#include "nsIBaseWindow.h"
#include "nsIDocShellTreeItem.h"
#include "nsISHistory.h"
#include "nsIWebNavigation.h"
#include "nsIWebProgress.h"
#include "nsIXULWindow.h"
#include "platform_internal/xpcom_proxy.h"

namespace gecko {
namespace {
class IWebNavigationProxy final : public xpcom::proxy::Proxy<nsIWebNavigation> {
 public:
  using Proxy::Proxy;

  NS_IMETHOD GetCanGoBack(PRBool* aCanGoBack) override {
    return Proxy::Forward([&] { return Real()->GetCanGoBack(aCanGoBack); });
  }

  NS_IMETHOD GetCanGoForward(PRBool* aCanGoForward) override {
    return Proxy::Forward([&] { return Real()->GetCanGoForward(aCanGoForward); });
  }

  NS_IMETHOD GoBack(void) override {
    return Proxy::Forward([&] { return Real()->GoBack(); });
  }

  NS_IMETHOD GoForward(void) override {
    return Proxy::Forward([&] { return Real()->GoForward(); });
  }

  NS_IMETHOD GotoIndex(PRInt32 index) override {
    return Proxy::Forward([&] { return Real()->GotoIndex(index); });
  }

  NS_IMETHOD LoadURI(const PRUnichar* uri, PRUint32 loadFlags, nsIURI* referrer, nsIInputStream* postData,
                     nsIInputStream* headers) override {
    return Proxy::Forward([&] { return Real()->LoadURI(uri, loadFlags, referrer, postData, headers); });
  }

  NS_IMETHOD Reload(PRUint32 reloadFlags) override {
    return Proxy::Forward([&] { return Real()->Reload(reloadFlags); });
  }

  NS_IMETHOD Stop(PRUint32 stopFlags) override {
    return Proxy::Forward([&] { return Real()->Stop(stopFlags); });
  }

  NS_IMETHOD GetDocument(nsIDOMDocument** aDocument) override {
    return Proxy::Forward([&] { return Real()->GetDocument(aDocument); });
  }

  NS_IMETHOD GetCurrentURI(nsIURI** aCurrentURI) override {
    return Proxy::Forward([&] { return Real()->GetCurrentURI(aCurrentURI); });
  }

  NS_IMETHOD GetReferringURI(nsIURI** aReferringURI) override {
    return Proxy::Forward([&] { return Real()->GetReferringURI(aReferringURI); });
  }

  NS_IMETHOD GetSessionHistory(nsISHistory** aSessionHistory) override {
    return Proxy::Forward([&] { return Real()->GetSessionHistory(aSessionHistory); });
  }

  NS_IMETHOD SetSessionHistory(nsISHistory* aSessionHistory) override {
    return Proxy::Forward([&] { return Real()->SetSessionHistory(aSessionHistory); });
  }
};
XPCOM_PROXY_REGISTER(nsIWebNavigation, IWebNavigationProxy)

class ISHistoryProxy final : public xpcom::proxy::Proxy<nsISHistory> {
 public:
  using Proxy::Proxy;

  NS_IMETHOD GetCount(PRInt32* aCount) override {
    return Proxy::Forward([&] { return Real()->GetCount(aCount); });
  }

  NS_IMETHOD GetIndex(PRInt32* aIndex) override {
    return Proxy::Forward([&] { return Real()->GetIndex(aIndex); });
  }

  NS_IMETHOD GetMaxLength(PRInt32* aMaxLength) override {
    return Proxy::Forward([&] { return Real()->GetMaxLength(aMaxLength); });
  }

  NS_IMETHOD SetMaxLength(PRInt32 aMaxLength) override {
    return Proxy::Forward([&] { return Real()->SetMaxLength(aMaxLength); });
  }

  NS_IMETHOD GetEntryAtIndex(PRInt32 index, PRBool modifyIndex, nsIHistoryEntry** _retval) override {
    return Proxy::Forward([&] { return Real()->GetEntryAtIndex(index, modifyIndex, _retval); });
  }

  NS_IMETHOD PurgeHistory(PRInt32 numEntries) override {
    return Proxy::Forward([&] { return Real()->PurgeHistory(numEntries); });
  }

  NS_IMETHOD AddSHistoryListener(nsISHistoryListener* aListener) override {
    return Proxy::Forward([&] { return Real()->AddSHistoryListener(aListener); });
  }

  NS_IMETHOD RemoveSHistoryListener(nsISHistoryListener* aListener) override {
    return Proxy::Forward([&] { return Real()->RemoveSHistoryListener(aListener); });
  }

  NS_IMETHOD GetSHistoryEnumerator(nsISimpleEnumerator** aSHistoryEnumerator) override {
    return Proxy::Forward([&] { return Real()->GetSHistoryEnumerator(aSHistoryEnumerator); });
  }
};
XPCOM_PROXY_REGISTER(nsISHistory, ISHistoryProxy)

class IWebProgressProxy final : public xpcom::proxy::Proxy<nsIWebProgress> {
 public:
  using Proxy::Proxy;

  NS_IMETHOD AddProgressListener(nsIWebProgressListener* listener, PRUint32 aNotifyMask) override {
    return Proxy::Forward([&] { return Real()->AddProgressListener(listener, aNotifyMask); });
  }

  NS_IMETHOD RemoveProgressListener(nsIWebProgressListener* listener) override {
    return Proxy::Forward([&] { return Real()->RemoveProgressListener(listener); });
  }

  NS_IMETHOD GetDOMWindow(nsIDOMWindow** aDOMWindow) override {
    return Proxy::Forward([&] { return Real()->GetDOMWindow(aDOMWindow); });
  }

  NS_IMETHOD GetIsLoadingDocument(PRBool* aIsLoadingDocument) override {
    return Proxy::Forward([&] { return Real()->GetIsLoadingDocument(aIsLoadingDocument); });
  }
};
XPCOM_PROXY_REGISTER(nsIWebProgress, IWebProgressProxy)

class IBaseWindowProxy final : public xpcom::proxy::Proxy<nsIBaseWindow> {
 public:
  using Proxy::Proxy;

  NS_IMETHOD InitWindow(nativeWindow parentNativeWindow, nsIWidget* parentWidget, PRInt32 x, PRInt32 y, PRInt32 cx,
                        PRInt32 cy) override {
    return Proxy::Forward([&] { return Real()->InitWindow(parentNativeWindow, parentWidget, x, y, cx, cy); });
  }

  NS_IMETHOD Create(void) override {
    return Proxy::Forward([&] { return Real()->Create(); });
  }

  NS_IMETHOD Destroy(void) override {
    return Proxy::Forward([&] { return Real()->Destroy(); });
  }

  NS_IMETHOD SetPosition(PRInt32 x, PRInt32 y) override {
    return Proxy::Forward([&] { return Real()->SetPosition(x, y); });
  }

  NS_IMETHOD GetPosition(PRInt32* x, PRInt32* y) override {
    return Proxy::Forward([&] { return Real()->GetPosition(x, y); });
  }

  NS_IMETHOD SetSize(PRInt32 cx, PRInt32 cy, PRBool fRepaint) override {
    return Proxy::Forward([&] { return Real()->SetSize(cx, cy, fRepaint); });
  }

  NS_IMETHOD GetSize(PRInt32* cx, PRInt32* cy) override {
    return Proxy::Forward([&] { return Real()->GetSize(cx, cy); });
  }

  NS_IMETHOD SetPositionAndSize(PRInt32 x, PRInt32 y, PRInt32 cx, PRInt32 cy, PRBool fRepaint) override {
    return Proxy::Forward([&] { return Real()->SetPositionAndSize(x, y, cx, cy, fRepaint); });
  }

  NS_IMETHOD GetPositionAndSize(PRInt32* x, PRInt32* y, PRInt32* cx, PRInt32* cy) override {
    return Proxy::Forward([&] { return Real()->GetPositionAndSize(x, y, cx, cy); });
  }

  NS_IMETHOD Repaint(PRBool force) override {
    return Proxy::Forward([&] { return Real()->Repaint(force); });
  }

  NS_IMETHOD GetParentWidget(nsIWidget** aParentWidget) override {
    return Proxy::Forward([&] { return Real()->GetParentWidget(aParentWidget); });
  }

  NS_IMETHOD SetParentWidget(nsIWidget* aParentWidget) override {
    return Proxy::Forward([&] { return Real()->SetParentWidget(aParentWidget); });
  }

  NS_IMETHOD GetParentNativeWindow(nativeWindow* aParentNativeWindow) override {
    return Proxy::Forward([&] { return Real()->GetParentNativeWindow(aParentNativeWindow); });
  }

  NS_IMETHOD SetParentNativeWindow(nativeWindow aParentNativeWindow) override {
    return Proxy::Forward([&] { return Real()->SetParentNativeWindow(aParentNativeWindow); });
  }

  NS_IMETHOD GetVisibility(PRBool* aVisibility) override {
    return Proxy::Forward([&] { return Real()->GetVisibility(aVisibility); });
  }

  NS_IMETHOD SetVisibility(PRBool aVisibility) override {
    return Proxy::Forward([&] { return Real()->SetVisibility(aVisibility); });
  }

  NS_IMETHOD GetEnabled(PRBool* aEnabled) override {
    return Proxy::Forward([&] { return Real()->GetEnabled(aEnabled); });
  }

  NS_IMETHOD SetEnabled(PRBool aEnabled) override {
    return Proxy::Forward([&] { return Real()->SetEnabled(aEnabled); });
  }

  NS_IMETHOD GetBlurSuppression(PRBool* aBlurSuppression) override {
    return Proxy::Forward([&] { return Real()->GetBlurSuppression(aBlurSuppression); });
  }

  NS_IMETHOD SetBlurSuppression(PRBool aBlurSuppression) override {
    return Proxy::Forward([&] { return Real()->SetBlurSuppression(aBlurSuppression); });
  }

  NS_IMETHOD GetMainWidget(nsIWidget** aMainWidget) override {
    return Proxy::Forward([&] { return Real()->GetMainWidget(aMainWidget); });
  }

  NS_IMETHOD SetFocus(void) override {
    return Proxy::Forward([&] { return Real()->SetFocus(); });
  }

  NS_IMETHOD GetTitle(PRUnichar** aTitle) override {
    return Proxy::Forward([&] { return Real()->GetTitle(aTitle); });
  }

  NS_IMETHOD SetTitle(const PRUnichar* aTitle) override {
    return Proxy::Forward([&] { return Real()->SetTitle(aTitle); });
  }
};
XPCOM_PROXY_REGISTER(nsIBaseWindow, IBaseWindowProxy)

class IXULWindowProxy final : public xpcom::proxy::Proxy<nsIXULWindow> {
 public:
  using Proxy::Proxy;

  NS_IMETHOD GetDocShell(nsIDocShell** aDocShell) override {
    return Proxy::Forward([&] { return Real()->GetDocShell(aDocShell); });
  }

  NS_IMETHOD GetIntrinsicallySized(PRBool* aIntrinsicallySized) override {
    return Proxy::Forward([&] { return Real()->GetIntrinsicallySized(aIntrinsicallySized); });
  }

  NS_IMETHOD SetIntrinsicallySized(PRBool aIntrinsicallySized) override {
    return Proxy::Forward([&] { return Real()->SetIntrinsicallySized(aIntrinsicallySized); });
  }

  NS_IMETHOD GetPrimaryContentShell(nsIDocShellTreeItem** aPrimaryContentShell) override {
    return Proxy::Forward([&] { return Real()->GetPrimaryContentShell(aPrimaryContentShell); });
  }

  NS_IMETHOD GetContentShellById(const PRUnichar* ID, nsIDocShellTreeItem** _retval) override {
    return Proxy::Forward([&] { return Real()->GetContentShellById(ID, _retval); });
  }

  NS_IMETHOD AddChildWindow(nsIXULWindow* aChild) override {
    return Proxy::Forward([&] { return Real()->AddChildWindow(aChild); });
  }

  NS_IMETHOD RemoveChildWindow(nsIXULWindow* aChild) override {
    return Proxy::Forward([&] { return Real()->RemoveChildWindow(aChild); });
  }

  NS_IMETHOD Center(nsIXULWindow* aRelative, PRBool aScreen, PRBool aAlert) override {
    return Proxy::Forward([&] { return Real()->Center(aRelative, aScreen, aAlert); });
  }

  NS_IMETHOD ShowModal(void) override {
    return Proxy::Forward([&] { return Real()->ShowModal(); });
  }

  NS_IMETHOD GetZLevel(PRUint32* aZLevel) override {
    return Proxy::Forward([&] { return Real()->GetZLevel(aZLevel); });
  }

  NS_IMETHOD SetZLevel(PRUint32 aZLevel) override {
    return Proxy::Forward([&] { return Real()->SetZLevel(aZLevel); });
  }

  NS_IMETHOD GetContextFlags(PRUint32* aContextFlags) override {
    return Proxy::Forward([&] { return Real()->GetContextFlags(aContextFlags); });
  }

  NS_IMETHOD SetContextFlags(PRUint32 aContextFlags) override {
    return Proxy::Forward([&] { return Real()->SetContextFlags(aContextFlags); });
  }

  NS_IMETHOD CreateNewWindow(PRInt32 aChromeFlags, nsIXULWindow** _retval) override {
    return Proxy::Forward([&] { return Real()->CreateNewWindow(aChromeFlags, _retval); });
  }
};
XPCOM_PROXY_REGISTER(nsIXULWindow, IXULWindowProxy)

class IDocShellTreeItemProxy final : public xpcom::proxy::Proxy<nsIDocShellTreeItem> {
 public:
  using Proxy::Proxy;

  NS_IMETHOD GetName(PRUnichar** aName) override {
    return Proxy::Forward([&] { return Real()->GetName(aName); });
  }

  NS_IMETHOD SetName(const PRUnichar* aName) override {
    return Proxy::Forward([&] { return Real()->SetName(aName); });
  }

  NS_IMETHOD NameEquals(const PRUnichar* name, PRBool* _retval) override {
    return Proxy::Forward([&] { return Real()->NameEquals(name, _retval); });
  }

  NS_IMETHOD GetItemType(PRInt32* aItemType) override {
    return Proxy::Forward([&] { return Real()->GetItemType(aItemType); });
  }

  NS_IMETHOD SetItemType(PRInt32 aItemType) override {
    return Proxy::Forward([&] { return Real()->SetItemType(aItemType); });
  }

  NS_IMETHOD GetParent(nsIDocShellTreeItem** aParent) override {
    return Proxy::Forward([&] { return Real()->GetParent(aParent); });
  }

  NS_IMETHOD SetParent(nsIDocShellTreeItem* aParent) override {
    return Proxy::Forward([&] { return Real()->SetParent(aParent); });
  }

  NS_IMETHOD GetSameTypeParent(nsIDocShellTreeItem** aSameTypeParent) override {
    return Proxy::Forward([&] { return Real()->GetSameTypeParent(aSameTypeParent); });
  }

  NS_IMETHOD GetRootTreeItem(nsIDocShellTreeItem** aRootTreeItem) override {
    return Proxy::Forward([&] { return Real()->GetRootTreeItem(aRootTreeItem); });
  }

  NS_IMETHOD GetSameTypeRootTreeItem(nsIDocShellTreeItem** aSameTypeRootTreeItem) override {
    return Proxy::Forward([&] { return Real()->GetSameTypeRootTreeItem(aSameTypeRootTreeItem); });
  }

  NS_IMETHOD FindItemWithName(const PRUnichar* name, nsISupports* aRequestor, nsIDocShellTreeItem** _retval) override {
    return Proxy::Forward([&] { return Real()->FindItemWithName(name, aRequestor, _retval); });
  }

  NS_IMETHOD GetTreeOwner(nsIDocShellTreeOwner** aTreeOwner) override {
    return Proxy::Forward([&] { return Real()->GetTreeOwner(aTreeOwner); });
  }

  NS_IMETHOD SetTreeOwner(nsIDocShellTreeOwner* aTreeOwner) override {
    return Proxy::Forward([&] { return Real()->SetTreeOwner(aTreeOwner); });
  }

  NS_IMETHOD GetChildOffset(PRInt32* aChildOffset) override {
    return Proxy::Forward([&] { return Real()->GetChildOffset(aChildOffset); });
  }

  NS_IMETHOD SetChildOffset(PRInt32 aChildOffset) override {
    return Proxy::Forward([&] { return Real()->SetChildOffset(aChildOffset); });
  }
};
XPCOM_PROXY_REGISTER(nsIDocShellTreeItem, IDocShellTreeItemProxy)

}  // namespace
}  // namespace gecko
