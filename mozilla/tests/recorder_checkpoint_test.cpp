// The checkpoint modes: what is outlined under the mouse, the checkpoint line each kind
// of element gives, and how the modes end.
#include "dom_reading.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMEvent.h"
#include "nsIDOMEventTarget.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMWindowInternal.h"
#include "nsPlayBackUtils.h"
#include "recorder_fixture.h"

namespace marbleck_recorder_test {
namespace {

using Lines_ = std::vector<std::string>;
using gecko::testbed::flasherRecords;

class CheckpointTest : public RecorderTest {
 protected:
  // Outlines drawn so far, as "action element" texts; waits for the running one first.
  std::vector<std::string> Outlines() {
    WaitForOutline();
    std::vector<std::string> result;
    for (const auto& record : flasherRecords()) result.push_back(record.action + " " + record.element);
    return result;
  }
  static std::vector<std::string> Blinks(const std::string& element) {
    std::vector<std::string> result;
    for (int i = 0; i < 10; ++i) {
      result.push_back("outline " + element);
      result.push_back("repaint " + element);
    }
    return result;
  }
};

TEST_F(CheckpointTest, GuiModeOutlinesWhatTheMouseIsOverAndPicksWithoutActing) {
  Open("checkpoints.html");
  ASSERT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_TRUE));
  Act("hover #away");
  EXPECT_EQ(Blinks("A#away"), Outlines());
  for (const auto& record : flasherRecords()) {
    EXPECT_EQ("#cc0000", record.color);
    EXPECT_EQ(2, record.thickness);
    EXPECT_FALSE(record.invert);
  }
  Act("click #away");
  EXPECT_EQ(Lines_{"CheckPointEvent_name:,:NONE:;:id:,:away:;:formname:,:NONE:;:sourceindex:,:0:;:type:,:link:;:"
                   "value:,:NONE:;:index:,:0:;:innertext:,:New window:;:target:,:" + SiteUrl("popup.html") +
                   ":;:source:,:NONE:;:tooltip:,:NONE:;:" + Window("Checkpoints")},
            Lines());
  EXPECT_EQ(0, gecko->act("window Pop-up") ? 1 : 0) << "the link did not open its window";

  Act("click #mail");
  EXPECT_EQ(Lines_{"CheckPointEvent_name:,:email:;:id:,:mail:;:formname:,:order:;:sourceindex:,:0:;:type:,:text:;:"
                   "disable:,:false:;:value:,:a@b.c:;:index:,:0:;:tooltip:,:Your mail:;:" + Window("Checkpoints")},
            Lines());
  Act("click #calc");
  EXPECT_EQ(Lines_{"CheckPointEvent_name:,:NONE:;:id:,:calc:;:formname:,:order:;:sourceindex:,:0:;:type:,:button:;:"
                   "disable:,:false:;:value:,:Calculate:;:index:,:0:;:source:,:NONE:;:defaultChecked:,:false:;:"
                   "tooltip:,:Adds up:;:" + Window("Checkpoints")},
            Lines());
  Act("click name=remarks");
  EXPECT_EQ(Lines_{"CheckPointEvent_name:,:remarks:;:id:,:NONE:;:formname:,:order:;:sourceindex:,:0:;:"
                   "type:,:textarea:;:disable:,:false:;:value:,:Line one<VK_RETURN>line two:;:index:,:0:;:"
                   "tooltip:,:NONE:;:" + Window("Checkpoints")},
            Lines());
  Act("click name=color");
  EXPECT_EQ(Lines_{"CheckPointEvent_name:,:color:;:id:,:NONE:;:formname:,:order:;:sourceindex:,:0:;:"
                   "type:,:select-multiple:;:disable:,:false:;:index:,:0:;:" + Window("Checkpoints") +
                   ":;:allitems:,:Red:-:Green:-:Blue:;:selecteditems:,:Green:-:Blue:;:tooltip:,:NONE:;:"},
            Lines());
  Act("click TD[5]");
  EXPECT_EQ(Lines_{"CheckPointEvent_rowindex:,:2:;:columnindex:,:3:;:cellvalue:,:b3 inner:;:tableid:,:T:;:"
                   "firstcellvalue:,:a1:;:id:,:NONE:;:tableindex:,:0:;:type:,:cell:;:index:,:0:;:" +
                   Window("Checkpoints")},
            Lines());
  Act("click #loose");
  EXPECT_EQ(Lines_{}, Lines()) << "text outside any element kind picks nothing";

  // Off again: the recording set is back and the mouse is no longer followed.
  ASSERT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_FALSE));
  const size_t outlined = Outlines().size();
  Act("hover #logo\nclick #calc");
  EXPECT_EQ(outlined, Outlines().size());
  const Lines_ lines = Lines();
  ASSERT_EQ(2u, lines.size()) << ::testing::PrintToString(lines);
  EXPECT_EQ(SetWindow("Checkpoints"), lines[0]) << "no window was named while picking";
  EXPECT_EQ(0u, lines[1].find("RecordEvent_clickButton[name:,:NONE:;:id:,:calc:")) << lines[1];
}

TEST_F(CheckpointTest, TextModeCapturesOneSelectionAndEnds) {
  Load("<p id='two'>First line<br>second line</p><p id='other'>Other</p><a id='go' href='javascript:void(0)'>Go</a>");
  ASSERT_EQ(NS_OK, recorder->SetTextCheckpointMode(PR_TRUE));
  Act("hover #go");
  EXPECT_EQ(std::vector<std::string>{}, Outlines()) << "text mode outlines nothing";
  Act("selecttext #two");
  const Lines_ lines = Lines();
  ASSERT_EQ(1u, lines.size()) << ::testing::PrintToString(lines);
  EXPECT_EQ("CheckPointEvent_selectedText:,:First line<VK_RETURN>second line:;:fullText:,:Test pageFirst "
            "linesecond lineOtherGo:;:" + Window(),
            lines[0]);
  Act("selecttext #other");
  const Lines_ after = Lines();
  ASSERT_EQ(1u, after.size()) << "the mode ended: the release is recorded again";
  EXPECT_EQ(SetWindow(), after[0]);
  Act("click #go");
  EXPECT_EQ(1u, Lines().size());
}

TEST_F(CheckpointTest, TextModeWithoutSelectionSendsNone) {
  Load("<p id='p'>Words</p>");
  ASSERT_EQ(NS_OK, recorder->SetTextCheckpointMode(PR_TRUE));
  Act("click #p");
  // The release captures and ends the mode; the click that follows is recording's again.
  EXPECT_EQ((Lines_{"CheckPointEvent_selectedText:,:NONE:;:fullText:,:Test pageWords:;:" + Window(), SetWindow()}),
            Lines());
}

TEST_F(CheckpointTest, TableModeOutlinesTablesAndDescribesTheCell) {
  Open("checkpoints.html");
  ASSERT_EQ(NS_OK, recorder->SetTableCheckpointMode(PR_TRUE));
  Act("hover #loose");
  EXPECT_EQ(std::vector<std::string>{}, Outlines()) << "outside a cell nothing is outlined";
  Act("hover TD[1]");
  EXPECT_EQ(Blinks("TABLE#T"), Outlines());
  Act("click TD[5]");
  EXPECT_EQ(Lines_{"CheckPointEvent_firstcellvalue:,:a1:;:index:,:0:;:id:,:T:;:rowcount:,:2:;:columncount:,:3:;:"
                   "rowindex:,:2:;:columnindex:,:3:;:cellvalue:,:b3 inner:;:align:,:center:;:formname:,:NONE:;:"
                   "type:,:table:;:" + Window("Checkpoints")},
            Lines());
  Act("click TD[7]\nclick TD[9]\nclick #mail");
  const Lines_ lines = Lines();
  ASSERT_EQ(2u, lines.size()) << "only cells act: " << ::testing::PrintToString(lines);
  EXPECT_EQ(0u, lines[0].find("CheckPointEvent_firstcellvalue:,:Twenty-eig:;:index:,:0:;:id:,:NONE:;:rowcount:,:1:;:"
                              "columncount:,:2:;:rowindex:,:1:;:columnindex:,:2:;:cellvalue:,:x:;:"))
      << lines[0];
  EXPECT_EQ(0u, lines[1].find("CheckPointEvent_firstcellvalue:,:Ten bytes!:;:index:,:1:;:")) << lines[1];
  ASSERT_EQ(NS_OK, recorder->SetTableCheckpointMode(PR_FALSE));
  Act("click #calc");
  EXPECT_EQ(2u, Lines().size()) << "recording again: the window and the button";
}

TEST_F(CheckpointTest, ANewOutlineRequestReplacesTheRunningOne) {
  Open("checkpoints.html");
  ASSERT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_TRUE));
  Act("hover #away\nhover #logo\nhover #mail\nhover #calc");
  const std::vector<std::string> outlines = Outlines();
  ASSERT_GE(outlines.size(), 20u);
  EXPECT_LT(outlines.size(), 80u) << "four full outlines would be 80 records";
  // One thread at a time: outline and repaint strictly alternate, for one element each.
  for (size_t i = 0; i + 1 < outlines.size(); i += 2) {
    EXPECT_EQ(0u, outlines[i].find("outline ")) << i;
    EXPECT_EQ("repaint " + outlines[i].substr(8), outlines[i + 1]) << i;
  }
  const std::vector<std::string> last(outlines.end() - 20, outlines.end());
  EXPECT_EQ(Blinks("INPUT#calc"), last);
}

TEST_F(CheckpointTest, ModesSwitchedOffBeforeAnyIsOnChangeNothing) {
  EXPECT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_FALSE));
  EXPECT_EQ(NS_OK, recorder->SetTextCheckpointMode(PR_FALSE));
  EXPECT_EQ(NS_OK, recorder->SetTableCheckpointMode(PR_FALSE));
  Open("checkpoints.html");
  Act("click #calc");
  EXPECT_EQ(2u, Lines().size());
  // On and off twice in a row.
  EXPECT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_TRUE));
  EXPECT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_TRUE));
  EXPECT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_FALSE));
  EXPECT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_FALSE));
  Act("click #calc");
  EXPECT_EQ(1u, Lines().size());
}

TEST_F(CheckpointTest, AfterTheModeEndsNoWindowIsOutlined) {
  Open("checkpoints.html");
  Act("click #away\nwindow Pop-up");
  Lines();
  // The mode's end puts the recording set back on the last loaded window (the pop-up);
  // the first window keeps listening to the mouse, which must outline nothing now.
  ASSERT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_TRUE));
  ASSERT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_FALSE));
  Act("window Checkpoints\nhover #mail\nhover #calc");
  EXPECT_EQ(std::vector<std::string>{}, Outlines());
}

// Clicks on a dialog's parts, made as a person's would arrive (the dialog is modal, so
// the simulated user cannot click beside its buttons).
class DialogCheckpointTest : public CheckpointTest {
 protected:
  void Click(nsIDOMNode* aNode) {
    nsCOMPtr<nsIDOMDocument> document;
    ASSERT_EQ(NS_OK, gecko->GetDialogDocument(getter_AddRefs(document)));
    nsCOMPtr<nsIDOMEvent> event;
    ASSERT_EQ(NS_OK, nsPlayBackUtils::CreateDOMEvent(NS_LITERAL_STRING("MouseEvents"), NS_LITERAL_STRING("click"),
                                                     document, getter_AddRefs(event)));
    nsCOMPtr<nsIDOMEventTarget> target = nsPlayBackUtils::detail::queryTo<nsIDOMEventTarget>(aNode);
    ASSERT_TRUE(target);
    PRBool notCancelled = PR_TRUE;
    ASSERT_EQ(NS_OK, target->DispatchEvent(event, &notCancelled));
  }
};

TEST_F(DialogCheckpointTest, DialogButtonsTextBoxesAndDescriptions) {
  Open("dialogs.html");
  Act("click #promptButton");
  EXPECT_EQ(2u, Lines().size());
  ASSERT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_TRUE));
  nsCOMPtr<nsIDOMDocument> document;
  ASSERT_EQ(NS_OK, gecko->GetDialogDocument(getter_AddRefs(document)));

  nsCOMPtr<nsIDOMNodeList> descriptions;
  ASSERT_EQ(NS_OK, document->GetElementsByTagName(NS_LITERAL_STRING("description"), getter_AddRefs(descriptions)));
  nsCOMPtr<nsIDOMNode> description = nsPlayBackUtils::detail::itemOf(descriptions, 2);
  // (The first two are the dialog's hidden title and its header.)
  ASSERT_TRUE(description);
  Click(description);
  const std::string dialogWindow =
      "windowtitle:,:[JavaScript Application]:;:windowname:,:NONE:;:parenttitle:,:NONE";
  EXPECT_EQ(Lines_{"CheckPointEvent_value:,:Your name?:;:" + dialogWindow + ":;:classname:,:Static"}, Lines());

  nsCOMPtr<nsIDOMNodeList> anonymous;
  ASSERT_EQ(NS_OK, nsPlayBackUtils::GetRootAnonymousNodes(document, getter_AddRefs(anonymous)));
  nsCOMPtr<nsIDOMNode> ok;
  ASSERT_EQ(NS_OK, nsPlayBackUtils::FindNodeByName(NS_LITERAL_STRING("xul:button"), anonymous,
                                                   NS_LITERAL_STRING("label"), NS_LITERAL_STRING("OK"),
                                                   getter_AddRefs(ok)));
  Click(ok);
  EXPECT_EQ(Lines_{"CheckPointEvent_classname:,:dialog-button:;:name:,:OK:;:isVisible:,:true:;:isEnabled:,:true:;:"
                   "index:,:0:;:" + dialogWindow},
            Lines());
  EXPECT_FALSE(gecko->waitForNoDialog(300)) << "a picked button does not answer the dialog";
  // ... so the dialog's later close is still recorded.

  ASSERT_EQ(NS_OK, recorder->SetElementCheckpointMode(PR_FALSE));
  nsCOMPtr<nsIDOMWindow> dialog;
  ASSERT_EQ(NS_OK, gecko->GetDialogWindow(getter_AddRefs(dialog)));
  nsCOMPtr<nsIDOMWindowInternal> internal = do_QueryInterface(dialog);
  ASSERT_TRUE(internal);
  ASSERT_EQ(NS_OK, internal->Close());
  ASSERT_TRUE(gecko->waitForNoDialog());
  EXPECT_EQ(Lines_{"RecordEvent_closeAlertWindow[windowtitle:,:[JavaScript Application]:;:]"}, Lines());
}

}  // namespace
}  // namespace marbleck_recorder_test
