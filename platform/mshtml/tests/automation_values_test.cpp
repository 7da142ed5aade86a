// Engine text to automation values and back: null versus empty, non-ASCII text, and the
// VARIANT forms collections accept as indexes.
#include "automation_values.h"

#include <gtest/gtest.h>

namespace {

struct Bstr {
  BSTR value = nullptr;
  ~Bstr() { SysFreeString(value); }
};

TEST(AutomationValues, AbsentIsNullAndEmptyIsEmpty) {
  Bstr absent;
  ASSERT_EQ(mshtml::putNullableString(std::optional<std::string>(), &absent.value), S_OK);
  EXPECT_EQ(absent.value, nullptr);

  Bstr empty;
  ASSERT_EQ(mshtml::putNullableString(std::optional<std::string>(""), &empty.value), S_OK);
  ASSERT_NE(empty.value, nullptr);
  EXPECT_EQ(SysStringLen(empty.value), 0u);

  EXPECT_EQ(mshtml::putString("x", static_cast<BSTR*>(nullptr)), E_POINTER);
}

TEST(AutomationValues, TextRoundTripsThroughUtf16) {
  const std::string text = "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80";  // é, €, an emoji (surrogate pair)
  Bstr wide;
  wide.value = mshtml::allocBstr(text);
  ASSERT_NE(wide.value, nullptr);
  EXPECT_EQ(SysStringLen(wide.value), 9u);
  EXPECT_EQ(static_cast<char16_t>(wide.value[3]), u'\u00E9');
  EXPECT_EQ(static_cast<char16_t>(wide.value[5]), u'\u20AC');
  EXPECT_EQ(mshtml::utf8FromBstr(wide.value), text);
  EXPECT_EQ(mshtml::utf8FromBstr(nullptr), "");
}

TEST(AutomationValues, MalformedUtf8BecomesReplacementCharacters) {
  Bstr wide;
  wide.value = mshtml::allocBstr("a\xC3(b\xE2\x82");
  ASSERT_NE(wide.value, nullptr);
  ASSERT_EQ(SysStringLen(wide.value), 5u);
  EXPECT_EQ(static_cast<char16_t>(wide.value[0]), u'a');
  EXPECT_EQ(static_cast<char16_t>(wide.value[1]), u'\uFFFD');
  EXPECT_EQ(static_cast<char16_t>(wide.value[2]), u'(');
  EXPECT_EQ(static_cast<char16_t>(wide.value[3]), u'b');
  EXPECT_EQ(static_cast<char16_t>(wide.value[4]), u'\uFFFD');
}

TEST(AutomationValues, IndexesFromVariants) {
  VARIANT number;
  VariantInit(&number);
  V_VT(&number) = VT_I4;
  V_I4(&number) = 7;
  EXPECT_EQ(mshtml::integerOf(number), 7);

  VARIANT digits;
  VariantInit(&digits);
  V_VT(&digits) = VT_BSTR;
  V_BSTR(&digits) = mshtml::allocBstr("12");
  EXPECT_EQ(mshtml::integerOf(digits), 12);
  EXPECT_EQ(mshtml::textOf(digits), "12");

  VARIANT name;
  VariantInit(&name);
  V_VT(&name) = VT_BSTR;
  V_BSTR(&name) = mshtml::allocBstr("12a");
  EXPECT_EQ(mshtml::integerOf(name), std::nullopt);

  VARIANT byRef;
  VariantInit(&byRef);
  V_VT(&byRef) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&byRef) = &number;
  EXPECT_EQ(mshtml::integerOf(byRef), 7);

  VARIANT empty;
  VariantInit(&empty);
  EXPECT_EQ(mshtml::integerOf(empty), std::nullopt);
  EXPECT_EQ(mshtml::textOf(empty), std::nullopt);

  VariantClear(&digits);
  VariantClear(&name);
}

}  // namespace
