#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstring>
#include <string>

#include "testbed/registry.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(testbed::registry::loadText(
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer|Version|6.0.2800.1106\n"
        "# a comment\n"
        "\n"
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\mozilla.org\\GRE\\1.7.5|GreHome|C:\\gre\r\n"
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\mozilla.org\\GRE\\1.4|Version|1.4\n"
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\mozilla.org\\GRE\\Beta||\n"));
  }
  void TearDown() override { testbed::registry::resetToDefaults(); }

  static std::string query(HKEY key, const char* name, LONG* result = nullptr) {
    char buffer[64] = {};
    DWORD size = sizeof buffer;
    DWORD type = 0;
    const LONG r = RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size);
    if (result) *result = r;
    return r == ERROR_SUCCESS ? std::string(buffer) : std::string();
  }
};

TEST_F(RegistryTest, OpensKeysWithoutRegardToCaseAndReadsValues) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS,
            RegOpenKeyEx(HKEY_LOCAL_MACHINE, "software\\MICROSOFT\\internet explorer", 0, KEY_QUERY_VALUE, &key));
  EXPECT_EQ("6.0.2800.1106", query(key, "version"));
  LONG result = 0;
  query(key, "Build", &result);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, result);
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(key));
}

TEST_F(RegistryTest, MissingKeyIsNotFound) {
  HKEY key = reinterpret_cast<HKEY>(1);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Mozilla", 0, KEY_READ, &key));
  EXPECT_EQ(nullptr, key);
}

TEST_F(RegistryTest, QueryReportsSizesWithTheTerminatingNull) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\mozilla.org\\GRE\\1.7.5", 0, KEY_READ, &key));
  DWORD size = 0;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "GreHome", nullptr, nullptr, nullptr, &size));
  EXPECT_EQ(7u, size);  // "C:\gre" and its null; the file's CR is not part of the value

  char small[4] = {'x', 'x', 'x', 'x'};
  size = sizeof small;
  EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueEx(key, "GreHome", nullptr, nullptr, reinterpret_cast<LPBYTE>(small), &size));
  EXPECT_EQ(7u, size);

  char exact[7];
  size = sizeof exact;
  DWORD type = REG_NONE;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "GreHome", nullptr, &type, reinterpret_cast<LPBYTE>(exact), &size));
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
  EXPECT_STREQ("C:\\gre", exact);
  RegCloseKey(key);
}

TEST_F(RegistryTest, EnumeratesSubkeysInSortedOrderUntilNoMoreItems) {
  HKEY gre = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\mozilla.org\\GRE", 0, KEY_ENUMERATE_SUB_KEYS, &gre));
  std::string names;
  for (DWORD i = 0;; ++i) {
    char name[260];
    DWORD length = sizeof name;
    const LONG r = RegEnumKeyEx(gre, i, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (r == ERROR_NO_MORE_ITEMS) break;
    ASSERT_EQ(ERROR_SUCCESS, r);
    EXPECT_EQ(std::strlen(name), length);
    names += std::string(name) + ";";
  }
  EXPECT_EQ("1.4;1.7.5;Beta;", names);

  char tiny[3];
  DWORD length = sizeof tiny;  // "1.4" needs four characters with its null
  EXPECT_EQ(ERROR_MORE_DATA, RegEnumKeyEx(gre, 0, tiny, &length, nullptr, nullptr, nullptr, nullptr));
  RegCloseKey(gre);
}

TEST_F(RegistryTest, TestBedChangesAreSeenThroughTheApi) {
  testbed::registry::setValue("HKEY_LOCAL_MACHINE\\SOFTWARE\\Mozilla\\Mozilla 1.7.5\\bin", "PathToExe", "/opt/moz");
  HKEY bin = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Mozilla\\Mozilla 1.7.5\\bin", 0, KEY_READ, &bin));
  EXPECT_EQ("/opt/moz", query(bin, "PathToExe"));
  RegCloseKey(bin);

  testbed::registry::deleteKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\mozilla.org\\GRE");
  HKEY gre = nullptr;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\mozilla.org\\GRE", 0, KEY_READ, &gre));
}

TEST_F(RegistryTest, DefaultsHoldTheBrowserVersionOnly) {
  testbed::registry::resetToDefaults();
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Internet Explorer", 0, KEY_READ, &key));
  EXPECT_EQ("6.0.2800.1106", query(key, "Version"));
  RegCloseKey(key);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\mozilla.org\\GRE", 0, KEY_READ, &key));
}

TEST_F(RegistryTest, MalformedTextIsRefusedWholeWithItsLine) {
  std::string error;
  EXPECT_FALSE(testbed::registry::loadText("HKEY_LOCAL_MACHINE\\SOFTWARE\\A|x|1\nnot a line\n", &error));
  EXPECT_EQ("line 2 is not KEY|NAME|TEXT under a root key", error);
  EXPECT_FALSE(testbed::registry::loadText("HKEY_NOWHERE\\A|x|1\n"));
  HKEY key = nullptr;  // the earlier registry is still in place
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\mozilla.org\\GRE\\1.4", 0, KEY_READ, &key));
  RegCloseKey(key);
}

TEST_F(RegistryTest, KeyNamesBeyond255CharactersAndNestingBeyond512LevelsAreRefused) {
  const std::string base = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Limits\\";
  EXPECT_TRUE(testbed::registry::setValue(base + std::string(255, 'k'), "v", "1"));
  EXPECT_FALSE(testbed::registry::setValue(base + std::string(256, 'k'), "v", "1"));
  HKEY key = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_LOCAL_MACHINE, ("SOFTWARE\\Limits\\" + std::string(255, 'k')).c_str(), 0,
                                        KEY_READ, &key));
  RegCloseKey(key);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_LOCAL_MACHINE,
                                               ("SOFTWARE\\Limits\\" + std::string(256, 'k')).c_str(), 0,
                                               KEY_READ, &key));

  std::string deep = "HKEY_LOCAL_MACHINE";
  for (int level = 0; level < 512; ++level) deep += "\\n";
  EXPECT_TRUE(testbed::registry::createKey(deep)) << "512 levels below the root";
  EXPECT_FALSE(testbed::registry::createKey(deep + "\\n"));
  EXPECT_FALSE(testbed::registry::setValue(deep + "\\n", "v", "1"));

  std::string error;
  EXPECT_FALSE(testbed::registry::loadText("HKEY_LOCAL_MACHINE\\A|x|1\n" + base + std::string(300, 'k') + "||\n", &error));
  EXPECT_EQ("line 2: a key name is longer than 255 characters", error);
  EXPECT_FALSE(testbed::registry::loadText(deep + "\\n|x|1\n", &error));
  EXPECT_EQ("line 1: keys nest deeper than 512 levels", error);
  testbed::registry::resetToDefaults();  // drops the deep tree again
}

// An enumeration by rising index (every caller's loop) costs one step per call, also
// when keys are added or removed during the walk.
TEST_F(RegistryTest, EnumerationByRisingIndexTakesConstantTimePerCall) {
  std::string text;
  for (int i = 0; i < 50000; ++i) text += "HKEY_LOCAL_MACHINE\\SOFTWARE\\Many\\k" + std::to_string(100000 + i) + "||\n";
  ASSERT_TRUE(testbed::registry::loadText(text));
  HKEY many = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Many", 0, KEY_ENUMERATE_SUB_KEYS, &many));
  const auto start = std::chrono::steady_clock::now();
  DWORD count = 0;
  bool inOrder = true;
  for (;; ++count) {
    char name[260];
    DWORD length = sizeof name;
    if (RegEnumKeyEx(many, count, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    inOrder = inOrder && name == "k" + std::to_string(100000 + count);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_EQ(50000u, count);
  EXPECT_TRUE(inOrder);

  // A key added before the place the walk has reached moves the later ones up by one.
  char name[260];
  DWORD length = sizeof name;
  ASSERT_EQ(ERROR_SUCCESS, RegEnumKeyEx(many, 10, name, &length, nullptr, nullptr, nullptr, nullptr));
  testbed::registry::createKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Many\\a");
  length = sizeof name;
  ASSERT_EQ(ERROR_SUCCESS, RegEnumKeyEx(many, 11, name, &length, nullptr, nullptr, nullptr, nullptr));
  EXPECT_STREQ("k100010", name);
  testbed::registry::deleteKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Many\\k100000");
  length = sizeof name;
  ASSERT_EQ(ERROR_SUCCESS, RegEnumKeyEx(many, 11, name, &length, nullptr, nullptr, nullptr, nullptr));
  EXPECT_STREQ("k100011", name);
  RegCloseKey(many);
}

}  // namespace
