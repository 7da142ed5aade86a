// How many calls have been carried to another thread and waited for (callOnThread to a
// thread other than the caller's), process-wide, for benchmarks that report calls per
// element. C++ for the stand-ins only.
#pragma once

#include <windef.h>

#include <cstdint>

namespace win32::internal {
DECLSPEC_EXPORT std::uint64_t carriedCallCount();
}  // namespace win32::internal
