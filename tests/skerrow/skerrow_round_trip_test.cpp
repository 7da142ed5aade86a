// Round trips: a session recorded from the simulated user, played back through the
// reference player in a fresh browser, reaches the page state the session left.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "skerrow_fixture.h"

namespace skerrowtest {
namespace {

using testjvm::env;

// Every browser window's state as a person sees it (titles, fields, the pages' logs).
std::string sessionState() { return testbed::ie::pageState(); }

class RoundTripTest : public SkerrowTest {
 protected:
  void SetUp() override { env()->PushLocalFrame(64); }
  void TearDown() override {
    SkerrowTest::TearDown();
    if (player_ != nullptr) {
      callBoolean(player_, "awaitPlayLoopEnd", "(J)Z", static_cast<jlong>(10000));
      env()->DeleteGlobalRef(player_);
    }
    env()->PopLocalFrame(nullptr);
  }

  // Records the user's session on `page` and returns its lines, launch line first; the
  // state the session left is kept in recordedState_. The recording browser is closed.
  std::vector<std::string> record(const std::string& page, const std::vector<std::pair<std::string, size_t>>& acts) {
    std::vector<std::string> lines;
    EXPECT_EQ(1, callInt(controller_, "LaunchBrowser", "(I)I", 0));
    userDoes("open " + siteUrl(page));
    startRecordingThread(false);
    waitForQuietTrace();
    for (const auto& [script, window] : acts) {
      userDoes(script, window);
      waitForQuietTrace();
      if (script.find("click #popupLink") != std::string::npos) {
        EXPECT_TRUE(waitFor([] { return RunningBrowsers().size() == 2; }));
      }
    }
    recordedState_ = sessionState();
    const std::string prefix = "receiveEvents:";
    for (std::string call = nextRecorded(); !call.empty(); call = nextRecorded(500)) {
      if (call.rfind(prefix, 0) == 0) lines.push_back(call.substr(prefix.size()));
    }
    closeAllBrowsers();
    while (!nextRecorded(2000).empty()) {
    }
    for (WatchedCall& loop : loops_) loop.join();
    loops_.clear();
    return lines;
  }

  // Plays `lines` in a fresh browser; the result word of each.
  std::vector<std::string> replay(const std::vector<std::string>& lines) {
    EXPECT_TRUE(launchForPlayback());
    EXPECT_EQ("SUCCESS", callString(playback_, "setMaxTimeLimit", "(I)Ljava/lang/String;", 30));
    JNIEnv* e = env();
    jclass playerClass = e->FindClass("com/corvalen/tarnwell/web/replay/RecordedScriptPlayer");
    jmethodID make = e->GetMethodID(playerClass, "<init>", "(Lcom/corvalen/tarnwell/web/replay/IEPlayBackControl;J)V");
    jobject player = e->NewObject(playerClass, make, playback_, static_cast<jlong>(150));
    player_ = e->NewGlobalRef(player);
    std::vector<std::string> words;
    for (const std::string& line : lines) {
      words.push_back(callString(player_, "playLine", "(Ljava/lang/String;)Ljava/lang/String;",
                                 e->NewStringUTF(line.c_str())));
    }
    return words;
  }

  // The replay reached the recorded state (it may take a moment for the last action).
  void expectSameState() {
    EXPECT_TRUE(waitFor([&] { return sessionState() == recordedState_; }, 10000));
    EXPECT_EQ(recordedState_, sessionState());
  }

  static void expectEveryLinePlayed(const std::vector<std::string>& lines, const std::vector<std::string>& words) {
    ASSERT_EQ(lines.size(), words.size());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ("SUCCESS", words[i]) << lines[i];
  }

  std::string recordedState_;
  jobject player_ = nullptr;
};

TEST_F(RoundTripTest, FormFieldsButtonsLinksImagesAndDivs) {
  const auto lines = record("recording.html", {{"type name=who Jane Doe", 0},
                                               {"type name=pin 4711", 0},
                                               {"type name=remarks  today", 0},
                                               {"click name=agree", 0},
                                               {"click INPUT[7]", 0},
                                               {"choose name=extras Cable|Charger", 0},
                                               {"click INPUT[2]", 0},
                                               {"click INPUT[3]", 0},
                                               {"click A[0]", 0},
                                               {"click A[1]", 0},
                                               {"click #inner", 0},
                                               {"click #first", 0},
                                               {"click DIV[1]", 0}});
  ASSERT_GE(lines.size(), 12u);
  const auto words = replay(lines);
  expectEveryLinePlayed(lines, words);
  expectSameState();
}

TEST_F(RoundTripTest, FramesAndAFormInANestedFrame) {
  const auto lines = record("frames.html", {{"frame nav\nclick #toForm", 0},
                                            {"frame right\ntype name=customer Ann", 0},
                                            {"frame right\nclick name=gift", 0},
                                            {"frame right\nchoose name=colour Blue", 0}});
  const auto words = replay(lines);
  expectEveryLinePlayed(lines, words);
  expectSameState();
}

TEST_F(RoundTripTest, APopUpWindowAndBack) {
  const auto lines = record("index.html", {{"click #popupLink", 0},
                                           {"click #message", 1},
                                           {"click #formLink", 0},
                                           {"type name=customer Bea", 0}});
  const auto words = replay(lines);
  expectEveryLinePlayed(lines, words);
  expectSameState();
}

TEST_F(RoundTripTest, ScriptDialogsAnsweredInTheMiddle) {
  const auto lines = record("dialogs.html", {{"click #confirmButton", 0},
                                             {"dialog OK", 0},
                                             {"click #promptButton", 0},
                                             {"dialog OK Ada", 0},
                                             {"click #alertButton", 0},
                                             {"dialog OK", 0},
                                             {"click #confirmButton", 0},
                                             {"dialog Cancel", 0}});
  ASSERT_GE(lines.size(), 16u);
  const auto words = replay(lines);
  expectEveryLinePlayed(lines, words);
  expectSameState();
  EXPECT_NE(std::string::npos, recordedState_.find("agreed; name: Ada; alerted; declined")) << recordedState_;
}

}  // namespace
}  // namespace skerrowtest
