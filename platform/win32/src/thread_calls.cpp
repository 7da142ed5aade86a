// Calls carried between threads (see platform_internal/thread_calls.h).
#include "platform_internal/thread_calls.h"

#include <atomic>
#include <chrono>

#include "platform_internal/carried_call_count.h"
#include "platform_internal/time_scale.h"
#include "thread_state.h"

namespace win32::internal {
namespace {

std::atomic<std::uint64_t> callsCarried{0};

// The ring comes after `finished` is set: a waiter that read the ring count before
// seeing `finished` unset is woken by it.
void complete(const std::shared_ptr<CallCompletion>& completion, bool ran, std::exception_ptr error) {
  ThreadState& waiter = *completion->waiter;
  completion->ran = ran;
  completion->error = std::move(error);
  completion->finished.store(true, std::memory_order_release);
  waiter.handOver.ring();
}

bool finished(const CallCompletion& completion) { return completion.finished.load(std::memory_order_acquire); }

// Tells the caller the call has finished, also when ExitThread ends the thread inside
// it (the unwinding runs this destructor), so that no caller waits forever.
struct CompletionOnExit {
  std::shared_ptr<CallCompletion> completion;
  std::exception_ptr error;
  ~CompletionOnExit() {
    if (completion) complete(completion, true, std::move(error));
  }
};

void run(CarriedCall& carried) {
  CompletionOnExit finish{std::move(carried.completion), nullptr};
  try {
    carried.call();
  } catch (...) {
    if (threadIsExiting()) throw;  // ExitThread inside a call: let the thread end
    finish.error = std::current_exception();
  }
  carried.call = nullptr;  // what the call captured is released on this thread
}

bool carry(DWORD threadId, CarriedCall carried) {
  const auto target = findThread(threadId);
  if (!target) return false;
  {
    std::lock_guard lock(target->mutex);
    if (target->ended) return false;
    target->calls.push_back(std::move(carried));
  }
  target->handOver.ring();
  return true;
}

bool messageWaiting(ThreadState& self) {
  std::lock_guard lock(self.mutex);
  return !self.posted.empty() || self.quitPosted;
}

}  // namespace

void failPendingCalls(ThreadState& state) {
  std::deque<CarriedCall> abandoned;
  {
    std::lock_guard lock(state.mutex);
    state.ended = true;
    abandoned.swap(state.calls);
    state.posted.clear();
  }
  for (CarriedCall& carried : abandoned) {
    if (carried.completion) complete(carried.completion, false, nullptr);
  }
}

bool postToQueue(ThreadState& state, const MSG& message) {
  {
    std::lock_guard lock(state.mutex);
    if (state.ended) return false;
    state.posted.push_back(message);
  }
  state.handOver.ring();
  return true;
}

CallOutcome callOnThreadWithin(DWORD threadId, std::function<void()> call, DWORD timeoutMs,
                               bool serveWhileWaiting) {
  const std::shared_ptr<ThreadState>& self = currentThread();
  if (threadId == self->threadId) {
    call();
    return CallOutcome::Ran;
  }
  const auto deadline = timeoutMs == INFINITE ? HandOver::Clock::time_point::max()
                                              : HandOver::Clock::now() + std::chrono::milliseconds(timeoutMs);
  auto completion = std::make_shared<CallCompletion>();
  completion->waiter = self;
  if (!carry(threadId, CarriedCall{std::move(call), completion})) return CallOutcome::NotRun;
  callsCarried.fetch_add(1, std::memory_order_relaxed);
  for (;;) {
    const auto seen = self->handOver.rings();  // before looking, so no arrival is missed
    if (serveWhileWaiting) serveCarriedCalls();
    if (finished(*completion)) break;
    if (!self->handOver.waitPast(seen, deadline)) {
      if (!finished(*completion)) return CallOutcome::TimedOut;
      break;
    }
  }
  if (completion->error) std::rethrow_exception(completion->error);
  return completion->ran ? CallOutcome::Ran : CallOutcome::NotRun;
}

// A call without a limit is one with an infinite limit that serves while it waits.
bool callOnThread(DWORD threadId, std::function<void()> call) {
  return callOnThreadWithin(threadId, std::move(call), INFINITE, true) == CallOutcome::Ran;
}

bool postToThread(DWORD threadId, std::function<void()> call) {
  if (!call) return false;
  return carry(threadId, CarriedCall{std::move(call), nullptr});
}

int serveCarriedCalls() {
  ThreadState& self = *currentThread();
  int count = 0;
  for (;;) {
    CarriedCall carried;
    {
      std::lock_guard lock(self.mutex);
      if (self.calls.empty()) break;
      carried = std::move(self.calls.front());
      self.calls.pop_front();
    }
    run(carried);
    ++count;
  }
  return count;
}

bool waitForCallsOrMessages(DWORD timeoutMs) {
  const DWORD scaled = scaledMilliseconds(timeoutMs);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(scaled);
  ThreadState& self = *currentThread();
  for (;;) {
    const auto seen = self.handOver.rings();  // before looking, so no arrival is missed
    if (serveCarriedCalls() > 0) return messageWaiting(self);
    {
      std::lock_guard lock(self.mutex);
      if (!self.posted.empty() || self.quitPosted) return true;
      if (!self.calls.empty()) continue;
    }
    if (scaled == 0) return false;
    if (!self.handOver.waitPast(seen, scaled == INFINITE ? HandOver::Clock::time_point::max() : deadline)) {
      serveCarriedCalls();
      return messageWaiting(self);
    }
  }
}

std::uint64_t carriedCallCount() { return callsCarried.load(std::memory_order_relaxed); }

}  // namespace win32::internal
