#include "core/record_loop.h"

#include <array>
#include <mutex>

#include "common/script_line.h"
#include "common/trace_log.h"
#include "core/java_bridge.h"
#include "core/process_state.h"
#include "core/running_loops.h"
#include "core/skerrow_app.h"
#include "recorder/recorder_thread.h"

namespace {

// The loop's wait set, in the order the loop serves them when several are signalled.
enum RecordEvent { kRecord, kStop, kCheckPoint, kClosed, kEventCount };

std::array<HANDLE, kEventCount>& recordEvents() {
  static std::array<HANDLE, kEventCount> events{};
  return events;
}

// Sends the lines waiting for the host, in order; drops them while recording is off
// or a checkpoint is being picked.
void deliverPendingLines() {
  ProcessState& state = processState();
  for (const std::string& line : state.pendingLines.takeAll()) {
    if (state.checkPointMode || !state.recordingEnabled) continue;
    trace("--------------------------\n");
    trace("eventString %s :\n", line.c_str());
    callReceiveEvents(line);
  }
}

}  // namespace

void createRecordEvents() {
  static std::once_flag once;
  std::call_once(once, [] {
    auto& events = recordEvents();
    events[kRecord] = CreateEvent(nullptr, TRUE, FALSE, kRecordEvent);
    events[kStop] = CreateEvent(nullptr, TRUE, FALSE, kStopRecordingEvent);
    events[kCheckPoint] = CreateEvent(nullptr, TRUE, FALSE, kCheckPointEvent);
    events[kClosed] = CreateEvent(nullptr, TRUE, FALSE, kBrowserClosedEvent);
  });
}

void runRecordLoop(int relaunch) {
  ProcessState& state = processState();
  CWebBrowser2& browser = theApp.webBrowser();
  trace("SkerrowApp : Start Recording Events\n");
  CoInitialize(nullptr);
  browser.unmarshalBrowser(state.currentBrowserIndex);

  // Which call runs the loop is decided, and its recorder thread started, in one step
  // (see the play loop).
  static std::mutex startMutex;
  std::unique_lock<std::mutex> starting(startMutex);
  if (state.recordThread.load() != nullptr) {
    starting.unlock();
    // The recorder thread serves on: the sinks StopRecording reset are attached again
    // there (events reach the thread that subscribed).
    reattachSinksOnRecorderThread(browser);
    if (relaunch != 0) handOverLine(scriptline::launchLine<std::string>(browser.getLocationURL()));
    return;
  }
  // A new loop starts from clean events: a signal left over from an earlier session
  // (its last window closed with no loop waiting) must not end this one.
  auto& events = recordEvents();
  for (HANDLE event : events) ResetEvent(event);
  state.pendingLines.clear();  // lines made while nobody recorded (during playback)
  const RunningLoop loop(LoopKind::kRecord);
  if (!browser.hasBrowsers()) {
    // Every window is closed already: the loop would wait for a close that cannot come.
    starting.unlock();  // no lock held while Java is called back
    trace("Record: Notify Browser Quit \n");
    state.setNotification("All Browsers Closed");
    callGetNotification(state.notification());
    theApp.Quit();
    trace("End of Recording Events\n");
    return;
  }
  trace("pThread initialized ");
  const HANDLE recorderThread = startRecorderThread(theApp);
  state.recordThread = recorderThread;
  starting.unlock();

  // The loop's own close event stands in for the shared "Browser Closed" (see
  // running_loops.h); Quit ends the loop through the last one.
  std::array<HANDLE, kEventCount + 1> waitSet{events[kRecord], events[kStop], events[kCheckPoint],
                                              loop.browsersClosed(), loop.ended()};
  while (!state.recordLoopDone) {
    const DWORD signalled = WaitForMultipleObjects(static_cast<DWORD>(waitSet.size()), waitSet.data(), FALSE, INFINITE);
    switch (signalled - WAIT_OBJECT_0) {
      case kRecord:
        // Reset before taking the lines, so a line handed over meanwhile wakes the loop again.
        ResetEvent(events[kRecord]);
        deliverPendingLines();
        break;
      case kStop:
        // StopRecording has already switched recording off and dropped the waiting
        // lines when it returned. Doing it again here, whenever the loop wakes, would
        // undo a StartRecording made in between and lose its lines.
        ResetEvent(events[kStop]);
        break;
      case kCheckPoint:
        trace(" Show Property Dialog\n");
        ResetEvent(events[kCheckPoint]);
        callReceiveCheckPoints(scriptline::propertyList(state.checkPointProperties()));
        break;
      case kClosed:
        trace("Record: Notify Browser Quit \n");
        ResetEvent(events[kClosed]);
        deliverPendingLines();  // the close line of the last window comes first
        callGetNotification(state.notification());
        theApp.Quit();
        state.recordLoopDone = true;
        break;
      case kEventCount:  // ended by Quit
        state.recordLoopDone = true;
        break;
      default:
        trace("SkerrowApp :Default Wait Failed\n");
        break;
    }
  }
  // A Quit that came while the loop was starting ended it before it set recordThread;
  // left set, every later StartRecording would take the loop for running.
  HANDLE ours = recorderThread;
  state.recordThread.compare_exchange_strong(ours, nullptr);
  if (recorderThread != nullptr) CloseHandle(recorderThread);
  trace("End of Recording Events\n");
}
