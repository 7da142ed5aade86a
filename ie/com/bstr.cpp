#include "bstr.h"

#include <windows.h>

#include <climits>

Bstr Bstr::fromAnsi(std::string_view text) {
  Bstr out;
  if (text.size() > INT_MAX) return out;
  const int length = static_cast<int>(text.size());
  // Every code-page byte becomes one UTF-16 unit.
  out.s_ = SysAllocStringLen(nullptr, static_cast<UINT>(length));
  if (out.s_ != nullptr && length > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, reinterpret_cast<LPWSTR>(out.s_), length);
  return out;
}

std::string Bstr::toAnsi() const { return s_ == nullptr ? std::string() : ansiFromBstr(s_, SysStringLen(s_)); }

std::string ansiFromBstr(const OLECHAR* text, size_t length) {
  if (text == nullptr || length == 0 || length > INT_MAX) return {};
  const auto* wide = reinterpret_cast<LPCWSTR>(text);
  const int n = static_cast<int>(length);
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, n, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, n, out.data(), size, nullptr, nullptr);
  return out;
}
