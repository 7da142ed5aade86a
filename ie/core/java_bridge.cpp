#include "core/java_bridge.h"

#include <atomic>
#include <mutex>

#include "common/java_strings.h"

namespace {

std::atomic<JavaVM*> javaVm{nullptr};
std::atomic<JNIEnv*> javaEnv{nullptr};

// The peer is replaced by every session-starting native while other threads may be
// calling back on the old one: a callback takes its own local reference under the lock.
std::mutex peerMutex;
jobject javaPeer = nullptr;

// Attaches the calling thread and returns a local reference to the peer (null when no
// session-starting native has run yet).
jobject attachAndTakePeer(JNIEnv*& env) {
  JavaVM* vm = javaVm.load();
  if (vm == nullptr) return nullptr;
  env = nullptr;
  if (vm->AttachCurrentThread(reinterpret_cast<void**>(&env), nullptr) != JNI_OK || env == nullptr) return nullptr;
  javaEnv = env;
  std::lock_guard lock(peerMutex);
  return javaPeer == nullptr ? nullptr : env->NewLocalRef(javaPeer);
}

template <class MakeArgument>
void callPeer(const char* method, const char* signature, MakeArgument makeArgument) {
  JNIEnv* env = nullptr;
  jobject peer = attachAndTakePeer(env);
  if (peer == nullptr) return;
  jclass peerClass = env->GetObjectClass(peer);
  jmethodID id = env->GetMethodID(peerClass, method, signature);
  if (id != nullptr) {
    jobject argument = makeArgument(env);
    env->CallVoidMethod(peer, id, argument);
    if (argument != nullptr) env->DeleteLocalRef(argument);
  }
  // Whatever the host's method threw is not ours to handle; it must not stay pending
  // on a thread that goes on making JNI calls.
  if (env->ExceptionCheck()) env->ExceptionClear();
  env->DeleteLocalRef(peerClass);
  env->DeleteLocalRef(peer);
}

void callWithString(const char* method, const std::string& text) {
  callPeer(method, "(Ljava/lang/String;)V", [&](JNIEnv* env) -> jobject { return newJavaString(env, text); });
}

}  // namespace

void saveJavaPeer(JNIEnv* env, jobject peer) {
  javaEnv = env;
  jobject global = env->NewGlobalRef(peer);
  JavaVM* vm = nullptr;
  env->GetJavaVM(&vm);
  {
    std::lock_guard lock(peerMutex);
    if (javaPeer != nullptr) env->DeleteGlobalRef(javaPeer);
    javaPeer = global;
  }
  javaVm = vm;
}

void callReceiveEvents(const std::string& text) { callWithString("receiveEvents", text); }
void callReceiveCheckPoints(const std::string& text) { callWithString("receiveCheckPoints", text); }
void callGetNotification(const std::string& text) { callWithString("getNotification", text); }

void callReceiveColumnValues(JNIEnv* env, jobject caller, const std::vector<std::string>& values) {
  if (javaVm.load() == nullptr || env == nullptr || caller == nullptr) return;
  const jsize length = static_cast<jsize>(values.size());
  jobjectArray array = newJavaStringArray(env, length);
  if (array == nullptr) {
    if (env->ExceptionCheck()) env->ExceptionClear();
    return;
  }
  for (jsize i = 0; i < length; ++i) {
    jstring text = newJavaString(env, values[static_cast<size_t>(i)]);
    if (text == nullptr && env->ExceptionCheck()) {  // the VM is out of memory: no callback
      env->ExceptionClear();
      env->DeleteLocalRef(array);
      return;
    }
    env->SetObjectArrayElement(array, i, text);
    if (text != nullptr) env->DeleteLocalRef(text);
  }
  jclass callerClass = env->GetObjectClass(caller);
  jmethodID id = env->GetMethodID(callerClass, "receiveColumnValues", "([Ljava/lang/String;)V");
  if (id != nullptr) env->CallVoidMethod(caller, id, array);
  // A missing method or what the host's method threw must not stay pending on the
  // native's thread: the native still has its word to hand back.
  if (env->ExceptionCheck()) env->ExceptionClear();
  env->DeleteLocalRef(callerClass);
  env->DeleteLocalRef(array);
}
