// Command documents as the host sends them: the dispatch by method, what is answered
// before any window was found, the time limit, input that is not a command, and commands
// that arrive while earlier ones still run.
#include <chrono>
#include <string>

#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "playback_fixture.h"

namespace marbleck_playback_test {
namespace {

constexpr const char* kForm =
    "<form name='f'><input type='text' name='first'><input type='text' name='second'>"
    "<textarea name='notes'></textarea><select name='pick'><option>A</option><option>B</option></select>"
    "<input type='button' name='go' value='Go' onclick=\"document.getElementById('log').textContent='go'\">"
    "</form><a href='#top'>Top</a><img src='a.gif'><map name='m'><area coords='1,1,2,2' href='#a'></map>"
    "<div>Menu</div><p id='log'>none</p>";

TEST_F(PlaybackTest, ElementActionsBeforeAnySetWindowReplyHtmlDocumentNull) {
  Load(kForm);
  const Lines expected = {status("ERROR_HTML_DOCUMENT_NULL")};
  for (const std::string& xml : {
           command({{"method", "setText"}, {"type", "text"}, {"id", "NONE"}, {"name", "first"}, {"value", "x"}}),
           command({{"method", "setText"}, {"type", "textarea"}, {"id", "NONE"}, {"name", "notes"}, {"value", "x"}}),
           command({{"method", "selectItem"}, {"type", "select-one"}, {"id", "NONE"}, {"name", "pick"}},
                   "<option selectedvalue='B'/>"),
           command({{"method", "clickButton"}, {"type", "button"}, {"id", "NONE"}, {"name", "go"}}),
           command({{"method", "clickLink"}, {"id", "NONE"}, {"innertext", "Top"}}),
           command({{"method", "clickImage"}, {"tagName", "IMG"}, {"id", "NONE"}, {"source", "a.gif"}}),
           command({{"method", "clickMap"}, {"id", "NONE"}, {"name", "m"}, {"coords", "1,1,2,2"}}),
           command({{"method", "clickList"}, {"id", "NONE"}, {"name", "Menu"}}),
       }) {
    SCOPED_TRACE(xml);
    EXPECT_EQ(expected, Play(xml));
  }
  EXPECT_EQ("none", TextOf("log"));
}

TEST_F(PlaybackTest, ExecuteTestBeforeAnySetWindowRepliesTheCaseWithDocumentNull) {
  Load(kForm);
  EXPECT_EQ(NS_ERROR_FAILURE,
            Send(command({{"method", "executeTest"}, {"caseid", "case &quot;7&quot;"}, {"checktype", "element"}})));
  // Answered on the calling thread, the case id unescaped.
  EXPECT_EQ(Lines{"<statusmessage caseid=\"case \"7\"\" status=\"ERROR_DOCUMENT_NULL\" />"}, Replies());
  // Mended: a line break in the case id would cut the reply in two.
  Send(command({{"method", "executeTest"}, {"caseid", "two&#10;lines&#13;"}, {"checktype", "element"}}));
  EXPECT_EQ(Lines{"<statusmessage caseid=\"two lines \" status=\"ERROR_DOCUMENT_NULL\" />"}, Replies());
}

// Checkpoints run on the calling thread against the current window's page, and read
// what the actions before them changed.
TEST_F(PlaybackTest, ExecuteTestChecksTheCurrentWindowsPage) {
  Load("<form name='f'><input type='text' name='first'></form><p>Say \"hi\"</p>"
       "<table id='t'><tr><td>a</td></tr><tr><td>b</td></tr><tr><td>c</td></tr></table>");
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Test page")));
  ASSERT_EQ((Lines{status("SUCCESS"), status("SUCCESS")}),
            Play(command({{"method", "setText"}, {"type", "text"}, {"id", "NONE"}, {"name", "first"}, {"value", "Zoe"}})));
  EXPECT_EQ(NS_OK, Send(command({{"method", "executeTest"}, {"checktype", "element"}, {"caseid", "e1"}, {"type", "text"},
                                  {"id", "NONE"}, {"name", "first"}, {"tagName", "INPUT"}},
                                 "<check value='' name=''/>")));
  EXPECT_EQ(0, player->RunningActions());
  EXPECT_EQ(Lines{"<statusmessage caseid=\"e1\" status=\"PASSED\" value =\"Zoe\" name =\"first\" />"}, Replies());
  Send(command({{"method", "executeTest"}, {"checktype", "text"}, {"caseid", "x1"}}));
  EXPECT_EQ(Lines{"<textmessage bodytext=\"Say &quot;hi&quot;abc\"/>"}, Replies());
  Send(command({{"method", "executeTest"}, {"checktype", "table"}, {"caseid", "t1"}, {"id", "t"}, {"index", "0"}},
               "<check function='rowcount' condition='gte' value='3'/>"));
  EXPECT_EQ(Lines{"<statusmessage caseid=\"t1\" status=\"PASSED\"  debugMessage=\"rowcount = 3;\"/>"}, Replies());
  // A kind the validator does not have: nothing.
  Send(command({{"method", "executeTest"}, {"checktype", "Text"}, {"caseid", "x2"}}));
  EXPECT_EQ(Lines{}, Replies());
}

TEST_F(PlaybackTest, ToolbarWithoutBrowserRepliesBrowserNotExists) {
  Load(kForm);
  for (const char* name : {"Back", "Forward", "Refresh"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Lines{status("ERROR_BROWSER_NOT_EXISTS")}, Play(command({{"method", "clickMainToolBar"}, {"name", name}})));
  }
}

TEST_F(PlaybackTest, MethodsInOtherCapitalsUnknownNamesAndTypesDoNothing) {
  Load(kForm);
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Test page")));
  for (const std::string& xml : {
           command({{"method", "SetText"}, {"type", "text"}, {"id", "NONE"}, {"name", "first"}, {"value", "x"}}),
           command({{"method", "clickbutton"}, {"type", "button"}, {"id", "NONE"}, {"name", "go"}}),
           command({{"method", "CLICKMAINTOOLBAR"}, {"name", "Refresh"}}),
           command({{"method", "clickMainToolBar"}, {"name", "Home"}}),
           command({{"method", "clickMainToolBar"}, {"name", "refresh"}}),
           command({{"method", "setText"}, {"type", "checkbox"}, {"id", "NONE"}, {"name", "first"}, {"value", "x"}}),
           command({{"method", "setText"}, {"id", "NONE"}, {"name", "first"}, {"value", "x"}}),
           command({{"method", "fly"}}),
           command({{"name", "first"}}),
       }) {
    SCOPED_TRACE(xml);
    EXPECT_EQ(NS_OK, Send(xml));
    EXPECT_EQ(0, player->RunningActions());
    EXPECT_EQ(Lines{}, Replies());
  }
  EXPECT_EQ("", ValueOf("name=first"));
  EXPECT_EQ("none", TextOf("log"));
}

TEST_F(PlaybackTest, TextThatIsNoCommandDoesNothing) {
  Load(kForm);
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Test page")));
  // Not well formed: the parser's error document has no method.
  EXPECT_EQ(NS_OK, Send("<command method=\"clickButton\" name=\"go\" type=\"button\" id=\"NONE\""));
  EXPECT_EQ(Lines{}, Replies());
  // Empty, and a message cut where the socket's 2048 bytes ended.
  Send("");
  Send(command({{"method", "setText"}, {"type", "text"}, {"id", "NONE"}, {"name", "first"}}).substr(0, 30));
  EXPECT_EQ(Lines{}, Replies());
  // A megabyte of attributes is read like any other command.
  std::string padding;
  for (int i = 0; padding.size() < (1u << 20); ++i) padding += " extra" + std::to_string(i) + "=\"" + std::string(40, 'p') + "\"";
  EXPECT_EQ(NS_OK, Send("<command method=\"setText\" type=\"text\" id=\"NONE\" name=\"first\" value=\"big\"" + padding + "/>"));
  EXPECT_EQ((Lines{status("SUCCESS"), status("SUCCESS")}), Replies());
  EXPECT_EQ("big", ValueOf("name=first"));
  EXPECT_EQ("none", TextOf("log"));
}

TEST_F(PlaybackTest, SetMaxTimeLimitIsSilentAndMakesSetWindowRetry) {
  Load(kForm);
  EXPECT_EQ(Lines{}, Play(command({{"method", "setMaxTimeLimit"}, {"value", "30"}})));
  EXPECT_EQ(30, maxTimeLimit.load());
  // An empty value leaves the limit as it was.
  EXPECT_EQ(Lines{}, Play(command({{"method", "setMaxTimeLimit"}, {"value", ""}})));
  EXPECT_EQ(30, maxTimeLimit.load());

  // The window appears while the search retries.
  Send(setWindow("Later"));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_EQ(1, player->RunningActions());
  Load("<p id='here'>here</p>", "Later");
  EXPECT_EQ(Lines{status("SUCCESS")}, Replies());

  // A window that never appears is given up after the limit: thirty retries.
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ((Lines{status("FAILED", "Window Not Found"), status("ERROR_WINDOW_NOT_FOUND")}), Play(setWindow("Never")));
  const auto took = std::chrono::steady_clock::now() - started;
  EXPECT_GE(took, scaled(30 * 0.9));

  // Back to one try: the failure is immediate.
  Play(command({{"method", "setMaxTimeLimit"}, {"value", "0"}}));
  const auto again = std::chrono::steady_clock::now();
  EXPECT_EQ((Lines{status("FAILED", "Window Not Found"), status("ERROR_WINDOW_NOT_FOUND")}), Play(setWindow("Never")));
  EXPECT_LT(std::chrono::steady_clock::now() - again, took);
}

// Numbers the host sends are read as strtol reads them and held within 32 bits: a limit
// below zero or not a number means one try, a waiting time that is no number or below
// zero no wait (each search is over before the fixture gives up on it), a limit beyond
// 32 bits the largest there is, and an index out of range finds nothing.
TEST_F(PlaybackTest, OddNumbersInCommandsNeitherOverflowNorWait) {
  Open("form.html");
  EXPECT_EQ(Lines{}, Play(command({{"method", "setMaxTimeLimit"}, {"value", "-3"}})));
  EXPECT_EQ(-3, maxTimeLimit.load());
  EXPECT_EQ((Lines{status("FAILED", "Window Not Found"), status("ERROR_WINDOW_NOT_FOUND")}), Play(setWindow("Never")));
  EXPECT_EQ(Lines{}, Play(command({{"method", "setMaxTimeLimit"}, {"value", "ten"}})));
  EXPECT_EQ(0, maxTimeLimit.load());
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Order Form", "soon")));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Order Form", "-7")));

  Play(command({{"method", "setMaxTimeLimit"}, {"value", "99999999999"}}));
  EXPECT_EQ(2147483647, maxTimeLimit.load());
  Play(command({{"method", "setMaxTimeLimit"}, {"value", "-99999999999"}}));
  EXPECT_EQ(-2147483647 - 1, maxTimeLimit.load());
  maxTimeLimit = 0;

  for (const char* index : {"-1", "1", "4294967296", "99999999999999"}) {
    SCOPED_TRACE(index);
    EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
              Play(command({{"method", "setText"}, {"type", "text"}, {"id", "customer"}, {"name", "customer"},
                            {"value", "x"}, {"index", index}})));
  }
  EXPECT_EQ("", ValueOf("customer"));
  // 2^32 read without the bound would wrap round to the first field.
  EXPECT_EQ((Lines{status("SUCCESS"), status("SUCCESS")}),
            Play(command({{"method", "setText"}, {"type", "text"}, {"id", "customer"}, {"name", "customer"},
                          {"value", "y"}, {"index", "0"}})));
  EXPECT_EQ("y", ValueOf("customer"));
}

// Each action reads the command it was started for, however quickly the next arrives.
TEST_F(PlaybackTest, QuickSuccessiveCommandsEachActOnTheirOwnCommand) {
  std::string fields;
  for (int i = 0; i < 12; ++i) fields += "<input type='text' name='f" + std::to_string(i) + "'>";
  Load(fields);
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Test page")));
  for (int i = 0; i < 12; ++i) {
    const std::string n = std::to_string(i);
    Send(command({{"method", "setText"}, {"type", "text"}, {"id", "NONE"}, {"name", "f" + n}, {"value", "v" + n}}));
  }
  const Lines replies = Replies();
  EXPECT_EQ(24u, replies.size());
  for (const auto& reply : replies) EXPECT_EQ(status("SUCCESS"), reply);
  for (int i = 0; i < 12; ++i) {
    nsCOMPtr<nsIDOMNodeList> named;
    ASSERT_EQ(NS_OK, document->GetElementsByName(NS_ConvertUTF8toUTF16(("f" + std::to_string(i)).c_str()),
                                                 getter_AddRefs(named)));
    nsCOMPtr<nsIDOMNode> node;
    ASSERT_EQ(NS_OK, named->Item(0, getter_AddRefs(node)));
    nsCOMPtr<nsIDOMHTMLInputElement> input = do_QueryInterface(node);
    ASSERT_TRUE(input);
    nsString value;
    input->GetValue(value);
    EXPECT_EQ("v" + std::to_string(i), utf8(value));
  }
}

}  // namespace
}  // namespace marbleck_playback_test
