#include "playback/clean_text.h"

#include <gtest/gtest.h>

#include <chrono>

#include "playback/text_replace.h"

namespace {

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanningWhatItPutIn) {
  EXPECT_EQ("a\r\nb\r\n", replaceAll("a<VK_RETURN>b<VK_RETURN>", "<VK_RETURN>", "\r\n"));
  EXPECT_EQ("aa", replaceAll("aaaa", "aa", "a")) << "each pair once, not folded again";
  EXPECT_EQ("<<VK_RETURN>", replaceAll("<<<VK_RETURN>VK_RETURN>", "<VK_RETURN>", ""));
  EXPECT_EQ("text", replaceAll("text", "", "x"));
  EXPECT_EQ("a b c ", foldRuns("a   b c    ", ' '));
}

// Texts from the host and from pages may be megabytes long; a replacement that shifted
// the rest of the text at each occurrence took seconds for one megabyte and would take
// days for these ten (the bound leaves room for slow sanitizer builds).
TEST(ReplaceAll, TenMegabytesOfMarkersAndBlanksTakeLinearTime) {
  std::string markers;
  for (int i = 0; i < 1 << 20; ++i) markers += "<VK_RETURN>";
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(std::string(2u << 20, '\0').size(), replaceAll(markers, "<VK_RETURN>", "\r\n").size());
  EXPECT_EQ(" x", cleanText(std::string(10u << 20, ' ') + "x"));
  EXPECT_EQ(std::string(1u << 20, '&'), cleanText(replaceAll(std::string(1u << 20, '&'), "&", "&amp;")));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
}

TEST(CleanText, FoldsBlanksDropsMarkupAndTrailingSpace) {
  EXPECT_EQ(" Next &gt;", cleanText(" Next&nbsp;&gt; "));
  EXPECT_EQ("Sign in", cleanText("<b>Sign</b>\r\n  in"));
  EXPECT_EQ("A\nB", cleanText("A<br>B"));
  EXPECT_EQ("one two", cleanText("one \t\t  two \n"));
  EXPECT_EQ("\n\n\n- item", cleanText("<P><LI>item"));
}

TEST(CleanText, EntitiesBecomeWindows1252BytesAsRecordedScriptsHaveThem) {
  EXPECT_EQ("\xE4\xC4\xFC\xDC\xF6", cleanText("&auml;&Auml;&uuml;&Uuml;&ouml;"));
  EXPECT_EQ("\xC4", cleanText("&Ouml;")) << "the byte of A-umlaut, as recorded";
  EXPECT_EQ("\xE8;", cleanText("&egrave;")) << "no semicolon in the row: it stays";
  EXPECT_EQ("`o;", cleanText("&ograve;"));
  EXPECT_EQ("\xE8;", cleanText("&igrave;")) << "the byte of e-grave, as recorded";
  EXPECT_EQ("\xE0; \xE1 \xED \xF3 \xE9 \xDF \xA7", cleanText("&agrave; &aacute; &iacute; &oacute; &eacute; &szlig; &sect;"));
  EXPECT_EQ("\"Tom\" & Jerry", cleanText("&quot;Tom&quot; &amp; Jerry"));
  EXPECT_EQ("a  b", cleanText("a&nbsp; b")) << "blanks from &nbsp; are not folded";
}

}  // namespace
