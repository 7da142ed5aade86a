// An interface of the tests, with its proxy, for carrying calls between threads.
#pragma once

#include <atomic>
#include <thread>

#include "nsCOMPtr.h"
#include "nsIObserver.h"
#include "nsISupportsImpl.h"
#include "platform_internal/xpcom_proxy.h"

#define TEST_ICALCULATOR_IID \
  { 0x3e5f9b20, 0x0c6d, 0x4a8e, { 0x91, 0x2b, 0x7d, 0x44, 0x18, 0xc0, 0x5a, 0xe3 } }

class NS_NO_VTABLE testICalculator : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(TEST_ICALCULATOR_IID)
  // Adds, noting the thread it ran on.
  NS_IMETHOD Add(PRInt32 a, PRInt32 b, PRInt32* _retval) = 0;
  // Calls `back` (a proxy to the caller's thread, usually) before answering.
  NS_IMETHOD CallBack(nsIObserver* back) = 0;
  NS_IMETHOD_(PRUint32) Calls(void) = 0;

 protected:
  ~testICalculator() = default;
};

class CalculatorProxy final : public xpcom::proxy::Proxy<testICalculator> {
 public:
  using Proxy::Proxy;
  NS_IMETHOD Add(PRInt32 a, PRInt32 b, PRInt32* _retval) override {
    return Forward([&] { return Real()->Add(a, b, _retval); });
  }
  NS_IMETHOD CallBack(nsIObserver* back) override {
    return Forward([&] { return Real()->CallBack(back); });
  }
  NS_IMETHOD_(PRUint32) Calls(void) override {
    return Forward([&] { return Real()->Calls(); });
  }
};

class Calculator final : public testICalculator, public nsIObserver {
 public:
  NS_DECL_ISUPPORTS
  NS_IMETHOD Add(PRInt32 a, PRInt32 b, PRInt32* _retval) override {
    mLastThread = std::this_thread::get_id();
    ++mCalls;
    *_retval = a + b;
    return a + b < 0 ? NS_ERROR_ILLEGAL_VALUE : NS_OK;
  }
  NS_IMETHOD CallBack(nsIObserver* back) override {
    mLastThread = std::this_thread::get_id();
    ++mCalls;
    return back->Observe(nullptr, "back", nullptr);
  }
  NS_IMETHOD_(PRUint32) Calls(void) override { return mCalls.load(); }
  NS_IMETHOD Observe(nsISupports*, const char*, const PRUnichar*) override {
    mObservedOn = std::this_thread::get_id();
    return NS_OK;
  }
  std::thread::id lastThread() const { return mLastThread.load(); }
  std::thread::id observedOn() const { return mObservedOn.load(); }

 private:
  ~Calculator() = default;
  std::atomic<std::thread::id> mLastThread{};
  std::atomic<std::thread::id> mObservedOn{};
  std::atomic<PRUint32> mCalls{0};
};
