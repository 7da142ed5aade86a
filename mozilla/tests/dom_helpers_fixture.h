// The DOM helpers against a simulated Gecko with XPCOM running, called from the test
// thread as the playback and connection threads call them: every DOM call is carried to
// the browser thread, and the UI-thread proxies reach it through XPCOM's queues.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "nsCOMPtr.h"
#include "nsIDOM3Node.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMNode.h"
#include "nsIDOMWindow.h"
#include "nsString.h"
#include "testbed/gecko.h"
#include "testbed/gecko_services.h"
#include "testbed/xpcom.h"

namespace marbleck_dom_test {

inline std::string siteUrl(const std::string& page) { return "file://" TW_EXAMPLE_SITE "/" + page; }

inline nsString wide(const std::string& text) { return NS_ConvertUTF8toUTF16(text.c_str()); }

inline std::string utf8(const nsAString& text) {
  NS_ConvertUTF16toUTF8 bytes(text);
  return std::string(bytes.get(), bytes.Length());
}

template <class Interface>
nsCOMPtr<Interface> as(nsISupports* object) {
  nsCOMPtr<Interface> result;
  if (object) object->QueryInterface(NS_GET_IID(Interface), getter_AddRefs(result));
  return result;
}

inline std::string attribute(nsISupports* node, const char* name) {
  auto element = as<nsIDOMElement>(node);
  nsString value;
  if (!element || NS_FAILED(element->GetAttribute(wide(name), value))) return "(none)";
  return utf8(value);
}

inline std::string nodeName(nsISupports* node) {
  auto plain = as<nsIDOMNode>(node);
  nsString name;
  if (!plain || NS_FAILED(plain->GetNodeName(name))) return "(none)";
  return utf8(name);
}

inline std::string textContent(nsISupports* node) {
  auto three = as<nsIDOM3Node>(node);
  nsString text;
  if (!three || NS_FAILED(three->GetTextContent(text))) return "(none)";
  return utf8(text);
}

// XPCOM with the content services, then a browser; ended in the reverse order.
class DomHelpersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(NS_OK, xpcom::testbed::startXPCOM("", ""));
    ASSERT_EQ(NS_OK, gecko::testbed::registerContentServices());
    gecko = std::make_unique<gecko::testbed::SimulatedGecko>();
  }
  void TearDown() override {
    document = nullptr;
    gecko.reset();
    xpcom::testbed::shutdownXPCOM();
  }

  void open(const std::string& page) {
    ASSERT_TRUE(gecko->open(siteUrl(page)));
    takeDocument();
  }
  void loadString(const std::string& html) {
    ASSERT_TRUE(gecko->loadString(html));
    takeDocument();
  }
  void takeDocument() {
    nsCOMPtr<nsIDOMDocument> plain;
    ASSERT_EQ(NS_OK, gecko->GetDocument(getter_AddRefs(plain)));
    document = as<nsIDOMHTMLDocument>(plain);
    ASSERT_TRUE(document);
  }
  nsCOMPtr<nsIDOMWindow> window() {
    nsCOMPtr<nsIDOMWindow> top;
    EXPECT_EQ(NS_OK, gecko->GetWindow(getter_AddRefs(top)));
    return top;
  }
  nsCOMPtr<nsIDOMElement> byId(const char* id) {
    nsCOMPtr<nsIDOMElement> element;
    EXPECT_EQ(NS_OK, document->GetElementById(wide(id), getter_AddRefs(element)));
    EXPECT_TRUE(element) << "no element #" << id;
    return element;
  }
  bool same(nsISupports* a, nsISupports* b) {
    auto first = as<nsIDOM3Node>(a);
    auto second = as<nsIDOMNode>(b);
    PRBool result = PR_FALSE;
    return first && second && NS_SUCCEEDED(first->IsSameNode(second, &result)) && result;
  }

  std::unique_ptr<gecko::testbed::SimulatedGecko> gecko;
  nsCOMPtr<nsIDOMHTMLDocument> document;
};

}  // namespace marbleck_dom_test
