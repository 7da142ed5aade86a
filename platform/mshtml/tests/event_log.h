// A DWebBrowserEvents2 sink for tests, living on the test thread: it keeps every event
// it receives (DISPID, URL, target frame name, the browser it was about) and answers
// BeforeNavigate2 and NewWindow2 as told.
#pragma once

#include "browser_fixture.h"

#include <exdispid.h>

#include <atomic>
#include <string>
#include <vector>

namespace mshtml_test {

struct BrowserEvent {
  DISPID id = 0;
  std::string url;
  std::string frameName;
  bool frameNameNull = true;
  IUnknown* about = nullptr;  // identity of pDisp, not referenced (compare only)
  LONG command = 0;           // CommandStateChange
  bool enabled = false;
};

class EventLog : public IDispatch {
 public:
  // BeforeNavigate2 for a URL containing this text is cancelled.
  std::string cancelNavigationTo;
  // NewWindow2: cancel, or hand back this browser (referenced by the caller).
  bool cancelNewWindow = false;
  IDispatch* newWindowHost = nullptr;

  std::vector<BrowserEvent> events;

  // The DISPIDs received, keeping only those in `wanted` (all when empty).
  std::vector<DISPID> ids(std::initializer_list<DISPID> wanted = {}) const;
  bool received(DISPID id) const;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  // Made with new: the browser may still hold the sink for an event in flight after the
  // test unadvised it, so it goes with its last reference.
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

  virtual ~EventLog() = default;

 private:
  std::atomic<ULONG> refs_{1};
};

// Advises a sink on a connection point container for `events` and unadvises at scope end.
class Connection {
 public:
  Connection(IUnknown* source, REFIID events, IUnknown* sink);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  HRESULT result() const { return result_; }

 private:
  Ref<IConnectionPoint> point_;
  DWORD cookie_ = 0;
  HRESULT result_ = E_FAIL;
};

IUnknown* identity(IUnknown* object);  // the IUnknown, without keeping a reference

}  // namespace mshtml_test
