#include "xul_window.h"

#include "doc_shell.h"
#include "dom_window_iids.h"
#include "engine/browser.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/window.h"
#include "markup_names.h"
#include "nsString.h"
#include "shells.h"
#include "text_conversion.h"

namespace gecko {

std::shared_ptr<engine::Document> buildBrowserChromeDocument() {
  auto document = std::make_shared<engine::Document>("chrome://navigator/content/navigator.xul", engine::Dialect::Mozilla);
  document->setXml(true);
  auto root = std::make_shared<engine::Element>(engine::XmlMarkup{}, "window", kXulNamespace);
  root->setAttribute("id", "main-window");
  root->setAttribute("windowtype", "navigator:browser");
  root->setAttribute("titlemodifier", "Mozilla");
  root->setAttribute("titlemenuseparator", " - ");
  document->appendChild(root);
  auto content = std::make_shared<engine::Element>(engine::XmlMarkup{}, "browser", kXulNamespace);
  content->setAttribute("id", "content");
  content->setAttribute("type", "content-primary");
  content->setAttribute("flex", "1");
  root->appendChild(content);
  return document;
}

XULWindow::XULWindow(const std::shared_ptr<Shells>& shells, std::string type)
    : DomObject(shells->session()), shells_(shells), type_(std::move(type)) {}

nsCOMPtr<XULWindow> XULWindow::browserWindow(const std::shared_ptr<Shells>& shells,
                                             const std::shared_ptr<engine::Window>& top,
                                             const std::shared_ptr<engine::Window>& chromeView) {
  nsCOMPtr<XULWindow> window = dont_AddRef(new XULWindow(shells, "navigator:browser"));
  // The browser chrome has no title of its own: the page's shows in the window.
  window->chrome_ = DocShell::chrome(shells, top, "", chromeView);
  window->content_ = shells->contentShell(top);
  return window;
}

// commonDialog.xul names no window type.
nsCOMPtr<XULWindow> XULWindow::dialogWindow(const std::shared_ptr<Shells>& shells,
                                            const std::shared_ptr<engine::Window>& dialogView,
                                            const std::string& title) {
  nsCOMPtr<XULWindow> window = dont_AddRef(new XULWindow(shells, ""));
  window->chrome_ = DocShell::chrome(shells, dialogView, title, dialogView);
  return window;
}

void* XULWindow::queryInterface(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsIXULWindow))) {
    return static_cast<nsIXULWindow*>(this);
  }
  if (iid.Equals(NS_GET_IID(nsIDocShellTreeOwner))) return static_cast<nsIDocShellTreeOwner*>(this);
  if (iid.Equals(NS_GET_IID(nsIInterfaceRequestor))) return static_cast<nsIInterfaceRequestor*>(this);
  if (iid.Equals(NS_GET_IID(XULWindowType))) return static_cast<XULWindowType*>(this);
  return nullptr;
}

void XULWindow::markClosed() {
  closed_ = true;
  if (chrome_) chrome_->markDestroyed();
}

template <class Body>
nsresult XULWindow::live(Body&& body) {
  return session().carry([&]() -> nsresult {
    auto shells = shells_.lock();
    if (!shells || closed_) return NS_ERROR_FAILURE;
    return body(*shells);
  });
}

// ---------------------------------------------------------------- nsIXULWindow

NS_IMETHODIMP XULWindow::GetDocShell(nsIDocShell** aDocShell) {
  if (!aDocShell) return NS_ERROR_NULL_POINTER;
  *aDocShell = nullptr;
  return live([&](Shells&) -> nsresult {
    if (!chrome_) return NS_ERROR_FAILURE;
    *aDocShell = chrome_;
    NS_ADDREF(*aDocShell);
    return NS_OK;
  });
}

NS_IMETHODIMP XULWindow::GetIntrinsicallySized(PRBool* aIntrinsicallySized) {
  if (!aIntrinsicallySized) return NS_ERROR_NULL_POINTER;
  return live([&](Shells&) -> nsresult {
    *aIntrinsicallySized = intrinsicallySized_;
    return NS_OK;
  });
}

NS_IMETHODIMP XULWindow::SetIntrinsicallySized(PRBool aIntrinsicallySized) {
  return live([&](Shells&) -> nsresult {
    intrinsicallySized_ = aIntrinsicallySized;
    return NS_OK;
  });
}

// Null and NS_OK for a window without content (a dialog), as Gecko answers.
NS_IMETHODIMP XULWindow::GetPrimaryContentShell(nsIDocShellTreeItem** aPrimaryContentShell) {
  if (!aPrimaryContentShell) return NS_ERROR_NULL_POINTER;
  *aPrimaryContentShell = nullptr;
  return live([&](Shells&) -> nsresult {
    if (!content_) return NS_OK;
    *aPrimaryContentShell = content_;
    NS_ADDREF(*aPrimaryContentShell);
    return NS_OK;
  });
}

// The browser window's one content shell is the one with the id "content".
NS_IMETHODIMP XULWindow::GetContentShellById(const PRUnichar* ID, nsIDocShellTreeItem** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  const std::string id = ID ? toUtf8(nsDependentString(ID)) : std::string();
  return live([&](Shells&) -> nsresult {
    if (!content_ || id != "content") return NS_ERROR_FAILURE;
    *_retval = content_;
    NS_ADDREF(*_retval);
    return NS_OK;
  });
}

// Gecko 1.7 keeps no list of child windows either.
NS_IMETHODIMP XULWindow::AddChildWindow(nsIXULWindow*) { return NS_OK; }
NS_IMETHODIMP XULWindow::RemoveChildWindow(nsIXULWindow*) { return NS_OK; }

// Windows have no screen position here; centring leaves nothing to move.
NS_IMETHODIMP XULWindow::Center(nsIXULWindow*, PRBool, PRBool) {
  return live([](Shells&) -> nsresult { return NS_OK; });
}

// Browser windows are not modal; modal dialogs are the engine's (they wait for their answer).
NS_IMETHODIMP XULWindow::ShowModal(void) { return NS_ERROR_NOT_IMPLEMENTED; }

NS_IMETHODIMP XULWindow::GetZLevel(PRUint32* aZLevel) {
  if (!aZLevel) return NS_ERROR_NULL_POINTER;
  return live([&](Shells&) -> nsresult {
    *aZLevel = zLevel_;
    return NS_OK;
  });
}

NS_IMETHODIMP XULWindow::SetZLevel(PRUint32 aZLevel) {
  if (aZLevel > highestZ) return NS_ERROR_INVALID_ARG;
  return live([&](Shells&) -> nsresult {
    zLevel_ = aZLevel;
    return NS_OK;
  });
}

NS_IMETHODIMP XULWindow::GetContextFlags(PRUint32* aContextFlags) {
  if (!aContextFlags) return NS_ERROR_NULL_POINTER;
  return live([&](Shells&) -> nsresult {
    *aContextFlags = contextFlags_;
    return NS_OK;
  });
}

NS_IMETHODIMP XULWindow::SetContextFlags(PRUint32 aContextFlags) {
  return live([&](Shells&) -> nsresult {
    contextFlags_ = aContextFlags;
    return NS_OK;
  });
}

// A new browser window on a blank page; chrome flags have nothing to switch here.
NS_IMETHODIMP XULWindow::CreateNewWindow(PRInt32, nsIXULWindow** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  return live([&](Shells& shells) -> nsresult {
    auto top = shells.browser().openWindow("");
    auto made = top ? shells.xulWindow(*top) : nullptr;
    if (!made) return NS_ERROR_FAILURE;
    *_retval = made;
    NS_ADDREF(*_retval);
    return NS_OK;
  });
}

// ---------------------------------------------------------------- nsIDocShellTreeOwner

NS_IMETHODIMP XULWindow::FindItemWithName(const PRUnichar* name, nsIDocShellTreeItem* aRequestor,
                                          nsIDocShellTreeItem** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  nsCOMPtr<DocShell> content;
  nsresult rv = live([&](Shells&) -> nsresult {
    content = content_;
    return NS_OK;
  });
  if (NS_FAILED(rv) || !content) return rv;
  return content->FindItemWithName(name, aRequestor, _retval);
}

// Content shells come from the engine's windows, not from the chrome document.
NS_IMETHODIMP XULWindow::ContentShellAdded(nsIDocShellTreeItem*, PRBool, const PRUnichar*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}

NS_IMETHODIMP XULWindow::SizeShellTo(nsIDocShellTreeItem* shell, PRInt32 cx, PRInt32 cy) {
  nsCOMPtr<nsIBaseWindow> window = do_QueryInterface(shell);
  if (!window) return NS_ERROR_INVALID_ARG;
  return window->SetSize(cx, cy, PR_TRUE);
}

NS_IMETHODIMP XULWindow::SetPersistence(PRBool aPersistPosition, PRBool aPersistSize, PRBool aPersistSizeMode) {
  return live([&](Shells&) -> nsresult {
    persistPosition_ = aPersistPosition;
    persistSize_ = aPersistSize;
    persistSizeMode_ = aPersistSizeMode;
    return NS_OK;
  });
}

NS_IMETHODIMP XULWindow::GetPersistence(PRBool* aPersistPosition, PRBool* aPersistSize, PRBool* aPersistSizeMode) {
  return live([&](Shells&) -> nsresult {
    if (aPersistPosition) *aPersistPosition = persistPosition_;
    if (aPersistSize) *aPersistSize = persistSize_;
    if (aPersistSizeMode) *aPersistSizeMode = persistSizeMode_;
    return NS_OK;
  });
}

// ---------------------------------------------------------------- nsIInterfaceRequestor

// The window's DOM window is its chrome docshell's; the rest is the window itself.
NS_IMETHODIMP XULWindow::GetInterface(const nsIID& uuid, void** result) {
  if (!result) return NS_ERROR_NULL_POINTER;
  *result = nullptr;
  if (iids::isDOMWindow(uuid)) {
    nsCOMPtr<DocShell> chrome;
    nsresult rv = live([&](Shells&) -> nsresult {
      chrome = chrome_;
      return NS_OK;
    });
    if (NS_FAILED(rv) || !chrome) return NS_NOINTERFACE;
    return chrome->GetInterface(uuid, result);
  }
  return QueryInterface(uuid, result);
}

}  // namespace gecko
