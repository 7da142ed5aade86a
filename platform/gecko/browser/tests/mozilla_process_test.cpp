// build/bin/mozilla as a process: its arguments, a user-script file, actions on standard
// input performed as they arrive, and when it ends.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "browser_process.h"

namespace {

using browser_test::BrowserProcess;
using namespace std::chrono_literals;

std::string siteUrl(const std::string& page) { return "file://" TW_EXAMPLE_SITE "/" + page; }

// An empty components folder and a place for scripts, removed at the end.
class MozillaProcessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("mozilla-process-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder / "components");
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string script(const std::string& text) {
    const auto path = folder / "actions.txt";
    std::ofstream(path) << text;
    return path.string();
  }
  std::vector<std::string> withPage(const std::string& page, std::vector<std::string> more = {}) {
    std::vector<std::string> arguments{"--components", (folder / "components").string(), "--url", siteUrl(page)};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
  }

  std::filesystem::path folder;
};

TEST_F(MozillaProcessTest, BadArgumentsAreNamedOnStandardErrorWithStatusTwo) {
  const std::string components = (folder / "components").string();
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "mozilla: --components DIR is required\nusage: mozilla --components DIR --url URL"},
      {{"--components", components}, "mozilla: --url URL is required\n"},
      {{"--components", components, "--url"}, "mozilla: --url needs a value\n"},
      {{"--components", components, "--url", "about:blank", "--fast"}, "mozilla: unknown argument \"--fast\"\n"},
      {{"--components", (folder / "none").string(), "--url", "about:blank"},
       "mozilla: the components folder \"" + (folder / "none").string() + "\" is not a folder\n"},
      {{"--components", components, "--url", "about:blank", "--user-script", (folder / "none.txt").string()},
       "mozilla: cannot read the user script \"" + (folder / "none.txt").string() + "\": No such file"},
  };
  for (const auto& [arguments, message] : cases) {
    BrowserProcess browser(MOZILLA_EXECUTABLE, arguments);
    ASSERT_TRUE(browser.started());
    EXPECT_EQ(browser.waitForExit(), 2);
    EXPECT_NE(browser.errors().find(message), std::string::npos) << browser.errors();
  }
}

TEST_F(MozillaProcessTest, AScriptThatClosesTheLastWindowEndsTheBrowser) {
  BrowserProcess browser(MOZILLA_EXECUTABLE,
                         withPage("index.html", {"--user-script", script("# to the form\n\nclick #formLink\n"
                                                                         "type #customer Ann\nback\nclose\n")}));
  EXPECT_EQ(browser.waitForExit(), 0);
  EXPECT_EQ(browser.errors(), "");
}

TEST_F(MozillaProcessTest, AScriptLineThatCannotBeDoneStopsTheScriptWithItsNumber) {
  BrowserProcess browser(MOZILLA_EXECUTABLE, withPage("index.html", {"--user-script",
                                                                     script("click #formLink\nclick #formLink\nclose\n")}));
  ASSERT_TRUE(browser.waitForError("user script: line 2: "));
  // "close" was not performed: the window stays until the browser is told to end.
  EXPECT_FALSE(browser.waitForExit(300ms));
  browser.signal(SIGTERM);
  EXPECT_EQ(browser.waitForExit(), 1);

  BrowserProcess malformed(MOZILLA_EXECUTABLE, withPage("index.html", {"--user-script", script("back\njump #x\n")}));
  ASSERT_TRUE(malformed.waitForError("user script: line 2: "));
  malformed.signal(SIGINT);
  EXPECT_EQ(malformed.waitForExit(), 1);
}

TEST_F(MozillaProcessTest, ActionsOnStandardInputArePerformedAsTheyArrive) {
  BrowserProcess browser(MOZILLA_EXECUTABLE, withPage("index.html"));
  ASSERT_TRUE(browser.write("click #formLink\n"));
  // Only the form has these: the first line was performed before the second came.
  ASSERT_TRUE(browser.write("type #customer Ann\n"));
  ASSERT_TRUE(browser.write("click #orderForm\n"));
  EXPECT_FALSE(browser.waitForExit(300ms));
  EXPECT_EQ(browser.errors(), "");
  // A line that cannot be done is reported with its number in the whole input.
  ASSERT_TRUE(browser.write("click #formLink\n"));
  ASSERT_TRUE(browser.waitForError("user script: line 4: "));
  browser.signal(SIGTERM);
  EXPECT_EQ(browser.waitForExit(), 1);
}

TEST_F(MozillaProcessTest, TheEndOfInputLeavesTheBrowserOpenUntilItsLastWindowCloses) {
  BrowserProcess closing(MOZILLA_EXECUTABLE, withPage("index.html"));
  ASSERT_TRUE(closing.write("click #formLink\nclose"));  // the last line without its break
  EXPECT_FALSE(closing.waitForExit(300ms));
  closing.closeInput();
  EXPECT_EQ(closing.waitForExit(), 0);
  EXPECT_EQ(closing.errors(), "");

  BrowserProcess open(MOZILLA_EXECUTABLE, withPage("index.html"));
  open.closeInput();
  EXPECT_FALSE(open.waitForExit(300ms));
  open.signal(SIGTERM);
  EXPECT_EQ(open.waitForExit(), 0);
  EXPECT_EQ(open.errors(), "");
}

TEST_F(MozillaProcessTest, APageThatClosesItsWindowEndsTheBrowser) {
  BrowserProcess browser(MOZILLA_EXECUTABLE, withPage("popup.html"));
  ASSERT_TRUE(browser.write("click #closeMe\n"));
  EXPECT_EQ(browser.waitForExit(), 0) << browser.errors();
}

}  // namespace
