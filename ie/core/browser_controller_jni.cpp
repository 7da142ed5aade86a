// The natives of com.corvalen.tarnwell.web.controller.IEBrowserController.
#include <jni.h>

#include "common/java_strings.h"
#include "common/script_line.h"
#include "common/trace_log.h"
#include "core/java_bridge.h"
#include "core/native_call.h"
#include "core/plain_exports.h"
#include "core/process_state.h"
#include "core/record_loop.h"
#include "core/skerrow_app.h"
#include "session/browser_version.h"

#define CONTROLLER_NATIVE(name) Java_com_corvalen_tarnwell_web_controller_IEBrowserController_##name

extern "C" {

JNIEXPORT jint JNICALL CONTROLLER_NATIVE(LaunchBrowser)(JNIEnv*, jobject, jint) {
  return nativeCall<jint>(0, [] {
    int answer = 0;
    if (!checkBrowserVersion(answer)) return answer;
    CWebBrowser2& browser = theApp.webBrowser();
    const bool exists = browser.hasBrowsers();
    trace("Browser exists already %d\n", exists ? 1 : 0);
    if (exists) {
      const int index = processState().currentBrowserIndex;
      browser.unmarshalBrowser(index);
      if (browser.getVisible()) return -1;
      browser.clearEntry(index);
    }
    return LaunchBrowser(0);
  });
}

JNIEXPORT jstring JNICALL CONTROLLER_NATIVE(GetBrowserVersion)(JNIEnv* env, jobject) {
  return newJavaString(env, nativeCall<std::string>("0.0", [] { return browserVersionText(); }));
}

JNIEXPORT void JNICALL CONTROLLER_NATIVE(StartRecording)(JNIEnv* env, jobject peer, jboolean relaunch) {
  nativeCall([&] {
    trace("Testing Record Start\n");
    ProcessState& state = processState();
    state.recordingEnabled = true;
    state.recordLoopDone = false;
    state.playing = false;
    state.setLastParentTitle("");
    state.setLastWindowName("");
    createRecordEvents();
    saveJavaPeer(env, peer);
    state.recordLaunchLine = relaunch ? 1 : 0;
    StartRecording(relaunch ? 1 : 0);
  });
}

JNIEXPORT void JNICALL CONTROLLER_NATIVE(StopRecording)(JNIEnv*, jobject) { nativeCall([] { StopRecording(); }); }

JNIEXPORT void JNICALL CONTROLLER_NATIVE(SelectCheckPoint)(JNIEnv*, jobject, jint type) {
  nativeCall([type] { SelectCheckPoint(type); });
}

JNIEXPORT void JNICALL CONTROLLER_NATIVE(DisableCheckPointMode)(JNIEnv*, jobject) {
  nativeCall([] { DisableCheckPointMode(); });
}

JNIEXPORT jstring JNICALL CONTROLLER_NATIVE(GetWindowInfo)(JNIEnv* env, jobject) {
  return newJavaString(env, nativeCall<std::string>({}, [] {
    ProcessState& state = processState();
    std::vector<std::string> properties = {"parenttitle", state.parentTitle(), "windowtitle", state.windowTitle(),
                                           "windowname",  state.windowName()};
    state.setCheckPointProperties(properties);
    return scriptline::propertyList(properties);
  }));
}

JNIEXPORT void JNICALL CONTROLLER_NATIVE(Quit)(JNIEnv*, jobject) { nativeCall([] { Quit(); }); }

}  // extern "C"
