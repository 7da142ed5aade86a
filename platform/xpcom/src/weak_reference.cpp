// nsSupportsWeakReference and the weak reference it hands out.
#include <mutex>

#include "nsISupportsImpl.h"
#include "nsIWeakReferenceUtils.h"
#include "nsWeakReference.h"

namespace {
// One lock for every link between an object and its weak reference: either may end on
// any thread, so the one that ends first unlinks both sides while the other cannot be
// freed underneath it. The weak reference's count also reaches zero only under it, so
// GetWeakReference never hands out one that is already being destroyed.
std::mutex& linkMutex() {
  static std::mutex mutex;
  return mutex;
}
}  // namespace

// One per referent, shared by all who asked; cleared when the referent ends.
class nsWeakReference final : public nsIWeakReference {
 public:
  NS_DECL_ISUPPORTS
  explicit nsWeakReference(nsSupportsWeakReference* aReferent) : mReferent(aReferent) {}

  NS_IMETHOD QueryReferent(const nsIID& aIID, void** aResult) override {
    if (!aResult) return NS_ERROR_NULL_POINTER;
    *aResult = nullptr;
    std::lock_guard lock(linkMutex());
    if (!mReferent) return NS_ERROR_NULL_POINTER;
    return mReferent->QueryInterface(aIID, aResult);
  }

 private:
  friend class nsSupportsWeakReference;
  ~nsWeakReference() = default;

  nsSupportsWeakReference* mReferent;  // guarded by linkMutex()
};

NS_IMPL_THREADSAFE_ADDREF(nsWeakReference)
NS_IMPL_QUERY_INTERFACE1(nsWeakReference, nsIWeakReference)

NS_IMETHODIMP_(nsrefcnt) nsWeakReference::Release(void) {
  nsrefcnt count;
  {
    std::lock_guard lock(linkMutex());
    count = static_cast<nsrefcnt>(PR_AtomicDecrement(mRefCnt.AtomicAddress()));
    if (count == 0 && mReferent) {
      mReferent->NoticeProxyDestruction();
      mReferent = nullptr;
    }
  }
  if (count == 0) delete this;
  return count;
}

NS_IMETHODIMP nsSupportsWeakReference::GetWeakReference(nsIWeakReference** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  std::lock_guard lock(linkMutex());
  if (!mProxy) mProxy = new nsWeakReference(this);
  *_retval = mProxy;
  mProxy->AddRef();
  return NS_OK;
}

void nsSupportsWeakReference::ClearWeakReferences() {
  std::lock_guard lock(linkMutex());
  if (mProxy) {
    mProxy->mReferent = nullptr;
    mProxy = nullptr;
  }
}

PRBool nsSupportsWeakReference::HasWeakReferences() const {
  std::lock_guard lock(linkMutex());
  return mProxy != nullptr;
}

nsIWeakReference* NS_GetWeakReference(nsISupports* aInstance, nsresult* aResult) {
  nsresult status = NS_ERROR_NULL_POINTER;
  nsIWeakReference* weak = nullptr;
  if (aInstance) {
    nsCOMPtr<nsISupportsWeakReference> factory = do_QueryInterface(aInstance, &status);
    if (factory) status = factory->GetWeakReference(&weak);
  }
  if (aResult) *aResult = status;
  return weak;
}
