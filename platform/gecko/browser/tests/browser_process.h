// build/bin/mozilla run as a child process: its standard input is a pipe the test
// writes to, its standard error is collected. Every wait is bounded; a process still
// running when the object goes is killed.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace browser_test {

class BrowserProcess {
 public:
  // Starts `program` with `arguments` and the test's environment.
  BrowserProcess(const std::string& program, const std::vector<std::string>& arguments);
  ~BrowserProcess();
  BrowserProcess(const BrowserProcess&) = delete;
  BrowserProcess& operator=(const BrowserProcess&) = delete;

  bool started() const { return pid_ > 0; }
  // Writes to the process's standard input.
  bool write(const std::string& text);
  // Closes the process's standard input (it then reads its end).
  void closeInput();
  // Sends signal `number` once the process has a handler for it (bounded wait).
  void signal(int number);
  // The exit status once it has ended, nothing when it still runs after `timeout`
  // (128 + the signal for a process a signal ended). Once it has ended, errors() holds
  // all it wrote.
  std::optional<int> waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(20));
  // Everything written to standard error so far.
  std::string errors() const;
  // Waits until standard error holds `text`.
  bool waitForError(const std::string& text, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;

 private:
  // Whether the process has a handler for signal `number` (its /proc status).
  bool catches(int number) const;

  pid_t pid_ = -1;
  int input_ = -1;
  int errorPipe_ = -1;
  std::optional<int> status_;
  std::thread errorReader_;
  mutable std::mutex mutex_;
  std::string errors_;
};

}  // namespace browser_test
