// Calls carried between threads: the one mechanism under cross-thread SendMessage,
// COM apartment calls and the browser thread's work queue. C++ for the stand-ins only.
#pragma once

#include <windef.h>

#include <functional>

namespace win32::internal {
// Runs `call` on thread `threadId` and returns when it has finished. The target runs it
// the next time it pumps (GetMessage, PeekMessage with PM_REMOVE or not, a modal loop,
// MessageBox) or while it is itself waiting in callOnThread or in a cross-thread
// SendMessage. While the caller waits it keeps running calls carried into its own thread
// (so A->B->A chains complete). threadId == GetCurrentThreadId() runs the call directly.
// Returns false, without running it, when the thread is unknown or has ended.
// An exception thrown by `call` is rethrown to the caller.
DECLSPEC_EXPORT bool callOnThread(DWORD threadId, std::function<void()> call);
// What became of a call carried with a time limit.
enum class CallOutcome { Ran, TimedOut, NotRun };
// As callOnThread, but the caller waits at most `timeoutMs` of real time (not scaled:
// the limit guards against a receiver that does not take the call, it is no pause;
// INFINITE allowed). When the time is up the call stays queued or running and the
// caller gets TimedOut, so `call` must own everything it uses. With `serveWhileWaiting`
// false the caller does not run calls carried into it meanwhile. An exception thrown by
// a call that finished in time is rethrown; one thrown after the caller left is dropped.
DECLSPEC_EXPORT CallOutcome callOnThreadWithin(DWORD threadId, std::function<void()> call, DWORD timeoutMs,
                                               bool serveWhileWaiting);
// Queues `call` to run on thread `threadId` when it next pumps; does not wait.
// Returns false when the thread is unknown or has ended.
DECLSPEC_EXPORT bool postToThread(DWORD threadId, std::function<void()> call);
// Runs every call already carried into the calling thread; returns how many ran.
DECLSPEC_EXPORT int serveCarriedCalls();
// Blocks until calls or messages arrive for the calling thread, or `timeoutMs` passes
// (INFINITE allowed; scaled by PLATFORM_TIME_SCALE like every platform wait), running
// carried calls as they come. Returns true when a message is waiting in the queue.
DECLSPEC_EXPORT bool waitForCallsOrMessages(DWORD timeoutMs);
}  // namespace win32::internal
