#include "core/play_loop.h"

#include <array>
#include <mutex>

#include "common/trace_log.h"
#include "core/java_bridge.h"
#include "core/plain_exports.h"
#include "core/process_state.h"
#include "core/running_loops.h"
#include "core/skerrow_app.h"
#include "recorder/recorder_thread.h"
#include "session/browser_version.h"

namespace {

// The play loop's wait set, in the order it serves them.
enum PlayEvent { kPlay, kClosed, kEventCount };

std::array<HANDLE, kEventCount>& playEvents() {
  static std::array<HANDLE, kEventCount> events{};
  return events;
}

void createPlayEvents() {
  static std::once_flag once;
  std::call_once(once, [] {
    auto& events = playEvents();
    events[kPlay] = CreateEvent(nullptr, TRUE, FALSE, kPlayEvent);
    events[kClosed] = CreateEvent(nullptr, TRUE, FALSE, kBrowserClosedEvent);
    CreateEvent(nullptr, TRUE, FALSE, kWindowClosedEvent);  // kept for the process, waited on by name
  });
}

std::mutex& playLoopStartMutex() {
  static std::mutex mutex;
  return mutex;
}

void runPlayLoop(const RunningLoop& loop, HANDLE recorderThread) {
  ProcessState& state = processState();
  const auto& named = playEvents();
  // The loop's own close and end events stand in for the shared "Browser Closed"
  // (see running_loops.h); clearInstances and Quit end the loop at once.
  enum Wake { kPageLoaded, kAllClosed, kEnded };
  const std::array<HANDLE, 3> events{named[kPlay], loop.browsersClosed(), loop.ended()};
  bool ended = false;
  while (state.playing && !ended) {
    const DWORD signalled = WaitForMultipleObjects(static_cast<DWORD>(events.size()), events.data(), FALSE, INFINITE);
    switch (signalled - WAIT_OBJECT_0) {
      case kPageLoaded:
        ResetEvent(named[kPlay]);
        callReceiveEvents("Success");
        break;
      case kAllClosed:
        trace(" Notify Browser Quit \n");
        ResetEvent(named[kClosed]);
        callGetNotification(state.notification());
        state.playThread = nullptr;
        state.playing = false;
        theApp.Quit();
        break;
      case kEnded: {
        // Quit (or clearInstances, which has done this already): the playback is over,
        // unless a new goToURL has started its own loop meanwhile.
        HANDLE ours = recorderThread;
        if (state.playThread.compare_exchange_strong(ours, nullptr)) state.playing = false;
        ended = true;
        break;
      }
      default:
        trace("SkerrowApp :Play Default \n");
        break;
    }
  }
  trace("%s", "%%%%%%%%% PLAY THREAD ENDS %%%%%%%\n");
}

}  // namespace

bool launchForPlayback(const std::function<void()>& savePeer) {
  int answer = 0;
  if (!checkBrowserVersion(answer)) return false;
  CoInitialize(nullptr);
  ProcessState& state = processState();
  state.playing = true;
  state.recordingEnabled = false;
  trace("%s", "%%%%%%%%% PLAY STARTS %%%%%%%\n");
  savePeer();
  CWebBrowser2& browser = theApp.webBrowser();
  const bool exists = browser.hasBrowsers();
  trace("Browser exists already %d\n", exists ? 1 : 0);
  // A browser the user closed before anything listened to it is still in the table;
  // taken for open, it would leave the playback waiting for pages that never load.
  if (exists) browser.clearClosedEntries();
  if (!browser.hasBrowsers()) LaunchBrowser(0);
  return true;
}

bool goToUrl(const std::string& url, const std::function<void()>& savePeer) {
  createPlayEvents();
  savePeer();
  ProcessState& state = processState();
  CoInitialize(nullptr);
  CWebBrowser2& browser = theApp.webBrowser();
  browser.unmarshalBrowser(0);
  state.playing = true;
  // Deciding which call runs the loop and starting its recorder thread is one step: two
  // first calls from threads of the host would otherwise each start a loop, and every
  // page and the last close would be reported twice.
  std::unique_lock<std::mutex> starting(playLoopStartMutex());
  if (state.playThread.load() != nullptr) {
    starting.unlock();
    browser.navigate(url);
    return true;
  }
  // A new loop starts from clean events (see the record loop), and its recorder thread
  // listens to the browser before the navigation starts, so the page cannot finish
  // loading unseen.
  for (HANDLE event : playEvents()) ResetEvent(event);
  const RunningLoop loop(LoopKind::kPlay);
  if (!browser.hasBrowsers()) {
    // Every window is closed already: a loop would wait for a close that cannot come.
    starting.unlock();  // no lock held while Java is called back
    trace(" Notify Browser Quit \n");
    state.setNotification("All Browsers Closed");
    callGetNotification(state.notification());
    state.playing = false;
    theApp.Quit();
    return false;
  }
  const HANDLE recorderThread = startRecorderThread(theApp);
  state.playThread = recorderThread;
  starting.unlock();
  browser.navigate(url);
  runPlayLoop(loop, recorderThread);
  // A clearInstances that came while the loop was starting ended it before it set
  // playThread; left set, every later goToURL would take the loop for running.
  HANDLE ours = recorderThread;
  state.playThread.compare_exchange_strong(ours, nullptr);
  if (recorderThread != nullptr) CloseHandle(recorderThread);
  return true;
}

std::string clearPlayback() {
  ProcessState& state = processState();
  state.playing = false;
  state.playThread = nullptr;
  trace("End of Script Play \n");
  // Left waiting, the loop would live on beside the next goToURL's loop and both would
  // answer the same page.
  endRunningLoops(LoopKind::kPlay);
  return "TRUE";
}
