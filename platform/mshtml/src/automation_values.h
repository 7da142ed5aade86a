// Conversions between the engine's values (UTF-8 text, optional when an attribute is
// absent, plain booleans and numbers) and the automation types MSHTML hands out.
#pragma once

#include <oleauto.h>

#include <optional>
#include <string>
#include <string_view>

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
