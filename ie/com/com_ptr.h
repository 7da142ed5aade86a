// A counted reference to a COM interface: AddRef when shared, Release when dropped.
#pragma once

#include <objbase.h>

#include <utility>

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes a new reference on `p`.
  explicit ComPtr(T* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { reset(); }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // The address to receive an interface from a call's out parameter; drops the
  // reference held before.
  T** put() {
    reset();
    return &p_;
  }
  void** putVoid() { return reinterpret_cast<void**>(put()); }

  void reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  // Takes over a reference the caller owns.
  void attach(T* p) {
    reset();
    p_ = p;
  }
  // Gives up the reference to the caller.
  T* detach() { return std::exchange(p_, nullptr); }

  // Asks the object for another of its interfaces.
  template <class U>
  HRESULT query(REFIID iid, ComPtr<U>& out) const {
    if (!p_) {
      out.reset();
      return E_POINTER;
    }
    return p_->QueryInterface(iid, out.putVoid());
  }

 private:
  T* p_ = nullptr;
};

// The object's `Interface`, or none when it does not give it (or is null).
template <class Interface>
ComPtr<Interface> queryAs(IUnknown* object, REFIID iid) {
  ComPtr<Interface> result;
  if (object != nullptr) object->QueryInterface(iid, result.putVoid());
  return result;
}

// Whether two interface pointers belong to the same object: COM identity is the
// object's IUnknown.
inline bool isEqualObject(IUnknown* a, IUnknown* b) {
  if (a == nullptr || b == nullptr) return a == b;
  ComPtr<IUnknown> ua, ub;
  if (FAILED(a->QueryInterface(IID_IUnknown, ua.putVoid())) ||
      FAILED(b->QueryInterface(IID_IUnknown, ub.putVoid())))
    return false;
  return ua.get() == ub.get();
}
