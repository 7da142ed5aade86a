// A play command from the host to its reply on loopback: the command document handed
// over as the connection thread hands it (parse, dispatch, action thread), the reply
// read by the host. A click on the last check box of examples/site/large.html (found by
// id among its 1200 inputs; "SUCCESS" is answered before the click is made), the first
// one, and a trivial
// command (the toolbar without a browser: parse, thread, one reply).
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "ClientSocket.h"
#include "loopback_server.h"
#include "nsPlayBack.h"
#include "testbed/gecko.h"
#include "testbed/gecko_services.h"
#include "testbed/xpcom.h"

namespace {

const char kSetWindow[] =
    "<command method=\"setWindow\" parenttitle=\"Large Catalogue\" windowtitle=\"Large Catalogue\" windowname=\"NONE\" "
    "parenttitlecondition=\"equals\" windowtitlecondition=\"equals\" windownamecondition=\"equals\" waittime=\"0\"/>";
const char kClick[] =
    "<command method=\"clickButton\" type=\"checkbox\" id=\"pick399\" name=\"pick399\" value=\"on\" index=\"0\"/>";
// The first row's check box: the same command found at once, for comparison.
const char kClickFirst[] =
    "<command method=\"clickButton\" type=\"checkbox\" id=\"pick0\" name=\"pick0\" value=\"on\" index=\"0\"/>";
const char kTrivial[] = "<command method=\"clickMainToolBar\" name=\"Refresh\"/>";

void waitForActions(nsPlayBack* aPlayer) {
  while (aPlayer->RunningActions() > 0) std::this_thread::sleep_for(std::chrono::microseconds(50));
}

// Plays `aCommand` over and over; with `aPage`, after a setWindow on it.
void CommandToReply(benchmark::State& state, const char* aPage, const char* aCommand) {
  if (NS_FAILED(xpcom::testbed::startXPCOM("", "")) || NS_FAILED(gecko::testbed::registerContentServices())) {
    state.SkipWithError("XPCOM did not start");
    return;
  }
  {
    auto gecko = std::make_unique<gecko::testbed::SimulatedGecko>();
    marbleck_test::LoopbackServer server;
    ClientSocket socket;
    socket.Create();
    socket.Connect("127.0.0.1", server.port());
    server.Accept();
    nsCOMPtr<nsISessionPlayer> held;
    NewPlayer(socket, getter_AddRefs(held));
    auto* player = static_cast<nsPlayBack*>(held.get());
    auto play = [&](const char* xml) {
      player->SetCommand(NS_ConvertUTF8toUTF16(xml));
      player->RunCommand();
    };
    bool ready = true;
    if (aPage) {
      ready = gecko->open("file://" TW_EXAMPLE_SITE "/" + std::string(aPage));
      play(kSetWindow);
      ready = ready && server.ReadLine() == std::optional<std::string>("<message status=\"SUCCESS\" debugMessage=\"\"/>");
    }
    if (!ready) state.SkipWithError("the page was not found");
    for (auto _ : state) {
      if (!ready) break;
      play(aCommand);
      if (!server.ReadLine()) {
        state.SkipWithError("no reply");
        break;
      }
      // The click itself follows the reply; the next command waits for it untimed.
      state.PauseTiming();
      waitForActions(player);
      state.ResumeTiming();
    }
    waitForActions(player);
    held = nullptr;
    gecko.reset();
    socket.Close();
  }
  xpcom::testbed::shutdownXPCOM();
}

void ClickOnLargePage(benchmark::State& state) { CommandToReply(state, "large.html", kClick); }
void ClickFirstOnLargePage(benchmark::State& state) { CommandToReply(state, "large.html", kClickFirst); }
void TrivialCommand(benchmark::State& state) { CommandToReply(state, nullptr, kTrivial); }

BENCHMARK(ClickOnLargePage)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(ClickFirstOnLargePage)->UseRealTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(TrivialCommand)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
