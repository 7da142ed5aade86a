// Playback as the host sees it: build/bin/mozilla loads the component from its components
// folder, the test's server sends "play" and command documents, the simulated user acts
// on the browser's standard input, and the replies arrive over TCP byte for byte.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "browser_process.h"
#include "loopback_server.h"
#include "test_support.h"

namespace {

using Lines = std::vector<std::string>;

std::string siteUrl(const std::string& page) { return "file://" TW_EXAMPLE_SITE "/" + page; }

std::string status(const std::string& value, const std::string& debug = "") {
  return "<message status=\"" + value + "\" debugMessage=\"" + debug + "\"/>";
}

std::string setWindow(const std::string& title) {
  return "<command method=\"setWindow\" parenttitle=\"" + title + "\" windowtitle=\"" + title +
         "\" windowname=\"NONE\" parenttitlecondition=\"equals\" windowtitlecondition=\"equals\" "
         "windownamecondition=\"equals\" waittime=\"0\"/>";
}

size_t occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

class PlaybackThroughTheBrowser : public ::testing::Test {
 protected:
  void SetUp() override { marbleck_test::setServerEnvironment(server.port(), traceFile); }

  // Sends one message and waits until the component has read it, so that the next one
  // cannot arrive in the same read.
  void send(const std::string& message) {
    const std::string heard = "message from the server is " + message;
    const size_t before = occurrences(marbleck_test::fileText(traceFile), heard);
    ASSERT_TRUE(server.Send(message));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (occurrences(marbleck_test::fileText(traceFile), heard) <= before) {
      ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "not read: " << message;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }

  // The next `count` replies, then a short wait showing that no other follows.
  Lines read(size_t count) {
    Lines lines;
    while (lines.size() < count) {
      auto line = server.ReadLine(std::chrono::seconds(20));
      if (!line) break;
      lines.push_back(*line);
    }
    if (auto extra = server.ReadLine(std::chrono::milliseconds(300))) lines.push_back(*extra);
    return lines;
  }

  marbleck_test::TemporaryFolder folder;
  const std::filesystem::path traceFile = folder.path() / "trace.log";
  marbleck_test::LoopbackServer server;
};

TEST_F(PlaybackThroughTheBrowser, AScriptPlaysBackWithTheRepliesTheHostExpects) {
  browser_test::BrowserProcess browser(MOZILLA_EXECUTABLE,
                                       {"--components", MARBLECK_COMPONENTS, "--url", siteUrl("index.html")});
  ASSERT_TRUE(server.Accept(std::chrono::seconds(20)));
  send("play\n");
  ASSERT_TRUE(marbleck_test::waitForTrace(traceFile, "going to play back the action\n"));

  // Before any window was found.
  send("<command method=\"clickButton\" type=\"button\" id=\"check\" name=\"NONE\" value=\"Check\"/>");
  EXPECT_EQ(Lines{status("ERROR_HTML_DOCUMENT_NULL")}, read(1));
  send("<command method=\"executeTest\" caseid=\"case-1\" checktype=\"element\"/>");
  EXPECT_EQ(Lines{"<statusmessage caseid=\"case-1\" status=\"ERROR_DOCUMENT_NULL\" />"}, read(1));
  send("<command method=\"clickmaintoolbar\" name=\"Back\"/>");
  send("<command method=\"clickMainToolBar\" name=\"Home\"/>");
  send(setWindow("Nowhere"));
  EXPECT_EQ((Lines{status("FAILED", "Window Not Found"), status("ERROR_WINDOW_NOT_FOUND")}), read(2));

  // With a time limit the search waits for the page the user opens meanwhile.
  send("<command method=\"setMaxTimeLimit\" value=\"30\"/>");
  send(setWindow("Order Form"));
  ASSERT_TRUE(browser.write("click #formLink\n"));
  EXPECT_EQ(Lines{status("SUCCESS")}, read(1));

  send("<command method=\"setText\" type=\"text\" id=\"customer\" name=\"customer\" value=\"Ann\"/>");
  EXPECT_EQ((Lines{status("SUCCESS"), status("SUCCESS")}), read(2));
  send("<command method=\"executeTest\" checktype=\"element\" caseid=\"c2\" type=\"text\" id=\"customer\" "
       "name=\"customer\"><check value=\"\"/></command>");
  EXPECT_EQ(Lines{"<statusmessage caseid=\"c2\" status=\"PASSED\" value =\"Ann\" />"}, read(1));
  send("<command method=\"setText\" type=\"textarea\" id=\"notes\" name=\"notes\" value=\"aVK_RETURNb\"/>");
  EXPECT_EQ(Lines{status("SUCCESS")}, read(1));
  send("<command method=\"selectItem\" type=\"select-multiple\" id=\"extras\" name=\"extras\">"
       "<option selectedvalue=\"Cable\"/><option selectedvalue=\"Manual\"/></command>");
  EXPECT_EQ(Lines{status("SUCCESS")}, read(1));

  // A page alert, answered through the dialog's button.
  send("<command method=\"clickButton\" type=\"button\" id=\"check\" name=\"NONE\" value=\"Check\"/>");
  EXPECT_EQ(Lines{status("SUCCESS")}, read(1));
  send("<command method=\"setAlertWindow\" windowtitle=\"[JavaScript Application]\"/>");
  EXPECT_EQ(Lines{status("SUCCESS")}, read(1));
  send("<command method=\"clickButton\" classname=\"dialog-button\" name=\"OK\"/>");
  EXPECT_EQ(Lines{status("SUCCESS")}, read(1));

  // Back to the first page with the toolbar, then the window is closed, which ends the
  // browser.
  send("<command method=\"clickMainToolBar\" name=\"Back\"/>");
  EXPECT_EQ(Lines{status("SUCCESS")}, read(1));
  send(setWindow("Sample Home"));
  EXPECT_EQ(Lines{status("SUCCESS")}, read(1));
  send("<command method=\"closeWindow\" parenttitle=\"Sample Home\" windowtitle=\"Sample Home\" windowname=\"NONE\"/>");
  EXPECT_EQ(Lines{status("SUCCESS")}, read(1));
  EXPECT_EQ(browser.waitForExit(), 0) << browser.errors();
}

}  // namespace
