#include "window_text.h"

#include <algorithm>
#include <cstring>

namespace win32::internal {
namespace {
// Upper case in Windows-1252: ASCII letters and the accented Latin-1 letters.
unsigned char upper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  return c;
}
}  // namespace

int copyText(std::string_view text, LPSTR buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return 0;
  const size_t count = std::min(text.size(), static_cast<size_t>(capacity - 1));
  if (count > 0) std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return static_cast<int>(count);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (upper(static_cast<unsigned char>(a[i])) != upper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

int compareIgnoringCase(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const int difference =
        upper(static_cast<unsigned char>(a[i])) - upper(static_cast<unsigned char>(b[i]));
    if (difference != 0) return difference;
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

}  // namespace win32::internal
