// Helpers of the component's tests that need nothing of the component itself.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace marbleck_test {

// The whole trace file's text.
std::string fileText(const std::filesystem::path& path);
// Waits until the trace file holds `text`; false on timeout.
bool waitForTrace(const std::filesystem::path& path, const std::string& text,
                  std::chrono::milliseconds timeout = std::chrono::seconds(10));

// A fresh folder under the temporary folder, removed at the end.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  const std::filesystem::path& path() const { return mPath; }

 private:
  std::filesystem::path mPath;
};

// Sets the component's environment for the test's server and trace file.
void setServerEnvironment(int port, const std::filesystem::path& traceFile);

}  // namespace marbleck_test
