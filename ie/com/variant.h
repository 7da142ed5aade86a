// An owned VARIANT, cleared when dropped.
#pragma once

#include <windows.h>

#include <oleauto.h>

class Variant {
 public:
  Variant() { VariantInit(&v_); }
  explicit Variant(LONG value) : Variant() {
    v_.vt = VT_I4;
    v_.lVal = value;
  }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { VariantClear(&v_); }

  VARIANT* get() { return &v_; }
  const VARIANT* get() const { return &v_; }
  // Clears the value held before and gives its address to receive a new one.
  VARIANT* put() {
    VariantClear(&v_);
    return &v_;
  }

 private:
  VARIANT v_;
};
