// Bounding a call that may hang: the call runs on the calling thread while a watchdog
// thread waits for it. A call still running when the watchdog's time is up would hold
// the whole test program until the test runner's time-out, and its thread cannot be
// taken back, so the watchdog names the call and ends the process at once.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace testjvm {

class Watchdog {
 public:
  Watchdog(std::string what, std::chrono::milliseconds patience) : what_(std::move(what)) {
    watcher_ = std::thread([this, patience] {
      std::unique_lock lock(mutex_);
      if (returned_.wait_for(lock, patience, [this] { return done_; })) return;
      std::fprintf(stderr, "\n%s did not return within %lld ms; ending the test program\n", what_.c_str(),
                   static_cast<long long>(patience.count()));
      std::fflush(stderr);
      std::_Exit(3);
    });
  }
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    returned_.notify_all();
    watcher_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  std::string what_;
  std::mutex mutex_;
  std::condition_variable returned_;
  bool done_ = false;
  std::thread watcher_;
};

// Runs `call` under a watchdog that gives up after `patience`; returns how long it took.
template <class Call>
std::chrono::milliseconds timeCall(const std::string& what, std::chrono::milliseconds patience, Call&& call) {
  const auto start = std::chrono::steady_clock::now();
  {
    Watchdog watchdog(what, patience);
    call();
  }
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
}

}  // namespace testjvm
