// Picking checkpoints while recording, as the host and the user do it: the exact
// property list receiveCheckPoints gets for each kind of element, text and table, the
// highlight drawn while the mouse is over what would be picked, and a page that stays
// where it is while picking.
#include <gtest/gtest.h>

#include <mshtml.h>

#include <fstream>
#include <string>

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "com/variant.h"
#include <windows.h>

#include "skerrow_fixture.h"

namespace skerrowtest {
namespace {

class CheckpointTest : public SkerrowTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(1, callInt(controller_, "LaunchBrowser", "(I)I", 0));
    userDoes("open " + siteUrl("checkpoints.html"));
    startRecordingThread(false);
    ASSERT_EQ("receiveEvents:launchApplication(\"" + siteUrl("checkpoints.html") + "\")", nextRecorded());
  }
  void TearDown() override {
    callVoid(controller_, "DisableCheckPointMode", "()V");
    SkerrowTest::TearDown();
  }

  void select(int type) { callVoid(controller_, "SelectCheckPoint", "(I)V", type); }

  // What receiveCheckPoints gets: the window block with the element's title, then `rest`
  // (pairs each followed by ":;:"), then the list's end.
  static std::string picked(const std::string& tooltip, const std::string& rest = "") {
    return "receiveCheckPoints:windowtitle:,:Checkpoints:;:windowname:,::;:parenttitle:,:Checkpoints:;:tooltip:,:" +
           tooltip + ":;:" + rest + ":;;:";
  }
  // The checkpoint a user action picks.
  std::string pick(const std::string& script) {
    userDoes(script);
    return nextRecorded();
  }
  void expectNothing() { EXPECT_EQ("", nextRecorded(300)); }

  ComPtr<IHTMLDocument2> page() {
    RunningBrowsers browsers;
    ComPtr<IDispatch> dispatch;
    ComPtr<IHTMLDocument2> document;
    if (browsers.size() > 0 && SUCCEEDED(browsers[0]->get_Document(dispatch.put())) && dispatch)
      dispatch->QueryInterface(IID_IHTMLDocument2, document.putVoid());
    return document;
  }
  ComPtr<IHTMLElement> byId(const std::string& id) {
    ComPtr<IHTMLElementCollection> all;
    ComPtr<IDispatch> found;
    if (const ComPtr<IHTMLDocument2> document = page()) document->get_all(all.put());
    if (!all) return {};
    Variant name, position(0);
    V_VT(name.get()) = VT_BSTR;
    V_BSTR(name.get()) = Bstr::fromAnsi(id).release();
    all->item(*name.get(), *position.get(), found.put());
    return queryAs<IHTMLElement>(found.get(), IID_IHTMLElement);
  }
  // The runtime style of the element with this id as "cursor|borderStyle|borderColor|borderWidth".
  std::string runtimeStyle(const std::string& id) {
    const auto element = queryAs<IHTMLElement2>(byId(id).get(), IID_IHTMLElement2);
    ComPtr<IHTMLStyle> style;
    if (!element || FAILED(element->get_runtimeStyle(style.put())) || !style) return "(no runtime style)";
    Bstr cursor, borderStyle, borderColor, borderWidth;
    style->get_cursor(cursor.put());
    style->get_borderStyle(borderStyle.put());
    style->get_borderColor(borderColor.put());
    style->get_borderWidth(borderWidth.put());
    return cursor.toAnsi() + "|" + borderStyle.toAnsi() + "|" + borderColor.toAnsi() + "|" + borderWidth.toAnsi();
  }
  std::string bodyText() {
    ComPtr<IHTMLElement> body;
    Bstr text;
    if (const ComPtr<IHTMLDocument2> document = page()) document->get_body(body.put());
    if (body) body->get_innerText(text.put());
    return text.toAnsi();
  }
  std::string title() {
    Bstr text;
    if (const ComPtr<IHTMLDocument2> document = page()) document->get_title(text.put());
    return text.toAnsi();
  }
};

TEST_F(CheckpointTest, FieldsAndButtonsInElementMode) {
  select(0);
  EXPECT_EQ(picked("Your mail",
                   "type:,:text:;:name:,:email:;:formname:,:order:;:value:,:a@b.c:;:sourceindex:,:5:;:id:,:mail:;:"
                   "tooltip:,:Your mail:;:disable:,:false:;:index:,:0:;:ID:,:mail:;:"),
            pick("click #mail"));
  // The third field named N without an id.
  EXPECT_EQ(picked("NONE",
                   "type:,:text:;:name:,:N:;:formname:,:order:;:value:,:three:;:sourceindex:,:8:;:id:,:NONE:;:"
                   "tooltip:,:NONE:;:disable:,:false:;:index:,:2:;:ID:,:N_2:;:"),
            pick("click INPUT[3]"));
  EXPECT_EQ(picked("NONE",
                   "type:,:password:;:name:,:secret:;:formname:,:order:;:value:,:pw:;:sourceindex:,:9:;:id:,:NONE:;:"
                   "tooltip:,:NONE:;:disable:,:false:;:index:,:0:;:ID:,:secret:;:"),
            pick("click name=secret"));
  EXPECT_EQ(picked("NONE",
                   "type:,:submit:;:name:,:send:;:formname:,:order:;:value:,:Send:;:sourceindex:,:10:;:"
                   "disable:,:false:;:id:,:NONE:;:tooltip:,:NONE:;:index:,:0:;:ID:,:send:;:"),
            pick("click name=send"));
  EXPECT_EQ(picked("Adds up",
                   "type:,:button:;:name:,:NONE:;:formname:,:order:;:value:,:Calculate:;:sourceindex:,:11:;:"
                   "disable:,:false:;:id:,:calc:;:tooltip:,:Adds up:;:index:,:0:;:ID:,:calc:;:"),
            pick("click #calc"));
  // The state before the click toggles it; defaultChecked from the page source.
  EXPECT_EQ(picked("Agree",
                   "type:,:checkbox:;:name:,:agree:;:formname:,:order:;:status:,:true:;:id:,:NONE:;:"
                   "tooltip:,:Agree:;:disable:,:false:;:sourceindex:,:12:;:index:,:0:;:ID:,:agree:;:"
                   "defaultChecked:,:true:;:"),
            pick("click name=agree"));
  // Check boxes count by name alone: the second "agree" is index 1 although its value differs.
  EXPECT_EQ(picked("NONE",
                   "type:,:checkbox:;:name:,:agree:;:formname:,:order:;:status:,:false:;:id:,:NONE:;:"
                   "tooltip:,:NONE:;:disable:,:false:;:sourceindex:,:13:;:index:,:1:;:ID:,:agree_1:;:"
                   "defaultChecked:,:false:;:"),
            pick("click INPUT[8]"));
  EXPECT_EQ(picked("NONE",
                   "type:,:radio:;:name:,:size:;:formname:,:order:;:status:,:false:;:id:,:NONE:;:"
                   "tooltip:,:NONE:;:disable:,:false:;:sourceindex:,:14:;:index:,:0:;:ID:,:size:;:"
                   "defaultChecked:,:false:;:"),
            pick("click name=size"));
  EXPECT_EQ(picked("NONE",
                   "type:,:image:;:name:,:pay:;:formname:,:order:;:value:,::;:sourceindex:,:16:;:source:,:" +
                       siteUrl("images/go.gif") + ":;:id:,:NONE:;:index:,:0:;:ID:,:pay:;:"),
            pick("click name=pay"));
  EXPECT_EQ(picked("NONE",
                   "type:,:textarea:;:name:,:remarks:;:formname:,:order:;:value:,:Line one<VK_RETURN>line two:;:"
                   "id:,:NONE:;:disable:,:false:;:sourceindex:,:17:;:index:,:0:;:ID:,:remarks:;:"),
            pick("click name=remarks"));
  EXPECT_EQ(picked("NONE",
                   "type:,:select-multiple:;:name:,:color:;:formname:,:order:;:allitems:,:Red:-:Green:-:Blue:;:"
                   "selecteditems:,:Green:-:Blue:;:sourceindex:,:18:;:index:,:0:;:ID:,:color:;:id:,:NONE:;:"),
            pick("click name=color"));
  // A type with no list of its own gives its type only.
  EXPECT_EQ(picked("NONE", "type:,:hidden:;:"), pick("click name=kept"));
  EXPECT_FALSE(traceLinesSince("hidden input type event received").empty());
  // A file field last: the file chooser its click opens is closed at once while a
  // checkpoint is picked.
  EXPECT_EQ(picked("NONE",
                   "type:,:file:;:name:,:upload:;:formname:,:order:;:value:,::;:sourceindex:,:15:;:"
                   "disable:,:false:;:id:,:NONE:;:tooltip:,:NONE:;:index:,:0:;:ID:,:upload:;:"),
            pick("click name=upload"));
  EXPECT_TRUE(waitFor([] { return FindWindowA(nullptr, "Choose file") == nullptr; }));
  // The submit and image buttons did not take the page away.
  EXPECT_EQ("Checkpoints", title());
  expectNothing();
}

TEST_F(CheckpointTest, LinksImagesAndOtherElementsInElementMode) {
  select(0);
  // The link's text as the page gives it, not cleaned; navigation is blocked.
  const std::string goOn =
      "type:,:link:;:name:,:NONE:;:formname:,:NONE:;:id:,:NONE:;:sourceindex:,:23:;:innertext:,:Go on:;:"
      "index:,:0:;:tooltip:,:To the result:;:";
  EXPECT_EQ(picked("To the result", goOn), pick("click A[0]"));
  // An element inside a link picks the link; the window block names the element's title.
  EXPECT_EQ(picked("NONE", goOn), pick("click B[0]"));
  EXPECT_EQ(picked("NONE",
                   "tagName:,:IMG:;:name:,:NONE:;:id:,:logo:;:sourceindex:,:26:;:source:,:" +
                       siteUrl("images/button_off.gif") +
                       ":;:formname:,:NONE:;:value:,:NONE:;:alt:,:Logo:;:index:,:0:;:ID:,:logo:;:"),
            pick("click #logo"));
  // Outside any link, and the page itself: the window block alone.
  EXPECT_EQ(picked("NONE"), pick("click #loose"));
  EXPECT_EQ(picked("NONE"), pick("click BODY[0]"));
  // A link to a new window opens none while picking.
  EXPECT_EQ(picked("NONE",
                   "type:,:link:;:name:,:NONE:;:formname:,:NONE:;:id:,:away:;:sourceindex:,:25:;:"
                   "innertext:,:New window:;:index:,:0:;:tooltip:,:NONE:;:"),
            pick("click #away"));
  waitForQuietTrace();
  EXPECT_EQ(1u, RunningBrowsers().size());
  EXPECT_EQ("Checkpoints", title());
  EXPECT_FALSE(traceLinesSince("OnNewWindow2").empty());
  expectNothing();
}

TEST_F(CheckpointTest, CellsInElementMode) {
  select(0);
  // Row 2, column 3 of the table with id T.
  EXPECT_EQ(picked("NONE",
                   "rowindex:,:2:;:formname:,:NONE:;:columnindex:,:3:;:cellvalue:,:b3 inner:;:tableid:,:T:;:"
                   "id:,:NONE:;:firstcellvalue:,:NONE:;:ID:,:T:;:tableindex:,:0:;:index:,:0:;:type:,:cell:;:"),
            pick("click TD[5]"));
  // A table without id is known by the first ten bytes of its 28-byte first cell.
  EXPECT_EQ(picked("NONE",
                   "rowindex:,:1:;:formname:,:NONE:;:columnindex:,:1:;:cellvalue:,:Twenty-eight bytes of text!!:;:"
                   "tableid:,:NONE:;:id:,:NONE:;:firstcellvalue:,:Twenty-eig:;:ID:,:Twenty-eig:;:tableindex:,:0:;:"
                   "index:,:0:;:type:,:cell:;:"),
            pick("click TD[6]"));
  // Exactly ten bytes are taken whole; the second such table is index 1, and the cell is
  // the second with the id "c" (the first is in T).
  EXPECT_EQ(picked("NONE",
                   "rowindex:,:1:;:formname:,:NONE:;:columnindex:,:1:;:cellvalue:,:Ten bytes!:;:tableid:,:NONE:;:"
                   "id:,:c:;:firstcellvalue:,:Ten bytes!:;:ID:,:Ten bytes!_1:;:tableindex:,:1:;:index:,:1:;:"
                   "type:,:cell:;:"),
            pick("click TD[9]"));
  EXPECT_EQ(picked("NONE",
                   "rowindex:,:1:;:formname:,:NONE:;:columnindex:,:2:;:cellvalue:,:a2:;:tableid:,:T:;:"
                   "id:,:c:;:firstcellvalue:,:NONE:;:ID:,:T:;:tableindex:,:0:;:index:,:0:;:type:,:cell:;:"),
            pick("click #c"));
}

TEST_F(CheckpointTest, TextModeWithAndWithoutASelection) {
  select(1);
  EXPECT_EQ(picked("NONE", "index:,:0:;:selectedText:,:NONE:;:fullText:,:NONE:;:"), pick("click #loose"));
  const std::string full = bodyText();
  ASSERT_NE(std::string::npos, full.find("Loose text"));
  EXPECT_EQ(picked("NONE", "index:,:0:;:selectedText:,:Loose text:;:fullText:,:" + full + ":;:"),
            pick("selecttext #loose"));
}

TEST_F(CheckpointTest, TableModeFromInsideACellAndFromOutside) {
  select(2);
  // A SPAN inside a TD picks the TD's table.
  EXPECT_EQ(picked("NONE",
                   "align:,:center:;:formname:,:NONE:;:type:,:table:;:rowcount:,:2:;:columncount:,:3:;:"
                   "rowindex:,:2:;:columnindex:,:3:;:cellvalue:,:b3 inner:;:firstcellvalue:,:NONE:;:id:,:T:;:"
                   "index:,:0:;:"),
            pick("click #inCell"));
  EXPECT_EQ(picked("NONE",
                   "align:,:NONE:;:formname:,:NONE:;:type:,:table:;:rowcount:,:1:;:columncount:,:2:;:"
                   "rowindex:,:1:;:columnindex:,:2:;:cellvalue:,:x:;:firstcellvalue:,:Twenty-eig:;:id:,:NONE:;:"
                   "index:,:0:;:"),
            pick("click TD[7]"));
  EXPECT_EQ(picked("NONE"), pick("click #loose"));
}

TEST_F(CheckpointTest, HighlightFollowsTheMouseAndIsUndoneWhenItLeaves) {
  const std::string none = "|||";
  const std::string highlighted = "hand|dotted|#0000CC|thin";
  select(0);
  userDoes("hover #mail");
  EXPECT_EQ(highlighted, runtimeStyle("mail"));
  userDoes("hover #calc");
  EXPECT_EQ("default|||", runtimeStyle("mail"));
  EXPECT_EQ(highlighted, runtimeStyle("calc"));
  // Table mode highlights the table; leaving it restores the border, not the cursor.
  select(2);
  userDoes("hover #inCell");
  EXPECT_EQ(highlighted, runtimeStyle("T"));
  EXPECT_EQ(none, runtimeStyle("inCell"));
  userDoes("hover #loose");
  EXPECT_EQ("hand|||", runtimeStyle("T"));
  // Text mode draws nothing, and neither does the mouse outside checkpoint mode.
  select(1);
  userDoes("hover #mail");
  EXPECT_EQ("default|||", runtimeStyle("mail"));
  callVoid(controller_, "DisableCheckPointMode", "()V");
  userDoes("hover #logo");
  EXPECT_EQ(none, runtimeStyle("logo"));
}

TEST_F(CheckpointTest, AHighlightLeftWhenPickingEndsIsUndoneWhenTheMouseMovesOn) {
  select(0);
  userDoes("hover #mail");
  callVoid(controller_, "DisableCheckPointMode", "()V");
  EXPECT_EQ("hand|dotted|#0000CC|thin", runtimeStyle("mail"));
  userDoes("hover #calc");
  EXPECT_EQ("default|||", runtimeStyle("mail"));
  EXPECT_EQ("|||", runtimeStyle("calc"));
  select(2);
  userDoes("hover #inCell");
  callVoid(controller_, "DisableCheckPointMode", "()V");
  EXPECT_EQ("hand|dotted|#0000CC|thin", runtimeStyle("T"));
  // Leaving the element the table was highlighted from, as while picking.
  userDoes("hover TD[4]");
  EXPECT_EQ("hand|||", runtimeStyle("T"));
}

// The host may change the kind while the mouse rests on a highlighted element: leaving
// it afterwards still undoes the highlight the element was given.
TEST_F(CheckpointTest, AHighlightOfOneKindIsUndoneWhenTheMouseLeavesWhilePickingAnother) {
  select(0);
  userDoes("hover #calc");
  select(2);
  userDoes("hover #inCell");
  EXPECT_EQ("default|||", runtimeStyle("calc"));
  EXPECT_EQ("hand|dotted|#0000CC|thin", runtimeStyle("T"));
  select(1);
  userDoes("hover #loose");
  EXPECT_EQ("hand|||", runtimeStyle("T"));
}

// A page opened again while recording gets one sink: the highlight is drawn and undone
// once.
TEST_F(CheckpointTest, AfterThePageIsOpenedAgainTheHighlightIsStillUndone) {
  userDoes("open " + siteUrl("checkpoints.html"));
  EXPECT_EQ("receiveEvents:changeURL[name:,:" + siteUrl("checkpoints.html") + "]", nextRecorded());
  waitForQuietTrace();
  select(0);
  userDoes("hover #mail");
  EXPECT_EQ("hand|dotted|#0000CC|thin", runtimeStyle("mail"));
  userDoes("hover #calc");
  EXPECT_EQ("default|||", runtimeStyle("mail"));
  EXPECT_EQ(picked("Adds up",
                   "type:,:button:;:name:,:NONE:;:formname:,:order:;:value:,:Calculate:;:sourceindex:,:11:;:"
                   "disable:,:false:;:id:,:calc:;:tooltip:,:Adds up:;:index:,:0:;:ID:,:calc:;:"),
            pick("click #calc"));
  expectNothing();
}

TEST_F(CheckpointTest, UnknownTypePicksNothingAndLeavingTwiceIsHarmless) {
  select(7);
  userDoes("hover #mail\nclick #mail");
  EXPECT_EQ("|||", runtimeStyle("mail"));
  expectNothing();
  select(-1);
  userDoes("click #calc");
  expectNothing();
  // A known type again picks.
  select(0);
  EXPECT_EQ(picked("NONE",
                   "type:,:password:;:name:,:secret:;:formname:,:order:;:value:,:pw:;:sourceindex:,:9:;:id:,:NONE:;:"
                   "tooltip:,:NONE:;:disable:,:false:;:index:,:0:;:ID:,:secret:;:"),
            pick("click name=secret"));
  callVoid(controller_, "DisableCheckPointMode", "()V");
  callVoid(controller_, "DisableCheckPointMode", "()V");
  // Recording goes on; the window was noted while picking, so no window line comes first.
  userDoes("click #calc");
  EXPECT_EQ("receiveEvents:clickButton[name:,:NONE:;:id:,:calc:;:formname:,:order:;:sourceindex:,:11:;:type:,:button:;:"
            "source:,:NONE:;:value:,:Calculate:;:disable:,:false:;:index:,:0:;:tooltip:,:Adds up]",
            nextRecorded());
  expectNothing();
}

// Tables inside tables, a cell after a row-spanning one, a header cell, and a list
// with an option without text, picked as the user does.
class CheckpointEdgesTest : public CheckpointTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(1, callInt(controller_, "LaunchBrowser", "(I)I", 0));
    userDoes("open " + siteUrl("table_edges.html"));
    startRecordingThread(false);
    ASSERT_EQ("receiveEvents:launchApplication(\"" + siteUrl("table_edges.html") + "\")", nextRecorded());
  }
  static std::string edges(const std::string& rest) {
    return "receiveCheckPoints:windowtitle:,:Table Edges:;:windowname:,::;:parenttitle:,:Table Edges:;:tooltip:,:NONE:;:" +
           rest + ":;;:";
  }
};

TEST_F(CheckpointEdgesTest, NestedAndSpanningTablesAndAnOptionWithoutText) {
  select(0);
  // A cell of the inner table belongs to that table, not to the one around it.
  EXPECT_EQ(edges("rowindex:,:2:;:formname:,:NONE:;:columnindex:,:2:;:cellvalue:,:j2:;:tableid:,:inner:;:"
                  "id:,:NONE:;:firstcellvalue:,:NONE:;:ID:,:inner:;:tableindex:,:0:;:index:,:0:;:type:,:cell:;:"),
            pick("click TD[5]"));
  // Below a cell spanning two rows the column is the position in the row's own cells.
  EXPECT_EQ(edges("rowindex:,:3:;:formname:,:NONE:;:columnindex:,:2:;:cellvalue:,:c3:;:tableid:,:spans:;:"
                  "id:,:NONE:;:firstcellvalue:,:NONE:;:ID:,:spans:;:tableindex:,:0:;:index:,:0:;:type:,:cell:;:"),
            pick("click TD[10]"));
  // An option without text is NONE among the items, as the read-back reports it.
  const std::string list = pick("click name=sizes");
  EXPECT_NE(std::string::npos, list.find(":;:allitems:,:Small:-:NONE:-:Large:;:")) << list;
  select(2);
  EXPECT_EQ(edges("align:,:NONE:;:formname:,:NONE:;:type:,:table:;:rowcount:,:3:;:columncount:,:3:;:"
                  "rowindex:,:1:;:columnindex:,:2:;:cellvalue:,:H2:;:firstcellvalue:,:NONE:;:id:,:spans:;:index:,:0:;:"),
            pick("click TH[1]"));
  EXPECT_EQ(edges("align:,:NONE:;:formname:,:NONE:;:type:,:table:;:rowcount:,:2:;:columncount:,:2:;:"
                  "rowindex:,:2:;:columnindex:,:2:;:cellvalue:,:j2:;:firstcellvalue:,:NONE:;:id:,:inner:;:index:,:0:;:"),
            pick("click TD[5]"));
}

class CheckpointSessionTest : public SkerrowTest {
 protected:
  // How many lines of the trace file hold `text`.
  static size_t traceCount(const std::string& text) {
    std::ifstream in("iexplorer.log");
    size_t count = 0;
    for (std::string line; std::getline(in, line);)
      if (line.find(text) != std::string::npos) ++count;
    return count;
  }
  void TearDown() override {
    callVoid(controller_, "DisableCheckPointMode", "()V");
    SkerrowTest::TearDown();
  }
};

TEST_F(CheckpointSessionTest, PickingChosenBeforeRecordingStartsHoldsOnceItRuns) {
  // No browser yet: the call returns and only sets the mode.
  callVoid(controller_, "SelectCheckPoint", "(I)V", 0);
  ASSERT_EQ(1, callInt(controller_, "LaunchBrowser", "(I)I", 0));
  userDoes("open " + siteUrl("checkpoints.html"));
  const size_t attachedBefore = traceCount("Document Event Sink Success");
  startRecordingThread(false);
  // Lines are not passed on while picking: the launch line is dropped, and the page's
  // sink being attached is what tells that recording runs.
  ASSERT_TRUE(waitFor([&] { return traceCount("Document Event Sink Success") > attachedBefore; }));
  userDoes("click #mail");
  const std::string list = nextRecorded();
  EXPECT_EQ(0u, list.rfind("receiveCheckPoints:windowtitle:,:Checkpoints:;:", 0)) << list;
  EXPECT_NE(std::string::npos, list.find(":;:ID:,:mail:;::;;:")) << list;
  callVoid(controller_, "DisableCheckPointMode", "()V");
  userDoes("click #calc");
  EXPECT_EQ(0u, nextRecorded().rfind("receiveEvents:clickButton[name:,:NONE:;:id:,:calc:", 0));
}

TEST_F(CheckpointSessionTest, AnElementInAFrameNamesItsFrameAndTheTopPageAndItsLinkStaysPut) {
  ASSERT_EQ(1, callInt(controller_, "LaunchBrowser", "(I)I", 0));
  userDoes("open " + siteUrl("frames.html"));
  startRecordingThread(false);
  ASSERT_EQ("receiveEvents:launchApplication(\"" + siteUrl("frames.html") + "\")", nextRecorded());
  callVoid(controller_, "SelectCheckPoint", "(I)V", 0);
  userDoes("frame nav\nclick #toTables");
  EXPECT_EQ("receiveCheckPoints:windowtitle:,:Navigation:;:windowname:,:nav:;:parenttitle:,:Frame Set:;:tooltip:,:NONE:;:"
            "type:,:link:;:name:,:NONE:;:formname:,:NONE:;:id:,:toTables:;:sourceindex:,:6:;:"
            "innertext:,:Tables in the main frame:;:index:,:0:;:tooltip:,:NONE:;::;;:",
            nextRecorded());
  // The link's target frame was not navigated.
  waitForQuietTrace();
  const std::vector<std::string> since = traceLinesSince("checkPointType is : 0");
  ASSERT_FALSE(since.empty());
  for (const std::string& line : since) EXPECT_EQ(std::string::npos, line.find("NavigateComplete")) << line;
}

}  // namespace
}  // namespace skerrowtest
