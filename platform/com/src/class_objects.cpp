// The registry of class objects behind CoGetClassObject and CoCreateInstance. A class
// object registered by an apartment is called on that apartment's thread (as a local
// server's is in its own process); what it creates comes back through the same rules as
// unmarshalling.
#include <objbase.h>

#include <mutex>
#include <vector>

#include "apartment_end.h"
#include "dispatch_proxy.h"
#include "platform_internal/apartment.h"
#include "platform_internal/class_objects.h"

namespace com::internal {
namespace {

constexpr DWORD kProcessWide = 0;

struct Registration {
  DWORD cookie;
  CLSID clsid;
  IUnknown* factory;  // one reference
  DWORD context;
  DWORD flags;
  DWORD owner;  // the registering apartment's thread, kProcessWide for none
};

struct ClassTable {
  std::mutex mutex;
  DWORD nextCookie = 1;
  std::vector<Registration> registrations;
};

ClassTable& classes() {
  static auto* instance = new ClassTable;
  return *instance;
}

HRESULT add(REFCLSID rclsid, IUnknown* factory, DWORD context, DWORD flags, DWORD owner, DWORD* cookie) {
  factory->AddRef();
  auto& t = classes();
  std::lock_guard lock(t.mutex);
  *cookie = t.nextCookie++;
  t.registrations.push_back({*cookie, rclsid, factory, context, flags, owner});
  return S_OK;
}

// The class object for `rclsid` in one of `context`'s contexts, with a reference.
bool find(REFCLSID rclsid, DWORD context, IUnknown** factory, DWORD* owner) {
  auto& t = classes();
  std::lock_guard lock(t.mutex);
  for (auto it = t.registrations.begin(); it != t.registrations.end(); ++it) {
    if (it->clsid != rclsid || (it->context & context) == 0) continue;
    *factory = it->factory;
    *owner = it->owner;
    if ((it->flags & REGCLS_MULTIPLEUSE) == 0 && (it->flags & REGCLS_MULTI_SEPARATE) == 0) {
      t.registrations.erase(it);  // single use: the reference moves to the caller
    } else {
      (*factory)->AddRef();
    }
    return true;
  }
  return false;
}

void releaseOn(IUnknown* object, DWORD owner) {
  if (owner == kProcessWide || owner == GetCurrentThreadId() ||
      !win32::internal::callOnThread(owner, [object] { object->Release(); })) {
    object->Release();
  }
}

}  // namespace

HRESULT registerProcessClassObject(REFCLSID rclsid, IUnknown* factory, DWORD dwClsContext, DWORD* registration) {
  if (!factory || !registration) return E_INVALIDARG;
  return add(rclsid, factory, dwClsContext, REGCLS_MULTIPLEUSE, kProcessWide, registration);
}

void revokeClassObjectsOf(DWORD apartmentThread) {
  std::vector<IUnknown*> released;
  {
    auto& t = classes();
    std::lock_guard lock(t.mutex);
    std::erase_if(t.registrations, [&](const Registration& r) {
      if (r.owner != apartmentThread) return false;
      released.push_back(r.factory);
      return true;
    });
  }
  for (IUnknown* factory : released) factory->Release();
}

}  // namespace com::internal

using namespace com::internal;

HRESULT STDAPICALLTYPE CoRegisterClassObject(REFCLSID rclsid, LPUNKNOWN pUnk, DWORD dwClsContext, DWORD flags,
                                             LPDWORD lpdwRegister) {
  if (!pUnk || !lpdwRegister) return E_INVALIDARG;
  if (!apartmentInitialised()) return CO_E_NOTINITIALIZED;
  return add(rclsid, pUnk, dwClsContext, flags, GetCurrentThreadId(), lpdwRegister);
}

HRESULT STDAPICALLTYPE CoRevokeClassObject(DWORD dwRegister) {
  Registration revoked{};
  {
    auto& t = classes();
    std::lock_guard lock(t.mutex);
    auto it = std::find_if(t.registrations.begin(), t.registrations.end(),
                           [&](const Registration& r) { return r.cookie == dwRegister; });
    if (it == t.registrations.end()) return E_INVALIDARG;
    if (it->owner != kProcessWide && it->owner != GetCurrentThreadId()) return RPC_E_WRONG_THREAD;
    revoked = *it;
    t.registrations.erase(it);
  }
  releaseOn(revoked.factory, revoked.owner);
  return S_OK;
}

HRESULT STDAPICALLTYPE CoGetClassObject(REFCLSID rclsid, DWORD dwClsContext, LPVOID, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_INVALIDARG;
  *ppv = nullptr;
  if (!apartmentInitialised()) return CO_E_NOTINITIALIZED;
  IUnknown* factory = nullptr;
  DWORD owner = 0;
  if (!find(rclsid, dwClsContext, &factory, &owner)) return REGDB_E_CLASSNOTREG;
  const HRESULT hr = owner == kProcessWide ? factory->QueryInterface(riid, ppv)
                                           : interfaceForCallingThread(factory, owner, riid, ppv);
  releaseOn(factory, owner);
  return hr;
}

HRESULT STDAPICALLTYPE CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid,
                                        LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (!apartmentInitialised()) return CO_E_NOTINITIALIZED;
  IUnknown* factory = nullptr;
  DWORD owner = 0;
  if (!find(rclsid, dwClsContext, &factory, &owner)) return REGDB_E_CLASSNOTREG;
  const DWORD home = GetCurrentThreadId();
  auto create = [&]() -> HRESULT {
    IClassFactory* classFactory = nullptr;
    HRESULT hr = factory->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&classFactory));
    if (FAILED(hr)) return hr;
    if (owner == kProcessWide || owner == home) {
      hr = classFactory->CreateInstance(pUnkOuter, riid, ppv);
    } else if (pUnkOuter) {
      hr = CLASS_E_NOAGGREGATION;  // an outer object cannot span two apartments
    } else {
      IUnknown* object = nullptr;
      hr = classFactory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object));
      if (SUCCEEDED(hr)) {
        hr = handOut(object, owner, home, riid, ppv);
        object->Release();
      }
    }
    classFactory->Release();
    return hr;
  };
  HRESULT hr = RPC_E_DISCONNECTED;
  if (owner == kProcessWide || owner == home) {
    hr = runGuarded(create);
  } else if (!win32::internal::callOnThread(owner, [&] { hr = runGuarded(create); })) {
    hr = RPC_E_DISCONNECTED;
  }
  releaseOn(factory, owner);
  return hr;
}
