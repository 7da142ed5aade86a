// NS_NewThread and nsIThread.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "nsCOMPtr.h"
#include "nsComponentManagerUtils.h"
#include "nsIRunnable.h"
#include "nsIThread.h"
#include "nsISupportsImpl.h"
#include "testbed/xpcom.h"

namespace {

std::atomic<int> gAliveTasks{0};

class Task final : public nsIRunnable {
 public:
  NS_DECL_ISUPPORTS
  Task() { ++gAliveTasks; }
  NS_IMETHOD Run(void) override {
    while (!mRelease.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    nsCOMPtr<nsIThread> current;
    nsIThread::GetCurrent(getter_AddRefs(current));
    mRanOn = current.get();
    mRan = true;
    return NS_OK;
  }
  std::atomic<bool> mRelease{false};
  std::atomic<bool> mRan{false};
  std::atomic<nsIThread*> mRanOn{nullptr};

 private:
  ~Task() { --gAliveTasks; }
};

NS_IMPL_THREADSAFE_ISUPPORTS1(Task, nsIRunnable)

void waitUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(Threads, TheThreadHoldsItsRunnableUntilRunReturns) {
  Task* task = new Task();
  nsCOMPtr<nsIRunnable> runnable = task;
  nsCOMPtr<nsIThread> thread;
  ASSERT_EQ(NS_NewThread(getter_AddRefs(thread), runnable, 0, PR_UNJOINABLE_THREAD), NS_OK);
  runnable = nullptr;
  thread = nullptr;  // neither the caller's references keep it alive now
  EXPECT_EQ(gAliveTasks.load(), 1);
  task->mRelease = true;
  waitUntil([] { return gAliveTasks.load() == 0; });
  EXPECT_EQ(gAliveTasks.load(), 0);
}

TEST(Threads, JoinableThreadIsJoinedAndReportsWhatItWasGiven) {
  nsCOMPtr<Task> task = new Task();
  nsCOMPtr<nsIThread> thread;
  ASSERT_EQ(NS_NewThread(getter_AddRefs(thread), task, 0, PR_JOINABLE_THREAD, PR_PRIORITY_HIGH, PR_LOCAL_THREAD),
            NS_OK);
  PRThreadState state;
  PRThreadPriority priority;
  PRThreadScope scope;
  thread->GetState(&state);
  thread->GetPriority(&priority);
  thread->GetScope(&scope);
  EXPECT_EQ(state, PR_JOINABLE_THREAD);
  EXPECT_EQ(priority, PR_PRIORITY_HIGH);
  EXPECT_EQ(scope, PR_LOCAL_THREAD);
  PRThread* prthread = nullptr;
  EXPECT_EQ(thread->GetPRThread(&prthread), NS_OK);
  EXPECT_NE(prthread, PR_GetCurrentThread());
  EXPECT_EQ(thread->Sleep(1), NS_ERROR_FAILURE);  // only the thread itself may sleep through it
  task->mRelease = true;
  ASSERT_EQ(thread->Join(), NS_OK);
  EXPECT_TRUE(task->mRan.load());
  EXPECT_EQ(task->mRanOn.load(), thread.get());  // GetCurrent on the thread is this object
  EXPECT_EQ(thread->Join(), NS_ERROR_FAILURE);   // once only
  EXPECT_EQ(thread->GetPRThread(&prthread), NS_ERROR_FAILURE);
}

TEST(Threads, UnjoinableThreadCannotBeJoinedAndBadArgumentsAreRefused) {
  nsCOMPtr<Task> task = new Task();
  nsCOMPtr<nsIThread> thread;
  ASSERT_EQ(NS_NewThread(getter_AddRefs(thread), task), NS_OK);  // unjoinable by default
  EXPECT_EQ(thread->Join(), NS_ERROR_FAILURE);
  task->mRelease = true;
  waitUntil([&] { return task->mRan.load(); });
  EXPECT_EQ(NS_NewThread(getter_AddRefs(thread), nullptr), NS_ERROR_NULL_POINTER);
  EXPECT_EQ(thread, nullptr);
  EXPECT_EQ(NS_NewThread(getter_AddRefs(thread), task, 0, PR_UNJOINABLE_THREAD, static_cast<PRThreadPriority>(9)),
            NS_ERROR_INVALID_ARG);
}

TEST(Threads, AThreadNotStartedHereHasOneThreadObject) {
  nsCOMPtr<nsIThread> first;
  nsCOMPtr<nsIThread> second;
  ASSERT_EQ(nsIThread::GetCurrent(getter_AddRefs(first)), NS_OK);
  first->GetCurrentThread(getter_AddRefs(second));
  EXPECT_EQ(first, second);
  PRThread* prthread = nullptr;
  EXPECT_EQ(first->GetPRThread(&prthread), NS_OK);
  EXPECT_EQ(prthread, PR_GetCurrentThread());
  EXPECT_EQ(first->Join(), NS_ERROR_FAILURE);
}

TEST(Threads, AThreadNotStartedHereHandsOutNoRecordOnceItHasEnded) {
  nsCOMPtr<nsIThread> kept;
  std::thread([&] { nsIThread::GetCurrent(getter_AddRefs(kept)); }).join();
  ASSERT_NE(kept, nullptr);
  PRThread* prthread = PR_GetCurrentThread();
  EXPECT_EQ(kept->GetPRThread(&prthread), NS_ERROR_FAILURE);
  EXPECT_EQ(prthread, nullptr);
}

TEST(Threads, AThreadMadeByContractIdStartsWithInit) {
  ASSERT_EQ(xpcom::testbed::startXPCOM("", ""), NS_OK);
  nsCOMPtr<Task> task = new Task();
  nsresult rv = NS_ERROR_FAILURE;
  nsCOMPtr<nsIThread> thread = do_CreateInstance(NS_THREAD_CONTRACTID, &rv);
  ASSERT_EQ(rv, NS_OK);
  ASSERT_EQ(thread->Init(task, 0, PR_PRIORITY_NORMAL, PR_GLOBAL_THREAD, PR_JOINABLE_THREAD), NS_OK);
  EXPECT_EQ(thread->Init(task, 0, PR_PRIORITY_NORMAL, PR_GLOBAL_THREAD, PR_JOINABLE_THREAD),
            NS_ERROR_ALREADY_INITIALIZED);
  task->mRelease = true;
  EXPECT_EQ(thread->Join(), NS_OK);
  EXPECT_TRUE(task->mRan.load());
  xpcom::testbed::shutdownXPCOM();
}

}  // namespace
