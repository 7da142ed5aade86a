// Nodes by name in trees and anonymous content: the common dialogs' buttons and text
// box, found as playback and the recorder find them, and the dialog's document.
#include <string>

#include "dom_helpers_fixture.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMNodeList.h"
#include "nsPlayBackUtils.h"

namespace marbleck_dom_test {
namespace {

using namespace nsPlayBackUtils;

class NodeFindersTest : public DomHelpersTest {
 protected:
  nsCOMPtr<nsIDOMElement> parse(const std::string& xml) {
    nsCOMPtr<nsIDOMElement> root;
    EXPECT_EQ(NS_OK, ParseCommandDocument(wide(xml), getter_AddRefs(root)));
    return root;
  }
  nsCOMPtr<nsIDOMNodeList> childrenOf(nsIDOMNode* node) {
    nsCOMPtr<nsIDOMNodeList> children;
    EXPECT_EQ(NS_OK, node->GetChildNodes(getter_AddRefs(children)));
    return children;
  }
  // The "k" attribute of what FindNodeByName finds, "(none)" when nothing.
  std::string findIn(nsIDOMNodeList* list, const char* name, const char* attributeName = "", const char* value = "") {
    nsCOMPtr<nsIDOMNode> found;
    const nsresult rv = FindNodeByName(wide(name), list, wide(attributeName), wide(value), getter_AddRefs(found));
    EXPECT_EQ(found ? NS_OK : NS_ERROR_FAILURE, rv);
    return found ? attribute(found, "k") : "(none)";
  }
  void raise(const char* button) {
    ASSERT_EQ("", gecko->perform(std::string("click #") + button));
    ASSERT_EQ(NS_OK, gecko->GetDialogDocument(getter_AddRefs(dialog)));
    ASSERT_TRUE(dialog);
  }
  nsCOMPtr<nsIDOMNode> dialogButton(const char* label) {
    nsCOMPtr<nsIDOMNodeList> anonymous;
    EXPECT_EQ(NS_OK, GetRootAnonymousNodes(dialog, getter_AddRefs(anonymous)));
    nsCOMPtr<nsIDOMNode> found;
    if (anonymous) FindNodeByName(wide("xul:button"), anonymous, wide("label"), wide(label), getter_AddRefs(found));
    return found;
  }

  nsCOMPtr<nsIDOMDocument> dialog;
};

TEST_F(NodeFindersTest, PreOrderAndANameWithoutTheAttributeEndsItsBranch) {
  auto root = parse(R"html(<r><a k="1"><a k="2"/></a><b k="b"><a k="2-b"/><c><a k="3"/></c></b><a k="4"/></r>)html");
  ASSERT_TRUE(root);
  auto top = childrenOf(root);
  EXPECT_EQ("1", findIn(top, "a"));
  EXPECT_EQ("b", findIn(top, "b"));
  // The nested a k="2" lies under a k="1", whose name matched without the attribute.
  EXPECT_EQ("(none)", findIn(top, "a", "k", "2"));
  EXPECT_EQ("3", findIn(top, "a", "k", "3"));
  EXPECT_EQ("4", findIn(top, "a", "k", "4"));
  EXPECT_EQ("(none)", findIn(top, "A"));  // names are compared as written
  EXPECT_EQ("(none)", findIn(top, "missing"));
  nsCOMPtr<nsIDOMNode> found;
  EXPECT_EQ(NS_ERROR_FAILURE, FindNodeByName(wide("a"), nullptr, wide(""), wide(""), getter_AddRefs(found)));
  EXPECT_EQ(NS_ERROR_NULL_POINTER, FindNodeByName(wide("a"), top, wide(""), wide(""), nullptr));
}

TEST_F(NodeFindersTest, ADeepTreeIsSearchedToItsBottom) {
  constexpr int kDepth = 1900;  // the parser refuses trees deeper than 2000
  std::string xml;
  for (int i = 0; i < kDepth; ++i) xml += "<d>";
  xml += "<leaf k=\"bottom\"/>";
  for (int i = 0; i < kDepth; ++i) xml += "</d>";
  auto root = parse(xml);
  ASSERT_TRUE(root);
  EXPECT_EQ("bottom", findIn(childrenOf(root), "leaf"));
}

TEST_F(NodeFindersTest, AnAlertsButtonsAndItsHiddenTextBox) {
  open("dialogs.html");
  raise("alertButton");
  auto ok = dialogButton("OK");
  ASSERT_TRUE(ok);
  EXPECT_EQ("xul:button", nodeName(ok));
  EXPECT_EQ("dialog-button", attribute(ok, "class"));
  auto cancel = dialogButton("Cancel");
  ASSERT_TRUE(cancel);
  EXPECT_EQ("true", attribute(cancel, "hidden"));
  EXPECT_FALSE(dialogButton("Nope"));
  // A hidden text box has no binding, so no input.
  nsCOMPtr<nsIDOMElement> input;
  EXPECT_EQ(NS_ERROR_FAILURE, FindXULTextboxInput(dialog, wide("loginTextbox"), getter_AddRefs(input)));
  EXPECT_FALSE(input);
  ASSERT_EQ("", gecko->perform("dialog OK"));
}

TEST_F(NodeFindersTest, APromptsInputInsideItsTextBox) {
  open("dialogs.html");
  raise("promptButton");
  nsCOMPtr<nsIDOMElement> input;
  ASSERT_EQ(NS_OK, FindXULTextboxInput(dialog, wide("loginTextbox"), getter_AddRefs(input)));
  ASSERT_TRUE(input);
  EXPECT_EQ("html:input", nodeName(input));
  EXPECT_EQ("nobody", attribute(input, "value"));
  EXPECT_EQ(NS_ERROR_FAILURE, FindXULTextboxInput(dialog, wide("password1Textbox"), getter_AddRefs(input)));
  EXPECT_EQ(NS_ERROR_FAILURE, FindXULTextboxInput(dialog, wide(""), getter_AddRefs(input)));
  EXPECT_EQ(NS_ERROR_FAILURE, FindXULTextboxInput(nullptr, wide("loginTextbox"), getter_AddRefs(input)));
  ASSERT_EQ("", gecko->perform("dialog Cancel"));
}

TEST_F(NodeFindersTest, AnonymousNodesOfElementsWithAndWithoutBindings) {
  open("dialogs.html");
  raise("confirmButton");
  nsCOMPtr<nsIDOMElement> root;
  ASSERT_EQ(NS_OK, dialog->GetDocumentElement(getter_AddRefs(root)));
  nsCOMPtr<nsIDOMNodeList> anonymous;
  ASSERT_EQ(NS_OK, GetAnonymousNodes(root, getter_AddRefs(anonymous)));
  ASSERT_TRUE(anonymous);
  PRUint32 length = 0;
  ASSERT_EQ(NS_OK, anonymous->GetLength(&length));
  EXPECT_GT(length, 0u);
  // Elements that show no anonymous content give no list.
  nsCOMPtr<nsIDOMNodeList> boxes;
  ASSERT_EQ(NS_OK, dialog->GetElementsByTagName(wide("description"), getter_AddRefs(boxes)));
  nsCOMPtr<nsIDOMNode> description;
  ASSERT_EQ(NS_OK, boxes->Item(0, getter_AddRefs(description)));
  ASSERT_EQ(NS_OK, GetAnonymousNodes(as<nsIDOMElement>(description), getter_AddRefs(anonymous)));
  EXPECT_FALSE(anonymous);
  // A page's document keeps no bindings here: nothing to give.
  EXPECT_EQ(NS_ERROR_FAILURE, GetAnonymousNodes(byId("answer"), getter_AddRefs(anonymous)));
  EXPECT_FALSE(anonymous);
  EXPECT_EQ(NS_ERROR_FAILURE, GetAnonymousNodes(nullptr, getter_AddRefs(anonymous)));
  EXPECT_EQ(NS_ERROR_FAILURE, GetRootAnonymousNodes(nullptr, getter_AddRefs(anonymous)));
  ASSERT_EQ("", gecko->perform("dialog OK"));
}

// The newest window is a browser window: its chrome (XUL) document is handed out, never
// the page it shows.
TEST_F(NodeFindersTest, ABrowserWindowGivesItsChromeDocumentNotItsPage) {
  nsCOMPtr<nsIDOMDocument> found;
  EXPECT_EQ(NS_ERROR_FAILURE, GetDialogDocument(getter_AddRefs(found)));  // no window yet
  EXPECT_FALSE(found);
  open("dialogs.html");
  ASSERT_EQ(NS_OK, GetDialogDocument(getter_AddRefs(found)));
  ASSERT_TRUE(found);
  nsCOMPtr<nsIDOMHTMLDocument> page = do_QueryInterface(found);
  EXPECT_FALSE(page);
  EXPECT_EQ(NS_ERROR_NULL_POINTER, GetDialogDocument(nullptr));
  // A page's dialog is the newest window: its document is the one the user sees.
  raise("alertButton");
  ASSERT_EQ(NS_OK, GetDialogDocument(getter_AddRefs(found)));
  EXPECT_EQ(dialog, found);
  ASSERT_EQ("", gecko->perform("dialog OK"));
}

}  // namespace
}  // namespace marbleck_dom_test
