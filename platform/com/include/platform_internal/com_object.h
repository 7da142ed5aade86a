// The base of every COM object of the stand-ins: one reference count per object and
// QueryInterface from the list of interfaces it implements. C++ for the stand-ins only.
//
//   class Sink : public com::internal::ComObject<IDispatch> { ... };
//   class Browser : public com::internal::ComObject<
//       com::internal::Implements<BrowserDispatch, IWebBrowser2, IWebBrowserApp, IWebBrowser, IDispatch>,
//       IConnectionPointContainer> { ... };
//
// Each entry is an interface (answered by its own IID) or Implements<Base, Interfaces...>
// (inherits Base and answers the IIDs of Interfaces, which Base derives from). IUnknown
// is answered by the first entry, so every QueryInterface for IUnknown gives the same
// pointer (the object's identity).
#pragma once

#include <objbase.h>

#include <atomic>

namespace com::internal {

template <class Base, class... Interfaces>
struct Implements {};

namespace detail {
template <class Entry>
struct EntryTraits {
  using Base = Entry;
  static void* answer(Base* base, REFIID riid) { return riid == __uuidof(Entry) ? base : nullptr; }
};
template <class B, class... Interfaces>
struct EntryTraits<Implements<B, Interfaces...>> {
  using Base = B;
  static void* answer(Base* base, REFIID riid) {
    void* found = nullptr;
    ((found = found ? found : (riid == __uuidof(Interfaces) ? static_cast<Interfaces*>(base) : nullptr)), ...);
    return found;
  }
};
template <class First, class... Rest>
struct FirstOf {
  using type = First;
};
}  // namespace detail

template <class... Entries>
class ComObject : public detail::EntryTraits<Entries>::Base... {
 public:
  ComObject() = default;
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = findInterface(riid);
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return refs_.fetch_add(1, std::memory_order_relaxed) + 1; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) lastReleased();
    return left;
  }

  // The object's identity, without a reference.
  IUnknown* identity() { return static_cast<IUnknown*>(static_cast<FirstBase*>(this)); }

  // Adds a reference unless the count has already reached zero (the object is being
  // destroyed), for caches that find objects without owning them.
  bool tryAddRef() {
    ULONG refs = refs_.load(std::memory_order_relaxed);
    while (refs != 0) {
      if (refs_.compare_exchange_weak(refs, refs + 1, std::memory_order_relaxed)) return true;
    }
    return false;
  }

 protected:
  virtual ~ComObject() = default;
  // Runs when the count reaches zero; objects bound to a thread destroy themselves there.
  virtual void lastReleased() { delete this; }
  // Interfaces answered beyond the entries (none by default).
  virtual void* findExtraInterface(REFIID) { return nullptr; }

 private:
  using FirstBase = typename detail::EntryTraits<typename detail::FirstOf<Entries...>::type>::Base;

  void* findInterface(REFIID riid) {
    if (riid == IID_IUnknown) return identity();
    void* found = nullptr;
    ((found = found ? found : answer<Entries>(riid)), ...);
    return found ? found : findExtraInterface(riid);
  }
  template <class Entry>
  void* answer(REFIID riid) {
    using Base = typename detail::EntryTraits<Entry>::Base;
    return detail::EntryTraits<Entry>::answer(static_cast<Base*>(this), riid);
  }

  std::atomic<ULONG> refs_{1};
};

}  // namespace com::internal
