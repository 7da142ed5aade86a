// The component as it runs in build/bin/mozilla: loaded from the components folder,
// created at start-up, connected to the test's server, and reporting the page the
// browser shows while the simulated user acts on standard input.
#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "browser_process.h"
#include "loopback_server.h"
#include "test_support.h"

namespace {

std::string siteUrl(const std::string& page) { return "file://" TW_EXAMPLE_SITE "/" + page; }
std::string launchLine(const std::string& url) { return "RecordEvent_launchApplication(\"" + url + "\")"; }

// The browser of the test, with the component's environment pointing to the test's server.
class MozillaWithTheComponent : public ::testing::Test {
 protected:
  void SetUp() override { marbleck_test::setServerEnvironment(server.port(), traceFile); }
  std::vector<std::string> arguments(const std::string& page) {
    return {"--components", MARBLECK_COMPONENTS, "--url", siteUrl(page)};
  }

  marbleck_test::TemporaryFolder folder;
  const std::filesystem::path traceFile = folder.path() / "trace.log";
  marbleck_test::LoopbackServer server;
};

TEST_F(MozillaWithTheComponent, StartRecordReportsThePageTheUserHasReached) {
  browser_test::BrowserProcess browser(MOZILLA_EXECUTABLE, arguments("index.html"));
  ASSERT_TRUE(server.Accept(std::chrono::seconds(20)));
  ASSERT_TRUE(server.Send("start record\n"));
  EXPECT_EQ(server.ReadLine(), launchLine(siteUrl("index.html")));
  EXPECT_TRUE(marbleck_test::waitForTrace(traceFile, "connection succeeded in 0 attempt\n"));

  // The reload "start record" asked for has begun once the next message is read (the
  // loop reads it only then; no command matches it); a click after that overtakes it.
  ASSERT_TRUE(server.Send("settle\n"));
  ASSERT_TRUE(marbleck_test::waitForTrace(traceFile, "message from the server is settle\n"));
  // The user follows a link. The line after it cannot be done ("no dialog"): its report
  // tells that the click and the load it caused are over.
  ASSERT_TRUE(browser.write("click #formLink\ndialog OK\n"));
  ASSERT_TRUE(browser.waitForError("user script: line 2: "));
  ASSERT_TRUE(server.Send("start record\n"));
  // What the first session recorded of the user comes before the new launch line.
  std::optional<std::string> line;
  while ((line = server.ReadLine()) && line->rfind("RecordEvent_launchApplication", 0) != 0) {
  }
  EXPECT_EQ(line, launchLine(siteUrl("form.html")));
  browser.signal(SIGTERM);
  EXPECT_EQ(browser.waitForExit(), 1);
  // The process's end closes the connection.
  EXPECT_TRUE(server.WaitForClose());
}

TEST_F(MozillaWithTheComponent, ClosingTheLastWindowEndsTheBrowserAndTheConnection) {
  browser_test::BrowserProcess browser(MOZILLA_EXECUTABLE, arguments("form.html"));
  ASSERT_TRUE(server.Accept(std::chrono::seconds(20)));
  ASSERT_TRUE(browser.write("close\n"));
  EXPECT_EQ(browser.waitForExit(), 0);
  EXPECT_EQ(browser.errors(), "");
  EXPECT_TRUE(server.WaitForClose());
}

}  // namespace
