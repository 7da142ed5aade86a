// Threads with apartments and small table-driven objects for the COM tests.
#pragma once

#include <gtest/gtest.h>
#include <objbase.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>

#include "platform_internal/apartment.h"
#include "platform_internal/com_object.h"
#include "platform_internal/com_ptr.h"
#include "platform_internal/dispatch_table.h"
#include "platform_internal/thread_calls.h"

namespace com_test {

using com::internal::ComPtr;

// The test body's thread is an apartment for the length of each test.
class ApartmentTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(S_OK, CoInitialize(nullptr)); }
  void TearDown() override { CoUninitialize(); }
};

// A thread that initialises COM and pumps messages (serving carried calls) until stopped.
class ApartmentThread {
 public:
  ApartmentThread() {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, &ApartmentThread::main, this, 0, &id_);
    WaitForSingleObject(ready_, INFINITE);
  }
  ~ApartmentThread() {
    stop();
    CloseHandle(thread_);
    CloseHandle(ready_);
  }
  ApartmentThread(const ApartmentThread&) = delete;
  ApartmentThread& operator=(const ApartmentThread&) = delete;

  DWORD id() const { return id_; }

  // Runs `body` on the thread and waits for it.
  void run(const std::function<void()>& body) { ASSERT_TRUE(win32::internal::callOnThread(id_, body)); }

  // Ends the loop (the thread uninitialises COM) and waits for the thread to end.
  void stop() {
    if (stopped_) return;
    stopped_ = true;
    PostThreadMessageA(id_, WM_QUIT, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread_, 10000));
  }

 private:
  static DWORD WINAPI main(LPVOID self) {
    auto* thread = static_cast<ApartmentThread*>(self);
    CoInitialize(nullptr);
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    SetEvent(thread->ready_);
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    CoUninitialize();
    return 0;
  }

  HANDLE ready_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD id_ = 0;
  bool stopped_ = false;
};

// Where and whether an object ended.
struct Lifetime {
  std::atomic<int> alive{0};
  std::atomic<DWORD> destroyedOn{0};
};

// A plain object with IDispatch from a table; it belongs to the thread that made it.
class TableObject : public com::internal::ComObject<
                        com::internal::Implements<com::internal::DispatchFromTable<IDispatch>, IDispatch>> {
 public:
  explicit TableObject(Lifetime* lifetime = nullptr) : lifetime_(lifetime) {
    if (lifetime_) ++lifetime_->alive;
  }
  com::internal::DispatchTable table;

 protected:
  ~TableObject() override {
    if (!lifetime_) return;
    lifetime_->destroyedOn = GetCurrentThreadId();
    --lifetime_->alive;
  }
  const com::internal::DispatchTable& dispatchTable() const override { return table; }

 private:
  Lifetime* lifetime_;
};

// The same with its calls carried to its owner thread, as the browser's objects are.
class CarriedTableObject : public com::internal::ApartmentComObject<
                               com::internal::Implements<com::internal::DispatchFromTable<IDispatch>, IDispatch>> {
 public:
  explicit CarriedTableObject(Lifetime* lifetime = nullptr) : lifetime_(lifetime) {
    if (lifetime_) ++lifetime_->alive;
  }
  com::internal::DispatchTable table;

  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* info, UINT* argErr) override {
    return carry([&] { return DispatchFromTable::Invoke(id, riid, lcid, flags, params, result, info, argErr); });
  }

 protected:
  ~CarriedTableObject() override {
    if (!lifetime_) return;
    lifetime_->destroyedOn = GetCurrentThreadId();
    --lifetime_->alive;
  }
  const com::internal::DispatchTable& dispatchTable() const override { return table; }

 private:
  Lifetime* lifetime_;
};

inline HRESULT callMethod(IDispatch* object, DISPID id, DISPPARAMS* params = nullptr, VARIANT* result = nullptr) {
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  return object->Invoke(id, IID_NULL, 0x400, DISPATCH_METHOD, params ? params : &none, result, nullptr, nullptr);
}

// Marshals `object` as `iid` into a new stream, rewound for unmarshalling.
inline ComPtr<IStream> marshal(IUnknown* object, REFIID iid, DWORD flags = MSHLFLAGS_NORMAL) {
  ComPtr<IStream> stream;
  EXPECT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
  EXPECT_EQ(S_OK, CoMarshalInterface(stream.get(), iid, object, MSHCTX_INPROC, nullptr, flags));
  LARGE_INTEGER start{};
  EXPECT_EQ(S_OK, stream->Seek(start, STREAM_SEEK_SET, nullptr));
  return stream;
}

inline void rewind(IStream* stream) {
  LARGE_INTEGER start{};
  ASSERT_EQ(S_OK, stream->Seek(start, STREAM_SEEK_SET, nullptr));
}

inline std::u16string text(BSTR value) { return value ? std::u16string(value, SysStringLen(value)) : u"<null>"; }

}  // namespace com_test
