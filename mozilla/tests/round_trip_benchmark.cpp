// Command-to-reply round trip on loopback: the host sends "start record\n" and reads the
// launch line the component answers with. The component's settling pause after the
// line is left out of the timing (and shortened by the time scale).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "loopback_server.h"
#include "test_session.h"
#include "test_support.h"

namespace {

void StartRecordToLaunchLine(benchmark::State& state) {
  // The settling pause after each launch line would otherwise hold up the next command;
  // the scale is read at the first wait, which comes later.
  ::setenv("PLATFORM_TIME_SCALE", "0.000001", 1);
  marbleck_test::TemporaryFolder folder;
  marbleck_test::LoopbackServer server;
  marbleck_test::setServerEnvironment(server.port(), folder.path() / "trace.log");
  auto journal = std::make_shared<marbleck_test::Journal>();
  marbleck_test::setSessionJournal(journal);
  auto browser = std::make_shared<marbleck_test::TestBrowser>(journal);
  browser->SetPage("http://example.test/start.html");
  nsCOMPtr<nsIRecordPlaybackComponent> component;
  nsTarnwellImpl::Create(ComponentWiring{browser, marbleck_test::testMakers()},
                         NS_GET_IID(nsIRecordPlaybackComponent), getter_AddRefs(component));
  browser.reset();
  if (!server.Accept()) {
    state.SkipWithError("the component did not connect");
    return;
  }
  size_t started = 0;
  for (auto _ : state) {
    server.Send("start record\n");
    if (!server.ReadLine()) {
      state.SkipWithError("no launch line");
      break;
    }
    state.PauseTiming();
    // The component reads the next command after its settling pause.
    journal->WaitFor("focus", ++started);
    state.ResumeTiming();
  }
  component = nullptr;
  server.CloseConnection();
  journal->WaitFor("browser released");
  marbleck_test::setSessionJournal(nullptr);
}
BENCHMARK(StartRecordToLaunchLine)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
