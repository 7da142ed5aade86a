#include "skerrow_fixture.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace skerrowtest {

jobject SkerrowTest::controller_ = nullptr;
jobject SkerrowTest::playback_ = nullptr;

std::string siteUrl(const std::string& page) { return std::string("file://") + TW_SITE_DIR + "/" + page; }

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

void userDoes(const std::string& script, size_t browserIndex) {
  RunningBrowsers browsers;
  ASSERT_LT(browserIndex, browsers.size()) << "no browser " << browserIndex << " for: " << script;
  const testbed::ie::ActionResult result = testbed::ie::run(browsers[browserIndex], script);
  ASSERT_TRUE(result.ok) << script << ": " << result.message;
}

void waitForQuietTrace() {
  const auto size = [] {
    std::ifstream in("iexplorer.log", std::ios::ate | std::ios::binary);
    return static_cast<long long>(in.tellg());
  };
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  long long last = size();
  auto quietSince = std::chrono::steady_clock::now();
  while (std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const long long now = size();
    if (now != last) {
      last = now;
      quietSince = std::chrono::steady_clock::now();
    } else if (std::chrono::steady_clock::now() - quietSince > std::chrono::milliseconds(150)) {
      return;
    }
  }
}

std::vector<std::string> traceLinesSince(const std::string& from) {
  std::ifstream in("iexplorer.log");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (line.find(from) != std::string::npos) lines.clear();
    lines.push_back(line);
  }
  return lines;
}

WatchedCall::WatchedCall(std::function<void()> call) : state_(std::make_shared<State>()) {
  thread_ = std::thread([state = state_, call = std::move(call)] {
    call();
    state->returned = true;
  });
}

WatchedCall::~WatchedCall() {
  if (thread_.joinable()) join();
}

bool WatchedCall::returnsWithin(int timeoutMs) {
  return waitFor([state = state_] { return state->returned.load(); }, timeoutMs);
}

void WatchedCall::join(int timeoutMs) {
  if (!thread_.joinable()) return;
  if (!returnsWithin(timeoutMs)) {
    ADD_FAILURE() << "a blocking call did not return within " << timeoutMs << " ms";
    std::fprintf(stderr, "a native call never returned: stopping the test program\n");
    std::fflush(nullptr);
    std::_Exit(3);
  }
  thread_.join();
}

void SkerrowTest::SetUpTestSuite() {
  if (controller_ != nullptr) return;
  // A message box of the library blocks the calling Java thread until answered; a suite
  // run by hand, outside ctest's environment, must not wait on one either. A value set
  // by the caller (the suites' CMake sets one each) wins.
  setenv("PLATFORM_MESSAGEBOX_ANSWER", "IDOK", 0);
  testjvm::loadLibrary("skerrow");
  controller_ = testjvm::newObject("com/corvalen/tarnwell/web/controller/IEBrowserController");
  playback_ = testjvm::newObject("com/corvalen/tarnwell/web/replay/IEPlayBackControl");
}

void SkerrowTest::TearDown() {
  // A test that picked a checkpoint does not leave the next one picking.
  callVoid(controller_, "DisableCheckPointMode", "()V");
  closeAllBrowsers();
  for (WatchedCall& loop : loops_) loop.join();
  loops_.clear();
  // Callbacks left over from this test are not the next one's.
  while (!nextRecorded(0).empty()) {
  }
  while (!nextPlayed(0).empty()) {
  }
}

namespace {

jmethodID method(JNIEnv* env, jobject target, const char* name, const char* signature) {
  jclass cls = env->GetObjectClass(target);
  jmethodID id = env->GetMethodID(cls, name, signature);
  env->DeleteLocalRef(cls);
  return id;
}

}  // namespace

jint SkerrowTest::callInt(jobject target, const char* name, const char* signature, ...) {
  JNIEnv* env = testjvm::env();
  va_list args;
  va_start(args, signature);
  const jint result = env->CallIntMethodV(target, method(env, target, name, signature), args);
  va_end(args);
  testjvm::expectNoException(name);
  return result;
}

jboolean SkerrowTest::callBoolean(jobject target, const char* name, const char* signature, ...) {
  JNIEnv* env = testjvm::env();
  va_list args;
  va_start(args, signature);
  const jboolean result = env->CallBooleanMethodV(target, method(env, target, name, signature), args);
  va_end(args);
  testjvm::expectNoException(name);
  return result;
}

std::string SkerrowTest::callString(jobject target, const char* name, const char* signature, ...) {
  JNIEnv* env = testjvm::env();
  va_list args;
  va_start(args, signature);
  auto text = static_cast<jstring>(env->CallObjectMethodV(target, method(env, target, name, signature), args));
  va_end(args);
  testjvm::expectNoException(name);
  std::string out = testjvm::toUtf8(text);
  if (text) env->DeleteLocalRef(text);
  return out;
}

void SkerrowTest::callVoid(jobject target, const char* name, const char* signature, ...) {
  JNIEnv* env = testjvm::env();
  va_list args;
  va_start(args, signature);
  env->CallVoidMethodV(target, method(env, target, name, signature), args);
  va_end(args);
  testjvm::expectNoException(name);
}

bool SkerrowTest::launchForPlayback() {
  JNIEnv* e = testjvm::env();
  jstring ignored = e->NewStringUTF("NONE");
  const bool launched = callBoolean(playback_, "launchBrowser", "(Ljava/lang/String;)Z", ignored) == JNI_TRUE;
  e->DeleteLocalRef(ignored);
  return launched;
}

std::string SkerrowTest::onFreshThread(const std::function<std::string()>& call) {
  std::string word;
  std::thread([&] {
    testjvm::env()->PushLocalFrame(32);
    word = call();
    testjvm::env()->PopLocalFrame(nullptr);
  }).join();
  return word;
}

void SkerrowTest::startRecordingThread(bool relaunch) {
  loops_.emplace_back([this, relaunch] {
    callVoid(controller_, "StartRecording", "(Z)V", relaunch ? JNI_TRUE : JNI_FALSE);
  });
}

void SkerrowTest::startPlayLoopThread(const std::string& url) {
  loops_.emplace_back([this, url] {
    JNIEnv* env = testjvm::env();
    jstring address = env->NewStringUTF(url.c_str());
    callBoolean(playback_, "goToURL", "(Ljava/lang/String;)Z", address);
    env->DeleteLocalRef(address);
  });
}

void SkerrowTest::closeAllBrowsers() {
  for (;;) {
    RunningBrowsers browsers;
    if (browsers.size() == 0) return;
    const testbed::ie::ActionResult result = testbed::ie::run(browsers[browsers.size() - 1], "close");
    if (!result.ok) {
      ADD_FAILURE() << "closing a browser: " << result.message;
      return;
    }
  }
}

}  // namespace skerrowtest
