// nsISupports conformance: QueryInterface answers and counts, nsCOMPtr ownership,
// weak references, the generic factory constructor, nsID text forms.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "nsCOMPtr.h"
#include "nsIGenericFactory.h"
#include "nsIObserver.h"
#include "nsIRunnable.h"
#include "nsIThread.h"
#include "nsIWeakReferenceUtils.h"
#include "nsMemory.h"
#include "nsWeakReference.h"

namespace {

int gAlive = 0;

class Sample : public nsIObserver, public nsIRunnable, public nsSupportsWeakReference {
 public:
  NS_DECL_ISUPPORTS
  Sample() { ++gAlive; }
  NS_IMETHOD Observe(nsISupports*, const char*, const PRUnichar*) override { return NS_OK; }
  NS_IMETHOD Run(void) override { return NS_OK; }
  nsrefcnt count() const { return mRefCnt; }

 protected:
  virtual ~Sample() { --gAlive; }
};

NS_IMPL_THREADSAFE_ISUPPORTS3(Sample, nsIObserver, nsIRunnable, nsISupportsWeakReference)
NS_GENERIC_FACTORY_CONSTRUCTOR(Sample)

TEST(Supports, SuccessfulAnswerAddsExactlyOneReferenceAndKeepsIdentity) {
  nsCOMPtr<nsIObserver> observer = new Sample();
  auto* sample = static_cast<Sample*>(observer.get());
  ASSERT_EQ(sample->count(), 1u);

  nsIRunnable* runnable = nullptr;
  ASSERT_EQ(observer->QueryInterface(NS_GET_IID(nsIRunnable), reinterpret_cast<void**>(&runnable)), NS_OK);
  EXPECT_EQ(sample->count(), 2u);
  EXPECT_NE(static_cast<void*>(runnable), static_cast<void*>(observer.get()));  // two interface pointers
  nsISupports* viaObserver = nullptr;
  nsISupports* viaRunnable = nullptr;
  observer->QueryInterface(NS_GET_IID(nsISupports), reinterpret_cast<void**>(&viaObserver));
  runnable->QueryInterface(NS_GET_IID(nsISupports), reinterpret_cast<void**>(&viaRunnable));
  EXPECT_EQ(viaObserver, viaRunnable);  // one identity
  EXPECT_TRUE(SameCOMIdentity(observer, runnable));
  EXPECT_EQ(sample->count(), 4u);
  viaObserver->Release();
  viaRunnable->Release();
  runnable->Release();
  EXPECT_EQ(sample->count(), 1u);
}

TEST(Supports, UnknownInterfaceGivesNoInterfaceAndNullAndNoReference) {
  nsCOMPtr<nsIObserver> observer = new Sample();
  auto* sample = static_cast<Sample*>(observer.get());
  void* result = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(observer->QueryInterface(NS_GET_IID(nsIFactory), &result), NS_NOINTERFACE);
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(sample->count(), 1u);
  EXPECT_EQ(observer->QueryInterface(NS_GET_IID(nsIObserver), nullptr), NS_ERROR_NULL_POINTER);
  EXPECT_EQ(sample->count(), 1u);
}

TEST(Supports, ComPtrOwnsExactlyWhatItHolds) {
  ASSERT_EQ(gAlive, 0);
  {
    nsCOMPtr<nsIObserver> first = new Sample();
    auto* sample = static_cast<Sample*>(first.get());
    nsCOMPtr<nsIObserver> copy = first;
    EXPECT_EQ(sample->count(), 2u);
    nsCOMPtr<nsIObserver> moved = std::move(copy);
    EXPECT_EQ(copy, nullptr);
    EXPECT_EQ(sample->count(), 2u);
    nsresult rv = NS_OK;
    nsCOMPtr<nsIRunnable> runnable = do_QueryInterface(first, &rv);
    EXPECT_EQ(rv, NS_OK);
    EXPECT_EQ(sample->count(), 3u);
    nsCOMPtr<nsIFactory> none = do_QueryInterface(first, &rv);
    EXPECT_EQ(rv, NS_NOINTERFACE);
    EXPECT_EQ(none, nullptr);
    // getter_AddRefs lets go of what the pointer held before the callee fills it.
    first->QueryInterface(NS_GET_IID(nsIRunnable), getter_AddRefs(runnable));
    EXPECT_EQ(sample->count(), 3u);
    nsIObserver* raw = nullptr;
    moved.forget(&raw);
    EXPECT_EQ(moved, nullptr);
    EXPECT_EQ(sample->count(), 3u);
    raw->Release();
    nsIObserver* counted = new Sample();
    counted->AddRef();
    nsCOMPtr<nsIObserver> adopted = dont_AddRef(counted);  // takes over that reference
    EXPECT_EQ(static_cast<Sample*>(adopted.get())->count(), 1u);
  }
  EXPECT_EQ(gAlive, 0);
}

TEST(Supports, WeakReferenceGoesNullWhenTheObjectDies) {
  nsCOMPtr<nsIWeakReference> weak;
  {
    nsCOMPtr<nsIObserver> observer = new Sample();
    weak = do_GetWeakReference(observer);
    ASSERT_NE(weak, nullptr);
    nsCOMPtr<nsIWeakReference> again = do_GetWeakReference(observer);
    EXPECT_EQ(weak, again);  // one weak reference per object
    EXPECT_EQ(static_cast<Sample*>(observer.get())->count(), 1u);  // it does not own
    nsresult rv = NS_ERROR_FAILURE;
    nsCOMPtr<nsIRunnable> strong = do_QueryReferent(weak, &rv);
    EXPECT_EQ(rv, NS_OK);
    EXPECT_NE(strong, nullptr);
  }
  EXPECT_EQ(gAlive, 0);
  nsresult rv = NS_OK;
  nsCOMPtr<nsIObserver> gone = do_QueryReferent(weak, &rv);
  EXPECT_EQ(gone, nullptr);
  EXPECT_EQ(rv, NS_ERROR_NULL_POINTER);
}

TEST(Supports, WeakReferenceOutlivedByItsObjectIsForgotten) {
  nsCOMPtr<nsIObserver> observer = new Sample();
  { nsCOMPtr<nsIWeakReference> weak = do_GetWeakReference(observer); }
  nsCOMPtr<nsIWeakReference> fresh = do_GetWeakReference(observer);
  nsCOMPtr<nsIObserver> strong = do_QueryReferent(fresh);
  EXPECT_EQ(strong, observer);
}

// An object that ends on one thread while its weak reference ends on another (the
// component ends on its connection thread; weak references to it live on the UI thread).
class Observed final : public nsIObserver, public nsSupportsWeakReference {
 public:
  NS_DECL_ISUPPORTS
  NS_IMETHOD Observe(nsISupports*, const char*, const PRUnichar*) override { return NS_OK; }

 private:
  ~Observed() = default;
};
NS_IMPL_THREADSAFE_ISUPPORTS2(Observed, nsIObserver, nsISupportsWeakReference)

TEST(Supports, AnObjectAndItsWeakReferenceMayEndOnDifferentThreadsAtOnce) {
  for (int round = 0; round < 300; ++round) {
    nsCOMPtr<nsIObserver> object = new Observed();
    nsCOMPtr<nsIWeakReference> weak = do_GetWeakReference(object);
    ASSERT_NE(weak, nullptr);
    std::atomic<int> ready{0};
    std::atomic<bool> go{false};
    const auto endOnItsOwnThread = [&](auto& pointer) {
      return std::thread([&] {
        ++ready;
        while (!go.load()) {
        }
        pointer = nullptr;
      });
    };
    std::thread objectEnds = endOnItsOwnThread(object);
    std::thread weakEnds = endOnItsOwnThread(weak);
    while (ready.load() < 2) {
    }
    go = true;
    objectEnds.join();
    weakEnds.join();
  }
}

TEST(Supports, GenericConstructorRefusesAggregationAndAnswersTheAskedInterface) {
  void* result = reinterpret_cast<void*>(0x1);
  nsCOMPtr<nsIObserver> outer = new Sample();
  EXPECT_EQ(SampleConstructor(outer, NS_GET_IID(nsIObserver), &result), NS_ERROR_NO_AGGREGATION);
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(SampleConstructor(nullptr, NS_GET_IID(nsIFactory), &result), NS_NOINTERFACE);
  EXPECT_EQ(result, nullptr);
  EXPECT_EQ(gAlive, 1);  // the refused instance is gone again
  ASSERT_EQ(SampleConstructor(nullptr, NS_GET_IID(nsIRunnable), &result), NS_OK);
  auto* runnable = static_cast<nsIRunnable*>(result);
  EXPECT_EQ(runnable->Release(), 0u);
}

// A class adding an interface to a base that implements nsISupports already.
class Extended final : public Sample, public nsIFactory {
 public:
  NS_DECL_ISUPPORTS_INHERITED
  NS_IMETHOD CreateInstance(nsISupports*, const nsIID&, void**) override { return NS_ERROR_NOT_IMPLEMENTED; }
  NS_IMETHOD LockFactory(PRBool) override { return NS_OK; }
};
NS_IMPL_ISUPPORTS_INHERITED1(Extended, Sample, nsIFactory)

TEST(Supports, InheritedImplementationsAnswerTheirOwnAndTheBasesInterfaces) {
  nsCOMPtr<nsIFactory> factory = new Extended();
  nsCOMPtr<nsIRunnable> runnable = do_QueryInterface(factory);
  ASSERT_NE(runnable, nullptr);
  nsCOMPtr<nsIFactory> again = do_QueryInterface(runnable);
  EXPECT_EQ(again, factory);
  EXPECT_TRUE(SameCOMIdentity(factory, runnable));
  nsresult rv = NS_OK;
  nsCOMPtr<nsIThread> none = do_QueryInterface(factory, &rv);
  EXPECT_EQ(rv, NS_NOINTERFACE);
  factory = nullptr;
  again = nullptr;
  runnable = nullptr;
  EXPECT_EQ(gAlive, 0);
}

TEST(Supports, IdsReadAndWriteTheirTextForm) {
  nsID id{};
  ASSERT_TRUE(id.Parse("{DB242E01-E4D9-11d2-9DDE-000064657374}"));
  EXPECT_TRUE(id.Equals(NS_GET_IID(nsIObserver)));
  char* text = id.ToString();
  EXPECT_STREQ(text, "{db242e01-e4d9-11d2-9dde-000064657374}");
  nsMemory::Free(text);
  ASSERT_TRUE(id.Parse("4a2abaf0-6886-11d3-9382-00104ba0fd40"));
  EXPECT_TRUE(id.Equals(NS_GET_IID(nsIRunnable)));
  for (const char* bad : {"", "{4a2abaf0-6886-11d3-9382-00104ba0fd40", "4a2abaf0-6886-11d3-9382-00104ba0fd4",
                          "4a2abaf0-6886-11d3-9382-00104ba0fd40x", "4a2abaf0x6886-11d3-9382-00104ba0fd40"}) {
    EXPECT_FALSE(id.Parse(bad)) << bad;
  }
  EXPECT_TRUE(id.Equals(NS_GET_IID(nsIRunnable)));  // a refused text changes nothing
}

}  // namespace
