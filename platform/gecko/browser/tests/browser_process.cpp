#include "browser_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>

extern char** environ;

namespace browser_test {

BrowserProcess::BrowserProcess(const std::string& program, const std::vector<std::string>& arguments) {
  int in[2];
  int err[2];
  if (::pipe2(in, O_CLOEXEC) != 0) return;
  if (::pipe2(err, O_CLOEXEC) != 0) {
    ::close(in[0]);
    ::close(in[1]);
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
  std::vector<std::string> all{program};
  all.insert(all.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& argument : all) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) pid_ = pid;
  posix_spawn_file_actions_destroy(&actions);
  ::close(in[0]);
  ::close(err[1]);
  input_ = in[1];
  errorPipe_ = err[0];
  errorReader_ = std::thread([this] {
    char buffer[1024];
    for (;;) {
      const ssize_t count = ::read(errorPipe_, buffer, sizeof buffer);
      if (count < 0 && errno == EINTR) continue;
      if (count <= 0) break;
      std::lock_guard lock(mutex_);
      errors_.append(buffer, static_cast<size_t>(count));
    }
  });
}

BrowserProcess::~BrowserProcess() {
  if (pid_ > 0 && !status_) {
    ::kill(pid_, SIGKILL);
    waitForExit(std::chrono::seconds(20));
  }
  closeInput();
  if (errorReader_.joinable()) errorReader_.join();
  if (errorPipe_ >= 0) ::close(errorPipe_);
}

bool BrowserProcess::write(const std::string& text) {
  size_t done = 0;
  while (input_ >= 0 && done < text.size()) {
    const ssize_t count = ::write(input_, text.data() + done, text.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    done += static_cast<size_t>(count);
  }
  return input_ >= 0;
}

void BrowserProcess::closeInput() {
  if (input_ >= 0) ::close(input_);
  input_ = -1;
}

bool BrowserProcess::catches(int number) const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("SigCgt:", 0) != 0) continue;
    const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
    return ((mask >> (number - 1)) & 1U) != 0;
  }
  return false;
}

void BrowserProcess::signal(int number) {
  if (pid_ <= 0 || status_) return;
  // A signal that comes before the program has set up its handler ends it the default
  // way; the test means the program's own handling.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!catches(number) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ::kill(pid_, number);
}

std::optional<int> BrowserProcess::waitForExit(std::chrono::milliseconds timeout) {
  if (status_ || pid_ <= 0) return status_;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    int raw = 0;
    const pid_t done = ::waitpid(pid_, &raw, WNOHANG);
    if (done == pid_) {
      status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
      // Its standard error ends with it: everything it wrote is read before this returns.
      if (errorReader_.joinable()) errorReader_.join();
      return status_;
    }
    if (done < 0 && errno != EINTR) return status_;
    if (std::chrono::steady_clock::now() > deadline) return status_;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

std::string BrowserProcess::errors() const {
  std::lock_guard lock(mutex_);
  return errors_;
}

bool BrowserProcess::waitForError(const std::string& text, std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (errors().find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace browser_test
