// Launching, recording and playing sessions of skerrow through the real JVM.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "skerrow_fixture.h"
#include "testbed/modules.h"
#include "testbed/registry.h"

namespace skerrowtest {
namespace {

using testjvm::env;

const char* kIeKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer";

bool contains(const std::vector<std::string>& lines, const std::string& text) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

// The lines holding each text, in this order (other lines may stand between them). A
// failure shows the text missing and the lines it was looked for in (the last 40).
testing::AssertionResult inOrder(const std::vector<std::string>& lines, const std::vector<std::string>& texts) {
  auto at = lines.begin();
  for (const std::string& text : texts) {
    at = std::find_if(at, lines.end(), [&](const std::string& l) { return l.find(text) != std::string::npos; });
    if (at == lines.end()) {
      testing::AssertionResult failure = testing::AssertionFailure();
      failure << "\"" << text << "\" not found in order among:";
      const std::size_t first = lines.size() > 40 ? lines.size() - 40 : 0;
      for (std::size_t i = first; i < lines.size(); ++i) failure << "\n  " << lines[i];
      return failure;
    }
    ++at;
  }
  return testing::AssertionSuccess();
}

class SessionTest : public SkerrowTest {
 protected:
  int launch() { return callInt(controller_, "LaunchBrowser", "(I)I", 0); }
  std::string windowInfo() { return callString(controller_, "GetWindowInfo", "()Ljava/lang/String;"); }
};

TEST_F(SessionTest, LibraryLoadWritesTheFirstTraceLines) {
  const auto lines = traceLinesSince("logging info");
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(inOrder(lines, {"logging info", "theApp Constructor", "InitInstance Called", "Handle Instance is ok"}));
}

TEST_F(SessionTest, GetWindowInfoBeforeAnythingWasRecordedGivesEmptyValues) {
  EXPECT_EQ("parenttitle:,::;:windowtitle:,::;:windowname:,::;::;;:", windowInfo());
}

TEST_F(SessionTest, LaunchGivesOneThenMinusOneWhileTheBrowserIsVisible) {
  EXPECT_EQ(1, launch());
  EXPECT_EQ(1u, RunningBrowsers().size());
  EXPECT_EQ(-1, launch());
  EXPECT_EQ(1u, RunningBrowsers().size());
  EXPECT_TRUE(contains(traceLinesSince("Testing"), "Browser exists already 1"));
}

class VersionTest : public SessionTest {
 protected:
  void TearDown() override {
    testbed::registry::resetToDefaults();
    SessionTest::TearDown();
  }
  std::string version() { return callString(controller_, "GetBrowserVersion", "()Ljava/lang/String;"); }
};

TEST_F(VersionTest, VersionsAreReadFromTheRegistry) {
  EXPECT_EQ("6.0", version());
  testbed::registry::setValue(kIeKey, "Version", "5.50.4807.2300");
  EXPECT_EQ("5.50", version());
  testbed::registry::setValue(kIeKey, "Version", "7");
  EXPECT_EQ("0.0", version());  // no full stop: unreadable
  testbed::registry::deleteKey(kIeKey);
  EXPECT_EQ("0.0", version());
}

// The message boxes are answered by PLATFORM_MESSAGEBOX_ANSWER=IDCANCEL (2).
TEST_F(VersionTest, AnOldVersionIsRefusedWithTheMessageBoxAnswer) {
  testbed::registry::setValue(kIeKey, "Version", "5.50.4807.2300");
  EXPECT_EQ(IDCANCEL, launch());
  EXPECT_EQ(0u, RunningBrowsers().size());
  EXPECT_TRUE(contains(traceLinesSince("Current IE Version=5.50"), "Current IE Version=Current IE Version=5.50 "));
}

TEST_F(VersionTest, AnUnreadableVersionIsReportedAndTheBrowserStillStarts) {
  testbed::registry::setValue(kIeKey, "Version", "7");
  EXPECT_EQ(1, launch());
  EXPECT_EQ(1u, RunningBrowsers().size());
}

class RecordingTest : public SessionTest {};

TEST_F(RecordingTest, StartRecordingDeliversTheLaunchLineAndClosingEndsTheLoop) {
  ASSERT_EQ(1, launch());
  userDoes("open " + siteUrl("index.html"));
  startRecordingThread(true);
  EXPECT_EQ("receiveEvents:launchApplication(\"" + siteUrl("index.html") + "\")", nextRecorded());

  closeAllBrowsers();
  EXPECT_EQ("receiveEvents:closeWindow[windowname:,:NONE:;:windowtitle:,:Sample Home:;:parenttitle:,:Sample Home]",
            nextRecorded());
  EXPECT_EQ("getNotification:All Browsers Closed", nextRecorded());
  loops_.front().join();  // the first StartRecording returns
  loops_.clear();
  EXPECT_TRUE(inOrder(traceLinesSince("Testing Record Start"),
                      {"Testing Record Start", "SkerrowApp : Start Recording Events", "-- Start of Recorder Thread --",
                       "Web Record Event Connection Successful", "Record: Notify Browser Quit",
                       "Skerrow: Quit Called", "End of Quit", "End of Recording Events"}));
}

TEST_F(RecordingTest, TitlesReachJavaAsTheCharactersThePageShows) {
  ASSERT_EQ(1, launch());
  userDoes("open " + siteUrl("menu.html"));
  startRecordingThread(true);
  ASSERT_NE("", nextRecorded());
  closeAllBrowsers();
  // The en dash is 0x96 in Windows-1252, which is not Latin-1: a byte-for-char
  // conversion would give U+0096 instead.
  EXPECT_EQ("receiveEvents:closeWindow[windowname:,:NONE:;:windowtitle:,:Caf\u00e9 M\u00fcnster \u2013 Men\u00fc:;:"
            "parenttitle:,:Caf\u00e9 M\u00fcnster \u2013 Men\u00fc]",
            nextRecorded());
  EXPECT_EQ("getNotification:All Browsers Closed", nextRecorded());
}

TEST_F(RecordingTest, WithoutTheHookLibraryPagesAreStillRecordedAndClosingEndsTheLoop) {
  struct HookLibraryMissing {
    HookLibraryMissing() { testbed::modules::hide("Tapwire.dll"); }
    ~HookLibraryMissing() { testbed::modules::restoreAll(); }
  } missing;
  ASSERT_EQ(1, launch());
  userDoes("open " + siteUrl("index.html"));
  startRecordingThread(true);
  EXPECT_EQ("receiveEvents:launchApplication(\"" + siteUrl("index.html") + "\")", nextRecorded());
  closeAllBrowsers();
  EXPECT_NE("", nextRecorded());  // the close line
  EXPECT_EQ("getNotification:All Browsers Closed", nextRecorded());
  loops_.front().join();
  loops_.clear();
  EXPECT_TRUE(inOrder(traceLinesSince("-- Start of Recorder Thread --"),
                      {"-- Start of Recorder Thread --", "Web Record Event Connection Successful",
                       "SkerrowApp :\tTapwire.dll library load FAILED", "All Browsers Closed"}));
}

TEST_F(RecordingTest, RestartingRecordsALaunchLineOnlyWhenAsked) {
  ASSERT_EQ(1, launch());
  userDoes("open " + siteUrl("index.html"));
  startRecordingThread(true);
  ASSERT_NE("", nextRecorded());

  callVoid(controller_, "StartRecording", "(Z)V", JNI_FALSE);  // returns at once
  EXPECT_EQ("", nextRecorded(300));
  userDoes("open " + siteUrl("form.html"));
  EXPECT_EQ("receiveEvents:changeURL[name:,:" + siteUrl("form.html") + "]", nextRecorded());
  callVoid(controller_, "StartRecording", "(Z)V", JNI_TRUE);
  EXPECT_EQ("receiveEvents:launchApplication(\"" + siteUrl("form.html") + "\")", nextRecorded());
}

TEST_F(RecordingTest, StopRecordingStopsDeliveryUntilRecordingStartsAgain) {
  ASSERT_EQ(1, launch());
  startRecordingThread(true);
  ASSERT_EQ("receiveEvents:launchApplication(\"about:blank\")", nextRecorded());
  callVoid(controller_, "StopRecording", "()V");
  EXPECT_TRUE(inOrder(traceLinesSince("Event Recording Stopped"), {"Event Recording Stopped", "Stop Event notified"}));

  // The close line of the last window is dropped; the notification still comes.
  closeAllBrowsers();
  EXPECT_EQ("getNotification:All Browsers Closed", nextRecorded());
  loops_.front().join();
  loops_.clear();
}

TEST_F(RecordingTest, RecordingStartedAgainOnTheSamePageRecordsItsActions) {
  ASSERT_EQ(1, launch());
  userDoes("open " + siteUrl("index.html"));
  startRecordingThread(false);
  ASSERT_NE("", nextRecorded());
  callVoid(controller_, "StopRecording", "()V");
  // The recorder thread runs on: StartRecording returns at once, the page's sinks
  // attached again without the page navigating.
  callVoid(controller_, "StartRecording", "(Z)V", JNI_FALSE);
  userDoes("click #formLink");
  EXPECT_EQ("receiveEvents:setWindow[windowname:,:NONE:;:windowtitle:,:Sample Home:;:parenttitle:,:Sample Home:;:"
            "index:,:0]",
            nextRecorded());
  EXPECT_EQ(0u, nextRecorded().find("receiveEvents:clickLink[name:,:NONE:;:id:,:formLink:;:"));
}

TEST_F(RecordingTest, CheckpointModeCancelsNavigationAndNewWindows) {
  ASSERT_EQ(1, launch());
  userDoes("open " + siteUrl("index.html"));
  startRecordingThread(false);
  ASSERT_NE("", nextRecorded());  // recording has started: the launch line
  callVoid(controller_, "SelectCheckPoint", "(I)V", 0);
  userDoes("click #formLink");
  RunningBrowsers browsers;
  ASSERT_EQ(1u, browsers.size());
  BSTR url = nullptr;
  browsers[0]->get_LocationURL(&url);
  EXPECT_EQ(0, std::char_traits<char16_t>::compare(reinterpret_cast<const char16_t*>(url), u"file://", 7));
  const std::string index = siteUrl("index.html");
  EXPECT_EQ(std::u16string(index.begin(), index.end()), std::u16string(reinterpret_cast<const char16_t*>(url)));
  SysFreeString(url);
  callVoid(controller_, "DisableCheckPointMode", "()V");
}

TEST_F(RecordingTest, FramesetGetsOneSinkPerFrameAndAReloadedFrameReplacesOnlyItsOwn) {
  ASSERT_EQ(1, launch());
  startRecordingThread(false);
  ASSERT_NE("", nextRecorded());
  userDoes("open " + siteUrl("frames.html"));
  const auto framesetLoaded = [] {
    const auto lines = traceLinesSince("Frame URL is " + siteUrl("frames.html"));
    return contains(lines, "Name of Single Frame nav") && contains(lines, "Name of Single Frame main") &&
           contains(lines, "Name of Single Frame right");
  };
  ASSERT_TRUE(waitFor(framesetLoaded));

  // The navigation frame loads the order form into the nested frame "right".
  userDoes("frame nav\nclick #toForm");
  const auto rightReplaced = [] {
    return contains(traceLinesSince("OnBeforeNavigate2 Frame NAME is"), "Frame Replaced old - new right - right");
  };
  ASSERT_TRUE(waitFor(rightReplaced));
  EXPECT_FALSE(contains(traceLinesSince("OnBeforeNavigate2 Frame NAME is"), "Frame Replaced old - new nav - nav"));
}

TEST_F(RecordingTest, ANewWindowOpenedByThePageJoinsTheTable) {
  ASSERT_EQ(1, launch());
  userDoes("open " + siteUrl("index.html"));
  startRecordingThread(false);
  ASSERT_NE("", nextRecorded());
  userDoes("click #popupLink");
  EXPECT_EQ("receiveEvents:setWindow[windowname:,:NONE:;:windowtitle:,:Sample Home:;:parenttitle:,:Sample Home:;:"
            "index:,:0]",
            nextRecorded());
  EXPECT_NE(std::string::npos, nextRecorded().find("clickLink[name:,:NONE:;:id:,:popupLink:"));
  ASSERT_TRUE(waitFor([] { return RunningBrowsers().size() == 2; }));
  userDoes("close", 1);  // the pop-up
  EXPECT_EQ("receiveEvents:closeWindow[windowname:,:NONE:;:windowtitle:,:Pop-up:;:parenttitle:,:Sample Home]",
            nextRecorded());
  EXPECT_EQ("", nextRecorded(300));  // one window is still open: no notification
}

TEST_F(RecordingTest, TheRecorderThreadsHiddenWindowGoesWithQuit) {
  ASSERT_EQ(1, launch());
  startRecordingThread(false);
  ASSERT_NE("", nextRecorded());
  HWND hidden = nullptr;
  ASSERT_TRUE(waitFor([&] { return (hidden = FindWindowA("CSkerrowApp", "ZURI Daruru")) != nullptr; }));
  RECT bounds{};
  ASSERT_TRUE(GetWindowRect(hidden, &bounds));
  EXPECT_EQ(10, bounds.left);
  EXPECT_EQ(10, bounds.top);
  EXPECT_EQ(150, bounds.right - bounds.left);
  EXPECT_EQ(100, bounds.bottom - bounds.top);
  EXPECT_FALSE(IsWindowVisible(hidden));

  callVoid(controller_, "Quit", "()V");
  EXPECT_TRUE(waitFor([] { return FindWindowA("CSkerrowApp", "ZURI Daruru") == nullptr; }));
  EXPECT_TRUE(loops_.front().returnsWithin(kPatienceMs)) << "Quit leaves no loop waiting";
}

// The first StartRecording made from several threads at once runs one record loop; the
// others, asked for a launch line, each record one, and the last close is announced once.
TEST_F(RecordingTest, StartRecordingFromSeveralThreadsAtOnceRunsOneLoop) {
  ASSERT_EQ(1, launch());
  userDoes("open " + siteUrl("index.html"));
  constexpr int kThreads = 4;
  for (int i = 0; i < kThreads; ++i) startRecordingThread(true);
  const auto returned = [this] {
    return std::count_if(loops_.begin(), loops_.end(), [](const WatchedCall& call) { return call.returned(); });
  };
  EXPECT_TRUE(waitFor([&] { return returned() == kThreads - 1; })) << "all but one return";
  const std::string launchLine = "receiveEvents:launchApplication(\"" + siteUrl("index.html") + "\")";
  for (int i = 0; i < kThreads; ++i) EXPECT_EQ(launchLine, nextRecorded()) << i;
  waitForQuietTrace();
  EXPECT_EQ(kThreads - 1, returned()) << "one loop runs";
  closeAllBrowsers();
  EXPECT_NE("", nextRecorded());  // the close line
  EXPECT_EQ("getNotification:All Browsers Closed", nextRecorded());
  for (WatchedCall& loop : loops_) EXPECT_TRUE(loop.returnsWithin(kPatienceMs));
  EXPECT_EQ("", nextRecorded(300)) << "one loop, one notification";
}

TEST_F(RecordingTest, StopThenStartAgainLosesNoLineOverManyRounds) {
  ASSERT_EQ(1, launch());
  userDoes("open " + siteUrl("index.html"));
  startRecordingThread(true);
  const std::string launchLine = "receiveEvents:launchApplication(\"" + siteUrl("index.html") + "\")";
  ASSERT_EQ(launchLine, nextRecorded());
  // The record loop wakes for each stop some time later; a restart made before that
  // must stay in force.
  for (int round = 0; round < 50; ++round) {
    callVoid(controller_, "StopRecording", "()V");
    callVoid(controller_, "StartRecording", "(Z)V", JNI_TRUE);
    ASSERT_EQ(launchLine, nextRecorded()) << "round " << round;
  }
  closeAllBrowsers();
  EXPECT_EQ("receiveEvents:closeWindow[windowname:,:NONE:;:windowtitle:,:Sample Home:;:parenttitle:,:Sample Home]",
            nextRecorded());
  EXPECT_EQ("getNotification:All Browsers Closed", nextRecorded());
}

TEST_F(RecordingTest, StartRecordingWithNoBrowserReturnsAndALaterPlaybackStillWorks) {
  WatchedCall recording([this] { callVoid(controller_, "StartRecording", "(Z)V", JNI_TRUE); });
  ASSERT_TRUE(recording.returnsWithin(kPatienceMs)) << "nothing to wait for: every window is closed";
  EXPECT_EQ("getNotification:All Browsers Closed", nextRecorded());

  ASSERT_TRUE(launchForPlayback());
  startPlayLoopThread(siteUrl("index.html"));
  EXPECT_EQ("receiveEvents:Success", nextPlayed());
  closeAllBrowsers();
  EXPECT_EQ("getNotification:All Browsers Closed", nextPlayed());
  EXPECT_TRUE(loops_.front().returnsWithin(kPatienceMs));
}

// A hook library that throws from InstallHook and UnHook stands in for "Tapwire.dll".
TEST_F(RecordingTest, ExceptionsFromTheHookLibraryEndNeitherTheProcessNorTheSession) {
  struct ThrowingHook {
    ThrowingHook() { testbed::modules::substitute("Tapwire.dll", "ThrowingHook.dll"); }
    ~ThrowingHook() { testbed::modules::restoreAll(); }
  } throwing;
  ASSERT_EQ(1, launch());
  userDoes("open " + siteUrl("index.html"));
  startRecordingThread(true);
  EXPECT_EQ("receiveEvents:launchApplication(\"" + siteUrl("index.html") + "\")", nextRecorded());
  closeAllBrowsers();  // the loop runs Quit, which calls UnHook
  EXPECT_NE("", nextRecorded());  // the close line
  EXPECT_EQ("getNotification:All Browsers Closed", nextRecorded());
  loops_.front().join();
  loops_.clear();
  EXPECT_TRUE(inOrder(traceLinesSince("Testing Record Start"),
                      {"-- Start of Recorder Thread --", "All Browsers Closed", "Skerrow: Quit Called", "End of Quit",
                       "End of Recording Events"}));
}

class PlaybackSessionTest : public SessionTest {
 protected:
  void goTo(const std::string& url) {
    JNIEnv* e = env();
    jstring address = e->NewStringUTF(url.c_str());
    callBoolean(playback_, "goToURL", "(Ljava/lang/String;)Z", address);
    e->DeleteLocalRef(address);
  }
};

// Each native the host classes declare is exported by the library: calling one never
// ends in an UnsatisfiedLinkError.
TEST_F(PlaybackSessionTest, EveryNativeTheHostClassesDeclareIsExported) {
  JNIEnv* e = env();
  void* library = dlopen("libskerrow.so", RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(nullptr, library);
  jclass classClass = e->FindClass("java/lang/Class");
  jclass methodClass = e->FindClass("java/lang/reflect/Method");
  jmethodID declared = e->GetMethodID(classClass, "getDeclaredMethods", "()[Ljava/lang/reflect/Method;");
  jmethodID modifiers = e->GetMethodID(methodClass, "getModifiers", "()I");
  jmethodID nameOf = e->GetMethodID(methodClass, "getName", "()Ljava/lang/String;");
  constexpr jint kNative = 0x100;  // java.lang.reflect.Modifier.NATIVE
  int natives = 0;
  for (const char* name : {"com/corvalen/tarnwell/web/controller/IEBrowserController",
                           "com/corvalen/tarnwell/web/replay/IEPlayBackControl",
                           "com/corvalen/tarnwell/web/replay/WindowControl"}) {
    jclass cls = e->FindClass(name);
    ASSERT_NE(nullptr, cls) << name;
    // Each call is checked for an exception: -Xcheck:jni warns of every unchecked one,
    // and those warnings would bury a failing test's own lines in the log.
    auto methods = static_cast<jobjectArray>(e->CallObjectMethod(cls, declared));
    ASSERT_FALSE(e->ExceptionCheck()) << name;
    for (jsize i = 0; i < e->GetArrayLength(methods); ++i) {
      jobject method = e->GetObjectArrayElement(methods, i);
      const jint flags = e->CallIntMethod(method, modifiers);
      ASSERT_FALSE(e->ExceptionCheck());
      if ((flags & kNative) != 0) {
        auto methodName = static_cast<jstring>(e->CallObjectMethod(method, nameOf));
        ASSERT_FALSE(e->ExceptionCheck());
        std::string symbol = std::string("Java_") + name + "_" + testjvm::toUtf8(methodName);
        std::replace(symbol.begin(), symbol.end(), '/', '_');
        EXPECT_NE(nullptr, dlsym(library, symbol.c_str())) << symbol << " is declared but not exported";
        ++natives;
        e->DeleteLocalRef(methodName);
      }
      e->DeleteLocalRef(method);
    }
    e->DeleteLocalRef(methods);
    e->DeleteLocalRef(cls);
  }
  EXPECT_GE(natives, 20);
  e->DeleteLocalRef(classClass);
  e->DeleteLocalRef(methodClass);
  dlclose(library);
}

TEST_F(PlaybackSessionTest, GoToUrlRunsThePlayLoopAndReportsEachLoadedPage) {
  ASSERT_TRUE(launchForPlayback());
  startPlayLoopThread(siteUrl("index.html"));
  EXPECT_EQ("receiveEvents:Success", nextPlayed());

  JNIEnv* e = env();
  jstring form = e->NewStringUTF(siteUrl("form.html").c_str());
  EXPECT_TRUE(callBoolean(playback_, "goToURL", "(Ljava/lang/String;)Z", form));  // returns at once
  e->DeleteLocalRef(form);
  EXPECT_EQ("receiveEvents:Success", nextPlayed());

  EXPECT_EQ("TRUE", callString(playback_, "clearInstances", "()Ljava/lang/String;"));
  loops_.front().join();  // the loop ends without waiting for another page
  loops_.clear();
  startPlayLoopThread(siteUrl("tables.html"));  // a new loop and recorder thread
  EXPECT_EQ("receiveEvents:Success", nextPlayed());
  EXPECT_EQ("", nextPlayed(300));  // one loop answers, once
  // clearInstances and the loop race for the trace: a loop that has just answered a page
  // sees the playback end when it looks again and may trace its end first. Either way
  // both come before the new loop's recorder thread.
  const auto lines = traceLinesSince("Navigate2 to url " + siteUrl("form.html"));
  EXPECT_TRUE(inOrder(lines, {"PLAY THREAD ENDS", "-- Start of Recorder Thread --"}));
  EXPECT_TRUE(inOrder(lines, {"End of Script Play", "-- Start of Recorder Thread --"}));
}

// A browser closed while nothing listened to it (launched for recording that never
// started) leaves its entry in the table; playback launches a new one instead of
// waiting for pages of the closed one.
TEST_F(PlaybackSessionTest, ABrowserClosedUnheardIsNotTakenForOpenByPlayback) {
  EXPECT_EQ(1, callInt(controller_, "LaunchBrowser", "(I)I", 0));
  closeAllBrowsers();
  ASSERT_TRUE(launchForPlayback());
  EXPECT_EQ(1u, RunningBrowsers().size());
  startPlayLoopThread(siteUrl("index.html"));
  EXPECT_EQ("receiveEvents:Success", nextPlayed());
}

// The call orders that once left a loop waiting for ever. Each blocking call runs
// watched: a hang fails the test.

TEST_F(PlaybackSessionTest, QuitDuringPlaybackEndsThePlayLoop) {
  ASSERT_TRUE(launchForPlayback());
  startPlayLoopThread(siteUrl("index.html"));
  ASSERT_EQ("receiveEvents:Success", nextPlayed());
  callVoid(controller_, "Quit", "()V");
  EXPECT_TRUE(loops_.front().returnsWithin(kPatienceMs)) << "Quit leaves no loop waiting";
}

TEST_F(PlaybackSessionTest, StartRecordingDuringPlaybackAndThenTheLastCloseEndBothLoops) {
  ASSERT_TRUE(launchForPlayback());
  startPlayLoopThread(siteUrl("index.html"));
  ASSERT_EQ("receiveEvents:Success", nextPlayed());
  startRecordingThread(false);
  ASSERT_TRUE(waitFor([] { return contains(traceLinesSince("Testing Record Start"), "End of Recorder Thread"); }));
  closeAllBrowsers();
  EXPECT_TRUE(loops_[0].returnsWithin(kPatienceMs)) << "the play loop";
  EXPECT_TRUE(loops_[1].returnsWithin(kPatienceMs)) << "the record loop";
}

TEST_F(PlaybackSessionTest, GoToUrlWithNoBrowserReturnsAndANewSessionWorks) {
  startPlayLoopThread(siteUrl("index.html"));
  EXPECT_TRUE(loops_.front().returnsWithin(kPatienceMs)) << "nothing to wait for: every window is closed";
  EXPECT_EQ("TRUE", callString(playback_, "clearInstances", "()Ljava/lang/String;"));
  while (!nextPlayed(0).empty()) {
  }

  ASSERT_TRUE(launchForPlayback());
  startPlayLoopThread(siteUrl("index.html"));
  EXPECT_EQ("receiveEvents:Success", nextPlayed());
  closeAllBrowsers();
  EXPECT_EQ("getNotification:All Browsers Closed", nextPlayed());
  EXPECT_TRUE(loops_.back().returnsWithin(kPatienceMs));
}

// Calls that come before or after their session (clearInstances with no play loop,
// StopRecording with nothing recorded, Quit twice) leave nothing behind that the next
// session trips over; its last close then ends the loop in the order the host relies on:
// the notification, Quit, and the loop's end.
TEST_F(PlaybackSessionTest, CallsOutsideASessionAndTheLastCloseInOrder) {
  EXPECT_EQ("TRUE", callString(playback_, "clearInstances", "()Ljava/lang/String;"));
  callVoid(controller_, "StopRecording", "()V");
  callVoid(controller_, "Quit", "()V");
  callVoid(controller_, "Quit", "()V");
  EXPECT_EQ("", nextPlayed(0));
  EXPECT_EQ("", nextRecorded(0));

  ASSERT_TRUE(launchForPlayback());
  startPlayLoopThread(siteUrl("index.html"));
  EXPECT_EQ("receiveEvents:Success", nextPlayed());
  closeAllBrowsers();
  EXPECT_EQ("getNotification:All Browsers Closed", nextPlayed());
  loops_.back().join();
  EXPECT_EQ("", nextPlayed(300));
  EXPECT_TRUE(inOrder(traceLinesSince("PLAY STARTS"), {"Navigate2 to url", " Notify Browser Quit ",
                                                       "Skerrow: Quit Called", "End of Quit", "PLAY THREAD ENDS"}));
  callVoid(controller_, "Quit", "()V");  // after the loop's own Quit
  EXPECT_EQ("", nextPlayed(0));
}

// A host that starts its first goToURL from several threads at once gets one play loop:
// the other calls navigate and return, and the last close is announced once.
TEST_F(PlaybackSessionTest, GoToUrlFromSeveralThreadsAtOnceRunsOnePlayLoop) {
  ASSERT_TRUE(launchForPlayback());
  constexpr int kThreads = 4;
  for (int i = 0; i < kThreads; ++i) startPlayLoopThread(siteUrl("index.html"));
  const auto returned = [this] {
    return std::count_if(loops_.begin(), loops_.end(), [](const WatchedCall& call) { return call.returned(); });
  };
  EXPECT_TRUE(waitFor([&] { return returned() == kThreads - 1; })) << "all but one return at once";
  EXPECT_EQ("receiveEvents:Success", nextPlayed());
  waitForQuietTrace();
  while (!nextPlayed(0).empty()) {
  }
  EXPECT_EQ(kThreads - 1, returned()) << "one loop runs";
  closeAllBrowsers();
  EXPECT_EQ("getNotification:All Browsers Closed", nextPlayed());
  for (WatchedCall& loop : loops_) EXPECT_TRUE(loop.returnsWithin(kPatienceMs));
  EXPECT_EQ("", nextPlayed(300)) << "one loop, one notification";
}

// Sessions back to back: the recorder thread of a session that just ended may still be
// handling its last events while the next session's thread starts (the thread
// sanitizer watches what they share).
TEST_F(PlaybackSessionTest, SessionsBackToBackEachEndWhenTheirBrowserCloses) {
  for (int round = 0; round < 5; ++round) {
    ASSERT_TRUE(launchForPlayback());
    startPlayLoopThread(siteUrl(round % 2 == 0 ? "index.html" : "tables.html"));
    ASSERT_EQ("receiveEvents:Success", nextPlayed()) << "round " << round;
    goTo(siteUrl("form.html"));
    ASSERT_EQ("receiveEvents:Success", nextPlayed()) << "round " << round;
    closeAllBrowsers();
    ASSERT_EQ("getNotification:All Browsers Closed", nextPlayed()) << "round " << round;
    loops_.back().join();
    loops_.clear();
    while (!nextPlayed(0).empty()) {
    }
  }
}

}  // namespace
}  // namespace skerrowtest
