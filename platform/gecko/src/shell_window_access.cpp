#include "shell_window_access.h"

#include <map>
#include <mutex>

#include "doc_shell.h"
#include "dom_window.h"
#include "shells.h"

namespace gecko {
namespace {

std::mutex gShellsMutex;
std::map<const DomSession*, std::weak_ptr<Shells>>& shellsBySession() {
  static auto* const table = new std::map<const DomSession*, std::weak_ptr<Shells>>();
  return *table;
}

std::shared_ptr<Shells> shellsOf(const DomSession& session) {
  std::lock_guard lock(gShellsMutex);
  auto found = shellsBySession().find(&session);
  return found != shellsBySession().end() ? found->second.lock() : nullptr;
}

}  // namespace

nsresult domWindowFor(DomSession& session, const std::shared_ptr<engine::Window>& window, const nsIID& iid,
                      void** result) {
  *result = nullptr;
  nsCOMPtr<nsIDOMWindow> wrapper = wrapWindow(session, window);
  if (!wrapper) return NS_ERROR_FAILURE;
  return wrapper->QueryInterface(iid, result);
}

void registerShells(const DomSession& session, const std::shared_ptr<Shells>& shells) {
  std::lock_guard lock(gShellsMutex);
  if (shells) {
    shellsBySession()[&session] = shells;
  } else {
    shellsBySession().erase(&session);
  }
}

std::shared_ptr<engine::Window> contentOfChrome(const DomSession& session, const engine::Window& window) {
  auto shells = shellsOf(session);
  return shells ? shells->contentOfChrome(window) : nullptr;
}

nsresult docShellFor(DomSession& session, const std::shared_ptr<engine::Window>& window, const nsIID& iid,
                     void** result) {
  *result = nullptr;
  auto shells = shellsOf(session);
  nsCOMPtr<DocShell> shell = shells ? shells->shellFor(window) : nullptr;
  if (!shell) return NS_NOINTERFACE;
  return shell->QueryInterface(iid, result);
}

}  // namespace gecko
