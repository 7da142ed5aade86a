// The listeners of one web progress (a docshell, or the document loader service above
// all of them), each with the notifications it asked for. Listeners are held by strong
// references: Gecko holds weak ones, which the XPCOM stand-in cannot resolve safely on
// another thread than the listener's own. Adding and removing are thread-safe;
// notifications are sent on the browser thread, from a snapshot, so a listener may
// remove itself while notified.
#pragma once

#include <mutex>
#include <utility>
#include <vector>

#include "nsCOMPtr.h"
#include "nsIURI.h"
#include "nsIWebProgress.h"
#include "nsIWebProgressListener.h"

namespace gecko {

class ProgressListeners {
 public:
  // NS_ERROR_FAILURE for a listener already there, as Gecko answers.
  nsresult add(nsIWebProgressListener* listener, PRUint32 notifyMask);
  // NS_ERROR_FAILURE for a listener that is not there.
  nsresult remove(nsIWebProgressListener* listener);
  void clear();

  void stateChange(nsIWebProgress* origin, PRUint32 stateFlags, nsresult status);
  void locationChange(nsIWebProgress* origin, nsIURI* location);

 private:
  using Entry = std::pair<nsCOMPtr<nsIWebProgressListener>, PRUint32>;
  std::vector<Entry> snapshot();

  std::mutex mutex_;
  std::vector<Entry> listeners_;
};

// The notifications a state change is of interest to, as Gecko's document loader reckons them.
PRUint32 notifyMaskFor(PRUint32 stateFlags);

}  // namespace gecko
