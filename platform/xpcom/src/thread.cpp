// nsIThread and NS_NewThread over std::thread.
#include <future>
#include <mutex>
#include <thread>

#include "builtin_services.h"
#include "nsISupportsImpl.h"
#include "simple_factory.h"
#include "nsIThread.h"
#include "thread_record.h"

namespace xpcom::internal {
namespace {

class Thread final : public nsIThread {
 public:
  NS_DECL_ISUPPORTS

  Thread() = default;
  // The nsIThread of a thread not started here (see nsIThread::GetCurrent).
  explicit Thread(PRThread* adopted) : mPRThread(adopted), mState(PR_UNJOINABLE_THREAD), mAdopted(true) {}

  NS_IMETHOD Join(void) override {
    std::thread joining;
    {
      std::lock_guard lock(mMutex);
      if (mAdopted || mState != PR_JOINABLE_THREAD || !mThread.joinable()) return NS_ERROR_FAILURE;
      if (mThread.get_id() == std::this_thread::get_id()) return NS_ERROR_FAILURE;
      joining.swap(mThread);
    }
    joining.join();
    return NS_OK;
  }
  // NSPR's interruption of blocking calls is not modelled.
  NS_IMETHOD Interrupt(void) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD GetPriority(PRThreadPriority* aPriority) override {
    if (!aPriority) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mMutex);
    *aPriority = mPriority;
    return NS_OK;
  }
  NS_IMETHOD SetPriority(PRThreadPriority aPriority) override {
    if (aPriority < PR_PRIORITY_FIRST || aPriority > PR_PRIORITY_LAST) return NS_ERROR_INVALID_ARG;
    std::lock_guard lock(mMutex);
    mPriority = aPriority;
    return NS_OK;
  }
  NS_IMETHOD GetScope(PRThreadScope* aScope) override {
    if (!aScope) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mMutex);
    *aScope = mScope;
    return NS_OK;
  }
  NS_IMETHOD GetState(PRThreadState* aState) override {
    if (!aState) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mMutex);
    *aState = mState;
    return NS_OK;
  }
  // Fails once the thread has ended (its record is gone).
  NS_IMETHOD GetPRThread(PRThread** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    std::lock_guard lock(mMutex);
    *_retval = mPRThread;
    return mPRThread ? NS_OK : NS_ERROR_FAILURE;
  }

  NS_IMETHOD Init(nsIRunnable* aRunnable, PRUint32, PRThreadPriority aPriority, PRThreadScope aScope,
                  PRThreadState aState) override {
    if (!aRunnable) return NS_ERROR_NULL_POINTER;
    if (aPriority < PR_PRIORITY_FIRST || aPriority > PR_PRIORITY_LAST) return NS_ERROR_INVALID_ARG;
    if (aState != PR_JOINABLE_THREAD && aState != PR_UNJOINABLE_THREAD) return NS_ERROR_INVALID_ARG;
    std::promise<PRThread*> started;
    std::future<PRThread*> record = started.get_future();
    {
      std::lock_guard lock(mMutex);
      if (mStarted || mAdopted) return NS_ERROR_ALREADY_INITIALIZED;
      mStarted = true;
      mPriority = aPriority;
      mScope = aScope;
      mState = aState;
      // The new thread holds the thread object and the runnable until Run returns.
      nsCOMPtr<nsIThread> self(this);
      nsCOMPtr<nsIRunnable> runnable(aRunnable);
      try {
        mThread = std::thread(&Thread::Main, std::move(self), std::move(runnable), std::move(started));
      } catch (const std::system_error&) {
        return NS_ERROR_OUT_OF_MEMORY;
      }
      if (aState == PR_UNJOINABLE_THREAD) mThread.detach();
    }
    PRThread* prthread = record.get();
    std::lock_guard lock(mMutex);
    if (!mEnded) mPRThread = prthread;
    return NS_OK;
  }

  // The adopted thread has ended: its record is about to go.
  void NoteRecordGone() {
    std::lock_guard lock(mMutex);
    mEnded = true;
    mPRThread = nullptr;
  }

  NS_IMETHOD GetCurrentThread(nsIThread** aCurrentThread) override { return nsIThread::GetCurrent(aCurrentThread); }

  NS_IMETHOD Sleep(PRUint32 msec) override {
    PRThread* current = PR_GetCurrentThread();
    {
      std::lock_guard lock(mMutex);
      if (current != mPRThread) return NS_ERROR_FAILURE;
    }
    return PR_Sleep(PR_MillisecondsToInterval(msec)) == PR_SUCCESS ? NS_OK : NS_ERROR_FAILURE;
  }

 private:
  ~Thread() {
    // A joinable thread never joined: its thread has finished Run (it held this
    // object), so it is let go of like NSPR lets go of an unjoined thread's resources.
    if (mThread.joinable()) mThread.detach();
  }

  static void Main(nsCOMPtr<nsIThread> self, nsCOMPtr<nsIRunnable> runnable, std::promise<PRThread*> started) {
    auto* thread = static_cast<Thread*>(self.get());
    PRThread& record = currentThreadRecord();
    {
      std::lock_guard lock(record.mutex);
      record.started = thread;
    }
    started.set_value(&record);
    runnable->Run();
    runnable = nullptr;  // released on this thread, before the thread counts as ended
    {
      std::lock_guard lock(record.mutex);
      record.started = nullptr;
    }
    {
      std::lock_guard lock(thread->mMutex);
      thread->mEnded = true;
      thread->mPRThread = nullptr;
    }
  }

  std::mutex mMutex;
  std::thread mThread;
  PRThread* mPRThread = nullptr;
  PRThreadPriority mPriority = PR_PRIORITY_NORMAL;
  PRThreadScope mScope = PR_GLOBAL_THREAD;
  PRThreadState mState = PR_JOINABLE_THREAD;
  bool mStarted = false;
  bool mEnded = false;
  bool mAdopted = false;
};

NS_IMPL_THREADSAFE_ISUPPORTS1(Thread, nsIThread)

}  // namespace

void noteAdoptedThreadEnded(nsIThread* adopted) {
  if (adopted) static_cast<Thread*>(adopted)->NoteRecordGone();
}

already_AddRefed<nsIFactory> newThreadFactory() {
  return newSimpleFactory([]() -> nsCOMPtr<nsISupports> {
    nsIThread* thread = new Thread();
    return nsCOMPtr<nsISupports>(thread);
  });
}

}  // namespace xpcom::internal

nsresult nsIThread::GetCurrent(nsIThread** result) {
  if (!result) return NS_ERROR_NULL_POINTER;
  PRThread& record = xpcom::internal::currentThreadRecord();
  std::lock_guard lock(record.mutex);
  nsIThread* thread = record.started;
  if (!thread) {
    if (!record.adopted) record.adopted = new xpcom::internal::Thread(&record);
    thread = record.adopted;
  }
  *result = thread;
  thread->AddRef();
  return NS_OK;
}

nsresult NS_NewThread(nsIThread** result, nsIRunnable* runnable, PRUint32 stackSize, PRThreadState state,
                      PRThreadPriority priority, PRThreadScope scope) {
  if (!result) return NS_ERROR_NULL_POINTER;
  *result = nullptr;
  nsCOMPtr<nsIThread> thread = new xpcom::internal::Thread();
  const nsresult rv = thread->Init(runnable, stackSize, priority, scope, state);
  if (NS_FAILED(rv)) return rv;
  thread.forget(result);
  return NS_OK;
}
