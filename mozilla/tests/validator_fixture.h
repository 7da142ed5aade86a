// The validator over a simulated Gecko with XPCOM running, called from the test thread as
// playback calls it from the connection thread; its replies are read by the test over
// loopback TCP, byte for byte, as the host reads them.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "ClientSocket.h"
#include "dom_helpers_fixture.h"
#include "loopback_server.h"
#include "nsPlayBackUtils.h"
#include "nsValidator.h"

namespace marbleck_validator_test {

using marbleck_dom_test::wide;
using Replies = std::vector<std::string>;

// The entry points, as playback picks them by check type.
enum class Check { Element, Text, Table };

// Every reply the host received since the last call, each with its line feed. Replies
// are sent before the entry point returns, so a short wait for more is enough.
inline Replies ReadReplies(marbleck_test::LoopbackServer& server) {
  Replies replies;
  while (auto line = server.ReadLine(std::chrono::milliseconds(replies.empty() ? 400 : 150)))
    replies.push_back(*line + "\n");
  return replies;
}

// A new validator for one command on `document`, as playback makes one per checkpoint.
inline nsresult RunCheck(const ClientSocket& socket, nsIDOMDocument* document, Check check, const std::string& xml) {
  nsCOMPtr<nsIDOMElement> command;
  nsresult rv = nsPlayBackUtils::ParseCommandDocument(wide(xml), getter_AddRefs(command));
  EXPECT_EQ(NS_OK, rv) << xml;
  if (NS_FAILED(rv)) return rv;
  nsCOMPtr<nsValidator> validator = new nsValidator(socket);
  validator->setDocument(document);
  switch (check) {
    case Check::Element: return validator->validateElement(command);
    case Check::Text: return validator->validateText(command);
    case Check::Table: return validator->validateTable(command);
  }
  return NS_ERROR_UNEXPECTED;
}

class ValidatorTest : public marbleck_dom_test::DomHelpersTest {
 protected:
  void SetUp() override {
    DomHelpersTest::SetUp();
    ASSERT_NE(INVALID_SOCKET, socket.Create());
    ASSERT_EQ(0, socket.Connect("127.0.0.1", server.port()));
    ASSERT_TRUE(server.Accept());
  }
  void TearDown() override {
    socket.Close();
    DomHelpersTest::TearDown();
  }

  void page(const std::string& body, const std::string& title = "Test page") {
    loadString("<html><head><title>" + title + "</title></head><body>" + body + "</body></html>");
  }

  // Runs the check and gives the replies it sent.
  Replies run(Check check, const std::string& xml, nsresult expected = NS_OK) {
    EXPECT_EQ(expected, RunCheck(socket, document, check, xml)) << xml;
    return ReadReplies(server);
  }

  // The one status reply of an element check with these details.
  static std::string status(const std::string& status, const std::string& details, const std::string& caseId = "7") {
    return "<statusmessage caseid=\"" + caseId + "\" status=\"" + status + "\" " + details + "/>\n";
  }

  marbleck_test::LoopbackServer server;
  ClientSocket socket;
};

}  // namespace marbleck_validator_test
