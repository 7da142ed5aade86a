#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ShortPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A folder name that fits 8.3 itself, so only the names below it are shortened.
    root_ = fs::temp_directory_path() / ("sp" + std::to_string(::getpid() % 1000000));
    fs::create_directories(root_ / "Program Files" / "mozilla.org" / "Mozilla Firefox");
    fs::create_directories(root_ / "Program Files (x86)");
    fs::create_directories(root_ / "gre.home.dir");
    std::ofstream(root_ / "Program Files" / "mozilla.org" / "Mozilla Firefox" / "mozilla.exe") << "x";
  }
  void TearDown() override { fs::remove_all(root_); }

  static std::string shortPath(const std::string& path) {
    char buffer[MAX_PATH];
    const DWORD n = GetShortPathName(path.c_str(), buffer, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::string() : std::string(buffer, n);
  }

  fs::path root_;
};

TEST_F(ShortPathTest, LongNamesGetNumberedShortFormsAndShortNamesStay) {
  const std::string base = root_.string();
  EXPECT_EQ(base + "/PROGRA~1/mozilla.org/MOZILL~1/mozilla.exe",
            shortPath(base + "/Program Files/mozilla.org/Mozilla Firefox/mozilla.exe"));
  EXPECT_EQ(base + "/PROGRA~2", shortPath(base + "/Program Files (x86)"));
  EXPECT_EQ(base + "/GREHOM~1.DIR", shortPath(base + "/gre.home.dir"));
}

TEST_F(ShortPathTest, BackslashesAreKeptAsWritten) {
  const std::string base = root_.string();
  EXPECT_EQ(base + "\\PROGRA~1\\mozilla.org", shortPath(base + "\\Program Files\\mozilla.org"));
}

TEST_F(ShortPathTest, MissingPathFailsAndSmallBufferAsksForMore) {
  char buffer[MAX_PATH];
  EXPECT_EQ(0u, GetShortPathName((root_ / "no such dir").c_str(), buffer, MAX_PATH));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  const std::string path = root_.string() + "/Program Files";
  const std::string expected = shortPath(path);
  EXPECT_EQ(root_.string() + "/PROGRA~1", expected);
  EXPECT_EQ(expected.size() + 1, GetShortPathName(path.c_str(), buffer, 4));
}

}  // namespace
