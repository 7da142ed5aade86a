// The event object an MSHTML event passes to a sink's Invoke: its one argument, an
// IDispatch that answers IHTMLEventObj.
#pragma once

#include <mshtml.h>

#include "com/com_ptr.h"

namespace recording {

// None when the call carries no event object.
inline ComPtr<IHTMLEventObj> eventObjectOf(const DISPPARAMS* params) {
  if (params == nullptr || params->cArgs < 1 || params->rgvarg == nullptr) return {};
  const VARIANT& argument = params->rgvarg[params->cArgs - 1];
  if (V_VT(&argument) != VT_DISPATCH || V_DISPATCH(&argument) == nullptr) return {};
  return queryAs<IHTMLEventObj>(V_DISPATCH(&argument), IID_IHTMLEventObj);
}

}  // namespace recording
