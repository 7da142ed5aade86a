// The natives of com.corvalen.tarnwell.web.replay.WindowControl: native dialog boxes
// during playback. Each stores its first two strings (the control's window class and
// identifier) before it acts.
#include <jni.h>

#include "common/java_strings.h"
#include "core/native_call.h"
#include "dialogs/control_actions.h"
#include "dialogs/window_control_state.h"

#define WINDOW_NATIVE(name) Java_com_corvalen_tarnwell_web_replay_WindowControl_##name

namespace {

using ControlAction = std::string (*)(const std::string&);

jstring controlNative(JNIEnv* env, jstring windowClass, jstring controlId, jstring value, ControlAction action) {
  return newJavaString(env, nativeCall<std::string>(kControlNull, [&] {
    windowControlState().setControlArgs(ansiFromJava(env, windowClass), ansiFromJava(env, controlId));
    return action(ansiFromJava(env, value));
  }));
}

}  // namespace

extern "C" {

JNIEXPORT jstring JNICALL WINDOW_NATIVE(CheckWindowMessage)(JNIEnv* env, jobject, jstring windowClass,
                                                            jstring controlId, jstring value) {
  return controlNative(env, windowClass, controlId, value, &checkWindowMessage);
}

JNIEXPORT jstring JNICALL WINDOW_NATIVE(PerformAction)(JNIEnv* env, jobject, jstring windowClass, jstring controlId,
                                                       jstring value) {
  return controlNative(env, windowClass, controlId, value, [](const std::string&) { return performAction(); });
}

JNIEXPORT jstring JNICALL WINDOW_NATIVE(SetTextBox)(JNIEnv* env, jobject, jstring windowClass, jstring controlId,
                                                    jstring value) {
  return controlNative(env, windowClass, controlId, value, &setTextBox);
}

JNIEXPORT jstring JNICALL WINDOW_NATIVE(SetSelect)(JNIEnv* env, jobject, jstring windowClass, jstring controlId,
                                                   jstring value) {
  return controlNative(env, windowClass, controlId, value, &setSelect);
}

JNIEXPORT jstring JNICALL WINDOW_NATIVE(SetAlertList)(JNIEnv* env, jobject, jstring windowClass, jstring controlId,
                                                      jstring value) {
  return controlNative(env, windowClass, controlId, value, &setAlertList);
}

JNIEXPORT jstring JNICALL WINDOW_NATIVE(DoCheckPoint)(JNIEnv* env, jobject, jstring windowClass, jstring controlId,
                                                      jstring value) {
  return controlNative(env, windowClass, controlId, value, [](const std::string&) { return doCheckPoint(); });
}

JNIEXPORT jboolean JNICALL WINDOW_NATIVE(IsWindowDisplayed)(JNIEnv* env, jobject, jstring windowClass,
                                                            jstring title) {
  return nativeCall(false, [&] {
    windowControlState().setControlArgs(ansiFromJava(env, windowClass), ansiFromJava(env, title));
    return targetWindowTitled(ansiFromJava(env, title));
  }) ? JNI_TRUE : JNI_FALSE;
}

JNIEXPORT jboolean JNICALL WINDOW_NATIVE(CloseAlertWindow)(JNIEnv* env, jobject, jstring ignored) {
  return nativeCall(false, [&] {
    windowControlState().setControlArgs(ansiFromJava(env, ignored), std::string());
    return closeTargetWindow();
  }) ? JNI_TRUE : JNI_FALSE;
}

}  // extern "C"
