// Shared knowledge of variant types within the runtime.
#pragma once

#include <oaidl.h>

namespace com::internal {

// True for the types this platform's variants carry (values and references to them).
bool isSupportedVariantType(VARTYPE vt);

// Reads the value that a VT_BYREF variant of a plain type points at into `value`
// (whose vt is already the plain type). False for a type without a value field here.
inline bool readReferencedValue(const VARIANT& reference, VARIANT& value) {
  switch (value.vt) {
    case VT_I1: value.cVal = *reference.pcVal; return true;
    case VT_UI1: value.bVal = *reference.pbVal; return true;
    case VT_I2: value.iVal = *reference.piVal; return true;
    case VT_UI2: value.uiVal = *reference.puiVal; return true;
    case VT_I4: value.lVal = *reference.plVal; return true;
    case VT_UI4: value.ulVal = *reference.pulVal; return true;
    case VT_INT: value.intVal = *reference.pintVal; return true;
    case VT_UINT: value.uintVal = *reference.puintVal; return true;
    case VT_I8: value.llVal = *reference.pllVal; return true;
    case VT_UI8: value.ullVal = *reference.pullVal; return true;
    case VT_R4: value.fltVal = *reference.pfltVal; return true;
    case VT_R8: value.dblVal = *reference.pdblVal; return true;
    case VT_DATE: value.date = *reference.pdate; return true;
    case VT_ERROR: value.scode = *reference.pscode; return true;
    case VT_BOOL: value.boolVal = *reference.pboolVal; return true;
    case VT_BSTR: value.bstrVal = *reference.pbstrVal; return true;
    case VT_DISPATCH: value.pdispVal = *reference.ppdispVal; return true;
    case VT_UNKNOWN: value.punkVal = *reference.ppunkVal; return true;
    default: return false;
  }
}

}  // namespace com::internal
