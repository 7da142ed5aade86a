// The natives of com.corvalen.tarnwell.web.replay.IEPlayBackControl that start and end a
// playback session.
#include <jni.h>

#include "common/java_strings.h"
#include "core/java_bridge.h"
#include "core/native_call.h"
#include "core/play_loop.h"

#define PLAYBACK_NATIVE(name) Java_com_corvalen_tarnwell_web_replay_IEPlayBackControl_##name

extern "C" {

JNIEXPORT jboolean JNICALL PLAYBACK_NATIVE(launchBrowser)(JNIEnv* env, jobject peer, jstring) {
  return nativeCall(false, [&] { return launchForPlayback([&] { saveJavaPeer(env, peer); }); }) ? JNI_TRUE : JNI_FALSE;
}

JNIEXPORT jboolean JNICALL PLAYBACK_NATIVE(goToURL)(JNIEnv* env, jobject peer, jstring url) {
  return nativeCall(false, [&] {
    const std::string address = ansiFromJava(env, url);
    return goToUrl(address, [&] { saveJavaPeer(env, peer); });
  }) ? JNI_TRUE : JNI_FALSE;
}

JNIEXPORT jstring JNICALL PLAYBACK_NATIVE(clearInstances)(JNIEnv* env, jobject) {
  return newJavaString(env, nativeCall<std::string>("TRUE", [] { return clearPlayback(); }));
}

}  // extern "C"
