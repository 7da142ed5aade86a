// Test-bed surfaces of the Gecko stand-in's content services (not SDK): registering
// them with the running XPCOM, and what the flasher was asked to do.
#pragma once

#include <string>
#include <vector>

#include "nscore.h"

namespace gecko::testbed {

// Registers the DOM parser ("@mozilla.org/xmlextras/domparser;1") and the flasher
// ("@mozilla.org/inspector/flasher;1") with XPCOM's component manager. Call after
// XPCOM has started; calling again registers them again.
nsresult registerContentServices();

// One thing a flasher was asked to do. The simulated browser paints nothing, so this
// log is what an outline leaves behind.
struct FlasherRecord {
  std::string action;   // "outline", "repaint" or "scroll"
  std::string element;  // node name, then "#" and the id when it has one
  std::string color;    // "#rrggbb"
  PRUint16 thickness = 0;
  bool invert = false;
};

// Every flasher's requests in the order they came, process-wide.
std::vector<FlasherRecord> flasherRecords();
void clearFlasherRecords();

}  // namespace gecko::testbed
