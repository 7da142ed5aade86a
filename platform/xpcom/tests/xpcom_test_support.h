// Helpers shared by the XPCOM stand-in's tests.
#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include <unistd.h>

#include "nsISupportsImpl.h"
#include "testbed/xpcom.h"

namespace xpcom_test {

// A thread that serves calls carried into it until it is destroyed; optionally the
// registered UI thread.
class ServingThread {
 public:
  explicit ServingThread(bool registerAsUI) {
    std::atomic<bool> ready{false};
    mThread = std::thread([this, registerAsUI, &ready] {
      mId = std::this_thread::get_id();
      if (registerAsUI) xpcom::testbed::registerUIThread([this] { mWakes.fetch_add(1); });
      ready = true;
      while (!mStop.load()) xpcom::testbed::waitForPendingCalls(20);
      xpcom::testbed::servePendingCalls();
      if (registerAsUI) xpcom::testbed::unregisterUIThread();
    });
    while (!ready.load()) std::this_thread::yield();
  }
  ~ServingThread() {
    mStop = true;
    mThread.join();
  }
  std::thread::id id() const { return mId; }
  int wakes() const { return mWakes.load(); }

 private:
  std::thread mThread;
  std::thread::id mId;
  std::atomic<bool> mStop{false};
  std::atomic<int> mWakes{0};
};

// A fresh folder under the system's temporary folder, removed at the end.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    const auto base = std::filesystem::temp_directory_path();
    for (int i = 0;; ++i) {
      mPath = base / ("xpcom-test-" + std::to_string(::getpid()) + "-" + std::to_string(i));
      if (std::filesystem::create_directory(mPath)) break;
    }
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(mPath, ignored);
  }
  std::string path() const { return mPath.string(); }

 private:
  std::filesystem::path mPath;
};

}  // namespace xpcom_test
