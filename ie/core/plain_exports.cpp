#include "core/plain_exports.h"

#include "common/trace_log.h"
#include "core/process_state.h"
#include "core/record_loop.h"
#include "core/skerrow_app.h"

SKERROW_EXPORT int LaunchBrowser(int attach) { return theApp.webBrowser().launchOrAttach(attach); }

SKERROW_EXPORT void StartRecording(int relaunch) { runRecordLoop(relaunch); }

SKERROW_EXPORT void StopRecording() {
  CoInitialize(nullptr);
  CWebBrowser2& browser = theApp.webBrowser();
  browser.unmarshalBrowser(processState().currentBrowserIndex);
  browser.stopRecording();
}

SKERROW_EXPORT void SelectCheckPoint(int checkPointType) {
  ProcessState& state = processState();
  state.checkPointMode = true;
  state.checkPointType = checkPointType;
  trace("checkPointMode is : %d  \n", 1);
  trace("checkPointType is : %d  \n", checkPointType);
  const HWND window = theApp.webBrowser().windowHandle(state.currentBrowserIndex);
  SetForegroundWindow(window);
  SetForegroundWindow(window);
  state.setCheckPointProperties({});
}

SKERROW_EXPORT void DisableCheckPointMode() { processState().checkPointMode = false; }

SKERROW_EXPORT void Quit() { theApp.Quit(); }
