// Invoke arguments in the layout callers of real objects use.
#include "platform_internal/dispatch_arguments.h"

namespace com::internal {

DispatchArguments::~DispatchArguments() {
  for (VARIANT& v : inOrder_) VariantClear(&v);
}

DispatchArguments& DispatchArguments::push(const VARIANT& owned) {
  inOrder_.push_back(owned);
  return *this;
}

DispatchArguments& DispatchArguments::addI4(LONG value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return push(v);
}

DispatchArguments& DispatchArguments::addBool(bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return push(v);
}

DispatchArguments& DispatchArguments::addString(const OLECHAR* value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocString(value);
  return push(v);
}

DispatchArguments& DispatchArguments::addDispatch(IDispatch* value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = value;
  if (value) value->AddRef();
  return push(v);
}

DispatchArguments& DispatchArguments::addVariant(const VARIANT& value) {
  VARIANT v;
  VariantInit(&v);
  VariantCopy(&v, const_cast<VARIANT*>(&value));
  return push(v);
}

DispatchArguments& DispatchArguments::addVariantRef(VARIANT* value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_VARIANT;
  v.pvarVal = value;
  return push(v);
}

DispatchArguments& DispatchArguments::addBoolRef(VARIANT_BOOL* value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_BOOL;
  v.pboolVal = value;
  return push(v);
}

DispatchArguments& DispatchArguments::addDispatchRef(IDispatch** value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BYREF | VT_DISPATCH;
  v.ppdispVal = value;
  return push(v);
}

DISPPARAMS* DispatchArguments::params() {
  reversed_.assign(inOrder_.rbegin(), inOrder_.rend());
  params_.rgvarg = reversed_.empty() ? nullptr : reversed_.data();
  params_.rgdispidNamedArgs = nullptr;
  params_.cArgs = static_cast<UINT>(reversed_.size());
  params_.cNamedArgs = 0;
  return &params_;
}

}  // namespace com::internal
