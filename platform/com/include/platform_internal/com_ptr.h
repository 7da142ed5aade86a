// An owning interface pointer for the stand-ins' own code (one reference, released on
// destruction). C++ for the stand-ins only.
#pragma once

#include <unknwn.h>

#include <utility>

namespace com::internal {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes a new reference to `p`.
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

  // Adopts a reference the caller already owns.
  static ComPtr adopt(T* p) {
    ComPtr result;
    result.p_ = p;
    return result;
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void reset() {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }
  // For out parameters: releases what is held and gives the slot.
  T** put() {
    reset();
    return &p_;
  }
  // Hands the reference to the caller.
  T* detach() { return std::exchange(p_, nullptr); }

  template <class Q>
  HRESULT as(ComPtr<Q>& out) const {
    if (!p_) return E_POINTER;
    return p_->QueryInterface(__uuidof(Q), reinterpret_cast<void**>(out.put()));
  }

 private:
  T* p_ = nullptr;
};

}  // namespace com::internal
