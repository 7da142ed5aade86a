// The component's browser over Gecko's own interfaces: the document loader service, the
// window mediator and its XUL windows, their content docshells, and UI-thread proxies
// for what must run on the UI thread (reload, focus).
#pragma once

#include "browser_access.h"

class GeckoBrowserAccess final : public BrowserAccess {
 public:
  nsCOMPtr<nsISupports> GetDocLoader() override;
  nsCOMPtr<nsISupports> FindContentShell() override;
  nsCOMPtr<nsISupports> GetWebNavigation(nsISupports* aShell) override;
  nsresult GetCurrentURIText(nsISupports* aWebNavigation, nsACString& aUriText) override;
  nsresult Reload(nsISupports* aWebNavigation) override;
  nsresult FocusContentWindow(nsISupports* aShell) override;
  nsresult GetContentSelection(nsISupports* aShell, nsISupports** aSelection) override;
  nsresult AddProgressListener(nsISupports* aDocLoader, nsISupports* aListener) override;
  nsresult RemoveProgressListener(nsISupports* aDocLoader, nsISupports* aListener) override;
  nsresult AddWindowListener(nsISupports* aListener) override;
  nsresult RemoveWindowListener(nsISupports* aListener) override;
};
