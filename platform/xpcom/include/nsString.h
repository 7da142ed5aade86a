// The concrete string classes and the conversions between them (Gecko 1.7 nsString.h,
// nsReadableUtils.h). UTF-16 <-> UTF-8 conversions never drop anything silently: an
// unpaired surrogate, and every malformed UTF-8 sequence (each maximal ill-formed part,
// overlong forms, encoded surrogates, values above U+10FFFF, truncated sequences),
// becomes U+FFFD REPLACEMENT CHARACTER, as Gecko's converters do.
#pragma once

#include "nsAString.h"

// Conversions the classes below are built on; also usable directly.
NS_COM void CopyUTF16toUTF8(const nsAString& aSource, nsACString& aDest);
NS_COM void CopyUTF8toUTF16(const nsACString& aSource, nsAString& aDest);
NS_COM void AppendUTF16toUTF8(const nsAString& aSource, nsACString& aDest);
NS_COM void AppendUTF8toUTF16(const nsACString& aSource, nsAString& aDest);
// ASCII widening (each byte one code unit) and lossy narrowing (each unit's low byte).
NS_COM void CopyASCIItoUTF16(const nsACString& aSource, nsAString& aDest);
NS_COM void LossyCopyUTF16toASCII(const nsAString& aSource, nsACString& aDest);
// Copies allocated with nsMemory::Alloc, null-terminated; the caller frees them.
NS_COM char* ToNewCString(const nsACString& aSource);
NS_COM char* ToNewCString(const nsAString& aSource);  // lossy, as LossyCopyUTF16toASCII
NS_COM char* ToNewUTF8String(const nsAString& aSource);
NS_COM PRUnichar* ToNewUnicode(const nsAString& aSource);
NS_COM PRUnichar* ToNewUnicode(const nsACString& aSource);  // ASCII widening
NS_COM PRBool IsASCII(const nsAString& aString);
NS_COM PRBool IsUTF8(const nsACString& aString);

class nsString : public nsAString {
 public:
  nsString() = default;
  nsString(const PRUnichar* aData) { Assign(aData); }
  nsString(const PRUnichar* aData, size_type aLength) : nsAString(aData, aLength) {}
  nsString(const nsAString& aOther) : nsAString(aOther) {}
  nsString(const nsString&) = default;
  nsString& operator=(const nsString&) = default;
  nsString& operator=(const nsAString& aOther) {
    Assign(aOther);
    return *this;
  }
  nsString& operator=(const PRUnichar* aData) {
    Assign(aData);
    return *this;
  }
};

class nsCString : public nsACString {
 public:
  nsCString() = default;
  nsCString(const char* aData) { Assign(aData); }
  nsCString(const char* aData, size_type aLength) : nsACString(aData, aLength) {}
  nsCString(const nsACString& aOther) : nsACString(aOther) {}
  nsCString(const nsCString&) = default;
  nsCString& operator=(const nsCString&) = default;
  nsCString& operator=(const nsACString& aOther) {
    Assign(aOther);
    return *this;
  }
  nsCString& operator=(const char* aData) {
    Assign(aData);
    return *this;
  }
};

// Gecko keeps short strings on the stack in these; here they are the same as above.
class nsAutoString : public nsString {
 public:
  using nsString::nsString;
  nsAutoString() = default;
  nsAutoString(const nsAutoString&) = default;
  nsAutoString& operator=(const nsAutoString&) = default;
  using nsString::operator=;
};
class nsCAutoString : public nsCString {
 public:
  using nsCString::nsCString;
  nsCAutoString() = default;
  nsCAutoString(const nsCAutoString&) = default;
  nsCAutoString& operator=(const nsCAutoString&) = default;
  using nsCString::operator=;
};

// A string over given characters. Gecko's shares the caller's buffer; this one copies.
class nsDependentString : public nsString {
 public:
  explicit nsDependentString(const PRUnichar* aData) : nsString(aData) {}
  nsDependentString(const PRUnichar* aData, size_type aLength) : nsString(aData, aLength) {}
};
class nsDependentCString : public nsCString {
 public:
  explicit nsDependentCString(const char* aData) : nsCString(aData) {}
  nsDependentCString(const char* aData, size_type aLength) : nsCString(aData, aLength) {}
};
typedef nsString nsPromiseFlatString;
typedef nsCString nsPromiseFlatCString;
#define PromiseFlatString(aString) nsString(aString)
#define PromiseFlatCString(aString) nsCString(aString)

inline const nsDependentString Substring(const nsAString& aString, PRUint32 aStart, PRUint32 aLength) {
  nsString piece;
  aString.Mid(piece, aStart, aLength);
  return nsDependentString(piece.get(), piece.Length());
}
inline const nsDependentCString Substring(const nsACString& aString, PRUint32 aStart, PRUint32 aLength) {
  nsCString piece;
  aString.Mid(piece, aStart, aLength);
  return nsDependentCString(piece.get(), piece.Length());
}
inline PRBool StringBeginsWith(const nsAString& aSource, const nsAString& aPrefix) {
  return aSource.Data().compare(0, aPrefix.Length(), aPrefix.Data()) == 0;
}
inline PRBool StringEndsWith(const nsAString& aSource, const nsAString& aSuffix) {
  return aSource.Length() >= aSuffix.Length() &&
         aSource.Data().compare(aSource.Length() - aSuffix.Length(), aSuffix.Length(), aSuffix.Data()) == 0;
}
inline nsString operator+(const nsAString& aLeft, const nsAString& aRight) {
  nsString out(aLeft);
  out.Append(aRight);
  return out;
}
inline nsCString operator+(const nsACString& aLeft, const nsACString& aRight) {
  nsCString out(aLeft);
  out.Append(aRight);
  return out;
}

class NS_ConvertUTF16toUTF8 : public nsCAutoString {
 public:
  explicit NS_ConvertUTF16toUTF8(const nsAString& aString) { AppendUTF16toUTF8(aString, *this); }
  explicit NS_ConvertUTF16toUTF8(const PRUnichar* aString) { AppendUTF16toUTF8(nsDependentString(aString ? aString : u""), *this); }
};
class NS_ConvertUTF8toUTF16 : public nsAutoString {
 public:
  explicit NS_ConvertUTF8toUTF16(const nsACString& aString) { AppendUTF8toUTF16(aString, *this); }
  explicit NS_ConvertUTF8toUTF16(const char* aString) { AppendUTF8toUTF16(nsDependentCString(aString ? aString : ""), *this); }
};
class NS_ConvertASCIItoUTF16 : public nsAutoString {
 public:
  explicit NS_ConvertASCIItoUTF16(const nsACString& aString) { CopyASCIItoUTF16(aString, *this); }
  explicit NS_ConvertASCIItoUTF16(const char* aString) { CopyASCIItoUTF16(nsDependentCString(aString ? aString : ""), *this); }
};
class NS_LossyConvertUTF16toASCII : public nsCAutoString {
 public:
  explicit NS_LossyConvertUTF16toASCII(const nsAString& aString) { LossyCopyUTF16toASCII(aString, *this); }
  explicit NS_LossyConvertUTF16toASCII(const PRUnichar* aString) {
    LossyCopyUTF16toASCII(nsDependentString(aString ? aString : u""), *this);
  }
};
// The 1.7 tree's older names for the same conversions.
typedef NS_ConvertUTF16toUTF8 NS_ConvertUCS2toUTF8;
typedef NS_ConvertUTF8toUTF16 NS_ConvertUTF8toUCS2;
typedef NS_ConvertASCIItoUTF16 NS_ConvertASCIItoUCS2;
typedef NS_LossyConvertUTF16toASCII NS_LossyConvertUCS2toASCII;

inline const nsString& EmptyString() {
  static const nsString empty;
  return empty;
}
inline const nsCString& EmptyCString() {
  static const nsCString empty;
  return empty;
}

#define NS_LITERAL_STRING(s) nsDependentString(u"" s, static_cast<PRUint32>(sizeof(u"" s) / sizeof(PRUnichar) - 1))
#define NS_LITERAL_CSTRING(s) nsDependentCString("" s, static_cast<PRUint32>(sizeof("" s) - 1))
#define NS_NAMED_LITERAL_STRING(n, s) const nsDependentString n(NS_LITERAL_STRING(s))
#define NS_NAMED_LITERAL_CSTRING(n, s) const nsDependentCString n(NS_LITERAL_CSTRING(s))
#define NS_L(s) u"" s
