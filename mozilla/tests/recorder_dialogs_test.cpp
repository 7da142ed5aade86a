// The common dialogs and frames as the recorder sees them: the dialog's window and type
// before its button, no close line for a dialog a button answered, frames named by
// their own window.
#include "nsIDOMWindowInternal.h"
#include "recorder_fixture.h"

namespace marbleck_recorder_test {
namespace {

using Lines_ = std::vector<std::string>;

std::string AlertWindow(const std::string& type) {
  return "RecordEvent_setAlertWindow[windowname:,:NONE:;:windowtitle:,:[JavaScript Application]:;:"
         "parenttitle:,:NONE:;:type:,:" + type + "]";
}

std::string DialogButton(const std::string& label) {
  return "RecordEvent_clickButton[classname:,:dialog-button:;:name:,:" + label +
         ":;:isVisible:,:true:;:isEnabled:,:true:;:index:,:0]";
}

TEST_F(RecorderTest, AnAlertIsNamedWithItsTypeAndItsButtonClosesItWithoutACloseLine) {
  Open("dialogs.html");
  Act("click #alertButton");
  Lines_ lines = Lines();
  ASSERT_EQ(2u, lines.size()) << ::testing::PrintToString(lines);
  EXPECT_EQ(SetWindow("Dialogs"), lines[0]);
  Act("dialog OK");
  EXPECT_EQ((Lines_{AlertWindow("alert"), DialogButton("OK")}), Lines());
  Act("click #answer");
  lines = Lines();
  ASSERT_EQ(2u, lines.size()) << ::testing::PrintToString(lines);
  EXPECT_EQ(SetWindow("Dialogs"), lines[0]) << "back in the page, its window is named again";
}

TEST_F(RecorderTest, ConfirmAndPromptHaveTheirTypes) {
  Open("dialogs.html");
  Act("click #confirmButton");
  EXPECT_EQ(2u, Lines().size());
  Act("dialog Cancel");
  EXPECT_EQ((Lines_{AlertWindow("confirm"), DialogButton("Cancel")}), Lines());
  Act("click #promptButton");
  EXPECT_EQ(2u, Lines().size());
  Act("dialog OK Ann");
  const Lines_ lines = Lines();
  ASSERT_GE(lines.size(), 2u) << ::testing::PrintToString(lines);
  EXPECT_EQ(AlertWindow("prompt"), lines.front());
  EXPECT_EQ(DialogButton("OK"), lines.back());
  // The text typed into the prompt, when its change is reported before the button.
  for (size_t i = 1; i + 1 < lines.size(); ++i) {
    EXPECT_EQ("RecordEvent_setText[type:,:text:;:classname:,:textbox-input:;:value:,:Ann:;:isVisible:,:true:;:"
              "isEnabled:,:true:;:index:,:0:;:previousWindow:,:NONE:;:id:,:loginTextbox:;:name:,:Edit]",
              lines[i]);
  }
}

TEST_F(RecorderTest, ADialogClosedWithoutItsButtonsRecordsItsClose) {
  Open("dialogs.html");
  Act("click #alertButton");
  EXPECT_EQ(2u, Lines().size());
  nsCOMPtr<nsIDOMWindow> dialog;
  ASSERT_EQ(NS_OK, gecko->GetDialogWindow(getter_AddRefs(dialog)));
  nsCOMPtr<nsIDOMWindowInternal> internal = do_QueryInterface(dialog);
  ASSERT_TRUE(internal);
  ASSERT_EQ(NS_OK, internal->Close());
  ASSERT_TRUE(gecko->waitForNoDialog());
  EXPECT_EQ(Lines_{"RecordEvent_closeAlertWindow[windowtitle:,:[JavaScript Application]:;:]"}, Lines());
}

TEST_F(RecorderTest, EventsInFramesNameTheFrameWindow) {
  Open("frames.html");
  Act("frame nav\nclick #toTables");
  Lines_ lines = Lines();
  ASSERT_EQ(2u, lines.size()) << ::testing::PrintToString(lines);
  EXPECT_EQ("RecordEvent_setWindow[windowname:,:nav:;:windowtitle:,:Navigation:;:parenttitle:,:Frame Set]", lines[0]);
  EXPECT_EQ("RecordEvent_clickLink[name:,:NONE:;:id:,:toTables:;:formname:,:NONE:;:sourceindex:,:0:;:type:,:link:;:"
            "value:,:NONE:;:index:,:0:;:innertext:,:Tables in the main frame:;:target:,:" + SiteUrl("tables.html") +
            ":;:source:,:NONE]",
            lines[1]);
  // The frame's new page is listened to once loaded.
  Act("frame main\nclick TD[0]");
  lines = Lines();
  ASSERT_EQ(1u, lines.size()) << "a cell records nothing of its own";
  EXPECT_EQ(0u, lines[0].find("RecordEvent_setWindow[windowname:,:main:;:windowtitle:,:Tables:;:")) << lines[0];
}

}  // namespace
}  // namespace marbleck_recorder_test
