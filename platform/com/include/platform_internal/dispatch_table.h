// IDispatch from a table of members (DISPID, name, handler), for event sinks and for
// objects. C++ for the stand-ins only.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <functional>
#include <string>
#include <vector>

namespace com::internal {

// Runs a member: `flags` are the Invoke flags, `params` the arguments (in the caller's
// reverse order; see argumentAt), `result` may be null.
using DispatchHandler = std::function<HRESULT(WORD flags, DISPPARAMS& params, VARIANT* result)>;

struct DispatchMember {
  DISPID id;
  std::u16string name;
  DispatchHandler handler;
};

class DECLSPEC_EXPORT DispatchTable {
 public:
  DispatchTable() = default;
  explicit DispatchTable(std::vector<DispatchMember> members);

  void add(DispatchMember member);

  // Names are matched without regard to case; a name not in the table gets
  // DISPID_UNKNOWN and the call DISP_E_UNKNOWNNAME. Only member names are known, not
  // parameter names.
  HRESULT getIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, DISPID* rgDispId) const;
  // DISP_E_UNKNOWNINTERFACE unless riid is IID_NULL, DISP_E_MEMBERNOTFOUND for a DISPID
  // not in the table, otherwise the handler's result.
  HRESULT invoke(DISPID dispIdMember, REFIID riid, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult) const;

 private:
  std::vector<DispatchMember> members_;
};

// The argument at `index` in the order of the member's declaration (DISPPARAMS holds
// them last first), or null when there are fewer arguments.
inline VARIANT* argumentAt(DISPPARAMS& params, UINT index) {
  if (index >= params.cArgs || !params.rgvarg) return nullptr;
  return &params.rgvarg[params.cArgs - 1 - index];
}

// Implements IDispatch (or a dual interface's IDispatch part) over dispatchTable().
// These objects offer no type information.
template <class Interface = IDispatch>
class DispatchFromTable : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override {
    if (!pctinfo) return E_INVALIDARG;
    *pctinfo = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override {
    if (!ppTInfo) return E_INVALIDARG;
    *ppTInfo = nullptr;
    return DISP_E_BADINDEX;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID,
                                          DISPID* rgDispId) override {
    return dispatchTable().getIDsOfNames(riid, rgszNames, cNames, rgDispId);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO*, UINT*) override {
    return dispatchTable().invoke(dispIdMember, riid, wFlags, pDispParams, pVarResult);
  }

 protected:
  ~DispatchFromTable() = default;
  virtual const DispatchTable& dispatchTable() const = 0;
};

}  // namespace com::internal
