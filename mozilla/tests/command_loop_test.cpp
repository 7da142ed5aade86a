// The connection thread's command loop over real loopback TCP, with the test's browser,
// recorder and playback parts: which command does what, in which order, and how the
// loop ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "component_fixture.h"

namespace marbleck_test {
namespace {

using Lines = std::vector<std::string>;

class CommandLoop : public ComponentTest {
 protected:
  // Starts recording on a page and reads the launch line.
  void StartRecording(const std::string& url = "http://example.test/start.html") {
    browser->SetPage(url);
    ASSERT_TRUE(server.Send("start record\n"));
    ++messagesSent;
    ASSERT_EQ(server.ReadLine(), "RecordEvent_launchApplication(\"" + url + "\")");
    ASSERT_TRUE(waitForTrace(traceFile, "record mode set.......\n"));
  }
};

TEST_F(CommandLoop, QuitFirstShutsTheConnectionDownAndEndsTheThreadHavingMadeNothing) {
  MakeComponent();
  ASSERT_TRUE(server.Send("quit\n"));
  EXPECT_TRUE(server.WaitForClose());
  component = nullptr;
  EXPECT_TRUE(journal->WaitFor("browser released"));
  EXPECT_EQ(Entries(), Lines{"browser released"});
  const std::string trace = Trace();
  EXPECT_NE(trace.find("going to close the sockets\n"), std::string::npos);
  EXPECT_NE(trace.find("socket closed\n"), std::string::npos);
  EXPECT_NE(trace.find("breaking for quit message ..... \n"), std::string::npos);
}

TEST_F(CommandLoop, ServerClosingTheConnectionEndsTheLoopAndReleasesTheSession) {
  MakeComponent();
  StartRecording();
  SendAndWait("play\n");
  server.CloseConnection();
  component = nullptr;
  ASSERT_TRUE(journal->WaitFor("browser released"));
  // The listeners are taken off before the parts are let go of, and the browser itself
  // is only let go of, not closed.
  const Lines entries = Entries();
  const Lines tail(entries.end() - 7, entries.end());
  EXPECT_EQ(tail, (Lines{"R1 remove window listeners", "progress listener - R1", "window listener - R1",
                           "window listener - P1", "P1 released", "R1 released", "browser released"}));
  EXPECT_NE(Trace().find("connection to the server ended ..... \n"), std::string::npos);
  EXPECT_EQ(Trace().find("breaking for quit message"), std::string::npos);
}

TEST_F(CommandLoop, StartRecordSendsTheShownPageAsLaunchLineRegistersAndReloadsIt) {
  MakeComponent();
  StartRecording("http://example.test/caf%C3%A9.html?q=1");
  EXPECT_EQ(Entries(), (Lines{"progress listener + R1", "reload http://example.test/caf%C3%A9.html?q=1",
                                "window listener + R1", "focus"}));
  EXPECT_NE(Trace().find("settingup browser for the start record message\n"), std::string::npos);
}

TEST_F(CommandLoop, ALaunchAddressBeyondAsciiReachesTheHostAsItsOwnUtf8) {
  MakeComponent();
  // A host name or path the browser keeps unescaped: the host reads the line as UTF-8
  // and must find the same address in it, not its bytes encoded a second time.
  StartRecording("http://b\xc3\xbc" "cher.example/caf\xc3\xa9.html");
  EXPECT_EQ(journal->Count("reload http://b\xc3\xbc" "cher.example/caf\xc3\xa9.html"), 1u);
}

TEST_F(CommandLoop, StartRecordWaitsOnceASecondUntilAWindowHasContentAndReadsNothingMeanwhile) {
  MakeComponent();
  ASSERT_TRUE(server.Send("start record\n"));
  while (browser->ShellSearches() < 3) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  ASSERT_TRUE(server.Send("gui checkpoint\n"));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(Trace().find("element  checkpoint mode on"), std::string::npos);
  EXPECT_EQ(server.ReadLine(std::chrono::milliseconds(0)), std::nullopt);
  browser->SetPage("http://example.test/late.html");
  EXPECT_EQ(server.ReadLine(), "RecordEvent_launchApplication(\"http://example.test/late.html\")");
  EXPECT_TRUE(journal->WaitFor("R1 element on"));
}

TEST_F(CommandLoop, CheckpointAndStopCommandsBeforeStartRecordDoNothing) {
  MakeComponent();
  for (const char* command : {"stop record\n", "gui checkpoint\n", "stop gui checkpoint\n", "text checkpoint\n",
                              "stop text checkpoint\n", "table checkpoint\n", "stop table checkpoint\n"})
    SendAndWait(command);
  Settle();
  EXPECT_TRUE(Entries().empty());
  // Their trace lines are still written, as the commands were recognised.
  EXPECT_NE(Trace().find("text  checkpoint mode off\n"), std::string::npos);
}

TEST_F(CommandLoop, CheckpointModesSwitchOffTheOneSwitchedOnLast) {
  MakeComponent();
  StartRecording();
  const size_t before = journal->Entries().size();
  for (const char* command : {"text checkpoint\n", "table checkpoint\n", "gui checkpoint\n", "text checkpoint\n",
                              "gui checkpoint\n", "stop gui checkpoint\n", "stop text checkpoint\n",
                              "stop table checkpoint\n"})
    SendAndWait(command);
  Settle();
  EXPECT_EQ(journal->EntriesFrom(before),
            (Lines{// text checkpoint
                     "R1 text on", "focus",
                     // table checkpoint: text was on last
                     "R1 text off", "R1 table on", "focus",
                     // gui checkpoint: table was on last
                     "R1 table off", "focus", "R1 element on",
                     // text checkpoint: element was on last, nothing to switch off
                     "R1 text on", "focus",
                     // gui checkpoint: text was on last
                     "R1 text off", "focus", "R1 element on",
                     "R1 element off",
                     // stop text checkpoint also switches table mode off
                     "R1 text off", "R1 table off",
                     "R1 table off"}));
}

TEST_F(CommandLoop, StopRecordDetachesTheRecorderAndAnotherStartMakesANewOne) {
  MakeComponent();
  StartRecording();
  SendAndWait("stop record\n");
  Settle();
  EXPECT_EQ(Entries().back(), "window listener - R1");
  StartRecording("http://example.test/second.html");
  Settle();
  EXPECT_EQ(journal->Count("progress listener - R1"), 2u) << "detached again before being replaced";
  EXPECT_EQ(journal->Count("R1 released"), 1u);
  EXPECT_EQ(journal->Count("progress listener + R2"), 1u);
}

TEST_F(CommandLoop, ARecorderReplacedWithoutStopIsDetachedFirst) {
  MakeComponent();
  StartRecording();
  StartRecording();
  Settle();
  const Lines entries = Entries();
  const auto at = [&](const std::string& entry) { return std::find(entries.begin(), entries.end(), entry); };
  ASSERT_NE(at("progress listener - R1"), entries.end());
  EXPECT_LT(at("progress listener - R1"), at("progress listener + R2"));
  EXPECT_LT(at("window listener - R1"), at("progress listener + R2"));
}

TEST_F(CommandLoop, OnlyTheExactCommandWordsAreCommands) {
  MakeComponent();
  browser->SetPage("http://example.test/");
  // Other capitals, no line end, extra text, two commands in one read: none is a
  // command, and before "play\n" each is dropped.
  for (const char* message : {"Start record\n", "start record", "start record\n\n", "quit\nquit\n", "QUIT\n",
                              " play\n", "play"})
    SendAndWait(message);
  Settle();
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(server.ReadLine(std::chrono::milliseconds(0)), std::nullopt);
  // After "play\n" the same texts are command documents for the playback object.
  SendAndWait("play\n");
  SendAndWait("Start record\n");
  SendAndWait("quit\nquit\n");
  Settle();
  EXPECT_EQ(Entries(), (Lines{"window listener + P1", "P1 started", "P1 run Start record\n",
                                "P1 run quit\nquit\n"}));
}

TEST_F(CommandLoop, EachPlayMakesANewPlaybackObjectThatTakesTheFollowingDocuments) {
  MakeComponent();
  SendAndWait("play\n");
  SendAndWait("<command id=\"1\"/>");
  SendAndWait("play\n");
  SendAndWait("<command id=\"2\"/>");
  Settle();
  EXPECT_EQ(Entries(), (Lines{"window listener + P1", "P1 started", "P1 run <command id=\"1\"/>",
                                "window listener - P1", "P1 released", "window listener + P2", "P2 started",
                                "P2 run <command id=\"2\"/>"}));
}

TEST_F(CommandLoop, ALongDocumentArrivesAsTwoDocumentsOfAtMost2048Bytes) {
  MakeComponent();
  SendAndWait("play\n");
  const std::string document = std::string(2040, 'a') + std::string(960, 'b');
  ASSERT_TRUE(server.Send(document));
  ASSERT_TRUE(journal->WaitFor("P1 run " + document.substr(2048)));
  EXPECT_EQ(Entries(), (Lines{"window listener + P1", "P1 started", "P1 run " + document.substr(0, 2048),
                                "P1 run " + document.substr(2048)}));
  EXPECT_NE(Trace().find("& length is 2048\n"), std::string::npos);
  EXPECT_NE(Trace().find("& length is 952\n"), std::string::npos);
}

TEST_F(CommandLoop, AMegabyteOfInputIsReadInPiecesOfAtMost2048BytesAndNothingIsLost) {
  MakeComponent();
  SendAndWait("play\n");
  const size_t total = size_t{1} << 20;
  ASSERT_TRUE(server.Send(std::string(total, 'x')));
  const std::string prefix = "P1 run ";
  size_t handed = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (handed < total && std::chrono::steady_clock::now() < deadline) {
    handed = 0;
    for (const auto& entry : journal->Entries()) {
      if (entry.rfind(prefix, 0) != 0) continue;
      const size_t piece = entry.size() - prefix.size();
      ASSERT_LE(piece, 2048u);
      ASSERT_EQ(entry.find_first_not_of('x', prefix.size()), std::string::npos);
      handed += piece;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(handed, total);
}

TEST_F(CommandLoop, MalformedUtf8IsDecodedWithReplacementCharacters) {
  MakeComponent();
  SendAndWait("play\n");
  SendAndWait(std::string("a\xff" "b\xc3", 4));
  ASSERT_TRUE(journal->WaitFor("P1 run a\xef\xbf\xbd" "b\xef\xbf\xbd"));
}

TEST_F(CommandLoop, WithoutTheDocumentLoaderNoCommandIsReadAndTheConnectionIsClosed) {
  MakeComponent(/*hasDocLoader=*/false);
  EXPECT_TRUE(server.WaitForClose());
  component = nullptr;
  EXPECT_TRUE(journal->WaitFor("browser released"));
  EXPECT_EQ(Trace().find("message from the server"), std::string::npos);
}

TEST_F(CommandLoop, CommandsHandedDirectlyToAComponentWithoutBrowserNeitherWaitNorCrash) {
  // No host to connect to: the thread gives up at once and leaves the component alone.
  ::unsetenv("TW_SERVER_HOST");
  nsCOMPtr<nsIRecordPlaybackComponent> bare;
  ASSERT_EQ(nsTarnwellImpl::Create(ComponentWiring{nullptr, testMakers()}, NS_GET_IID(nsIRecordPlaybackComponent),
                                   getter_AddRefs(bare)),
            NS_OK);
  ASSERT_TRUE(waitForTrace(traceFile, "hostname is null .. so exiting ....\n"));
  SessionSlots slots;
  for (const char16_t* message : {u"start record\n", u"gui checkpoint\n", u"play\n", u"<command/>", u"quit\n"})
    EXPECT_EQ(bare->HandleServerMessage(nsString(message), &slots, nullptr), NS_OK);
  EXPECT_FALSE(slots.recorder) << "no window can show a page without a browser";
  EXPECT_TRUE(slots.player);
  EXPECT_EQ(Entries(), (Lines{"P1 started", "P1 run <command/>"}));
  nsCOMPtr<nsISupports> selection;
  EXPECT_EQ(bare->GetContentSelection(getter_AddRefs(selection)), NS_OK);
  EXPECT_FALSE(selection);
}

}  // namespace
}  // namespace marbleck_test
