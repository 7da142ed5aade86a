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
// within that time from the other processor; only then does it park. A waiter whose last
// ringer ran on its own processor parks at once: that thread can only run once the
// waiter gives the processor up. Ringing costs the giver a system call only when the
// receiver is parked. One thread waits on a hand-over (its owner); any number ring it.
// Message order is the queue's business: the hand-over only says that something
// arrived. Parking is a futex wait on the ring count itself: no mutex or condition
// variable sits between a ring and the parked waiter, so a wake-up costs one system call
// on each side and nothing else.
#pragma once

#include <windef.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>

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
  // The spin is bounded and short (none when the ringer shares the processor); the rest
  // of the wait is parked.
  bool waitPast(std::uint64_t seen, Clock::time_point deadline = Clock::time_point::max());

 private:
  bool spinPast(std::uint32_t seen, Clock::time_point deadline) const;
  bool parkPast(std::uint32_t seen, Clock::time_point deadline);

  // 32 bits because parking waits on this word with a futex.
  std::atomic<std::uint32_t> rings_{0};
  std::atomic<int> parked_{0};
  // The processor the last ringer ran on (-1 before the first ring); only a hint.
  std::atomic<int> lastRingerProcessor_{-1};
};

// The lock of a queue handed over this way: held only for a push or a take, well under a
// microsecond. A thread that finds it taken tries again for a few microseconds before
// it sleeps, since going to sleep and being woken costs far more than that, and the two
// threads of a carried call take each other's queue locks on every call. Meets the
// standard Lockable requirements (std::lock_guard, std::unique_lock).
class DECLSPEC_EXPORT QueueLock {
 public:
  void lock();
  bool try_lock() { return mutex_.try_lock(); }
  void unlock() { mutex_.unlock(); }

 private:
  std::mutex mutex_;
};

}  // namespace win32::internal
