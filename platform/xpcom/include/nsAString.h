// The abstract string types nsAString (UTF-16) and nsACString (bytes, often UTF-8) of
// the Gecko 1.7 string classes. Here both are one template over std::basic_string, so
// every string is a single contiguous, null-terminated buffer.
#pragma once

#include <algorithm>
#include <string>
#include <type_traits>

#include "nscore.h"

#define kNotFound -1

template <class CharT>
class nsTAString {
 public:
  typedef CharT char_type;
  typedef nsTAString<CharT> self_type;
  typedef PRUint32 size_type;
  typedef PRUint32 index_type;

  nsTAString() = default;
  nsTAString(const CharT* aData, size_type aLength) : mData(aData, aLength) {}
  nsTAString(const self_type&) = default;
  nsTAString(self_type&&) noexcept = default;
  self_type& operator=(const self_type&) = default;
  self_type& operator=(self_type&&) noexcept = default;
  ~nsTAString() = default;

  // Reading
  size_type Length() const { return static_cast<size_type>(mData.size()); }
  PRBool IsEmpty() const { return mData.empty(); }
  const CharT* get() const { return mData.c_str(); }
  const CharT* BeginReading() const { return mData.data(); }
  const CharT* EndReading() const { return mData.data() + mData.size(); }
  CharT First() const { return mData.empty() ? CharT(0) : mData.front(); }
  CharT Last() const { return mData.empty() ? CharT(0) : mData.back(); }
  CharT CharAt(index_type aIndex) const { return aIndex < mData.size() ? mData[aIndex] : CharT(0); }
  CharT operator[](index_type aIndex) const { return CharAt(aIndex); }

  PRBool Equals(const self_type& aOther) const { return mData == aOther.mData; }
  PRBool Equals(const CharT* aData) const { return aData && mData == aData; }
  // Case-insensitive in ASCII letters only.
  PRBool EqualsIgnoreCase(const self_type& aOther) const { return CompareIgnoreCase(aOther.mData) == 0; }
  // Compares with 7-bit text.
  PRBool EqualsASCII(const char* aData) const { return aData && mData == Widen(aData); }
  PRBool EqualsLiteral(const char* aData) const { return EqualsASCII(aData); }
  PRInt32 Compare(const self_type& aOther) const { return mData.compare(aOther.mData) < 0 ? -1 : (mData == aOther.mData ? 0 : 1); }

  // The position of the first match at or after aOffset, starting within aCount
  // characters (-1: to the end), or kNotFound.
  PRInt32 Find(const self_type& aTarget, PRBool aIgnoreCase = PR_FALSE, PRInt32 aOffset = 0, PRInt32 aCount = -1) const {
    return FindIn(aTarget.mData, aIgnoreCase, aOffset, aCount);
  }
  PRInt32 Find(const CharT* aTarget, PRBool aIgnoreCase = PR_FALSE, PRInt32 aOffset = 0, PRInt32 aCount = -1) const {
    return aTarget ? FindIn(std::basic_string<CharT>(aTarget), aIgnoreCase, aOffset, aCount) : kNotFound;
  }
  PRInt32 Find(const char* aTarget, PRBool aIgnoreCase = PR_FALSE, PRInt32 aOffset = 0, PRInt32 aCount = -1) const
    requires(!std::is_same_v<CharT, char>)
  {
    return aTarget ? FindIn(Widen(aTarget), aIgnoreCase, aOffset, aCount) : kNotFound;
  }
  // The position of the last match starting at or before aOffset (-1: the end), among
  // the aCount starts ending at aOffset (-1: any), or kNotFound.
  PRInt32 RFind(const self_type& aTarget, PRBool aIgnoreCase = PR_FALSE, PRInt32 aOffset = -1, PRInt32 aCount = -1) const {
    return RFindIn(aTarget.mData, aIgnoreCase, aOffset, aCount);
  }
  PRInt32 RFind(const CharT* aTarget, PRBool aIgnoreCase = PR_FALSE, PRInt32 aOffset = -1, PRInt32 aCount = -1) const {
    return aTarget ? RFindIn(std::basic_string<CharT>(aTarget), aIgnoreCase, aOffset, aCount) : kNotFound;
  }
  PRInt32 RFind(const char* aTarget, PRBool aIgnoreCase = PR_FALSE, PRInt32 aOffset = -1, PRInt32 aCount = -1) const
    requires(!std::is_same_v<CharT, char>)
  {
    return aTarget ? RFindIn(Widen(aTarget), aIgnoreCase, aOffset, aCount) : kNotFound;
  }
  PRInt32 FindChar(CharT aChar, PRInt32 aOffset = 0) const {
    if (aOffset < 0) aOffset = 0;
    const auto at = mData.find(aChar, static_cast<size_t>(aOffset));
    return at == std::basic_string<CharT>::npos ? kNotFound : static_cast<PRInt32>(at);
  }
  PRInt32 RFindChar(CharT aChar, PRInt32 aOffset = -1) const {
    const auto at = mData.rfind(aChar, aOffset < 0 ? std::basic_string<CharT>::npos : static_cast<size_t>(aOffset));
    return at == std::basic_string<CharT>::npos ? kNotFound : static_cast<PRInt32>(at);
  }
  PRInt32 FindCharInSet(const CharT* aSet, PRInt32 aOffset = 0) const {
    if (!aSet || aOffset < 0) return kNotFound;
    const auto at = mData.find_first_of(aSet, static_cast<size_t>(aOffset));
    return at == std::basic_string<CharT>::npos ? kNotFound : static_cast<PRInt32>(at);
  }

  // Writing
  void Assign(const self_type& aOther) { mData = aOther.mData; }
  void Assign(const CharT* aData) {
    if (aData) {
      mData.assign(aData);
    } else {
      mData.clear();
    }
  }
  void Assign(const CharT* aData, size_type aLength) {
    if (aData) {
      mData.assign(aData, aLength);
    } else {
      mData.clear();
    }
  }
  void Assign(CharT aChar) { mData.assign(1, aChar); }
  void AssignASCII(const char* aData) {
    if (aData) {
      mData = Widen(aData);
    } else {
      mData.clear();
    }
  }
  void AssignLiteral(const char* aData) { AssignASCII(aData); }
  // Widening (each byte one unit) into a UTF-16 string, as Gecko's 1.7 classes do.
  void AssignWithConversion(const char* aData)
    requires(!std::is_same_v<CharT, char>)
  {
    AssignASCII(aData);
  }
  void AppendWithConversion(const char* aData)
    requires(!std::is_same_v<CharT, char>)
  {
    AppendASCII(aData);
  }
  // Narrowing (each unit's low byte) into a byte string.
  void AssignWithConversion(const PRUnichar* aData)
    requires(std::is_same_v<CharT, char>)
  {
    mData.clear();
    AppendWithConversion(aData);
  }
  void AppendWithConversion(const PRUnichar* aData)
    requires(std::is_same_v<CharT, char>)
  {
    for (; aData && *aData; ++aData) mData.push_back(static_cast<char>(*aData & 0xFF));
  }
  void Append(const self_type& aOther) { mData.append(aOther.mData); }
  void Append(const CharT* aData) {
    if (aData) mData.append(aData);
  }
  void Append(const CharT* aData, size_type aLength) {
    if (aData) mData.append(aData, aLength);
  }
  void Append(CharT aChar) { mData.push_back(aChar); }
  void AppendASCII(const char* aData) {
    if (aData) mData.append(Widen(aData));
  }
  void AppendLiteral(const char* aData) { AppendASCII(aData); }
  void AppendInt(PRInt32 aInteger, PRInt32 aRadix = 10) {
    const char* digits = "0123456789abcdef";
    if (aRadix != 8 && aRadix != 16) aRadix = 10;
    // Octal and hexadecimal show the 32-bit pattern, as Gecko does.
    PRUint32 value = aRadix == 10 && aInteger < 0 ? 0u - static_cast<PRUint32>(aInteger) : static_cast<PRUint32>(aInteger);
    std::string text;
    do {
      text.insert(text.begin(), digits[value % static_cast<PRUint32>(aRadix)]);
      value /= static_cast<PRUint32>(aRadix);
    } while (value);
    if (aRadix == 10 && aInteger < 0) text.insert(text.begin(), '-');
    AppendASCII(text.c_str());
  }
  void Insert(const self_type& aOther, index_type aPos) { mData.insert(ClampIndex(aPos), aOther.mData); }
  void Insert(const CharT* aData, index_type aPos) {
    if (aData) mData.insert(ClampIndex(aPos), aData);
  }
  void Insert(CharT aChar, index_type aPos) { mData.insert(ClampIndex(aPos), 1, aChar); }
  void Cut(index_type aCutStart, size_type aCutLength) {
    if (aCutStart < mData.size()) mData.erase(aCutStart, aCutLength);
  }
  void Replace(index_type aCutStart, size_type aCutLength, const self_type& aNew) {
    mData.replace(ClampIndex(aCutStart), aCutLength, aNew.mData);
  }
  // Replaces every occurrence of aTarget, left to right, not overlapping. An empty
  // target changes nothing.
  void ReplaceSubstring(const self_type& aTarget, const self_type& aNewValue) {
    ReplaceAll(aTarget.mData, aNewValue.mData);
  }
  void ReplaceSubstring(const CharT* aTarget, const CharT* aNewValue) {
    if (aTarget && aNewValue) ReplaceAll(aTarget, aNewValue);
  }
  void ReplaceChar(CharT aOld, CharT aNew) {
    for (CharT& c : mData) {
      if (c == aOld) c = aNew;
    }
  }
  void Truncate(size_type aNewLength = 0) {
    if (aNewLength < mData.size()) mData.resize(aNewLength);
  }
  void SetLength(size_type aLength) { mData.resize(aLength); }
  void StripChars(const char* aSet) {
    if (!aSet) return;
    const std::basic_string<CharT> set = Widen(aSet);
    std::basic_string<CharT> kept;
    for (CharT c : mData) {
      if (set.find(c) == std::basic_string<CharT>::npos) kept.push_back(c);
    }
    mData.swap(kept);
  }
  void StripWhitespace() { StripChars(" \t\r\n"); }
  void Trim(const char* aSet, PRBool aLeading = PR_TRUE, PRBool aTrailing = PR_TRUE) {
    if (!aSet) return;
    const std::basic_string<CharT> set = Widen(aSet);
    if (aTrailing) {
      const auto last = mData.find_last_not_of(set);
      mData.erase(last == std::basic_string<CharT>::npos ? 0 : last + 1);
    }
    if (aLeading) mData.erase(0, std::min(mData.size(), mData.find_first_not_of(set)));
  }
  void CompressWhitespace(PRBool aLeading = PR_TRUE, PRBool aTrailing = PR_TRUE) {
    Trim(" \t\r\n", aLeading, aTrailing);
    std::basic_string<CharT> out;
    bool inSpace = false;
    for (CharT c : mData) {
      const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n';
      if (space && inSpace) continue;
      out.push_back(space ? CharT(' ') : c);
      inSpace = space;
    }
    mData.swap(out);
  }
  void ToLowerCase() {
    for (CharT& c : mData) {
      if (c >= 'A' && c <= 'Z') c = static_cast<CharT>(c + ('a' - 'A'));
    }
  }
  void ToUpperCase() {
    for (CharT& c : mData) {
      if (c >= 'a' && c <= 'z') c = static_cast<CharT>(c - ('a' - 'A'));
    }
  }
  // Decimal (or radix 16) integer; *aErrorCode NS_OK or NS_ERROR_ILLEGAL_VALUE.
  PRInt32 ToInteger(PRInt32* aErrorCode, PRUint32 aRadix = 10) const {
    PRInt64 value = 0;
    size_t i = 0;
    while (i < mData.size() && (mData[i] == ' ' || mData[i] == '\t')) ++i;
    bool negative = false;
    if (i < mData.size() && (mData[i] == '-' || mData[i] == '+')) negative = mData[i++] == '-';
    const size_t firstDigit = i;
    for (; i < mData.size(); ++i) {
      const PRInt32 digit = DigitValue(mData[i]);
      if (digit < 0 || static_cast<PRUint32>(digit) >= aRadix) break;
      value = value * aRadix + digit;
      if (value > 0x7fffffffLL + (negative ? 1 : 0)) break;
    }
    const bool ok = i > firstDigit && i == mData.size() && value <= 0x7fffffffLL + (negative ? 1 : 0);
    if (aErrorCode) *aErrorCode = ok ? NS_OK : NS_ERROR_ILLEGAL_VALUE;
    if (!ok) return 0;
    return static_cast<PRInt32>(negative ? -value : value);
  }
  // Copies a piece into aResult; returns its length.
  size_type Mid(self_type& aResult, index_type aStart, size_type aCount) const {
    aResult.mData = aStart < mData.size() ? mData.substr(aStart, aCount) : std::basic_string<CharT>();
    return aResult.Length();
  }
  size_type Left(self_type& aResult, size_type aCount) const { return Mid(aResult, 0, aCount); }
  size_type Right(self_type& aResult, size_type aCount) const {
    const size_type start = aCount >= Length() ? 0 : Length() - aCount;
    return Mid(aResult, start, aCount);
  }

  self_type& operator=(const CharT* aData) {
    Assign(aData);
    return *this;
  }
  self_type& operator=(CharT aChar) {
    Assign(aChar);
    return *this;
  }
  self_type& operator+=(const self_type& aOther) {
    Append(aOther);
    return *this;
  }
  self_type& operator+=(const CharT* aData) {
    Append(aData);
    return *this;
  }
  self_type& operator+=(CharT aChar) {
    Append(aChar);
    return *this;
  }

  // The standard string underneath, for the platform's own code.
  const std::basic_string<CharT>& Data() const { return mData; }
  std::basic_string<CharT>& Data() { return mData; }

 protected:
  static std::basic_string<CharT> Widen(const char* aData) {
    std::basic_string<CharT> out;
    for (; *aData; ++aData) out.push_back(static_cast<CharT>(static_cast<unsigned char>(*aData)));
    return out;
  }

 private:
  static CharT Fold(CharT c) { return (c >= 'A' && c <= 'Z') ? static_cast<CharT>(c + ('a' - 'A')) : c; }
  static PRInt32 DigitValue(CharT c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return -1;
  }
  int CompareIgnoreCase(const std::basic_string<CharT>& aOther) const {
    if (aOther.size() != mData.size()) return 1;
    for (size_t i = 0; i < mData.size(); ++i) {
      if (Fold(mData[i]) != Fold(aOther[i])) return 1;
    }
    return 0;
  }
  bool MatchesAt(size_t aAt, const std::basic_string<CharT>& aTarget, PRBool aIgnoreCase) const {
    if (aAt + aTarget.size() > mData.size()) return false;
    for (size_t i = 0; i < aTarget.size(); ++i) {
      const CharT a = mData[aAt + i], b = aTarget[i];
      if (aIgnoreCase ? Fold(a) != Fold(b) : a != b) return false;
    }
    return true;
  }
  PRInt32 FindIn(const std::basic_string<CharT>& aTarget, PRBool aIgnoreCase, PRInt32 aOffset, PRInt32 aCount) const {
    if (aOffset < 0) aOffset = 0;
    const size_t first = static_cast<size_t>(aOffset);
    if (first > mData.size()) return kNotFound;
    const size_t lastStart = aCount < 0 ? mData.size() : std::min(mData.size(), first + static_cast<size_t>(aCount));
    for (size_t at = first; at <= lastStart; ++at) {
      if (MatchesAt(at, aTarget, aIgnoreCase)) return static_cast<PRInt32>(at);
    }
    return kNotFound;
  }
  PRInt32 RFindIn(const std::basic_string<CharT>& aTarget, PRBool aIgnoreCase, PRInt32 aOffset, PRInt32 aCount) const {
    if (aTarget.size() > mData.size()) return kNotFound;
    const size_t maxStart = mData.size() - aTarget.size();
    // aCount starts are tried, the last at aOffset (as the window is counted in Gecko);
    // the window is placed before clamping aOffset to the last possible start.
    const size_t offset = aOffset < 0 ? maxStart : static_cast<size_t>(aOffset);
    if (aCount == 0) return kNotFound;
    const size_t floor = aCount < 0 || static_cast<size_t>(aCount) > offset ? 0 : offset - static_cast<size_t>(aCount) + 1;
    if (floor > maxStart) return kNotFound;
    for (size_t start = std::min(maxStart, offset);; --start) {
      if (MatchesAt(start, aTarget, aIgnoreCase)) return static_cast<PRInt32>(start);
      if (start == floor) return kNotFound;
    }
  }
  void ReplaceAll(const std::basic_string<CharT>& aTarget, const std::basic_string<CharT>& aNew) {
    if (aTarget.empty()) return;
    std::basic_string<CharT> out;
    size_t from = 0;
    for (size_t at; (at = mData.find(aTarget, from)) != std::basic_string<CharT>::npos; from = at + aTarget.size()) {
      out.append(mData, from, at - from);
      out.append(aNew);
    }
    out.append(mData, from, std::basic_string<CharT>::npos);
    mData.swap(out);
  }
  size_t ClampIndex(index_type aPos) const { return std::min<size_t>(aPos, mData.size()); }

  std::basic_string<CharT> mData;
};

template <class CharT>
inline bool operator==(const nsTAString<CharT>& aLhs, const nsTAString<CharT>& aRhs) {
  return aLhs.Data() == aRhs.Data();
}
template <class CharT>
inline bool operator!=(const nsTAString<CharT>& aLhs, const nsTAString<CharT>& aRhs) {
  return !(aLhs == aRhs);
}
template <class CharT>
inline bool operator<(const nsTAString<CharT>& aLhs, const nsTAString<CharT>& aRhs) {
  return aLhs.Data() < aRhs.Data();
}
template <class CharT>
inline bool operator==(const nsTAString<CharT>& aLhs, const CharT* aRhs) {
  return aLhs.Equals(aRhs);
}

typedef nsTAString<PRUnichar> nsAString;
typedef nsTAString<char> nsACString;
typedef nsAString nsASingleFragmentString;
typedef nsACString nsASingleFragmentCString;
typedef nsAString nsAFlatString;
typedef nsACString nsAFlatCString;
typedef nsAString nsSubstring;
typedef nsACString nsCSubstring;
