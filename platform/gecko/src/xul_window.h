// A XUL window: a chrome docshell showing a XUL document in a chrome view (a window of
// the browser's own) and, for a browser window, the primary content shell showing an
// engine top-level window. It is the tree owner of its docshells. A dialog's window has
// a chrome docshell only, over the dialog's own window and document.
#pragma once

#include <memory>
#include <string>

#include "dom_object.h"
#include "nsIDocShellTreeOwner.h"
#include "nsIInterfaceRequestor.h"
#include "nsIXULWindow.h"

namespace engine {
class Document;
class Window;
}

namespace gecko {

class DocShell;
class Shells;

// The chrome document of a browser window, shaped as the browser's navigator.xul: the
// root "window" (windowtype "navigator:browser") holding the content area, a "browser"
// element with the id "content".
std::shared_ptr<engine::Document> buildBrowserChromeDocument();

// Lets the window mediator read the window type ("windowtype" of the chrome document)
// of the XUL windows this library makes. Internal to the library.
#define GECKO_IXULWINDOWTYPE_IID                                                   \
  {                                                                                \
    0x6d3c1f2a, 0x94b7, 0x4c1e, { 0x8f, 0x20, 0x3a, 0x5e, 0x71, 0x0b, 0xc4, 0x19 } \
  }

class NS_NO_VTABLE XULWindowType : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(GECKO_IXULWINDOWTYPE_IID)
  virtual std::string windowType() const = 0;

 protected:
  ~XULWindowType() = default;
};

class XULWindow final : public nsIXULWindow,
                        public nsIDocShellTreeOwner,
                        public nsIInterfaceRequestor,
                        public XULWindowType,
                        public DomObject {
 public:
  // Browser thread. A browser window ("navigator:browser") over the top-level `top`,
  // its chrome shown in `chromeView`.
  static nsCOMPtr<XULWindow> browserWindow(const std::shared_ptr<Shells>& shells,
                                           const std::shared_ptr<engine::Window>& top,
                                           const std::shared_ptr<engine::Window>& chromeView);
  // Browser thread. The window of a dialog shown in `dialogView`, its chrome titled `title`.
  static nsCOMPtr<XULWindow> dialogWindow(const std::shared_ptr<Shells>& shells,
                                          const std::shared_ptr<engine::Window>& dialogView,
                                          const std::string& title);

  GECKO_DOM_ISUPPORTS
  nsISupports* canonical() override { return static_cast<nsIXULWindow*>(this); }

  // --- browser thread
  const nsCOMPtr<DocShell>& chromeShell() const { return chrome_; }
  const nsCOMPtr<DocShell>& contentShell() const { return content_; }
  void markClosed();
  std::string windowType() const override { return type_; }

  // --- nsIXULWindow
  NS_IMETHOD GetDocShell(nsIDocShell** aDocShell) override;
  NS_IMETHOD GetIntrinsicallySized(PRBool* aIntrinsicallySized) override;
  NS_IMETHOD SetIntrinsicallySized(PRBool aIntrinsicallySized) override;
  NS_IMETHOD GetPrimaryContentShell(nsIDocShellTreeItem** aPrimaryContentShell) override;
  NS_IMETHOD GetContentShellById(const PRUnichar* ID, nsIDocShellTreeItem** _retval) override;
  NS_IMETHOD AddChildWindow(nsIXULWindow* aChild) override;
  NS_IMETHOD RemoveChildWindow(nsIXULWindow* aChild) override;
  NS_IMETHOD Center(nsIXULWindow* aRelative, PRBool aScreen, PRBool aAlert) override;
  NS_IMETHOD ShowModal(void) override;
  NS_IMETHOD GetZLevel(PRUint32* aZLevel) override;
  NS_IMETHOD SetZLevel(PRUint32 aZLevel) override;
  NS_IMETHOD GetContextFlags(PRUint32* aContextFlags) override;
  NS_IMETHOD SetContextFlags(PRUint32 aContextFlags) override;
  NS_IMETHOD CreateNewWindow(PRInt32 aChromeFlags, nsIXULWindow** _retval) override;

  // --- nsIDocShellTreeOwner
  NS_IMETHOD FindItemWithName(const PRUnichar* name, nsIDocShellTreeItem* aRequestor,
                              nsIDocShellTreeItem** _retval) override;
  NS_IMETHOD ContentShellAdded(nsIDocShellTreeItem* aContentShell, PRBool aPrimary, const PRUnichar* aID) override;
  NS_IMETHOD SizeShellTo(nsIDocShellTreeItem* shell, PRInt32 cx, PRInt32 cy) override;
  NS_IMETHOD SetPersistence(PRBool aPersistPosition, PRBool aPersistSize, PRBool aPersistSizeMode) override;
  NS_IMETHOD GetPersistence(PRBool* aPersistPosition, PRBool* aPersistSize, PRBool* aPersistSizeMode) override;

  // --- nsIInterfaceRequestor
  NS_IMETHOD GetInterface(const nsIID& uuid, void** result) override;

 private:
  XULWindow(const std::shared_ptr<Shells>& shells, std::string type);
  ~XULWindow() override = default;
  void* queryInterface(const nsIID& iid) override;
  template <class Body>
  nsresult live(Body&& body);

  std::weak_ptr<Shells> shells_;
  const std::string type_;
  // Browser thread only.
  nsCOMPtr<DocShell> chrome_;
  nsCOMPtr<DocShell> content_;
  bool closed_ = false;
  PRBool intrinsicallySized_ = PR_FALSE;
  PRUint32 zLevel_ = normalZ;
  PRUint32 contextFlags_ = 0;
  PRBool persistPosition_ = PR_TRUE, persistSize_ = PR_TRUE, persistSizeMode_ = PR_TRUE;
};

}  // namespace gecko
