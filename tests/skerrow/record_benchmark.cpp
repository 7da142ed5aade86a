// What recording a click costs: from the simulated user's mouse release (the click
// action, whose mouse-up the document sink records) to the recorded line arriving at
// the host's receiveEvents, on a small page and on the largest sample page. The line's
// match list reads every element of the page through the browser's COM objects; a
// link's also cleans the text of every link.
#include <benchmark/benchmark.h>
#include <jni.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "java_vm.h"
#include "testbed/internet_explorer.h"

namespace {

jobject controller = nullptr;

std::string siteUrl(const char* page) { return std::string("file://") + TW_SITE_DIR + "/" + page; }

bool userDoes(const std::string& script) {
  std::vector<IWebBrowser2*> browsers = testbed::ie::runningBrowsers();
  const bool done = !browsers.empty() && testbed::ie::run(browsers.back(), script).ok;
  for (IWebBrowser2* browser : browsers) browser->Release();
  return done;
}

// Takes every callback until none has come for `quietMs`.
void drain(long quietMs) {
  while (!testjvm::nextCallback(controller, quietMs).empty()) {
  }
}

// Recording runs on one browser for the whole program; each benchmark opens its page.
bool recordOn(const char* page) {
  static const bool recording = [] {
    setenv("PLATFORM_TIME_SCALE", "0.01", 0);
    setenv("PLATFORM_MESSAGEBOX_ANSWER", "IDOK", 0);
    JNIEnv* env = testjvm::env();
    testjvm::loadLibrary("skerrow");
    controller = testjvm::newObject("com/corvalen/tarnwell/web/controller/IEBrowserController");
    jclass cls = env->GetObjectClass(controller);
    env->CallIntMethod(controller, env->GetMethodID(cls, "LaunchBrowser", "(I)I"), 0);
    if (env->ExceptionCheck()) env->ExceptionClear();
    env->DeleteLocalRef(cls);
    std::thread([] {  // the record loop, for the rest of the program
      JNIEnv* loopEnv = testjvm::env();
      jclass loopCls = loopEnv->GetObjectClass(controller);
      loopEnv->CallVoidMethod(controller, loopEnv->GetMethodID(loopCls, "StartRecording", "(Z)V"), JNI_FALSE);
      if (loopEnv->ExceptionCheck()) loopEnv->ExceptionClear();
    }).detach();
    return !testjvm::nextCallback(controller, 60000).empty();  // the launch line
  }();
  if (!recording || !userDoes("open " + siteUrl(page))) return false;
  drain(500);  // the new page has its sinks when the browser's events have quietened
  return true;
}

// Times `click` until its line (beginning with `action`) reaches the host.
void recordClicks(benchmark::State& state, const char* page, const std::string& click, const std::string& action) {
  if (!recordOn(page)) {
    state.SkipWithError("recording did not start on the page");
    return;
  }
  userDoes(click);  // the first event in the page also records the window line
  drain(300);
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (!userDoes(click)) {
      state.SkipWithError("the click could not be done");
      return;
    }
    const std::string line = testjvm::nextCallback(controller, 30000);
    const auto end = std::chrono::steady_clock::now();
    if (line.rfind("receiveEvents:" + action, 0) != 0) {
      state.SkipWithError(("unexpected callback: " + line).c_str());
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
}

void BM_CheckBoxOnSmallPage(benchmark::State& state) {
  recordClicks(state, "recording.html", "click name=agree", "clickButton");
}
void BM_LinkOnSmallPage(benchmark::State& state) {
  recordClicks(state, "recording.html", "click #wrapped right", "clickLink");
}
void BM_CheckBoxOnLargePage(benchmark::State& state) {
  recordClicks(state, "large.html", "click #pick399", "clickButton");
}
void BM_LinkOnLargePage(benchmark::State& state) {
  recordClicks(state, "large.html", "click A[399] right", "clickLink");
}

BENCHMARK(BM_CheckBoxOnSmallPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_LinkOnSmallPage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_CheckBoxOnLargePage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LinkOnLargePage)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
