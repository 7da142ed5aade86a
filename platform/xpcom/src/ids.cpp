// nsID text forms and object identity.
#include <cstdio>

#include "nsCOMPtr.h"
#include "nsID.h"
#include "nsMemory.h"

namespace {
bool readHex(const char*& text, int digits, PRUint32& value) {
  value = 0;
  for (int i = 0; i < digits; ++i, ++text) {
    const char c = *text;
    PRUint32 digit;
    if (c >= '0' && c <= '9') digit = static_cast<PRUint32>(c - '0');
    else if (c >= 'a' && c <= 'f') digit = static_cast<PRUint32>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') digit = static_cast<PRUint32>(c - 'A' + 10);
    else return false;
    value = value * 16 + digit;
  }
  return true;
}
bool expect(const char*& text, char c) { return *text++ == c; }
}  // namespace

PRBool nsID::Parse(const char* aIDStr) {
  if (!aIDStr) return PR_FALSE;
  const char* text = aIDStr;
  const bool braced = *text == '{';
  if (braced) ++text;
  PRUint32 value;
  nsID parsed{};
  if (!readHex(text, 8, value)) return PR_FALSE;
  parsed.m0 = value;
  if (!expect(text, '-') || !readHex(text, 4, value)) return PR_FALSE;
  parsed.m1 = static_cast<PRUint16>(value);
  if (!expect(text, '-') || !readHex(text, 4, value)) return PR_FALSE;
  parsed.m2 = static_cast<PRUint16>(value);
  if (!expect(text, '-')) return PR_FALSE;
  for (int i = 0; i < 8; ++i) {
    if (i == 2 && !expect(text, '-')) return PR_FALSE;
    if (!readHex(text, 2, value)) return PR_FALSE;
    parsed.m3[i] = static_cast<PRUint8>(value);
  }
  if (braced && !expect(text, '}')) return PR_FALSE;
  if (*text != '\0') return PR_FALSE;
  *this = parsed;
  return PR_TRUE;
}

char* nsID::ToString() const {
  constexpr size_t kLength = 39;  // {8-4-4-4-12} and the terminator
  char* text = static_cast<char*>(nsMemory::Alloc(kLength));
  if (!text) return nullptr;
  std::snprintf(text, kLength, "{%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}", m0, m1, m2, m3[0], m3[1], m3[2],
                m3[3], m3[4], m3[5], m3[6], m3[7]);
  return text;
}

PRBool SameCOMIdentity(nsISupports* aLeft, nsISupports* aRight) {
  nsCOMPtr<nsISupports> left = do_QueryInterface(aLeft);
  nsCOMPtr<nsISupports> right = do_QueryInterface(aRight);
  return left == right;
}
