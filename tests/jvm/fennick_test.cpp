// The Mozilla installation probe through the real JVM, as the host's installer calls it,
// against registries written by each test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "java_vm.h"
#include "testbed/registry.h"
#include "watchdog.h"

namespace fs = std::filesystem;

namespace {

const char* kGre = "HKEY_LOCAL_MACHINE\\SOFTWARE\\mozilla.org\\GRE";
const char* kApps = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Mozilla";

class FennickTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testjvm::loadLibrary("fennick");
    installer_ = testjvm::newObject("com/corvalen/tarnwell/web/client/util/MozCompInstaller");
  }

  void SetUp() override {
    ASSERT_NE(nullptr, installer_);
    testbed::registry::clear();
    root_ = fs::temp_directory_path() / ("fk" + std::to_string(::getpid() % 1000000));
    fs::create_directories(root_);
  }
  void TearDown() override {
    testbed::registry::resetToDefaults();
    fs::remove_all(root_);
  }

  // An installation folder with a long name, holding mozilla.exe; returns the exe path.
  std::string install(const std::string& folder) {
    fs::create_directories(root_ / folder);
    std::ofstream(root_ / folder / "mozilla.exe") << "exe";
    return (root_ / folder / "mozilla.exe").string();
  }

  int count() {
    JNIEnv* env = testjvm::env();
    jclass cls = env->GetObjectClass(installer_);
    const jint n = env->CallIntMethod(installer_, env->GetMethodID(cls, "getMozillaInstallationCount", "()I"));
    testjvm::expectNoException("getMozillaInstallationCount");
    env->DeleteLocalRef(cls);
    return n;
  }

  std::vector<std::string> details() {
    JNIEnv* env = testjvm::env();
    jclass cls = env->GetObjectClass(installer_);
    auto array = static_cast<jobjectArray>(
        env->CallObjectMethod(installer_, env->GetMethodID(cls, "getMozillaDetails", "()[Ljava/lang/String;")));
    testjvm::expectNoException("getMozillaDetails");
    env->DeleteLocalRef(cls);
    std::vector<std::string> out;
    if (array == nullptr) {
      ADD_FAILURE() << "getMozillaDetails returned null";
      return out;
    }
    for (jsize i = 0; i < env->GetArrayLength(array); ++i) {
      auto text = static_cast<jstring>(env->GetObjectArrayElement(array, i));
      out.push_back(text ? testjvm::toUtf8(text) : "<null>");
      if (text) env->DeleteLocalRef(text);
    }
    env->DeleteLocalRef(array);
    return out;
  }

  static jobject installer_;
  fs::path root_;
};

jobject FennickTest::installer_ = nullptr;

TEST_F(FennickTest, TwoRuntimesGiveVersionExecutableAndHomeOfEachInShortForm) {
  const std::string exe15 = install("Mozilla Five");
  const std::string exe17 = install("Mozilla Seven");
  fs::create_directories(root_ / "Common Files" / "GRE 1.7");
  testbed::registry::setValue(std::string(kGre) + "\\1.5", "Version", "1.5");
  testbed::registry::setValue(std::string(kGre) + "\\1.5", "GreHome", root_.string() + "/Common Files");
  testbed::registry::setValue(std::string(kGre) + "\\1.7", "Version", "1.7");
  testbed::registry::setValue(std::string(kGre) + "\\1.7", "GreHome", root_.string() + "/Common Files/GRE 1.7");
  testbed::registry::setValue(std::string(kApps) + "\\Mozilla 1.5\\bin", "PathToExe", exe15);
  testbed::registry::setValue(std::string(kApps) + "\\Mozilla 1.7\\bin", "PathToExe", exe17);

  EXPECT_EQ(2, count());
  const std::string base = root_.string();
  EXPECT_EQ((std::vector<std::string>{"1.5", base + "/MOZILL~1/mozilla.exe", base + "/COMMON~1",  //
                                      "1.7", base + "/MOZILL~2/mozilla.exe", base + "/COMMON~1/GRE1~1.7"}),
            details());
}

TEST_F(FennickTest, RuntimeWithoutVersionIsNamedAfterItsKeyAndFindsItsExecutableByThatName) {
  const std::string exe = install("bin175");
  testbed::registry::setValue(std::string(kGre) + "\\1.7.5", "GreHome", root_.string());
  testbed::registry::setValue(std::string(kApps) + "\\Mozilla 1.7.5\\bin", "PathToExe", exe);
  EXPECT_EQ((std::vector<std::string>{"1.7.5", exe, root_.string()}), details());
}

TEST_F(FennickTest, MissingGreHomeAndMissingExecutableAreReportedInPlace) {
  testbed::registry::setValue(std::string(kGre) + "\\1.6", "Version", "1.6");
  ::testing::internal::CaptureStdout();
  const auto found = details();
  const std::string printed = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ((std::vector<std::string>{"1.6", "", "GreHome key not available in registry"}), found);
  EXPECT_EQ("ERROR in getting version 2 \n", printed);  // no "Mozilla 1.6\bin" key
}

TEST_F(FennickTest, EmptyRuntimeKeyGivesZeroAndAnEmptyArray) {
  testbed::registry::createKey(kGre);
  EXPECT_EQ(0, count());
  EXPECT_TRUE(details().empty());
}

// Mended: without the runtime key the array would have a negative length and the VM
// would raise an error in the host; the host gets an empty array instead.
TEST_F(FennickTest, MissingRuntimeKeyGivesMinusOneAndAnEmptyArray) {
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(-1, count());
  EXPECT_TRUE(details().empty());
  EXPECT_EQ("ERROR : In reading SOFTWARE\\mozilla.org\\GRE\n" "ERROR : In reading SOFTWARE\\mozilla.org\\GRE\n",
            ::testing::internal::GetCapturedStdout());
}

// Mended: registry text in the ANSI code page reaches Java as the same characters.
TEST_F(FennickTest, VersionTextOutsideAsciiArrivesIntact) {
  testbed::registry::setValue(std::string(kGre) + "\\1.8b", "Version", "1.8 b\xEAta \x96 test");
  const auto found = details();
  ASSERT_EQ(3u, found.size());
  EXPECT_EQ("1.8 b\xC3\xAAta \xE2\x80\x93 test", found[0]);
}

// A key name at Windows' limit is taken by counting and by the details alike; a longer
// one cannot be written (the registry refuses it, as Windows does).
TEST_F(FennickTest, AKeyNameAtWindowsLimitIsCountedAndDetailedAlike) {
  const std::string name(255, 'v');
  ASSERT_TRUE(testbed::registry::setValue(std::string(kGre) + "\\" + name, "GreHome", root_.string()));
  EXPECT_FALSE(testbed::registry::setValue(std::string(kGre) + "\\" + std::string(256, 'v'), "GreHome", "x"));
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(1, count());
  const auto found = details();
  ::testing::internal::GetCapturedStdout();
  EXPECT_EQ((std::vector<std::string>{name, "", root_.string()}), found);
}

// Values are read whole, whatever their length: paths beyond 260 bytes and a version of
// a megabyte (whose application key cannot exist: its name would be too long).
TEST_F(FennickTest, ValuesOfAnyLengthAreReadWhole) {
  fs::path deep = root_;
  for (int i = 0; i < 40; ++i) deep /= "d" + std::to_string(1000000 + i);  // names that are their own 8.3 form
  fs::create_directories(deep);
  std::ofstream(deep / "mozilla.exe") << "exe";
  const std::string exe = (deep / "mozilla.exe").string();
  ASSERT_GT(exe.size(), 300u);
  const std::string version = "2." + std::string(1 << 20, '9');
  testbed::registry::setValue(std::string(kGre) + "\\1.9", "Version", "1.9");
  testbed::registry::setValue(std::string(kGre) + "\\1.9", "GreHome", deep.string());
  testbed::registry::setValue(std::string(kApps) + "\\Mozilla 1.9\\bin", "PathToExe", exe);
  testbed::registry::setValue(std::string(kGre) + "\\2.0", "Version", version);

  ::testing::internal::CaptureStdout();
  const auto found = details();
  EXPECT_EQ("ERROR in getting version 2 \n", ::testing::internal::GetCapturedStdout());
  EXPECT_EQ((std::vector<std::string>{"1.9", exe, deep.string(), version, "", "GreHome key not available in registry"}),
            found);
}

// Thousands of runtimes: counted and detailed in bounded time, the two agreeing.
TEST_F(FennickTest, ThirtyThousandRuntimesAreCountedAndDetailedQuickly) {
  std::string text;
  for (int i = 0; i < 30000; ++i) {
    const std::string key = std::string(kGre) + "\\1." + std::to_string(i);
    text += key + "|Version|1." + std::to_string(i) + "\n";
  }
  ASSERT_TRUE(testbed::registry::loadText(text));
  int n = 0;
  std::vector<std::string> found;
  ::testing::internal::CaptureStdout();  // no application keys: one error line each
  const auto took = testjvm::timeCall("30000 runtimes", std::chrono::seconds(60), [&] {
    n = count();
    found = details();
  });
  ::testing::internal::GetCapturedStdout();
  EXPECT_LT(took, std::chrono::seconds(30));  // well under one in an optimised build
  EXPECT_EQ(30000, n);
  ASSERT_EQ(90000u, found.size());
  EXPECT_EQ("1.0", found[0]);
  EXPECT_EQ("GreHome key not available in registry", found[89999]);
}

// A malformed registry file is refused whole, naming its line; the registry stays.
TEST_F(FennickTest, AMalformedRegistryFileLeavesTheRegistryAsItWas) {
  testbed::registry::setValue(std::string(kGre) + "\\1.5", "Version", "1.5");
  const fs::path file = root_ / "registry.txt";
  const std::vector<std::pair<std::string, std::string>> malformed = {
      {std::string(kGre) + "\\1.6|Version|1.6\n" + kGre + "\\1.7\n", "line 2 is not KEY|NAME|TEXT under a root key"},
      {std::string("\x01\xFF\0junk|||\n", 10), "line 1 is not KEY|NAME|TEXT under a root key"},
      {std::string(kGre) + "\\" + std::string(300, 'n') + "|Version|x\n",
       "line 1: a key name is longer than 255 characters"},
  };
  for (const auto& [contents, reason] : malformed) {
    std::ofstream(file, std::ios::binary) << contents;
    std::string error;
    EXPECT_FALSE(testbed::registry::loadFile(file.string(), &error));
    EXPECT_EQ(reason, error);
    EXPECT_EQ(1, count());
  }
}

}  // namespace
