#include "playback/playback_state.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "com/bstr.h"
#include "core/skerrow_app.h"

PlaybackState& playbackState() {
  static PlaybackState state;
  return state;
}

namespace {

std::string readyStateOf(IHTMLDocument2* document) {
  Bstr state;
  document->get_readyState(state.put());
  return state.toAnsi();
}

}  // namespace

void setTimeLimit(int seconds) { playbackState().maxTimeLimit = std::max(seconds, 0); }

int64_t secondsLeft(int64_t waitSeconds, int64_t waited) {
  if (waitSeconds <= 0) return 0;
  return std::clamp<int64_t>(waitSeconds - waited, 0, waitSeconds);
}

void sleepSeconds(int64_t seconds) {
  constexpr int64_t kLongestStep = 24 * 60 * 60;  // a day, far below INFINITE milliseconds
  while (seconds > 0) {
    const int64_t step = std::min(seconds, kLongestStep);
    Sleep(static_cast<DWORD>(step * 1000));
    seconds -= step;
  }
}

int pollReadyState(IHTMLDocument2* document, int polls) {
  int i = 0;
  std::string state = readyStateOf(document);
  while (state != "complete" && i < polls) {
    Sleep(1000);
    state = readyStateOf(document);
    ++i;
  }
  return i;
}

std::string waitForComplete(int extraSeconds) {
  const ComPtr<IHTMLDocument2> document = theApp.currentDocument();
  if (!document) return result::kDocumentNull;
  const int waited = pollReadyState(document.get(), playbackState().maxTimeLimit);
  sleepSeconds(secondsLeft(extraSeconds, waited));
  return result::kSuccess;
}
