// XPCOM started in the test process with the Gecko stand-in's content services
// registered, and a Gecko browser for pages, as the tests of the DOM parser and the
// flasher need them.
#pragma once

#include "dom_fixture.h"
#include "nsServiceManagerUtils.h"
#include "testbed/gecko_services.h"
#include "testbed/xpcom.h"

namespace gecko_test {

class ServicesTest : public GeckoDomTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(NS_OK, xpcom::testbed::startXPCOM("", ""));
    ASSERT_EQ(NS_OK, gecko::testbed::registerContentServices());
  }
  void TearDown() override { xpcom::testbed::shutdownXPCOM(); }
};

}  // namespace gecko_test
