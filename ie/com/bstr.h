// An owned BSTR, and the conversions between automation strings and the library's byte
// strings in the ANSI code page.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

class Bstr {
 public:
  Bstr() = default;
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  Bstr(Bstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
  Bstr& operator=(Bstr&& other) noexcept {
    std::swap(s_, other.s_);
    return *this;
  }
  ~Bstr() { SysFreeString(s_); }

  // A new BSTR holding the code-page text converted to UTF-16.
  static Bstr fromAnsi(std::string_view text);

  BSTR get() const { return s_; }
  // The address to receive a BSTR from a property read; frees the one held before.
  BSTR* put() {
    SysFreeString(std::exchange(s_, nullptr));
    return &s_;
  }
  // Gives up ownership to the caller (a VARIANT that will free it, for example).
  BSTR release() { return std::exchange(s_, nullptr); }
  // A null BSTR is how a page says it has no value (as opposed to an empty one).
  bool isNull() const { return s_ == nullptr; }

  // The text in the ANSI code page; "" for a null BSTR.
  std::string toAnsi() const;
  // The text in the ANSI code page, or `whenNull` for a null BSTR.
  std::string toAnsiOr(std::string_view whenNull) const { return isNull() ? std::string(whenNull) : toAnsi(); }

 private:
  BSTR s_ = nullptr;
};

// The code-page bytes of an automation string; "" for null.
std::string ansiFromBstr(const OLECHAR* text, size_t length);
