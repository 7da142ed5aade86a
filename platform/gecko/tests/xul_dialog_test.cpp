// A page's alert, confirm and prompt as Mozilla shows them: a XUL common dialog whose
// buttons are anonymous content of its root, read and answered through the DOM from
// the test thread while the page's script waits.
#include "dom_fixture.h"

#include "nsIDOMDocumentXBL.h"
#include "nsIDOMXULElement.h"

#include <vector>

namespace gecko_test {
namespace {

// Depth first through a list and the child nodes of its nodes, as callers look for a
// node in anonymous content: the first node with that name (and attribute value).
nsCOMPtr<nsIDOMNode> findNode(nsIDOMNodeList* list, const std::string& name, const char* attribute = nullptr,
                              const char* value = nullptr) {
  if (!list) return nullptr;
  PRUint32 length = 0;
  list->GetLength(&length);
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMNode> node;
    list->Item(i, getter_AddRefs(node));
    if (!node) continue;
    if (text(node.get(), &nsIDOMNode::GetNodeName) == name) {
      auto element = as<nsIDOMElement>(node);
      if (!attribute) return node;
      nsString actual;
      if (element && NS_SUCCEEDED(element->GetAttribute(wide(attribute), actual)) && utf8(actual) == value) {
        return node;
      }
      continue;
    }
    nsCOMPtr<nsIDOMNodeList> children;
    node->GetChildNodes(getter_AddRefs(children));
    if (auto found = findNode(children, name, attribute, value)) return found;
  }
  return nullptr;
}

class XulDialogTest : public GeckoDomTest {
 protected:
  void SetUp() override { open("dialogs.html"); }

  // Raises a dialog from the page and takes its document.
  void raise(const char* button) {
    ASSERT_EQ("", gecko.perform(std::string("click #") + button));
    ASSERT_EQ(NS_OK, gecko.GetDialogDocument(getter_AddRefs(dialog)));
    ASSERT_TRUE(dialog);
    xbl = as<nsIDOMDocumentXBL>(dialog);
    ASSERT_TRUE(xbl);
    ASSERT_EQ(NS_OK, dialog->GetDocumentElement(getter_AddRefs(root)));
    ASSERT_TRUE(root);
  }
  nsCOMPtr<nsIDOMXULElement> button(const char* label) {
    nsCOMPtr<nsIDOMNodeList> anonymous;
    EXPECT_EQ(NS_OK, xbl->GetAnonymousNodes(root, getter_AddRefs(anonymous)));
    return as<nsIDOMXULElement>(findNode(anonymous, "xul:button", "label", label));
  }
  bool hidden(nsIDOMXULElement* element) {
    PRBool result = PR_TRUE;
    EXPECT_EQ(NS_OK, element->GetHidden(&result));
    return result == PR_TRUE;
  }
  // The prompt's input: inside the anonymous content of the text box "loginTextbox".
  nsCOMPtr<nsIDOMElement> loginInput() {
    nsCOMPtr<nsIDOMNodeList> boxes;
    EXPECT_EQ(NS_OK, dialog->GetElementsByTagName(wide("textbox"), getter_AddRefs(boxes)));
    PRUint32 length = boxes ? count(boxes) : 0;
    for (PRUint32 i = 0; i < length; ++i) {
      nsCOMPtr<nsIDOMNode> box;
      boxes->Item(i, getter_AddRefs(box));
      auto element = as<nsIDOMElement>(box);
      nsString id;
      element->GetAttribute(wide("id"), id);
      if (utf8(id) != "loginTextbox") continue;
      nsCOMPtr<nsIDOMNodeList> anonymous;
      EXPECT_EQ(NS_OK, xbl->GetAnonymousNodes(element, getter_AddRefs(anonymous)));
      if (auto input = findNode(anonymous, "html:input")) return as<nsIDOMElement>(input);
    }
    return nullptr;
  }
  // The text of each description in the dialog's second vbox.
  std::vector<std::string> message() {
    nsCOMPtr<nsIDOMNodeList> boxes;
    EXPECT_EQ(NS_OK, dialog->GetElementsByTagName(wide("vbox"), getter_AddRefs(boxes)));
    std::vector<std::string> lines;
    nsCOMPtr<nsIDOMNode> second;
    if (!boxes || NS_FAILED(boxes->Item(1, getter_AddRefs(second))) || !second) return lines;
    nsCOMPtr<nsIDOMNodeList> children;
    second->GetChildNodes(getter_AddRefs(children));
    for (PRUint32 i = 0; i < count(children); ++i) {
      nsCOMPtr<nsIDOMNode> child;
      children->Item(i, getter_AddRefs(child));
      EXPECT_EQ("description", text(child.get(), &nsIDOMNode::GetNodeName));
      lines.push_back(textContent(child));
    }
    return lines;
  }
  std::string answer() { return textContent(byId("answer")); }
  void answered(const std::string& expected) {
    ASSERT_TRUE(gecko.waitForNoDialog());
    EXPECT_EQ(expected, answer());
  }

  nsCOMPtr<nsIDOMDocument> dialog;
  nsCOMPtr<nsIDOMDocumentXBL> xbl;
  nsCOMPtr<nsIDOMElement> root;
};

TEST_F(XulDialogTest, AnAlertShowsOkAloneWithTheMessageAndResumesOnItsCommand) {
  raise("alertButton");
  EXPECT_FALSE(as<nsIDOMHTMLDocument>(dialog));  // callers tell dialogs from pages so
  EXPECT_EQ("[JavaScript Application]", gecko.dialogTitle());
  EXPECT_EQ("dialog", text(root.get(), &nsIDOMNode::GetNodeName));
  auto ok = button("OK");
  auto cancel = button("Cancel");
  ASSERT_TRUE(ok && cancel);
  EXPECT_EQ("xul:button", text(ok.get(), &nsIDOMNode::GetNodeName));
  EXPECT_EQ("dialog-button", text(ok.get(), &nsIDOMXULElement::GetClassName));
  EXPECT_FALSE(hidden(ok));
  EXPECT_TRUE(hidden(cancel));
  EXPECT_FALSE(loginInput());  // the text box is hidden: no binding, no input
  EXPECT_EQ((std::vector<std::string>{"Hello from the page"}), message());
  EXPECT_EQ("nothing yet", answer());  // the handler waits in the dialog

  ASSERT_EQ(NS_OK, ok->DoCommand());
  answered("alerted");
  nsCOMPtr<nsIDOMDocument> none;
  EXPECT_EQ(NS_ERROR_FAILURE, gecko.GetDialogDocument(getter_AddRefs(none)));
  EXPECT_FALSE(none);
}

TEST_F(XulDialogTest, AConfirmShowsBothButtonsAndAnswersByTheOneUsed) {
  raise("confirmButton");
  auto ok = button("OK");
  auto cancel = button("Cancel");
  ASSERT_TRUE(ok && cancel);
  EXPECT_FALSE(hidden(ok));
  EXPECT_FALSE(hidden(cancel));
  EXPECT_FALSE(loginInput());
  EXPECT_EQ((std::vector<std::string>{"Do you agree?"}), message());
  ASSERT_EQ(NS_OK, cancel->DoCommand());
  answered("declined");

  // A click on OK sends its command.
  raise("confirmButton");
  ASSERT_EQ(NS_OK, button("OK")->Click());
  answered("agreed");
}

TEST_F(XulDialogTest, APromptHasTheLoginTextboxWhoseInputGivesTheAnswer) {
  raise("promptButton");
  auto input = loginInput();
  ASSERT_TRUE(input);
  EXPECT_EQ("html:input", text(input.get(), &nsIDOMNode::GetNodeName));
  EXPECT_EQ("input", text(input.get(), &nsIDOMNode::GetLocalName));
  EXPECT_FALSE(as<nsIDOMXULElement>(input));  // an HTML element inside the XUL box
  EXPECT_EQ("textbox-input", utf8([&] {
              nsString value;
              input->GetAttribute(wide("class"), value);
              return value;
            }()));
  // Its parent's parent is the text box, as the dialog text rule reads the id.
  nsCOMPtr<nsIDOMNode> box, textbox;
  ASSERT_EQ(NS_OK, input->GetParentNode(getter_AddRefs(box)));
  ASSERT_EQ(NS_OK, box->GetParentNode(getter_AddRefs(textbox)));
  EXPECT_EQ("textbox", text(textbox.get(), &nsIDOMNode::GetNodeName));
  nsString id;
  as<nsIDOMElement>(textbox)->GetAttribute(wide("id"), id);
  EXPECT_EQ("loginTextbox", utf8(id));
  // Anonymous content is not among the text box's children, and knows its binding parent.
  PRBool children = PR_TRUE;
  ASSERT_EQ(NS_OK, textbox->HasChildNodes(&children));
  EXPECT_FALSE(children);
  nsCOMPtr<nsIDOMElement> parent;
  ASSERT_EQ(NS_OK, xbl->GetBindingParent(box, getter_AddRefs(parent)));
  EXPECT_TRUE(same(parent, textbox));
  nsString value;
  ASSERT_EQ(NS_OK, input->GetAttribute(wide("value"), value));
  EXPECT_EQ("nobody", utf8(value));

  ASSERT_EQ(NS_OK, input->SetAttribute(wide("value"), wide("Bea")));
  ASSERT_EQ(NS_OK, button("OK")->DoCommand());
  answered("name: Bea");

  raise("promptButton");
  ASSERT_EQ(NS_OK, button("Cancel")->DoCommand());
  answered("no name");
}

TEST_F(XulDialogTest, TheSimulatedUserAnswersThroughTheDialogsButtonsAndInput) {
  raise("promptButton");
  ASSERT_EQ("", gecko.perform("dialog OK Ann"));
  EXPECT_EQ("name: Ann", answer());
  raise("promptButton");
  ASSERT_EQ("", gecko.perform("dialog OK"));  // the default text stays
  EXPECT_EQ("name: nobody", answer());
  raise("confirmButton");
  ASSERT_EQ("", gecko.perform("dialog Cancel"));
  EXPECT_EQ("declined", answer());
  // An alert has no Cancel button: Escape closes it.
  raise("alertButton");
  ASSERT_EQ("", gecko.perform("dialog Cancel"));
  EXPECT_EQ("alerted", answer());
  EXPECT_NE("", gecko.perform("dialog OK"));  // nothing is open any more
}

TEST_F(XulDialogTest, ButtonsAreFoundByTheirDialogTypeAndHiddenOnesTakeNoClick) {
  raise("alertButton");
  nsCOMPtr<nsIDOMElement> accept;
  ASSERT_EQ(NS_OK, xbl->GetAnonymousElementByAttribute(root, wide("dlgtype"), wide("accept"), getter_AddRefs(accept)));
  EXPECT_TRUE(same(accept, button("OK")));
  nsCOMPtr<nsIDOMElement> missing;
  ASSERT_EQ(NS_OK, xbl->GetAnonymousElementByAttribute(root, wide("dlgtype"), wide("nothing"), getter_AddRefs(missing)));
  EXPECT_FALSE(missing);
  // Explicit content has no anonymous nodes; nor does an element of another document.
  nsCOMPtr<nsIDOMNodeList> none;
  nsCOMPtr<nsIDOMNode> first;
  ASSERT_EQ(NS_OK, root->GetFirstChild(getter_AddRefs(first)));
  ASSERT_EQ(NS_OK, xbl->GetAnonymousNodes(as<nsIDOMElement>(first), getter_AddRefs(none)));
  EXPECT_FALSE(none);
  ASSERT_EQ(NS_OK, xbl->GetAnonymousNodes(byId("answer"), getter_AddRefs(none)));
  EXPECT_FALSE(none);
  // The hidden Cancel of an alert does not answer a click; the dialog stays.
  ASSERT_EQ(NS_OK, button("Cancel")->Click());
  EXPECT_EQ("nothing yet", answer());
  ASSERT_EQ(NS_OK, gecko.GetDialogDocument(getter_AddRefs(dialog)));
  ASSERT_EQ(NS_OK, button("OK")->DoCommand());
  answered("alerted");
}

TEST_F(XulDialogTest, XulPropertiesReflectTheirAttributes) {
  raise("confirmButton");
  auto ok = button("OK");
  ASSERT_TRUE(ok);
  EXPECT_EQ("", text(ok.get(), &nsIDOMXULElement::GetTooltipText));
  ASSERT_EQ(NS_OK, ok->SetTooltipText(wide("Agree")));
  nsString tooltip;
  ok->GetAttribute(wide("tooltiptext"), tooltip);
  EXPECT_EQ("Agree", utf8(tooltip));
  ASSERT_EQ(NS_OK, ok->SetHidden(PR_TRUE));
  EXPECT_TRUE(hidden(ok));
  ASSERT_EQ(NS_OK, ok->SetHidden(PR_FALSE));
  PRBool present = PR_TRUE;
  ASSERT_EQ(NS_OK, ok->HasAttribute(wide("hidden"), &present));
  EXPECT_FALSE(present);  // clearing a XUL flag removes the attribute
  // Attribute names keep their case in XUL.
  ASSERT_EQ(NS_OK, ok->SetAttribute(wide("myFlag"), wide("1")));
  ASSERT_EQ(NS_OK, ok->HasAttribute(wide("myflag"), &present));
  EXPECT_FALSE(present);
  nsCOMPtr<nsIDOMNodeList> buttons;
  auto box = as<nsIDOMXULElement>(root);
  ASSERT_TRUE(box);
  ASSERT_EQ(NS_OK, box->GetElementsByAttribute(wide("id"), wide("*"), getter_AddRefs(buttons)));
  EXPECT_LT(10u, count(buttons));  // explicit content only: every element with an id
  ASSERT_EQ(NS_OK, ok->DoCommand());
  answered("agreed");
}

TEST_F(XulDialogTest, AMessageOfSeveralLinesGivesOneDescriptionPerLine) {
  loadString("<body><input type=button id=b onclick=\"alert('one\\ntwo')\"></body>");
  raise("b");
  EXPECT_EQ((std::vector<std::string>{"one", "two"}), message());
  ASSERT_EQ("", gecko.perform("dialog OK"));
}

TEST(XulDialogLifetimeTest, ABrowserEndsWhileItsPageWaitsInADialog) {
  nsCOMPtr<nsIDOMDocument> dialog;
  {
    gecko::testbed::SimulatedGecko gecko;
    ASSERT_TRUE(gecko.open(siteUrl("dialogs.html")));
    ASSERT_EQ("", gecko.perform("click #confirmButton"));
    ASSERT_EQ(NS_OK, gecko.GetDialogDocument(getter_AddRefs(dialog)));
  }
  // The browser is gone: the reference still held fails instead of reaching it.
  nsCOMPtr<nsIDOMElement> root;
  EXPECT_EQ(NS_ERROR_FAILURE, dialog->GetDocumentElement(getter_AddRefs(root)));
  EXPECT_FALSE(root);
}

}  // namespace
}  // namespace gecko_test
