// IDispatch from a table of members.
#include "platform_internal/dispatch_table.h"

#include <algorithm>

#include "platform_internal/apartment.h"

namespace com::internal {
namespace {

char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool sameName(const std::u16string& known, const OLECHAR* asked) {
  size_t i = 0;
  for (; i < known.size(); ++i) {
    if (asked[i] == 0 || lower(known[i]) != lower(asked[i])) return false;
  }
  return asked[i] == 0;
}

}  // namespace

DispatchTable::DispatchTable(std::vector<DispatchMember> members) : members_(std::move(members)) {}

void DispatchTable::add(DispatchMember member) { members_.push_back(std::move(member)); }

HRESULT DispatchTable::getIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, DISPID* rgDispId) const {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (cNames == 0) return S_OK;
  if (!rgszNames || !rgDispId) return E_INVALIDARG;
  for (UINT i = 0; i < cNames; ++i) rgDispId[i] = DISPID_UNKNOWN;
  if (!rgszNames[0]) return E_INVALIDARG;
  auto member = std::find_if(members_.begin(), members_.end(),
                             [&](const DispatchMember& m) { return sameName(m.name, rgszNames[0]); });
  if (member == members_.end()) return DISP_E_UNKNOWNNAME;
  rgDispId[0] = member->id;
  return cNames > 1 ? DISP_E_UNKNOWNNAME : S_OK;  // parameter names are not known
}

HRESULT DispatchTable::invoke(DISPID dispIdMember, REFIID riid, WORD wFlags, DISPPARAMS* pDispParams,
                              VARIANT* pVarResult) const {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  auto member = std::find_if(members_.begin(), members_.end(),
                             [&](const DispatchMember& m) { return m.id == dispIdMember; });
  if (member == members_.end() || !member->handler) return DISP_E_MEMBERNOTFOUND;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  if (pVarResult) VariantInit(pVarResult);
  auto body = [&] { return member->handler(wFlags, pDispParams ? *pDispParams : none, pVarResult); };
  return runGuarded(body);  // a handler's exception never leaves the call
}

}  // namespace com::internal
