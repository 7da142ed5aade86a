// The base of every object of this library. Objects belong to their browser thread, as
// IE's objects belong to its single-threaded apartment: a method called on another
// thread carries its body to the browser thread and waits, serving calls carried into
// the caller meanwhile (so re-entrant chains complete). The reference count is atomic
// and the object is destroyed on its browser thread, because it holds engine objects
// that only that thread may touch.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <platform_internal/apartment.h>
#include <platform_internal/thread_calls.h>

#include <atomic>
#include <exception>
#include <new>
#include <utility>

namespace mshtml {

// The apartment part (owner thread, carry()) is the COM stand-in's, so that marshalling
// and the running-object table see these objects as belonging to the browser thread.
class CarriedObject : public com::internal::ApartmentObject {
 public:
  CarriedObject(const CarriedObject&) = delete;
  CarriedObject& operator=(const CarriedObject&) = delete;

  // A new reference, unless the last one is already gone and the object's deletion is on
  // its way to the owner thread (a cache must then make a new object, not revive it).
  bool addRefUnlessDying() {
    ULONG count = refs_.load(std::memory_order_relaxed);
    while (count != 0) {
      if (refs_.compare_exchange_weak(count, count + 1, std::memory_order_relaxed)) return true;
    }
    return false;
  }

 protected:
  CarriedObject() = default;
  virtual ~CarriedObject() = default;

  ULONG addRef() { return refs_.fetch_add(1, std::memory_order_relaxed) + 1; }
  ULONG release() {
    const ULONG left = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) destroyOnOwner();
    return left;
  }

  // Drops a reference once the current call has returned (for objects that hold a
  // reference on themselves and must not be destroyed inside their own callbacks).
  void releaseLater() {
    if (!win32::internal::postToThread(ownerThread(), [this] { release(); })) release();
  }

 private:
  void destroyOnOwner() {
    if (onOwnerThread() || !win32::internal::postToThread(ownerThread(), [this] { delete this; })) delete this;
  }

  std::atomic<ULONG> refs_{1};
};

// IUnknown for a class deriving from CarriedObject and COM interfaces: AddRef and
// Release on the one count, QueryInterface through the class's queryInterface(riid),
// which returns the interface pointer or nullptr. Every object answers IAgileObject:
// it carries its own calls, so other threads may use it as it is.
#define MSHTML_IUNKNOWN_METHODS                                                   \
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {   \
    if (!out) return E_POINTER;                                                   \
    *out = queryInterface(IsEqualIID(riid, IID_IAgileObject) ? IID_IUnknown : riid); \
    if (!*out) return E_NOINTERFACE;                                              \
    addRef();                                                                     \
    return S_OK;                                                                  \
  }                                                                               \
  ULONG STDMETHODCALLTYPE AddRef() override { return addRef(); }                  \
  ULONG STDMETHODCALLTYPE Release() override { return release(); }

// IDispatch for DOM objects that the system reaches through their vtables only: no type
// information, no names.
#define MSHTML_VTABLE_ONLY_IDISPATCH_METHODS                                                          \
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {                                 \
    if (!count) return E_POINTER;                                                                     \
    *count = 0;                                                                                       \
    return S_OK;                                                                                      \
  }                                                                                                   \
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {                     \
    if (info) *info = nullptr;                                                                        \
    return DISP_E_BADINDEX;                                                                           \
  }                                                                                                   \
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) override { \
    for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;                                  \
    return DISP_E_UNKNOWNNAME;                                                                        \
  }                                                                                                   \
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,    \
                                   UINT*) override {                                                  \
    return DISP_E_MEMBERNOTFOUND;                                                                     \
  }

}  // namespace mshtml
