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

}  // namespace
