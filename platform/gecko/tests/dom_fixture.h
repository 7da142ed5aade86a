// A Gecko browser on a sample-site page, read through the DOM interfaces from the test
// thread, with helpers that turn out-parameters into values.
#pragma once

#include <gtest/gtest.h>

#include "nsCOMPtr.h"
#include "nsDOMError.h"
#include "nsIDOM3Node.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLCollection.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMNamedNodeMap.h"
#include "nsIDOMNodeList.h"
#include "nsString.h"
#include "testbed/gecko.h"

#include <string>

namespace gecko_test {

inline std::string siteUrl(const std::string& page) { return "file://" TW_EXAMPLE_SITE "/" + page; }

inline std::string utf8(const nsAString& text) {
  NS_ConvertUTF16toUTF8 bytes(text);
  return std::string(bytes.get(), bytes.Length());
}

inline nsString wide(const char* text) { return NS_ConvertUTF8toUTF16(text); }

// Reads a string member: text(node, &nsIDOMNode::GetNodeName).
template <class Object, class Interface>
std::string text(Object* object, nsresult (Interface::*member)(nsAString&)) {
  nsString value;
  EXPECT_EQ(NS_OK, (object->*member)(value));
  return utf8(value);
}

template <class Interface>
nsCOMPtr<Interface> as(nsISupports* object) {
  nsCOMPtr<Interface> result;
  if (object) object->QueryInterface(NS_GET_IID(Interface), getter_AddRefs(result));
  return result;
}

class GeckoDomTest : public ::testing::Test {
 protected:
  void open(const std::string& page) {
    ASSERT_TRUE(gecko.open(siteUrl(page)));
    nsCOMPtr<nsIDOMDocument> plain;
    ASSERT_EQ(NS_OK, gecko.GetDocument(getter_AddRefs(plain)));
    document = as<nsIDOMHTMLDocument>(plain);
    ASSERT_TRUE(document);
  }
  void loadString(const std::string& html) {
    ASSERT_TRUE(gecko.loadString(html));
    nsCOMPtr<nsIDOMDocument> plain;
    ASSERT_EQ(NS_OK, gecko.GetDocument(getter_AddRefs(plain)));
    document = as<nsIDOMHTMLDocument>(plain);
    ASSERT_TRUE(document);
  }
  nsCOMPtr<nsIDOMHTMLElement> byId(const char* id) {
    nsCOMPtr<nsIDOMElement> element;
    EXPECT_EQ(NS_OK, document->GetElementById(wide(id), getter_AddRefs(element)));
    EXPECT_TRUE(element) << "no element #" << id;
    return as<nsIDOMHTMLElement>(element);
  }
  PRUint32 count(nsIDOMNodeList* list) {
    PRUint32 length = 0;
    EXPECT_EQ(NS_OK, list->GetLength(&length));
    return length;
  }
  PRUint32 count(nsIDOMHTMLCollection* list) {
    PRUint32 length = 0;
    EXPECT_EQ(NS_OK, list->GetLength(&length));
    return length;
  }
  PRUint32 tagCount(nsIDOMDocument* in, const char* tag) {
    nsCOMPtr<nsIDOMNodeList> list;
    EXPECT_EQ(NS_OK, in->GetElementsByTagName(wide(tag), getter_AddRefs(list)));
    return list ? count(list) : 0;
  }
  std::string textContent(nsISupports* node) {
    auto three = as<nsIDOM3Node>(node);
    EXPECT_TRUE(three);
    return three ? text(three.get(), &nsIDOM3Node::GetTextContent) : std::string();
  }
  bool same(nsIDOMNode* a, nsIDOMNode* b) {
    PRBool result = PR_FALSE;
    EXPECT_EQ(NS_OK, as<nsIDOM3Node>(a)->IsSameNode(b, &result));
    return result == PR_TRUE;
  }

  // Destroyed after the references below (members end in reverse order).
  gecko::testbed::SimulatedGecko gecko;
  nsCOMPtr<nsIDOMHTMLDocument> document;
};

}  // namespace gecko_test
