// The recorder's index rule and the finders agree: for every element of the sample pages
// that a recorded line can name, the finder given the line's values finds that element.
#include <string>
#include <vector>

#include "dom_reading.h"
#include "nsIDOM3Node.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLImageElement.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMNodeList.h"
#include "nsPlayBackUtils.h"
#include "recorder_fixture.h"

namespace marbleck_recorder_test {
namespace {

using nsPlayBackUtils::detail::attributeOf;
using nsPlayBackUtils::detail::hasAttribute;
using nsPlayBackUtils::detail::itemOf;
using nsPlayBackUtils::detail::lengthOf;
using nsPlayBackUtils::detail::noneWhenEmpty;
using nsPlayBackUtils::detail::queryTo;
using nsPlayBackUtils::detail::textContentOf;

std::string utf8(const nsAString& text) {
  NS_ConvertUTF16toUTF8 bytes(text);
  return std::string(bytes.get(), bytes.Length());
}

nsString blanksForBreaks(const nsAString& text) {
  nsString result(text);
  result.ReplaceChar(u'\n', u' ');
  result.ReplaceChar(u'\r', u' ');
  return result;
}

class IndexAgreementTest : public RecorderTest {
 protected:
  void SetUp() override {
    RecorderTest::SetUp();
    // The recorder is not needed to compute indexes; it is taken off so that loading
    // the pages attaches nothing.
    recorder->RemoveWindowListeners();
    loader->RemoveProgressListener(recorder);
    mediator->RemoveListener(recorder);
  }

  bool Same(nsISupports* a, nsISupports* b) {
    nsCOMPtr<nsIDOM3Node> first = queryTo<nsIDOM3Node>(a);
    nsCOMPtr<nsIDOMNode> second = queryTo<nsIDOMNode>(b);
    PRBool same = PR_FALSE;
    return first && second && NS_SUCCEEDED(first->IsSameNode(second, &same)) && same;
  }

  // A command element holding one property, as a play command carries it.
  nsCOMPtr<nsIDOMElement> Command(const char* property, const nsAString& value) {
    nsCOMPtr<nsIDOMElement> command;
    EXPECT_EQ(NS_OK, document->CreateElement(NS_LITERAL_STRING("command"), getter_AddRefs(command)));
    if (command) command->SetAttribute(NS_ConvertASCIItoUTF16(property), value);
    return command;
  }

  std::vector<nsCOMPtr<nsIDOMElement>> All(const char* tag) {
    std::vector<nsCOMPtr<nsIDOMElement>> result;
    nsCOMPtr<nsIDOMNodeList> list;
    document->GetElementsByTagName(NS_ConvertASCIItoUTF16(tag), getter_AddRefs(list));
    for (PRUint32 i = 0; i < lengthOf(list.get()); ++i) result.push_back(queryTo<nsIDOMElement>(itemOf(list.get(), i)));
    return result;
  }

  // Form fields: found by id when they have one, else by the value the line names them by.
  void CheckFields(const char* tag, int& checked) {
    for (const auto& element : All(tag)) {
      nsString kind;
      nsString match;
      nsString attribute;
      if (nsDependentCString(tag).EqualsLiteral("INPUT")) {
        nsCOMPtr<nsIDOMHTMLInputElement> input = queryTo<nsIDOMHTMLInputElement>(element);
        input->GetType(kind);
        if (kind.EqualsLiteral("hidden") || kind.EqualsLiteral("file")) continue;
        // A known type written otherwise than the recorder reads it is not looked for.
        if (!attributeOf(element, u"type").Equals(kind) && hasAttribute(element, u"type")) continue;
      } else if (nsDependentCString(tag).EqualsLiteral("SELECT")) {
        queryTo<nsIDOMHTMLSelectElement>(element)->GetType(kind);
      } else {
        kind.AssignLiteral("textarea");
      }
      const bool buttonKind = kind.EqualsLiteral("button") || kind.EqualsLiteral("submit") ||
                              kind.EqualsLiteral("reset") || kind.EqualsLiteral("checkbox") ||
                              kind.EqualsLiteral("radio");
      if (!attributeOf(element, u"id").IsEmpty()) {
        attribute.AssignLiteral("id");
        match = attributeOf(element, u"id");
      } else if (kind.EqualsLiteral("image")) {
        attribute.AssignLiteral("src");
        match = attributeOf(element, u"src");
      } else {
        attribute.AssignLiteral("name");
        match = noneWhenEmpty(attributeOf(element, u"name"));
        if (buttonKind && match.EqualsLiteral("NONE")) match = noneWhenEmpty(attributeOf(element, u"value"));
      }
      const PRInt32 index = nsRecorderImpl::ComputeIndex(
          element, NS_ConvertASCIItoUTF16(tag), kind,
          attribute.EqualsLiteral("id") ? noneWhenEmpty(attributeOf(element, u"name")) : match);
      nsCOMPtr<nsIDOMElement> found;
      nsPlayBackUtils::FindElementByAttribute(attribute.EqualsLiteral("id") ? 0 : index, attribute, match,
                                              NS_ConvertASCIItoUTF16(tag), kind, document, getter_AddRefs(found));
      EXPECT_TRUE(Same(element, found)) << page << ": " << tag << " " << utf8(attribute) << "=" << utf8(match)
                                        << " index " << index;
      ++checked;
    }
  }

  std::string page;
  nsCOMPtr<nsIDOMHTMLDocument> document;
};

TEST_F(IndexAgreementTest, WhatTheRecorderIndexesTheFindersFind) {
  int checked = 0;
  for (const char* name : {"recording.html", "checkpoints.html", "form.html", "recording_edges.html", "index.html",
                           "tables.html", "playback.html", "readback.html"}) {
    page = name;
    Open(page);
    nsCOMPtr<nsIDOMDocument> plain;
    ASSERT_EQ(NS_OK, gecko->GetDocument(getter_AddRefs(plain)));
    document = queryTo<nsIDOMHTMLDocument>(plain);
    ASSERT_TRUE(document);
    CheckFields("INPUT", checked);
    CheckFields("TEXTAREA", checked);
    CheckFields("SELECT", checked);

    for (const auto& anchor : All("A")) {
      if (!hasAttribute(anchor, u"href") || hasAttribute(anchor, u"id")) continue;
      const nsString text = noneWhenEmpty(blanksForBreaks(textContentOf(anchor)));
      const PRInt32 index =
          nsRecorderImpl::ComputeIndex(anchor, NS_LITERAL_STRING("A"), NS_LITERAL_STRING("link"), text);
      nsCOMPtr<nsIDOMHTMLAnchorElement> found;
      nsPlayBackUtils::FindLinkByProperty(index, NS_LITERAL_STRING("innertext"), Command("innertext", text),
                                          document, getter_AddRefs(found));
      EXPECT_TRUE(Same(anchor, found)) << page << ": link " << utf8(text) << " index " << index;
      ++checked;
    }
    for (const auto& div : All("DIV")) {
      if (hasAttribute(div, u"id")) continue;
      const nsString text = noneWhenEmpty(textContentOf(div));
      const PRInt32 index = nsRecorderImpl::ComputeIndex(div, NS_LITERAL_STRING("DIV"), NS_LITERAL_STRING("div"), text);
      nsCOMPtr<nsIDOMElement> found;
      nsPlayBackUtils::FindDivByProperty(index, NS_LITERAL_STRING("name"), Command("name", text), document,
                                         getter_AddRefs(found));
      EXPECT_TRUE(Same(div, found)) << page << ": div " << utf8(text) << " index " << index;
      ++checked;
    }
    for (const auto& image : All("IMG")) {
      if (hasAttribute(image, u"id") || hasAttribute(image, u"onmouseover")) continue;
      nsString source;
      queryTo<nsIDOMHTMLImageElement>(image)->GetSrc(source);
      const PRInt32 index =
          nsRecorderImpl::ComputeIndex(image, NS_LITERAL_STRING("IMG"), NS_LITERAL_STRING("image"), source);
      nsCOMPtr<nsIDOMHTMLImageElement> found;
      nsPlayBackUtils::FindImageByProperty(index, NS_LITERAL_STRING("source"), Command("source", source), document,
                                           getter_AddRefs(found));
      EXPECT_TRUE(Same(image, found)) << page << ": image " << utf8(source) << " index " << index;
      ++checked;
    }
    document = nullptr;
  }
  EXPECT_GT(checked, 60);
}

}  // namespace
}  // namespace marbleck_recorder_test
