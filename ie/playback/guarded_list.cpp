#include "playback/guarded_list.h"

#include <windows.h>

void buildGuarded(PropertyPairs& pairs, const std::function<void(PropertyPairs&)>& build) noexcept {
  try {
    build(pairs);
  } catch (...) {
    MessageBoxA(nullptr, "Exception in QI", "ERROR", MB_OK);
  }
}
