#include "playback/clean_text.h"

#include <array>
#include <string_view>

#include "playback/text_replace.h"

namespace {

struct Replacement {
  std::string_view find;
  std::string_view replacement;
};

// Applied top to bottom, each over the whole text. Some rows are as recorded scripts
// have them and must stay so: "&Ouml;" gives the byte of "&Auml;", "&igrave" the byte
// of "&egrave", "&ograve" the two characters "`o", and four entities have no semicolon.
constexpr std::array<Replacement, 25> kReplacements = {{
    {"<br>", "\n"},
    {"<BR>", "\n"},
    {"<p>", "\n\n"},
    {"<P>", "\n\n"},
    {"<li>", "\n- "},
    {"<LI>", "\n- "},
    {"&auml;", "\xE4"},
    {"&Auml;", "\xC4"},
    {"&uuml;", "\xFC"},
    {"&Uuml;", "\xDC"},
    {"&ouml;", "\xF6"},
    {"&Ouml;", "\xC4"},
    {"&amp;", "&"},
    {"&quot;", "\""},
    {"&sect;", "\xA7"},
    {"&szlig;", "\xDF"},
    {"&eacute;", "\xE9"},
    {"&egrave", "\xE8"},
    {"&oacute;", "\xF3"},
    {"&ograve", "`o"},
    {"&aacute;", "\xE1"},
    {"&agrave", "\xE0"},
    {"&iacute;", "\xED"},
    {"&igrave", "\xE8"},
    {"&nbsp;", " "},
}};

std::string withoutMarkup(const std::string& text) {
  std::string copy;
  copy.reserve(text.size());
  bool inTag = false;
  for (const char c : text) {
    if (inTag) {
      if (c == '>') inTag = false;
    } else if (c == '<') {
      inTag = true;
    } else {
      copy.push_back(c);
    }
  }
  return copy;
}

bool isTrailingSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

std::string cleanText(const std::string& text) {
  std::string cleaned = text;
  for (char& c : cleaned)
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  cleaned = foldRuns(cleaned, ' ');
  for (const Replacement& row : kReplacements) cleaned = replaceAll(cleaned, row.find, row.replacement);
  cleaned = withoutMarkup(cleaned);
  while (!cleaned.empty() && isTrailingSpace(cleaned.back())) cleaned.pop_back();
  return cleaned;
}
