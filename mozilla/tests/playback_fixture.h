// The playback object against a simulated Gecko with XPCOM running. The test plays the
// connection thread (SetCommand, then RunCommand, as each message arrives) and the host
// (the replies are read over loopback TCP, byte for byte up to the line end); it waits
// for the action threads to end before it looks at the page.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ClientSocket.h"
#include "loopback_server.h"
#include "nsCOMPtr.h"
#include "nsIDOM3Node.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMHTMLTextAreaElement.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "nsPlayBack.h"
#include "nsString.h"
#include "testbed/gecko.h"
#include "testbed/gecko_services.h"
#include "testbed/xpcom.h"

namespace marbleck_playback_test {

using Lines = std::vector<std::string>;

inline std::string siteUrl(const std::string& page) { return "file://" TW_EXAMPLE_SITE "/" + page; }

inline std::string utf8(const nsAString& text) {
  NS_ConvertUTF16toUTF8 bytes(text);
  return std::string(bytes.get(), bytes.Length());
}

// `seconds` as the platform's sleeps take them (PLATFORM_TIME_SCALE, 1 when unset).
inline std::chrono::milliseconds scaled(double seconds) {
  const char* scale = std::getenv("PLATFORM_TIME_SCALE");
  const double factor = scale != nullptr && std::atof(scale) > 0 ? std::atof(scale) : 1.0;
  return std::chrono::milliseconds(static_cast<long long>(seconds * factor * 1000));
}

// <message status="STATUS" debugMessage="DEBUG"/> without its line end.
inline std::string status(const std::string& value, const std::string& debug = "") {
  return "<message status=\"" + value + "\" debugMessage=\"" + debug + "\"/>";
}

// A command document: the root element with these attributes (values written as given,
// so a test may put entities in them) and `inner` inside it.
inline std::string command(const std::vector<std::pair<std::string, std::string>>& attributes,
                           const std::string& inner = "") {
  std::string xml = "<command";
  for (const auto& [name, value] : attributes) xml += " " + name + "=\"" + value + "\"";
  return inner.empty() ? xml + "/>" : xml + ">" + inner + "</command>";
}

// setWindow for the frame `frame` ("NONE": the page itself) titled `title` in the
// browser window whose page is titled `parent`.
inline std::string setFrame(const std::string& parent, const std::string& title, const std::string& frame,
                            const std::string& titleCondition = "equals", const std::string& waitTime = "0") {
  return command({{"method", "setWindow"},
                  {"parenttitle", parent},
                  {"parenttitlecondition", "equals"},
                  {"windowtitle", title},
                  {"windowtitlecondition", titleCondition},
                  {"windowname", frame},
                  {"windownamecondition", "equals"},
                  {"waittime", waitTime}});
}

// setWindow for the page titled `title` in a window titled so.
inline std::string setWindow(const std::string& title, const std::string& waitTime = "0") {
  return setFrame(title, title, "NONE", "equals", waitTime);
}

class PlaybackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    maxTimeLimit = 0;
    ASSERT_EQ(NS_OK, xpcom::testbed::startXPCOM("", ""));
    ASSERT_EQ(NS_OK, gecko::testbed::registerContentServices());
    gecko = std::make_unique<gecko::testbed::SimulatedGecko>();
    ASSERT_NE(INVALID_SOCKET, socket.Create());
    ASSERT_EQ(0, socket.Connect("127.0.0.1", server.port()));
    ASSERT_TRUE(server.Accept());
    nsCOMPtr<nsISessionPlayer> made;
    ASSERT_EQ(NS_OK, NewPlayer(socket, getter_AddRefs(made)));
    held = made;
    player = static_cast<nsPlayBack*>(held.get());
    ASSERT_EQ(NS_OK, player->OnPlayStarted());
  }

  void TearDown() override {
    document = nullptr;
    // An action still waiting on a page dialog returns once the browser ends (it answers
    // the dialogs still up); XPCOM goes only once every action has let go.
    if (player && !WaitForActions(std::chrono::seconds(1), 0)) {
      gecko.reset();
      EXPECT_TRUE(WaitForActions(std::chrono::seconds(20), 0));
    }
    player = nullptr;
    held = nullptr;
    gecko.reset();
    socket.Close();
    xpcom::testbed::shutdownXPCOM();
    maxTimeLimit = 0;
  }

  void Load(const std::string& body, const std::string& title = "Test page") {
    ASSERT_TRUE(gecko->loadString("<html><head><title>" + title + "</title></head><body>" + body + "</body></html>",
                                  siteUrl("test_page.html")));
    TakeDocument();
  }
  void Open(const std::string& page) {
    ASSERT_TRUE(gecko->open(siteUrl(page)));
    TakeDocument();
  }
  void TakeDocument() {
    nsCOMPtr<nsIDOMDocument> plain;
    ASSERT_EQ(NS_OK, gecko->GetDocument(getter_AddRefs(plain)));
    document = do_QueryInterface(plain);
    ASSERT_TRUE(document);
  }

  // Hands `xml` over as the connection thread does; RunCommand's result.
  nsresult Send(const std::string& xml) {
    EXPECT_EQ(NS_OK, player->SetCommand(NS_ConvertUTF8toUTF16(xml.c_str())));
    return player->RunCommand();
  }
  // Waits until no more actions run than the test left waiting on purpose (`blocked`,
  // say a click held by the dialog it opened).
  bool WaitForActions(std::chrono::milliseconds timeout = std::chrono::seconds(20), PRInt32 left = -1) {
    if (left < 0) left = blocked;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (player->RunningActions() > left) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
  }
  // The replies sent so far: every action has ended, so what it sent is on its way.
  Lines Replies() {
    EXPECT_TRUE(WaitForActions());
    Lines lines;
    while (auto line = server.ReadLine(std::chrono::milliseconds(lines.empty() ? 150 : 50))) lines.push_back(*line);
    return lines;
  }
  // Sends one command and gives the replies it brought once its action has ended.
  Lines Play(const std::string& xml) {
    Send(xml);
    return Replies();
  }

  void Act(const std::string& actions) {
    std::string error;
    ASSERT_TRUE(gecko->act(actions, &error)) << actions << ": " << error;
  }

  nsCOMPtr<nsIDOMElement> ById(const char* id) {
    nsCOMPtr<nsIDOMElement> element;
    EXPECT_EQ(NS_OK, document->GetElementById(NS_ConvertUTF8toUTF16(id), getter_AddRefs(element)));
    EXPECT_TRUE(element) << "no element #" << id;
    return element;
  }
  // The first element named `name`.
  nsCOMPtr<nsIDOMElement> ByName(const char* name) {
    nsCOMPtr<nsIDOMNodeList> named;
    nsCOMPtr<nsIDOMNode> node;
    if (NS_SUCCEEDED(document->GetElementsByName(NS_ConvertUTF8toUTF16(name), getter_AddRefs(named))) && named)
      named->Item(0, getter_AddRefs(node));
    nsCOMPtr<nsIDOMElement> element = do_QueryInterface(node);
    EXPECT_TRUE(element) << "no element named " << name;
    return element;
  }
  // The value of the field with this id, or named so ("name=NAME").
  std::string ValueOf(const std::string& which) {
    nsCOMPtr<nsIDOMElement> element =
        which.rfind("name=", 0) == 0 ? ByName(which.substr(5).c_str()) : ById(which.c_str());
    nsString value;
    nsCOMPtr<nsIDOMHTMLInputElement> input = do_QueryInterface(element);
    nsCOMPtr<nsIDOMHTMLTextAreaElement> area = do_QueryInterface(element);
    if (input) input->GetValue(value);
    if (area) area->GetValue(value);
    return utf8(value);
  }
  std::string TextOf(const char* id) {
    nsCOMPtr<nsIDOM3Node> node = do_QueryInterface(ById(id));
    nsString text;
    if (node) node->GetTextContent(text);
    return utf8(text);
  }
  std::string Title() {
    TakeDocument();
    nsString title;
    document->GetTitle(title);
    return utf8(title);
  }

  std::unique_ptr<gecko::testbed::SimulatedGecko> gecko;
  marbleck_test::LoopbackServer server;
  ClientSocket socket;
  nsCOMPtr<nsISessionPlayer> held;
  nsPlayBack* player = nullptr;  // held by `held`
  PRInt32 blocked = 0;
  nsCOMPtr<nsIDOMHTMLDocument> document;
};

}  // namespace marbleck_playback_test
