// The running-object table of active objects by class: RegisterActiveObject,
// RevokeActiveObject and GetActiveObject.
#include <objbase.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include "apartment_end.h"
#include "dispatch_proxy.h"
#include "platform_internal/apartment.h"

namespace com::internal {
namespace {

struct ActiveObject {
  DWORD cookie;
  CLSID clsid;
  IUnknown* object;  // the identity; a reference unless registered weak
  bool strong;
  DWORD owner;  // the apartment that hands it out
};

struct RunningObjects {
  std::mutex mutex;
  DWORD nextCookie = 1;
  std::vector<ActiveObject> objects;
};

RunningObjects& running() {
  static auto* instance = new RunningObjects;
  return *instance;
}

void release(const ActiveObject& entry) {
  if (!entry.strong) return;
  if (entry.owner == GetCurrentThreadId() ||
      !win32::internal::callOnThread(entry.owner, [&] { entry.object->Release(); })) {
    entry.object->Release();
  }
}

}  // namespace

void revokeActiveObjectsOf(DWORD apartmentThread) {
  std::vector<ActiveObject> revoked;
  {
    auto& r = running();
    std::lock_guard lock(r.mutex);
    std::erase_if(r.objects, [&](const ActiveObject& o) {
      if (o.owner != apartmentThread) return false;
      revoked.push_back(o);
      return true;
    });
  }
  for (const ActiveObject& o : revoked) release(o);
}

}  // namespace com::internal

using namespace com::internal;

HRESULT STDAPICALLTYPE RegisterActiveObject(IUnknown* punk, REFCLSID rclsid, DWORD dwFlags, DWORD* pdwRegister) {
  if (!punk || !pdwRegister) return E_INVALIDARG;
  if (!apartmentInitialised()) return CO_E_NOTINITIALIZED;
  IUnknown* identity = nullptr;
  HRESULT hr = punk->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
  if (FAILED(hr)) return hr;
  const bool strong = (dwFlags & ACTIVEOBJECT_WEAK) == 0;
  DWORD owner = GetCurrentThreadId();
  if (auto* bound = dynamic_cast<ApartmentObject*>(identity)) owner = bound->ownerThread();
  if (!strong) identity->Release();  // a weak entry relies on the object revoking itself
  auto& r = running();
  std::lock_guard lock(r.mutex);
  *pdwRegister = r.nextCookie++;
  r.objects.push_back({*pdwRegister, rclsid, identity, strong, owner});
  return S_OK;
}

HRESULT STDAPICALLTYPE RevokeActiveObject(DWORD dwRegister, void*) {
  ActiveObject revoked{};
  {
    auto& r = running();
    std::lock_guard lock(r.mutex);
    auto it = std::find_if(r.objects.begin(), r.objects.end(), [&](const ActiveObject& o) { return o.cookie == dwRegister; });
    if (it == r.objects.end()) return E_INVALIDARG;
    revoked = *it;
    r.objects.erase(it);
  }
  release(revoked);
  return S_OK;
}

HRESULT STDAPICALLTYPE GetActiveObject(REFCLSID rclsid, void*, IUnknown** ppunk) {
  if (!ppunk) return E_INVALIDARG;
  *ppunk = nullptr;
  if (!apartmentInitialised()) return CO_E_NOTINITIALIZED;
  IUnknown* object = nullptr;
  DWORD owner = 0;
  {
    auto& r = running();
    std::lock_guard lock(r.mutex);
    auto it = std::find_if(r.objects.begin(), r.objects.end(), [&](const ActiveObject& o) { return o.clsid == rclsid; });
    if (it == r.objects.end()) return MK_E_UNAVAILABLE;
    object = it->object;
    owner = it->owner;
    object->AddRef();
  }
  const HRESULT hr = interfaceForCallingThread(object, owner, IID_IUnknown, reinterpret_cast<void**>(ppunk));
  ActiveObject held{0, rclsid, object, true, owner};
  release(held);
  return hr;
}
