#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "message_loop_thread.h"
#include "platform_internal/thread_calls.h"

using win32::internal::CallOutcome;
using win32::internal::callOnThread;
using win32::internal::callOnThreadWithin;
using win32::internal::postToThread;
using win32::internal::serveCarriedCalls;
using win32::internal::waitForCallsOrMessages;

namespace {

TEST(ThreadCalls, CallRunsOnTheTargetThreadAndWaits) {
  MessageLoopThread target;
  DWORD ranOn = 0;
  ASSERT_TRUE(callOnThread(target.id(), [&] { ranOn = GetCurrentThreadId(); }));
  EXPECT_EQ(target.id(), ranOn) << "the result is there when callOnThread returns";
}

TEST(ThreadCalls, CallOnOwnThreadRunsDirectly) {
  bool ran = false;
  EXPECT_TRUE(callOnThread(GetCurrentThreadId(), [&] { ran = true; }));
  EXPECT_TRUE(ran);
}

TEST(ThreadCalls, ReentrantChainCompletes) {
  // A -> B -> A -> B: each waiting thread serves the calls made into it.
  MessageLoopThread b;
  const DWORD a = GetCurrentThreadId();
  std::vector<std::string> trail;
  ASSERT_TRUE(callOnThread(b.id(), [&] {
    trail.push_back("b");
    EXPECT_TRUE(callOnThread(a, [&] {
      trail.push_back("a");
      EXPECT_TRUE(callOnThread(b.id(), [&] { trail.push_back("b again"); }));
    }));
  }));
  EXPECT_EQ((std::vector<std::string>{"b", "a", "b again"}), trail);
}

TEST(ThreadCalls, UnknownOrEndedThreadsRefuse) {
  EXPECT_FALSE(callOnThread(0xFFFFFFF0, [] {}));
  EXPECT_FALSE(postToThread(0xFFFFFFF0, [] {}));
  DWORD ended = 0;
  {
    MessageLoopThread target;
    ended = target.id();
  }
  bool ran = false;
  EXPECT_FALSE(callOnThread(ended, [&] { ran = true; }));
  EXPECT_FALSE(ran);
}

DWORD WINAPI endWithoutPumping(LPVOID event) {
  WaitForSingleObject(static_cast<HANDLE>(event), INFINITE);
  return 0;
}

TEST(ThreadCalls, PendingCallFailsWhenTheTargetEnds) {
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD targetId = 0;
  HANDLE target = CreateThread(nullptr, 0, endWithoutPumping, release, 0, &targetId);
  std::atomic<bool> ran{false};
  std::thread releaser([&] {
    Sleep(20);
    SetEvent(release);
  });
  EXPECT_FALSE(callOnThread(targetId, [&] { ran = true; }));
  EXPECT_FALSE(ran.load());
  releaser.join();
  WaitForSingleObject(target, 5000);
  CloseHandle(target);
  CloseHandle(release);
}

TEST(ThreadCalls, CallerReturnsWhenTheCallEndsItsThread) {
  MessageLoopThread target;
  EXPECT_TRUE(callOnThread(target.id(), [] { ExitThread(3); }));
  ASSERT_TRUE(target.join());
  DWORD code = 0;
  GetExitCodeThread(target.handle(), &code);
  EXPECT_EQ(3u, code);
}

TEST(ThreadCalls, ExceptionReachesTheCaller) {
  MessageLoopThread target;
  EXPECT_THROW(callOnThread(target.id(), [] { throw std::runtime_error("inside"); }), std::runtime_error);
  EXPECT_TRUE(callOnThread(target.id(), [] {})) << "the target lives on";
}

TEST(ThreadCalls, CallsRunInOrderBeforePostedMessages) {
  // Everything is queued to this thread before it looks at its queue.
  std::vector<int> order;
  PostThreadMessageA(GetCurrentThreadId(), WM_APP, 1, 0);
  std::thread poster([&, self = GetCurrentThreadId()] {
    postToThread(self, [&] { order.push_back(1); });
    postToThread(self, [&] { order.push_back(2); });
  });
  poster.join();
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ((std::vector<int>{1, 2}), order) << "calls ran before the message was returned";
  EXPECT_EQ(static_cast<UINT>(WM_APP), message.message);
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) << "NOREMOVE left it there";
  EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
}

TEST(ThreadCalls, ServeRunsWhatIsPendingAndCounts) {
  int ran = 0;
  const DWORD self = GetCurrentThreadId();
  std::thread poster([&] {
    for (int i = 0; i < 3; ++i) postToThread(self, [&] { ++ran; });
  });
  poster.join();
  EXPECT_EQ(3, serveCarriedCalls());
  EXPECT_EQ(3, ran);
  EXPECT_EQ(0, serveCarriedCalls());
}

TEST(ThreadCalls, WaitForCallsOrMessagesTimesOutAndWakes) {
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(waitForCallsOrMessages(3000));  // scaled to 30 ms
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

  const DWORD self = GetCurrentThreadId();
  bool ran = false;
  std::thread caller([&] { EXPECT_TRUE(callOnThread(self, [&] { ran = true; })); });
  EXPECT_FALSE(waitForCallsOrMessages(INFINITE)) << "a call ran; no message waits";
  caller.join();
  EXPECT_TRUE(ran);

  std::thread poster([self] { PostThreadMessageA(self, WM_APP + 3, 0, 0); });
  EXPECT_TRUE(waitForCallsOrMessages(INFINITE));
  poster.join();
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(static_cast<UINT>(WM_APP + 3), message.message);
}

// A target kept busy in a posted call until `release` is set.
struct BusyTarget {
  MessageLoopThread thread;
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  BusyTarget() {
    EXPECT_TRUE(postToThread(thread.id(), [event = release] { WaitForSingleObject(event, INFINITE); }));
  }
  ~BusyTarget() {
    SetEvent(release);
    thread.quit();
    thread.join();
    CloseHandle(release);
  }
};

TEST(ThreadCalls, ATimedCallLeftBehindStillRunsAndItsLateAnswerReachesNoLaterCall) {
  BusyTarget target;
  std::atomic<int> lateRuns{0};
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(CallOutcome::TimedOut, callOnThreadWithin(
                                       target.thread.id(),
                                       [&lateRuns] {
                                         ++lateRuns;
                                         throw std::runtime_error("after the caller left");
                                       },
                                       30, true));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30)) << "the limit is real time";
  EXPECT_EQ(0, lateRuns.load());
  SetEvent(target.release);
  // The late call finishes first and rings this thread; the next call must still wait
  // for its own answer, and the late call's exception must not come back with it.
  int sawLateRuns = -1;
  EXPECT_TRUE(callOnThread(target.thread.id(), [&] { sawLateRuns = lateRuns.load(); }));
  EXPECT_EQ(1, sawLateRuns);
  bool ran = false;
  EXPECT_EQ(CallOutcome::Ran, callOnThreadWithin(target.thread.id(), [&] { ran = true; }, 10000, false));
  EXPECT_TRUE(ran);
}

TEST(ThreadCalls, ACallerWaitingWithALimitServesCallsIntoItOnlyWhenAsked) {
  // The busy target is released by a call carried into the waiting caller: the timed
  // call can finish only if the caller serves it.
  BusyTarget target;
  const DWORD self = GetCurrentThreadId();
  std::thread other([&] { EXPECT_TRUE(callOnThread(self, [&] { SetEvent(target.release); })); });
  EXPECT_EQ(CallOutcome::TimedOut, callOnThreadWithin(target.thread.id(), [] {}, 100, false));
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(target.release, 0)) << "not served meanwhile";
  EXPECT_EQ(CallOutcome::Ran, callOnThreadWithin(target.thread.id(), [] {}, 10000, true));
  other.join();
}

TEST(MessageQueue, GetMessageEndsWithQuitAfterPostedMessages) {
  PostThreadMessageA(GetCurrentThreadId(), WM_APP, 7, 8);
  PostQuitMessage(3);
  PostThreadMessageA(GetCurrentThreadId(), WM_APP + 1, 0, 0);
  MSG message;
  ASSERT_EQ(TRUE, GetMessageA(&message, nullptr, 0, 0));
  EXPECT_EQ(static_cast<UINT>(WM_APP), message.message);
  EXPECT_EQ(7u, message.wParam);
  EXPECT_EQ(8, message.lParam);
  ASSERT_EQ(TRUE, GetMessageA(&message, nullptr, 0, 0)) << "WM_QUIT waits for the posted messages";
  EXPECT_EQ(static_cast<UINT>(WM_APP + 1), message.message);
  EXPECT_EQ(FALSE, GetMessageA(&message, nullptr, 0, 0));
  EXPECT_EQ(static_cast<UINT>(WM_QUIT), message.message);
  EXPECT_EQ(3u, message.wParam);
  EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) << "quit is taken once";
}

TEST(MessageQueue, FiltersByRange) {
  PostThreadMessageA(GetCurrentThreadId(), WM_APP + 5, 0, 0);
  PostThreadMessageA(GetCurrentThreadId(), WM_APP + 9, 0, 0);
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_APP + 9, WM_APP + 9, PM_REMOVE));
  EXPECT_EQ(static_cast<UINT>(WM_APP + 9), message.message);
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(static_cast<UINT>(WM_APP + 5), message.message);
}

TEST(MessageQueue, PostThreadMessageReachesAnotherThreadsLoop) {
  MessageLoopThread target;
  EXPECT_TRUE(PostThreadMessageA(target.id(), WM_QUIT, 9, 0));
  ASSERT_TRUE(target.join());
  DWORD code = 0;
  GetExitCodeThread(target.handle(), &code);
  EXPECT_EQ(9u, code) << "the loop saw WM_QUIT with its code";
  EXPECT_FALSE(PostThreadMessageA(target.id(), WM_APP, 0, 0)) << "the thread has ended";
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_THREAD_ID), GetLastError());
}

TEST(MessageQueue, TranslateMessagePostsCharacters) {
  MSG key{};
  key.message = WM_KEYDOWN;
  key.wParam = 'Q';
  EXPECT_TRUE(TranslateMessage(&key));
  key.wParam = 0x70;  // F1 has no character
  EXPECT_FALSE(TranslateMessage(&key));
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(static_cast<UINT>(WM_CHAR), message.message);
  EXPECT_EQ(static_cast<WPARAM>('q'), message.wParam);
  EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
}

}  // namespace
