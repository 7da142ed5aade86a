// CoInitialize and CoUninitialize: each initialised thread is its own apartment.
#include <objbase.h>

#include "apartment_end.h"
#include "platform_internal/apartment.h"

namespace com::internal {
namespace {

void endApartment(DWORD thread) {
  releaseMarshalledObjectsOf(thread);
  revokeClassObjectsOf(thread);
  revokeActiveObjectsOf(thread);
  disconnectProxiesTo(thread);
}

struct ApartmentState {
  int initialisations = 0;
  bool multithreaded = false;
  bool ownsBoundObjects = false;

  // A thread that ends without balancing its CoInitialize calls still lets go of what
  // its apartment held. This runs before the platform forgets the thread, because the
  // thread was known to the platform before its apartment state existed (see below).
  ~ApartmentState() {
    if (initialisations > 0 || ownsBoundObjects) endApartment(GetCurrentThreadId());
  }
};

thread_local ApartmentState apartment;

}  // namespace

bool apartmentInitialised() { return apartment.initialisations > 0; }

void noteBoundObjectMade() {
  GetCurrentThreadId();  // the platform's record of the thread outlives this state
  apartment.ownsBoundObjects = true;
}

}  // namespace com::internal

using com::internal::apartment;

HRESULT STDAPICALLTYPE CoInitializeEx(LPVOID pvReserved, DWORD dwCoInit) {
  // Thread-local objects end in the reverse order of their making: asking for the
  // thread's id first makes the platform's record of the thread outlive the apartment.
  GetCurrentThreadId();
  if (pvReserved) return E_INVALIDARG;
  const bool multithreaded = (dwCoInit & COINIT_APARTMENTTHREADED) == 0;
  if (apartment.initialisations > 0) {
    if (apartment.multithreaded != multithreaded) return RPC_E_CHANGED_MODE;
    ++apartment.initialisations;
    return S_FALSE;
  }
  apartment.multithreaded = multithreaded;
  apartment.initialisations = 1;
  return S_OK;
}

HRESULT STDAPICALLTYPE CoInitialize(LPVOID pvReserved) { return CoInitializeEx(pvReserved, COINIT_APARTMENTTHREADED); }

void STDAPICALLTYPE CoUninitialize(void) {
  if (apartment.initialisations == 0) return;
  if (--apartment.initialisations == 0) com::internal::endApartment(GetCurrentThreadId());
}
