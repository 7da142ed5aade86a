// Connection points for objects that fire events: a container offering one point per
// event interface, each keeping its subscribers. C++ for the stand-ins only.
//
//   class Browser : public ComObject<..., Implements<ConnectionPoints, IConnectionPointContainer>> {
//     Browser() { addConnectionPoint(DIID_DWebBrowserEvents2); }
//     ... fire(DIID_DWebBrowserEvents2, DISPID_BEFORENAVIGATE2, *arguments.params());
//   };
//
// A sink is called on the thread that advised it; the firing thread waits for each call
// to return (so it reads out parameters such as Cancel afterwards) and serves calls
// carried into it meanwhile.
#pragma once

#include <ocidl.h>

#include <memory>
#include <mutex>
#include <vector>

namespace com::internal {

class DECLSPEC_EXPORT ConnectionPoint final : public IConnectionPoint {
 public:
  ConnectionPoint(IConnectionPointContainer& container, REFIID eventInterface);
  ~ConnectionPoint();
  ConnectionPoint(const ConnectionPoint&) = delete;
  ConnectionPoint& operator=(const ConnectionPoint&) = delete;

  // The point lives inside its container and shares its reference count.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* pIID) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** ppCPC) override;
  // The sink must answer the event interface or IDispatch. Cookies are never reused.
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD dwCookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** ppEnum) override;

  const IID& eventInterface() const { return eventInterface_; }
  bool connected() const;
  // Calls `dispid` with `params` on every sink connected when the firing starts and
  // still connected when its turn comes, in the order they were advised.
  void fire(DISPID dispid, DISPPARAMS& params);

 private:
  struct Connection {
    DWORD cookie;
    IDispatch* sink;  // one reference, released on `thread`
    DWORD thread;     // the thread that advised
  };
  // A new reference to the sink of `cookie`, or null when it is no longer connected.
  IDispatch* sinkOf(DWORD cookie);
  static void releaseOnItsThread(const Connection& connection);

  IConnectionPointContainer& container_;
  const IID eventInterface_;
  mutable std::mutex mutex_;
  std::vector<Connection> connections_;
  DWORD nextCookie_ = 1;
};

// IConnectionPointContainer over a table of event interfaces. The object adds its
// points in its constructor; the table does not change afterwards.
class DECLSPEC_EXPORT ConnectionPoints : public IConnectionPointContainer {
 public:
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** ppEnum) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) override;

  // The point for `eventInterface`, or null.
  ConnectionPoint* connectionPoint(REFIID eventInterface) const;
  // Fires an event on the point of `eventInterface` (nothing when there is none).
  void fire(REFIID eventInterface, DISPID dispid, DISPPARAMS& params) const;

 protected:
  ConnectionPoints() = default;
  ~ConnectionPoints();
  void addConnectionPoint(REFIID eventInterface);

 private:
  std::vector<std::unique_ptr<ConnectionPoint>> points_;
};

}  // namespace com::internal
