// Conversions between the engine's values (UTF-8 text, optional when an attribute is
// absent, plain booleans and numbers) and the automation types MSHTML hands out.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <optional>
#include <string>
#include <string_view>

// VARIANT accessors of oleauto.h that the COM stand-in leaves out, by the SDK's member names.
#ifndef V_VARIANTREF
#define V_VARIANTREF(X) ((X)->pvarVal)
#endif
#ifndef V_BOOLREF
#define V_BOOLREF(X) ((X)->pboolVal)
#endif
#ifndef V_DISPATCHREF
#define V_DISPATCHREF(X) ((X)->ppdispVal)
#endif
#ifndef V_I2
#define V_I2(X) ((X)->iVal)
#endif
#ifndef V_UI2
#define V_UI2(X) ((X)->uiVal)
#endif
#ifndef V_UI4
#define V_UI4(X) ((X)->ulVal)
#endif
#ifndef V_INT
#define V_INT(X) ((X)->intVal)
#endif
#ifndef V_UINT
#define V_UINT(X) ((X)->uintVal)
#endif

namespace mshtml {

// A new BSTR holding `utf8` converted to UTF-16; null only when out of memory.
BSTR allocBstr(std::string_view utf8);
// UTF-8 text of a BSTR; a null BSTR is the empty text, as in automation.
std::string utf8FromBstr(const OLECHAR* text);
std::string utf8FromBstr(const OLECHAR* text, UINT length);

// Writes a property result: a null BSTR for an absent value (as IE answers for an
// attribute that is not there), an allocated one otherwise, even when empty.
HRESULT putNullableString(const std::optional<std::string>& value, BSTR* out);
HRESULT putString(std::string_view value, BSTR* out);
HRESULT putBool(bool value, VARIANT_BOOL* out);
HRESULT putLong(long value, LONG* out);

// The text form of a VARIANT argument (a VT_BSTR, or any value VariantChangeType can
// turn into one); nullopt when it has none.
std::optional<std::string> textOf(const VARIANT& value);
// The integer form of a VARIANT argument (VT_I4, VT_I2, VT_UI4, VT_INT ... or a BSTR of
// digits, as IE's collections accept); nullopt when it has none.
std::optional<long> integerOf(const VARIANT& value);

}  // namespace mshtml
