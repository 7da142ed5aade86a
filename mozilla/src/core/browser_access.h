// What the component needs of the browser it runs in, in one place: the document loader,
// the content shell of the browser window and its page, the window mediator's listeners,
// focus and reload on the UI thread.
//
// Objects cross this seam as nsISupports; an implementation over the Gecko interfaces
// asks them for nsIWebProgress, nsIDocShell, nsIWebNavigation,
// nsIWebProgressListener and nsIWindowMediatorListener. Calls come from the connection
// thread; whatever must run on the UI thread is carried there and waited for.
#pragma once

#include "nsCOMPtr.h"
#include "nsISupports.h"
#include "nsString.h"

class BrowserAccess {
 public:
  virtual ~BrowserAccess() = default;

  // The platform's document-loader service (as nsIWebProgress), null when unavailable.
  virtual nsCOMPtr<nsISupports> GetDocLoader() = 0;
  // The primary content shell of the last XUL window (in the window mediator's
  // enumeration order) that has one; null when no window has content yet.
  virtual nsCOMPtr<nsISupports> FindContentShell() = 0;
  // The shell as nsIWebNavigation; null when it is none.
  virtual nsCOMPtr<nsISupports> GetWebNavigation(nsISupports* aShell) = 0;
  // The navigation's current URI as text (its bytes as the URI holds them).
  virtual nsresult GetCurrentURIText(nsISupports* aWebNavigation, nsACString& aUriText) = 0;
  // Reload with no flags, run on the UI thread through a synchronous proxy; returns when
  // the UI thread has run it.
  virtual nsresult Reload(nsISupports* aWebNavigation) = 0;
  // Focuses the content DOM window of the shell on the UI thread.
  virtual nsresult FocusContentWindow(nsISupports* aShell) = 0;
  // The normal selection of the shell's presentation in its private form (the one
  // selection listeners register on); fails when a step is missing.
  virtual nsresult GetContentSelection(nsISupports* aShell, nsISupports** aSelection) = 0;

  // Progress listener registration with the document loader (all notifications).
  virtual nsresult AddProgressListener(nsISupports* aDocLoader, nsISupports* aListener) = 0;
  virtual nsresult RemoveProgressListener(nsISupports* aDocLoader, nsISupports* aListener) = 0;
  // Window mediator listener registration; fails when the mediator is unavailable.
  virtual nsresult AddWindowListener(nsISupports* aListener) = 0;
  virtual nsresult RemoveWindowListener(nsISupports* aListener) = 0;
};
