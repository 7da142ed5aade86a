#include "playback/playback_state.h"

#include <windows.h>

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
  if (extraSeconds - waited > 0) Sleep(static_cast<DWORD>(extraSeconds - waited) * 1000);
  return result::kSuccess;
}
