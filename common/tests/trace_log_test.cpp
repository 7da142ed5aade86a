#include "common/trace_log.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::tm at(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

TEST(TracePrefix, FieldsAreUnpaddedAndTheYearKeepsOneDigitAfterAZero) {
  EXPECT_EQ("3-3-04 9:5:7 - ", formatTracePrefix(at(2004, 3, 3, 9, 5, 7)));
  EXPECT_EQ("11-17-04 14:30:0 - ", formatTracePrefix(at(2004, 11, 17, 14, 30, 0)));
  EXPECT_EQ("1-1-00 0:0:0 - ", formatTracePrefix(at(2010, 1, 1, 0, 0, 0)));
  EXPECT_EQ("12-31-09 23:59:59 - ", formatTracePrefix(at(1999, 12, 31, 23, 59, 59)));
}

class TraceFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("trace-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    path_ = (dir_ / "iexplorer.log").string();
  }
  void TearDown() override {
    closeTraceLog();
    fs::remove_all(dir_);
  }
  std::string contents() const {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir_;
  std::string path_;
};

const char* kPrefix = R"(\d{1,2}-\d{1,2}-0\d \d{1,2}:\d{1,2}:\d{1,2} - )";

TEST_F(TraceFileTest, FirstLineIsLoggingInfoAndEveryLineIsOnDiskAtOnce) {
  std::ofstream(path_) << "old contents that must go";
  ASSERT_TRUE(startTraceLog(path_.c_str()));
  trace("Browser exists already %d\n", 1);
  trace("\tno newline");
  trace("next\n");
  // Read while the file is still open: every line was flushed.
  const std::string expected = std::string("^") + kPrefix + "logging info\n " + kPrefix +
                               "Browser exists already 1\n" + kPrefix + "\tno newline" + kPrefix + "next\n$";
  EXPECT_TRUE(std::regex_match(contents(), std::regex(expected))) << contents();
}

TEST_F(TraceFileTest, NothingIsWrittenBeforeTracingIsEnabled) {
  ASSERT_TRUE(openTraceLog(path_.c_str()));
  trace("dropped\n");
  EXPECT_EQ("", contents());
}

TEST_F(TraceFileTest, UnopenableFileReportsThroughPerrorAndStaysSilent) {
  const std::string missing = (dir_ / "no-such-dir" / "iexplorer.log").string();
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(startTraceLog(missing.c_str()));
  trace("never written %s\n", "anywhere");
  EXPECT_EQ("fopen error : No such file or directory\n", ::testing::internal::GetCapturedStderr());
  EXPECT_FALSE(fs::exists(missing));
}

// A value of a megabyte, traced on every retry of a call, must not flood the file; a
// line of the limit's length stays as it is.
TEST_F(TraceFileTest, LongMessagesAreCutWithAMarkerAndKeepTheirLineEnd) {
  ASSERT_TRUE(startTraceLog(path_.c_str()));
  const std::string value(1 << 20, 'x');
  trace("setWindow %s\n", value.c_str());
  trace("%s", std::string(kTraceMessageLimit + 1, 'y').c_str());
  const std::string atLimit(kTraceMessageLimit - 1, 'n');
  trace("%s\n", atLimit.c_str());
  const std::string cut = "setWindow " + value.substr(0, kTraceMessageLimit - 10) + "...[" +
                          std::to_string(value.size() + 11 - kTraceMessageLimit) + " bytes cut]\n";
  const std::string unended = std::string(kTraceMessageLimit, 'y') + "...[1 bytes cut]";
  const std::string lines = std::regex_replace(contents(), std::regex(kPrefix), "|");
  EXPECT_EQ("|logging info\n |" + cut + "|" + unended + "|" + atLimit + "\n", lines) << lines.substr(0, 300);
}

}  // namespace
