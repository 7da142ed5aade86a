// An enumerator over a snapshot of objects, as the window mediator and session history
// hand them out: later changes do not disturb an enumeration under way. Thread-safe.
#pragma once

#include <cstddef>
#include <mutex>
#include <vector>

#include "nsCOMPtr.h"
#include "nsISimpleEnumerator.h"
#include "nsISupportsImpl.h"

namespace gecko {

class SnapshotEnumerator final : public nsISimpleEnumerator {
 public:
  explicit SnapshotEnumerator(std::vector<nsCOMPtr<nsISupports>> items) : items_(std::move(items)) {}

  NS_DECL_ISUPPORTS

  NS_IMETHOD HasMoreElements(PRBool* _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mutex_);
    *_retval = next_ < items_.size() ? PR_TRUE : PR_FALSE;
    return NS_OK;
  }
  // Past the end: NS_ERROR_FAILURE and null, as Gecko's array enumerators answer.
  NS_IMETHOD GetNext(nsISupports** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mutex_);
    *_retval = nullptr;
    if (next_ >= items_.size()) return NS_ERROR_FAILURE;
    *_retval = items_[next_++];
    NS_IF_ADDREF(*_retval);
    return NS_OK;
  }

  static nsresult create(std::vector<nsCOMPtr<nsISupports>> items, nsISimpleEnumerator** out) {
    *out = new SnapshotEnumerator(std::move(items));
    NS_ADDREF(*out);
    return NS_OK;
  }

 private:
  ~SnapshotEnumerator() = default;

  std::mutex mutex_;
  std::vector<nsCOMPtr<nsISupports>> items_;
  std::size_t next_ = 0;
};

}  // namespace gecko
