// What a person does in the simulated Gecko reaches the host as the recorded lines, in
// order and byte for byte.
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "recorder_fixture.h"

namespace marbleck_recorder_test {
namespace {

using Lines_ = std::vector<std::string>;

TEST_F(RecorderTest, TextFieldsRecordTheirChangeAndKeysOnlyWhereTheyAct) {
  Load("<form name='f'><input id='t' name='who'><input type='checkbox' name='cb' id='cb'></form>");
  Act("key #t 65");
  EXPECT_EQ(Lines_{}, Lines()) << "a key in a text field records nothing";
  Act("type #t ab");
  EXPECT_EQ((Lines_{SetWindow(),
                    "RecordEvent_setText[name:,:who:;:id:,:t:;:formname:,:f:;:sourceindex:,:0:;:type:,:text:;:"
                    "disable:,:false:;:value:,:ab:;:index:,:0]"}),
            Lines());
  Act("key #t 13");
  EXPECT_EQ(Lines_{}, Lines()) << "Enter in a text field records nothing by itself";
  Act("key #cb 65");
  EXPECT_EQ(Lines_{}, Lines());
  Act("key #cb 32");
  EXPECT_EQ(Lines_{"RecordEvent_clickButton[name:,:cb:;:id:,:cb:;:formname:,:f:;:sourceindex:,:0:;:type:,:checkbox:;:"
                   "disable:,:false:;:value:,:on:;:index:,:0:;:source:,:NONE:;:defaultChecked:,:false]"},
            Lines());
}

TEST_F(RecorderTest, AClickInsideALinkRecordsTheLinkOnRelease) {
  Load("<p>x</p><a href='javascript:void(0)' name='n'>Go <b id='in'>on</b>\nnow</a><a href='javascript:void(1)'>Go on now</a>");
  Act("click #in");
  EXPECT_EQ((Lines_{SetWindow(),
                    "RecordEvent_clickLink[name:,:n:;:id:,:NONE:;:formname:,:NONE:;:sourceindex:,:0:;:type:,:link:;:"
                    "value:,:NONE:;:index:,:0:;:innertext:,:Go on now:;:target:,:javascript:void(0):;:"
                    "source:,:NONE]"}),
            Lines());
  Act("click A[1]");
  EXPECT_EQ(Lines_{"RecordEvent_clickLink[name:,:NONE:;:id:,:NONE:;:formname:,:NONE:;:sourceindex:,:0:;:type:,:link:;:"
                   "value:,:NONE:;:index:,:1:;:innertext:,:Go on now:;:target:,:javascript:void(1):;:"
                   "source:,:NONE]"},
            Lines());
}

TEST_F(RecorderTest, NamedAnchorsWithoutAnAddressAreNotCountedAmongLinks) {
  // Playback looks among the document's links, which hold only anchors with an address.
  Load("<a name='top'>Top</a><a href='javascript:void(0)'>Top</a>");
  Act("click A[1]");
  EXPECT_EQ((Lines_{SetWindow(),
                    "RecordEvent_clickLink[name:,:NONE:;:id:,:NONE:;:formname:,:NONE:;:sourceindex:,:0:;:type:,:link:;:"
                    "value:,:NONE:;:index:,:0:;:innertext:,:Top:;:target:,:javascript:void(0):;:source:,:NONE]"}),
            Lines());
}

TEST_F(RecorderTest, IndexesCountLikeElementsAsTheFindersDo) {
  Load("<input name='q' id='first'><input name='q'><input name='q'>"
       "<input type='radio' value='red'><input type='radio' value='blue'>"
       "<img src='a.png' id='pic'><img src='b.png' onmouseover='1'><img src='b.png' onmouseover='1'>");
  Act("type INPUT[2] z\nkey INPUT[2] 13");
  Act("click INPUT[4]");
  Act("click IMG[2]");
  const Lines_ lines = Lines();
  ASSERT_EQ(4u, lines.size()) << ::testing::PrintToString(lines);
  EXPECT_EQ(SetWindow(), lines[0]);
  EXPECT_EQ("RecordEvent_setText[name:,:q:;:id:,:NONE:;:formname:,:NONE:;:sourceindex:,:0:;:type:,:text:;:"
            "disable:,:false:;:value:,:z:;:index:,:1]",
            lines[1]);
  EXPECT_EQ("RecordEvent_clickButton[name:,:NONE:;:id:,:NONE:;:formname:,:NONE:;:sourceindex:,:0:;:type:,:radio:;:"
            "disable:,:false:;:value:,:blue:;:index:,:0:;:source:,:NONE:;:defaultChecked:,:false]",
            lines[2]);
  EXPECT_EQ("RecordEvent_clickImage[name:,:NONE:;:id:,:NONE:;:formname:,:NONE:;:sourceindex:,:0:;:tagName:,:IMG:;:"
            "source:,:file:///test/b.png:;:type:,:image:;:value:,:NONE:;:alt:,:NONE:;:index:,:1:;:mouseover:,:true]",
            lines[3]);
}

TEST_F(RecorderTest, MapsDivsAndListsHaveTheirOwnLines) {
  Load("<map name='m'><area id='ar' href='javascript:void(0)' alt='Alpha' coords='0,0,5,5'></map>"
       "<div>Pick me</div><div>Pick me</div>"
       "<select id='s' name='many' multiple><option>One</option><option>Two</option><option>Three</option></select>"
       "<select name='one'><option>A</option><option>B</option></select>");
  Act("click #ar");
  Act("click DIV[1]");
  Act("choose #s One|Three");
  Act("choose name=one B");
  const Lines_ lines = Lines();
  ASSERT_EQ(5u, lines.size()) << ::testing::PrintToString(lines);
  EXPECT_EQ("RecordEvent_clickMap[name:,:m:;:id:,:ar:;:formname:,:NONE:;:sourceindex:,:0:;:tagName:,:AREA:;:"
            "alt:,:Alpha:;:coords:,:0,0,5,5:;:index:,:0]",
            lines[1]);
  EXPECT_EQ("RecordEvent_clickList[name:,:Pick me:;:id:,:NONE:;:formname:,:NONE:;:type:,:div:;:index:,:1:;:"
            "sourceindex:,:0]",
            lines[2]);
  EXPECT_EQ("RecordEvent_selectItem[name:,:many:;:id:,:s:;:formname:,:NONE:;:sourceindex:,:0:;:"
            "type:,:select-multiple:;:disable:,:false:;:index:,:0:;:value:,:One:-:Three]",
            lines[3]);
  EXPECT_EQ("RecordEvent_selectItem[name:,:one:;:id:,:NONE:;:formname:,:NONE:;:sourceindex:,:0:;:"
            "type:,:select-one:;:disable:,:false:;:index:,:0:;:value:,:B]",
            lines[4]);
}

TEST_F(RecorderTest, ADoubleClickRecordsNothingOfItsOwn) {
  Load("<p id='p'>Words</p><div id='d'>x</div>");
  Act("dblclick #p");
  EXPECT_EQ(Lines_{SetWindow()}, Lines());
  Act("dblclick #d");
  const Lines_ lines = Lines();
  ASSERT_EQ(2u, lines.size()) << "the two releases, not the double click";
  EXPECT_EQ(lines[0], lines[1]);
}

TEST_F(RecorderTest, WindowsAreNamedBeforeTheirFirstEventAndClosingOneIsRecorded) {
  Load("<input type='button' id='b' value='Hit'>", "First");
  Act("click #b\nclick #b");
  Lines_ lines = Lines();
  ASSERT_EQ(3u, lines.size()) << ::testing::PrintToString(lines);
  EXPECT_EQ(SetWindow("First"), lines[0]);
  EXPECT_EQ(lines[1], lines[2]);
  ASSERT_TRUE(gecko->openWindow(SiteUrl("dialogs.html")));
  Act("window Dialogs\nclick #answer");
  lines = Lines();
  ASSERT_EQ(2u, lines.size()) << ::testing::PrintToString(lines);
  EXPECT_EQ(SetWindow("Dialogs"), lines[0]);
  Act("close");
  EXPECT_EQ(Lines_{"RecordEvent_closeWindow[parenttitle:,:Dialogs:;:windowname:,:NONE:;:windowtitle:,:Dialogs:;:]"},
            Lines());
  Act("window First\nclick #b");
  lines = Lines();
  ASSERT_EQ(2u, lines.size()) << "the window is named again after a close";
  EXPECT_EQ(SetWindow("First"), lines[0]);
}

TEST_F(RecorderTest, NavigationIsRecordedUntilAnElementActs) {
  Open("dialogs.html");
  Act("open " + SiteUrl("empty.html"));
  EXPECT_EQ(Lines_{"RecordEvent_changeURL[name:,:" + SiteUrl("empty.html") + "]"}, Lines());
  Act("back");
  EXPECT_EQ(Lines_{"RecordEvent_clickMainToolBarButton[name:,:Back]"}, Lines());
  Act("forward");
  EXPECT_EQ(Lines_{"RecordEvent_clickMainToolBarButton[name:,:Forward]"}, Lines());
  Act("refresh");
  EXPECT_EQ(Lines_{"RecordEvent_clickMainToolBarButton[name:,:Refresh]"}, Lines());
  Act("back");
  EXPECT_EQ(Lines_{"RecordEvent_clickMainToolBarButton[name:,:Back]"}, Lines());
  Act("click #answer");
  EXPECT_EQ(2u, Lines().size());
  Act("open " + SiteUrl("result.html") + "\nrefresh");
  EXPECT_EQ(Lines_{}, Lines()) << "a typed address or reload after a recorded click records nothing";
  Act("back");
  EXPECT_EQ(Lines_{"RecordEvent_clickMainToolBarButton[name:,:Back]"}, Lines()) << "the toolbar still does";
}

TEST_F(RecorderTest, StoppedRecorderHearsNothingAndStoppingTwiceIsHarmless) {
  Open("dialogs.html");
  Act("open " + SiteUrl("empty.html"));
  EXPECT_EQ(1u, Lines().size());
  // What "stop record" does: the window listeners, then the loader's and the mediator's.
  EXPECT_EQ(NS_OK, recorder->RemoveWindowListeners());
  EXPECT_EQ(NS_OK, loader->RemoveProgressListener(recorder));
  EXPECT_EQ(NS_OK, mediator->RemoveListener(recorder));
  EXPECT_EQ(NS_OK, recorder->RemoveWindowListeners());
  Act("back\nclick #answer\nclick #alertButton\ndialog OK");
  EXPECT_EQ(Lines_{}, Lines());
}

}  // namespace
}  // namespace marbleck_recorder_test

namespace marbleck_recorder_test {
namespace {

TEST_F(RecorderTest, MissingObjectsEndTheirHandlingWithoutALine) {
  EXPECT_EQ(NS_OK, recorder->HandleEvent(nullptr));
  EXPECT_EQ(NS_OK, recorder->OnCloseWindow(nullptr));
  EXPECT_EQ(NS_OK, recorder->OnHistoryNewEntry(nullptr));
  EXPECT_EQ(NS_OK, recorder->NotifySelectionChanged(nullptr, nullptr, 4));
  EXPECT_EQ(NS_ERROR_FAILURE, recorder->AttachListeners(nullptr));
  EXPECT_EQ(NS_ERROR_FAILURE, recorder->DetachWindow(nullptr));
  EXPECT_EQ(NS_OK, recorder->TrackWindow(nullptr));
  EXPECT_EQ(0, nsRecorderImpl::ComputeIndex(nullptr, NS_LITERAL_STRING("A"), NS_LITERAL_STRING("link"),
                                            NS_LITERAL_STRING("x")));
  nsString text;
  EXPECT_FALSE(nsRecorderImpl::CellText(nullptr, 1, 1, true, text));
  EXPECT_EQ(0, nsRecorderImpl::TableIndex(nullptr, "id", NS_LITERAL_STRING("T")));
  EXPECT_EQ(std::vector<std::string>{}, Lines());
}

TEST_F(RecorderTest, CellsOutsideTheTableAndTablesByTheirFirstCell) {
  Open("checkpoints.html");
  nsCOMPtr<nsIDOMDocument> document;
  ASSERT_EQ(NS_OK, gecko->GetDocument(getter_AddRefs(document)));
  nsCOMPtr<nsIDOMElement> table;
  ASSERT_EQ(NS_OK, document->GetElementById(NS_LITERAL_STRING("T"), getter_AddRefs(table)));
  nsString text;
  EXPECT_TRUE(nsRecorderImpl::CellText(table, 2, 3, false, text));
  EXPECT_TRUE(text.EqualsLiteral("b3 inner"));
  EXPECT_FALSE(nsRecorderImpl::CellText(table, 3, 1, false, text)) << "no third row";
  EXPECT_FALSE(nsRecorderImpl::CellText(table, 1, 4, false, text)) << "no fourth cell";
  EXPECT_FALSE(nsRecorderImpl::CellText(table, 0, 1, false, text));
  EXPECT_EQ(0, nsRecorderImpl::TableIndex(table, "id", NS_LITERAL_STRING("T")));
}

}  // namespace
}  // namespace marbleck_recorder_test
