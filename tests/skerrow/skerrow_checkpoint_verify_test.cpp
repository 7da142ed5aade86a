// Checkpoints picked while recording, verified during playback by the reference host
// (CheckpointVerifier): each is read back through the read-back natives and compared
// key by key with what was recorded. On the unchanged page every kind agrees; on a page
// changed after recording exactly the changed key differs.
#include <gtest/gtest.h>

#include <mshtml.h>

#include <string>
#include <utility>
#include <vector>

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "com/variant.h"
#include <windows.h>

#include "skerrow_fixture.h"

namespace skerrowtest {
namespace {

using testjvm::env;

class CheckpointVerifyTest : public SkerrowTest {
 protected:
  void SetUp() override { env()->PushLocalFrame(128); }
  void TearDown() override {
    SkerrowTest::TearDown();
    if (verifier_ != nullptr) env()->DeleteGlobalRef(verifier_);
    env()->PopLocalFrame(nullptr);
  }

  // Records checkpoints on checkpoints.html: for each (type, user action) the property
  // list receiveCheckPoints got. The recording browser is closed afterwards.
  std::vector<std::string> pickCheckpoints(const std::vector<std::pair<int, std::string>>& picks) {
    std::vector<std::string> lists;
    EXPECT_EQ(1, callInt(controller_, "LaunchBrowser", "(I)I", 0));
    userDoes("open " + siteUrl("checkpoints.html"));
    startRecordingThread(false);
    EXPECT_EQ(0u, nextRecorded().rfind("receiveEvents:launchApplication(", 0));
    const std::string prefix = "receiveCheckPoints:";
    for (const auto& [type, action] : picks) {
      callVoid(controller_, "SelectCheckPoint", "(I)V", type);
      userDoes(action);
      const std::string call = nextRecorded();
      EXPECT_EQ(0u, call.rfind(prefix, 0)) << action << ": " << call;
      lists.push_back(call.substr(call.rfind(prefix, 0) == 0 ? prefix.size() : 0));
      // The file chooser a file field opens is closed at once while a checkpoint is picked.
      if (action == "click name=upload") {
        EXPECT_TRUE(waitFor([] { return FindWindowA(nullptr, "Choose file") == nullptr; }));
      }
    }
    callVoid(controller_, "DisableCheckPointMode", "()V");
    closeAllBrowsers();
    while (!nextRecorded(1000).empty()) {
    }
    for (WatchedCall& loop : loops_) loop.join();
    loops_.clear();
    return lists;
  }

  // Opens the page again for playback and makes the verifier the host uses.
  void replayPage() {
    ASSERT_TRUE(launchForPlayback());
    startPlayLoopThread(siteUrl("checkpoints.html"));
    ASSERT_EQ("receiveEvents:Success", nextPlayed());
    JNIEnv* e = env();
    jclass verifierClass = e->FindClass("com/corvalen/tarnwell/web/replay/CheckpointVerifier");
    ASSERT_NE(nullptr, verifierClass);
    jmethodID make = e->GetMethodID(verifierClass, "<init>", "(Lcom/corvalen/tarnwell/web/replay/IEPlayBackControl;)V");
    verifier_ = e->NewGlobalRef(e->NewObject(verifierClass, make, playback_));
  }

  // The verifier's account of one checkpoint, e.g. "element checkpoint: PASSED (12 keys)".
  std::string verify(const std::string& list) {
    JNIEnv* e = env();
    jstring text = e->NewStringUTF(list.c_str());
    jclass verifierClass = e->GetObjectClass(verifier_);
    jmethodID verifyMethod = e->GetMethodID(
        verifierClass, "verify", "(Ljava/lang/String;)Lcom/corvalen/tarnwell/web/replay/CheckpointVerifier$Result;");
    jobject result = e->CallObjectMethod(verifier_, verifyMethod, text);
    testjvm::expectNoException("verify");
    const std::string account = callString(result, "toString", "()Ljava/lang/String;");
    const bool passed = callBoolean(result, "passed", "()Z") == JNI_TRUE;
    EXPECT_EQ(passed, account.find(": PASSED (") != std::string::npos) << account;
    e->DeleteLocalRef(result);
    e->DeleteLocalRef(text);
    return account;
  }

  // The playback page's element with this id, or the index-th element of this tag name.
  ComPtr<IHTMLElement> element(const std::string& id, const std::string& tag = "", int index = 0) {
    RunningBrowsers browsers;
    ComPtr<IDispatch> dispatch;
    ComPtr<IHTMLDocument2> document;
    ComPtr<IHTMLElementCollection> all;
    ComPtr<IDispatch> found;
    if (browsers.size() == 0 || FAILED(browsers[0]->get_Document(dispatch.put())) || !dispatch) return {};
    dispatch->QueryInterface(IID_IHTMLDocument2, document.putVoid());
    if (!document || FAILED(document->get_all(all.put())) || !all) return {};
    if (!tag.empty()) {
      ComPtr<IDispatch> tagged;
      Variant tagName;
      V_VT(tagName.get()) = VT_BSTR;
      V_BSTR(tagName.get()) = Bstr::fromAnsi(tag).release();
      const auto ofTag = SUCCEEDED(all->tags(*tagName.get(), tagged.put()))
                             ? queryAs<IHTMLElementCollection>(tagged.get(), IID_IHTMLElementCollection)
                             : ComPtr<IHTMLElementCollection>();
      if (!ofTag) return {};
      Variant position(index), unused(0);
      ofTag->item(*position.get(), *unused.get(), found.put());
    } else {
      Variant key, position(0);
      V_VT(key.get()) = VT_BSTR;
      V_BSTR(key.get()) = Bstr::fromAnsi(id).release();
      all->item(*key.get(), *position.get(), found.put());
    }
    return queryAs<IHTMLElement>(found.get(), IID_IHTMLElement);
  }

  jobject verifier_ = nullptr;
};

// One pick of every kind: element mode on each kind of field, button, list, link, image
// and cell (with and without ids); text mode; table mode by id and by first-cell text.
const std::vector<std::pair<int, std::string>> kEveryKind = {
    {0, "click #mail"},         {0, "click INPUT[3]"},     {0, "click name=secret"}, {0, "click name=send"},
    {0, "click #calc"},         {0, "click name=agree"},   {0, "click INPUT[9]"},    {0, "click name=upload"},
    {0, "click name=pay"},      {0, "click name=remarks"}, {0, "click name=color"},  {0, "click A[0]"},
    {0, "click #logo"},         {0, "click TD[5]"},        {0, "click TD[6]"},       {0, "click TD[9]"},
    {0, "click #c"},            {1, "selecttext #loose"},  {2, "click #inCell"},     {2, "click TD[7]"},
};

TEST_F(CheckpointVerifyTest, EveryKindReadBackAgreesWithWhatWasPicked) {
  const auto lists = pickCheckpoints(kEveryKind);
  ASSERT_EQ(kEveryKind.size(), lists.size());
  replayPage();
  for (size_t i = 0; i < lists.size(); ++i) {
    const std::string account = verify(lists[i]);
    EXPECT_NE(std::string::npos, account.find(": PASSED (")) << kEveryKind[i].second << "\n" << lists[i] << "\n"
                                                            << account;
  }
  // The kinds as the host tells them apart.
  EXPECT_EQ(0u, verify(lists[0]).rfind("element checkpoint: PASSED", 0));
  EXPECT_EQ(0u, verify(lists[13]).rfind("cell checkpoint: PASSED", 0));
  EXPECT_EQ(0u, verify(lists[17]).rfind("text checkpoint: PASSED", 0));
  EXPECT_EQ(0u, verify(lists[18]).rfind("table checkpoint: PASSED", 0));
}

TEST_F(CheckpointVerifyTest, APageChangedAfterRecordingFailsOnExactlyTheChangedKey) {
  const auto lists = pickCheckpoints({{0, "click #mail"}, {0, "click #c"}, {2, "click #inCell"}, {0, "click #calc"}});
  replayPage();
  // The field's value, a cell's text and the tool tip of a button have changed since.
  const auto field = queryAs<IHTMLInputTextElement>(element("mail").get(), IID_IHTMLInputTextElement);
  ASSERT_TRUE(field);
  ASSERT_EQ(S_OK, field->put_value(Bstr::fromAnsi("x@y.z").get()));
  const ComPtr<IHTMLElement> cell = element("c");
  ASSERT_TRUE(cell);
  ASSERT_EQ(S_OK, cell->put_innerText(Bstr::fromAnsi("A2 changed").get()));
  const ComPtr<IHTMLElement> b3 = element("", "TD", 5);
  ASSERT_TRUE(b3);
  ASSERT_EQ(S_OK, b3->put_innerText(Bstr::fromAnsi("b3 outer").get()));
  const ComPtr<IHTMLElement> calc = element("calc");
  ASSERT_TRUE(calc);
  ASSERT_EQ(S_OK, calc->put_title(Bstr::fromAnsi("Sums up").get()));

  EXPECT_EQ("element checkpoint: FAILED, value: recorded 'a@b.c', now 'x@y.z'", verify(lists[0]));
  EXPECT_EQ("cell checkpoint: FAILED, cellvalue: recorded 'a2', now 'A2 changed'", verify(lists[1]));
  EXPECT_EQ("table checkpoint: FAILED, cellvalue: recorded 'b3 inner', now 'b3 outer'", verify(lists[2]));
  // The window block's tool tip and the element's own are one key to the host.
  EXPECT_EQ("element checkpoint: FAILED, tooltip: recorded 'Adds up', now 'Sums up'", verify(lists[3]));
}

TEST_F(CheckpointVerifyTest, AnElementOrTableNoLongerFoundIsReportedWithTheReadBacksWord) {
  const auto lists = pickCheckpoints({{0, "click #calc"}, {2, "click TD[7]"}});
  replayPage();
  const ComPtr<IHTMLElement> calc = element("calc");
  ASSERT_TRUE(calc);
  ASSERT_EQ(S_OK, calc->put_id(Bstr::fromAnsi("renamed").get()));
  const ComPtr<IHTMLElement> firstCell = element("", "TD", 6);
  ASSERT_TRUE(firstCell);
  ASSERT_EQ(S_OK, firstCell->put_innerText(Bstr::fromAnsi("Another first cell").get()));
  EXPECT_EQ("element checkpoint: ERROR_ELEMENT_IDENTIFICATION_FAILED", verify(lists[0]));
  EXPECT_EQ("table checkpoint: ERROR_TABLE_NOT_FOUND", verify(lists[1]));
}

}  // namespace
}  // namespace skerrowtest
