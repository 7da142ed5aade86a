// BSTR, VARIANT and VariantChangeType, checked against what OLE Automation returns.
#include <gtest/gtest.h>
#include <objbase.h>

#include "com_test_support.h"

using com_test::text;

namespace {

struct Variant {
  Variant() { VariantInit(&v); }
  ~Variant() { VariantClear(&v); }
  VARIANT v;
};

TEST(BstrTest, NullAndEmptyStringsAreDifferentValues) {
  BSTR fromNull = SysAllocString(nullptr);
  EXPECT_EQ(nullptr, fromNull);
  EXPECT_EQ(0u, SysStringLen(fromNull));

  BSTR empty = SysAllocString(u"");
  ASSERT_NE(nullptr, empty);
  EXPECT_EQ(0u, SysStringLen(empty));
  EXPECT_EQ(u'\0', empty[0]);

  BSTR emptyFromLength = SysAllocStringLen(nullptr, 0);
  ASSERT_NE(nullptr, emptyFromLength);
  EXPECT_EQ(0u, SysStringLen(emptyFromLength));
  SysFreeString(empty);
  SysFreeString(emptyFromLength);
  SysFreeString(nullptr);  // allowed
}

TEST(BstrTest, LengthCountsEmbeddedNullsAndIsPrefixed) {
  const OLECHAR withNull[] = {u'a', u'\0', u'b'};
  BSTR s = SysAllocStringLen(withNull, 3);
  ASSERT_NE(nullptr, s);
  EXPECT_EQ(3u, SysStringLen(s));
  EXPECT_EQ(6u, SysStringByteLen(s));
  EXPECT_EQ(u'b', s[2]);
  EXPECT_EQ(u'\0', s[3]);
  DWORD prefix;
  std::memcpy(&prefix, reinterpret_cast<char*>(s) - sizeof prefix, sizeof prefix);
  EXPECT_EQ(6u, prefix);
  SysFreeString(s);

  BSTR zeroed = SysAllocStringLen(nullptr, 4);
  ASSERT_NE(nullptr, zeroed);
  EXPECT_EQ(4u, SysStringLen(zeroed));
  EXPECT_EQ(u'\0', zeroed[4]);
  SysFreeString(zeroed);

  BSTR odd = SysAllocStringByteLen("abc", 3);
  EXPECT_EQ(3u, SysStringByteLen(odd));
  EXPECT_EQ(1u, SysStringLen(odd));
  SysFreeString(odd);
}

TEST(BstrTest, ReAllocReplacesTheString) {
  BSTR s = SysAllocString(u"first");
  ASSERT_TRUE(SysReAllocString(&s, u"second one"));
  EXPECT_EQ(u"second one", text(s));
  SysFreeString(s);
}

TEST(VariantTest, CopyKeepsNullAndEmptyStringsApart) {
  Variant nullString, emptyString, copy;
  nullString.v.vt = VT_BSTR;
  nullString.v.bstrVal = nullptr;
  emptyString.v.vt = VT_BSTR;
  emptyString.v.bstrVal = SysAllocString(u"");

  ASSERT_EQ(S_OK, VariantCopy(&copy.v, &nullString.v));
  EXPECT_EQ(VT_BSTR, copy.v.vt);
  EXPECT_EQ(nullptr, copy.v.bstrVal);

  ASSERT_EQ(S_OK, VariantCopy(&copy.v, &emptyString.v));
  ASSERT_NE(nullptr, copy.v.bstrVal);
  EXPECT_NE(emptyString.v.bstrVal, copy.v.bstrVal);  // a copy, not the same block
  EXPECT_EQ(0u, SysStringLen(copy.v.bstrVal));
}

TEST(VariantTest, CopyAndClearCountObjectReferences) {
  com_test::Lifetime lifetime;
  auto* object = new com_test::TableObject(&lifetime);
  {
    Variant source, copy;
    source.v.vt = VT_DISPATCH;
    source.v.pdispVal = object;  // the variant owns the creation reference
    ASSERT_EQ(S_OK, VariantCopy(&copy.v, &source.v));
    EXPECT_EQ(object, copy.v.pdispVal);
    EXPECT_EQ(S_OK, VariantClear(&source.v));
    EXPECT_EQ(VT_EMPTY, source.v.vt);
    EXPECT_EQ(1, lifetime.alive);  // the copy still holds it
  }
  EXPECT_EQ(0, lifetime.alive);
}

TEST(VariantTest, CopyIndFollowsReferences) {
  LONG number = 41;
  Variant reference, value;
  reference.v.vt = VT_BYREF | VT_I4;
  reference.v.plVal = &number;
  ASSERT_EQ(S_OK, VariantCopy(&value.v, &reference.v));
  EXPECT_EQ(VT_BYREF | VT_I4, value.v.vt);  // VariantCopy copies the reference itself
  ASSERT_EQ(S_OK, VariantCopyInd(&value.v, &reference.v));
  EXPECT_EQ(VT_I4, value.v.vt);
  number = 0;
  EXPECT_EQ(41, value.v.lVal);
}

TEST(VariantTest, UnsupportedTypesAreRejected) {
  Variant array;
  array.v.vt = VT_ARRAY | VT_I4;
  EXPECT_EQ(DISP_E_BADVARTYPE, VariantClear(&array.v));
  array.v.vt = VT_EMPTY;
}

TEST(VariantChangeTypeTest, BooleansAreMinusOneAcrossConversions) {
  EXPECT_EQ(-1, VARIANT_TRUE);
  Variant v;
  v.v.vt = VT_I4;
  v.v.lVal = 5;
  ASSERT_EQ(S_OK, VariantChangeType(&v.v, &v.v, 0, VT_BOOL));
  EXPECT_EQ(VARIANT_TRUE, v.v.boolVal);
  ASSERT_EQ(S_OK, VariantChangeType(&v.v, &v.v, 0, VT_I4));
  EXPECT_EQ(-1, v.v.lVal);

  v.v.vt = VT_BOOL;
  v.v.boolVal = VARIANT_TRUE;
  ASSERT_EQ(S_OK, VariantChangeType(&v.v, &v.v, 0, VT_BSTR));
  EXPECT_EQ(u"-1", text(v.v.bstrVal));
  ASSERT_EQ(S_OK, VariantChangeType(&v.v, &v.v, 0, VT_BOOL));
  EXPECT_EQ(VARIANT_TRUE, v.v.boolVal);
  ASSERT_EQ(S_OK, VariantChangeType(&v.v, &v.v, VARIANT_ALPHABOOL, VT_BSTR));
  EXPECT_EQ(u"True", text(v.v.bstrVal));
  ASSERT_EQ(S_OK, VariantChangeType(&v.v, &v.v, 0, VT_BOOL));
  EXPECT_EQ(VARIANT_TRUE, v.v.boolVal);

  VariantClear(&v.v);
  v.v.vt = VT_BSTR;
  v.v.bstrVal = SysAllocString(u" false ");
  ASSERT_EQ(S_OK, VariantChangeType(&v.v, &v.v, 0, VT_BOOL));
  EXPECT_EQ(VARIANT_FALSE, v.v.boolVal);
}

TEST(VariantChangeTypeTest, StringsAndNumbers) {
  struct Case {
    const char16_t* input;
    VARTYPE to;
    HRESULT expected;
    LONGLONG value;
  };
  const Case cases[] = {
      {u" 42 ", VT_I4, S_OK, 42},           {u"-7", VT_I2, S_OK, -7},
      {u"2.5", VT_I4, S_OK, 2},             {u"3.5", VT_I4, S_OK, 4},  // half to even
      {u"abc", VT_I4, DISP_E_TYPEMISMATCH, 0}, {u"", VT_I4, DISP_E_TYPEMISMATCH, 0},
      {u"40000", VT_I2, DISP_E_OVERFLOW, 0}, {u"0x10", VT_I4, DISP_E_TYPEMISMATCH, 0},
      {u"-1", VT_UI4, DISP_E_OVERFLOW, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.input, c.input + std::char_traits<char16_t>::length(c.input)));
    Variant source, result;
    source.v.vt = VT_BSTR;
    source.v.bstrVal = SysAllocString(c.input);
    ASSERT_EQ(c.expected, VariantChangeType(&result.v, &source.v, 0, c.to));
    if (c.expected != S_OK) {
      EXPECT_EQ(VT_EMPTY, result.v.vt);  // the destination is left alone on failure
      continue;
    }
    EXPECT_EQ(c.to, result.v.vt);
    EXPECT_EQ(c.value, c.to == VT_I2 ? result.v.iVal : result.v.lVal);
  }

  Variant number;
  number.v.vt = VT_R8;
  number.v.dblVal = 1.5;
  ASSERT_EQ(S_OK, VariantChangeType(&number.v, &number.v, 0, VT_BSTR));
  EXPECT_EQ(u"1.5", text(number.v.bstrVal));
  VariantClear(&number.v);
  number.v.vt = VT_I4;
  number.v.lVal = -123;
  ASSERT_EQ(S_OK, VariantChangeType(&number.v, &number.v, 0, VT_BSTR));
  EXPECT_EQ(u"-123", text(number.v.bstrVal));
}

TEST(VariantChangeTypeTest, NullStringStaysNullAndEmptyBecomesAnEmptyString) {
  Variant nullString, result;
  nullString.v.vt = VT_BSTR;
  nullString.v.bstrVal = nullptr;
  ASSERT_EQ(S_OK, VariantChangeType(&result.v, &nullString.v, 0, VT_BSTR));
  EXPECT_EQ(nullptr, result.v.bstrVal);
  EXPECT_EQ(DISP_E_TYPEMISMATCH, VariantChangeType(&result.v, &nullString.v, 0, VT_I4));

  Variant empty;
  ASSERT_EQ(S_OK, VariantChangeType(&result.v, &empty.v, 0, VT_BSTR));
  ASSERT_NE(nullptr, result.v.bstrVal);
  EXPECT_EQ(0u, SysStringLen(result.v.bstrVal));
  ASSERT_EQ(S_OK, VariantChangeType(&result.v, &empty.v, 0, VT_I4));
  EXPECT_EQ(0, result.v.lVal);

  Variant dbNull;
  dbNull.v.vt = VT_NULL;
  EXPECT_EQ(DISP_E_TYPEMISMATCH, VariantChangeType(&result.v, &dbNull.v, 0, VT_BSTR));
}

TEST(VariantChangeTypeTest, ReferencesAreReadThrough) {
  VARIANT_BOOL flag = VARIANT_TRUE;
  Variant reference, result;
  reference.v.vt = VT_BYREF | VT_BOOL;
  reference.v.pboolVal = &flag;
  ASSERT_EQ(S_OK, VariantChangeType(&result.v, &reference.v, 0, VT_I4));
  EXPECT_EQ(-1, result.v.lVal);
  EXPECT_EQ(VARIANT_TRUE, flag);
}

TEST(VariantChangeTypeTest, ObjectsConvertThroughTheirValueProperty) {
  auto* object = new com_test::TableObject;
  object->table.add({DISPID_VALUE, u"value", [](WORD flags, DISPPARAMS&, VARIANT* result) {
                       if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
                       result->vt = VT_I4;
                       result->lVal = 12;
                       return S_OK;
                     }});
  Variant source, result;
  source.v.vt = VT_DISPATCH;
  source.v.pdispVal = object;
  ASSERT_EQ(S_OK, VariantChangeType(&result.v, &source.v, 0, VT_BSTR));
  EXPECT_EQ(u"12", text(result.v.bstrVal));
  EXPECT_EQ(DISP_E_TYPEMISMATCH, VariantChangeType(&result.v, &source.v, VARIANT_NOVALUEPROP, VT_I4));
}

TEST(GuidTest, ComparisonAndUuidOf) {
  EXPECT_TRUE(IsEqualGUID(IID_IDispatch, __uuidof(IDispatch)));
  EXPECT_FALSE(IsEqualIID(IID_IDispatch, IID_IUnknown));
  EXPECT_TRUE(IID_NULL == GUID{});
  EXPECT_EQ(0x00020400u, IID_IDispatch.Data1);
  EXPECT_EQ(0xb196b284u, IID_IConnectionPointContainer.Data1);
}

TEST(HresultTest, CodesAndTests) {
  EXPECT_TRUE(SUCCEEDED(S_FALSE));
  EXPECT_TRUE(FAILED(E_FAIL));
  EXPECT_EQ(static_cast<HRESULT>(0x80070057), E_INVALIDARG);
  EXPECT_EQ(E_OUTOFMEMORY, HRESULT_FROM_WIN32(ERROR_OUTOFMEMORY));
  EXPECT_EQ(static_cast<HRESULT>(0x80040154), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(static_cast<HRESULT>(0x800401F0), CO_E_NOTINITIALIZED);
  EXPECT_EQ(static_cast<HRESULT>(0x80040200), CONNECT_E_NOCONNECTION);
}

}  // namespace
