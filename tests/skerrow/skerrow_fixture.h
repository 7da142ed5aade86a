// Drives skerrow through the real JVM, as the Java host does, against the simulated
// Internet Explorer of the platform stand-ins.
#pragma once

#include <exdisp.h>
#include <gtest/gtest.h>
#include <jni.h>

#include <chrono>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "java_vm.h"
#include "testbed/internet_explorer.h"

namespace skerrowtest {

// The sample site as a file URL.
std::string siteUrl(const std::string& page);

// How long the tests wait, in real time, for what they expect to happen. Generous: a
// test decides by what happens, not by how fast (the machine may be slow, loaded or
// running a sanitizer); only a fault makes a test wait this long.
inline constexpr int kPatienceMs = 30000;

// Waits (pumping nothing) until `condition` holds or `timeoutMs` passes.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = kPatienceMs);

// The running top-level browsers, released when dropped.
class RunningBrowsers {
 public:
  RunningBrowsers() : browsers_(testbed::ie::runningBrowsers()) {}
  ~RunningBrowsers() {
    for (IWebBrowser2* b : browsers_) b->Release();
  }
  RunningBrowsers(const RunningBrowsers&) = delete;
  RunningBrowsers& operator=(const RunningBrowsers&) = delete;
  size_t size() const { return browsers_.size(); }
  IWebBrowser2* operator[](size_t i) const { return browsers_[i]; }

 private:
  std::vector<IWebBrowser2*> browsers_;
};

// Runs a user script at the first running browser (or the one given).
void userDoes(const std::string& script, size_t browserIndex = 0);

// Waits until the trace file has not grown for a moment: the browser's events of a
// navigation (sinks attached to the new page) have been handled.
void waitForQuietTrace();

// The lines of the trace file, from the one that contains `from` (the last such line).
std::vector<std::string> traceLinesSince(const std::string& from);

// A call that may block (a loop, a native expected to return), on a Java-attached
// thread of its own. A call still blocked when the test waits for it fails the test;
// and since a thread stuck in a native can be neither joined nor ended, the program
// then stops at once rather than hang the suite.
class WatchedCall {
 public:
  explicit WatchedCall(std::function<void()> call);
  ~WatchedCall();
  WatchedCall(WatchedCall&&) = default;
  WatchedCall& operator=(WatchedCall&&) = default;

  // Whether the call returns within `timeoutMs` of real time (not scaled).
  bool returnsWithin(int timeoutMs);
  bool returned() const { return state_->returned; }
  // Waits for the call; fails the test and ends the program when it does not return.
  void join(int timeoutMs = 2 * kPatienceMs);

 private:
  struct State {
    std::atomic<bool> returned{false};
  };
  std::shared_ptr<State> state_;
  std::thread thread_;
};

class SkerrowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void TearDown() override;

  // A native of IEBrowserController or IEPlayBackControl by name and signature.
  jint callInt(jobject target, const char* name, const char* signature, ...);
  jboolean callBoolean(jobject target, const char* name, const char* signature, ...);
  std::string callString(jobject target, const char* name, const char* signature, ...);
  void callVoid(jobject target, const char* name, const char* signature, ...);

  // launchBrowser(String) as the host calls it.
  bool launchForPlayback();
  // The result of `call`, made on a new Java thread that has called nothing before.
  static std::string onFreshThread(const std::function<std::string()>& call);

  // StartRecording(relaunch) on a Java-attached thread of its own, as the host does.
  void startRecordingThread(bool relaunch);
  // goToURL(url) on a thread of its own (the first call runs the play loop).
  void startPlayLoopThread(const std::string& url);
  // Closes every browser window and waits for the loops to end.
  void closeAllBrowsers();

  std::string nextRecorded(long timeoutMs = kPatienceMs) { return testjvm::nextCallback(controller_, timeoutMs); }
  std::string nextPlayed(long timeoutMs = kPatienceMs) { return testjvm::nextCallback(playback_, timeoutMs); }

  static jobject controller_;
  static jobject playback_;
  std::vector<WatchedCall> loops_;
};

}  // namespace skerrowtest
