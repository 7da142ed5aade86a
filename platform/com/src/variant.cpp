// VARIANT life cycle: VariantInit, VariantClear, VariantCopy, VariantCopyInd.
#include <windows.h>

#include <oleauto.h>

#include "variant_types.h"

namespace com::internal {

bool isSupportedVariantType(VARTYPE vt) {
  switch (vt & ~VT_BYREF) {
    case VT_EMPTY:
    case VT_NULL:
      return (vt & VT_BYREF) == 0;
    case VT_VARIANT:
      return (vt & VT_BYREF) != 0;
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_I8:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_ERROR:
    case VT_BOOL:
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_UNKNOWN:
      return true;
    default:
      return false;  // arrays, records, decimals and currency are not carried by this platform
  }
}

}  // namespace com::internal

using com::internal::isSupportedVariantType;

void STDAPICALLTYPE VariantInit(VARIANTARG* pvarg) {
  if (!pvarg) return;
  pvarg->vt = VT_EMPTY;
  pvarg->wReserved1 = pvarg->wReserved2 = pvarg->wReserved3 = 0;
  pvarg->llVal = 0;
}

HRESULT STDAPICALLTYPE VariantClear(VARIANTARG* pvarg) {
  if (!pvarg) return E_INVALIDARG;
  if (!isSupportedVariantType(pvarg->vt)) return DISP_E_BADVARTYPE;
  switch (pvarg->vt) {
    case VT_BSTR:
      SysFreeString(pvarg->bstrVal);
      break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
      if (pvarg->punkVal) pvarg->punkVal->Release();
      break;
    default:
      break;  // values and VT_BYREF pointers own nothing
  }
  VariantInit(pvarg);
  return S_OK;
}

namespace {

// A deep copy of a value that is not VT_BYREF into an uninitialised destination.
HRESULT copyValue(VARIANT* dest, const VARIANT* src) {
  *dest = *src;
  switch (src->vt) {
    case VT_BSTR:
      if (src->bstrVal) {
        dest->bstrVal = SysAllocStringByteLen(reinterpret_cast<LPCSTR>(src->bstrVal), SysStringByteLen(src->bstrVal));
        if (!dest->bstrVal) {
          VariantInit(dest);
          return E_OUTOFMEMORY;
        }
      }
      break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
      if (src->punkVal) src->punkVal->AddRef();
      break;
    default:
      break;
  }
  return S_OK;
}

}  // namespace

HRESULT STDAPICALLTYPE VariantCopy(VARIANTARG* pvargDest, VARIANTARG* pvargSrc) {
  if (!pvargDest || !pvargSrc) return E_INVALIDARG;
  if (pvargDest == pvargSrc) return S_OK;
  if (!isSupportedVariantType(pvargSrc->vt)) return DISP_E_BADVARTYPE;
  VARIANT copy;
  const HRESULT hr = copyValue(&copy, pvargSrc);  // VT_BYREF copies the pointer only
  if (FAILED(hr)) return hr;
  const HRESULT cleared = VariantClear(pvargDest);
  if (FAILED(cleared)) {
    VariantClear(&copy);
    return cleared;
  }
  *pvargDest = copy;
  return S_OK;
}

HRESULT STDAPICALLTYPE VariantCopyInd(VARIANT* pvarDest, VARIANTARG* pvargSrc) {
  if (!pvarDest || !pvargSrc) return E_INVALIDARG;
  if (!isSupportedVariantType(pvargSrc->vt)) return DISP_E_BADVARTYPE;
  if (!(pvargSrc->vt & VT_BYREF)) return VariantCopy(pvarDest, pvargSrc);
  VARIANT value;
  VariantInit(&value);
  if (!pvargSrc->byref) return E_INVALIDARG;
  const VARTYPE vt = pvargSrc->vt & ~VT_BYREF;
  if (vt == VT_VARIANT) {
    const VARIANT* inner = pvargSrc->pvarVal;
    if (inner->vt & VT_BYREF) return E_INVALIDARG;  // a reference to a reference
    if (!isSupportedVariantType(inner->vt)) return DISP_E_BADVARTYPE;
    value = *inner;
  } else {
    value.vt = vt;
    if (!com::internal::readReferencedValue(*pvargSrc, value)) return DISP_E_BADVARTYPE;
  }
  VARIANT copy;
  const HRESULT hr = copyValue(&copy, &value);
  if (FAILED(hr)) return hr;
  const HRESULT cleared = pvarDest == pvargSrc ? S_OK : VariantClear(pvarDest);
  if (FAILED(cleared)) {
    VariantClear(&copy);
    return cleared;
  }
  *pvarDest = copy;
  return S_OK;
}
