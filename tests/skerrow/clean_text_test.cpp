#include "playback/clean_text.h"

#include <gtest/gtest.h>

namespace {

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
