// The two process-wide services of the shells: the window mediator, which knows every
// XUL window in the order it opened, which is the most recent and how they stack, and
// tells its listeners of windows opening, closing and changing title; and the document
// loader service, the web progress above every docshell, whose listeners hear every
// load of every window. Both are thread-safe; their listeners are called on the thread
// the change happens on (the browser thread).
#pragma once

#include <memory>
#include <mutex>
#include <vector>

#include "nsCOMPtr.h"
#include "nsIWebProgress.h"
#include "nsIWindowMediator.h"
#include "nsIWindowMediatorListener.h"
#include "nsIXULWindow.h"
#include "shell_progress.h"

namespace gecko {

class Shells;

class WindowMediator final : public nsIWindowMediator {
 public:
  static WindowMediator& instance();

  NS_DECL_ISUPPORTS

  NS_IMETHOD GetEnumerator(const PRUnichar* aWindowType, nsISimpleEnumerator** _retval) override;
  NS_IMETHOD GetXULWindowEnumerator(const PRUnichar* aWindowType, nsISimpleEnumerator** _retval) override;
  NS_IMETHOD GetZOrderDOMWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,
                                          nsISimpleEnumerator** _retval) override;
  NS_IMETHOD GetZOrderXULWindowEnumerator(const PRUnichar* aWindowType, PRBool aFrontToBack,
                                          nsISimpleEnumerator** _retval) override;
  NS_IMETHOD GetMostRecentWindow(const PRUnichar* aWindowType, nsIDOMWindowInternal** _retval) override;
  NS_IMETHOD RegisterWindow(nsIXULWindow* aWindow) override;
  NS_IMETHOD UnregisterWindow(nsIXULWindow* aWindow) override;
  NS_IMETHOD UpdateWindowTimeStamp(nsIXULWindow* aWindow) override;
  NS_IMETHOD UpdateWindowTitle(nsIXULWindow* aWindow, const PRUnichar* inTitle) override;
  NS_IMETHOD CalculateZPosition(nsIXULWindow* inWindow, PRUint32 inPosition, nsIWidget* inBelow, PRUint32* outPosition,
                                nsIWidget** outBelow, PRBool* _retval) override;
  NS_IMETHOD SetZPosition(nsIXULWindow* inWindow, PRUint32 inPosition, nsIXULWindow* inBelow) override;
  NS_IMETHOD GetZLevel(nsIXULWindow* aWindow, PRUint32* _retval) override;
  NS_IMETHOD SetZLevel(nsIXULWindow* aWindow, PRUint32 aZLevel) override;
  NS_IMETHOD AddListener(nsIWindowMediatorListener* aListener) override;
  NS_IMETHOD RemoveListener(nsIWindowMediatorListener* aListener) override;

 private:
  WindowMediator() = default;
  ~WindowMediator() = default;

  struct Entry {
    nsCOMPtr<nsIXULWindow> window;
    PRUint32 timeStamp;
    PRUint32 zLevel;
  };
  // The windows of `type` (all for null), in the order asked for.
  enum class Order { Opened, FrontToBack, BackToFront };
  std::vector<nsCOMPtr<nsIXULWindow>> windows(const PRUnichar* type, Order order);
  std::vector<nsCOMPtr<nsIWindowMediatorListener>> listeners();

  std::mutex mutex_;
  std::vector<Entry> opened_;          // in opening order
  std::vector<nsIXULWindow*> zOrder_;  // front first; the same windows as opened_
  PRUint32 clock_ = 0;
  std::vector<nsCOMPtr<nsIWindowMediatorListener>> listeners_;
};

class DocLoaderService final : public nsIWebProgress {
 public:
  static DocLoaderService& instance();

  NS_DECL_ISUPPORTS

  // The browsers whose loads count for GetIsLoadingDocument.
  void addShells(const std::shared_ptr<Shells>& shells);
  void removeShells(const Shells* shells);
  ProgressListeners& listeners() { return listeners_; }

  NS_IMETHOD AddProgressListener(nsIWebProgressListener* listener, PRUint32 aNotifyMask) override;
  NS_IMETHOD RemoveProgressListener(nsIWebProgressListener* listener) override;
  NS_IMETHOD GetDOMWindow(nsIDOMWindow** aDOMWindow) override;
  NS_IMETHOD GetIsLoadingDocument(PRBool* aIsLoadingDocument) override;

 private:
  DocLoaderService() = default;
  ~DocLoaderService() = default;

  ProgressListeners listeners_;
  std::mutex mutex_;
  std::vector<std::weak_ptr<Shells>> shells_;
};

}  // namespace gecko
