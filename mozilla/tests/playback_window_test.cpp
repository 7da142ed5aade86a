// The window actions: finding the recorded window and frame, the page wait, closing
// browser windows, the front dialog, loading an address and the toolbar.
#include <chrono>
#include <string>

#include "nsIDOMWindow.h"
#include "playback_fixture.h"

namespace marbleck_playback_test {
namespace {

std::string windowCommand(const std::string& method, const std::string& parent, const std::string& title,
                          const std::string& frame) {
  return command({{"method", method}, {"parenttitle", parent}, {"windowtitle", title}, {"windowname", frame}});
}

TEST_F(PlaybackTest, SetWindowWithFrameNoneMakesTheContentWindowCurrent) {
  Open("index.html");
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Sample Home")));
  // The page is now where elements are found.
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "clickLink"}, {"id", "formLink"}, {"innertext", "the order form"}})));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("Order Form", Title());
}

TEST_F(PlaybackTest, SetWindowFindsNestedFramesByNameAndTitleStart) {
  Open("frames.html");
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(setFrame("Frame Set", "Rig", "right", "starts with")));
  // The frame's own page answers: the navigation frame's link is not there.
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
            Play(command({{"method", "clickLink"}, {"id", "toForm"}, {"innertext", "NONE"}})));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(setFrame("Frame Set", "Navigation", "nav")));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "clickLink"}, {"id", "toForm"}, {"innertext", "NONE"}})));
  ASSERT_TRUE(gecko->waitIdle());
  // The link loaded the form into the frame "right".
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(setFrame("Frame Set", "Order Form", "right")));
  EXPECT_EQ((Lines{status("SUCCESS"), status("SUCCESS")}),
            Play(command({{"method", "setText"}, {"type", "text"}, {"id", "customer"}, {"name", "customer"}, {"value", "Lee"}})));
  EXPECT_EQ((Lines{status("FAILED", "Window Not Found"), status("ERROR_WINDOW_NOT_FOUND")}),
            Play(setFrame("Frame Set", "Right", "right")));
}

TEST_F(PlaybackTest, AFailedSetWindowRepliesTwiceAndKeepsTheCurrentWindow) {
  Open("form.html");
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Order Form")));
  EXPECT_EQ((Lines{status("FAILED", "Window Not Found"), status("ERROR_WINDOW_NOT_FOUND")}), Play(setWindow("Elsewhere")));
  // A window whose named frame is missing fails at the search too.
  EXPECT_EQ((Lines{status("FAILED", "Window Not Found"), status("ERROR_WINDOW_NOT_FOUND")}),
            Play(setFrame("Order Form", "Order Form", "nowhere")));
  EXPECT_EQ((Lines{status("SUCCESS"), status("SUCCESS")}),
            Play(command({{"method", "setText"}, {"type", "text"}, {"id", "customer"}, {"name", "customer"}, {"value", "Kim"}})));
  EXPECT_EQ("Kim", ValueOf("customer"));
}

TEST_F(PlaybackTest, SetWindowWaitsTheRecordedSecondsOnceThePageHasLoaded) {
  Open("form.html");
  const auto started = std::chrono::steady_clock::now();
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Order Form", "20")));
  EXPECT_GE(std::chrono::steady_clock::now() - started, scaled(20 * 0.9));
}

TEST_F(PlaybackTest, CloseWindowClosesTheNamedBrowserWindow) {
  Open("index.html");
  ASSERT_TRUE(gecko->openWindow(siteUrl("form.html")));
  EXPECT_EQ(Lines{status("ERROR_WINDOW_NOT_FOUND")}, Play(windowCommand("closeWindow", "Nowhere", "Nowhere", "NONE")));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(windowCommand("closeWindow", "Order Form", "Order Form", "NONE")));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ((Lines{status("FAILED", "Window Not Found"), status("ERROR_WINDOW_NOT_FOUND")}), Play(setWindow("Order Form")));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Sample Home")));
}

TEST_F(PlaybackTest, LaunchApplicationLoadsTheAddressAndTheToolbarMovesThroughHistory) {
  Open("index.html");
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "launchApplication"}, {"value", siteUrl("form.html")}})));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("Order Form", Title());
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "changeURL"}, {"value", siteUrl("tables.html")}})));
  ASSERT_TRUE(gecko->waitIdle());
  const std::string tables = Title();
  EXPECT_NE("Order Form", tables);

  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "clickMainToolBar"}, {"name", "Back"}})));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("Order Form", Title());
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "clickMainToolBar"}, {"name", "Forward"}})));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ(tables, Title());
  // Nowhere further to go: the navigation's failure is the reply.
  EXPECT_EQ(Lines{status("FAILED")}, Play(command({{"method", "clickMainToolBar"}, {"name", "Forward"}})));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "clickMainToolBar"}, {"name", "Refresh"}})));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ(tables, Title());
}

TEST_F(PlaybackTest, ThePromptOfAPageIsAnsweredThroughTheDialogsControls) {
  Open("dialogs.html");
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Dialogs")));
  EXPECT_EQ(Lines{status("ERROR_WINDOW_NOT_FOUND")}, Play(command({{"method", "setAlertWindow"}})));
  // The click is answered before it is made; the prompt then holds its thread.
  Send(command({{"method", "clickButton"}, {"type", "button"}, {"id", "promptButton"}, {"name", "NONE"}}));
  ASSERT_EQ(server.ReadLine(), status("SUCCESS"));
  blocked = 1;
  for (int i = 0; i < 2000 && gecko->dialogTitle().empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ASSERT_EQ("[JavaScript Application]", gecko->dialogTitle());

  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "setAlertWindow"}, {"windowtitle", "[JavaScript Application]"}})) );
  EXPECT_EQ(Lines{status("SUCCESS")},
            Play(command({{"method", "setText"},
                          {"type", "text"},
                          {"classname", "textbox-input"},
                          {"id", "loginTextbox"},
                          {"value", "Ann"}})));
  // Wrong class names and a label the dialog lacks are not found.
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
            Play(command({{"method", "setText"}, {"type", "text"}, {"classname", "textbox"}, {"id", "loginTextbox"}})));
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
            Play(command({{"method", "clickButton"}, {"classname", "dialog-button"}, {"name", "Maybe"}})));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "clickButton"}, {"classname", "dialog-button"}, {"name", "OK"}})));
  ASSERT_TRUE(gecko->waitForNoDialog());
  blocked = 0;
  EXPECT_EQ(Lines{}, Replies());
  EXPECT_EQ("name: Ann", TextOf("answer"));
  // No dialog now: the front window is the browser's own, a XUL document without the
  // dialog's buttons.
  EXPECT_EQ(Lines{status("ERROR_ELEMENT_NOT_FOUND")},
            Play(command({{"method", "clickButton"}, {"classname", "dialog-button"}, {"name", "OK"}})));
}

TEST_F(PlaybackTest, CloseAlertWindowClosesTheFrontDialog) {
  Open("dialogs.html");
  ASSERT_EQ(Lines{status("SUCCESS")}, Play(setWindow("Dialogs")));
  EXPECT_EQ(Lines{status("ERROR_WINDOW_NOT_FOUND")}, Play(command({{"method", "closeAlertWindow"}})));
  Send(command({{"method", "clickButton"}, {"type", "button"}, {"id", "confirmButton"}, {"name", "NONE"}}));
  ASSERT_EQ(server.ReadLine(), status("SUCCESS"));
  blocked = 1;
  for (int i = 0; i < 2000 && gecko->dialogTitle().empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_EQ(Lines{status("SUCCESS")}, Play(command({{"method", "closeAlertWindow"}})));
  ASSERT_TRUE(gecko->waitForNoDialog());
  blocked = 0;
  EXPECT_EQ(Lines{}, Replies());
  // Closed without a button: the page hears Cancel.
  EXPECT_EQ("declined", TextOf("answer"));
}

}  // namespace
}  // namespace marbleck_playback_test
