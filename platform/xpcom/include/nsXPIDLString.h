// nsXPIDLString / nsXPIDLCString and getter_Copies (Gecko 1.7 nsXPIDLString.h): strings
// that take over a buffer an interface method returned through a `char**` or
// `PRUnichar**` out parameter (allocated with nsMemory), and free it.
#pragma once

#include "nsMemory.h"
#include "nsString.h"

template <class StringT, class CharT>
class nsTXPIDLString : public StringT {
 public:
  nsTXPIDLString() = default;
  // Null until something was copied in, as Gecko's are ("void" strings). Text written
  // in through the base class's methods (which cannot clear the flag) also counts.
  const CharT* get() const { return mIsVoid && StringT::IsEmpty() ? nullptr : StringT::get(); }
  operator const CharT*() const { return get(); }
  PRBool IsVoid() const { return mIsVoid && StringT::IsEmpty(); }

  // Takes over `aBuffer` (null keeps the string void) and frees it.
  void Adopt(CharT* aBuffer) {
    mIsVoid = aBuffer == nullptr;
    if (aBuffer) {
      StringT::Assign(aBuffer);
      nsMemory::Free(aBuffer);
    } else {
      StringT::Truncate();
    }
  }

 private:
  bool mIsVoid = true;
};

typedef nsTXPIDLString<nsString, PRUnichar> nsXPIDLString;
typedef nsTXPIDLString<nsCString, char> nsXPIDLCString;

template <class StringT, class CharT>
class nsGetterCopies {
 public:
  explicit nsGetterCopies(nsTXPIDLString<StringT, CharT>& aString) : mString(aString), mData(nullptr) {}
  nsGetterCopies(const nsGetterCopies&) = delete;
  nsGetterCopies& operator=(const nsGetterCopies&) = delete;
  ~nsGetterCopies() { mString.Adopt(mData); }
  operator CharT**() { return &mData; }

 private:
  nsTXPIDLString<StringT, CharT>& mString;
  CharT* mData;
};

inline nsGetterCopies<nsString, PRUnichar> getter_Copies(nsXPIDLString& aString) {
  return nsGetterCopies<nsString, PRUnichar>(aString);
}
inline nsGetterCopies<nsCString, char> getter_Copies(nsXPIDLCString& aString) {
  return nsGetterCopies<nsCString, char>(aString);
}
