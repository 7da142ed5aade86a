#include "doc_shell.h"

#include <algorithm>
#include <cctype>

#include "dom_node.h"
#include "dom_window_iids.h"
#include "engine/browser.h"
#include "engine/document.h"
#include "engine/url.h"
#include "engine/window.h"
#include "nsIDOMDocument.h"
#include "nsISHistory.h"
#include "nsNetError.h"
#include "shell_enumerator.h"
#include "shell_history.h"
#include "shell_services.h"
#include "shell_uri.h"
#include "shell_window_access.h"
#include "shells.h"
#include "text_conversion.h"
#include "xul_window.h"

namespace gecko {
namespace {

std::string fromWide(const PRUnichar* text) { return text ? toUtf8(nsDependentString(text)) : std::string(); }

nsresult newWide(const std::string& text, PRUnichar** out) {
  nsString wide;
  assignUtf8(wide, text);
  *out = ToNewUnicode(wide);
  return *out ? NS_OK : NS_ERROR_OUT_OF_MEMORY;
}

template <class Interface>
nsresult handOut(const nsCOMPtr<DocShell>& shell, Interface** out) {
  *out = nullptr;
  if (!shell) return NS_OK;
  return shell->QueryInterface(NS_GET_IID(Interface), reinterpret_cast<void**>(out));
}

template <class Interface>
nsresult notModelled(Interface** out) {
  if (out) *out = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}

bool isSelfOrChild(nsISupports* requestor, DocShell* shell) {
  nsCOMPtr<nsISupports> a = do_QueryInterface(requestor);
  nsCOMPtr<nsISupports> b = do_QueryInterface(static_cast<nsIDocShell*>(shell));
  return a && a == b;
}

// What the address bar makes of typed text: an address with a scheme as it is, an
// absolute path as a file, anything else as a web address.
std::string fixUp(const std::string& typed) {
  std::string text = typed;
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.erase(0, 1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
  if (text.empty()) return text;
  if (text[0] == '/') return engine::url::fromPath(text);
  auto colon = text.find(':');
  auto slash = text.find('/');
  if (colon != std::string::npos && (slash == std::string::npos || colon < slash) && colon > 1) return text;
  return "http://" + text;
}

}  // namespace

DocShell::DocShell(const std::shared_ptr<Shells>& shells, const std::shared_ptr<engine::Window>& window, bool chrome)
    : DomObject(shells->session()),
      shells_(shells),
      window_(window),
      chrome_(chrome),
      itemType_(chrome ? typeChrome : typeContent) {}

nsCOMPtr<DocShell> DocShell::content(const std::shared_ptr<Shells>& shells,
                                     const std::shared_ptr<engine::Window>& window) {
  nsCOMPtr<DocShell> shell = dont_AddRef(new DocShell(shells, window, false));
  return shell;
}

nsCOMPtr<DocShell> DocShell::chrome(const std::shared_ptr<Shells>& shells, const std::shared_ptr<engine::Window>& top,
                                    const std::string& title, const std::shared_ptr<engine::Window>& view) {
  nsCOMPtr<DocShell> shell = dont_AddRef(new DocShell(shells, top, true));
  shell->chromeTitle_ = title;
  shell->chromeView_ = view;
  return shell;
}

void* DocShell::queryInterface(const nsIID& iid) {
  if (iid.Equals(NS_GET_IID(nsISupports)) || iid.Equals(NS_GET_IID(nsIDocShell))) {
    return static_cast<nsIDocShell*>(this);
  }
  if (iid.Equals(NS_GET_IID(nsIDocShellTreeItem))) return static_cast<nsIDocShellTreeItem*>(this);
  if (iid.Equals(NS_GET_IID(nsIDocShellTreeNode))) return static_cast<nsIDocShellTreeNode*>(this);
  if (iid.Equals(NS_GET_IID(nsIBaseWindow))) return static_cast<nsIBaseWindow*>(this);
  if (iid.Equals(NS_GET_IID(nsIInterfaceRequestor))) return static_cast<nsIInterfaceRequestor*>(this);
  if (iid.Equals(NS_GET_IID(nsIWebNavigation))) return static_cast<nsIWebNavigation*>(this);
  if (iid.Equals(NS_GET_IID(nsIWebProgress))) return static_cast<nsIWebProgress*>(this);
  return nullptr;
}

template <class Body>
nsresult DocShell::withWindow(Body&& body) {
  return session().carry([&]() -> nsresult {
    auto shells = shells_.lock();
    auto window = window_.lock();
    if (!shells || !window || window->closed() || destroyed_) return NS_ERROR_FAILURE;
    return body(*shells, window);
  });
}

// ---------------------------------------------------------------- tree (browser thread)

nsCOMPtr<XULWindow> DocShell::xulWindow() const {
  auto shells = shells_.lock();
  auto window = window_.lock();
  if (!shells || !window) return nullptr;
  return shells->xulWindow(*window->top());
}

nsCOMPtr<DocShell> DocShell::parentShell() const {
  if (chrome_) return nullptr;
  auto shells = shells_.lock();
  auto window = window_.lock();
  if (!shells || !window) return nullptr;
  if (!window->isTopLevel()) {
    auto parent = window->parent();
    return parent && parent != window ? shells->contentShell(parent) : nullptr;
  }
  auto owner = shells->xulWindow(*window);
  return owner ? owner->chromeShell() : nullptr;
}

std::vector<nsCOMPtr<DocShell>> DocShell::childShells() const {
  std::vector<nsCOMPtr<DocShell>> children;
  auto shells = shells_.lock();
  auto window = window_.lock();
  if (!shells || !window) return children;
  if (chrome_) {
    if (auto owner = shells->xulWindow(*window); owner && owner->contentShell()) {
      children.push_back(owner->contentShell());
    }
    return children;
  }
  for (const auto& frame : window->frames()) {
    if (auto shell = shells->contentShell(frame)) children.push_back(shell);
  }
  return children;
}

nsCOMPtr<DocShell> DocShell::sameTypeRoot() {
  nsCOMPtr<DocShell> root = this;
  for (auto parent = root->parentShell(); parent && parent->itemType_ == itemType_; parent = root->parentShell()) {
    root = parent;
  }
  return root;
}

nsCOMPtr<DocShell> DocShell::findChild(const std::string& name, bool recurse, bool sameType, nsISupports* requestor) {
  for (const auto& child : childShells()) {
    if (sameType && child->itemType_ != itemType_) continue;
    auto window = child->window();
    if (!child->chrome_ && window && window->name() == name) return child;
  }
  if (!recurse) return nullptr;
  for (const auto& child : childShells()) {
    if (sameType && child->itemType_ != itemType_) continue;
    if (isSelfOrChild(requestor, child)) continue;
    if (auto found = child->findChild(name, true, sameType, static_cast<nsIDocShell*>(this))) return found;
  }
  return nullptr;
}

nsCOMPtr<DocShell> DocShell::findItem(const std::string& name, nsISupports* requestor, bool askParent) {
  if (name.empty()) return nullptr;
  nsCOMPtr<DocShell> self = this;
  if (name == "_self") return self;
  if (name == "_top") return sameTypeRoot();
  if (name == "_parent") {
    auto parent = parentShell();
    return parent && parent->itemType_ == itemType_ ? parent : self;
  }
  if (name == "_content" || name == "_main") {
    auto owner = xulWindow();
    return owner ? owner->contentShell() : nullptr;
  }
  auto window = window_.lock();
  if (!chrome_ && window && window->name() == name) return self;
  if (auto found = findChild(name, true, true, requestor)) return found;
  if (!askParent) return nullptr;
  auto parent = parentShell();
  if (parent && parent->itemType_ == itemType_ && !isSelfOrChild(requestor, parent)) {
    return parent->findItem(name, static_cast<nsIDocShell*>(this), true);
  }
  // Other windows: every browser window's content tree, as the tree owners search them.
  if (auto shells = shells_.lock()) {
    for (const auto& other : shells->xulWindows()) {
      auto content = other->contentShell();
      if (!content || content == sameTypeRoot()) continue;
      if (auto found = content->findItem(name, static_cast<nsIDocShell*>(this), false)) return found;
    }
  }
  return nullptr;
}

// ---------------------------------------------------------------- progress (browser thread)

void DocShell::fireState(PRUint32 stateFlags, nsresult status) {
  nsCOMPtr<nsIWebProgress> origin = static_cast<nsIWebProgress*>(this);
  PRUint32 flags = stateFlags;
  for (nsCOMPtr<DocShell> at = this; at; at = at->parentShell()) {
    // A loader that is loading a document of its own hears its children's loads as
    // parts of its own, not as network activity.
    if (at.get() != this && at->loadingDocument_) flags &= ~nsIWebProgressListener::STATE_IS_NETWORK;
    at->listeners_.stateChange(origin, flags, status);
  }
  DocLoaderService::instance().listeners().stateChange(origin, flags, status);
}

void DocShell::fireLocation(nsIURI* location) {
  nsCOMPtr<nsIWebProgress> origin = static_cast<nsIWebProgress*>(this);
  for (nsCOMPtr<DocShell> at = this; at; at = at->parentShell()) at->listeners_.locationChange(origin, location);
  DocLoaderService::instance().listeners().locationChange(origin, location);
}

void DocShell::loadStarted() {
  using L = nsIWebProgressListener;
  if (loadingDocument_) {
    // The load under way gives way to the new one.
    loadingDocument_ = false;
    fireState(L::STATE_STOP | L::STATE_IS_REQUEST, NS_BINDING_ABORTED);
    fireState(L::STATE_STOP | L::STATE_IS_DOCUMENT, NS_BINDING_ABORTED);
    fireState(L::STATE_STOP | L::STATE_IS_WINDOW | L::STATE_IS_NETWORK, NS_BINDING_ABORTED);
  }
  busyFlags_ = BUSY_FLAGS_BUSY | BUSY_FLAGS_BEFORE_PAGE_LOAD;
  loadingDocument_ = true;
  fireState(L::STATE_START | L::STATE_IS_REQUEST | L::STATE_IS_DOCUMENT | L::STATE_IS_WINDOW | L::STATE_IS_NETWORK,
            NS_OK);
}

void DocShell::documentArrived(const std::string& url) {
  using L = nsIWebProgressListener;
  busyFlags_ |= BUSY_FLAGS_PAGE_LOADING;
  titleOverride_.reset();
  nsCOMPtr<nsIURI> location = newURI(url);
  fireLocation(location);
  fireState(L::STATE_TRANSFERRING | L::STATE_IS_REQUEST | L::STATE_IS_DOCUMENT, NS_OK);
  fireState(L::STATE_STOP | L::STATE_IS_REQUEST, NS_OK);
}

void DocShell::loadCompleted() {
  using L = nsIWebProgressListener;
  if (!loadingDocument_) return;
  busyFlags_ = BUSY_FLAGS_NONE;
  fireState(L::STATE_STOP | L::STATE_IS_DOCUMENT, NS_OK);
  loadingDocument_ = false;
  fireState(L::STATE_STOP | L::STATE_IS_WINDOW | L::STATE_IS_NETWORK, NS_OK);
}

void DocShell::chromeDocumentShown(const std::string& url) {
  loadStarted();
  documentArrived(url);
  loadCompleted();
}

std::string DocShell::currentTitle() const {
  if (chrome_) return chromeTitle_;
  if (titleOverride_) return *titleOverride_;
  auto window = window_.lock();
  return window ? window->title() : std::string();
}

// ---------------------------------------------------------------- nsIDocShell

NS_IMETHODIMP DocShell::LoadURI(nsIURI* uri, nsIDocShellLoadInfo*, PRUint32 aLoadFlags, PRBool) {
  if (!uri) return NS_ERROR_NULL_POINTER;
  nsCString uriText;
  nsresult rv = uri->GetSpec(uriText);
  if (NS_FAILED(rv)) return rv;
  std::string address(uriText.BeginReading(), uriText.Length());
  return withWindow([&](Shells& shells, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_) return NS_ERROR_FAILURE;  // the chrome is not navigated
    loadType_ = (aLoadFlags & LOAD_CMD_RELOAD) ? LOAD_CMD_RELOAD : LOAD_CMD_NORMAL;
    shells.browser().navigate(*window, address);
    return NS_OK;
  });
}

// Streams, load infos and history entries of the network layer are not modelled.
NS_IMETHODIMP DocShell::LoadStream(nsIInputStream*, nsIURI*, const nsACString&, const nsACString&,
                                   nsIDocShellLoadInfo*) {
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP DocShell::InternalLoad(nsIURI*, nsIURI*, nsISupports*, PRBool, const PRUnichar*, const char*,
                                     nsIInputStream*, nsIInputStream*, PRUint32, nsISHEntry*, PRBool,
                                     nsIDocShell** aDocShell, nsIRequest** aRequest) {
  if (aDocShell) *aDocShell = nullptr;
  if (aRequest) *aRequest = nullptr;
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP DocShell::CreateLoadInfo(nsIDocShellLoadInfo** loadInfo) { return notModelled(loadInfo); }

// Nothing is kept between content models here: the engine makes each document afresh.
NS_IMETHODIMP DocShell::PrepareForNewContentModel(void) {
  return session().carry([&]() -> nsresult {
    titleOverride_.reset();
    return NS_OK;
  });
}

// The current URI is the engine document's address; it cannot be set apart from a load.
NS_IMETHODIMP DocShell::SetCurrentURI(nsIURI*) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DocShell::FireUnloadNotification(void) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DocShell::GetPresContext(nsIPresContext** out) { return notModelled(out); }
NS_IMETHODIMP DocShell::GetPresShell(nsIPresShell** out) { return notModelled(out); }
NS_IMETHODIMP DocShell::GetEldestPresShell(nsIPresShell** out) { return notModelled(out); }
NS_IMETHODIMP DocShell::GetContentViewer(nsIContentViewer** out) { return notModelled(out); }
NS_IMETHODIMP DocShell::GetChromeEventHandler(nsIChromeEventHandler** out) { return notModelled(out); }
NS_IMETHODIMP DocShell::SetChromeEventHandler(nsIChromeEventHandler*) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DocShell::GetParentURIContentListener(nsIURIContentListener** out) { return notModelled(out); }
NS_IMETHODIMP DocShell::SetParentURIContentListener(nsIURIContentListener*) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DocShell::GetDocumentCharsetInfo(nsIDocumentCharsetInfo** out) { return notModelled(out); }
NS_IMETHODIMP DocShell::SetDocumentCharsetInfo(nsIDocumentCharsetInfo*) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DocShell::GetLayoutHistoryState(nsILayoutHistoryState** out) { return notModelled(out); }
NS_IMETHODIMP DocShell::SetLayoutHistoryState(nsILayoutHistoryState*) { return NS_ERROR_NOT_IMPLEMENTED; }

// This docshell and those below it of `aItemType`, in tree order (backwards: reversed).
NS_IMETHODIMP DocShell::GetDocShellEnumerator(PRInt32 aItemType, PRInt32 aDirection, nsISimpleEnumerator** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  if (aDirection != ENUMERATE_FORWARDS && aDirection != ENUMERATE_BACKWARDS) return NS_ERROR_INVALID_ARG;
  return session().carry([&]() -> nsresult {
    std::vector<nsCOMPtr<nsISupports>> items;
    std::vector<nsCOMPtr<DocShell>> pending{this};
    while (!pending.empty()) {
      nsCOMPtr<DocShell> shell = pending.back();
      pending.pop_back();
      if (aItemType == typeAll || shell->itemType_ == aItemType) {
        items.emplace_back(static_cast<nsIDocShell*>(shell.get()));
      }
      auto children = shell->childShells();
      pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    if (aDirection == ENUMERATE_BACKWARDS) std::reverse(items.begin(), items.end());
    return SnapshotEnumerator::create(std::move(items), _retval);
  });
}

// No chrome takes the focus from a content tree here.
NS_IMETHODIMP DocShell::TabToTreeOwner(PRBool, PRBool* tookFocus) {
  if (!tookFocus) return NS_ERROR_NULL_POINTER;
  *tookFocus = PR_FALSE;
  return NS_OK;
}

NS_IMETHODIMP DocShell::GetBusyFlags(PRUint32* aBusyFlags) {
  if (!aBusyFlags) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult {
    auto window = window_.lock();
    // A load the engine stopped (or gave up) leaves nothing busy.
    *aBusyFlags = (!chrome_ && window && window->loading()) ? busyFlags_ : PRUint32(BUSY_FLAGS_NONE);
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::IsBeingDestroyed(PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult {
    auto window = window_.lock();
    *_retval = (destroyed_ || !window || window->closed()) ? PR_TRUE : PR_FALSE;
    return NS_OK;
  });
}

// Load handlers run inside the engine's load step, which no other call interleaves with.
NS_IMETHODIMP DocShell::GetIsExecutingOnLoadHandler(PRBool* out) {
  if (!out) return NS_ERROR_NULL_POINTER;
  *out = PR_FALSE;
  return NS_OK;
}

// No layout state is saved: the engine has no layout.
NS_IMETHODIMP DocShell::GetShouldSaveLayoutState(PRBool* out) {
  if (!out) return NS_ERROR_NULL_POINTER;
  *out = PR_FALSE;
  return NS_OK;
}

// ---------------------------------------------------------------- nsIDocShellTreeItem

NS_IMETHODIMP DocShell::GetName(PRUnichar** aName) {
  if (!aName) return NS_ERROR_NULL_POINTER;
  *aName = nullptr;
  return withWindow([&](Shells&, const std::shared_ptr<engine::Window>& window) -> nsresult {
    return newWide(chrome_ ? std::string() : window->name(), aName);
  });
}

NS_IMETHODIMP DocShell::SetName(const PRUnichar* aName) {
  std::string name = fromWide(aName);
  return withWindow([&](Shells&, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_) return NS_OK;  // a chrome shell's name is its own; nothing reads it
    window->setName(name);
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::NameEquals(const PRUnichar* name, PRBool* _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  std::string wanted = fromWide(name);
  return withWindow([&](Shells&, const std::shared_ptr<engine::Window>& window) -> nsresult {
    *_retval = (!chrome_ && window->name() == wanted) ? PR_TRUE : PR_FALSE;
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::GetItemType(PRInt32* aItemType) { return get(aItemType, itemType_); }

// As Gecko: the type may change only while the shell has no parent.
NS_IMETHODIMP DocShell::SetItemType(PRInt32 aItemType) {
  if (aItemType < typeChrome || aItemType > typeChromeWrapper) return NS_ERROR_INVALID_ARG;
  return session().carry([&]() -> nsresult {
    if (parentShell()) return NS_ERROR_FAILURE;
    itemType_ = aItemType;
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::GetParent(nsIDocShellTreeItem** aParent) {
  if (!aParent) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult { return handOut(parentShell(), aParent); });
}

// The tree follows the engine's windows and frames; it is not rearranged from outside.
NS_IMETHODIMP DocShell::SetParent(nsIDocShellTreeItem*) { return NS_ERROR_NOT_IMPLEMENTED; }

NS_IMETHODIMP DocShell::GetSameTypeParent(nsIDocShellTreeItem** aSameTypeParent) {
  if (!aSameTypeParent) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult {
    auto parent = parentShell();
    return handOut(parent && parent->itemType_ == itemType_ ? parent : nullptr, aSameTypeParent);
  });
}

NS_IMETHODIMP DocShell::GetRootTreeItem(nsIDocShellTreeItem** aRootTreeItem) {
  if (!aRootTreeItem) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult {
    nsCOMPtr<DocShell> root = this;
    while (auto parent = root->parentShell()) root = parent;
    return handOut(root, aRootTreeItem);
  });
}

NS_IMETHODIMP DocShell::GetSameTypeRootTreeItem(nsIDocShellTreeItem** aSameTypeRootTreeItem) {
  if (!aSameTypeRootTreeItem) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult { return handOut(sameTypeRoot(), aSameTypeRootTreeItem); });
}

NS_IMETHODIMP DocShell::FindItemWithName(const PRUnichar* name, nsISupports* aRequestor,
                                         nsIDocShellTreeItem** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  std::string wanted = fromWide(name);
  return session().carry([&]() -> nsresult { return handOut(findItem(wanted, aRequestor, true), _retval); });
}

NS_IMETHODIMP DocShell::GetTreeOwner(nsIDocShellTreeOwner** aTreeOwner) {
  if (!aTreeOwner) return NS_ERROR_NULL_POINTER;
  *aTreeOwner = nullptr;
  return session().carry([&]() -> nsresult {
    auto owner = xulWindow();
    if (!owner) return NS_OK;
    return owner->QueryInterface(NS_GET_IID(nsIDocShellTreeOwner), reinterpret_cast<void**>(aTreeOwner));
  });
}

NS_IMETHODIMP DocShell::SetTreeOwner(nsIDocShellTreeOwner*) { return NS_ERROR_NOT_IMPLEMENTED; }

NS_IMETHODIMP DocShell::GetChildOffset(PRInt32* aChildOffset) {
  if (!aChildOffset) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult {
    *aChildOffset = -1;
    auto parent = parentShell();
    if (!parent) return NS_OK;
    auto siblings = parent->childShells();
    auto found = std::find(siblings.begin(), siblings.end(), nsCOMPtr<DocShell>(this));
    if (found != siblings.end()) *aChildOffset = static_cast<PRInt32>(found - siblings.begin());
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::SetChildOffset(PRInt32) { return NS_ERROR_NOT_IMPLEMENTED; }

// ---------------------------------------------------------------- nsIDocShellTreeNode

NS_IMETHODIMP DocShell::GetChildCount(PRInt32* aChildCount) {
  if (!aChildCount) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult {
    *aChildCount = static_cast<PRInt32>(childShells().size());
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::AddChild(nsIDocShellTreeItem*) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DocShell::RemoveChild(nsIDocShellTreeItem*) { return NS_ERROR_NOT_IMPLEMENTED; }

// Out of range: NS_ERROR_UNEXPECTED, as Gecko answers.
NS_IMETHODIMP DocShell::GetChildAt(PRInt32 index, nsIDocShellTreeItem** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  return session().carry([&]() -> nsresult {
    auto children = childShells();
    if (index < 0 || index >= static_cast<PRInt32>(children.size())) return NS_ERROR_UNEXPECTED;
    return handOut(children[static_cast<std::size_t>(index)], _retval);
  });
}

NS_IMETHODIMP DocShell::FindChildWithName(const PRUnichar* aName, PRBool aRecurse, PRBool aSameType,
                                          nsIDocShellTreeItem* aRequestor, nsIDocShellTreeItem** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  std::string wanted = fromWide(aName);
  if (wanted.empty()) return NS_OK;
  return session().carry([&]() -> nsresult {
    return handOut(findChild(wanted, aRecurse != PR_FALSE, aSameType != PR_FALSE, aRequestor), _retval);
  });
}

// ---------------------------------------------------------------- nsIBaseWindow

// Native widgets are not modelled: a docshell is made and ended with its engine window.
NS_IMETHODIMP DocShell::InitWindow(nativeWindow, nsIWidget*, PRInt32, PRInt32, PRInt32, PRInt32) {
  return NS_ERROR_NOT_IMPLEMENTED;
}
NS_IMETHODIMP DocShell::Create(void) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DocShell::Destroy(void) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DocShell::GetParentWidget(nsIWidget** out) { return notModelled(out); }
NS_IMETHODIMP DocShell::SetParentWidget(nsIWidget*) { return NS_ERROR_NOT_IMPLEMENTED; }
NS_IMETHODIMP DocShell::GetMainWidget(nsIWidget** out) { return notModelled(out); }

NS_IMETHODIMP DocShell::SetPosition(PRInt32 x, PRInt32 y) {
  return session().carry([&]() -> nsresult {
    x_ = x;
    y_ = y;
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::GetPosition(PRInt32* x, PRInt32* y) {
  return session().carry([&]() -> nsresult {
    if (x) *x = x_;
    if (y) *y = y_;
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::SetSize(PRInt32 cx, PRInt32 cy, PRBool) {
  if (cx < 0 || cy < 0) return NS_ERROR_INVALID_ARG;
  return session().carry([&]() -> nsresult {
    cx_ = cx;
    cy_ = cy;
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::GetSize(PRInt32* cx, PRInt32* cy) {
  return session().carry([&]() -> nsresult {
    if (cx) *cx = cx_;
    if (cy) *cy = cy_;
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::SetPositionAndSize(PRInt32 x, PRInt32 y, PRInt32 cx, PRInt32 cy, PRBool fRepaint) {
  nsresult rv = SetSize(cx, cy, fRepaint);
  return NS_FAILED(rv) ? rv : SetPosition(x, y);
}

NS_IMETHODIMP DocShell::GetPositionAndSize(PRInt32* x, PRInt32* y, PRInt32* cx, PRInt32* cy) {
  nsresult rv = GetPosition(x, y);
  return NS_FAILED(rv) ? rv : GetSize(cx, cy);
}

// Nothing is drawn, so there is nothing to paint again.
NS_IMETHODIMP DocShell::Repaint(PRBool) { return NS_OK; }

NS_IMETHODIMP DocShell::GetParentNativeWindow(nativeWindow* out) { return get(out, parentNativeWindow_); }
NS_IMETHODIMP DocShell::SetParentNativeWindow(nativeWindow value) { return set(parentNativeWindow_, value); }

NS_IMETHODIMP DocShell::SetFocus(void) { return set(hasFocus_, PR_TRUE); }

NS_IMETHODIMP DocShell::GetTitle(PRUnichar** aTitle) {
  if (!aTitle) return NS_ERROR_NULL_POINTER;
  *aTitle = nullptr;
  return withWindow(
      [&](Shells&, const std::shared_ptr<engine::Window>&) -> nsresult { return newWide(currentTitle(), aTitle); });
}

// A content shell shows the title given until its document's title changes; a browser
// window's title follows its top content shell's.
NS_IMETHODIMP DocShell::SetTitle(const PRUnichar* aTitle) {
  std::string title = fromWide(aTitle);
  return withWindow([&](Shells&, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_) {
      chromeTitle_ = title;
    } else {
      titleOverride_ = title;
    }
    auto owner = xulWindow();
    if (owner && (chrome_ || window->isTopLevel())) {
      nsString wide;
      assignUtf8(wide, title);
      WindowMediator::instance().UpdateWindowTitle(owner, wide.get());
    }
    return NS_OK;
  });
}

// ---------------------------------------------------------------- nsIInterfaceRequestor

NS_IMETHODIMP DocShell::GetInterface(const nsIID& uuid, void** result) {
  if (!result) return NS_ERROR_NULL_POINTER;
  *result = nullptr;
  if (iids::isDOMWindow(uuid)) {
    return withWindow([&](Shells& shells, const std::shared_ptr<engine::Window>& window) -> nsresult {
      if (chrome_) {
        auto view = chromeView_.lock();
        return view && !view->closed() ? domWindowFor(*shells.session(), view, uuid, result) : NS_NOINTERFACE;
      }
      return domWindowFor(*shells.session(), window, uuid, result);
    });
  }
  if (uuid.Equals(NS_GET_IID(nsISHistory))) {
    nsCOMPtr<nsISHistory> history;
    nsresult rv = GetSessionHistory(getter_AddRefs(history));
    if (NS_FAILED(rv) || !history) return NS_NOINTERFACE;
    history.forget(reinterpret_cast<nsISHistory**>(result));
    return NS_OK;
  }
  if (uuid.Equals(NS_GET_IID(nsIDOMDocument))) {
    nsCOMPtr<nsIDOMDocument> document;
    nsresult rv = GetDocument(getter_AddRefs(document));
    if (NS_FAILED(rv) || !document) return NS_NOINTERFACE;
    document.forget(reinterpret_cast<nsIDOMDocument**>(result));
    return NS_OK;
  }
  return QueryInterface(uuid, result);
}

// ---------------------------------------------------------------- nsIWebNavigation

NS_IMETHODIMP DocShell::GetCanGoBack(PRBool* aCanGoBack) {
  if (!aCanGoBack) return NS_ERROR_NULL_POINTER;
  return withWindow([&](Shells&, const std::shared_ptr<engine::Window>& window) -> nsresult {
    *aCanGoBack = (!chrome_ && window->top()->history().canGoBack()) ? PR_TRUE : PR_FALSE;
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::GetCanGoForward(PRBool* aCanGoForward) {
  if (!aCanGoForward) return NS_ERROR_NULL_POINTER;
  return withWindow([&](Shells&, const std::shared_ptr<engine::Window>& window) -> nsresult {
    *aCanGoForward = (!chrome_ && window->top()->history().canGoForward()) ? PR_TRUE : PR_FALSE;
    return NS_OK;
  });
}

// Moves in the root session history (a frame's shell moves its top-level window's),
// NS_ERROR_UNEXPECTED when there is nowhere to go, as Gecko's history answers.
NS_IMETHODIMP DocShell::GoBack(void) {
  return withWindow([&](Shells& shells, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_) return NS_ERROR_FAILURE;
    if (!window->top()->history().canGoBack()) return NS_ERROR_UNEXPECTED;
    loadType_ = LOAD_CMD_HISTORY;
    shells.browser().goBack(*window);
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::GoForward(void) {
  return withWindow([&](Shells& shells, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_) return NS_ERROR_FAILURE;
    if (!window->top()->history().canGoForward()) return NS_ERROR_UNEXPECTED;
    loadType_ = LOAD_CMD_HISTORY;
    shells.browser().goForward(*window);
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::GotoIndex(PRInt32 index) {
  return withWindow([&](Shells& shells, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_) return NS_ERROR_FAILURE;
    loadType_ = LOAD_CMD_HISTORY;
    return shells.browser().goToIndex(*window, index) ? NS_OK : NS_ERROR_FAILURE;
  });
}

// The text is fixed up as the address bar does; post data and extra headers cannot be
// sent (the engine loads files only), so a load that carries them is refused.
NS_IMETHODIMP DocShell::LoadURI(const PRUnichar* uri, PRUint32, nsIURI*, nsIInputStream* postData,
                                nsIInputStream* headers) {
  if (!uri) return NS_ERROR_NULL_POINTER;
  if (postData || headers) return NS_ERROR_NOT_IMPLEMENTED;
  std::string address = fixUp(fromWide(uri));
  if (address.empty() || !newURI(address)) return NS_ERROR_MALFORMED_URI;
  return withWindow([&](Shells& shells, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_) return NS_ERROR_FAILURE;
    loadType_ = LOAD_CMD_NORMAL;
    shells.browser().navigate(*window, address);
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::Reload(PRUint32 reloadFlags) {
  return withWindow([&](Shells& shells, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_) return NS_ERROR_FAILURE;
    loadType_ = LOAD_CMD_RELOAD;
    pendingReloadFlags_ = reloadFlags;
    shells.browser().reload(*window);
    pendingReloadFlags_ = 0;
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::Stop(PRUint32 stopFlags) {
  return withWindow([&](Shells& shells, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_ || !(stopFlags & STOP_NETWORK)) return NS_OK;
    std::vector<nsCOMPtr<DocShell>> stopped;
    std::vector<nsCOMPtr<DocShell>> pending{this};
    while (!pending.empty()) {
      nsCOMPtr<DocShell> shell = pending.back();
      pending.pop_back();
      if (shell->loadingDocument_) stopped.push_back(shell);
      auto children = shell->childShells();
      pending.insert(pending.end(), children.begin(), children.end());
    }
    shells.browser().stop(*window);
    using L = nsIWebProgressListener;
    for (const auto& shell : stopped) {
      shell->loadingDocument_ = false;
      shell->busyFlags_ = BUSY_FLAGS_NONE;
      shell->fireState(L::STATE_STOP | L::STATE_IS_DOCUMENT, NS_BINDING_ABORTED);
      shell->fireState(L::STATE_STOP | L::STATE_IS_WINDOW | L::STATE_IS_NETWORK, NS_BINDING_ABORTED);
    }
    return NS_OK;
  });
}

NS_IMETHODIMP DocShell::GetDocument(nsIDOMDocument** aDocument) {
  if (!aDocument) return NS_ERROR_NULL_POINTER;
  *aDocument = nullptr;
  return withWindow([&](Shells&, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_) {
      auto view = chromeView_.lock();
      if (!view || view->closed()) return NS_ERROR_FAILURE;
      return wrapAs(session(), view->document(), aDocument);
    }
    return wrapAs(session(), window->document(), aDocument);
  });
}

NS_IMETHODIMP DocShell::GetCurrentURI(nsIURI** aCurrentURI) {
  if (!aCurrentURI) return NS_ERROR_NULL_POINTER;
  *aCurrentURI = nullptr;
  return withWindow([&](Shells&, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_ || window->url().empty()) return NS_OK;
    nsCOMPtr<nsIURI> current = newURI(window->url());
    current.forget(aCurrentURI);
    return NS_OK;
  });
}

// The engine does not keep where a page was reached from.
NS_IMETHODIMP DocShell::GetReferringURI(nsIURI** aReferringURI) {
  if (!aReferringURI) return NS_ERROR_NULL_POINTER;
  *aReferringURI = nullptr;
  return NS_OK;
}

// Only the top content shell of a window has a session history, as in Gecko.
NS_IMETHODIMP DocShell::GetSessionHistory(nsISHistory** aSessionHistory) {
  if (!aSessionHistory) return NS_ERROR_NULL_POINTER;
  *aSessionHistory = nullptr;
  return withWindow([&](Shells& shells, const std::shared_ptr<engine::Window>& window) -> nsresult {
    if (chrome_ || !window->isTopLevel()) return NS_OK;
    nsCOMPtr<SessionHistory> history = shells.history(window);
    if (!history) return NS_ERROR_OUT_OF_MEMORY;
    return history->QueryInterface(NS_GET_IID(nsISHistory), reinterpret_cast<void**>(aSessionHistory));
  });
}

// The history is the engine window's own; another one cannot take its place.
NS_IMETHODIMP DocShell::SetSessionHistory(nsISHistory* aSessionHistory) {
  nsCOMPtr<nsISHistory> current;
  nsresult rv = GetSessionHistory(getter_AddRefs(current));
  if (NS_FAILED(rv)) return rv;
  nsCOMPtr<nsISupports> a = do_QueryInterface(current);
  nsCOMPtr<nsISupports> b = do_QueryInterface(aSessionHistory);
  return a && a == b ? NS_OK : NS_ERROR_NOT_IMPLEMENTED;
}

// ---------------------------------------------------------------- nsIWebProgress

NS_IMETHODIMP DocShell::AddProgressListener(nsIWebProgressListener* listener, PRUint32 aNotifyMask) {
  return listeners_.add(listener, aNotifyMask);
}

NS_IMETHODIMP DocShell::RemoveProgressListener(nsIWebProgressListener* listener) { return listeners_.remove(listener); }

NS_IMETHODIMP DocShell::GetDOMWindow(nsIDOMWindow** aDOMWindow) {
  if (!aDOMWindow) return NS_ERROR_NULL_POINTER;
  return GetInterface(iids::kDOMWindow, reinterpret_cast<void**>(aDOMWindow));
}

NS_IMETHODIMP DocShell::GetIsLoadingDocument(PRBool* aIsLoadingDocument) {
  if (!aIsLoadingDocument) return NS_ERROR_NULL_POINTER;
  return session().carry([&]() -> nsresult {
    auto window = window_.lock();
    *aIsLoadingDocument = (!chrome_ && window && engine::Browser::isComplete(*window) == false) ? PR_TRUE : PR_FALSE;
    return NS_OK;
  });
}

}  // namespace gecko
