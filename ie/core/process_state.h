// State shared by the natives, the record and play loops, the recorder thread and the
// playback workers of skerrow; one instance per process.
//
// The flags are atomics and the texts sit behind a lock: the loops, the event handlers
// and the natives run on different threads and read what the others wrote.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "core/pending_lines.h"

struct ProcessState {
  // The texts handed from event handlers to the record and play loops, in order.
  PendingLines pendingLines;

  std::atomic<int> currentBrowserIndex{0};
  std::atomic<bool> recordingEnabled{true};
  std::atomic<bool> recordLoopDone{false};
  std::atomic<bool> playing{false};
  std::atomic<bool> checkPointMode{false};
  std::atomic<int> checkPointType{0};
  std::atomic<int> recordLaunchLine{0};
  std::atomic<HANDLE> recordThread{nullptr};
  std::atomic<HANDLE> playThread{nullptr};
  // Set the first time a table's border is saved before a table highlight, never
  // cleared: in table mode the border is saved once per process.
  std::atomic<bool> tableBorderSaved{false};

  // What playback does to a page is not recorded.
  bool recordsPageActions() const { return !playing; }

  // The text getNotification carries when the last browser window has closed.
  void setNotification(const std::string& text);
  std::string notification() const;

  // Key, value, key, value ... of the checkpoint or window being described.
  void setCheckPointProperties(std::vector<std::string> keysAndValues);
  std::vector<std::string> checkPointProperties() const;

  // Identity of the window last recorded, and of the last page event's window.
  void setParentTitle(const std::string& title);
  std::string parentTitle() const;
  void setWindowIdentity(const std::string& title, const std::string& name);
  std::string windowTitle() const;
  std::string windowName() const;
  void setLastParentTitle(const std::string& title);
  std::string lastParentTitle() const;
  void setLastWindowName(const std::string& name);
  std::string lastWindowName() const;
  void setLastWindowTitle(const std::string& title);
  std::string lastWindowTitle() const;

 private:
  mutable std::mutex mutex_;
  std::string notification_;
  std::vector<std::string> checkPointProperties_;
  std::string parentTitle_;
  std::string windowTitle_;
  std::string windowName_;
  std::string lastParentTitle_;
  std::string lastWindowName_;
  std::string lastWindowTitle_;
};

ProcessState& processState();

// The named events of the loops, all manual-reset; created by the natives that start a
// loop and reopened by name wherever they are signalled.
inline constexpr const char* kRecordEvent = "Record Event";
inline constexpr const char* kStopRecordingEvent = "Stop Recording";
inline constexpr const char* kCheckPointEvent = "Check Point Event";
inline constexpr const char* kBrowserClosedEvent = "Browser Closed";
inline constexpr const char* kPlayEvent = "Play Event";
inline constexpr const char* kWindowClosedEvent = "Window Closed";

// Opens the named event and signals it.
void signalNamedEvent(const char* name);

// Hands a recorded line to the record loop: queues it and signals "Record Event".
void handOverLine(std::string line);
