#include "java_vm.h"

#include <gtest/gtest.h>

#include <mutex>
#include <vector>

namespace testjvm {

namespace {

JavaVM* startedVm = nullptr;

JavaVM* vm() {
  static std::once_flag once;
  std::call_once(once, [] {
    std::string classPath = std::string("-Djava.class.path=") + TW_HOST_JAR;
    std::string libraryPath = std::string("-Djava.library.path=") + TW_LIBRARY_DIR;
    std::vector<JavaVMOption> options = {
        {classPath.data(), nullptr},
        {libraryPath.data(), nullptr},
        {const_cast<char*>("-Xcheck:jni"), nullptr},
        {const_cast<char*>("-Djava.awt.headless=true"), nullptr},
    };
    JavaVMInitArgs args{};
    args.version = JNI_VERSION_1_8;
    args.nOptions = static_cast<jint>(options.size());
    args.options = options.data();
    args.ignoreUnrecognized = JNI_FALSE;
    JNIEnv* env = nullptr;
    if (JNI_CreateJavaVM(&startedVm, reinterpret_cast<void**>(&env), &args) != JNI_OK) startedVm = nullptr;
  });
  return startedVm;
}

}  // namespace

JNIEnv* env() {
  JavaVM* javaVm = vm();
  if (javaVm == nullptr) {
    ADD_FAILURE() << "the JVM did not start";
    return nullptr;
  }
  JNIEnv* threadEnv = nullptr;
  if (javaVm->GetEnv(reinterpret_cast<void**>(&threadEnv), JNI_VERSION_1_8) == JNI_EDETACHED)
    javaVm->AttachCurrentThread(reinterpret_cast<void**>(&threadEnv), nullptr);
  return threadEnv;
}

void expectNoException(const char* what) {
  JNIEnv* e = env();
  if (e == nullptr || !e->ExceptionCheck()) return;
  jthrowable thrown = e->ExceptionOccurred();
  e->ExceptionClear();
  jclass throwable = e->FindClass("java/lang/Throwable");
  jmethodID toString = e->GetMethodID(throwable, "toString", "()Ljava/lang/String;");
  auto text = static_cast<jstring>(e->CallObjectMethod(thrown, toString));
  ADD_FAILURE() << what << " threw " << toUtf8(text);
  e->DeleteLocalRef(text);
  e->DeleteLocalRef(throwable);
  e->DeleteLocalRef(thrown);
}

void loadLibrary(const std::string& name) {
  JNIEnv* e = env();
  if (e == nullptr) return;
  const std::string path = std::string(TW_LIBRARY_DIR) + "/lib" + name + ".so";
  jclass loader = e->FindClass("com/corvalen/tarnwell/testbed/NativeLibraries");
  ASSERT_NE(nullptr, loader);
  jmethodID load = e->GetStaticMethodID(loader, "load", "(Ljava/lang/String;)V");
  jstring jpath = e->NewStringUTF(path.c_str());
  e->CallStaticVoidMethod(loader, load, jpath);
  expectNoException(("loading " + path).c_str());
  e->DeleteLocalRef(jpath);
  e->DeleteLocalRef(loader);
}

jobject newObject(const char* className) {
  JNIEnv* e = env();
  if (e == nullptr) return nullptr;
  jclass cls = e->FindClass(className);
  if (cls == nullptr) {
    expectNoException(className);
    return nullptr;
  }
  jmethodID constructor = e->GetMethodID(cls, "<init>", "()V");
  jobject local = e->NewObject(cls, constructor);
  expectNoException(className);
  jobject global = e->NewGlobalRef(local);
  e->DeleteLocalRef(local);
  e->DeleteLocalRef(cls);
  return global;
}

std::string toUtf8(jstring text) {
  JNIEnv* e = env();
  if (e == nullptr || text == nullptr) return {};
  const char* chars = e->GetStringUTFChars(text, nullptr);
  std::string out = chars ? chars : "";
  if (chars) e->ReleaseStringUTFChars(text, chars);
  return out;
}

std::string nextCallback(jobject hostObject, long timeoutMillis) {
  JNIEnv* e = env();
  if (e == nullptr) return {};
  jclass hostClass = e->GetObjectClass(hostObject);
  jfieldID field = e->GetFieldID(hostClass, "callbacks", "Lcom/corvalen/tarnwell/testbed/CallbackRecorder;");
  jobject recorder = e->GetObjectField(hostObject, field);
  jclass recorderClass = e->GetObjectClass(recorder);
  jmethodID next = e->GetMethodID(recorderClass, "next", "(J)Ljava/lang/String;");
  auto text = static_cast<jstring>(e->CallObjectMethod(recorder, next, static_cast<jlong>(timeoutMillis)));
  expectNoException("CallbackRecorder.next");
  std::string out = toUtf8(text);
  for (jobject ref : {static_cast<jobject>(text), recorder, static_cast<jobject>(recorderClass),
                      static_cast<jobject>(hostClass)})
    if (ref) e->DeleteLocalRef(ref);
  return out;
}

}  // namespace testjvm
