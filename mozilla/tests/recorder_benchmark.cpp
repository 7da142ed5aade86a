// A recorded click on loopback: from the mouse button's release on a page button (a made
// "mouseup" dispatched from another thread, as the user's release reaches the page) to
// the recorded line read by the host.
#include <benchmark/benchmark.h>

#include <memory>

#include "ClientSocket.h"
#include "dom_reading.h"
#include "loopback_server.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMEvent.h"
#include "nsIDOMEventTarget.h"
#include "nsPlayBackUtils.h"
#include "nsRecorderImpl.h"
#include "testbed/gecko.h"
#include "testbed/gecko_services.h"
#include "testbed/xpcom.h"

namespace {

void ReleaseToRecordedLine(benchmark::State& state) {
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
    nsCOMPtr<nsISessionRecorder> held;
    NewRecorder(socket, getter_AddRefs(held));
    auto* recorder = static_cast<nsRecorderImpl*>(held.get());
    nsCOMPtr<nsIWebProgress> loader;
    gecko::testbed::SimulatedGecko::GetDocumentLoader(getter_AddRefs(loader));
    loader->AddProgressListener(recorder, nsIWebProgress::NOTIFY_ALL);
    gecko->loadString("<html><head><title>Bench</title></head><body><input type='button' id='b' value='B'></body></html>");
    nsCOMPtr<nsIDOMDocument> document;
    gecko->GetDocument(getter_AddRefs(document));
    nsCOMPtr<nsIDOMElement> button;
    if (document) document->GetElementById(NS_LITERAL_STRING("b"), getter_AddRefs(button));
    nsCOMPtr<nsIDOMEventTarget> target = nsPlayBackUtils::detail::queryTo<nsIDOMEventTarget>(button);
    if (!target) {
      state.SkipWithError("no button");
    } else {
      for (auto _ : state) {
        state.PauseTiming();
        nsCOMPtr<nsIDOMEvent> event;
        nsPlayBackUtils::CreateDOMEvent(NS_LITERAL_STRING("MouseEvents"), NS_LITERAL_STRING("mouseup"), document,
                                        getter_AddRefs(event));
        state.ResumeTiming();
        PRBool notCancelled = PR_TRUE;
        target->DispatchEvent(event, &notCancelled);
        // The first release also names the window; the button's line is the one timed.
        auto line = server.ReadLine();
        if (line && line->rfind("RecordEvent_setWindow", 0) == 0) line = server.ReadLine();
        if (!line) {
          state.SkipWithError("no line");
          break;
        }
      }
    }
    recorder->RemoveWindowListeners();
    loader->RemoveProgressListener(recorder);
    held = nullptr;
    gecko.reset();
    socket.Close();
  }
  xpcom::testbed::shutdownXPCOM();
}
BENCHMARK(ReleaseToRecordedLine)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace
