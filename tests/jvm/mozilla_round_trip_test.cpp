// Record and replay in the simulated Mozilla through the host: sessions recorded in
// build/bin/mozilla (the simulated user on its standard input, the recording commanded
// through the Java server) replay in a fresh browser through the host's player, their
// checkpoints verify, and the same checkpoints on a page changed after recording fail on
// the changed property alone.
#include <gtest/gtest.h>

#include <string>

#include "java_vm.h"
#include "watchdog.h"

namespace {

constexpr const char kDemoClass[] = "com/corvalen/tarnwell/demo/MozillaRecordAndReplay";

jobject pathOf(const std::string& path) {
  JNIEnv* e = testjvm::env();
  jclass paths = e->FindClass("java/nio/file/Paths");
  jclass stringClass = e->FindClass("java/lang/String");
  jmethodID get = e->GetStaticMethodID(paths, "get", "(Ljava/lang/String;[Ljava/lang/String;)Ljava/nio/file/Path;");
  jstring first = e->NewStringUTF(path.c_str());
  jobjectArray more = e->NewObjectArray(0, stringClass, nullptr);
  jobject value = e->CallStaticObjectMethod(paths, get, first, more);
  testjvm::expectNoException("Paths.get");
  for (jobject ref : {static_cast<jobject>(paths), static_cast<jobject>(stringClass), static_cast<jobject>(first),
                      static_cast<jobject>(more)})
    e->DeleteLocalRef(ref);
  return value;
}

struct Outcome {
  bool reproduced = false;
  bool caught = false;
  std::string output;
};

// Runs the demo's record-and-replay of the named session, its output kept.
Outcome run(const char* session) {
  JNIEnv* e = testjvm::env();
  Outcome outcome;
  jclass demo = e->FindClass(kDemoClass);
  jclass sessionClass = e->FindClass("com/corvalen/tarnwell/demo/MozillaRecordAndReplay$Session");
  jobject chosen = e->GetStaticObjectField(
      demo, e->GetStaticFieldID(demo, session, "Lcom/corvalen/tarnwell/demo/MozillaRecordAndReplay$Session;"));
  jclass bytesClass = e->FindClass("java/io/ByteArrayOutputStream");
  jobject bytes = e->NewObject(bytesClass, e->GetMethodID(bytesClass, "<init>", "()V"));
  jclass printClass = e->FindClass("java/io/PrintStream");
  jobject print = e->NewObject(printClass, e->GetMethodID(printClass, "<init>", "(Ljava/io/OutputStream;Z)V"), bytes,
                               JNI_TRUE);
  testjvm::expectNoException("the output stream");
  jobject executable = pathOf(MOZILLA_EXECUTABLE);
  jobject components = pathOf(MARBLECK_COMPONENTS);
  jobject site = pathOf(TW_EXAMPLE_SITE);
  jobject result = e->CallStaticObjectMethod(
      demo,
      e->GetStaticMethodID(demo, "run",
                           "(Ljava/nio/file/Path;Ljava/nio/file/Path;Ljava/nio/file/Path;"
                           "Lcom/corvalen/tarnwell/demo/MozillaRecordAndReplay$Session;Ljava/io/PrintStream;)"
                           "Lcom/corvalen/tarnwell/demo/MozillaRecordAndReplay$Outcome;"),
      executable, components, site, chosen, print);
  testjvm::expectNoException("MozillaRecordAndReplay.run");
  auto text = static_cast<jstring>(
      e->CallObjectMethod(bytes, e->GetMethodID(bytesClass, "toString", "()Ljava/lang/String;")));
  testjvm::expectNoException("the output");
  outcome.output = testjvm::toUtf8(text);
  if (result != nullptr) {
    jclass outcomeClass = e->GetObjectClass(result);
    outcome.reproduced = e->GetBooleanField(result, e->GetFieldID(outcomeClass, "reproduced", "Z"));
    outcome.caught = e->GetBooleanField(result, e->GetFieldID(outcomeClass, "caught", "Z"));
    e->DeleteLocalRef(outcomeClass);
    e->DeleteLocalRef(result);
  }
  for (jobject ref : {static_cast<jobject>(demo), static_cast<jobject>(sessionClass), chosen,
                      static_cast<jobject>(bytesClass), bytes, static_cast<jobject>(printClass), print, executable,
                      components, site, static_cast<jobject>(text)})
    if (ref != nullptr) e->DeleteLocalRef(ref);
  return outcome;
}

// The site's tour: a DIV, a pop-up, the toolbar, frames, an image link,
// every form field, an alert, a confirm and a prompt, with element, cell, table and text
// checkpoints; the changed page is the order form (its name field's tool tip).
TEST(MozillaRoundTrip, TheSitesTourReplaysToTheSameStateAndAChangedPageIsCaught) {
  testjvm::Watchdog watchdog("the tour", std::chrono::seconds(240));
  const Outcome outcome = run("TOUR");
  // The map's area recorded by its own id, inside a map that has one too.
  EXPECT_NE(std::string::npos, outcome.output.find("clickMap[name:,:nav:;:id:,:areaTables:;:")) << outcome.output;
  EXPECT_TRUE(outcome.reproduced) << outcome.output;
  EXPECT_TRUE(outcome.caught) << outcome.output;
  EXPECT_NE(std::string::npos, outcome.output.find("element checkpoint: FAILED, tooltip: recorded 'Your name', now "
                                                   "'Full name'"))
      << outcome.output;
}

// Every kind of page element acted on and picked on one page whose log notes each action
// (an image map among them); the changed page is the same one (its image's alt text).
TEST(MozillaRoundTrip, EveryKindOfElementReplaysAndItsCheckpointsVerify) {
  testjvm::Watchdog watchdog("the element kinds", std::chrono::seconds(240));
  const Outcome outcome = run("ELEMENTS");
  // The image button, recorded with its resolved address.
  EXPECT_NE(std::string::npos, outcome.output.find("clickImage[name:,:pay:;:")) << outcome.output;
  EXPECT_TRUE(outcome.reproduced) << outcome.output;
  EXPECT_TRUE(outcome.caught) << outcome.output;
  EXPECT_NE(std::string::npos, outcome.output.find("element checkpoint: FAILED, alt: recorded 'Logo', now 'Brand'"))
      << outcome.output;
}

}  // namespace
