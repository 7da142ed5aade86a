#include "component_fixture.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "common/trace_log.h"

namespace marbleck_test {

void ComponentTest::SetUp() {
  traceFile = folder.path() / "trace.log";
  setServerEnvironment(server.port(), traceFile);
  setSessionJournal(journal);
}

void ComponentTest::TearDown() {
  if (component) EndComponent();
  setSessionJournal(nullptr);
}

void ComponentTest::MakeComponent(bool hasDocLoader, bool connect) {
  auto testBrowser = std::make_shared<TestBrowser>(journal, hasDocLoader);
  browser = testBrowser.get();
  ComponentWiring wiring{testBrowser, testMakers()};
  testBrowser.reset();
  ASSERT_EQ(nsTarnwellImpl::Create(std::move(wiring), NS_GET_IID(nsIRecordPlaybackComponent),
                                   getter_AddRefs(component)),
            NS_OK);
  if (connect) {
    ASSERT_TRUE(server.Accept());
  }
}

void ComponentTest::EndComponent() {
  component = nullptr;
  server.CloseConnection();
  EXPECT_TRUE(journal->WaitFor("browser released"));
  browser = nullptr;
}

void ComponentTest::SendAndWait(const std::string& message) {
  ASSERT_TRUE(server.Send(message));
  // Each receive is traced with its length; counting them tells that this one was read.
  ++messagesSent;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  for (;;) {
    const std::string text = Trace();
    int reads = 0;
    for (size_t at = text.find("message from the server is "); at != std::string::npos;
         at = text.find("message from the server is ", at + 1))
      ++reads;
    if (reads >= messagesSent) break;
    ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the component did not read " << message;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void ComponentTest::Settle() { SendAndWait("settle\n"); }

std::vector<std::string> ComponentTest::Entries() const {
  std::vector<std::string> out;
  for (auto& entry : journal->Entries())
    if (entry.find("settle") == std::string::npos) out.push_back(entry);
  return out;
}

}  // namespace marbleck_test
