// A whole recording session as the host sees it: build/bin/mozilla loads the component
// from its components folder, the test's server plays the host and commands the
// recording, the simulated user acts on the browser's standard input, and the recorded
// lines arrive over TCP in the order the user acted.
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

std::string setWindow(const std::string& title) {
  return "RecordEvent_setWindow[windowname:,:NONE:;:windowtitle:,:" + title + ":;:parenttitle:,:" + title + "]";
}

class RecordingThroughTheBrowser : public ::testing::Test {
 protected:
  void SetUp() override { marbleck_test::setServerEnvironment(server.port(), traceFile); }

  // Sends a message no command matches and waits until the loop has read it: every
  // command sent before it has then been carried out.
  void settle() {
    const std::string word = "settle " + std::to_string(++settles) + "\n";
    ASSERT_TRUE(server.Send(word));
    ASSERT_TRUE(marbleck_test::waitForTrace(traceFile, "message from the server is " + word));
  }

  // Waits until the trace holds `text` twice.
  bool waitForSecond(const std::string& text) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
      const std::string trace = marbleck_test::fileText(traceFile);
      const size_t first = trace.find(text);
      if (first != std::string::npos && trace.find(text, first + text.size()) != std::string::npos) return true;
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

  // The next `count` lines, then a short wait showing that no other line follows.
  Lines read(size_t count) {
    Lines lines;
    while (lines.size() < count) {
      auto line = server.ReadLine(std::chrono::seconds(20));
      if (!line) break;
      lines.push_back(*line);
    }
    if (auto extra = server.ReadLine(std::chrono::milliseconds(500))) lines.push_back(*extra);
    return lines;
  }

  marbleck_test::TemporaryFolder folder;
  const std::filesystem::path traceFile = folder.path() / "trace.log";
  marbleck_test::LoopbackServer server;
  int settles = 0;
};

TEST_F(RecordingThroughTheBrowser, TheHostReceivesWhatTheUserDidInOrderAndNothingAfterStop) {
  browser_test::BrowserProcess browser(MOZILLA_EXECUTABLE,
                                       {"--components", MARBLECK_COMPONENTS, "--url", siteUrl("index.html")});
  ASSERT_TRUE(server.Accept(std::chrono::seconds(20)));
  const std::string launch = "RecordEvent_launchApplication(\"" + siteUrl("index.html") + "\")";
  // The component connects before the first page has loaded. A recorder that sees that
  // load finish is already listening to the page's history when its own reload comes,
  // and records it as "Refresh": a first session lets the page settle.
  ASSERT_TRUE(server.Send("start record\n"));
  EXPECT_EQ(server.ReadLine(std::chrono::seconds(20)), launch);
  settle();
  ASSERT_TRUE(server.Send("stop record\n"));
  ASSERT_TRUE(marbleck_test::waitForTrace(traceFile, "message from the server is stop record\n"));
  settle();
  while (server.ReadLine(std::chrono::milliseconds(300))) {
  }

  ASSERT_TRUE(server.Send("start record\n"));
  EXPECT_EQ(server.ReadLine(std::chrono::seconds(20)), launch);
  // The reload "start record" asked for has begun once the loop reads the next message;
  // the user's actions come after it.
  settle();

  ASSERT_TRUE(browser.write("click #formLink\n"
                            "type #customer Ann\n"
                            "click #check\n"
                            "dialog OK\n"
                            "back\n"));
  const std::string field = "formname:,:order:;:sourceindex:,:0:;:";
  const Lines expected = {
      setWindow("Sample Home"),
      "RecordEvent_clickLink[name:,:NONE:;:id:,:formLink:;:formname:,:NONE:;:sourceindex:,:0:;:type:,:link:;:"
      "value:,:NONE:;:index:,:0:;:innertext:,:the order form:;:target:,:" + siteUrl("form.html") + ":;:source:,:NONE]",
      setWindow("Order Form"),
      "RecordEvent_setText[name:,:customer:;:id:,:customer:;:" + field + "type:,:text:;:disable:,:false:;:"
      "value:,:Ann:;:index:,:0]",
      "RecordEvent_clickButton[name:,:NONE:;:id:,:check:;:" + field + "type:,:button:;:disable:,:false:;:"
      "value:,:Check:;:index:,:0:;:source:,:NONE:;:defaultChecked:,:false]",
      "RecordEvent_setAlertWindow[windowname:,:NONE:;:windowtitle:,:[JavaScript Application]:;:"
      "parenttitle:,:NONE:;:type:,:alert]",
      "RecordEvent_clickButton[classname:,:dialog-button:;:name:,:OK:;:isVisible:,:true:;:isEnabled:,:true:;:"
      "index:,:0]",
      "RecordEvent_clickMainToolBarButton[name:,:Back]",
  };
  EXPECT_EQ(expected, read(expected.size()));

  // Once recording has stopped, the same kind of actions send nothing. The last line
  // cannot be done (no dialog is up): its report tells that the actions before it are over.
  ASSERT_TRUE(server.Send("stop record\n"));
  // Read apart from the next message, so that the two cannot arrive as one.
  ASSERT_TRUE(waitForSecond("message from the server is stop record\n"));
  settle();
  ASSERT_TRUE(browser.write("click #formLink\n"
                            "type #customer Bob\n"
                            "click #check\n"
                            "dialog OK\n"
                            "back\n"
                            "dialog OK\n"));
  ASSERT_TRUE(browser.waitForError("user script: line 11: "));
  EXPECT_EQ(server.ReadLine(std::chrono::milliseconds(500)), std::nullopt);

  // "quit" ends the connection; the browser runs on until it is told to end.
  ASSERT_TRUE(server.Send("quit\n"));
  EXPECT_TRUE(server.WaitForClose());
  EXPECT_EQ(browser.waitForExit(std::chrono::milliseconds(200)), std::nullopt);
  browser.signal(SIGTERM);
  EXPECT_EQ(browser.waitForExit(), 1) << browser.errors();
}

}  // namespace
