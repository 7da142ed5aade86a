#include "platform_internal/time_scale.h"

#include <synchapi.h>

#include <cmath>
#include <cstdlib>

namespace win32::internal {

namespace {
double readTimeScale() {
  const char* text = std::getenv("PLATFORM_TIME_SCALE");
  if (text == nullptr || *text == '\0') return 1.0;
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  // Anything but a positive finite decimal is ignored rather than allowed to turn
  // every wait into 0 or into forever.
  if (end == text || *end != '\0' || !std::isfinite(value) || value <= 0.0) return 1.0;
  return value;
}
}  // namespace

double timeScale() {
  static const double scale = readTimeScale();
  return scale;
}

DWORD scaledMilliseconds(DWORD ms) {
  if (ms == INFINITE || ms == 0) return ms;
  const double scaled = std::round(static_cast<double>(ms) * timeScale());
  if (scaled < 1.0) return 1;
  if (scaled >= static_cast<double>(INFINITE)) return INFINITE - 1;
  return static_cast<DWORD>(scaled);
}

}  // namespace win32::internal
