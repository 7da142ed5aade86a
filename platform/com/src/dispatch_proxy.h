// A reference, held by one apartment, to a plain object of another: IUnknown and
// IDispatch calls are carried to the object's thread; other interfaces are not offered.
#pragma once

#include <objbase.h>

#include <mutex>
#include <vector>

#include "platform_internal/com_object.h"

namespace com::internal {

class DispatchProxy : public ComObject<IDispatch> {
 public:
  // Made on `ownerThread` (the target's apartment) for use on `homeThread`.
  static HRESULT create(IUnknown* target, DWORD ownerThread, DWORD homeThread, REFIID riid, void** ppv);

  // The target (its identity, or its IDispatch when `asDispatch`) with a reference, and
  // its apartment: marshalling a proxy names the object itself, and a proxy handed back
  // to the target's apartment is unwrapped. False once disconnected.
  bool target(IUnknown** object, DWORD* ownerThread, bool asDispatch = false);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                                          DISPID* rgDispId) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

  // Lets go of the target (on its thread, when its apartment ends); later calls fail
  // with RPC_E_DISCONNECTED.
  void disconnect(IUnknown** target, IDispatch** dispatch);

 private:
  DispatchProxy(IUnknown* target, IDispatch* dispatch, DWORD ownerThread, DWORD homeThread);
  ~DispatchProxy() override;

  // Runs `body` with the target's dispatch interface on the owner thread.
  template <class Body>
  HRESULT callTarget(Body&& body);

  std::mutex mutex_;
  IUnknown* target_;     // owned; null once disconnected
  IDispatch* dispatch_;  // owned; null when the target has no IDispatch
  const DWORD ownerThread_;
  const DWORD homeThread_;
};

// Arguments that go from thread `from` to a call on thread `to`: interface pointers of
// plain objects passed by value are replaced by proxies for `to` (in a copy of the
// array), and objects the callee stores through VT_BYREF interface parameters (such as
// NewWindow2's ppDisp) are replaced by proxies for `from` once the call returns.
class CrossingArguments {
 public:
  CrossingArguments(DISPPARAMS* params, DWORD from, DWORD to);  // on `from`
  ~CrossingArguments();                                          // on `from`
  CrossingArguments(const CrossingArguments&) = delete;
  CrossingArguments& operator=(const CrossingArguments&) = delete;
  DISPPARAMS* params() { return params_; }
  // On `to`, right after the call.
  void returnOutParameters();

 private:
  struct OutSlot {
    VARTYPE vt;
    IUnknown** slot;
    IUnknown* before;
  };

  DISPPARAMS* params_;
  DISPPARAMS copy_{};
  VARIANT* variants_ = nullptr;
  std::vector<OutSlot> outSlots_;
  const DWORD from_;
  const DWORD to_;
};

// Runs on `owner`: `object` (of that apartment) as `riid` for thread `home`: the object
// itself when it is agile or `home` is `owner`, otherwise a proxy.
HRESULT handOut(IUnknown* object, DWORD owner, DWORD home, REFIID riid, void** ppv);
bool isAgile(IUnknown* object);

// Replaces an interface pointer of a plain object in `result` (made on `from`) with a
// proxy for thread `to`. Runs on `from`.
void makeResultCrossable(VARIANT* result, DWORD from, DWORD to);

}  // namespace com::internal
