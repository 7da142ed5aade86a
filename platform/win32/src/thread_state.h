// What the platform knows of each thread: its id, its kernel object (what a thread
// handle refers to) and its message queue with the calls carried into it.
#pragma once

#include <windows.h>

#include <atomic>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

#include "kernel_objects.h"
#include "platform_internal/hand_over.h"

namespace win32::internal {

// The waitable side of a thread: signalled once the thread has ended.
class ThreadObject : public KernelObject {
 public:
  explicit ThreadObject(DWORD threadId) : threadId_(threadId) {}
  bool waitable() const override { return true; }
  bool signalled() const override { return ended_; }
  DWORD threadId() const { return threadId_; }

  // Under waitLock().
  bool ended() const { return ended_; }
  DWORD exitCode() const { return exitCode_; }
  int priority() const { return priority_; }
  void setPriority(int priority) { priority_ = priority; }
  void end(DWORD exitCode) {
    ended_ = true;
    exitCode_ = exitCode;
  }

 private:
  const DWORD threadId_;
  bool ended_ = false;
  DWORD exitCode_ = STILL_ACTIVE;
  int priority_ = THREAD_PRIORITY_NORMAL;
};

struct ThreadState;

// How a callOnThread caller learns that its call ran (or never will). `ran` and `error`
// are written before `finished` is set and read only after the caller has seen it set,
// so the caller looks without taking a lock the answering thread would have to take too.
struct CallCompletion {
  std::shared_ptr<ThreadState> waiter;
  std::atomic<bool> finished{false};
  bool ran = false;
  std::exception_ptr error;
};

struct CarriedCall {
  std::function<void()> call;
  std::shared_ptr<CallCompletion> completion;  // null for postToThread
};

struct ThreadState {
  explicit ThreadState(DWORD id) : threadId(id), object(std::make_shared<ThreadObject>(id)) {}

  const DWORD threadId;
  const std::shared_ptr<ThreadObject> object;

  // The message queue, under `mutex`. `handOver` rings for every new call, message,
  // quit request and finished call of a caller waiting on this thread.
  QueueLock mutex;
  HandOver handOver;
  std::deque<CarriedCall> calls;
  std::deque<MSG> posted;
  bool quitPosted = false;
  int quitCode = 0;
  bool ended = false;
};

// The calling thread's state, made on first use (for threads the platform did not
// start as well: the main thread, a JVM's threads, std::thread).
const std::shared_ptr<ThreadState>& currentThread();
std::shared_ptr<ThreadObject> currentThreadObject();
// A live thread by id, or null when unknown or ended.
std::shared_ptr<ThreadState> findThread(DWORD threadId);

// Registers the state of a thread about to be started by CreateThread; the new thread
// adopts it with adoptThreadState before running anything.
std::shared_ptr<ThreadState> registerNewThread();
void adoptThreadState(std::shared_ptr<ThreadState> state);
// Sets the code that the calling thread's end will report (ExitThread, return value).
void setExitCode(DWORD exitCode);
// True once the calling thread is unwinding out of ExitThread.
bool threadIsExiting();

// Marks the queue ended and makes every callOnThread still waiting on it return false.
void failPendingCalls(ThreadState& state);
// Appends a posted message to a thread's queue; false when the thread has ended.
bool postToQueue(ThreadState& state, const MSG& message);

// Run by the thread-exit machinery: fails pending calls, removes the thread's windows,
// signals the thread object.
void threadEnded(const std::shared_ptr<ThreadState>& state, DWORD exitCode);

}  // namespace win32::internal
