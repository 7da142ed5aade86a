// Which interfaces each kind of element answers: the system's finders tell kinds apart
// only by QueryInterface, so these must match IE's answers exactly.
#include "element_kind.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool answers(const mshtml::ElementKind& kind, const IID& iid) {
  return std::any_of(kind.interfaces.begin(), kind.interfaces.end(),
                     [&](const IID* candidate) { return IsEqualIID(*candidate, iid); });
}

TEST(ElementKind, InputAnswersOneInterfaceOfItsTypeGroup) {
  struct Case {
    const char* type;
    const IID* answered;
  };
  const Case cases[] = {
      {"text", &IID_IHTMLInputTextElement},       {"password", &IID_IHTMLInputTextElement},
      {"button", &IID_IHTMLInputButtonElement},   {"submit", &IID_IHTMLInputButtonElement},
      {"reset", &IID_IHTMLInputButtonElement},    {"checkbox", &IID_IHTMLOptionButtonElement},
      {"radio", &IID_IHTMLOptionButtonElement},   {"file", &IID_IHTMLInputFileElement},
  };
  const IID* groups[] = {&IID_IHTMLInputTextElement, &IID_IHTMLInputButtonElement,
                         &IID_IHTMLOptionButtonElement, &IID_IHTMLInputFileElement};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    const mshtml::ElementKind& kind = mshtml::elementKindOf("INPUT", c.type);
    EXPECT_TRUE(answers(kind, IID_IHTMLInputElement));
    for (const IID* group : groups) EXPECT_EQ(answers(kind, *group), group == c.answered);
  }
}

TEST(ElementKind, HiddenAndImageInputsAnswerNoTypeGroup) {
  for (const char* type : {"hidden", "image"}) {
    SCOPED_TRACE(type);
    const mshtml::ElementKind& kind = mshtml::elementKindOf("INPUT", type);
    EXPECT_TRUE(answers(kind, IID_IHTMLInputElement));
    EXPECT_FALSE(answers(kind, IID_IHTMLInputTextElement));
    EXPECT_FALSE(answers(kind, IID_IHTMLInputButtonElement));
    EXPECT_FALSE(answers(kind, IID_IHTMLOptionButtonElement));
  }
}

TEST(ElementKind, TagsAnswerTheirOwnInterfaceOnly) {
  struct Case {
    const char* tag;
    const IID* answered;
  };
  const Case cases[] = {
      {"TEXTAREA", &IID_IHTMLTextAreaElement}, {"SELECT", &IID_IHTMLSelectElement},
      {"OPTION", &IID_IHTMLOptionElement},     {"IMG", &IID_IHTMLImgElement},
      {"A", &IID_IHTMLAnchorElement},          {"MAP", &IID_IHTMLMapElement},
      {"AREA", &IID_IHTMLAreaElement},         {"DIV", &IID_IHTMLDivElement},
      {"FORM", &IID_IHTMLFormElement},         {"TABLE", &IID_IHTMLTable},
      {"TR", &IID_IHTMLTableRow},              {"TD", &IID_IHTMLTableCell},
      {"TH", &IID_IHTMLTableCell},             {"BODY", &IID_IHTMLBodyElement},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tag);
    const mshtml::ElementKind& kind = mshtml::elementKindOf(c.tag, "text");
    EXPECT_TRUE(answers(kind, *c.answered));
    // The input type is only read for INPUT.
    EXPECT_FALSE(answers(kind, IID_IHTMLInputElement));
    EXPECT_FALSE(answers(kind, IID_IHTMLInputTextElement));
  }
  EXPECT_TRUE(answers(mshtml::elementKindOf("TABLE", ""), IID_IHTMLTable2));
  EXPECT_FALSE(answers(mshtml::elementKindOf("SPAN", ""), IID_IHTMLDivElement));
  EXPECT_TRUE(mshtml::elementKindOf("SPAN", "").interfaces.empty());
}

TEST(ElementKind, FieldsOfferTheirEventInterfaces) {
  EXPECT_EQ(mshtml::elementKindOf("INPUT", "text").events, &DIID_HTMLInputTextElementEvents2);
  EXPECT_EQ(mshtml::elementKindOf("INPUT", "password").events, &DIID_HTMLInputTextElementEvents2);
  EXPECT_EQ(mshtml::elementKindOf("TEXTAREA", "").events, &DIID_HTMLTextContainerEvents2);
  EXPECT_EQ(mshtml::elementKindOf("SELECT", "").events, &DIID_HTMLSelectElementEvents2);
  EXPECT_EQ(mshtml::elementKindOf("INPUT", "checkbox").events, nullptr);
  EXPECT_EQ(mshtml::elementKindOf("A", "").events, nullptr);
}

}  // namespace
