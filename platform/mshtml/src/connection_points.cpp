#include "connection_points.h"

#include <platform_internal/apartment.h>

namespace mshtml {

ConnectionPoints::ConnectionPoints(IConnectionPointContainer* container, std::vector<const IID*> interfaces) {
  for (const IID* events : interfaces) points_.push_back(new ConnectionPoint(*events, container, this));
}

ConnectionPoints::~ConnectionPoints() {
  for (ConnectionPoint* point : points_) {
    point->containerGone();
    point->Release();
  }
}

void ConnectionPoints::onConnectionChange(std::function<void(bool connected)> changed) {
  changed_ = std::move(changed);
}

void ConnectionPoints::sinkCountChanged(int delta) {
  const int before = sinks_;
  sinks_ += delta;
  if (!changed_) return;
  if (before == 0 && sinks_ > 0) changed_(true);
  if (before > 0 && sinks_ == 0) changed_(false);
}

HRESULT ConnectionPoints::find(REFIID riid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  for (ConnectionPoint* each : points_) {
    if (IsEqualIID(each->events(), riid)) {
      each->AddRef();
      *point = each;
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

HRESULT ConnectionPoints::enumerate(IEnumConnectionPoints** points) {
  if (points) *points = nullptr;
  return E_NOTIMPL;
}

void ConnectionPoints::fire(const IID& events, DISPID member, DISPPARAMS* params) {
  for (ConnectionPoint* point : points_) {
    if (IsEqualIID(point->events(), events)) point->fire(member, params);
  }
}

bool ConnectionPoints::hasSinks(const IID& events) const {
  for (const ConnectionPoint* point : points_) {
    if (IsEqualIID(point->events(), events)) return point->hasSinks();
  }
  return false;
}

ConnectionPoint::~ConnectionPoint() {
  for (const Sink& sink : sinks_) sink.dispatch->Release();
}

void* ConnectionPoint::queryInterface(REFIID riid) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IConnectionPoint)) return static_cast<IConnectionPoint*>(this);
  return nullptr;
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = events_;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (!container) return E_POINTER;
  *container = nullptr;
  return carry([&] {
    if (!container_) return E_UNEXPECTED;
    container_->AddRef();
    *container = container_;
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!sink || !cookie) return E_POINTER;
  *cookie = 0;
  // The sink must speak the event interface, or IDispatch as MFC and ATL sinks do.
  void* found = nullptr;
  if (FAILED(sink->QueryInterface(events_, &found)) && FAILED(sink->QueryInterface(IID_IDispatch, &found))) {
    return CONNECT_E_CANNOTCONNECT;
  }
  auto* dispatch = static_cast<IDispatch*>(found);
  const DWORD adviser = GetCurrentThreadId();
  const HRESULT result = carry([&] {
    void* carrier = nullptr;
    const HRESULT made = com::internal::interfaceForCallingThread(dispatch, adviser, IID_IDispatch, &carrier);
    if (FAILED(made)) return made;
    sinks_.push_back({nextCookie_, static_cast<IDispatch*>(carrier)});
    *cookie = nextCookie_++;
    if (owner_) owner_->sinkCountChanged(1);
    return S_OK;
  });
  dispatch->Release();
  return result;
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::Unadvise(DWORD cookie) {
  return carry([&] {
    for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
      if (it->cookie == cookie) {
        IDispatch* removed = it->dispatch;
        sinks_.erase(it);
        removed->Release();
        if (owner_) owner_->sinkCountChanged(-1);
        return S_OK;
      }
    }
    return CONNECT_E_NOCONNECTION;
  });
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::EnumConnections(IEnumConnections** connections) {
  if (connections) *connections = nullptr;
  return E_NOTIMPL;
}

void ConnectionPoint::fire(DISPID member, DISPPARAMS* params) {
  // A sink may unadvise (or advise) while it is called; call the ones present now.
  std::vector<Sink> sinks = sinks_;
  for (const Sink& sink : sinks) sink.dispatch->AddRef();
  for (const Sink& sink : sinks) {
    sink.dispatch->Invoke(member, IID_NULL, 0, DISPATCH_METHOD, params, nullptr, nullptr, nullptr);
  }
  for (const Sink& sink : sinks) sink.dispatch->Release();
}

}  // namespace mshtml
