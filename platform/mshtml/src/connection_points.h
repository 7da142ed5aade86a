// Connection points of this library's objects (DWebBrowserEvents2 on a browser,
// HTMLDocumentEvents2 on a document, the field event interfaces on fields), one
// implementation driven by the list of event interfaces an object offers.
//
// A sink is called on the thread that advised it, as COM calls a sink of another
// apartment: Advise keeps a reference that carries each call there, and fire() waits
// for every sink to return, so out parameters (BeforeNavigate2's Cancel) are read after.
#pragma once

#include "carried_object.h"

#include <ocidl.h>

#include <functional>
#include <memory>
#include <vector>

namespace mshtml {

class ConnectionPoint;

class ConnectionPoints {
 public:
  // `container` is the owning object's IConnectionPointContainer (not referenced: the
  // points hold a back pointer the owner clears when it goes).
  ConnectionPoints(IConnectionPointContainer* container, std::vector<const IID*> interfaces);
  ~ConnectionPoints();
  ConnectionPoints(const ConnectionPoints&) = delete;
  ConnectionPoints& operator=(const ConnectionPoints&) = delete;

  // IConnectionPointContainer::FindConnectionPoint for the owner.
  HRESULT find(REFIID riid, IConnectionPoint** point);
  // IConnectionPointContainer::EnumConnectionPoints for the owner.
  HRESULT enumerate(IEnumConnectionPoints** points);

  // Browser thread only: `changed(true)` runs when the first sink of any point connects,
  // `changed(false)` when the last one leaves; owners start and stop listening there.
  void onConnectionChange(std::function<void(bool connected)> changed);

  // Browser thread only: calls every sink of `events` with `member` and `params`,
  // one after the other, in the order they advised.
  void fire(const IID& events, DISPID member, DISPPARAMS* params);
  bool hasSinks(const IID& events) const;

 private:
  friend class ConnectionPoint;
  void sinkCountChanged(int delta);

  std::vector<ConnectionPoint*> points_;
  std::function<void(bool)> changed_;
  int sinks_ = 0;
};

class ConnectionPoint final : public CarriedObject, public IConnectionPoint {
 public:
  ConnectionPoint(const IID& events, IConnectionPointContainer* container, ConnectionPoints* owner)
      : events_(events), container_(container), owner_(owner) {}

  MSHTML_IUNKNOWN_METHODS

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

  const IID& events() const { return events_; }
  // Browser thread only.
  void fire(DISPID member, DISPPARAMS* params);
  bool hasSinks() const { return !sinks_.empty(); }
  void containerGone() {
    container_ = nullptr;
    owner_ = nullptr;
  }

 private:
  struct Sink {
    DWORD cookie;
    IDispatch* dispatch;  // carries calls to the advising thread
  };
  ~ConnectionPoint() override;
  void* queryInterface(REFIID riid);

  const IID events_;
  IConnectionPointContainer* container_;
  ConnectionPoints* owner_;
  std::vector<Sink> sinks_;
  DWORD nextCookie_ = 1;
};

}  // namespace mshtml
