// Drives skerrow through the real JVM, as the Java host does, against the simulated
// Internet Explorer of the platform stand-ins.
#pragma once

#include <exdisp.h>
#include <gtest/gtest.h>
#include <jni.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "java_vm.h"
#include "testbed/internet_explorer.h"

namespace skerrowtest {

// The sample site as a file URL.
std::string siteUrl(const std::string& page);

// Waits (pumping nothing) until `condition` holds or `timeoutMs` passes.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 10000);

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

class SkerrowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void TearDown() override;

  // A native of IEBrowserController or IEPlayBackControl by name and signature.
  jint callInt(jobject target, const char* name, const char* signature, ...);
  jboolean callBoolean(jobject target, const char* name, const char* signature, ...);
  std::string callString(jobject target, const char* name, const char* signature, ...);
  void callVoid(jobject target, const char* name, const char* signature, ...);

  // StartRecording(relaunch) on a Java-attached thread of its own, as the host does.
  void startRecordingThread(bool relaunch);
  // goToURL(url) on a thread of its own (the first call runs the play loop).
  void startPlayLoopThread(const std::string& url);
  // Closes every browser window and waits for the loops to end.
  void closeAllBrowsers();

  std::string nextRecorded(long timeoutMs = 10000) { return testjvm::nextCallback(controller_, timeoutMs); }
  std::string nextPlayed(long timeoutMs = 10000) { return testjvm::nextCallback(playback_, timeoutMs); }

  static jobject controller_;
  static jobject playback_;
  std::vector<std::thread> loops_;
};

}  // namespace skerrowtest
