#include "shell_progress.h"

#include <algorithm>

namespace gecko {

PRUint32 notifyMaskFor(PRUint32 stateFlags) {
  PRUint32 mask = 0;
  if (stateFlags & nsIWebProgressListener::STATE_IS_REQUEST) mask |= nsIWebProgress::NOTIFY_STATE_REQUEST;
  if (stateFlags & nsIWebProgressListener::STATE_IS_DOCUMENT) mask |= nsIWebProgress::NOTIFY_STATE_DOCUMENT;
  if (stateFlags & nsIWebProgressListener::STATE_IS_NETWORK) mask |= nsIWebProgress::NOTIFY_STATE_NETWORK;
  if (stateFlags & nsIWebProgressListener::STATE_IS_WINDOW) mask |= nsIWebProgress::NOTIFY_STATE_WINDOW;
  return mask;
}

nsresult ProgressListeners::add(nsIWebProgressListener* listener, PRUint32 notifyMask) {
  if (!listener) return NS_ERROR_INVALID_POINTER;
  nsCOMPtr<nsISupports> identity = do_QueryInterface(listener);
  std::lock_guard lock(mutex_);
  for (const auto& entry : listeners_) {
    nsCOMPtr<nsISupports> other = do_QueryInterface(entry.first);
    if (other == identity) return NS_ERROR_FAILURE;
  }
  listeners_.emplace_back(listener, notifyMask);
  return NS_OK;
}

nsresult ProgressListeners::remove(nsIWebProgressListener* listener) {
  if (!listener) return NS_ERROR_INVALID_POINTER;
  nsCOMPtr<nsISupports> identity = do_QueryInterface(listener);
  nsCOMPtr<nsIWebProgressListener> removed;  // released outside the lock
  std::lock_guard lock(mutex_);
  for (auto it = listeners_.begin(); it != listeners_.end(); ++it) {
    nsCOMPtr<nsISupports> other = do_QueryInterface(it->first);
    if (other == identity) {
      removed = it->first;
      listeners_.erase(it);
      return NS_OK;
    }
  }
  return NS_ERROR_FAILURE;
}

void ProgressListeners::clear() {
  std::vector<Entry> gone;
  std::lock_guard lock(mutex_);
  gone.swap(listeners_);
}

std::vector<ProgressListeners::Entry> ProgressListeners::snapshot() {
  std::lock_guard lock(mutex_);
  return listeners_;
}

void ProgressListeners::stateChange(nsIWebProgress* origin, PRUint32 stateFlags, nsresult status) {
  const PRUint32 wanted = notifyMaskFor(stateFlags);
  for (const auto& [listener, mask] : snapshot()) {
    if (mask & wanted) listener->OnStateChange(origin, nullptr, stateFlags, status);
  }
}

void ProgressListeners::locationChange(nsIWebProgress* origin, nsIURI* location) {
  for (const auto& [listener, mask] : snapshot()) {
    if (mask & nsIWebProgress::NOTIFY_LOCATION) listener->OnLocationChange(origin, nullptr, location);
  }
}

}  // namespace gecko
