// The simulated user at the simulated Internet Explorer, driven from Java through the
// test class SimulatedInternetExplorer, as Java-side tests and the demo drive it.
#include <exdisp.h>
#include <mshtml.h>
#include <objbase.h>
#include <oleauto.h>
#include <platform_internal/thread_calls.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "java_vm.h"

namespace fs = std::filesystem;

namespace {

class SimulatedInternetExplorerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testjvm::loadLibrary("testbed_ie"); }

  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    ASSERT_EQ(CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, IID_IWebBrowser2,
                               reinterpret_cast<void**>(&browser_)),
              S_OK);
    folder_ = fs::temp_directory_path() / ("sie" + std::to_string(::getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
    if (browser_) {
      browser_->Quit();
      browser_->Release();
    }
    fs::remove_all(folder_);
    CoUninitialize();
  }

  // Loads a page through the browser's address bar, from Java.
  std::string open(const std::string& html) {
    std::ofstream(folder_ / "page.html") << html;
    return run("open file://" + (folder_ / "page.html").string());
  }

  // SimulatedInternetExplorer.run(script): "" when done, else the failure.
  std::string run(const std::string& script) {
    JNIEnv* env = testjvm::env();
    jclass cls = env->FindClass("com/corvalen/tarnwell/testbed/SimulatedInternetExplorer");
    EXPECT_NE(cls, nullptr);
    if (!cls) return "no class";
    jstring text = env->NewStringUTF(script.c_str());
    auto result = static_cast<jstring>(
        env->CallStaticObjectMethod(cls, env->GetStaticMethodID(cls, "run", "(Ljava/lang/String;)Ljava/lang/String;"), text));
    testjvm::expectNoException("run");
    std::string answer = result ? testjvm::toUtf8(result) : std::string();
    env->DeleteLocalRef(text);
    if (result) env->DeleteLocalRef(result);
    env->DeleteLocalRef(cls);
    return answer;
  }

  int windowCount() {
    JNIEnv* env = testjvm::env();
    jclass cls = env->FindClass("com/corvalen/tarnwell/testbed/SimulatedInternetExplorer");
    const jint count = env->CallStaticIntMethod(cls, env->GetStaticMethodID(cls, "windowCount", "()I"));
    testjvm::expectNoException("windowCount");
    env->DeleteLocalRef(cls);
    return count;
  }

  std::string title() {
    IDispatch* dispatch = nullptr;
    std::string text;
    if (SUCCEEDED(browser_->get_Document(&dispatch)) && dispatch) {
      IHTMLDocument2* document = nullptr;
      if (SUCCEEDED(dispatch->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&document)))) {
        BSTR title = nullptr;
        document->get_title(&title);
        for (UINT i = 0; title && i < SysStringLen(title); ++i) text.push_back(static_cast<char>(title[i]));
        SysFreeString(title);
        document->Release();
      }
      dispatch->Release();
    }
    return text;
  }

  IWebBrowser2* browser_ = nullptr;
  fs::path folder_;
};

TEST_F(SimulatedInternetExplorerTest, JavaActsOnThePageAsTheUser) {
  EXPECT_EQ(windowCount(), 1);
  ASSERT_EQ(open("<title>Start</title><button id='b' onclick=\"document.title='clicked'\">Go</button>"), "");
  EXPECT_EQ(title(), "Start");
  EXPECT_EQ(run("# a comment line\nclick #b"), "");
  EXPECT_EQ(title(), "clicked");
}

TEST_F(SimulatedInternetExplorerTest, JavaLearnsWhichLineCouldNotBeDone) {
  ASSERT_EQ(open("<title>Start</title><p id='p'>text</p>"), "");
  const std::string failure = run("hover #p\nclick #missing");
  EXPECT_EQ(failure.rfind("line 2", 0), 0u) << failure;
}

}  // namespace
