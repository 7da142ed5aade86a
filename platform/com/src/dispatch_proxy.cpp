// Proxies to plain objects of other apartments, and the rewriting of interface
// arguments that cross apartments.
#include "dispatch_proxy.h"

#include <unordered_map>
#include <utility>
#include <vector>

#include "apartment_end.h"
#include "platform_internal/apartment.h"

namespace com::internal {
namespace {

// Every live proxy by the thread of its target, so that an ending apartment can
// disconnect them.
struct ProxyRegistry {
  std::mutex mutex;
  std::unordered_multimap<DWORD, DispatchProxy*> byOwner;
};

ProxyRegistry& registry() {
  static auto* instance = new ProxyRegistry;  // outlives threads ending at process exit
  return *instance;
}

void unregister(DWORD ownerThread, DispatchProxy* proxy) {
  auto& r = registry();
  std::lock_guard lock(r.mutex);
  auto [begin, end] = r.byOwner.equal_range(ownerThread);
  for (auto it = begin; it != end; ++it) {
    if (it->second == proxy) {
      r.byOwner.erase(it);
      return;
    }
  }
}

// An interface pointer of thread `from` made usable on thread `to`: agile objects and
// proxies back to `to` pass as they are (unwrapped); others get a proxy. Runs on `from`.
IUnknown* crossable(IUnknown* object, VARTYPE vt, DWORD from, DWORD to) {
  if (auto* proxy = dynamic_cast<DispatchProxy*>(object)) {
    IUnknown* target = nullptr;
    DWORD owner = 0;
    if (proxy->target(&target, &owner, vt == VT_DISPATCH)) {
      if (owner == to) return target;  // the reference goes back to its own apartment
      target->Release();
    }
  }
  if (isAgile(object)) {
    object->AddRef();
    return object;
  }
  void* proxy = nullptr;
  const HRESULT hr = DispatchProxy::create(object, from, to, vt == VT_DISPATCH ? IID_IDispatch : IID_IUnknown, &proxy);
  return SUCCEEDED(hr) ? static_cast<IUnknown*>(proxy) : nullptr;
}

bool carriesInterface(const VARIANT& v) { return (v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && v.punkVal; }

}  // namespace

bool isAgile(IUnknown* object) {
  IUnknown* marker = nullptr;
  if (FAILED(object->QueryInterface(IID_IAgileObject, reinterpret_cast<void**>(&marker)))) return false;
  marker->Release();
  return true;
}

HRESULT handOut(IUnknown* object, DWORD owner, DWORD home, REFIID riid, void** ppv) {
  if (owner == home || isAgile(object)) return object->QueryInterface(riid, ppv);
  return DispatchProxy::create(object, owner, home, riid, ppv);
}

DispatchProxy::DispatchProxy(IUnknown* target, IDispatch* dispatch, DWORD ownerThread, DWORD homeThread)
    : target_(target), dispatch_(dispatch), ownerThread_(ownerThread), homeThread_(homeThread) {}

HRESULT DispatchProxy::create(IUnknown* target, DWORD ownerThread, DWORD homeThread, REFIID riid, void** ppv) {
  *ppv = nullptr;
  IUnknown* identity = nullptr;
  HRESULT hr = target->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
  if (FAILED(hr)) return hr;
  IDispatch* dispatch = nullptr;
  if (FAILED(target->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) dispatch = nullptr;
  if (riid != IID_IUnknown && !(riid == IID_IDispatch && dispatch)) {
    if (dispatch) dispatch->Release();
    identity->Release();
    return E_NOINTERFACE;
  }
  DispatchProxy* proxy = nullptr;
  {
    // One proxy per object and apartment, so that identities compare equal there. A
    // proxy still in the registry has not reached its destructor's unregistering; one
    // whose count has reached zero is left to it.
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto [begin, end] = r.byOwner.equal_range(ownerThread);
    for (auto it = begin; it != end && !proxy; ++it) {
      DispatchProxy* known = it->second;
      std::lock_guard knownLock(known->mutex_);
      if (known->homeThread_ == homeThread && known->target_ == identity && known->tryAddRef()) proxy = known;
    }
    if (proxy) {
      if (dispatch) dispatch->Release();
      identity->Release();
    } else {
      proxy = new DispatchProxy(identity, dispatch, ownerThread, homeThread);
      r.byOwner.emplace(ownerThread, proxy);
    }
  }
  *ppv = riid == IID_IDispatch ? static_cast<void*>(static_cast<IDispatch*>(proxy)) : proxy->identity();
  return S_OK;
}

DispatchProxy::~DispatchProxy() {
  unregister(ownerThread_, this);
  IUnknown* target = nullptr;
  IDispatch* dispatch = nullptr;
  disconnect(&target, &dispatch);
  if (!target && !dispatch) return;
  auto release = [&] {
    if (dispatch) dispatch->Release();
    if (target) target->Release();
  };
  // The target is released in its apartment; if that thread has ended meanwhile, here.
  if (GetCurrentThreadId() == ownerThread_ || !win32::internal::callOnThread(ownerThread_, release)) release();
}

void DispatchProxy::disconnect(IUnknown** target, IDispatch** dispatch) {
  std::lock_guard lock(mutex_);
  *target = std::exchange(target_, nullptr);
  *dispatch = std::exchange(dispatch_, nullptr);
}

bool DispatchProxy::target(IUnknown** object, DWORD* ownerThread, bool asDispatch) {
  std::lock_guard lock(mutex_);
  IUnknown* wanted = asDispatch ? dispatch_ : target_;
  if (!wanted) return false;
  wanted->AddRef();
  *object = wanted;
  *ownerThread = ownerThread_;
  return true;
}

template <class Body>
HRESULT DispatchProxy::callTarget(Body&& body) {
  if (GetCurrentThreadId() != homeThread_) return RPC_E_WRONG_THREAD;
  HRESULT result = RPC_E_DISCONNECTED;
  // The pointer is read on the owner thread, where a disconnection also happens, so it
  // cannot be released between the read and the call.
  const bool ran = win32::internal::callOnThread(ownerThread_, [&] {
    IDispatch* dispatch;
    {
      std::lock_guard lock(mutex_);
      dispatch = dispatch_;
    }
    if (dispatch) {
      auto call = [&] { return body(dispatch); };
      result = runGuarded(call);
    }
  });
  return ran ? result : RPC_E_DISCONNECTED;
}

HRESULT DispatchProxy::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (GetCurrentThreadId() != homeThread_) return RPC_E_WRONG_THREAD;
  bool hasDispatch;
  {
    std::lock_guard lock(mutex_);
    hasDispatch = dispatch_ != nullptr;
  }
  if (riid == IID_IDispatch && !hasDispatch) return E_NOINTERFACE;
  return ComObject::QueryInterface(riid, ppv);
}

HRESULT DispatchProxy::GetTypeInfoCount(UINT* pctinfo) {
  return callTarget([&](IDispatch* d) { return d->GetTypeInfoCount(pctinfo); });
}

HRESULT DispatchProxy::GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) {
  return callTarget([&](IDispatch* d) { return d->GetTypeInfo(iTInfo, lcid, ppTInfo); });
}

HRESULT DispatchProxy::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) {
  return callTarget([&](IDispatch* d) { return d->GetIDsOfNames(riid, rgszNames, cNames, lcid, rgDispId); });
}

HRESULT DispatchProxy::Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                              VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) {
  if (GetCurrentThreadId() != homeThread_) return RPC_E_WRONG_THREAD;
  CrossingArguments arguments(pDispParams, homeThread_, ownerThread_);
  return callTarget([&](IDispatch* d) {
    const HRESULT hr = d->Invoke(dispIdMember, riid, lcid, wFlags, arguments.params(), pVarResult, pExcepInfo, puArgErr);
    arguments.returnOutParameters();
    if (SUCCEEDED(hr)) makeResultCrossable(pVarResult, ownerThread_, homeThread_);
    return hr;
  });
}

CrossingArguments::CrossingArguments(DISPPARAMS* params, DWORD from, DWORD to)
    : params_(params), from_(from), to_(to) {
  if (!params || !params->rgvarg) return;
  bool byValue = false;
  for (UINT i = 0; i < params->cArgs; ++i) {
    const VARIANT& v = params->rgvarg[i];
    if (carriesInterface(v)) byValue = true;
    const VARTYPE target = v.vt & ~VT_BYREF;
    if ((v.vt & VT_BYREF) && (target == VT_DISPATCH || target == VT_UNKNOWN) && v.ppunkVal) {
      outSlots_.push_back({target, v.ppunkVal, *v.ppunkVal});
    }
  }
  if (!byValue) return;
  variants_ = new VARIANT[params->cArgs];
  for (UINT i = 0; i < params->cArgs; ++i) {
    VARIANT& v = variants_[i];
    v = params->rgvarg[i];
    if (!carriesInterface(v)) continue;  // values are read in place; references stay shared
    IUnknown* replacement = crossable(v.punkVal, v.vt, from, to);
    if (replacement) {
      v.punkVal = replacement;
    } else {
      v.vt = VT_EMPTY;  // an object that cannot cross arrives as no value
    }
  }
  copy_ = *params;
  copy_.rgvarg = variants_;
  params_ = &copy_;
}

void CrossingArguments::returnOutParameters() {
  for (const OutSlot& out : outSlots_) {
    IUnknown* stored = *out.slot;
    if (!stored || stored == out.before) continue;  // the caller's own value is left alone
    *out.slot = crossable(stored, out.vt, to_, from_);
    stored->Release();
  }
}

CrossingArguments::~CrossingArguments() {
  if (!variants_) return;
  for (UINT i = 0; i < copy_.cArgs; ++i) {
    if (carriesInterface(variants_[i])) variants_[i].punkVal->Release();
  }
  delete[] variants_;
}

void makeResultCrossable(VARIANT* result, DWORD from, DWORD to) {
  if (!result || !carriesInterface(*result)) return;
  IUnknown* original = result->punkVal;
  IUnknown* replacement = crossable(original, result->vt, from, to);
  original->Release();
  if (replacement) {
    result->punkVal = replacement;
  } else {
    VariantInit(result);
  }
}

void disconnectProxiesTo(DWORD apartmentThread) {
  std::vector<std::pair<IUnknown*, IDispatch*>> released;
  {
    auto& r = registry();
    std::lock_guard lock(r.mutex);
    auto [begin, end] = r.byOwner.equal_range(apartmentThread);
    for (auto it = begin; it != end; ++it) {
      IUnknown* target = nullptr;
      IDispatch* dispatch = nullptr;
      it->second->disconnect(&target, &dispatch);
      released.emplace_back(target, dispatch);
    }
    r.byOwner.erase(apartmentThread);
  }
  for (auto [target, dispatch] : released) {
    if (dispatch) dispatch->Release();
    if (target) target->Release();
  }
}

}  // namespace com::internal
