#include "common/trace_log.h"

#include <cstdarg>
#include <cstring>
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

bool endsLine(const char* format) {
  const size_t length = std::strlen(format);
  return length > 0 && format[length - 1] == '\n';
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
  // Opened again (a second component in one browser): the earlier file is closed, not
  // leaked, and tracing waits for the caller to switch it on again.
  if (traceFile != nullptr) std::fclose(traceFile);
  traceEnabled = 0;
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

void enableTraceLog() {
  std::lock_guard lock(traceMutex);
  if (traceFile != nullptr) traceEnabled = 1;
}

void writeTimestamp() {
  std::lock_guard lock(traceMutex);
  if (traceFile == nullptr) return;
  std::fputs(formatTracePrefix(localNow()).c_str(), traceFile);
}

namespace {

void writeMessage(bool withPrefix, const char* format, va_list args) {
  std::lock_guard lock(traceMutex);
  if (traceEnabled < 1 || traceFile == nullptr) return;
  // Formatting into a buffer of the limit's size reads a long argument once and copies
  // no more of it than is written.
  char message[kTraceMessageLimit + 1];
  message[0] = '\0';
  const int length = std::vsnprintf(message, sizeof message, format, args);
  if (withPrefix) writeTimestamp();
  if (length >= 0 && static_cast<size_t>(length) <= kTraceMessageLimit) {
    std::fwrite(message, 1, static_cast<size_t>(length), traceFile);
  } else {
    std::fwrite(message, 1, std::strlen(message), traceFile);
    if (length >= 0)
      std::fprintf(traceFile, "...[%zu bytes cut]", static_cast<size_t>(length) - kTraceMessageLimit);
    else
      std::fputs("...[cut]", traceFile);
    if (endsLine(format)) std::fputc('\n', traceFile);
  }
  std::fflush(traceFile);
}

}  // namespace

void trace(const char* format, ...) {
  va_list args;
  va_start(args, format);
  writeMessage(true, format, args);
  va_end(args);
}

void traceWithoutPrefix(const char* format, ...) {
  va_list args;
  va_start(args, format);
  writeMessage(false, format, args);
  va_end(args);
}

void closeTraceLog() {
  std::lock_guard lock(traceMutex);
  traceEnabled = 0;
  if (traceFile != nullptr) std::fclose(traceFile);
  traceFile = nullptr;
}
