#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform_internal/time_scale.h"

namespace {

using Clock = std::chrono::steady_clock;

// Closes a handle when the test leaves its scope.
struct Handle {
  HANDLE value;
  explicit Handle(HANDLE h) : value(h) {}
  ~Handle() {
    if (value != nullptr) CloseHandle(value);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
};

TEST(Events, NamedEventIsOneObjectAcrossCreateAndOpen) {
  Handle created(CreateEventA(nullptr, TRUE, FALSE, "Record Event Test"));
  ASSERT_NE(nullptr, created.value);
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), GetLastError());

  Handle again(CreateEventA(nullptr, FALSE, TRUE, "Record Event Test"));
  ASSERT_NE(nullptr, again.value);
  EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), GetLastError());
  EXPECT_NE(created.value, again.value) << "each create or open is a handle of its own";

  Handle opened(OpenEventA(EVENT_ALL_ACCESS, FALSE, "Record Event Test"));
  ASSERT_NE(nullptr, opened.value);

  // The second create's initial state was ignored: the object is still unsignalled.
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(created.value, 0));
  ASSERT_TRUE(SetEvent(opened.value));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(again.value, 0));
  // Manual reset (from the first create): still signalled for the next wait.
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(created.value, 0));
}

TEST(Events, NameIsFreedWhenTheLastHandleCloses) {
  {
    Handle event(CreateEventA(nullptr, TRUE, TRUE, "Short Lived"));
    ASSERT_NE(nullptr, event.value);
  }
  EXPECT_EQ(nullptr, OpenEventA(EVENT_ALL_ACCESS, FALSE, "Short Lived"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
  Handle fresh(CreateEventA(nullptr, TRUE, FALSE, "Short Lived"));
  EXPECT_EQ(static_cast<DWORD>(ERROR_SUCCESS), GetLastError());
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(fresh.value, 0));
}

TEST(Events, WideAndAnsiNamesMeetTheSameObject) {
  Handle ansi(CreateEventA(nullptr, TRUE, FALSE, "Shared Name"));
  Handle wide(OpenEventW(EVENT_ALL_ACCESS, FALSE, u"Shared Name"));
  ASSERT_NE(nullptr, wide.value);
  SetEvent(wide.value);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(ansi.value, 0));
}

TEST(Events, ManualResetStaysSignalledUntilReset) {
  Handle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  SetEvent(event.value);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(event.value, 0));
  ResetEvent(event.value);
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(event.value, 0));
}

TEST(Events, AutoResetReleasesExactlyOneWaiter) {
  Handle event(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  std::atomic<int> woken{0};
  auto waiter = [&] {
    if (WaitForSingleObject(event.value, 2000) == WAIT_OBJECT_0) ++woken;
  };
  std::thread first(waiter), second(waiter);
  SetEvent(event.value);
  first.join();
  second.join();
  EXPECT_EQ(1, woken.load());
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(event.value, 0)) << "the signal was consumed";
}

TEST(Events, WaitAnyReportsTheLowestSignalledIndex) {
  Handle stop(CreateEventA(nullptr, TRUE, FALSE, "Stop Test"));
  Handle record(CreateEventA(nullptr, FALSE, FALSE, "Record Test"));
  Handle play(CreateEventA(nullptr, FALSE, FALSE, "Play Test"));
  const HANDLE handles[] = {stop.value, record.value, play.value};

  // Signalled from another thread through handles of its own, as the system's loops do.
  std::thread signaller([] {
    HANDLE p = OpenEventA(EVENT_ALL_ACCESS, FALSE, "Play Test");
    HANDLE r = OpenEventA(EVENT_ALL_ACCESS, FALSE, "Record Test");
    SetEvent(p);
    SetEvent(r);
    CloseHandle(p);
    CloseHandle(r);
  });
  signaller.join();
  EXPECT_EQ(WAIT_OBJECT_0 + 1, WaitForMultipleObjects(3, handles, FALSE, 1000));
  EXPECT_EQ(WAIT_OBJECT_0 + 2, WaitForMultipleObjects(3, handles, FALSE, 1000));
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForMultipleObjects(3, handles, FALSE, 0));
  SetEvent(play.value);
  SetEvent(stop.value);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(3, handles, FALSE, 0));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(3, handles, FALSE, 0)) << "stop is manual reset";
}

TEST(Events, WaitAnyWakesWhenAnotherThreadSignals) {
  Handle first(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  Handle second(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  const HANDLE handles[] = {first.value, second.value};
  std::thread signaller([&] {
    Sleep(10);
    SetEvent(second.value);
  });
  EXPECT_EQ(WAIT_OBJECT_0 + 1, WaitForMultipleObjects(2, handles, FALSE, INFINITE));
  signaller.join();
}

TEST(Events, WaitAllNeedsEveryObjectAndTakesThemTogether) {
  Handle a(CreateEventA(nullptr, FALSE, TRUE, nullptr));
  Handle b(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  const HANDLE handles[] = {a.value, b.value};
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForMultipleObjects(2, handles, TRUE, 0));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(a.value, 0)) << "a failed wait-all takes nothing";
  SetEvent(a.value);
  SetEvent(b.value);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(2, handles, TRUE, 0));
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(a.value, 0));
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(b.value, 0));
}

TEST(Events, BadWaitsFail) {
  Handle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  const HANDLE twice[] = {event.value, event.value};
  EXPECT_EQ(WAIT_FAILED, WaitForMultipleObjects(2, twice, TRUE, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_EQ(WAIT_FAILED, WaitForMultipleObjects(0, twice, FALSE, 0));

  HANDLE closed = CreateEventA(nullptr, TRUE, TRUE, nullptr);
  ASSERT_TRUE(CloseHandle(closed));
  EXPECT_EQ(WAIT_FAILED, WaitForSingleObject(closed, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  EXPECT_FALSE(SetEvent(closed));
  EXPECT_FALSE(CloseHandle(closed)) << "a handle closes once";
  EXPECT_FALSE(SetEvent(GetCurrentThread())) << "a thread is not an event";
}

TEST(TimeScale, ScalesEveryWaitButNeverToZero) {
  // The test environment runs with PLATFORM_TIME_SCALE=0.01.
  ASSERT_DOUBLE_EQ(0.01, win32::internal::timeScale());
  EXPECT_EQ(40u, win32::internal::scaledMilliseconds(4000));
  EXPECT_EQ(1u, win32::internal::scaledMilliseconds(10));
  EXPECT_EQ(0u, win32::internal::scaledMilliseconds(0));
  EXPECT_EQ(INFINITE, win32::internal::scaledMilliseconds(INFINITE));
}

TEST(TimeScale, ShortensTimedWaitsAndSleep) {
  Handle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  const auto start = Clock::now();
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(event.value, 4000));
  const auto waited = Clock::now() - start;
  EXPECT_GE(waited, std::chrono::milliseconds(39));
  EXPECT_LT(waited, std::chrono::milliseconds(2000));

  const auto sleepStart = Clock::now();
  Sleep(5000);
  EXPECT_LT(Clock::now() - sleepStart, std::chrono::milliseconds(2000));
}

}  // namespace
