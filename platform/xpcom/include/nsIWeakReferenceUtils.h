// do_GetWeakReference and do_QueryReferent (Gecko 1.7 nsIWeakReferenceUtils.h).
#pragma once

#include "nsCOMPtr.h"
#include "nsIWeakReference.h"

class nsQueryReferent final : public nsCOMPtr_helper {
 public:
  nsQueryReferent(nsIWeakReference* aWeakPtr, nsresult* error) : mWeakPtr(aWeakPtr), mErrorPtr(error) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const override {
    nsresult status = mWeakPtr ? mWeakPtr->QueryReferent(aIID, aResult) : NS_ERROR_NULL_POINTER;
    if (NS_FAILED(status)) *aResult = nullptr;
    if (mErrorPtr) *mErrorPtr = status;
    return status;
  }

 private:
  nsIWeakReference* mWeakPtr;
  nsresult* mErrorPtr;
};

inline const nsQueryReferent do_QueryReferent(nsIWeakReference* aRawPtr, nsresult* error = 0) {
  return nsQueryReferent(aRawPtr, error);
}

// An addrefed weak reference to aInstance (through nsISupportsWeakReference), or null.
NS_COM nsIWeakReference* NS_GetWeakReference(nsISupports* aInstance, nsresult* aResult = 0);

class nsGetWeakReference final : public nsCOMPtr_helper {
 public:
  nsGetWeakReference(nsISupports* aRawPtr, nsresult* error) : mRawPtr(aRawPtr), mErrorPtr(error) {}
  nsresult operator()(const nsIID& aIID, void** aResult) const override {
    nsresult status = NS_OK;
    nsIWeakReference* weak = NS_GetWeakReference(mRawPtr, &status);
    *aResult = nullptr;
    if (weak) {
      status = weak->QueryInterface(aIID, aResult);
      weak->Release();
    }
    if (mErrorPtr) *mErrorPtr = status;
    return status;
  }

 private:
  nsISupports* mRawPtr;
  nsresult* mErrorPtr;
};

inline const nsGetWeakReference do_GetWeakReference(nsISupports* aRawPtr, nsresult* error = 0) {
  return nsGetWeakReference(aRawPtr, error);
}
