// The hand-over between threads (see platform_internal/hand_over.h).
#include "platform_internal/hand_over.h"

#include <linux/futex.h>
#include <sys/syscall.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>

namespace win32::internal {
namespace {

// Long enough to cover a carried call's round trip (about 2 µs between the two
// processors of a small virtual machine) and a scanning caller's work between two calls;
// short enough that a thread with nothing coming costs little. The spin only pauses and
// then parks, which gives the processor away: sched_yield would keep the thread runnable
// without the priority a woken thread gets, and on a busy machine it came back only
// after other processes' time slices (milliseconds per hand-over, measured).
constexpr auto kSpinBudget = std::chrono::microseconds(4);
constexpr int kLooksPerClockRead = 16;
// A queue lock is held for a push or a take; this many tries, a pause apart, cover that
// a few times over.
constexpr int kQueueLockTries = 64;

inline void relax() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#elif defined(__aarch64__)
  asm volatile("yield");
#endif
}

static_assert(sizeof(std::atomic<std::uint32_t>) == sizeof(std::uint32_t) &&
                  std::atomic<std::uint32_t>::is_always_lock_free,
              "the ring count is waited on as a plain 32-bit futex word");

std::uint32_t* futexWord(std::atomic<std::uint32_t>& word) { return reinterpret_cast<std::uint32_t*>(&word); }

// Sleeps while `word` still holds `seen`, until woken or `deadline` (steady_clock, which is
// CLOCK_MONOTONIC here; max() for no deadline). Returns false only when the deadline
// passed; a wake-up, a changed word or a signal return true and the caller looks again.
bool futexWait(std::atomic<std::uint32_t>& word, std::uint32_t seen, HandOver::Clock::time_point deadline) {
  timespec until{};
  const timespec* timeout = nullptr;
  if (deadline != HandOver::Clock::time_point::max()) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(deadline.time_since_epoch()).count();
    if (ns <= 0) return false;
    until.tv_sec = static_cast<time_t>(ns / 1000000000);
    until.tv_nsec = static_cast<long>(ns % 1000000000);
    timeout = &until;
  }
  // FUTEX_WAIT_BITSET takes an absolute time on the monotonic clock.
  const long result = syscall(SYS_futex, futexWord(word), FUTEX_WAIT_BITSET_PRIVATE, seen, timeout, nullptr,
                              FUTEX_BITSET_MATCH_ANY);
  return result == 0 || errno != ETIMEDOUT;
}

void futexWakeAll(std::atomic<std::uint32_t>& word) {
  syscall(SYS_futex, futexWord(word), FUTEX_WAKE_PRIVATE, INT_MAX, nullptr, nullptr, 0);
}

}  // namespace

void HandOver::ring() {
  lastRingerProcessor_.store(sched_getcpu(), std::memory_order_relaxed);
  rings_.fetch_add(1, std::memory_order_seq_cst);
  // A waiter counts itself parked before its last look at the count, and the futex wait
  // sleeps only while the count is unchanged, so either it sees this ring or it is woken.
  if (parked_.load(std::memory_order_seq_cst) != 0) futexWakeAll(rings_);
}

bool HandOver::spinPast(std::uint32_t seen, Clock::time_point deadline) const {
  const auto end = std::min(deadline, Clock::now() + kSpinBudget);
  for (int look = 1;; ++look) {
    if (rings_.load(std::memory_order_acquire) != seen) return true;
    if (look % kLooksPerClockRead == 0 && Clock::now() >= end) return false;
    relax();
  }
}

bool HandOver::parkPast(std::uint32_t seen, Clock::time_point deadline) {
  parked_.fetch_add(1, std::memory_order_seq_cst);
  bool rung = true;
  while (rings_.load(std::memory_order_seq_cst) == seen) {
    if (!futexWait(rings_, seen, deadline)) {
      rung = rings_.load(std::memory_order_seq_cst) != seen;
      break;
    }
  }
  parked_.fetch_sub(1, std::memory_order_seq_cst);
  return rung;
}

bool HandOver::waitPast(std::uint64_t seenCount, Clock::time_point deadline) {
  const auto seen = static_cast<std::uint32_t>(seenCount);
  // A thread that rang from this very processor can only answer once this one gives the
  // processor up: spinning would delay the answer it waits for. Threads on two processors
  // (a quiet machine) spin; threads sharing one (the other processor busy) hand the
  // processor straight over.
  const int processor = sched_getcpu();
  const bool sharesProcessor = processor >= 0 && lastRingerProcessor_.load(std::memory_order_relaxed) == processor;
  if (!sharesProcessor && spinPast(seen, deadline)) return true;
  return parkPast(seen, deadline);
}

void QueueLock::lock() {
  for (int tries = 0; tries < kQueueLockTries; ++tries) {
    if (mutex_.try_lock()) return;
    relax();
  }
  mutex_.lock();
}

}  // namespace win32::internal
