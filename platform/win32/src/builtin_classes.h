// The window classes the system provides: the dialog class and the standard controls.
#pragma once

namespace win32::internal {
// Registers them once per process, before the first class lookup.
void ensureBuiltInClasses();
}  // namespace win32::internal
