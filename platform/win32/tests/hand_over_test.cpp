// The hand-over under carried calls: no ring is lost whether the waiter is spinning or
// parked, or shares its processor with the ringer; deadlines hold, and carried calls
// keep their order when they come quickly from several threads mixed with posted work.
#include <gtest/gtest.h>
#include <pthread.h>
#include <sched.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "message_loop_thread.h"
#include "platform_internal/hand_over.h"
#include "platform_internal/thread_calls.h"

using win32::internal::callOnThread;
using win32::internal::HandOver;
using win32::internal::postToThread;

namespace {

HandOver::Clock::time_point in(std::chrono::milliseconds ms) { return HandOver::Clock::now() + ms; }

TEST(HandOver, ARingBeforeTheWaitIsSeenAndADeadlineEndsAWaitWithoutOne) {
  HandOver handOver;
  const auto seen = handOver.rings();
  handOver.ring();
  EXPECT_TRUE(handOver.waitPast(seen, in(std::chrono::milliseconds(0))));

  const auto now = handOver.rings();
  const auto start = HandOver::Clock::now();
  EXPECT_FALSE(handOver.waitPast(now, in(std::chrono::milliseconds(30))));
  EXPECT_GE(HandOver::Clock::now() - start, std::chrono::milliseconds(30));
}

TEST(HandOver, AParkedWaiterWakesOnARing) {
  // The ringer comes long after any spin has ended, so the waiter is parked by then.
  HandOver handOver;
  const auto seen = handOver.rings();
  std::thread ringer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    handOver.ring();
  });
  const auto start = HandOver::Clock::now();
  EXPECT_TRUE(handOver.waitPast(seen, in(std::chrono::seconds(10))));
  EXPECT_LT(HandOver::Clock::now() - start, std::chrono::seconds(5));
  ringer.join();
}

TEST(HandOver, AWaitWithoutDeadlineParksUntilRungAndAPastDeadlineEndsAtOnce) {
  HandOver handOver;
  // A deadline already gone: no sleep at all, and nothing was rung.
  auto start = HandOver::Clock::now();
  EXPECT_FALSE(handOver.waitPast(handOver.rings(), HandOver::Clock::now() - std::chrono::seconds(1)));
  EXPECT_LT(HandOver::Clock::now() - start, std::chrono::seconds(1));

  // Several waits that time out in turn leave the waiter able to park again, this time
  // with no deadline, and a ring long after the spin still reaches it.
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(handOver.waitPast(handOver.rings(), in(std::chrono::milliseconds(2))));
  const auto seen = handOver.rings();
  std::atomic<bool> rung{false};
  std::thread ringer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    rung = true;
    handOver.ring();
  });
  start = HandOver::Clock::now();
  EXPECT_TRUE(handOver.waitPast(seen));
  EXPECT_TRUE(rung);
  EXPECT_GE(HandOver::Clock::now() - start, std::chrono::milliseconds(30));
  ringer.join();
  EXPECT_NE(seen, handOver.rings());
}

// Pins the calling thread to one processor (-1: leaves it free); false when refused.
bool pinTo(int processor) {
  if (processor < 0) return true;
  cpu_set_t set;
  CPU_ZERO(&set);
  CPU_SET(processor, &set);
  return pthread_setaffinity_np(pthread_self(), sizeof set, &set) == 0;
}

// Two threads answer each other `rounds` times; returns the rounds completed (each wait
// gives up after 10 s, so a lost ring ends the game instead of hanging it).
int pingPong(int rounds, int pingProcessor, int pongProcessor) {
  HandOver toPong, toPing;
  std::atomic<int> ball{0};
  std::atomic<bool> stuck{false};
  const auto awaitBall = [&](HandOver& handOver, int value) {
    for (;;) {
      const auto seen = handOver.rings();
      if (ball.load() == value) return true;
      if (!handOver.waitPast(seen, in(std::chrono::seconds(10)))) return false;
    }
  };
  std::thread pong([&] {
    if (!pinTo(pongProcessor)) stuck = true;
    for (int i = 0; i < rounds && !stuck; ++i) {
      if (!awaitBall(toPong, 2 * i + 1)) stuck = true;
      ball.store(2 * i + 2);
      toPing.ring();
    }
  });
  std::thread ping([&] {
    if (!pinTo(pingProcessor)) stuck = true;
    for (int i = 0; i < rounds && !stuck; ++i) {
      ball.store(2 * i + 1);
      toPong.ring();
      if (!awaitBall(toPing, 2 * i + 2)) stuck = true;
    }
  });
  ping.join();
  pong.join();
  return ball.load() / 2;
}

TEST(HandOver, PingPongLosesNoRing) {
  // Waits end by spinning and by parking, both ways, and each must see the other's ring.
  EXPECT_EQ(20000, pingPong(20000, -1, -1));
}

// The processors this process may run on, in order.
std::vector<int> allowedProcessors() {
  std::vector<int> allowed;
  cpu_set_t set;
  CPU_ZERO(&set);
  if (sched_getaffinity(0, sizeof set, &set) != 0) return allowed;
  for (int processor = 0; processor < CPU_SETSIZE; ++processor) {
    if (CPU_ISSET(processor, &set)) allowed.push_back(processor);
  }
  return allowed;
}

TEST(HandOver, ThreadsOnOneProcessorOrTwoHandOverEveryRing) {
  // On one processor a waiter parks at once and hands the processor to the ringer; on
  // two it spins first. Either way every ring gets through.
  const std::vector<int> allowed = allowedProcessors();
  if (allowed.empty()) GTEST_SKIP() << "the processors this process may use are not known";
  EXPECT_EQ(3000, pingPong(3000, allowed[0], allowed[0]));
  if (allowed.size() >= 2) {
    EXPECT_EQ(3000, pingPong(3000, allowed[0], allowed[1]));
  }
}

TEST(HandOver, CallsFromSeveralThreadsRunInEachCallersOrderWithPostedWork) {
  // Two callers carry calls back to back while one of them also posts work; every call
  // runs on the target, each caller's calls in its order, the posted work in its own.
  constexpr int kCalls = 3000;
  std::vector<int> seenFrom[2];
  std::vector<WPARAM> messages;
  MessageLoopThread target;
  std::atomic<bool> wrongThread{false};
  const auto caller = [&](int which) {
    for (int i = 0; i < kCalls; ++i) {
      ASSERT_TRUE(callOnThread(target.id(), [&, i] {
        if (GetCurrentThreadId() != target.id()) wrongThread = true;
        seenFrom[which].push_back(i);
      }));
      if (which == 0 && i % 100 == 0) {
        postToThread(target.id(), [&messages, i] { messages.push_back(static_cast<WPARAM>(i)); });
      }
    }
  };
  std::thread first(caller, 0), second(caller, 1);
  first.join();
  second.join();
  ASSERT_TRUE(callOnThread(target.id(), [] {}));  // the posted ones ran before this
  EXPECT_FALSE(wrongThread);
  for (const auto& calls : seenFrom) {
    ASSERT_EQ(static_cast<size_t>(kCalls), calls.size());
    for (int i = 0; i < kCalls; ++i) ASSERT_EQ(i, calls[static_cast<size_t>(i)]);
  }
  ASSERT_EQ(static_cast<size_t>(kCalls / 100), messages.size());
  for (size_t i = 0; i < messages.size(); ++i) EXPECT_EQ(i * 100, messages[i]);
}

}  // namespace
