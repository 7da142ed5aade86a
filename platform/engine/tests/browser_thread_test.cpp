// The browser thread: carried work, modal waits, ending.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <future>
#include <thread>

#include "engine/browser_thread.h"
#include "platform_internal/thread_calls.h"

namespace engine {
namespace {

TEST(BrowserThreadTest, CallRunsOnTheBrowserThreadAndWaits) {
    BrowserThread thread;
    DWORD ranOn = 0;
    EXPECT_FALSE(thread.isCurrent());
    ASSERT_TRUE(thread.call([&] { ranOn = GetCurrentThreadId(); }));
    EXPECT_EQ(thread.threadId(), ranOn);
    EXPECT_NE(GetCurrentThreadId(), ranOn);
    bool nested = false;
    thread.call([&] { thread.call([&] { nested = thread.isCurrent(); }); });  // runs directly
    EXPECT_TRUE(nested);
}

TEST(BrowserThreadTest, PostedWorkRunsInOrderBeforeALaterCall) {
    BrowserThread thread;
    std::vector<int> order;
    for (int i = 0; i < 5; ++i) thread.post([&order, i] { order.push_back(i); });
    thread.call([&] { order.push_back(99); });
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 99}), order);
}

TEST(BrowserThreadTest, AModalWaitKeepsServingCallsFromOtherThreads) {
    BrowserThread thread;
    std::atomic<bool> answered{false};
    std::promise<void> waiting;
    thread.post([&] {
        waiting.set_value();
        thread.runUntil([&] { return answered.load(); });
    });
    waiting.get_future().wait();
    int seen = 0;
    ASSERT_TRUE(thread.call([&] { seen = 42; }));  // served inside the modal wait
    EXPECT_EQ(42, seen);
    thread.call([&] { answered = true; });
    EXPECT_TRUE(thread.waitUntil([] { return true; }, 5000));
}

TEST(BrowserThreadTest, ACallIntoTheCallerWhileItWaitsCompletes) {
    // The browser thread calls back into the waiting thread (as a COM event sink
    // subscribed on it would be called); the waiter serves it while it waits.
    BrowserThread thread;
    DWORD caller = GetCurrentThreadId();
    DWORD ranOn = 0;
    ASSERT_TRUE(thread.call([&] {
        win32::internal::callOnThread(caller, [&] { ranOn = GetCurrentThreadId(); });
    }));
    EXPECT_EQ(caller, ranOn);
}

TEST(BrowserThreadTest, WaitsAreBoundedAndEndWithTheThread) {
    auto thread = std::make_unique<BrowserThread>();
    EXPECT_FALSE(thread->waitUntil([] { return false; }, 50));
    bool timedOut = true;
    thread->call([&] { timedOut = !thread->runUntil([] { return false; }, 30); });
    EXPECT_TRUE(timedOut);
    std::atomic<int> ran{0};
    for (int i = 0; i < 3; ++i) thread->post([&] { ++ran; });
    thread.reset();  // runs what was posted, then ends
    EXPECT_EQ(3, ran.load());
}

TEST(BrowserThreadTest, AnExceptionInATaskDoesNotEndTheThread) {
    BrowserThread thread;
    thread.post([] { throw std::runtime_error("page fault"); });
    int after = 0;
    EXPECT_TRUE(thread.call([&] { after = 1; }));
    EXPECT_EQ(1, after);
}

}  // namespace
}  // namespace engine
