// A property list whose building may throw: what was built before the throw is kept.
// The person running the script is told with a message box on the calling thread; the
// test bed answers it (PLATFORM_MESSAGEBOX_ANSWER), so a run never waits on it there.
#pragma once

#include <functional>
#include <string>

#include "common/script_line.h"

using PropertyPairs = scriptline::Pairs<std::string>;

// Runs `build` on `pairs`; when it throws, shows "Exception in QI" (caption "ERROR",
// an OK button) and returns with the pairs appended so far.
void buildGuarded(PropertyPairs& pairs, const std::function<void(PropertyPairs&)>& build) noexcept;
