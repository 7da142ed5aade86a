// A factory over a constructor function, for the built-in services.
#pragma once

#include "nsIFactory.h"
#include "nsCOMPtr.h"
#include "nsISupportsImpl.h"

#include <utility>

namespace xpcom::internal {

template <class Make>
class SimpleFactory final : public nsIFactory {
 public:
  explicit SimpleFactory(Make make) : mMake(std::move(make)) {}
  NS_IMETHOD QueryInterface(REFNSIID aIID, void** aResult) override {
    if (!aResult) return NS_ERROR_NULL_POINTER;
    *aResult = nullptr;
    if (!aIID.Equals(NS_GET_IID(nsIFactory)) && !aIID.Equals(NS_GET_IID(nsISupports))) return NS_NOINTERFACE;
    *aResult = static_cast<nsIFactory*>(this);
    AddRef();
    return NS_OK;
  }
  NS_IMETHOD_(nsrefcnt) AddRef(void) override { return PR_AtomicIncrement(mRefCnt.AtomicAddress()); }
  NS_IMETHOD_(nsrefcnt) Release(void) override {
    const nsrefcnt count = PR_AtomicDecrement(mRefCnt.AtomicAddress());
    if (count == 0) delete this;
    return count;
  }
  NS_IMETHOD CreateInstance(nsISupports* aOuter, const nsIID& aIID, void** aResult) override {
    if (!aResult) return NS_ERROR_NULL_POINTER;
    *aResult = nullptr;
    if (aOuter) return NS_ERROR_NO_AGGREGATION;
    nsCOMPtr<nsISupports> made = mMake();
    if (!made) return NS_ERROR_OUT_OF_MEMORY;
    return made->QueryInterface(aIID, aResult);
  }
  NS_IMETHOD LockFactory(PRBool) override { return NS_OK; }

 private:
  ~SimpleFactory() = default;
  Make mMake;
  nsAutoRefCnt mRefCnt;
};

template <class Make>
already_AddRefed<nsIFactory> newSimpleFactory(Make make) {
  nsIFactory* factory = new SimpleFactory<Make>(std::move(make));
  factory->AddRef();
  return already_AddRefed<nsIFactory>(factory);
}

}  // namespace xpcom::internal
