#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::u16string toWide(UINT codePage, const std::string& bytes) {
  const int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::u16string out(static_cast<size_t>(n), u'\0');
  EXPECT_EQ(n, MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n));
  return out;
}

std::string toBytes(UINT codePage, const std::u16string& text, BOOL* usedDefault = nullptr) {
  const int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                    usedDefault);
  std::string out(static_cast<size_t>(n), '\0');
  EXPECT_EQ(n, WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                                   usedDefault));
  return out;
}

TEST(CodePage, AnsiIsWindows1252BothWays) {
  EXPECT_EQ(1252u, GetACP());
  // Euro, curly quotes, dashes and a Latin-1 letter: the bytes web pages and recorded scripts carry.
  const std::string bytes = "\x80 \x93q\x94 \x96\x97 \xE9 \x99";
  const std::u16string text = u"\u20AC \u201Cq\u201D \u2013\u2014 \u00E9 \u2122";
  EXPECT_EQ(text, toWide(CP_ACP, bytes));
  EXPECT_EQ(bytes, toBytes(CP_ACP, text));
  // The five bytes the code page leaves undefined come back as themselves.
  EXPECT_EQ(std::u16string(u"\u0081\u008D\u008F\u0090\u009D"), toWide(CP_ACP, "\x81\x8D\x8F\x90\x9D"));
  EXPECT_EQ("\x81\x8D", toBytes(CP_ACP, u"\u0081\u008D"));
}

TEST(CodePage, UnmappableCharactersBecomeTheDefaultCharacter) {
  BOOL usedDefault = FALSE;
  EXPECT_EQ("a?b", toBytes(CP_ACP, u"a\u4E2Db", &usedDefault));
  EXPECT_TRUE(usedDefault);
  EXPECT_EQ("ok", toBytes(CP_ACP, u"ok", &usedDefault));
  EXPECT_FALSE(usedDefault);
}

TEST(CodePage, Utf8HandlesSurrogatePairsAndInvalidBytes) {
  const std::u16string clef = u"\U0001D11E";
  EXPECT_EQ("\xF0\x9D\x84\x9E", toBytes(CP_UTF8, clef));
  EXPECT_EQ(clef, toWide(CP_UTF8, "\xF0\x9D\x84\x9E"));
  EXPECT_EQ(std::u16string(u"a\uFFFDb"), toWide(CP_UTF8, "a\xFF" "b"));
  EXPECT_EQ(0, MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xC3", 2, nullptr, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION), GetLastError());
}

TEST(CodePage, NullTerminatedInputCountsTheNullAndSmallBuffersFail) {
  EXPECT_EQ(4, MultiByteToWideChar(CP_ACP, 0, "abc", -1, nullptr, 0));
  WCHAR small[2];
  EXPECT_EQ(0, MultiByteToWideChar(CP_ACP, 0, "abc", -1, small, 2));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER), GetLastError());
  char bytes[8];
  EXPECT_EQ(4, WideCharToMultiByte(CP_ACP, 0, u"\u00E9t\u00E9", -1, bytes, sizeof bytes, nullptr, nullptr));
  EXPECT_STREQ("\xE9t\xE9", bytes);
  // UTF-8 takes no default character, as on Windows.
  BOOL used = FALSE;
  EXPECT_EQ(0, WideCharToMultiByte(CP_UTF8, 0, u"x", 1, bytes, sizeof bytes, nullptr, &used));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

}  // namespace
