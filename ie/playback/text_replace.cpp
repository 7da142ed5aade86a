#include "playback/text_replace.h"

std::string replaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
  if (find.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t from = 0;
  for (size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, from)) {
    out.append(text.substr(from, at - from));
    out.append(replacement);
    from = at + find.size();
  }
  out.append(text.substr(from));
  return out;
}

std::string foldRuns(std::string_view text, char c) {
  std::string out;
  out.reserve(text.size());
  for (const char next : text)
    if (next != c || out.empty() || out.back() != c) out.push_back(next);
  return out;
}
