// Arguments for IDispatch::Invoke, built in declaration order and handed out as the
// callers of real objects lay them out: DISPPARAMS last argument first, out parameters
// as VT_BYREF variants pointing at the caller's storage. C++ for the stand-ins only.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <vector>

namespace com::internal {

class DECLSPEC_EXPORT DispatchArguments {
 public:
  DispatchArguments() = default;
  ~DispatchArguments();
  DispatchArguments(const DispatchArguments&) = delete;
  DispatchArguments& operator=(const DispatchArguments&) = delete;

  // In-parameters: the arguments hold their own copies (strings, references).
  DispatchArguments& addI4(LONG value);
  DispatchArguments& addBool(bool value);
  DispatchArguments& addString(const OLECHAR* value);  // null gives a null BSTR
  DispatchArguments& addDispatch(IDispatch* value);
  DispatchArguments& addVariant(const VARIANT& value);
  // An in-parameter passed by reference (VT_BYREF | VT_VARIANT), as IE passes the URL,
  // flags and headers of BeforeNavigate2; `value` must outlive the call.
  DispatchArguments& addVariantRef(VARIANT* value);
  // Out-parameters: the callee writes through them.
  DispatchArguments& addBoolRef(VARIANT_BOOL* value);
  DispatchArguments& addDispatchRef(IDispatch** value);

  // Valid until the next add or the destruction of this object.
  DISPPARAMS* params();

 private:
  DispatchArguments& push(const VARIANT& owned);

  std::vector<VARIANT> inOrder_;
  std::vector<VARIANT> reversed_;
  DISPPARAMS params_{};
};

}  // namespace com::internal
