// The string classes: UTF-16 <-> UTF-8 over every plane, what happens to malformed
// input, and the operations the component uses.
#include <gtest/gtest.h>

#include "nsMemory.h"
#include "nsString.h"
#include "nsXPIDLString.h"

namespace {

std::u16string utf16Of(char32_t c) {
  if (c < 0x10000) return std::u16string(1, static_cast<char16_t>(c));
  c -= 0x10000;
  return {static_cast<char16_t>(0xD800 + (c >> 10)), static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
}

TEST(Strings, EveryPlaneRoundTripsBothWays) {
  nsString all;
  for (char32_t plane = 0; plane <= 0x10; ++plane) {
    for (char32_t low : {0x0000u, 0x0041u, 0x00FFu, 0x07FFu, 0x0800u, 0xD7FFu, 0xE000u, 0xFFFDu, 0xFFFFu}) {
      const char32_t c = (plane << 16) | low;
      if (c == 0) continue;
      const std::u16string units = utf16Of(c);
      all.Append(units.data(), static_cast<PRUint32>(units.size()));
      const nsDependentString one(units.data(), static_cast<PRUint32>(units.size()));
      const NS_ConvertUTF16toUTF8 utf8(one);
      const size_t expected = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
      EXPECT_EQ(utf8.Length(), expected) << std::hex << static_cast<unsigned>(c);
      EXPECT_TRUE(NS_ConvertUTF8toUTF16(utf8).Equals(one)) << std::hex << static_cast<unsigned>(c);
    }
  }
  const NS_ConvertUTF16toUTF8 utf8(all);
  EXPECT_TRUE(IsUTF8(utf8));
  EXPECT_TRUE(NS_ConvertUTF8toUTF16(utf8).Equals(all));
  // The known bytes of a character outside the basic plane.
  EXPECT_TRUE(NS_ConvertUTF16toUTF8(nsDependentString(u"\U0001F600")).Equals("\xF0\x9F\x98\x80"));
}

TEST(Strings, UnpairedSurrogatesBecomeReplacementCharacters) {
  const PRUnichar lone[] = {u'a', 0xD800, u'b', 0xDC00, 0xDBFF, 0};
  const NS_ConvertUTF16toUTF8 utf8(lone);
  EXPECT_TRUE(utf8.Equals("a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD"));
  const PRUnichar reversed[] = {0xDC00, 0xD800, 0};
  EXPECT_TRUE(NS_ConvertUTF16toUTF8(reversed).Equals("\xEF\xBF\xBD\xEF\xBF\xBD"));
}

TEST(Strings, MalformedUTF8BecomesOneReplacementPerBrokenPart) {
  struct Case {
    const char* bytes;
    std::u16string expected;
  };
  const Case cases[] = {
      {"a\x80z", u"a\uFFFDz"},                      // stray continuation byte
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                 // overlong '/'
      {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},       // overlong, three bytes
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},       // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
      {"\xE2\x82", u"\uFFFD"},                       // truncated at the end
      {"\xE2\x82z", u"\uFFFDz"},                     // truncated before a character
      {"\xF0\x9F\x98", u"\uFFFD"},                   // four-byte form cut short
      {"\xFF\xFE", u"\uFFFD\uFFFD"},                 // bytes that never occur
  };
  for (const Case& c : cases) {
    const NS_ConvertUTF8toUTF16 decoded(c.bytes);
    EXPECT_EQ(decoded.Data(), c.expected) << c.bytes;
    EXPECT_FALSE(IsUTF8(nsDependentCString(c.bytes)));
  }
}

TEST(Strings, FindAndReplaceWorkAsTheComponentUsesThem) {
  nsAutoString text(NS_LITERAL_STRING("one two one two"));
  EXPECT_EQ(text.Length(), 15u);
  EXPECT_EQ(text.Find("two"), 4);
  EXPECT_EQ(text.Find(NS_LITERAL_STRING("two"), PR_FALSE, 5), 12);
  EXPECT_EQ(text.Find("TWO", PR_TRUE), 4);
  EXPECT_EQ(text.Find("TWO"), kNotFound);
  EXPECT_EQ(text.Find("one", PR_FALSE, 1, 3), kNotFound);  // only starts 1..4 are tried
  EXPECT_EQ(text.RFind("one"), 8);
  EXPECT_EQ(text.RFind("one", PR_FALSE, 7), 0);
  EXPECT_EQ(text.RFind("three"), kNotFound);
  // A count tries that many starts, the last at the offset; the window is placed before
  // the offset is clamped to the last possible start.
  EXPECT_EQ(text.RFind("one", PR_FALSE, 8, 1), 8);
  EXPECT_EQ(text.RFind("one", PR_FALSE, 9, 1), kNotFound);
  EXPECT_EQ(text.RFind("one", PR_FALSE, 7, 7), kNotFound);
  EXPECT_EQ(text.RFind("one", PR_FALSE, 7, 8), 0);
  EXPECT_EQ(text.RFind("two", PR_FALSE, 14, 2), kNotFound);
  EXPECT_EQ(text.RFind("two", PR_FALSE, 8, 0), kNotFound);
  EXPECT_EQ(text.FindChar(u't'), 4);
  EXPECT_EQ(text.RFindChar(u't'), 12);

  text.ReplaceSubstring(NS_LITERAL_STRING("one"), NS_LITERAL_STRING("1"));
  EXPECT_TRUE(text.Equals(NS_LITERAL_STRING("1 two 1 two")));
  text.ReplaceSubstring(u"two", u"twotwo");  // the replacement is not searched again
  EXPECT_TRUE(text.EqualsLiteral("1 twotwo 1 twotwo"));
  text.ReplaceSubstring(u"", u"x");
  EXPECT_TRUE(text.EqualsLiteral("1 twotwo 1 twotwo"));

  nsString built;
  built.Append(u"a");
  built.Append(u'b');
  built.AppendInt(-42);
  built.AppendLiteral(":");
  built.AppendInt(255, 16);
  EXPECT_TRUE(built.EqualsASCII("ab-42:ff"));
  EXPECT_EQ(built.get()[built.Length()], u'\0');

  nsCString bytes(NS_LITERAL_CSTRING("key:,:value"));
  EXPECT_EQ(bytes.Find(":,:"), 3);
  nsCString piece;
  bytes.Mid(piece, 6, 100);
  EXPECT_TRUE(piece.Equals("value"));
  PRInt32 error = NS_OK;
  EXPECT_EQ(nsCString("-2147483648").ToInteger(&error), static_cast<PRInt32>(-2147483647 - 1));
  EXPECT_EQ(error, NS_OK);
  nsCString("2147483648").ToInteger(&error);
  EXPECT_EQ(error, NS_ERROR_ILLEGAL_VALUE);
  nsCString("12x").ToInteger(&error);
  EXPECT_EQ(error, NS_ERROR_ILLEGAL_VALUE);
}

TEST(Strings, AllocatedCopiesAreNullTerminatedAndFreedWithNsMemory) {
  const nsDependentString text(u"h\u00E9llo");
  char* utf8 = ToNewUTF8String(text);
  EXPECT_STREQ(utf8, "h\xC3\xA9llo");
  nsMemory::Free(utf8);
  PRUnichar* wide = ToNewUnicode(text);
  EXPECT_EQ(std::u16string(wide), u"h\u00E9llo");
  nsMemory::Free(wide);
}

TEST(Strings, CopiesFromOutParametersAreTakenOverAndFreed) {
  nsXPIDLCString text;
  EXPECT_EQ(text.get(), nullptr);
  const auto fill = [](char** out) {
    *out = ToNewCString(nsDependentCString("value"));
    return NS_OK;
  };
  fill(getter_Copies(text));
  EXPECT_STREQ(text.get(), "value");
  const auto none = [](char** out) {
    *out = nullptr;
    return NS_OK;
  };
  none(getter_Copies(text));
  EXPECT_EQ(text.get(), nullptr);
  text.Append("written");  // text written in directly ends the void state
  EXPECT_STREQ(text.get(), "written");
  nsString wide;
  wide.AssignWithConversion("abc");
  wide.AppendWithConversion("d");
  EXPECT_TRUE(wide.EqualsLiteral("abcd"));
  EXPECT_TRUE(EmptyString().IsEmpty());
}

}  // namespace
