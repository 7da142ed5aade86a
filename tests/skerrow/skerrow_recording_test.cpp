// What the host receives while the simulated user acts on the sample pages: the exact
// recorded lines, in order.
#include <gtest/gtest.h>

#include <string>

#include "skerrow_fixture.h"

namespace skerrowtest {
namespace {

class RecordedLinesTest : public SkerrowTest {
 protected:
  // Launches, opens `page` and starts recording; the launch line is taken.
  void recordOn(const std::string& page) {
    ASSERT_EQ(1, callInt(controller_, "LaunchBrowser", "(I)I", 0));
    userDoes("open " + siteUrl(page));
    startRecordingThread(false);
    ASSERT_EQ("receiveEvents:launchApplication(\"" + siteUrl(page) + "\")", nextRecorded());
  }
  // The next recorded line, without the callback's name.
  std::string line() {
    const std::string call = nextRecorded();
    const std::string prefix = "receiveEvents:";
    return call.rfind(prefix, 0) == 0 ? call.substr(prefix.size()) : "(not a line: " + call + ")";
  }
  // Nothing more arrives for a while.
  void expectNoLine() { EXPECT_EQ("", nextRecorded(300)); }

  static std::string firstWindowLine(const std::string& title, const std::string& name = "NONE",
                                     const std::string& index = "0") {
    return "setWindow[windowname:,:" + name + ":;:windowtitle:,:" + title + ":;:parenttitle:,:" + title +
           ":;:index:,:" + index + "]";
  }
};

TEST_F(RecordedLinesTest, ClicksOnEachKindOfInput) {
  recordOn("recording.html");
  userDoes("click name=go");
  EXPECT_EQ(firstWindowLine("Recording"), line());
  EXPECT_EQ("clickButton[name:,:go:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:6:;:type:,:submit:;:source:,:NONE:;:"
            "value:,:Go first:;:disable:,:false:;:index:,:0:;:tooltip:,:NONE]",
            line());
  // The second "go" is index 1: the "stop" between them does not count.
  userDoes("click INPUT[2]");
  EXPECT_EQ("clickButton[name:,:go:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:8:;:type:,:submit:;:source:,:NONE:;:"
            "value:,:Go second:;:disable:,:false:;:index:,:1:;:tooltip:,:NONE]",
            line());
  // Without a name a button is known by its caption.
  userDoes("click INPUT[3]");
  EXPECT_EQ("clickButton[name:,:NONE:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:9:;:type:,:button:;:source:,:NONE:;:"
            "value:,:go:;:disable:,:false:;:index:,:0:;:tooltip:,:Named by its caption]",
            line());
  userDoes("click #wipe");
  EXPECT_EQ("clickButton[name:,:NONE:;:id:,:wipe:;:formname:,:shop:;:sourceindex:,:10:;:type:,:reset:;:source:,:NONE:;:"
            "value:,:Wipe:;:disable:,:false:;:index:,:0:;:tooltip:,:NONE]",
            line());
  // Checked in the page source: defaultChecked stays true whatever the click made of it.
  userDoes("click name=agree");
  EXPECT_EQ("clickButton[name:,:agree:;:id:,:NONE:;:type:,:checkbox:;:formname:,:shop:;:sourceindex:,:11:;:source:,:NONE:;:"
            "value:,:yes:;:disable:,:false:;:defaultChecked:,:true:;:index:,:0:;:tooltip:,:NONE]",
            line());
  userDoes("click INPUT[7]");
  EXPECT_EQ("clickButton[name:,:size:;:id:,:NONE:;:type:,:radio:;:formname:,:shop:;:sourceindex:,:13:;:source:,:NONE:;:"
            "value:,:L:;:disable:,:false:;:defaultChecked:,:false:;:index:,:1:;:tooltip:,:NONE]",
            line());
  userDoes("click name=pay");
  EXPECT_EQ("clickImage[name:,:pay:;:type:,:image:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:15:;:source:,:" +
                siteUrl("images/go.gif") + ":;:value:,::;:index:,:0:;:tooltip:,:NONE]",
            line());
  // Last: the file chooser this click opens is answered, and no page action follows it.
  userDoes("click name=upload");
  EXPECT_EQ("clickButton[name:,:upload:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:14:;:source:,:NONE:;:value:,::;:"
            "type:,:file:;:disable:,:false:;:tooltip:,:NONE]",
            line());
  EXPECT_EQ("setAlertWindow[windowname:,:NONE:;:windowtitle:,:Choose file:;:parenttitle:,:Choose file:;:index:,:0:;:"
            "type:,:others]",
            line());
  userDoes("dialog Cancel");
  EXPECT_EQ("clickButton[classname:,:Button:;:name:,:Cancel:;:isVisible:,:true:;:isEnabled:,:true:;:index:,:2]", line());
  expectNoLine();
}

TEST_F(RecordedLinesTest, AButtonWithoutANameCountsWithTheButtonsNamedLikeItsCaption) {
  recordOn("recording.html");
  // In another form: the form does not narrow the count, and the two submit buttons
  // named "go" come first.
  userDoes("click INPUT[12]");
  EXPECT_EQ(firstWindowLine("Recording"), line());
  EXPECT_EQ("clickButton[name:,:NONE:;:id:,:NONE:;:formname:,:other:;:sourceindex:,:40:;:type:,:submit:;:source:,:NONE:;:"
            "value:,:go:;:disable:,:false:;:index:,:2:;:tooltip:,:NONE]",
            line());
}

TEST_F(RecordedLinesTest, PickingACheckpointRecordsNoLineButFollowsTheWindow) {
  recordOn("recording.html");
  callVoid(controller_, "SelectCheckPoint", "(I)V", 0);
  userDoes("click name=go");
  // The click picks the button as a checkpoint; no line is recorded.
  EXPECT_EQ(0u, nextRecorded().rfind("receiveCheckPoints:windowtitle:,:Recording:;:", 0));
  userDoes("choose name=extras Cable");
  expectNoLine();
  callVoid(controller_, "DisableCheckPointMode", "()V");
  // The window was noted while picking: no setWindow line now.
  userDoes("click name=go");
  EXPECT_EQ("clickButton[name:,:go:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:6:;:type:,:submit:;:source:,:NONE:;:"
            "value:,:Go first:;:disable:,:false:;:index:,:0:;:tooltip:,:NONE]",
            line());
  expectNoLine();
}

TEST_F(RecordedLinesTest, EnterAndSpaceOnButtonsAndLinks) {
  recordOn("recording.html");
  // Alt+Enter records the button but no window line, although this is the first event.
  userDoes("key INPUT[1] 13 alt");
  const std::string stop =
      "clickButton[name:,:stop:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:7:;:type:,:submit:;:source:,:NONE:;:"
      "value:,:Stop:;:disable:,:false:;:index:,:0:;:tooltip:,:NONE]";
  EXPECT_EQ(stop, line());
  userDoes("key INPUT[1] 32");
  EXPECT_EQ(firstWindowLine("Recording"), line());
  EXPECT_EQ(stop, line());
  userDoes("key INPUT[1] 13 shift");
  userDoes("key name=who 13");  // the text field's own sink records text
  expectNoLine();
  const std::string agree =
      "clickButton[name:,:agree:;:id:,:NONE:;:type:,:checkbox:;:formname:,:shop:;:sourceindex:,:11:;:source:,:NONE:;:"
      "value:,:yes:;:disable:,:false:;:defaultChecked:,:true:;:index:,:0:;:tooltip:,:NONE]";
  userDoes("key name=agree 13");
  EXPECT_EQ(agree, line());
  userDoes("key name=agree 32");
  EXPECT_EQ(agree, line());
  userDoes("key #wrapped 13");
  EXPECT_EQ("clickLink[name:,:NONE:;:id:,:wrapped:;:innertext:,:Inside:;:formname:,:NONE:;:sourceindex:,:28:;:"
            "type:,:link:;:source:,:NONE:;:target:,:NONE:;:index:,:0:;:tooltip:,:NONE]",
            line());
  expectNoLine();
}

TEST_F(RecordedLinesTest, RightButtonRecordsOnlyLinks) {
  recordOn("recording.html");
  userDoes("click name=go right");
  EXPECT_EQ(firstWindowLine("Recording"), line());
  userDoes("click #logo right");
  expectNoLine();
  userDoes("click #wrapped right");
  EXPECT_EQ("clickLink[name:,:NONE:;:id:,:wrapped:;:innertext:,:Inside:;:formname:,:NONE:;:sourceindex:,:28:;:"
            "type:,:link:;:source:,:NONE:;:target:,:NONE:;:index:,:0:;:tooltip:,:NONE]",
            line());
}

TEST_F(RecordedLinesTest, LinksByTheirCleanedText) {
  recordOn("recording.html");
  userDoes("click A[0]");
  EXPECT_EQ(firstWindowLine("Recording"), line());
  EXPECT_EQ("clickLink[name:,:NONE:;:id:,:NONE:;:innertext:,:Sign in now:;:formname:,:NONE:;:sourceindex:,:25:;:"
            "type:,:link:;:source:,:NONE:;:target:,:NONE:;:index:,:0:;:tooltip:,:NONE]",
            line());
  userDoes("click A[1]");
  EXPECT_EQ("clickLink[name:,:NONE:;:id:,:NONE:;:innertext:,:Caf\u00e9 & more:;:formname:,:NONE:;:sourceindex:,:27:;:"
            "type:,:link:;:source:,:NONE:;:target:,:NONE:;:index:,:0:;:tooltip:,:NONE]",
            line());
  // A SPAN inside a link records the link; a SPAN outside any link records nothing.
  userDoes("click #inner");
  EXPECT_EQ("clickLink[name:,:NONE:;:id:,:wrapped:;:innertext:,:Inside:;:formname:,:NONE:;:sourceindex:,:28:;:"
            "type:,:link:;:source:,:NONE:;:target:,:NONE:;:index:,:0:;:tooltip:,:NONE]",
            line());
  userDoes("click #loose");
  expectNoLine();
  // A DIV inside a link: its own line, then the link's.
  userDoes("click #boxed");
  EXPECT_EQ("clickList[name:,:Boxed:;:id:,:boxed:;:formname:,:NONE:;:type:,:div:;:index:,:0:;:sourceindex:,:32]", line());
  EXPECT_EQ("clickLink[name:,:NONE:;:id:,:NONE:;:innertext:,:Boxed:;:formname:,:NONE:;:sourceindex:,:31:;:"
            "type:,:link:;:source:,:NONE:;:target:,:NONE:;:index:,:0:;:tooltip:,:NONE]",
            line());
  expectNoLine();
}

TEST_F(RecordedLinesTest, ImagesMapsAndDivs) {
  recordOn("recording.html");
  userDoes("click #blank");
  EXPECT_EQ(firstWindowLine("Recording"), line());
  EXPECT_EQ("clickImage[name:,:NONE:;:id:,:blank:;:sourceindex:,:33:;:tagName:,:IMG:;:source:,:NONE:;:title:,:NONE:;:"
            "formname:,:NONE:;:value:,:NONE:;:alt:,:Blank:;:index:,:0:;:tooltip:,:NONE]",
            line());
  userDoes("click #logo");
  EXPECT_EQ("clickImage[name:,:NONE:;:id:,:logo:;:sourceindex:,:34:;:tagName:,:IMG:;:source:,:" +
                siteUrl("images/button_off.gif") +
                ":;:title:,:NONE:;:formname:,:NONE:;:value:,:NONE:;:alt:,:Logo:;:index:,:0:;:tooltip:,:NONE]",
            line());
  userDoes("click #first");
  EXPECT_EQ("clickMap[name:,:nav:;:formname:,:NONE:;:tooltip:,:Navigation:;:alt:,:First:;:coords:,:0,0,50,20:;:"
            "tagName:,:MAP:;:id:,:NONE:;:index:,:0]",
            line());
  userDoes("click DIV[1]");
  EXPECT_EQ("clickList[name:,:Menu:;:id:,:NONE:;:formname:,:NONE:;:type:,:div:;:index:,:0:;:sourceindex:,:38]", line());
  expectNoLine();
}

TEST_F(RecordedLinesTest, TypedTextIsRecordedOnceWhenTheFieldIsLeft) {
  recordOn("recording.html");
  userDoes("type name=who Jane");
  EXPECT_EQ(firstWindowLine("Recording"), line());  // the first key press
  EXPECT_EQ("setText[name:,:who:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:16:;:type:,:text:;:disable:,:false:;:"
            "value:,:Jane:;:index:,:0:;:tooltip:,:NONE]",
            line());
  userDoes("type name=pin 1234");
  EXPECT_EQ("setText[name:,:pin:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:17:;:type:,:password:;:disable:,:false:;:"
            "value:,:1234:;:index:,:0:;:tooltip:,:NONE]",
            line());
  userDoes("type name=remarks , soon");
  EXPECT_EQ("setText[name:,:remarks:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:18:;:type:,:textarea:;:source:,:NONE:;:"
            "value:,:Dear shop,<VK_RETURN>please send, soon:;:disable:,:false:;:index:,:0:;:tooltip:,:NONE]",
            line());
  // The page empties this one when it gets the focus.
  userDoes("click name=cleared\nclick #loose");
  EXPECT_EQ("setText[name:,:cleared:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:19:;:type:,:textarea:;:source:,:NONE:;:"
            "value:,:NONE:;:disable:,:false:;:index:,:0:;:tooltip:,:NONE]",
            line());
  userDoes("choose name=extras Cable|Charger");
  EXPECT_EQ("selectItem[name:,:extras:;:id:,:NONE:;:formname:,:shop:;:sourceindex:,:20:;:type:,:select-multiple:;:"
            "source:,:NONE:;:value:,:Cable:-:Charger:;:index:,:0:;:tooltip:,:NONE]",
            line());
  expectNoLine();
}

TEST_F(RecordedLinesTest, WindowLinesWhenMovingBetweenFramesAndNoneWhenStaying) {
  recordOn("frames.html");
  const std::string nav = "setWindow[windowname:,:nav:;:windowtitle:,:Navigation:;:parenttitle:,:Frame Set:;:index:,:0]";
  const std::string toTables =
      "clickLink[name:,:NONE:;:id:,:toTables:;:innertext:,:Tables in the main frame:;:formname:,:NONE:;:"
      "sourceindex:,:6:;:type:,:link:;:source:,:NONE:;:target:,:main:;:index:,:0:;:tooltip:,:NONE]";
  userDoes("frame nav\nclick #toTables");
  EXPECT_EQ(nav, line());
  EXPECT_EQ(toTables, line());
  waitForQuietTrace();  // the new page of the frame has its sink
  userDoes("frame main\nclick #itemA");
  EXPECT_EQ("setWindow[windowname:,:main:;:windowtitle:,:Tables:;:parenttitle:,:Frame Set:;:index:,:0]", line());
  userDoes("frame main\nclick #note");
  expectNoLine();
  userDoes("frame nav\nclick #toTables");
  EXPECT_EQ(nav, line());
  EXPECT_EQ(toTables, line());
}

TEST_F(RecordedLinesTest, WindowLinesWhenMovingBetweenWindows) {
  recordOn("index.html");
  userDoes("click #popupLink");
  EXPECT_EQ(firstWindowLine("Sample Home"), line());
  EXPECT_NE(std::string::npos, line().find("clickLink[name:,:NONE:;:id:,:popupLink:"));
  ASSERT_TRUE(waitFor([] { return RunningBrowsers().size() == 2; }));
  waitForQuietTrace();
  // The new window's entry is the session's from now on.
  userDoes("click #message", 1);
  EXPECT_EQ(firstWindowLine("Pop-up", "NONE", "1"), line());
  userDoes("click #message", 1);
  expectNoLine();
  userDoes("click #heading", 0);
  EXPECT_EQ(firstWindowLine("Sample Home", "NONE", "1"), line());
}

TEST_F(RecordedLinesTest, AnOverlongTitleIsKeptWhole) {
  recordOn("long_title.html");
  std::string title;
  for (int i = 0; i < 16; ++i) title += i == 0 ? "A very long title" : " A very long title";
  title += " end";
  ASSERT_GT(title.size(), 259u);
  userDoes("click #press");
  EXPECT_EQ(firstWindowLine(title), line());
  EXPECT_EQ("clickButton[name:,:NONE:;:id:,:press:;:formname:,:NONE:;:sourceindex:,:5:;:type:,:button:;:source:,:NONE:;:"
            "value:,:Press:;:disable:,:false:;:index:,:0:;:tooltip:,:NONE]",
            line());
}

TEST_F(RecordedLinesTest, FieldsAndButtonsOutsideAFormAndAFieldLeftForAButton) {
  recordOn("recording_edges.html");
  userDoes("type INPUT[0] hi\nclick name=send");
  EXPECT_EQ(firstWindowLine("Edges"), line());
  EXPECT_EQ("setText[name:,:note:;:id:,:NONE:;:formname:,:NONE:;:sourceindex:,:4:;:type:,:text:;:disable:,:false:;:"
            "value:,:hi:;:index:,:0:;:tooltip:,:NONE]",
            line());
  EXPECT_EQ("clickButton[name:,:send:;:id:,:NONE:;:formname:,:NONE:;:sourceindex:,:5:;:type:,:button:;:source:,:NONE:;:"
            "value:,:Send:;:disable:,:false:;:index:,:0:;:tooltip:,:NONE]",
            line());
  // The page takes the choice back at once: nothing is selected.
  userDoes("choose name=emptied Blue");
  EXPECT_EQ("selectItem[name:,:emptied:;:id:,:NONE:;:formname:,:NONE:;:sourceindex:,:6:;:type:,:select-multiple:;:"
            "source:,:NONE:;:value:,:NONE:;:index:,:0:;:tooltip:,:NONE]",
            line());
  // The field of the same name in a form counts after the one outside it.
  userDoes("type INPUT[2] yo");
  EXPECT_EQ("setText[name:,:note:;:id:,:NONE:;:formname:,:letter:;:sourceindex:,:10:;:type:,:text:;:disable:,:false:;:"
            "value:,:yo:;:index:,:1:;:tooltip:,:NONE]",
            line());
  expectNoLine();
}

TEST_F(RecordedLinesTest, NestedFramesNameTheTopPageTitle) {
  ASSERT_EQ(1, callInt(controller_, "LaunchBrowser", "(I)I", 0));
  startRecordingThread(false);
  ASSERT_EQ("receiveEvents:launchApplication(\"about:blank\")", nextRecorded());
  userDoes("open " + siteUrl("frames.html"));
  ASSERT_TRUE(waitFor([] { return !traceLinesSince("Name of Single Frame right").empty(); }));
  waitForQuietTrace();
  userDoes("frame right\ntype #field abc");
  // The address typed into the address bar may come first; it is not this test's concern.
  std::string first = line();
  if (first.rfind("changeURL[", 0) == 0) first = line();
  EXPECT_EQ("setWindow[windowname:,:right:;:windowtitle:,:Right:;:parenttitle:,:Frame Set:;:index:,:0]", first);
  EXPECT_EQ("setText[name:,:field:;:id:,:field:;:formname:,:NONE:;:sourceindex:,:5:;:type:,:text:;:disable:,:false:;:"
            "value:,:abc:;:index:,:0:;:tooltip:,:NONE]",
            line());
  userDoes("frame left\nclick #rename");
  EXPECT_EQ("setWindow[windowname:,:left:;:windowtitle:,:Left:;:parenttitle:,:Frame Set:;:index:,:0]", line());
  // The button renamed the frameset between the frame and the top page: that is no move.
  userDoes("frame left\nclick #where");
  expectNoLine();
}

TEST_F(RecordedLinesTest, NestedFramesOfAPageLoadedBeforeRecordingAreRecorded) {
  recordOn("frames.html");
  userDoes("frame right\ntype #field abc");
  EXPECT_EQ("setWindow[windowname:,:right:;:windowtitle:,:Right:;:parenttitle:,:Frame Set:;:index:,:0]", line());
  EXPECT_EQ("setText[name:,:field:;:id:,:field:;:formname:,:NONE:;:sourceindex:,:5:;:type:,:text:;:disable:,:false:;:"
            "value:,:abc:;:index:,:0:;:tooltip:,:NONE]",
            line());
  expectNoLine();
}

}  // namespace
}  // namespace skerrowtest
