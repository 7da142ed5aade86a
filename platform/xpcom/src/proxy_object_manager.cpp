// nsIProxyObjectManager, the registry of proxy classes and the proxy destination.
#include <cstring>
#include <map>
#include <mutex>

#include "builtin_services.h"
#include "hand_over.h"
#include "nsComponentManagerUtils.h"
#include "nsIObserver.h"
#include "nsIProxyObjectManager.h"
#include "nsIRunnable.h"
#include "nsISupportsImpl.h"
#include "platform_internal/xpcom_proxy.h"
#include "simple_factory.h"

namespace xpcom::proxy {

bool Destination::isCurrentThread() const { return mInbox && internal::isOwnerThread(*mInbox); }

bool Destination::callAndWait(std::function<void()> call) const {
  return mInbox && internal::callAndWait(*mInbox, std::move(call));
}

bool Destination::post(std::function<void()> call) const {
  if (!mInbox) return false;
  internal::CarriedCall carried;
  carried.run = std::move(call);
  return internal::post(*mInbox, std::move(carried));
}

void releaseOn(const Destination& destination, nsISupports* object) {
  if (!object) return;
  if (destination.isCurrentThread() || !destination.inbox()) {
    object->Release();
    return;
  }
  // The release runs on the destination thread; if that thread ends first, on the
  // thread that ends it (still the object's own thread).
  internal::CarriedCall carried;
  carried.run = [object] { object->Release(); };
  carried.discard = [object] { object->Release(); };
  if (!internal::post(*destination.inbox(), std::move(carried))) object->Release();
}

namespace {
struct IIDLess {
  bool operator()(const nsIID& left, const nsIID& right) const { return std::memcmp(&left, &right, sizeof(nsIID)) < 0; }
};
std::mutex& registryMutex() {
  static std::mutex mutex;
  return mutex;
}
std::map<nsIID, ProxyMaker, IIDLess>& registry() {
  static std::map<nsIID, ProxyMaker, IIDLess> makers;
  return makers;
}
ProxyMaker makerFor(const nsIID& iid) {
  std::lock_guard lock(registryMutex());
  auto found = registry().find(iid);
  return found == registry().end() ? nullptr : found->second;
}
}  // namespace

void registerProxyMaker(const nsIID& iid, ProxyMaker maker) {
  std::lock_guard lock(registryMutex());
  registry()[iid] = maker;
}

nsresult makeProxy(const Destination& destination, const nsIID& iid, nsISupports* object, PRInt32 proxyType,
                   void** aResult) {
  if (!aResult) return NS_ERROR_NULL_POINTER;
  *aResult = nullptr;
  if (!object) return NS_ERROR_NULL_POINTER;
  const ProxyMaker maker = makerFor(iid);
  if (!maker) return NS_NOINTERFACE;
  // The object is asked for the interface on its own thread.
  nsISupports* real = nullptr;
  nsresult rv = NS_ERROR_FAILURE;
  const auto ask = [&] { rv = object->QueryInterface(iid, reinterpret_cast<void**>(&real)); };
  if (destination.isCurrentThread()) {
    ask();
  } else if (!destination.callAndWait(ask)) {
    return NS_ERROR_FAILURE;
  }
  if (NS_FAILED(rv)) return rv;
  if (!real) return NS_NOINTERFACE;
  *aResult = maker(real, destination, proxyType);
  return NS_OK;
}

}  // namespace xpcom::proxy

namespace xpcom::internal {
namespace {

class ProxyObjectManager final : public nsIProxyObjectManager {
 public:
  NS_DECL_ISUPPORTS

  // From the destination thread itself, without PROXY_ALWAYS, the object is its own
  // proxy (as in Gecko).
  NS_IMETHOD GetProxyForObject(nsIEventQueue* destQueue, const nsIID& iid, nsISupports* object, PRInt32 proxyType,
                               void** result) override {
    if (!result) return NS_ERROR_NULL_POINTER;
    *result = nullptr;
    if (!object) return NS_ERROR_NULL_POINTER;
    if (proxyType & PROXY_ASYNC) return NS_ERROR_NOT_IMPLEMENTED;
    proxy::Destination destination;
    const nsresult rv = destinationOf(destQueue, destination);
    if (NS_FAILED(rv)) return rv;
    if (!(proxyType & PROXY_ALWAYS) && destination.isCurrentThread()) return object->QueryInterface(iid, result);
    return proxy::makeProxy(destination, iid, object, proxyType, result);
  }

  // Creates the class on the destination thread and hands out a proxy of it.
  NS_IMETHOD GetProxy(nsIEventQueue* destQueue, const nsIID& cid, nsISupports* aOuter, const nsIID& iid,
                      PRInt32 proxyType, void** result) override {
    if (!result) return NS_ERROR_NULL_POINTER;
    *result = nullptr;
    proxy::Destination destination;
    nsresult rv = destinationOf(destQueue, destination);
    if (NS_FAILED(rv)) return rv;
    nsCOMPtr<nsISupports> made;
    rv = NS_ERROR_FAILURE;
    const auto create = [&] { made = do_CreateInstance(cid, aOuter, &rv); };
    if (destination.isCurrentThread()) {
      create();
    } else if (!destination.callAndWait(create)) {
      return NS_ERROR_FAILURE;
    }
    if (NS_FAILED(rv)) return rv;
    rv = GetProxyForObject(destQueue, iid, made, proxyType, result);
    nsISupports* raw = nullptr;
    made.forget(&raw);
    proxy::releaseOn(destination, raw);  // the object's count changes only on its thread
    return rv;
  }

 private:
  ~ProxyObjectManager() = default;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(ProxyObjectManager, nsIProxyObjectManager)

class ObserverProxy final : public proxy::Proxy<nsIObserver> {
 public:
  using Proxy::Proxy;
  NS_IMETHOD Observe(nsISupports* aSubject, const char* aTopic, const PRUnichar* aData) override {
    return Forward([&] { return Real()->Observe(aSubject, aTopic, aData); });
  }
};
XPCOM_PROXY_REGISTER(nsIObserver, ObserverProxy)

class RunnableProxy final : public proxy::Proxy<nsIRunnable> {
 public:
  using Proxy::Proxy;
  NS_IMETHOD Run(void) override {
    return Forward([&] { return Real()->Run(); });
  }
};
XPCOM_PROXY_REGISTER(nsIRunnable, RunnableProxy)

}  // namespace

already_AddRefed<nsIFactory> newProxyObjectManagerFactory() {
  return newSimpleFactory([]() -> nsCOMPtr<nsISupports> {
    nsIProxyObjectManager* manager = new ProxyObjectManager();
    return nsCOMPtr<nsISupports>(manager);
  });
}

}  // namespace xpcom::internal
