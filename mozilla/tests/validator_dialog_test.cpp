// Checkpoints on the controls of a page's alert, confirm and prompt, as the Gecko
// stand-in shows them: buttons and the text box in anonymous content, the message in
// the dialog's second box. Each check sends exactly one reply.
#include <string>

#include "validator_fixture.h"

namespace marbleck_validator_test {
namespace {

class DialogCheckTest : public ValidatorTest {
 protected:
  void raise(const char* button) {
    open("dialogs.html");
    ASSERT_EQ("", gecko->perform(std::string("click #") + button));
    nsCOMPtr<nsIDOMDocument> dialog;
    ASSERT_EQ(NS_OK, gecko->GetDialogDocument(getter_AddRefs(dialog)));
    ASSERT_TRUE(dialog);
  }
  void answer(const char* button) { ASSERT_EQ("", gecko->perform(std::string("dialog ") + button)); }

  Replies button(const std::string& label, nsresult expected = NS_OK) {
    return run(Check::Element,
               R"(<c caseid="7" classname="dialog-button" name=")" + label + R"(" index="0">)"
               R"(<check classname="" name="" isVisible="" isEnabled="" windowtitle=""/></c>)",
               expected);
  }
  Replies textbox(const std::string& id, nsresult expected = NS_OK) {
    return run(Check::Element,
               R"(<c caseid="7" type="text" classname="textbox-input" id=")" + id + R"(" name="Edit">)"
               R"(<check value="" isEnabled="" isVisible=""/></c>)",
               expected);
  }
  Replies message(nsresult expected = NS_OK) {
    return run(Check::Element, R"(<c caseid="7" classname="Static" value="anything"><check/></c>)", expected);
  }
};

TEST_F(DialogCheckTest, AnAlertsButtonsAndMessage) {
  raise("alertButton");
  EXPECT_EQ(Replies{status("PASSED", "classname=\"dialog-button\" name=\"OK\" isVisible=\"true\" isEnabled=\"true\" ")},
            button("OK"));
  EXPECT_EQ(Replies{status("PASSED", "classname=\"dialog-button\" name=\"Cancel\" isVisible=\"false\" "
                                     "isEnabled=\"true\" ")},
            button("Cancel"));
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")}, button("Nope", NS_ERROR_FAILURE));
  EXPECT_EQ(Replies{status("PASSED", "value=\"Hello from the page\" ")}, message());
  // An alert shows no text box: its hidden one has no input.
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")}, textbox("loginTextbox", NS_ERROR_FAILURE));
  answer("OK");
}

TEST_F(DialogCheckTest, AConfirmsButtons) {
  raise("confirmButton");
  EXPECT_EQ(Replies{status("PASSED", "classname=\"dialog-button\" name=\"Cancel\" isVisible=\"true\" "
                                     "isEnabled=\"true\" ")},
            button("Cancel"));
  EXPECT_EQ(Replies{status("PASSED", "value=\"Do you agree?\" ")}, message());
  answer("Cancel");
}

TEST_F(DialogCheckTest, APromptsTextBox) {
  raise("promptButton");
  EXPECT_EQ(Replies{status("PASSED", "value=\"nobody\" isEnabled=\"true\" ")}, textbox("loginTextbox"));
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")}, textbox("password1Textbox", NS_ERROR_FAILURE));
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")}, textbox("noSuchTextbox", NS_ERROR_FAILURE));
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")}, textbox("", NS_ERROR_FAILURE));
  EXPECT_EQ(Replies{status("PASSED", "value=\"Your name?\" ")}, message());
  answer("Cancel");
}

TEST_F(DialogCheckTest, WithoutAWindowNothingIsFound) {
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")}, button("OK", NS_ERROR_FAILURE));
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")}, textbox("loginTextbox", NS_ERROR_FAILURE));
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")}, message(NS_ERROR_FAILURE));
}

TEST_F(DialogCheckTest, ABrowserWindowIsNoDialog) {
  open("dialogs.html");
  // The newest window shows a page: its chrome has no dialog buttons or text boxes.
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")}, button("OK", NS_ERROR_FAILURE));
  EXPECT_EQ(Replies{status("ERROR_ELEMENT_NOT_FOUND", "")}, textbox("loginTextbox", NS_ERROR_FAILURE));
}

}  // namespace
}  // namespace marbleck_validator_test
