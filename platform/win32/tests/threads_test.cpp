#include <gtest/gtest.h>
#include <process.h>
#include <windows.h>

#include <atomic>

namespace {

DWORD WINAPI returnParameter(LPVOID parameter) { return static_cast<DWORD>(reinterpret_cast<uintptr_t>(parameter)); }

DWORD WINAPI exitEarly(LPVOID) {
  ExitThread(42);
}

struct Blocked {
  HANDLE release;
  std::atomic<DWORD> seenId{0};
};

DWORD WINAPI waitForRelease(LPVOID parameter) {
  auto* blocked = static_cast<Blocked*>(parameter);
  blocked->seenId = GetCurrentThreadId();
  WaitForSingleObject(blocked->release, INFINITE);
  return 7;
}

TEST(Threads, RunsTheRoutineAndSignalsItsHandleWithTheExitCode) {
  DWORD threadId = 0;
  HANDLE thread = CreateThread(nullptr, 0, returnParameter, reinterpret_cast<LPVOID>(uintptr_t{1234}), 0, &threadId);
  ASSERT_NE(nullptr, thread);
  EXPECT_NE(0u, threadId);
  EXPECT_NE(GetCurrentThreadId(), threadId);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 5000));
  DWORD code = 0;
  ASSERT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(1234u, code);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 0)) << "an ended thread stays signalled";
  EXPECT_TRUE(CloseHandle(thread));
}

TEST(Threads, ExitThreadEndsWithItsCode) {
  HANDLE thread = CreateThread(nullptr, 0, exitEarly, nullptr, 0, nullptr);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 5000));
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(42u, code);
  CloseHandle(thread);
}

TEST(Threads, StillActiveUntilItEndsAndIdsMatch) {
  Blocked blocked;
  blocked.release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD threadId = 0;
  HANDLE thread = CreateThread(nullptr, 0, waitForRelease, &blocked, 0, &threadId);
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), code);
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(thread, 0));
  SetEvent(blocked.release);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 5000));
  EXPECT_EQ(threadId, blocked.seenId.load());
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(7u, code);
  CloseHandle(thread);
  CloseHandle(blocked.release);
}

TEST(Threads, PrioritiesAreRecordedPerThread) {
  Blocked blocked;
  blocked.release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = CreateThread(nullptr, 0, waitForRelease, &blocked, 0, nullptr);
  EXPECT_EQ(THREAD_PRIORITY_NORMAL, GetThreadPriority(thread));
  EXPECT_TRUE(SetThreadPriority(thread, THREAD_PRIORITY_LOWEST));
  EXPECT_EQ(THREAD_PRIORITY_LOWEST, GetThreadPriority(thread));
  EXPECT_EQ(THREAD_PRIORITY_NORMAL, GetThreadPriority(GetCurrentThread())) << "other threads are untouched";
  EXPECT_FALSE(SetThreadPriority(thread, 5));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  EXPECT_EQ(THREAD_PRIORITY_LOWEST, GetThreadPriority(thread));
  SetEvent(blocked.release);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  CloseHandle(blocked.release);
  EXPECT_EQ(THREAD_PRIORITY_ERROR_RETURN, GetThreadPriority(thread)) << "the handle is closed";
}

unsigned WINAPI crtRoutine(void* parameter) {
  if (parameter != nullptr) _endthreadex(5);
  return 3;
}

TEST(Threads, CrtThreadStartGivesAPlatformThread) {
  unsigned threadId = 0;
  const uintptr_t handle = _beginthreadex(nullptr, 0, crtRoutine, nullptr, 0, &threadId);
  ASSERT_NE(0u, handle);
  EXPECT_NE(0u, threadId);
  HANDLE thread = reinterpret_cast<HANDLE>(handle);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 5000));
  DWORD code = 0;
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(3u, code);
  CloseHandle(thread);

  thread = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, crtRoutine, &code, 0, nullptr));
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 5000));
  GetExitCodeThread(thread, &code);
  EXPECT_EQ(5u, code) << "_endthreadex's code";
  CloseHandle(thread);
}

TEST(Threads, RejectsWhatItDoesNotOffer) {
  EXPECT_EQ(nullptr, CreateThread(nullptr, 0, nullptr, nullptr, 0, nullptr));
  EXPECT_EQ(nullptr, CreateThread(nullptr, 0, returnParameter, nullptr, CREATE_SUSPENDED, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST(Threads, HandlesOfDifferentKindsNeverCollide) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = CreateThread(nullptr, 0, returnParameter, nullptr, 0, nullptr);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 8);
  EXPECT_NE(event, thread);
  EXPECT_NE(static_cast<HANDLE>(memory), event);
  WaitForSingleObject(thread, 5000);
  CloseHandle(thread);
  CloseHandle(event);
  GlobalFree(memory);
}

}  // namespace
