// What a finder costs on the largest sample page when the host calls it from a Java
// thread: every element is read through the browser's COM objects from outside the
// browser thread. Each finder also runs on the browser thread, where no call is carried,
// in turn with the Java-thread runs (so both see the same load); the figures are the
// medians of each, their ratio and the calls carried per element of the page. Each
// finder is asked for something that is not there, or is the last of its kind, so that
// it scans the whole page.
#include <benchmark/benchmark.h>
#include <jni.h>
#include <mshtml.h>
#include <platform_internal/carried_call_count.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "java_vm.h"
#include "testbed/internet_explorer.h"

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
    if (env->ExceptionCheck()) {
      env->ExceptionDescribe();
      env->ExceptionClear();
      env->DeleteLocalRef(cls);
      return false;
    }
    const std::string url = std::string("file://") + TW_SITE_DIR + "/large.html";
    std::thread([url] {  // the play loop, for the rest of the program
      JNIEnv* loopEnv = testjvm::env();
      jclass loopCls = loopEnv->GetObjectClass(playback);
      jstring address = loopEnv->NewStringUTF(url.c_str());
      loopEnv->CallBooleanMethod(playback, loopEnv->GetMethodID(loopCls, "goToURL", "(Ljava/lang/String;)Z"),
                                 address);
      if (loopEnv->ExceptionCheck()) loopEnv->ExceptionClear();
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

// The browser showing large.html (a reference) and how many elements its page has.
IWebBrowser2* theBrowser(LONG* elements) {
  static LONG count = 0;
  static IWebBrowser2* browser = [] {
    std::vector<IWebBrowser2*> browsers = testbed::ie::runningBrowsers();
    if (browsers.empty()) return static_cast<IWebBrowser2*>(nullptr);
    IWebBrowser2* last = browsers.back();
    browsers.pop_back();
    for (IWebBrowser2* other : browsers) other->Release();
    IDispatch* dispatch = nullptr;
    IHTMLDocument2* document = nullptr;
    IHTMLElementCollection* all = nullptr;
    if (SUCCEEDED(last->get_Document(&dispatch)) && dispatch &&
        SUCCEEDED(dispatch->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&document))) &&
        SUCCEEDED(document->get_all(&all)) && all) {
      all->get_length(&count);
    }
    if (all) all->Release();
    if (document) document->Release();
    if (dispatch) dispatch->Release();
    return last;
  }();
  *elements = count;
  return browser;
}

double median(std::vector<double>& values) {
  std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
  return values[values.size() / 2];
}

template <class Call>
void scanWith(benchmark::State& state, Call&& call) {
  LONG elements = 0;
  IWebBrowser2* browser = openLargePage() ? theBrowser(&elements) : nullptr;
  if (!browser || elements == 0) {
    state.SkipWithError("the page did not open");
    return;
  }
  using Clock = std::chrono::steady_clock;
  const auto timed = [&] {
    JNIEnv* env = testjvm::env();
    const auto start = Clock::now();
    env->PushLocalFrame(16);
    benchmark::DoNotOptimize(call());
    env->PopLocalFrame(nullptr);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  };
  std::vector<double> fromJava, inThread;
  std::uint64_t carried = 0;
  for (auto _ : state) {
    const std::uint64_t before = win32::internal::carriedCallCount();
    fromJava.push_back(timed());
    carried += win32::internal::carriedCallCount() - before;
    state.PauseTiming();
    testbed::ie::onBrowserThread(browser, [&] { inThread.push_back(timed()); });
    state.ResumeTiming();
  }
  if (inThread.size() != fromJava.size()) {
    state.SkipWithError("the browser thread did not run the finder");
    return;
  }
  const double javaMs = median(fromJava);
  const double inThreadMs = median(inThread);
  state.counters["java_ms"] = javaMs;
  state.counters["in_thread_ms"] = inThreadMs;
  state.counters["ratio"] = inThreadMs > 0 ? javaMs / inThreadMs : 0;
  state.counters["calls_per_element"] =
      static_cast<double>(carried) / static_cast<double>(state.iterations()) / static_cast<double>(elements);
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

BENCHMARK(BM_FixButton)->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK(BM_FindInputTextBox)->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK(BM_FixLink)->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK(BM_FixSelect)->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK(BM_FixDivElement)->Unit(benchmark::kMillisecond)->Iterations(7);
BENCHMARK(BM_FixImageById)->Unit(benchmark::kMillisecond)->Iterations(7);

}  // namespace
