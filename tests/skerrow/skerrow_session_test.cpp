// Launching, recording and playing sessions of skerrow through the real JVM.
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

// The lines holding each text, in this order (other lines may stand between them).
bool inOrder(const std::vector<std::string>& lines, const std::vector<std::string>& texts) {
  auto at = lines.begin();
  for (const std::string& text : texts) {
    at = std::find_if(at, lines.end(), [&](const std::string& l) { return l.find(text) != std::string::npos; });
    if (at == lines.end()) return false;
    ++at;
  }
  return true;
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

class PlaybackSessionTest : public SessionTest {};

TEST_F(PlaybackSessionTest, GoToUrlRunsThePlayLoopAndReportsEachLoadedPage) {
  ASSERT_TRUE(callBoolean(playback_, "launchBrowser", "(I)Z", 0));
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
  const auto lines = traceLinesSince("End of Script Play");
  EXPECT_TRUE(inOrder(lines, {"End of Script Play", "PLAY THREAD ENDS", "-- Start of Recorder Thread --"}));
}

}  // namespace
}  // namespace skerrowtest
