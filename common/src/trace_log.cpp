#include "common/trace_log.h"

#include <cstdarg>
#include <mutex>

namespace {

// Every thread of the library traces; one line (prefix, message, flush) is written
// whole before another thread's starts.
std::recursive_mutex traceMutex;
FILE* traceFile = nullptr;
int traceEnabled = 0;

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local;
}

}  // namespace

std::string formatTracePrefix(const std::tm& localTime) {
  char prefix[64];
  std::snprintf(prefix, sizeof prefix, "%d-%d-0%d %d:%d:%d - ", localTime.tm_mon + 1, localTime.tm_mday,
                localTime.tm_year % 10, localTime.tm_hour, localTime.tm_min, localTime.tm_sec);
  return prefix;
}

bool openTraceLog(const char* fileName) {
  std::lock_guard lock(traceMutex);
  traceFile = std::fopen(fileName, "w");
  if (traceFile == nullptr) {
    std::perror("fopen error ");
    return false;
  }
  return true;
}

bool startTraceLog(const char* fileName) {
  std::lock_guard lock(traceMutex);
  if (!openTraceLog(fileName)) return false;
  traceEnabled = 1;
  trace("logging info\n ");
  return true;
}

void writeTimestamp() {
  std::lock_guard lock(traceMutex);
  if (traceFile == nullptr) return;
  std::fputs(formatTracePrefix(localNow()).c_str(), traceFile);
}

void trace(const char* format, ...) {
  std::lock_guard lock(traceMutex);
  if (traceEnabled < 1 || traceFile == nullptr) return;
  writeTimestamp();
  va_list args;
  va_start(args, format);
  std::vfprintf(traceFile, format, args);
  va_end(args);
  std::fflush(traceFile);
}

void closeTraceLog() {
  std::lock_guard lock(traceMutex);
  traceEnabled = 0;
  if (traceFile != nullptr) std::fclose(traceFile);
  traceFile = nullptr;
}
