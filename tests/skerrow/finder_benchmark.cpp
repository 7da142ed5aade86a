// What a finder costs on the largest sample page when the host calls it from a Java
// thread: every element is read through the browser's COM objects from outside the
// browser thread. The engine's own walk of the same page (engine_benchmark) is the
// floor. Each finder is asked for something that is not there, or is the last of its
// kind, so that it scans the whole page.
#include <benchmark/benchmark.h>
#include <jni.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "java_vm.h"

namespace {

jobject playback = nullptr;

std::string call(const char* name, const char* signature, ...) {
  JNIEnv* env = testjvm::env();
  jclass cls = env->GetObjectClass(playback);
  jmethodID method = env->GetMethodID(cls, name, signature);
  env->DeleteLocalRef(cls);
  va_list args;
  va_start(args, signature);
  auto text = static_cast<jstring>(env->CallObjectMethodV(playback, method, args));
  va_end(args);
  if (env->ExceptionCheck()) env->ExceptionClear();
  std::string word = testjvm::toUtf8(text);
  env->DeleteLocalRef(text);
  return word;
}

jstring s(const char* text) { return testjvm::env()->NewStringUTF(text); }

// The browser on large.html, its document current for the finders.
bool openLargePage() {
  static const bool ready = [] {
    setenv("PLATFORM_TIME_SCALE", "0.01", 0);
    JNIEnv* env = testjvm::env();
    testjvm::loadLibrary("skerrow");
    playback = testjvm::newObject("com/corvalen/tarnwell/web/replay/IEPlayBackControl");
    jclass cls = env->GetObjectClass(playback);
    env->CallBooleanMethod(playback, env->GetMethodID(cls, "launchBrowser", "(Ljava/lang/String;)Z"), nullptr);
    const std::string url = std::string("file://") + TW_SITE_DIR + "/large.html";
    std::thread([url] {  // the play loop, for the rest of the program
      JNIEnv* loopEnv = testjvm::env();
      jclass loopCls = loopEnv->GetObjectClass(playback);
      jstring address = loopEnv->NewStringUTF(url.c_str());
      loopEnv->CallBooleanMethod(playback, loopEnv->GetMethodID(loopCls, "goToURL", "(Ljava/lang/String;)Z"),
                                 address);
    }).detach();
    env->DeleteLocalRef(cls);
    if (testjvm::nextCallback(playback, 60000) != "receiveEvents:Success") return false;
    return call("setWindow",
                "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;I)Ljava/lang/String;",
                s("NONE"), s("Large Catalogue"), s("NONE"), s("eq,eq,eq"), 0) == "SUCCESS";
  }();
  return ready;
}

constexpr const char* kFiveStrings =
    "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;";
constexpr const char* kFourStrings = "(Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;";

template <class Call>
void scanWith(benchmark::State& state, Call&& call) {
  if (!openLargePage()) {
    state.SkipWithError("the page did not open");
    return;
  }
  JNIEnv* env = testjvm::env();
  for (auto _ : state) {
    env->PushLocalFrame(16);
    benchmark::DoNotOptimize(call());
    env->PopLocalFrame(nullptr);
  }
}

void BM_FixButton(benchmark::State& state) {
  scanWith(state, [] { return call("fixAndClickButton", kFiveStrings, s("f"), s("submit"), s("absent"), 0, s("NONE")); });
}
void BM_FindInputTextBox(benchmark::State& state) {
  scanWith(state, [] {
    return call("setInputTextBox",
                "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)"
                "Ljava/lang/String;",
                s("f"), s("text"), s("absent"), s("x"), 0, s("NONE"));
  });
}
void BM_FixLink(benchmark::State& state) {
  scanWith(state, [] { return call("fixAndClickLink", kFourStrings, s("f"), s("absent"), 0, s("NONE")); });
}
void BM_FixSelect(benchmark::State& state) {
  scanWith(state, [] { return call("fixSelect", kFourStrings, s("f"), s("absent"), 0, s("NONE")); });
}
void BM_FixDivElement(benchmark::State& state) {
  scanWith(state, [] { return call("fixAndClickList", kFiveStrings, s("f"), s("div"), s("absent"), 0, s("NONE")); });
}
void BM_FixImageById(benchmark::State& state) {
  scanWith(state, [] { return call("fixAndClickImage", kFourStrings, s("f"), s("absent"), 0, s("absent")); });
}

BENCHMARK(BM_FixButton)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FindInputTextBox)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FixLink)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FixSelect)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FixDivElement)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FixImageById)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
