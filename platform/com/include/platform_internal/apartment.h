// Apartments for the stand-ins' own code: objects that belong to a thread and carry
// their calls there. C++ for the stand-ins only.
#pragma once

#include <objbase.h>

#include <cxxabi.h>

#include <new>

#include "com_object.h"
#include "platform_internal/thread_calls.h"

namespace com::internal {

// True when the calling thread has initialised COM (and not yet uninitialised it).
DECLSPEC_EXPORT bool apartmentInitialised();

// Records that the calling thread owns objects bound to it, so that when it ends its
// apartment lets go of what it holds for them even if it never called CoInitialize.
DECLSPEC_EXPORT void noteBoundObjectMade();

// Gives the calling thread a reference, as `riid`, to `object`, an object of the
// apartment of thread `ownerThread`: the object itself on its own thread or when it is
// agile, otherwise a proxy that carries IDispatch and IUnknown calls to the owner.
// RPC_E_DISCONNECTED when the owner thread has ended.
DECLSPEC_EXPORT HRESULT interfaceForCallingThread(IUnknown* object, DWORD ownerThread, REFIID riid, void** ppv);

// Runs a method body and turns an escaping C++ exception into an HRESULT, so that none
// crosses a COM call. A thread ending inside the body (ExitThread) still unwinds.
template <class Body>
HRESULT runGuarded(Body& body) {
  try {
    return body();
  } catch (abi::__forced_unwind&) {
    throw;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

// Mixed into objects that belong to the thread that made them (a browser thread) and
// may be called from any thread: each method wraps its body in carry(), which runs it on
// the owner thread while the caller waits and keeps serving calls carried into it.
class ApartmentObject {
 public:
  DWORD ownerThread() const { return ownerThread_; }
  bool onOwnerThread() const { return GetCurrentThreadId() == ownerThread_; }

 protected:
  ApartmentObject() : ownerThread_(GetCurrentThreadId()) { noteBoundObjectMade(); }
  ~ApartmentObject() = default;

  // The body's HRESULT, or RPC_E_DISCONNECTED when the owner thread has ended. The
  // caller's apartment is not checked: a thread reaches such an object only through the
  // COM functions, which refuse a thread without one, or from inside the stand-ins (a
  // browser thread calling another browser's object).
  template <class Body>
  HRESULT carry(Body&& body) const {
    if (GetCurrentThreadId() == ownerThread_) return runGuarded(body);
    HRESULT result = RPC_E_DISCONNECTED;
    if (!win32::internal::callOnThread(ownerThread_, [&] { result = runGuarded(body); })) return RPC_E_DISCONNECTED;
    return result;
  }

 private:
  DWORD ownerThread_;
};

// A COM object bound to its owner thread: agile (unmarshalling hands it out as it is,
// since it carries its own calls) and destroyed on its owner thread whichever thread
// releases it last.
template <class... Entries>
class ApartmentComObject : public ComObject<Entries..., IAgileObject>, public ApartmentObject {
 protected:
  void lastReleased() override {
    if (onOwnerThread() || !win32::internal::callOnThread(ownerThread(), [this] { delete this; })) delete this;
  }
};

}  // namespace com::internal
