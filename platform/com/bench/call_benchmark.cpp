// What a COM call costs: within the apartment, carried to another apartment's thread
// and back (a self-carrying browser object, a proxy to a plain object), and the bare
// carried call underneath.
#include <benchmark/benchmark.h>
#include <objbase.h>
#include <windows.h>

#include "platform_internal/apartment.h"
#include "platform_internal/dispatch_table.h"
#include "platform_internal/thread_calls.h"

namespace {

using com::internal::DispatchFromTable;
using com::internal::DispatchTable;
using com::internal::Implements;

class PlainObject : public com::internal::ComObject<Implements<DispatchFromTable<IDispatch>, IDispatch>> {
 public:
  PlainObject() { table.add({1, u"value", [](WORD, DISPPARAMS&, VARIANT*) { return S_OK; }}); }
  DispatchTable table;

 protected:
  const DispatchTable& dispatchTable() const override { return table; }
};

class BrowserObject
    : public com::internal::ApartmentComObject<Implements<DispatchFromTable<IDispatch>, IDispatch>> {
 public:
  BrowserObject() { table.add({1, u"value", [](WORD, DISPPARAMS&, VARIANT*) { return S_OK; }}); }
  DispatchTable table;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* info, UINT* argErr) override {
    return carry([&] { return DispatchFromTable::Invoke(id, riid, lcid, flags, params, result, info, argErr); });
  }

 protected:
  const DispatchTable& dispatchTable() const override { return table; }
};

// A pumping apartment thread (the browser's, in the system).
class ApartmentThread {
 public:
  ApartmentThread() {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, &ApartmentThread::main, this, 0, &id_);
    WaitForSingleObject(ready_, INFINITE);
  }
  ~ApartmentThread() {
    PostThreadMessageA(id_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    CloseHandle(ready_);
  }
  DWORD id() const { return id_; }

 private:
  static DWORD WINAPI main(LPVOID self) {
    CoInitialize(nullptr);
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    SetEvent(static_cast<ApartmentThread*>(self)->ready_);
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    CoUninitialize();
    return 0;
  }
  HANDLE ready_;
  HANDLE thread_;
  DWORD id_;
};

void invokeLoop(benchmark::State& state, IDispatch* object) {
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  for (auto _ : state) {
    const HRESULT hr = object->Invoke(1, IID_NULL, 0x400, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
    benchmark::DoNotOptimize(hr);
  }
}

void BM_InApartmentCall(benchmark::State& state) {
  CoInitialize(nullptr);
  auto* object = new BrowserObject;
  invokeLoop(state, object);
  object->Release();
  CoUninitialize();
}
BENCHMARK(BM_InApartmentCall);

void BM_CarriedCall(benchmark::State& state) {
  CoInitialize(nullptr);
  {
    ApartmentThread browser;
    BrowserObject* object = nullptr;
    win32::internal::callOnThread(browser.id(), [&] { object = new BrowserObject; });
    invokeLoop(state, object);
    object->Release();
  }
  CoUninitialize();
}
BENCHMARK(BM_CarriedCall)->UseRealTime();

void BM_ProxyCall(benchmark::State& state) {
  CoInitialize(nullptr);
  {
    ApartmentThread owner;
    IStream* stream = nullptr;
    win32::internal::callOnThread(owner.id(), [&] {
      auto* object = new PlainObject;
      CoMarshalInterThreadInterfaceInStream(IID_IDispatch, object, &stream);
      object->Release();
    });
    IDispatch* proxy = nullptr;
    CoGetInterfaceAndReleaseStream(stream, IID_IDispatch, reinterpret_cast<void**>(&proxy));
    invokeLoop(state, proxy);
    proxy->Release();
  }
  CoUninitialize();
}
BENCHMARK(BM_ProxyCall)->UseRealTime();

void BM_BareCarriedCall(benchmark::State& state) {
  ApartmentThread other;
  int counter = 0;
  for (auto _ : state) win32::internal::callOnThread(other.id(), [&] { ++counter; });
  benchmark::DoNotOptimize(counter);
}
BENCHMARK(BM_BareCarriedCall)->UseRealTime();

}  // namespace
