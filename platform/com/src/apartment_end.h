// What each part of the COM runtime lets go of when an apartment ends (its thread's
// last CoUninitialize, or the thread's end without one). Each runs on that thread.
#pragma once

#include <windows.h>

namespace com::internal {

void releaseMarshalledObjectsOf(DWORD apartmentThread);
void disconnectProxiesTo(DWORD apartmentThread);
void revokeClassObjectsOf(DWORD apartmentThread);
void revokeActiveObjectsOf(DWORD apartmentThread);

}  // namespace com::internal
