// The command line and the action lines of the simulated Mozilla.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "action_lines.h"
#include "browser_options.h"

namespace {

using gecko::browser::ActionLines;
using gecko::browser::BrowserOptions;
using gecko::browser::parseBrowserOptions;

TEST(BrowserOptions, TakesEachOptionWithItsValueInAnyOrder) {
  BrowserOptions options;
  EXPECT_EQ("", parseBrowserOptions({"--url", "file:///a b.html", "--user-script", "s.txt", "--components", "c"},
                                    options));
  EXPECT_EQ("c", options.components);
  EXPECT_EQ("file:///a b.html", options.url);
  EXPECT_EQ("s.txt", options.userScript);
  EXPECT_FALSE(options.help);
  EXPECT_EQ("", parseBrowserOptions({"--components", "c", "--url", "about:blank"}, options));
  EXPECT_EQ("", options.userScript);
  EXPECT_EQ("", parseBrowserOptions({"--components", "c", "--help"}, options));
  EXPECT_TRUE(options.help);
}

TEST(BrowserOptions, SaysWhatIsWrong) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "--components DIR is required"},
      {{"--components", "c"}, "--url URL is required"},
      {{"--url", "u"}, "--components DIR is required"},
      {{"--components", "c", "--url"}, "--url needs a value"},
      {{"--components", "", "--url", "u"}, "--components needs a value"},
      {{"--components", "c", "--url", "u", "--url", "v"}, "--url is given twice"},
      {{"--components", "c", "--url", "u", "extra"}, "unknown argument \"extra\""},
      {{"--component", "c", "--url", "u"}, "unknown argument \"--component\""},
  };
  for (const auto& [arguments, message] : cases) {
    BrowserOptions options;
    EXPECT_EQ(message, parseBrowserOptions(arguments, options));
  }
}

std::vector<std::string> drain(ActionLines& lines) {
  std::vector<std::string> out;
  while (auto line = lines.next()) out.push_back(std::to_string(line->number) + ":" + line->text);
  return out;
}

TEST(ActionLines, GivesWholeLinesAsTheyArriveNumberedFromOne) {
  ActionLines lines;
  lines.add("click #a\r\nty", 12);
  EXPECT_EQ((std::vector<std::string>{"1:click #a"}), drain(lines));
  lines.add("pe #b x\n\n", 9);
  EXPECT_EQ((std::vector<std::string>{"2:type #b x", "3:"}), drain(lines));
  lines.add("close", 5);
  EXPECT_TRUE(drain(lines).empty());  // not whole until the stream ends
  lines.end();
  EXPECT_EQ((std::vector<std::string>{"4:close"}), drain(lines));
  EXPECT_TRUE(drain(lines).empty());
}

TEST(ActionLines, ALineBeyondTheLimitStopsTheLines) {
  ActionLines lines;
  lines.add("back\n", 5);
  const std::string huge(ActionLines::kMaxLine + 1, 'x');
  lines.add(huge.data(), huge.size());
  EXPECT_EQ((std::vector<std::string>{"1:back"}), drain(lines));
  EXPECT_TRUE(lines.overflowed());
  EXPECT_EQ(2, lines.lineNumber());
  lines.add("\nclose\n", 7);
  EXPECT_TRUE(drain(lines).empty());
}

TEST(ActionLines, MessagesOfOneActionGetTheLinesNumber) {
  using gecko::browser::renumberActionMessage;
  EXPECT_EQ("line 7: no element #missing", renumberActionMessage("line 1: no element #missing", 7));
  EXPECT_EQ("line 12: x", renumberActionMessage("line 12: x", 3));
  EXPECT_EQ("no dialog", renumberActionMessage("no dialog", 3));
}

}  // namespace
