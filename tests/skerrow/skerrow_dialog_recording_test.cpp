// What the host receives while the simulated user answers the browser's own dialog
// boxes and uses its toolbar and address bar: the hook library reports the native
// windows to the recorder's hidden window, which records the lines.
#include <windows.h>

#include <cstdint>
#include <string>

#include "skerrow_fixture.h"
#include "testbed/native_user.h"

namespace skerrowtest {
namespace {

constexpr char kMessageBoxTitle[] = "Microsoft Internet Explorer";
constexpr char kPromptTitle[] = "Explorer User Prompt";

class DialogRecordingTest : public SkerrowTest {
 protected:
  void recordOn(const std::string& page) {
    ASSERT_EQ(1, callInt(controller_, "LaunchBrowser", "(I)I", 0));
    userDoes("open " + siteUrl(page));
    startRecordingThread(false);
    ASSERT_EQ("receiveEvents:launchApplication(\"" + siteUrl(page) + "\")", nextRecorded());
  }
  std::string line() {
    const std::string call = nextRecorded();
    const std::string prefix = "receiveEvents:";
    return call.rfind(prefix, 0) == 0 ? call.substr(prefix.size()) : "(not a line: " + call + ")";
  }
  void expectNoLine() { EXPECT_EQ("", nextRecorded(300)); }

  static std::string windowLine(const std::string& title) {
    return "setWindow[windowname:,:NONE:;:windowtitle:,:" + title + ":;:parenttitle:,:" + title + ":;:index:,:0]";
  }
  static std::string alertWindowLine(const std::string& title, const std::string& type) {
    return "setAlertWindow[windowname:,:NONE:;:windowtitle:,:" + title + ":;:parenttitle:,:" + title +
           ":;:index:,:0:;:type:,:" + type + "]";
  }
  static std::string buttonLine(const std::string& name, int id) {
    return "clickButton[classname:,:Button:;:name:,:" + name + ":;:isVisible:,:true:;:isEnabled:,:true:;:index:,:" +
           std::to_string(id) + "]";
  }
  static std::string pageButtonLine(const std::string& id, int sourceIndex, const std::string& caption) {
    return "clickButton[name:,:NONE:;:id:,:" + id + ":;:formname:,:NONE:;:sourceindex:,:" +
           std::to_string(sourceIndex) + ":;:type:,:button:;:source:,:NONE:;:value:,:" + caption +
           ":;:disable:,:false:;:index:,:0:;:tooltip:,:NONE]";
  }
  // The dialog the page shows now, once it is up.
  static HWND dialogTitled(const char* title) { return testbed::native_user::waitForWindow(title, kPatienceMs); }
};

TEST_F(DialogRecordingTest, ScriptDialogsAreRecordedWithTheirKindAndTheUsersAnswer) {
  recordOn("dialogs.html");
  userDoes("click #alertButton");
  EXPECT_EQ(windowLine("Dialogs"), line());
  EXPECT_EQ(pageButtonLine("alertButton", 5, "Alert"), line());
  EXPECT_EQ(alertWindowLine(kMessageBoxTitle, "alert"), line());
  userDoes("dialog OK");
  EXPECT_EQ(buttonLine("OK", 1), line());
  expectNoLine();

  // The confirm is a new window with the same title: announced again.
  userDoes("click #confirmButton");
  EXPECT_EQ(windowLine("Dialogs"), line()) << "the user came back from the dialog to the page";
  EXPECT_EQ(pageButtonLine("confirmButton", 6, "Confirm"), line());
  EXPECT_EQ(alertWindowLine(kMessageBoxTitle, "confirm"), line());
  userDoes("dialog Cancel");
  EXPECT_EQ(buttonLine("Cancel", 2), line());

  // The prompt's answer is typed over its default text; the label is its message.
  userDoes("click #promptButton");
  EXPECT_EQ(windowLine("Dialogs"), line());
  EXPECT_EQ(pageButtonLine("promptButton", 7, "Prompt"), line());
  EXPECT_EQ(alertWindowLine(kPromptTitle, "prompt"), line());
  userDoes("dialog OK C:\\temp\\Ada");
  EXPECT_EQ("setText[name:,:Edit:;:classname:,:Edit:;:isVisible:,:true:;:isEnabled:,:true:;:value:,:C:\\\\temp\\\\Ada:;:"
            "index:,:1003:;:previouswindow:,:Your name?]",
            line());
  EXPECT_EQ(buttonLine("OK", 1), line());
  expectNoLine();
}

TEST_F(DialogRecordingTest, TextTypedBeforeADialogReachesTheHostOnceAndFirst) {
  recordOn("dialogs.html");
  userDoes("type #nickname Bo");
  const std::string text = "setText[name:,:nickname:;:id:,:nickname:;:formname:,:NONE:;:sourceindex:,:9:;:type:,:text:;:"
                           "disable:,:false:;:value:,:Bo:;:index:,:0:;:tooltip:,:NONE]";
  EXPECT_EQ(windowLine("Dialogs"), line());
  EXPECT_EQ(text, line());
  EXPECT_EQ(alertWindowLine(kMessageBoxTitle, "alert"), line());
  userDoes("dialog OK");
  EXPECT_EQ(buttonLine("OK", 1), line());
  expectNoLine();
}

TEST_F(DialogRecordingTest, ADialogShownAgainOverItsParentIsAnnouncedOnceForItsTitle) {
  recordOn("dialogs.html");
  userDoes("click #alertButton");
  EXPECT_EQ(windowLine("Dialogs"), line());
  EXPECT_EQ(pageButtonLine("alertButton", 5, "Alert"), line());
  // Its activation and its showing both tell of the new dialog: one line.
  EXPECT_EQ(alertWindowLine(kMessageBoxTitle, "alert"), line());
  expectNoLine();
  const HWND alert = dialogTitled(kMessageBoxTitle);
  ASSERT_NE(nullptr, alert);
  const HWND hidden = FindWindowA("CSkerrowApp", "ZURI Daruru");
  ASSERT_NE(nullptr, hidden);
  // The same dialog told of twice more, as when it is shown over its parent again.
  for (int i = 0; i < 2; ++i) {
    COPYDATASTRUCT data{0, sizeof alert, const_cast<HWND*>(&alert)};
    EXPECT_EQ(0, SendMessageA(hidden, WM_COPYDATA, 0x0210, reinterpret_cast<LPARAM>(&data)));
  }
  expectNoLine();
  // A record too short to hold a window is not read.
  COPYDATASTRUCT shortData{0, 2, const_cast<HWND*>(&alert)};
  EXPECT_EQ(0, SendMessageA(hidden, WM_COPYDATA, 0x0010, reinterpret_cast<LPARAM>(&shortData)));
  expectNoLine();
  userDoes("dialog OK");
  EXPECT_EQ(buttonLine("OK", 1), line());
}

TEST_F(DialogRecordingTest, TheToolbarAndTheAddressBarAfterADialog) {
  recordOn("frames.html");
  waitForQuietTrace();
  userDoes("frame nav\nclick #toForm");
  EXPECT_EQ(0u, line().find("setWindow[windowname:,:nav:;:"));
  EXPECT_EQ(0u, line().find("clickLink["));
  waitForQuietTrace();
  userDoes("open " + siteUrl("dialogs.html"));
  EXPECT_EQ("changeURL[name:,:" + siteUrl("dialogs.html") + "]", line());
  waitForQuietTrace();
  userDoes("click #guardedLink");
  EXPECT_EQ(windowLine("Dialogs"), line());
  EXPECT_EQ(0u, line().find("clickLink[name:,:NONE:;:id:,:guardedLink:;:innertext:,:Home, after asking"));
  EXPECT_EQ(alertWindowLine(kMessageBoxTitle, "confirm"), line());
  userDoes("dialog OK");
  EXPECT_EQ(buttonLine("OK", 1), line());
  waitForQuietTrace();
  // The toolbar's window first: the user came from the dialog.
  userDoes("back");
  // The top window's own name, not a frame's named before (the frames page came first).
  EXPECT_EQ(windowLine("Sample Home"), line());
  EXPECT_EQ("clickMainToolBarButton[name:,:Back]", line());
  waitForQuietTrace();
  userDoes("forward");
  EXPECT_EQ("clickMainToolBarButton[name:,:Forward]", line()) << "the window did not change";
  waitForQuietTrace();
  userDoes("open " + siteUrl("form.html"));
  EXPECT_EQ("changeURL[name:,:" + siteUrl("form.html") + "]", line());
  expectNoLine();
}

TEST_F(DialogRecordingTest, WhilePickingACheckpointDialogsCloseAndAStaticGivesItsProperties) {
  recordOn("dialogs.html");
  userDoes("click #alertButton");
  EXPECT_EQ(windowLine("Dialogs"), line());
  EXPECT_EQ(pageButtonLine("alertButton", 5, "Alert"), line());
  EXPECT_EQ(alertWindowLine(kMessageBoxTitle, "alert"), line());
  const HWND alert = dialogTitled(kMessageBoxTitle);
  ASSERT_NE(nullptr, alert);

  callVoid(controller_, "SelectCheckPoint", "(I)V", 0);
  ASSERT_TRUE(testbed::native_user::click(GetDlgItem(alert, 0xFFFF)));
  EXPECT_EQ("receiveCheckPoints:windowtitle:,:Microsoft Internet Explorer:;:windowname:,:NONE:;:"
            "parenttitle:,:Microsoft Internet Explorer:;:classname:,:Static:;:value:,:Hello from the page:;:"
            "isVisible:,:true:;:isEnabled:,:true:;:controlid:,:65535:;:ID:,:65535:;::;;:",
            nextRecorded());
  // The icon is a Static too; the dialog itself is no control.
  ASSERT_TRUE(testbed::native_user::click(alert));
  EXPECT_EQ("", nextRecorded(300));
  ASSERT_TRUE(testbed::native_user::pressDialogButton(alert, IDOK));
  EXPECT_EQ(0u, nextRecorded().find("receiveCheckPoints:windowtitle:,:Microsoft Internet Explorer:;:windowname:,:NONE:;:"
                                    "parenttitle:,:Microsoft Internet Explorer:;:classname:,:Button:;:label:,:OK:;:"));
  waitForQuietTrace();

  // A dialog raised while picking is closed at once; nothing is recorded for it.
  userDoes("click #confirmButton");
  const std::string picked = nextRecorded();
  EXPECT_EQ(0u, picked.find("receiveCheckPoints:")) << picked;
  EXPECT_TRUE(waitFor([] { return FindWindowA(nullptr, kMessageBoxTitle) == nullptr; }, 5000));
  waitForQuietTrace();
  EXPECT_EQ("", nextRecorded(300));
  callVoid(controller_, "DisableCheckPointMode", "()V");
  expectNoLine();
}

TEST_F(DialogRecordingTest, ReportsAboutADialogThatIsGoneRecordNothing) {
  recordOn("dialogs.html");
  userDoes("click #alertButton");
  EXPECT_EQ(windowLine("Dialogs"), line());
  EXPECT_EQ(pageButtonLine("alertButton", 5, "Alert"), line());
  EXPECT_EQ(alertWindowLine(kMessageBoxTitle, "alert"), line());
  const HWND alert = dialogTitled(kMessageBoxTitle);
  ASSERT_NE(nullptr, alert);
  userDoes("dialog OK");
  EXPECT_EQ(buttonLine("OK", 1), line());
  ASSERT_TRUE(waitFor([&] { return !IsWindow(alert); }, 5000));
  const HWND hidden = FindWindowA("CSkerrowApp", "ZURI Daruru");
  ASSERT_NE(nullptr, hidden);
  EXPECT_EQ(0, SendMessageA(hidden, 0x80AB, reinterpret_cast<WPARAM>(alert), 0));
  EXPECT_EQ(0, SendMessageA(hidden, 0x80AC, reinterpret_cast<WPARAM>(alert), 0));
  for (const WPARAM code : {0x0000, 0x0009, 0x000D, 0x0010, 0x0200, 0x0210, 0x0300}) {
    COPYDATASTRUCT data{IDOK, sizeof alert, const_cast<HWND*>(&alert)};
    EXPECT_EQ(0, SendMessageA(hidden, WM_COPYDATA, code, reinterpret_cast<LPARAM>(&data))) << code;
  }
  struct {
    std::int32_t x, y;
    HWND window;
  } mouse{5, 5, alert};
  for (const WPARAM code : {0x0202, 0x0203}) {
    COPYDATASTRUCT data{IDOK, sizeof mouse, &mouse};
    EXPECT_EQ(0, SendMessageA(hidden, WM_COPYDATA, code, reinterpret_cast<LPARAM>(&data))) << code;
    EXPECT_EQ(0, SendMessageA(hidden, WM_COPYDATA, code, 0)) << code;
  }
  expectNoLine();
}

}  // namespace
}  // namespace skerrowtest
