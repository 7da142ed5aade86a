// Arguments of the DWebBrowserEvents2 events, laid out as Internet Explorer lays them out
// for IDispatch::Invoke: in reverse order in rgvarg, [in] VARIANT* parameters as
// VT_BYREF|VT_VARIANT wrappers and out parameters (Cancel, ppDisp) as VT_BYREF values
// that the sink writes through and the browser reads after the call.
#pragma once

#include "automation_values.h"

#include <array>
#include <cstddef>

namespace mshtml {

// Holds the arguments of one event call and everything they point to; not copyable,
// because rgvarg points into the object itself.
template <std::size_t Count>
class EventArgs {
 public:
  EventArgs() {
    for (VARIANT& v : args_) VariantInit(&v);
    for (VARIANT& v : referenced_) VariantInit(&v);
    params_.rgvarg = args_.data();
    params_.rgdispidNamedArgs = nullptr;
    params_.cArgs = Count;
    params_.cNamedArgs = 0;
  }
  ~EventArgs() {
    for (VARIANT& v : referenced_) VariantClear(&v);
    for (VARIANT& v : args_) {
      if (!(V_VT(&v) & VT_BYREF)) VariantClear(&v);
    }
  }
  EventArgs(const EventArgs&) = delete;
  EventArgs& operator=(const EventArgs&) = delete;

  DISPPARAMS* params() { return &params_; }

  // The parameter at `position` in the signature (0 = first), i.e. rgvarg[Count-1-position].
  VARIANT& at(std::size_t position) { return args_[Count - 1 - position]; }
  // A VARIANT owned by the call that a VT_BYREF|VT_VARIANT parameter points to.
  VARIANT& referenced(std::size_t position) { return referenced_[Count - 1 - position]; }

  void setDispatch(std::size_t position, IDispatch* value) {
    VARIANT& v = at(position);
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = value;
    if (value) value->AddRef();
  }
  void setBool(std::size_t position, bool value) {
    VARIANT& v = at(position);
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
  }
  void setLong(std::size_t position, LONG value) {
    VARIANT& v = at(position);
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
  }
  // Takes ownership of `value` (which may be null, as IE passes for an absent text).
  void setBstr(std::size_t position, BSTR value) {
    VARIANT& v = at(position);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = value;
  }
  // A VARIANT* parameter: the argument is VT_BYREF|VT_VARIANT pointing at a VARIANT
  // this object owns; returns that VARIANT for the caller to fill.
  VARIANT& setVariantRef(std::size_t position) {
    VARIANT& v = at(position);
    V_VT(&v) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&v) = &referenced(position);
    return referenced(position);
  }
  void setBoolRef(std::size_t position, VARIANT_BOOL* target) {
    VARIANT& v = at(position);
    V_VT(&v) = VT_BYREF | VT_BOOL;
    V_BOOLREF(&v) = target;
  }
  void setDispatchRef(std::size_t position, IDispatch** target) {
    VARIANT& v = at(position);
    V_VT(&v) = VT_BYREF | VT_DISPATCH;
    V_DISPATCHREF(&v) = target;
  }

 private:
  std::array<VARIANT, Count> args_{};
  std::array<VARIANT, Count> referenced_{};
  DISPPARAMS params_{};
};

}  // namespace mshtml
