// The interface of the test-bed component: what its tests ask it about itself.
#pragma once

#include "nsISupports.h"

#define NS_ITESTBEDPROBE_IID \
  { 0x6f0e2a11, 0x93c4, 0x4d7e, { 0xa8, 0x51, 0x0b, 0x2c, 0x77, 0x41, 0x9e, 0x36 } }
#define NS_TESTBEDSTARTUP_CID \
  { 0x1d8b4f6a, 0x52e0, 0x4c93, { 0x9a, 0x1f, 0xe4, 0x63, 0x08, 0xbd, 0x27, 0x5c } }
#define NS_TESTBEDSTARTUP_CONTRACTID "@mozilla.org/testbed-startup;1"
#define NS_TESTBEDSTARTUP_ENTRY "nsTestBedStartup"

class NS_NO_VTABLE nsITestBedProbe : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ITESTBEDPROBE_IID)
  // 1 for the first instance the library made, 2 for the second ...
  NS_IMETHOD GetInstanceNumber(PRInt32* aNumber) = 0;
  // How many Observe calls this instance had, and the topic of the last one.
  NS_IMETHOD GetObserveCount(PRInt32* aCount) = 0;
  NS_IMETHOD GetLastTopic(char** aTopic) = 0;

 protected:
  ~nsITestBedProbe() = default;
};
