// The hand-over between threads (see platform_internal/hand_over.h).
#include "platform_internal/hand_over.h"

#include <algorithm>

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
// After a spin that found nothing, this many waits park at once: nothing was coming, or
// the thread that would ring had no processor, and spinning again would only take the
// processor from it.
constexpr int kWaitsWithoutSpinAfterMiss = 8;

inline void relax() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#elif defined(__aarch64__)
  asm volatile("yield");
#endif
}

}  // namespace

void HandOver::ring() {
  rings_.fetch_add(1, std::memory_order_seq_cst);
  if (parked_.load(std::memory_order_seq_cst) == 0) return;
  // Taking the lock orders this notification after the parked thread's last look.
  { std::lock_guard lock(mutex_); }
  woken_.notify_all();
}

bool HandOver::spinPast(std::uint64_t seen, Clock::time_point deadline) const {
  const auto end = std::min(deadline, Clock::now() + kSpinBudget);
  for (int look = 1;; ++look) {
    if (rings_.load(std::memory_order_acquire) != seen) return true;
    if (look % kLooksPerClockRead == 0 && Clock::now() >= end) return false;
    relax();
  }
}

bool HandOver::waitPast(std::uint64_t seen, Clock::time_point deadline) {
  const int skip = waitsWithoutSpin_.load(std::memory_order_relaxed);
  if (skip > 0) {
    waitsWithoutSpin_.store(skip - 1, std::memory_order_relaxed);
  } else if (spinPast(seen, deadline)) {
    return true;
  } else {
    waitsWithoutSpin_.store(kWaitsWithoutSpinAfterMiss, std::memory_order_relaxed);
  }
  std::unique_lock lock(mutex_);
  parked_.fetch_add(1, std::memory_order_seq_cst);
  bool rung = true;
  while (rings_.load(std::memory_order_seq_cst) == seen) {
    if (deadline == Clock::time_point::max()) {
      woken_.wait(lock);
    } else if (woken_.wait_until(lock, deadline) == std::cv_status::timeout) {
      rung = rings_.load(std::memory_order_seq_cst) != seen;
      break;
    }
  }
  parked_.fetch_sub(1, std::memory_order_seq_cst);
  return rung;
}

}  // namespace win32::internal
