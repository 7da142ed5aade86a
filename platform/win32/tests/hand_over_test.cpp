// The hand-over under carried calls: no ring is lost whether the waiter is spinning or
// parked, deadlines hold, and carried calls keep their order when they come quickly
// from several threads mixed with posted work.
#include <gtest/gtest.h>
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

TEST(HandOver, PingPongLosesNoRing) {
  // Two threads answer each other many times: waits end by spinning and by parking,
  // both ways, and each must see the other's ring.
  constexpr int kRounds = 20000;
  HandOver toPong, toPing;
  std::atomic<int> ball{0};
  std::atomic<bool> stuck{false};
  std::thread pong([&] {
    for (int i = 0; i < kRounds && !stuck; ++i) {
      for (;;) {
        const auto seen = toPong.rings();
        if (ball.load() == 2 * i + 1) break;
        if (!toPong.waitPast(seen, in(std::chrono::seconds(10)))) {
          stuck = true;
          return;
        }
      }
      ball.store(2 * i + 2);
      toPing.ring();
    }
  });
  for (int i = 0; i < kRounds && !stuck; ++i) {
    ball.store(2 * i + 1);
    toPong.ring();
    for (;;) {
      const auto seen = toPing.rings();
      if (ball.load() == 2 * i + 2) break;
      if (!toPing.waitPast(seen, in(std::chrono::seconds(10)))) {
        stuck = true;
        break;
      }
    }
  }
  pong.join();
  EXPECT_FALSE(stuck);
  EXPECT_EQ(2 * kRounds, ball.load());
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
