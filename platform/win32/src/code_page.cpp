// MultiByteToWideChar and WideCharToMultiByte for the code pages this platform has:
// Windows-1252 (the ANSI code page, CP_ACP), ISO-8859-1 (28591) and UTF-8.
#include <windows.h>

#include <array>
#include <string>

namespace {

constexpr UINT kWindows1252 = 1252;
constexpr UINT kLatin1 = 28591;

// Windows-1252 bytes 0x80-0x9F; the five bytes the code page leaves undefined map to
// the C1 control with the same value, as Windows does.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool resolveCodePage(UINT& codePage) {
  if (codePage == CP_ACP || codePage == CP_OEMCP || codePage == CP_THREAD_ACP) codePage = kWindows1252;
  return codePage == kWindows1252 || codePage == kLatin1 || codePage == CP_UTF8;
}

char16_t singleByteToUnicode(UINT codePage, unsigned char byte) {
  if (codePage == kWindows1252 && byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
  return byte;
}

// The byte for a code point in a single-byte code page, or -1 when it has none.
int unicodeToSingleByte(UINT codePage, char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  if (codePage == kLatin1) return c <= 0xFF ? static_cast<int>(c) : -1;
  for (size_t i = 0; i < kCp1252High.size(); ++i)
    if (kCp1252High[i] == c) return static_cast<int>(0x80 + i);
  return -1;
}

// Decodes one UTF-8 sequence; returns false for an invalid one (then one byte is used).
bool decodeUtf8(const unsigned char* s, size_t n, size_t& used, char32_t& c) {
  const unsigned char b = s[0];
  size_t length;
  char32_t min;
  if (b < 0x80) {
    used = 1;
    c = b;
    return true;
  } else if ((b & 0xE0) == 0xC0) {
    length = 2, c = b & 0x1F, min = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    length = 3, c = b & 0x0F, min = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    length = 4, c = b & 0x07, min = 0x10000;
  } else {
    used = 1;
    return false;
  }
  if (length > n) {
    used = 1;
    return false;
  }
  for (size_t i = 1; i < length; ++i) {
    if ((s[i] & 0xC0) != 0x80) {
      used = 1;
      return false;
    }
    c = (c << 6) | (s[i] & 0x3F);
  }
  used = length;
  return c >= min && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

template <class Char>
int finish(const std::basic_string<Char>& converted, Char* out, int capacity) {
  if (converted.size() > 0x7FFFFFFF) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const int length = static_cast<int>(converted.size());
  if (capacity == 0) return length;
  if (length > capacity) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  converted.copy(out, converted.size());
  return length;
}

}  // namespace

extern "C" UINT WINAPI GetACP(void) { return kWindows1252; }

extern "C" int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCCH lpMultiByteStr, int cbMultiByte,
                                          LPWSTR lpWideCharStr, int cchWideChar) {
  if (!resolveCodePage(CodePage) || lpMultiByteStr == nullptr || cbMultiByte == 0 || cbMultiByte < -1 ||
      cchWideChar < 0 || (cchWideChar > 0 && lpWideCharStr == nullptr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const auto* bytes = reinterpret_cast<const unsigned char*>(lpMultiByteStr);
  // -1: the string is null-terminated and the null is converted too.
  const size_t n = cbMultiByte == -1 ? std::char_traits<char>::length(lpMultiByteStr) + 1
                                     : static_cast<size_t>(cbMultiByte);
  std::u16string out;
  out.reserve(n);
  if (CodePage != CP_UTF8) {
    for (size_t i = 0; i < n; ++i) out += singleByteToUnicode(CodePage, bytes[i]);
  } else {
    for (size_t i = 0; i < n;) {
      size_t used;
      char32_t c;
      if (!decodeUtf8(bytes + i, n - i, used, c)) {
        if (dwFlags & MB_ERR_INVALID_CHARS) {
          SetLastError(ERROR_NO_UNICODE_TRANSLATION);
          return 0;
        }
        c = 0xFFFD;
      }
      if (c >= 0x10000) {
        out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
      } else {
        out += static_cast<char16_t>(c);
      }
      i += used;
    }
  }
  return finish(out, lpWideCharStr, cchWideChar);
}

extern "C" int WINAPI WideCharToMultiByte(UINT CodePage, DWORD, LPCWCH lpWideCharStr, int cchWideChar,
                                          LPSTR lpMultiByteStr, int cbMultiByte, LPCCH lpDefaultChar,
                                          LPBOOL lpUsedDefaultChar) {
  if (!resolveCodePage(CodePage) || lpWideCharStr == nullptr || cchWideChar == 0 || cchWideChar < -1 ||
      cbMultiByte < 0 || (cbMultiByte > 0 && lpMultiByteStr == nullptr) ||
      (CodePage == CP_UTF8 && (lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const size_t n = cchWideChar == -1 ? std::char_traits<char16_t>::length(lpWideCharStr) + 1
                                     : static_cast<size_t>(cchWideChar);
  const char defaultChar = lpDefaultChar != nullptr ? *lpDefaultChar : '?';
  bool usedDefault = false;
  std::string out;
  out.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    char32_t c = lpWideCharStr[i];
    const bool high = c >= 0xD800 && c <= 0xDBFF;
    if (high && i + 1 < n && lpWideCharStr[i + 1] >= 0xDC00 && lpWideCharStr[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (lpWideCharStr[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate
    }
    if (CodePage == CP_UTF8) {
      appendUtf8(out, c);
      continue;
    }
    const int byte = unicodeToSingleByte(CodePage, c);
    if (byte < 0) {
      out += defaultChar;
      usedDefault = true;
    } else {
      out += static_cast<char>(byte);
    }
  }
  if (lpUsedDefaultChar != nullptr) *lpUsedDefaultChar = usedDefault ? TRUE : FALSE;
  return finish(out, lpMultiByteStr, cbMultiByte);
}
