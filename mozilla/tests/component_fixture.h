// A component made in the test's process with the test's browser and session parts,
// connected over loopback TCP to the test's server.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "loopback_server.h"
#include "test_support.h"
#include "test_session.h"

namespace marbleck_test {

class ComponentTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes the component; with `connect`, waits for its connection.
  void MakeComponent(bool hasDocLoader = true, bool connect = true);
  // Ends the component: drops the test's reference, closes the connection, and waits
  // until the connection thread has let go of everything.
  void EndComponent();
  // Sends a message and waits until the component has read it.
  void SendAndWait(const std::string& message);
  // Waits until every message sent so far has been handled (the loop reads the next
  // message only after handling the one before): sends "settle\n", which no command
  // matches, and waits for it to be read.
  void Settle();
  // The journal without the entries the settling messages made.
  std::vector<std::string> Entries() const;
  std::string Trace() const { return fileText(traceFile); }

  TemporaryFolder folder;
  std::filesystem::path traceFile;
  std::shared_ptr<Journal> journal = std::make_shared<Journal>();
  LoopbackServer server;
  TestBrowser* browser = nullptr;  // owned by the component
  nsCOMPtr<nsIRecordPlaybackComponent> component;
  int messagesSent = 0;
};

}  // namespace marbleck_test
