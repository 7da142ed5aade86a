// Writing proxies: a proxy for an interface is a class that forwards each method of the
// interface through Forward(), registered once with XPCOM_PROXY_REGISTER. C++ for the
// stand-ins and tests only.
//
//   class ObserverProxy final : public xpcom::proxy::Proxy<nsIObserver> {
//    public:
//     using Proxy::Proxy;
//     NS_IMETHOD Observe(nsISupports* s, const char* t, const PRUnichar* d) override {
//       return Forward([&] { return Real()->Observe(s, t, d); });
//     }
//   };
//   XPCOM_PROXY_REGISTER(nsIObserver, ObserverProxy)
//
// Forward runs the call on the destination thread while the caller waits (serving calls
// carried into its own thread meanwhile), or directly when the caller is on the
// destination thread and the proxy is not PROXY_ALWAYS. Arguments are passed by
// reference to the waiting caller's frame, which is safe because the caller waits.
#pragma once

#include <functional>
#include <memory>
#include <type_traits>

#include "nsCOMPtr.h"
#include "nsIProxyObjectManager.h"
#include "nsISupports.h"

namespace xpcom::internal {
class Inbox;
}

namespace xpcom::proxy {

// The thread a proxy's calls go to: the hand-over behind it is internal to the library
// (see src/hand_over.h) and may change without changing proxies.
class NS_COM Destination {
 public:
  Destination() = default;
  explicit Destination(std::shared_ptr<internal::Inbox> inbox) : mInbox(std::move(inbox)) {}
  bool isCurrentThread() const;
  // Runs `call` on the destination thread and waits; false when it did not run there
  // (the thread has ended, or `call` threw).
  bool callAndWait(std::function<void()> call) const;
  // Queues `call` without waiting; false when the thread has ended.
  bool post(std::function<void()> call) const;
  const std::shared_ptr<internal::Inbox>& inbox() const { return mInbox; }

 private:
  std::shared_ptr<internal::Inbox> mInbox;
};

// Releases `object` on the destination thread (without waiting), or here when that
// thread has ended or is this one.
NS_COM void releaseOn(const Destination& destination, nsISupports* object);

template <class Interface>
class Proxy : public Interface {
 public:
  // Takes over the reference of `real`.
  Proxy(Interface* real, Destination destination, PRInt32 proxyType)
      : mReal(real), mDestination(std::move(destination)), mType(proxyType) {}
  Proxy(const Proxy&) = delete;
  Proxy& operator=(const Proxy&) = delete;

  NS_IMETHOD QueryInterface(REFNSIID aIID, void** aResult) override {
    if (!aResult) return NS_ERROR_NULL_POINTER;
    *aResult = nullptr;
    if (aIID.Equals(NS_GET_IID(Interface)) || aIID.Equals(NS_GET_IID(nsISupports))) {
      *aResult = static_cast<Interface*>(this);
    } else {
      return proxyForOther(aIID, aResult);
    }
    AddRef();
    return NS_OK;
  }
  NS_IMETHOD_(nsrefcnt) AddRef(void) override { return PR_AtomicIncrement(mRefCnt.AtomicAddress()); }
  NS_IMETHOD_(nsrefcnt) Release(void) override {
    const nsrefcnt count = PR_AtomicDecrement(mRefCnt.AtomicAddress());
    if (count == 0) delete this;
    return count;
  }

 protected:
  virtual ~Proxy() { releaseOn(mDestination, mReal); }

  Interface* Real() const { return mReal; }

  template <class Call>
  auto Forward(Call&& call) -> decltype(call()) {
    using Result = decltype(call());
    if (!(mType & PROXY_ALWAYS) && mDestination.isCurrentThread()) return call();
    if constexpr (std::is_same_v<Result, nsresult>) {
      nsresult rv = NS_ERROR_FAILURE;
      if (!mDestination.callAndWait([&] { rv = call(); })) return NS_ERROR_FAILURE;
      return rv;
    } else if constexpr (std::is_void_v<Result>) {
      mDestination.callAndWait([&] { call(); });
    } else {
      Result result{};
      mDestination.callAndWait([&] { result = call(); });
      return result;
    }
  }

 private:
  nsresult proxyForOther(REFNSIID aIID, void** aResult);

  Interface* mReal;
  Destination mDestination;
  PRInt32 mType;
  nsAutoRefCnt mRefCnt;
};

// Makes a proxy of `real` (an addrefed pointer of the registered interface, taken over).
using ProxyMaker = nsISupports* (*)(nsISupports* real, const Destination& destination, PRInt32 proxyType);
NS_COM void registerProxyMaker(const nsIID& iid, ProxyMaker maker);
// A proxy for `object` answering `iid` on `destination`, addrefed in *aResult.
NS_COM nsresult makeProxy(const Destination& destination, const nsIID& iid, nsISupports* object, PRInt32 proxyType,
                          void** aResult);

template <class Interface>
nsresult Proxy<Interface>::proxyForOther(REFNSIID aIID, void** aResult) {
  return makeProxy(mDestination, aIID, mReal, mType, aResult);
}

template <class Interface, class ProxyClass>
struct ProxyRegistration {
  ProxyRegistration() {
    registerProxyMaker(NS_GET_IID(Interface),
                       [](nsISupports* real, const Destination& destination, PRInt32 proxyType) -> nsISupports* {
                         auto* proxy = new ProxyClass(static_cast<Interface*>(real), destination, proxyType);
                         Interface* answer = proxy;
                         answer->AddRef();
                         return answer;
                       });
  }
};

}  // namespace xpcom::proxy

#define XPCOM_PROXY_REGISTER(_interface, _proxyClass) \
  static const xpcom::proxy::ProxyRegistration<_interface, _proxyClass> kProxyRegistration_##_proxyClass;
