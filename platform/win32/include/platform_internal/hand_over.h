// How one thread hands work to another and wakes it: the mechanism under carried calls
// (callOnThread, postToThread, the message queues) and the one another stand-in's
// synchronous cross-thread calls should use as well. C++ for the stand-ins only.
//
//   Giver:    { lock the queue; push work; }  handOver.ring();
//   Receiver: for (;;) {
//               const auto seen = handOver.rings();   // before looking
//               { lock the queue; if (work) { take it; break; } }
//               handOver.waitPast(seen);
//             }
//
// A waiter first spins for a few microseconds (pausing between looks), because the
// answer to a carried call, or the next call of a caller that makes many, usually comes
// within that time; only then does it park. Ringing costs
// the giver a system call only when the receiver is parked. After a spin that found
// nothing the next few waits park at once, so an idle thread, or one on a machine too
// busy to run the thread that would answer, mostly does not spin. One thread waits on a
// hand-over (its owner); any number ring it. Message order is the queue's business: the
// hand-over only says that something arrived. Parking is a futex wait on the ring count
// itself: no mutex or condition variable sits between a ring and the parked waiter, so a
// wake-up costs one system call on each side and nothing else.
#pragma once

#include <windef.h>

#include <atomic>
#include <chrono>
#include <cstdint>

namespace win32::internal {

class DECLSPEC_EXPORT HandOver {
 public:
  using Clock = std::chrono::steady_clock;

  HandOver() = default;
  HandOver(const HandOver&) = delete;
  HandOver& operator=(const HandOver&) = delete;

  // How often it has rung (wrapping at 2^32); read before looking for work, pass to
  // waitPast. Only equality with a later count means anything.
  std::uint64_t rings() const { return rings_.load(std::memory_order_seq_cst); }
  // Call after making work visible: a receiver waiting past an earlier count returns.
  void ring();
  // Returns true once it has rung since `seen` was read, false at `deadline` if not.
  // The spin is bounded and short; the rest of the wait is parked.
  bool waitPast(std::uint64_t seen, Clock::time_point deadline = Clock::time_point::max());

 private:
  bool spinPast(std::uint32_t seen, Clock::time_point deadline) const;
  bool parkPast(std::uint32_t seen, Clock::time_point deadline);

  // 32 bits because parking waits on this word with a futex.
  std::atomic<std::uint32_t> rings_{0};
  std::atomic<int> parked_{0};
  std::atomic<int> waitsWithoutSpin_{0};  // the waiter's own count; atomic for misuse only
};

}  // namespace win32::internal
