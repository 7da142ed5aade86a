#include "automation_values.h"

#include <charconv>

namespace mshtml {
namespace {

// Decodes one code point from UTF-8 at `at` and moves past it; a malformed sequence
// yields U+FFFD and resumes at the first byte that does not continue it.
char32_t nextCodePoint(std::string_view text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t code = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    code = lead & 0x07;
  } else {
    return 0xFFFD;
  }
  for (int i = 0; i < extra; ++i) {
    if (at >= text.size()) return 0xFFFD;
    const auto next = static_cast<unsigned char>(text[at]);
    if ((next & 0xC0) != 0x80) return 0xFFFD;
    code = (code << 6) | (next & 0x3F);
    ++at;
  }
  return code > 0x10FFFF ? 0xFFFD : code;
}

std::u16string utf16FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t at = 0; at < text.size();) {
    const char32_t code = nextCodePoint(text, at);
    if (code >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(code));
    }
  }
  return out;
}

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

}  // namespace

BSTR allocBstr(std::string_view utf8) {
  const std::u16string wide = utf16FromUtf8(utf8);
  static_assert(sizeof(OLECHAR) == sizeof(char16_t));
  return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()), static_cast<UINT>(wide.size()));
}

std::string utf8FromBstr(const OLECHAR* text) {
  if (!text) return {};
  return utf8FromBstr(text, SysStringLen(const_cast<BSTR>(text)));
}

std::string utf8FromBstr(const OLECHAR* text, UINT length) {
  std::string out;
  if (!text) return out;
  out.reserve(length);
  for (UINT i = 0; i < length; ++i) {
    char32_t code = static_cast<char16_t>(text[i]);
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < length) {
      const char32_t low = static_cast<char16_t>(text[i + 1]);
      if (low >= 0xDC00 && low < 0xE000) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      } else {
        code = 0xFFFD;
      }
    } else if (code >= 0xD800 && code < 0xE000) {
      code = 0xFFFD;
    }
    appendUtf8(out, code);
  }
  return out;
}

HRESULT putNullableString(const std::optional<std::string>& value, BSTR* out) {
  if (!out) return E_POINTER;
  if (!value) {
    *out = nullptr;
    return S_OK;
  }
  return putString(std::string_view(*value), out);
}

HRESULT putString(std::string_view value, BSTR* out) {
  if (!out) return E_POINTER;
  *out = allocBstr(value);
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT putBool(bool value, VARIANT_BOOL* out) {
  if (!out) return E_POINTER;
  *out = value ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT putLong(long value, LONG* out) {
  if (!out) return E_POINTER;
  *out = static_cast<LONG>(value);
  return S_OK;
}

std::optional<std::string> textOf(const VARIANT& value) {
  const VARIANT* v = &value;
  if (V_VT(v) == (VT_BYREF | VT_VARIANT)) v = V_VARIANTREF(v);
  if (V_VT(v) == VT_BSTR) return utf8FromBstr(V_BSTR(v));
  if (V_VT(v) == VT_EMPTY || V_VT(v) == VT_NULL || V_VT(v) == VT_ERROR) return std::nullopt;
  VARIANT converted;
  VariantInit(&converted);
  if (FAILED(VariantChangeType(&converted, const_cast<VARIANT*>(v), 0, VT_BSTR))) return std::nullopt;
  std::string text = utf8FromBstr(V_BSTR(&converted));
  VariantClear(&converted);
  return text;
}

std::optional<long> integerOf(const VARIANT& value) {
  const VARIANT* v = &value;
  if (V_VT(v) == (VT_BYREF | VT_VARIANT)) v = V_VARIANTREF(v);
  switch (V_VT(v)) {
    case VT_I4: return V_I4(v);
    case VT_I2: return V_I2(v);
    case VT_INT: return V_INT(v);
    case VT_UI4: return static_cast<long>(V_UI4(v));
    case VT_UI2: return V_UI2(v);
    case VT_UINT: return static_cast<long>(V_UINT(v));
    case VT_BSTR: {
      const std::string text = utf8FromBstr(V_BSTR(v));
      long number = 0;
      const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
      if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
      return number;
    }
    default: return std::nullopt;
  }
}

}  // namespace mshtml
