#include "core/play_loop.h"

#include <array>
#include <mutex>
#include <utility>

#include "common/trace_log.h"
#include "core/java_bridge.h"
#include "core/plain_exports.h"
#include "core/process_state.h"
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

// The end-of-play event of the running loop. clearInstances signals it so that the loop
// ends at once: left waiting, it would live on beside the next goToURL's loop and both
// would answer the same page. Each loop has its own event, so a new loop started right
// after cannot take the old one's signal.
std::mutex loopEndMutex;
HANDLE runningLoopEnd = nullptr;

void runPlayLoop() {
  ProcessState& state = processState();
  const HANDLE loopEnd = CreateEvent(nullptr, TRUE, FALSE, nullptr);
  {
    std::lock_guard lock(loopEndMutex);
    runningLoopEnd = loopEnd;
  }
  const auto& named = playEvents();
  const std::array<HANDLE, kEventCount + 1> events{named[kPlay], named[kClosed], loopEnd};
  bool ended = false;
  while (state.playing && !ended) {
    const DWORD signalled = WaitForMultipleObjects(static_cast<DWORD>(events.size()), events.data(), FALSE, INFINITE);
    switch (signalled - WAIT_OBJECT_0) {
      case kEventCount:
        ended = true;
        break;
      case kPlay:
        ResetEvent(named[kPlay]);
        callReceiveEvents("Success");
        break;
      case kClosed:
        trace(" Notify Browser Quit \n");
        ResetEvent(named[kClosed]);
        callGetNotification(state.notification());
        state.playThread = nullptr;
        state.playing = false;
        theApp.Quit();
        break;
      default:
        trace("SkerrowApp :Play Default \n");
        break;
    }
  }
  {
    std::lock_guard lock(loopEndMutex);
    if (runningLoopEnd == loopEnd) runningLoopEnd = nullptr;
  }
  CloseHandle(loopEnd);
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
  const bool exists = theApp.webBrowser().hasBrowsers();
  trace("Browser exists already %d\n", exists ? 1 : 0);
  if (!exists) LaunchBrowser(0);
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
  if (state.playThread.load() != nullptr) {
    browser.navigate(url);
    return true;
  }
  // A new loop starts from clean events (see the record loop), and its recorder thread
  // listens to the browser before the navigation starts, so the page cannot finish
  // loading unseen.
  for (HANDLE event : playEvents()) ResetEvent(event);
  const HANDLE recorderThread = startRecorderThread(theApp);
  state.playThread = recorderThread;
  browser.navigate(url);
  runPlayLoop();
  CloseHandle(recorderThread);
  return true;
}

std::string clearPlayback() {
  ProcessState& state = processState();
  state.playing = false;
  state.playThread = nullptr;
  trace("End of Script Play \n");
  std::lock_guard lock(loopEndMutex);
  if (runningLoopEnd != nullptr) SetEvent(std::exchange(runningLoopEnd, nullptr));
  return "TRUE";
}
