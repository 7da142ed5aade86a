// The hand-over between threads (see platform_internal/hand_over.h).
#include "platform_internal/hand_over.h"

#include <sched.h>

#include <algorithm>

namespace win32::internal {
namespace {

// Long enough to cover a carried call's round trip and a scanning caller's work between
// two calls; short enough that a thread with nothing coming costs little. Yielding is a
// system call (over a microsecond under virtualisation), so the first part of the spin
// only pauses; the rest yields between looks, so that a thread waiting for one on the
// same processor lets it run.
constexpr auto kSpinBudget = std::chrono::microseconds(5);
constexpr auto kPauseOnly = std::chrono::microseconds(2);
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
  const auto start = Clock::now();
  const auto end = std::min(deadline, start + kSpinBudget);
  const auto yieldFrom = start + kPauseOnly;
  for (int look = 1;; ++look) {
    if (rings_.load(std::memory_order_acquire) != seen) return true;
    if (look % kLooksPerClockRead != 0) {
      relax();
      continue;
    }
    const auto now = Clock::now();
    if (now >= end) return false;
    if (now >= yieldFrom) sched_yield();
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
