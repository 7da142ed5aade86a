// The engine keeps text as UTF-8; the DOM interfaces speak UTF-16.
#pragma once

#include "nsString.h"

#include <algorithm>
#include <limits>
#include <string>

namespace gecko {

inline void assignUtf8(nsAString& out, const std::string& text) {
  nsCString bytes;
  // A page's text never nears 4 GB; the bound keeps the length conversion exact.
  const std::size_t length = std::min<std::size_t>(text.size(), std::numeric_limits<nsCString::size_type>::max());
  bytes.Assign(text.data(), static_cast<nsCString::size_type>(length));
  out.Assign(NS_ConvertUTF8toUTF16(bytes));
}

inline std::string toUtf8(const nsAString& text) {
  NS_ConvertUTF16toUTF8 bytes(text);
  return std::string(bytes.get(), bytes.Length());
}

}  // namespace gecko
