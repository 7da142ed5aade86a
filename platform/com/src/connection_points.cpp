// Connection points: subscriptions kept per event interface, events delivered to each
// sink on the thread that subscribed.
#include "platform_internal/connection_points.h"

#include <olectl.h>

#include <algorithm>

#include "dispatch_proxy.h"
#include "platform_internal/apartment.h"
#include "platform_internal/enumerator.h"

namespace com::internal {

ConnectionPoint::ConnectionPoint(IConnectionPointContainer& container, REFIID eventInterface)
    : container_(container), eventInterface_(eventInterface) {}

ConnectionPoint::~ConnectionPoint() {
  std::vector<Connection> remaining;
  {
    std::lock_guard lock(mutex_);
    remaining.swap(connections_);
  }
  for (const Connection& connection : remaining) releaseOnItsThread(connection);
}

HRESULT ConnectionPoint::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (riid != IID_IUnknown && riid != IID_IConnectionPoint) {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  *ppv = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

ULONG ConnectionPoint::AddRef() { return container_.AddRef(); }
ULONG ConnectionPoint::Release() { return container_.Release(); }

HRESULT ConnectionPoint::GetConnectionInterface(IID* pIID) {
  if (!pIID) return E_POINTER;
  *pIID = eventInterface_;
  return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** ppCPC) {
  if (!ppCPC) return E_POINTER;
  container_.AddRef();
  *ppCPC = &container_;
  return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* pUnkSink, DWORD* pdwCookie) {
  if (!pdwCookie) return E_POINTER;
  *pdwCookie = 0;
  if (!pUnkSink) return E_POINTER;
  // Asked on the subscribing thread, where the sink lives.
  IDispatch* sink = nullptr;
  if (FAILED(pUnkSink->QueryInterface(eventInterface_, reinterpret_cast<void**>(&sink))) &&
      FAILED(pUnkSink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&sink)))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  std::lock_guard lock(mutex_);
  *pdwCookie = nextCookie_++;
  connections_.push_back({*pdwCookie, sink, GetCurrentThreadId()});
  return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD dwCookie) {
  Connection removed{};
  {
    std::lock_guard lock(mutex_);
    auto it = std::find_if(connections_.begin(), connections_.end(),
                           [&](const Connection& c) { return c.cookie == dwCookie; });
    if (it == connections_.end()) return CONNECT_E_NOCONNECTION;
    removed = *it;
    connections_.erase(it);
  }
  releaseOnItsThread(removed);
  return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** ppEnum) {
  if (!ppEnum) return E_POINTER;
  std::vector<CONNECTDATA> items;
  {
    std::lock_guard lock(mutex_);
    for (const Connection& c : connections_) items.push_back({c.sink, c.cookie});
    *ppEnum = new ConnectionEnumerator(std::move(items));  // references taken under the lock
  }
  return S_OK;
}

bool ConnectionPoint::connected() const {
  std::lock_guard lock(mutex_);
  return !connections_.empty();
}

IDispatch* ConnectionPoint::sinkOf(DWORD cookie) {
  std::lock_guard lock(mutex_);
  for (const Connection& c : connections_) {
    if (c.cookie != cookie) continue;
    c.sink->AddRef();
    return c.sink;
  }
  return nullptr;
}

void ConnectionPoint::releaseOnItsThread(const Connection& connection) {
  IDispatch* sink = connection.sink;
  if (connection.thread == GetCurrentThreadId() ||
      !win32::internal::callOnThread(connection.thread, [sink] { sink->Release(); })) {
    sink->Release();  // its thread has ended: nothing else can run it
  }
}

void ConnectionPoint::fire(DISPID dispid, DISPPARAMS& params) {
  std::vector<std::pair<DWORD, DWORD>> targets;  // cookie, thread
  {
    std::lock_guard lock(mutex_);
    for (const Connection& c : connections_) targets.emplace_back(c.cookie, c.thread);
  }
  const DWORD self = GetCurrentThreadId();
  for (auto [cookie, thread] : targets) {
    // The sink is looked up, called and released on its own thread, so an Unadvise
    // made there meanwhile is seen and the sink is never released elsewhere.
    auto deliver = [&, cookie = cookie](DISPPARAMS* arguments) {
      IDispatch* sink = sinkOf(cookie);
      if (!sink) return;
      auto call = [&] { return sink->Invoke(dispid, IID_NULL, 0x800, DISPATCH_METHOD, arguments, nullptr, nullptr, nullptr); };
      runGuarded(call);
      sink->Release();
    };
    if (thread == self) {
      deliver(&params);
      continue;
    }
    CrossingArguments arguments(&params, self, thread);
    const bool ran = win32::internal::callOnThread(thread, [&] {
      deliver(arguments.params());
      arguments.returnOutParameters();
    });
    if (!ran) {
      // The subscribing thread has ended without unsubscribing: drop its connection.
      Unadvise(cookie);
    }
  }
}

ConnectionPoints::~ConnectionPoints() = default;

void ConnectionPoints::addConnectionPoint(REFIID eventInterface) {
  points_.push_back(std::make_unique<ConnectionPoint>(*this, eventInterface));
}

ConnectionPoint* ConnectionPoints::connectionPoint(REFIID eventInterface) const {
  for (const auto& point : points_) {
    if (point->eventInterface() == eventInterface) return point.get();
  }
  return nullptr;
}

void ConnectionPoints::fire(REFIID eventInterface, DISPID dispid, DISPPARAMS& params) const {
  if (ConnectionPoint* point = connectionPoint(eventInterface)) point->fire(dispid, params);
}

HRESULT ConnectionPoints::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) {
  if (!ppCP) return E_POINTER;
  *ppCP = connectionPoint(riid);
  if (!*ppCP) return CONNECT_E_NOCONNECTION;
  (*ppCP)->AddRef();
  return S_OK;
}

HRESULT ConnectionPoints::EnumConnectionPoints(IEnumConnectionPoints** ppEnum) {
  if (!ppEnum) return E_POINTER;
  std::vector<IConnectionPoint*> items;
  for (const auto& point : points_) items.push_back(point.get());
  *ppEnum = new ConnectionPointEnumerator(std::move(items));
  return S_OK;
}

}  // namespace com::internal
