// The recorder against a simulated Gecko with XPCOM running, sending its lines over
// loopback TCP to the test, which plays the host. The recorder is registered as the
// command loop registers it: with the document loader and the window mediator, before
// the page loads; the simulated user then acts and the test reads the lines.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ClientSocket.h"
#include "loopback_server.h"
#include "nsCOMPtr.h"
#include "nsIWebProgress.h"
#include "nsIWebProgressListener.h"
#include "nsIWindowMediator.h"
#include "nsIWindowMediatorListener.h"
#include "nsRecorderImpl.h"
#include "testbed/gecko.h"
#include "testbed/gecko_services.h"
#include "testbed/xpcom.h"

namespace marbleck_recorder_test {

class RecorderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(NS_OK, xpcom::testbed::startXPCOM("", ""));
    ASSERT_EQ(NS_OK, gecko::testbed::registerContentServices());
    gecko::testbed::clearFlasherRecords();
    gecko = std::make_unique<gecko::testbed::SimulatedGecko>();
    ASSERT_NE(INVALID_SOCKET, socket.Create());
    ASSERT_EQ(0, socket.Connect("127.0.0.1", server.port()));
    ASSERT_TRUE(server.Accept());
    ASSERT_EQ(NS_OK, NewRecorder(socket, getter_AddRefs(held)));
    recorder = static_cast<nsRecorderImpl*>(held.get());
    ASSERT_EQ(NS_OK, gecko::testbed::SimulatedGecko::GetDocumentLoader(getter_AddRefs(loader)));
    ASSERT_EQ(NS_OK, gecko::testbed::SimulatedGecko::GetWindowMediator(getter_AddRefs(mediator)));
    ASSERT_EQ(NS_OK, loader->AddProgressListener(recorder, nsIWebProgress::NOTIFY_ALL));
    ASSERT_EQ(NS_OK, mediator->AddListener(recorder));
  }

  void TearDown() override {
    if (recorder) {
      recorder->RemoveWindowListeners();
      loader->RemoveProgressListener(recorder);
      mediator->RemoveListener(recorder);
      WaitForOutline();
    }
    recorder = nullptr;
    held = nullptr;
    loader = nullptr;
    mediator = nullptr;
    gecko.reset();
    socket.Close();
    xpcom::testbed::shutdownXPCOM();
  }

  void Load(const std::string& body, const std::string& title = "Test page") {
    ASSERT_TRUE(gecko->loadString("<html><head><title>" + title + "</title></head><body>" + body + "</body></html>"));
  }

  void Open(const std::string& page) { ASSERT_TRUE(gecko->open(SiteUrl(page))); }
  static std::string SiteUrl(const std::string& page) { return "file://" TW_EXAMPLE_SITE "/" + page; }

  void Act(const std::string& actions) {
    std::string error;
    ASSERT_TRUE(gecko->act(actions, &error)) << actions << ": " << error;
  }

  // The lines the host received since the last call; every line was sent before the
  // action that made it returned, so a short wait for more is enough.
  std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    while (auto line = server.ReadLine(std::chrono::milliseconds(lines.empty() ? 400 : 200))) lines.push_back(*line);
    return lines;
  }

  void WaitForOutline() {
    for (int i = 0; i < 1000 && recorder && recorder->HighlightRunning(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }

  static std::string SetWindow(const std::string& title = "Test page") {
    return "RecordEvent_setWindow[windowname:,:NONE:;:windowtitle:,:" + title + ":;:parenttitle:,:" + title + "]";
  }
  static std::string Window(const std::string& title = "Test page") {
    return "windowtitle:,:" + title + ":;:windowname:,:NONE:;:parenttitle:,:" + title;
  }

  std::unique_ptr<gecko::testbed::SimulatedGecko> gecko;
  marbleck_test::LoopbackServer server;
  ClientSocket socket;
  nsCOMPtr<nsIWebProgress> loader;
  nsCOMPtr<nsIWindowMediator> mediator;
  nsCOMPtr<nsISessionRecorder> held;
  nsRecorderImpl* recorder = nullptr;  // held by `held`
};

}  // namespace marbleck_recorder_test
