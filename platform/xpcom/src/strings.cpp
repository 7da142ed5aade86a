// UTF-16 <-> UTF-8 and the allocated copies of nsString.h.
#include <cstring>

#include "nsMemory.h"
#include "nsString.h"

namespace {
constexpr char32_t kReplacement = 0xFFFD;

void appendUTF8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

void appendUTF16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 | (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 | (c & 0x3FF)));
  }
}

void utf16ToUTF8(const std::u16string& in, std::string& out) {
  out.reserve(out.size() + in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    const char32_t unit = in[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
      appendUTF8(out, 0x10000 + ((unit - 0xD800) << 10) + (in[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      appendUTF8(out, kReplacement);  // a surrogate without its partner
    } else {
      appendUTF8(out, unit);
    }
  }
}

// Decodes as the WHATWG decoder does: each maximal ill-formed subsequence becomes one
// U+FFFD and decoding resumes at the byte that broke it.
void utf8ToUTF16(const std::string& in, std::u16string& out) {
  out.reserve(out.size() + in.size());
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(in[i]); };
  size_t i = 0;
  while (i < in.size()) {
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    }
    int needed;
    char32_t c;
    unsigned char lower = 0x80, upper = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      needed = 1;
      c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      needed = 2;
      c = lead & 0x0F;
      if (lead == 0xE0) lower = 0xA0;  // no overlong forms
      if (lead == 0xED) upper = 0x9F;  // no encoded surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      needed = 3;
      c = lead & 0x07;
      if (lead == 0xF0) lower = 0x90;  // no overlong forms
      if (lead == 0xF4) upper = 0x8F;  // nothing above U+10FFFF
    } else {
      out.push_back(static_cast<char16_t>(kReplacement));
      ++i;
      continue;
    }
    size_t at = i + 1;
    bool complete = true;
    for (int k = 0; k < needed; ++k, ++at) {
      if (at >= in.size() || byte(at) < lower || byte(at) > upper) {
        complete = false;
        break;
      }
      c = (c << 6) | (byte(at) & 0x3F);
      lower = 0x80;
      upper = 0xBF;
    }
    if (complete) {
      appendUTF16(out, c);
    } else {
      out.push_back(static_cast<char16_t>(kReplacement));
    }
    i = at;
  }
}

template <class CharT>
CharT* allocatedCopy(const std::basic_string<CharT>& text) {
  auto* copy = static_cast<CharT*>(nsMemory::Alloc((text.size() + 1) * sizeof(CharT)));
  if (!copy) return nullptr;
  std::memcpy(copy, text.c_str(), (text.size() + 1) * sizeof(CharT));
  return copy;
}
}  // namespace

void AppendUTF16toUTF8(const nsAString& aSource, nsACString& aDest) { utf16ToUTF8(aSource.Data(), aDest.Data()); }
void AppendUTF8toUTF16(const nsACString& aSource, nsAString& aDest) { utf8ToUTF16(aSource.Data(), aDest.Data()); }
void CopyUTF16toUTF8(const nsAString& aSource, nsACString& aDest) {
  std::string out;
  utf16ToUTF8(aSource.Data(), out);
  aDest.Data().swap(out);
}
void CopyUTF8toUTF16(const nsACString& aSource, nsAString& aDest) {
  std::u16string out;
  utf8ToUTF16(aSource.Data(), out);
  aDest.Data().swap(out);
}
void CopyASCIItoUTF16(const nsACString& aSource, nsAString& aDest) {
  std::u16string out;
  for (char c : aSource.Data()) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  aDest.Data().swap(out);
}
void LossyCopyUTF16toASCII(const nsAString& aSource, nsACString& aDest) {
  std::string out;
  for (char16_t c : aSource.Data()) out.push_back(static_cast<char>(c & 0xFF));
  aDest.Data().swap(out);
}
char* ToNewCString(const nsACString& aSource) { return allocatedCopy(aSource.Data()); }
char* ToNewCString(const nsAString& aSource) {
  nsCString narrow;
  LossyCopyUTF16toASCII(aSource, narrow);
  return allocatedCopy(narrow.Data());
}
char* ToNewUTF8String(const nsAString& aSource) {
  std::string out;
  utf16ToUTF8(aSource.Data(), out);
  return allocatedCopy(out);
}
PRUnichar* ToNewUnicode(const nsAString& aSource) { return allocatedCopy(aSource.Data()); }
PRUnichar* ToNewUnicode(const nsACString& aSource) {
  nsString wide;
  CopyASCIItoUTF16(aSource, wide);
  return allocatedCopy(wide.Data());
}
PRBool IsASCII(const nsAString& aString) {
  for (char16_t c : aString.Data()) {
    if (c > 0x7F) return PR_FALSE;
  }
  return PR_TRUE;
}
PRBool IsUTF8(const nsACString& aString) {
  std::u16string decoded;
  utf8ToUTF16(aString.Data(), decoded);
  std::string again;
  utf16ToUTF8(decoded, again);
  return again == aString.Data();
}
