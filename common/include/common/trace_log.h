// The trace log: one plain-text file per browser library in which each step is written
// as a line prefixed with the local time. Write-only diagnostics; nothing reads it back.
//
// Each library that compiles this file has its own instance (the libraries hide their
// symbols), so skerrow and marbleck in one process keep separate files.
#pragma once

#include <cstdio>
#include <ctime>
#include <string>

// Opens `fileName` for writing, truncating it. On failure writes "fopen error : <reason>"
// to standard error and returns false; tracing then stays off.
bool openTraceLog(const char* fileName);

// Opens the log, enables tracing and writes the first line, "logging info\n " (so the
// next line begins with a blank). Returns false when the file could not be opened.
bool startTraceLog(const char* fileName);

// Switches tracing on once the log is open (marbleck writes its own first lines).
void enableTraceLog();

// Writes the time-stamp prefix of a line, without a line end.
void writeTimestamp();

// When tracing is enabled: the prefix, the formatted message as given (most messages
// carry their own "\n"), then a flush, so the file is complete if the process dies.
// A message longer than kTraceMessageLimit bytes is cut there and marked
// "...[N bytes cut]"; the line end of its format is kept.
void trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// As trace, without the time-stamp prefix (the message and the flush only).
void traceWithoutPrefix(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The most bytes of one message a trace line carries. Messages hold values that come
// from the host or the page; a megabyte-long argument traced on every retry of a call
// would otherwise write hundreds of megabytes.
inline constexpr size_t kTraceMessageLimit = 4096;

// The prefix for a broken-down local time: "%d-%d-0%d %d:%d:%d - " with month (from 1),
// day, the last digit of the year, hour, minute, second; no field is zero-padded.
std::string formatTracePrefix(const std::tm& localTime);

// Stops tracing and closes the file. The libraries never call it (the runtime closes
// the file at exit); tests do, to start again.
void closeTraceLog();
