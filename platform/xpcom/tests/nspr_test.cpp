// The NSPR subset: intervals, the scaled sleep and clock, atomics, the environment.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "nspr.h"

namespace {

TEST(Nspr, IntervalConversionsAreExact) {
  EXPECT_EQ(PR_IntervalToMilliseconds(PR_MillisecondsToInterval(3000)), 3000u);
  EXPECT_EQ(PR_IntervalToSeconds(PR_SecondsToInterval(4)), 4u);
  EXPECT_EQ(PR_MillisecondsToInterval(1) * 1000, PR_SecondsToInterval(1));
  EXPECT_EQ(PR_TicksPerSecond(), PR_SecondsToInterval(1));
}

// NSPR's tick rate stays between PR_INTERVAL_MIN and PR_INTERVAL_MAX per second, so an
// interval of hours fits the 32-bit tick count.
TEST(Nspr, LongIntervalsFitTheTickCount) {
  EXPECT_GE(PR_TicksPerSecond(), 1000u);
  EXPECT_LE(PR_TicksPerSecond(), 100000u);
  EXPECT_EQ(PR_IntervalToMilliseconds(PR_MillisecondsToInterval(10000000)), 10000000u);
  EXPECT_EQ(PR_IntervalToSeconds(PR_SecondsToInterval(36000)), 36000u);
}

// The suite runs at a time scale of 0.01 (cmake/test_time_scale.sh); under any scale
// the platform clock and the sleep agree, and only the real duration changes.
TEST(Nspr, SleepAndClockFollowTheTimeScale) {
  const char* scaleText = std::getenv("PLATFORM_TIME_SCALE");
  const double scale = scaleText ? std::atof(scaleText) : 1.0;
  ASSERT_GT(scale, 0.0);
  const auto realStart = std::chrono::steady_clock::now();
  const PRIntervalTime platformStart = PR_IntervalNow();
  ASSERT_EQ(PR_Sleep(PR_MillisecondsToInterval(400)), PR_SUCCESS);
  const PRUint32 platformElapsed = PR_IntervalToMilliseconds(PR_IntervalNow() - platformStart);
  const double realElapsed =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - realStart).count();
  EXPECT_GE(platformElapsed, 400u);
  EXPECT_GE(realElapsed, 400 * scale * 0.9);
  if (scale < 0.5) {
    EXPECT_LT(realElapsed, 300.0);
  }
  EXPECT_EQ(PR_Sleep(PR_INTERVAL_NO_WAIT), PR_SUCCESS);
  EXPECT_EQ(PR_Sleep(PR_INTERVAL_NO_TIMEOUT), PR_FAILURE);
}

TEST(Nspr, AtomicCountsAgreeAcrossThreads) {
  PRInt32 count = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&count] {
      for (int i = 0; i < 10000; ++i) {
        PR_AtomicIncrement(&count);
        PR_AtomicIncrement(&count);
        PR_AtomicDecrement(&count);
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(count, 40000);
  EXPECT_EQ(PR_AtomicIncrement(&count), 40001);
  EXPECT_EQ(PR_AtomicSet(&count, 7), 40001);
  EXPECT_EQ(PR_AtomicAdd(&count, 3), 10);
}

TEST(Nspr, EnvironmentIsReadAsSet) {
  static char setting[] = "XPCOM_TEST_SETTING=on";
  ASSERT_EQ(PR_SetEnv(setting), PR_SUCCESS);
  ASSERT_NE(PR_GetEnv("XPCOM_TEST_SETTING"), nullptr);
  EXPECT_STREQ(PR_GetEnv("XPCOM_TEST_SETTING"), "on");
  EXPECT_EQ(PR_GetEnv("XPCOM_TEST_SETTING_NEVER_SET"), nullptr);
  EXPECT_EQ(PR_SetEnv("no equals sign"), PR_FAILURE);
}

TEST(Nspr, ThreadConstantsAreNsprs) {
  EXPECT_EQ(PR_PRIORITY_LOW, 0);
  EXPECT_EQ(PR_PRIORITY_URGENT, 3);
  EXPECT_EQ(PR_GLOBAL_THREAD, 1);
  EXPECT_EQ(PR_UNJOINABLE_THREAD, 1);
  EXPECT_NE(PR_GetCurrentThread(), nullptr);
  PRThread* other = nullptr;
  std::thread([&other] { other = PR_GetCurrentThread(); }).join();
  EXPECT_NE(other, PR_GetCurrentThread());
}

}  // namespace
