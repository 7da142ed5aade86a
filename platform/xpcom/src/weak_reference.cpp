// nsSupportsWeakReference and the weak reference it hands out.
#include <mutex>

#include "nsISupportsImpl.h"
#include "nsIWeakReferenceUtils.h"
#include "nsWeakReference.h"

// One per referent, shared by all who asked; cleared when the referent ends.
class nsWeakReference final : public nsIWeakReference {
 public:
  NS_DECL_ISUPPORTS
  explicit nsWeakReference(nsSupportsWeakReference* aReferent) : mReferent(aReferent) {}

  NS_IMETHOD QueryReferent(const nsIID& aIID, void** aResult) override {
    if (!aResult) return NS_ERROR_NULL_POINTER;
    *aResult = nullptr;
    std::lock_guard lock(mMutex);
    if (!mReferent) return NS_ERROR_NULL_POINTER;
    return mReferent->QueryInterface(aIID, aResult);
  }

  void NoticeReferentDestruction() {
    std::lock_guard lock(mMutex);
    mReferent = nullptr;
  }

 private:
  ~nsWeakReference() {
    std::lock_guard lock(mMutex);
    if (mReferent) mReferent->NoticeProxyDestruction();
  }

  std::mutex mMutex;
  nsSupportsWeakReference* mReferent;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(nsWeakReference, nsIWeakReference)

NS_IMETHODIMP nsSupportsWeakReference::GetWeakReference(nsIWeakReference** _retval) {
  if (!_retval) return NS_ERROR_NULL_POINTER;
  if (!mProxy) mProxy = new nsWeakReference(this);
  *_retval = mProxy;
  mProxy->AddRef();
  return NS_OK;
}

void nsSupportsWeakReference::ClearWeakReferences() {
  if (mProxy) {
    mProxy->NoticeReferentDestruction();
    mProxy = nullptr;
  }
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
