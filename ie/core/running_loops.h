// The record and play loops that are running, and how they are woken. Each loop has
// private events besides the named ones: "Browser Closed" is one manual-reset event for
// the whole process, and a loop that reset it after waking would hide the close from
// the other loop; and Quit must be able to end a loop whose browser can no longer tell
// it anything.
#pragma once

#include <windows.h>

enum class LoopKind { kRecord, kPlay };

// A running loop's registration, for as long as the object lives.
class RunningLoop {
 public:
  explicit RunningLoop(LoopKind kind);
  ~RunningLoop();
  RunningLoop(const RunningLoop&) = delete;
  RunningLoop& operator=(const RunningLoop&) = delete;

  // Signalled when the last browser window has closed.
  HANDLE browsersClosed() const { return browsersClosed_; }
  // Signalled when the loop is to end without a close: Quit, or clearInstances for
  // the play loop.
  HANDLE ended() const { return ended_; }
  LoopKind kind() const { return kind_; }

 private:
  LoopKind kind_;
  HANDLE browsersClosed_;
  HANDLE ended_;
};

// The last browser window has closed: signals "Browser Closed" and wakes every loop.
void announceAllBrowsersClosed();

// Ends every running loop of this kind.
void endRunningLoops(LoopKind kind);
// Ends every running loop.
void endAllRunningLoops();
