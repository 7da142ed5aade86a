// VariantChangeType between the value types this platform carries, with the rules of
// OLE Automation in the en-US locale: booleans are -1 and 0, numbers round half to even
// and fail with DISP_E_OVERFLOW out of range, strings parse with surrounding blanks, an
// object converts through its DISPID_VALUE property.
#include <windows.h>

#include <oleauto.h>

#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "variant_types.h"

namespace {

bool isInteger(VARTYPE vt) {
  switch (vt) {
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4:
    case VT_INT: case VT_UINT: case VT_I8: case VT_UI8: case VT_ERROR:
      return true;
    default:
      return false;
  }
}

long double integerValue(const VARIANT& v) {
  switch (v.vt) {
    case VT_I1: return v.cVal;
    case VT_UI1: return v.bVal;
    case VT_I2: return v.iVal;
    case VT_UI2: return v.uiVal;
    case VT_I4: return v.lVal;
    case VT_UI4: return v.ulVal;
    case VT_INT: return v.intVal;
    case VT_UINT: return v.uintVal;
    case VT_I8: return static_cast<long double>(v.llVal);
    case VT_UI8: return static_cast<long double>(v.ullVal);
    case VT_ERROR: return v.scode;
    default: return 0;
  }
}

bool isBlank(OLECHAR c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// The string between surrounding blanks, narrowed; false if a character is not ASCII.
bool trimmedAscii(BSTR text, std::string& out) {
  const UINT length = SysStringLen(text);
  UINT begin = 0;
  UINT end = length;
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  out.clear();
  for (UINT i = begin; i < end; ++i) {
    if (text[i] > 0x7f) return false;
    out.push_back(static_cast<char>(text[i]));
  }
  return true;
}

bool equalsIgnoringCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return i == a.size() && b[i] == 0;
}

HRESULT numberFromString(BSTR text, long double& number) {
  std::string narrow;
  if (!trimmedAscii(text, narrow) || narrow.empty()) return DISP_E_TYPEMISMATCH;
  for (char c : narrow) {
    const bool allowed = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
    if (!allowed) return DISP_E_TYPEMISMATCH;  // no hex, no "inf", no "nan"
  }
  char* end = nullptr;
  number = std::strtold(narrow.c_str(), &end);
  if (end != narrow.c_str() + narrow.size()) return DISP_E_TYPEMISMATCH;
  if (!std::isfinite(number)) return DISP_E_OVERFLOW;
  return S_OK;
}

// The value of `v` (not a reference, not an object) as a number.
HRESULT numberOf(const VARIANT& v, long double& number) {
  if (isInteger(v.vt)) {
    number = integerValue(v);
    return S_OK;
  }
  switch (v.vt) {
    case VT_EMPTY: number = 0; return S_OK;
    case VT_BOOL: number = v.boolVal ? -1 : 0; return S_OK;
    case VT_R4: number = v.fltVal; return S_OK;
    case VT_R8: number = v.dblVal; return S_OK;
    case VT_DATE: number = v.date; return S_OK;
    case VT_BSTR: {
      std::string narrow;
      if (trimmedAscii(v.bstrVal, narrow)) {
        if (equalsIgnoringCase(narrow, "true")) {
          number = -1;
          return S_OK;
        }
        if (equalsIgnoringCase(narrow, "false")) {
          number = 0;
          return S_OK;
        }
      }
      return numberFromString(v.bstrVal, number);
    }
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

template <class T>
HRESULT toInteger(long double number, T& out) {
  const int savedRounding = std::fegetround();
  std::fesetround(FE_TONEAREST);  // half to even, as Automation rounds
  const long double rounded = std::nearbyint(number);
  std::fesetround(savedRounding);
  if (rounded < static_cast<long double>(std::numeric_limits<T>::min()) ||
      rounded > static_cast<long double>(std::numeric_limits<T>::max())) {
    return DISP_E_OVERFLOW;
  }
  out = static_cast<T>(rounded);
  return S_OK;
}

HRESULT toNumber(long double number, VARTYPE vt, VARIANT& out) {
  out.vt = vt;
  switch (vt) {
    case VT_I1: return toInteger(number, out.cVal);
    case VT_UI1: return toInteger(number, out.bVal);
    case VT_I2: return toInteger(number, out.iVal);
    case VT_UI2: return toInteger(number, out.uiVal);
    case VT_I4: return toInteger(number, out.lVal);
    case VT_UI4: return toInteger(number, out.ulVal);
    case VT_INT: return toInteger(number, out.intVal);
    case VT_UINT: return toInteger(number, out.uintVal);
    case VT_I8: return toInteger(number, out.llVal);
    case VT_UI8: return toInteger(number, out.ullVal);
    case VT_R4:
      if (std::fabs(number) > std::numeric_limits<float>::max()) return DISP_E_OVERFLOW;
      out.fltVal = static_cast<float>(number);
      return S_OK;
    case VT_R8:
    case VT_DATE:
      if (std::fabs(number) > std::numeric_limits<double>::max()) return DISP_E_OVERFLOW;
      out.dblVal = static_cast<double>(number);
      return S_OK;
    case VT_BOOL:
      out.boolVal = number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
      return S_OK;
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

HRESULT allocateAscii(const char* text, BSTR& out) {
  std::u16string wide;
  for (const char* c = text; *c; ++c) wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(*c)));
  out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return out ? S_OK : E_OUTOFMEMORY;
}

HRESULT toString(const VARIANT& v, USHORT flags, BSTR& out) {
  char text[64];
  if (isInteger(v.vt)) {
    if (v.vt == VT_UI8) {
      std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(v.ullVal));
    } else {
      std::snprintf(text, sizeof text, "%lld", static_cast<long long>(integerValue(v)));
    }
    return allocateAscii(text, out);
  }
  switch (v.vt) {
    case VT_EMPTY:
      out = SysAllocStringLen(nullptr, 0);
      return out ? S_OK : E_OUTOFMEMORY;
    case VT_BOOL:
      if (flags & (VARIANT_ALPHABOOL | VARIANT_LOCALBOOL)) return allocateAscii(v.boolVal ? "True" : "False", out);
      return allocateAscii(v.boolVal ? "-1" : "0", out);
    case VT_R4:
      std::snprintf(text, sizeof text, "%.7G", static_cast<double>(v.fltVal));
      return allocateAscii(text, out);
    case VT_R8:
    case VT_DATE:
      std::snprintf(text, sizeof text, "%.15G", v.dblVal);
      return allocateAscii(text, out);
    default:
      return DISP_E_TYPEMISMATCH;
  }
}

// The object's default value (its DISPID_VALUE property), as Automation reads it.
HRESULT defaultValue(IUnknown* object, VARIANT& value) {
  if (!object) return DISP_E_TYPEMISMATCH;
  IDispatch* dispatch = nullptr;
  if (FAILED(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) return DISP_E_TYPEMISMATCH;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  const HRESULT hr = dispatch->Invoke(DISPID_VALUE, IID_NULL, 0x400, DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr);
  dispatch->Release();
  if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
  if (value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN || (value.vt & VT_BYREF)) {
    VariantClear(&value);
    return DISP_E_TYPEMISMATCH;
  }
  return S_OK;
}

// Converts `source` (a value, not a reference, owned by the caller) into `out`.
HRESULT convert(const VARIANT& source, USHORT flags, VARTYPE vt, VARIANT& out) {
  VariantInit(&out);
  if (source.vt == vt) return VariantCopy(&out, const_cast<VARIANT*>(&source));
  if (source.vt == VT_NULL) return DISP_E_TYPEMISMATCH;
  if (vt == VT_EMPTY || vt == VT_NULL) return DISP_E_TYPEMISMATCH;
  if (vt == VT_DISPATCH || vt == VT_UNKNOWN) {
    if (source.vt != VT_DISPATCH && source.vt != VT_UNKNOWN) return DISP_E_TYPEMISMATCH;
    if (!source.punkVal) {
      out.vt = vt;
      out.punkVal = nullptr;
      return S_OK;
    }
    const IID& iid = vt == VT_DISPATCH ? IID_IDispatch : IID_IUnknown;
    void* pointer = nullptr;
    if (FAILED(source.punkVal->QueryInterface(iid, &pointer))) return DISP_E_TYPEMISMATCH;
    out.vt = vt;
    out.punkVal = static_cast<IUnknown*>(pointer);
    return S_OK;
  }
  if (source.vt == VT_DISPATCH || source.vt == VT_UNKNOWN) {
    if (flags & VARIANT_NOVALUEPROP) return DISP_E_TYPEMISMATCH;
    VARIANT value;
    VariantInit(&value);
    HRESULT hr = defaultValue(source.punkVal, value);
    if (SUCCEEDED(hr)) hr = convert(value, flags, vt, out);
    VariantClear(&value);
    return hr;
  }
  if (vt == VT_BSTR) {
    BSTR text = nullptr;
    const HRESULT hr = toString(source, flags, text);
    if (FAILED(hr)) return hr;
    out.vt = VT_BSTR;
    out.bstrVal = text;
    return S_OK;
  }
  long double number = 0;
  HRESULT hr = numberOf(source, number);
  if (SUCCEEDED(hr)) hr = toNumber(number, vt, out);
  if (FAILED(hr)) VariantInit(&out);
  return hr;
}

}  // namespace

HRESULT STDAPICALLTYPE VariantChangeType(VARIANTARG* pvargDest, VARIANTARG* pvarSrc, USHORT wFlags, VARTYPE vt) {
  if (!pvargDest || !pvarSrc) return E_INVALIDARG;
  if (!com::internal::isSupportedVariantType(pvarSrc->vt)) return DISP_E_BADVARTYPE;
  if ((vt & VT_BYREF) || !com::internal::isSupportedVariantType(vt)) return DISP_E_BADVARTYPE;
  VARIANT source;
  VariantInit(&source);
  HRESULT hr = VariantCopyInd(&source, pvarSrc);
  if (FAILED(hr)) return hr;
  VARIANT result;
  hr = convert(source, wFlags, vt, result);
  VariantClear(&source);
  if (FAILED(hr)) return hr;
  if (pvargDest != pvarSrc || !(pvarSrc->vt & VT_BYREF)) {
    const HRESULT cleared = VariantClear(pvargDest);
    if (FAILED(cleared)) {
      VariantClear(&result);
      return cleared;
    }
  }
  *pvargDest = result;
  return S_OK;
}
