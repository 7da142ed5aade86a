#include "test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace marbleck_test {

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool waitForTrace(const std::filesystem::path& path, const std::string& text, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (fileText(path).find(text) == std::string::npos) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

TemporaryFolder::TemporaryFolder() {
  const auto base = std::filesystem::temp_directory_path();
  for (int i = 0;; ++i) {
    mPath = base / ("marbleck-test-" + std::to_string(::getpid()) + "-" + std::to_string(i));
    if (std::filesystem::create_directory(mPath)) break;
  }
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(mPath, ignored);
}

void setServerEnvironment(int port, const std::filesystem::path& traceFile) {
  ::setenv("TW_SERVER_HOST", "127.0.0.1", 1);
  ::setenv("TW_SERVER_PORT", std::to_string(port).c_str(), 1);
  ::setenv("TW_LOG_DIR", traceFile.c_str(), 1);
}

}  // namespace marbleck_test
