#include "time_scale.h"

#include <cmath>
#include <cstdlib>

namespace xpcom::internal {
namespace {
double readTimeScale() {
  const char* text = std::getenv("PLATFORM_TIME_SCALE");
  if (text == nullptr || *text == '\0') return 1.0;
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  // Anything but a positive finite decimal is ignored rather than allowed to turn
  // every wait into nothing or into forever.
  if (end == text || *end != '\0' || !std::isfinite(value) || value <= 0.0) return 1.0;
  return value;
}
}  // namespace

double timeScale() {
  static const double scale = readTimeScale();
  return scale;
}

PRUint32 scaledMilliseconds(PRUint32 milliseconds) {
  if (milliseconds == 0 || milliseconds == 0xffffffffU) return milliseconds;
  const double scaled = std::round(static_cast<double>(milliseconds) * timeScale());
  if (scaled < 1.0) return 1;
  if (scaled >= 4294967294.0) return 0xfffffffeU;
  return static_cast<PRUint32>(scaled);
}
}  // namespace xpcom::internal
