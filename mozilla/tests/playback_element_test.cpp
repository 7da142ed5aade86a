// The element actions on the current window's page: what each replies, in order, and
// what the page shows afterwards (values, selections, handlers run, navigation).
#include <string>

#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLOptionsCollection.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "playback_fixture.h"

namespace marbleck_playback_test {
namespace {

std::string setText(const std::string& type, const std::string& name, const std::string& value,
                    const std::string& id = "NONE", const std::string& index = "0") {
  return command({{"method", "setText"}, {"type", type}, {"id", id}, {"name", name}, {"value", value}, {"index", index}});
}

std::string clickButton(const std::string& type, const std::string& name, const std::string& value,
                        const std::string& id = "NONE", const std::string& index = "0") {
  return command(
      {{"method", "clickButton"}, {"type", type}, {"id", id}, {"name", name}, {"value", value}, {"index", index}});
}

class ElementPlayback : public PlaybackTest {
 protected:
  void OnPage(const std::string& body) {
    Load(body + "<p id='log'></p>");
    ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Test page")));
  }
  // What the page's handlers noted, each followed by ";".
  std::string Log() { return TextOf("log"); }

  std::string Selected(const char* id) {
    nsCOMPtr<nsIDOMHTMLSelectElement> list = do_QueryInterface(ById(id));
    nsCOMPtr<nsIDOMHTMLOptionsCollection> options;
    list->GetOptions(getter_AddRefs(options));
    PRUint32 count = 0;
    options->GetLength(&count);
    std::string chosen;
    for (PRUint32 i = 0; i < count; ++i) {
      nsCOMPtr<nsIDOMNode> node;
      options->Item(i, getter_AddRefs(node));
      nsCOMPtr<nsIDOMHTMLOptionElement> option = do_QueryInterface(node);
      PRBool selected = PR_FALSE;
      option->GetSelected(&selected);
      nsString text;
      option->GetText(text);
      if (selected) chosen += utf8(text) + ";";
    }
    return chosen;
  }
};

constexpr const char* kNote = "function note(t) { document.getElementById('log').textContent += t + ';'; }";

TEST_F(ElementPlayback, SetTextOnAFieldFoundByNameRepliesTwiceAndFiresChange) {
  OnPage(std::string("<script>") + kNote + "</script>"
         "<input type='text' name='who' onchange=\"note('who ' + this.value)\">"
         "<input type='text' name='who' onchange=\"note('second ' + this.value)\">"
         "<input type='password' name='pin' onchange=\"note('pin')\">"
         "<input name='who' id='known'>");
  EXPECT_EQ((Lines{status("SUCCESS"), status("SUCCESS")}), Play(setText("text", "who", "Ann")));
  EXPECT_EQ("who Ann;", Log());
  // The second field of that name; the one with an id is known by its id only.
  EXPECT_EQ((Lines{status("SUCCESS"), status("SUCCESS")}), Play(setText("text", "who", "Bo", "NONE", "1")));
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")}, Play(setText("text", "who", "Cy", "NONE", "2")));
  EXPECT_EQ((Lines{status("SUCCESS"), status("SUCCESS")}), Play(setText("text", "who", "Di", "known")));
  // In a field the line-break marker stays as it is.
  EXPECT_EQ((Lines{status("SUCCESS"), status("SUCCESS")}), Play(setText("password", "pin", "12VK_RETURN34")));
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")}, Play(setText("password", "who", "x")));
  EXPECT_EQ("who Ann;second Bo;pin;", Log());
  EXPECT_EQ("Di", ValueOf("known"));
  EXPECT_EQ("12VK_RETURN34", ValueOf("name=pin"));
}

TEST_F(ElementPlayback, SetTextOnATextAreaRepliesOnceWithLineBreaks) {
  OnPage(std::string("<script>") + kNote + "</script><textarea id='notes' name='notes' "
         "onchange=\"note('notes')\">old</textarea>");
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(setText("textarea", "notes", "one VK_RETURNtwoVK_RETURN", "notes")));
  EXPECT_EQ("one \ntwo\n", ValueOf("notes"));
  EXPECT_EQ("notes;", Log());
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")}, Play(setText("textarea", "notes", "x")));
}

TEST_F(ElementPlayback, ClickButtonByCaptionNameOrIdRepliesBeforeTheClick) {
  Open("playback.html");
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Playback")));
  // Without a name, by its caption.
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(clickButton("submit", "NONE", "Send it")));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(clickButton("button", "twin", "Second", "NONE", "1")));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(clickButton("button", "other", "Identified", "chosenOne")));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(clickButton("checkbox", "agree", "on")));
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")}, Play(clickButton("button", "twin", "Third", "NONE", "2")));
  EXPECT_EQ("send;submitted;second;by id;agree;", TextOf("log"));
  nsCOMPtr<nsIDOMHTMLInputElement> box = do_QueryInterface(ByName("agree"));
  PRBool checked = PR_FALSE;
  box->GetChecked(&checked);
  EXPECT_TRUE(checked);
}

TEST_F(ElementPlayback, AFileFieldsClickIsNotAnswered) {
  OnPage("<input type='file' name='attachment'>");
  // The click opens the browser's file chooser, which holds the action until the user
  // answers it; nothing is sent meanwhile or after.
  Send(clickButton("file", "attachment", "NONE"));
  std::string answered = "no dialog yet";
  for (int i = 0; i < 2000 && !answered.empty(); ++i) {
    answered = gecko->perform("dialog Open notes.txt");
    if (!answered.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ("", answered);
  EXPECT_EQ(Lines{}, Replies());
  EXPECT_EQ("notes.txt", ValueOf("name=attachment"));
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")}, Play(clickButton("file", "other", "NONE")));
}

TEST_F(ElementPlayback, SelectItemLeavesExactlyTheNamedOptionsSelected) {
  Open("form.html");
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Order Form")));
  EXPECT_EQ(Lines{status("SUCCESS")},
            Play(command({{"method", "selectItem"}, {"type", "select-multiple"}, {"id", "extras"}, {"name", "extras"}},
                         "<option selectedvalue='Cable'/><option selectedvalue='Nothing'/>"
                         "<option selectedvalue='Manual'/>")));
  EXPECT_EQ("Cable;Manual;", Selected("extras"));
  // A single list keeps the last; its change handler ran.
  EXPECT_EQ(Lines{status("SUCCESS")},
            Play(command({{"method", "selectItem"}, {"type", "select-one"}, {"id", "colour"}, {"name", "colour"}},
                         "<option selectedvalue='Blue'/><option selectedvalue='Red'/>")));
  EXPECT_EQ("Red;", Selected("colour"));
  EXPECT_EQ("r", TextOf("chosen"));
  // The recorded kind must match the list's.
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
            Play(command({{"method", "selectItem"}, {"type", "select-one"}, {"id", "extras"}, {"name", "extras"}},
                         "<option selectedvalue='Case'/>")));
  EXPECT_EQ("Cable;Manual;", Selected("extras"));
}

TEST_F(ElementPlayback, ClickLinkByTextOrIdFollowsIt) {
  Open("playback.html");
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Playback")));
  // The text across two lines, as the recorder writes it.
  EXPECT_EQ(Lines{status("SUCCESS")},
            Play(command({{"method", "clickLink"}, {"id", "NONE"}, {"innertext", "Sign in    now  "}})));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "clickLink"}, {"id", "NONE"}, {"innertext", "NONE"}})));
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
            Play(command({{"method", "clickLink"}, {"id", "NONE"}, {"innertext", "Sign"}})));
  EXPECT_EQ("sign in;empty;", TextOf("log"));

  Open("index.html");
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Sample Home")));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "clickLink"}, {"id", "tablesLink"}, {"innertext", "x"}})));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_NE("Sample Home", Title());
}

TEST_F(ElementPlayback, ClickImageFindsRollOverImagesByTheirHoveredPicture) {
  OnPage(std::string("<script>") + kNote + "</script>"
         "<img src='plain.gif' onclick=\"note('plain')\">"
         "<img src='off.gif' onmouseover=\"this.src='on.gif'\" onmouseout=\"this.src='off.gif'\" onclick=\"note('roll')\">"
         "<input type='image' name='go' src='go.gif' onclick=\"note('go'); return false;\">");
  const std::string base = siteUrl("");
  auto image = [](const std::string& source) {
    return command({{"method", "clickImage"}, {"tagName", "IMG"}, {"type", "image"}, {"id", "NONE"}, {"source", source}});
  };
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(image(base + "on.gif")));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(image(base + "plain.gif")));
  // Unhovered, the roll-over image shows another picture.
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")}, Play(image(base + "off.gif")));
  EXPECT_EQ(Lines{status("SUCCESS")},
            Play(command({{"method", "clickImage"}, {"tagName", "INPUT"}, {"type", "image"}, {"id", "NONE"}, {"source", "go.gif"}})));
  // Neither an image nor an image button.
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
            Play(command({{"method", "clickImage"}, {"tagName", "INPUT"}, {"type", "button"}, {"id", "NONE"}, {"source", "go.gif"}})));
  EXPECT_EQ("roll;plain;go;", Log());
}

TEST_F(ElementPlayback, ClickMapClicksTheAreaWithTheRecordedCoordinates) {
  OnPage(std::string("<script>") + kNote + "</script>"
         "<map name='nav'><area coords='0,0,5,5' href=\"javascript:note('first')\">"
         "<area coords='5,0,10,5' href=\"javascript:note('second')\"></map>");
  auto map = [](const std::string& coords) {
    return command({{"method", "clickMap"}, {"id", "NONE"}, {"name", "nav"}, {"coords", coords}});
  };
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(map("5,0,10,5")));
  // No area with those coordinates: answered, nothing clicked.
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(map("5,0,10")));
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
            Play(command({{"method", "clickMap"}, {"id", "NONE"}, {"name", "other"}, {"coords", "0,0,5,5"}})));
  EXPECT_EQ("second;", Log());
}

// Mended: a recorded map line names the AREA's id, or the name of a map that may have an
// id of its own; both maps are found again.
TEST_F(ElementPlayback, ClickMapFindsTheMapOfARecordedAreaIdAndAMapWithAnId) {
  OnPage(std::string("<script>") + kNote + "</script>"
         "<map name='nav' id='navMap'><area id='toTables' coords='0,0,5,5' href=\"javascript:note('tables')\">"
         "<area coords='5,0,10,5' href=\"javascript:note('plain')\"></map>");
  EXPECT_EQ(Lines{status("SUCCESS")},
            Play(command({{"method", "clickMap"}, {"id", "toTables"}, {"name", "nav"}, {"coords", "0,0,5,5"}})));
  EXPECT_EQ(Lines{status("SUCCESS")},
            Play(command({{"method", "clickMap"}, {"id", "NONE"}, {"name", "nav"}, {"coords", "5,0,10,5"}})));
  // An id that is nobody's, or a map's name with an index past the maps that have it.
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
            Play(command({{"method", "clickMap"}, {"id", "nobody"}, {"name", "nav"}, {"coords", "0,0,5,5"}})));
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
            Play(command({{"method", "clickMap"}, {"id", "NONE"}, {"name", "nav"}, {"index", "1"}, {"coords", "0,0,5,5"}})));
  EXPECT_EQ("tables;plain;", Log());
}

TEST_F(ElementPlayback, ClickListClicksTheDivThenReplies) {
  Open("playback.html");
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Playback")));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "clickList"}, {"id", "menu"}, {"name", "Menu"}})));
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
            Play(command({{"method", "clickList"}, {"id", "NONE"}, {"name", "Nowhere"}})));
  EXPECT_EQ("menu click;", TextOf("log"));
}

}  // namespace
}  // namespace marbleck_playback_test
