// Registrations of class objects that belong to no apartment. C++ for the stand-ins only.
#pragma once

#include <objbase.h>

namespace com::internal {

// Registers an agile class factory (one that may be called on any thread) for the
// whole process, without an apartment: CoCreateInstance calls it on the creating thread.
// Returns the registration cookie, which CoRevokeClassObject accepts from any thread.
DECLSPEC_EXPORT HRESULT registerProcessClassObject(REFCLSID rclsid, IUnknown* factory, DWORD dwClsContext,
                                                   DWORD* registration);

}  // namespace com::internal
