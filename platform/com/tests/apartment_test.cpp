// CoInitialize and CoUninitialize, and what a thread without an apartment is refused.
#include <gtest/gtest.h>
#include <objbase.h>

#include <thread>

#include "com_test_support.h"

using com_test::ComPtr;

namespace {

template <class Body>
void onNewThread(Body body) {
  std::thread thread(body);
  thread.join();
}

TEST(ApartmentTest, RepeatedInitialisationIsCountedAndBalanced) {
  onNewThread([] {
    EXPECT_FALSE(com::internal::apartmentInitialised());
    EXPECT_EQ(S_OK, CoInitialize(nullptr));
    EXPECT_EQ(S_FALSE, CoInitialize(nullptr));
    EXPECT_EQ(S_FALSE, CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    CoUninitialize();
    CoUninitialize();
    EXPECT_TRUE(com::internal::apartmentInitialised());
    CoUninitialize();
    EXPECT_FALSE(com::internal::apartmentInitialised());
    CoUninitialize();  // unbalanced: ignored
    EXPECT_EQ(S_OK, CoInitialize(nullptr));
    CoUninitialize();
  });
}

TEST(ApartmentTest, ChangingTheModelIsRefused) {
  onNewThread([] {
    ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    EXPECT_EQ(RPC_E_CHANGED_MODE, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    CoUninitialize();
    EXPECT_EQ(E_INVALIDARG, CoInitialize(reinterpret_cast<LPVOID>(1)));
  });
}

TEST(ApartmentTest, CallsWithoutInitialisationFailAsOnWindows) {
  onNewThread([] {
    ComPtr<IUnknown> object;
    EXPECT_EQ(CO_E_NOTINITIALIZED,
              CoCreateInstance(IID_IDispatch, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(object.put())));
    EXPECT_EQ(CO_E_NOTINITIALIZED, GetActiveObject(IID_IDispatch, nullptr, object.put()));

    ComPtr<IStream> stream;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));  // no apartment needed
    auto* plain = new com_test::TableObject;
    EXPECT_EQ(CO_E_NOTINITIALIZED, CoMarshalInterface(stream.get(), IID_IDispatch, plain, MSHCTX_INPROC, nullptr,
                                                      MSHLFLAGS_NORMAL));
    void* out = nullptr;
    EXPECT_EQ(CO_E_NOTINITIALIZED, CoUnmarshalInterface(stream.get(), IID_IDispatch, &out));
    plain->Release();
  });
}

TEST(ApartmentTest, AThreadWithoutApartmentReachesABoundObjectOnItsOwnerThread) {
  com_test::ApartmentThread owner;
  com_test::CarriedTableObject* object = nullptr;
  owner.run([&] {
    object = new com_test::CarriedTableObject;
    object->table.add({1, u"where", [](WORD, DISPPARAMS&, VARIANT* result) {
                         result->vt = VT_I4;
                         result->lVal = static_cast<LONG>(GetCurrentThreadId());
                         return S_OK;
                       }});
  });
  onNewThread([&] {  // as one browser thread calling another browser's object
    VARIANT where;
    VariantInit(&where);
    EXPECT_EQ(S_OK, com_test::callMethod(object, 1, nullptr, &where));
    EXPECT_EQ(owner.id(), static_cast<DWORD>(where.lVal));
  });
  object->Release();
}

TEST(ApartmentTest, AThreadEndingWithoutUninitialisingReleasesItsMarshalledObjects) {
  com_test::Lifetime lifetime;
  DWORD threadId = 0;
  ComPtr<IStream> stream;
  onNewThread([&] {
    ASSERT_EQ(S_OK, CoInitialize(nullptr));
    threadId = GetCurrentThreadId();
    auto* object = new com_test::TableObject(&lifetime);
    stream = com_test::marshal(object, IID_IDispatch);
    object->Release();
    EXPECT_EQ(1, lifetime.alive);
  });
  EXPECT_EQ(0, lifetime.alive);
  EXPECT_EQ(threadId, lifetime.destroyedOn.load());
}

TEST(ApartmentTest, ABrowserThreadWithoutApartmentStillReleasesItsObjectsWhenItEnds) {
  ASSERT_EQ(S_OK, CoInitialize(nullptr));
  com_test::Lifetime lifetime;
  com_test::CarriedTableObject* object = nullptr;
  DWORD browserId = 0;
  HANDLE made = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE marshalled = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread browser([&] {  // never calls CoInitialize
    browserId = GetCurrentThreadId();
    object = new com_test::CarriedTableObject(&lifetime);
    SetEvent(made);
    WaitForSingleObject(marshalled, 10000);
  });
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(made, 10000));
  {
    ComPtr<IStream> stream = com_test::marshal(object->identity(), IID_IDispatch);
    object->Release();  // the marshalled data holds it now
    EXPECT_EQ(1, lifetime.alive);
  }
  SetEvent(marshalled);
  browser.join();
  EXPECT_EQ(0, lifetime.alive);
  EXPECT_EQ(browserId, lifetime.destroyedOn.load());
  CloseHandle(made);
  CloseHandle(marshalled);
  CoUninitialize();
}

}  // namespace
