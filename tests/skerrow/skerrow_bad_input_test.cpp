// What the natives do with input no recorded script holds, called through the real JVM
// as a careless host would: null and empty texts, megabyte-long texts, texts made of
// separators and line-break markers, extreme indexes and times, and calls after the
// session has ended. Every call must give its word within a bound (a watchdog ends the
// program when a call hangs) and leave a bounded trace.
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include <mshtml.h>

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "com/variant.h"
#include "skerrow_fixture.h"
#include "testbed/registry.h"
#include "watchdog.h"

namespace skerrowtest {
namespace {

using namespace std::chrono_literals;
using testjvm::env;

// The most trace one call may write. A failing setWindow traces the caller's texts on
// each of its retries (fifteen at the default limit); each line is cut at a few kB.
constexpr uintmax_t kTraceBudget = 256 * 1024;

// What a call may take at the test time scale (the platform's waits are a hundredth):
// a fraction of a second in an optimised build; the bound leaves room for sanitizers.
constexpr auto kQuick = 10s;

const std::string kMegabyte(1 << 20, 'x');

// An argument of a native: a text, a null reference or an int.
struct Arg {
  enum Kind { kText, kNull, kInt } kind;
  std::string text;
  jint number = 0;
};
Arg text(std::string t) { return {Arg::kText, std::move(t)}; }
Arg nullText() { return {Arg::kNull, {}}; }
Arg number(jint n) { return {Arg::kInt, {}, n}; }

struct Call {
  std::string native;
  std::vector<Arg> args;
};

std::string signatureOf(const std::vector<Arg>& args, const char* result) {
  std::string signature = "(";
  for (const Arg& arg : args) signature += arg.kind == Arg::kInt ? "I" : "Ljava/lang/String;";
  return signature + ")" + result;
}

// "fixLink(NONE, <1048576 bytes>, null, -1)": enough to tell a failing case.
std::string describe(const Call& call) {
  std::string out = call.native + "(";
  for (size_t i = 0; i < call.args.size(); ++i) {
    const Arg& arg = call.args[i];
    if (i > 0) out += ", ";
    if (arg.kind == Arg::kInt) out += std::to_string(arg.number);
    else if (arg.kind == Arg::kNull) out += "null";
    else if (arg.text.size() > 40) out += "<" + std::to_string(arg.text.size()) + " bytes>";
    else out += "\"" + arg.text + "\"";
  }
  return out + ")";
}

uintmax_t traceSize() {
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size("iexplorer.log", error);
  return error ? 0 : size;
}

class BadInputTest : public SkerrowTest {
 protected:
  // Calls a native of `target` returning a String (with `result` "Z" a boolean, given as
  // "true" or "false"; with "V" nothing); checks the time it took and the trace it wrote.
  std::string word(jobject target, const Call& call, std::chrono::milliseconds bound = kQuick,
                   const char* result = "Ljava/lang/String;") {
    JNIEnv* e = env();
    jclass cls = e->GetObjectClass(target);
    const jmethodID method = e->GetMethodID(cls, call.native.c_str(), signatureOf(call.args, result).c_str());
    e->DeleteLocalRef(cls);
    if (method == nullptr) {
      testjvm::expectNoException(call.native.c_str());
      ADD_FAILURE() << "no native " << call.native;
      return "<no native>";
    }
    std::vector<jvalue> values(call.args.size());
    for (size_t i = 0; i < call.args.size(); ++i) {
      const Arg& arg = call.args[i];
      if (arg.kind == Arg::kInt) values[i].i = arg.number;
      else values[i].l = arg.kind == Arg::kNull ? nullptr : e->NewStringUTF(arg.text.c_str());
    }
    const std::string what = describe(call);
    const uintmax_t traceBefore = traceSize();
    std::string out;
    const auto took = testjvm::timeCall(what, bound + 30s, [&] {
      if (std::string(result) == "Z") {
        out = e->CallBooleanMethodA(target, method, values.data()) ? "true" : "false";
      } else if (std::string(result) == "V") {
        e->CallVoidMethodA(target, method, values.data());
      } else {
        auto returned = static_cast<jstring>(e->CallObjectMethodA(target, method, values.data()));
        if (e->ExceptionCheck()) out = "<exception>";
        else out = returned ? testjvm::toUtf8(returned) : "<null>";
        if (returned) e->DeleteLocalRef(returned);
      }
    });
    testjvm::expectNoException(what.c_str());
    EXPECT_LT(took, bound) << what;
    EXPECT_LT(traceSize() - traceBefore, kTraceBudget) << what << " flooded the trace";
    for (size_t i = 0; i < call.args.size(); ++i)
      if (call.args[i].kind == Arg::kText) e->DeleteLocalRef(values[i].l);
    return out;
  }

  std::string play(const Call& call, std::chrono::milliseconds bound = kQuick) { return word(playback_, call, bound); }

  std::string setMaxTimeLimit(jint seconds) { return play({"setMaxTimeLimit", {number(seconds)}}); }

  // A void native of IEBrowserController, bounded like the others.
  void control(const Call& call) { word(controller_, call, kQuick, "V"); }
};

// A playback session on the playback page, its window current; failing window searches
// retry twice (eight seconds, a hundredth here) instead of fifteen times.
class SessionInputTest : public BadInputTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(launchForPlayback());
    startPlayLoopThread(siteUrl("playback.html"));
    ASSERT_EQ("receiveEvents:Success", nextPlayed());
    ASSERT_EQ("SUCCESS", setMaxTimeLimit(8));
    ASSERT_EQ("SUCCESS", play(playbackWindow()));
  }
  void TearDown() override {
    setMaxTimeLimit(60);
    SkerrowTest::TearDown();
  }

  static Call playbackWindow(jint waitTime = 0) {
    return {"setWindow", {text("NONE"), text("Playback"), text("NONE"), text("eq,eq,eq"), number(waitTime)}};
  }

  // The page's log paragraph, where each handler that ran leaves its word.
  static std::string logText() { return textOf("log", [](IHTMLElement* e, BSTR* t) { return e->get_innerText(t); }); }
  // What a text field holds.
  static std::string fieldValue(const std::string& name) {
    return textOf(name, [](IHTMLElement* e, BSTR* t) {
      ComPtr<IHTMLInputTextElement> input;
      if (FAILED(e->QueryInterface(IID_IHTMLInputTextElement, input.putVoid()))) return E_NOINTERFACE;
      return input->get_value(t);
    });
  }

 private:
  template <class Read>
  static std::string textOf(const std::string& nameOrId, Read read) {
    RunningBrowsers browsers;
    ComPtr<IDispatch> dispatch;
    ComPtr<IHTMLDocument2> page;
    ComPtr<IHTMLElementCollection> all;
    ComPtr<IDispatch> found;
    ComPtr<IHTMLElement> element;
    if (browsers.size() == 0 || FAILED(browsers[0]->get_Document(dispatch.put())) || !dispatch ||
        FAILED(dispatch->QueryInterface(IID_IHTMLDocument2, page.putVoid())) || FAILED(page->get_all(all.put())))
      return "<no page>";
    Variant name, position(0);
    V_VT(name.get()) = VT_BSTR;
    V_BSTR(name.get()) = Bstr::fromAnsi(nameOrId).release();
    all->item(*name.get(), *position.get(), found.put());
    if (!found || FAILED(found->QueryInterface(IID_IHTMLElement, element.putVoid()))) return "<no element>";
    Bstr value;
    read(element.get(), value.put());
    return value.toAnsi();
  }
};

// One call per native with texts that find (or, for fixAndClickMap and closeWindow, that
// look for) something on the playback page, and the word each String parameter gives
// when it is null or empty, and when it is a megabyte of 'x'.
struct NativeCase {
  Call call;
  std::vector<std::string> nullOrEmpty;  // one word per String parameter, in order
  std::vector<std::string> megabyte;
};

std::vector<NativeCase> nativeCases() {
  const Arg none = text("NONE");
  return {
      {{"fixAndClickButton", {text("entry"), text("button"), text("twin"), number(0), none}},
       {"SUCCESS", "FAILED", "FAILED", "FAILED"},
       {"SUCCESS", "FAILED", "FAILED", "FAILED"}},
      {{"fixAndClickImage", {none, text("Logo"), number(0), none}},
       {"SUCCESS", "FAILED", "FAILED"},
       {"SUCCESS", "FAILED", "FAILED"}},
      {{"fixAndClickLink", {none, text("Sign in now"), number(0), none}},
       {"SUCCESS", "FAILED", "FAILED"},
       {"SUCCESS", "FAILED", "FAILED"}},
      {{"fixAndClickList", {none, text("div"), text("Menu"), number(0), none}},
       {"SUCCESS", "ERROR_ELEMENT_TYPE_MISMATCH", "FAILED", "FAILED"},
       {"SUCCESS", "ERROR_ELEMENT_TYPE_MISMATCH", "FAILED", "FAILED"}},
      {{"fixAndClickMap", {none, text("nav"), text("50,0,100,20"), number(0), none}},
       {"FAILED", "FAILED", "FAILED", "FAILED"},
       {"FAILED", "FAILED", "FAILED", "FAILED"}},
      {{"fixAndFireMouseOver", {none, text("div"), text("Menu"), number(0), none}},
       {"SUCCESS", "ERROR_ELEMENT_TYPE_MISMATCH", "FAILED", "FAILED"},
       {"SUCCESS", "ERROR_ELEMENT_TYPE_MISMATCH", "FAILED", "FAILED"}},
      {{"fixSelect", {text("entry"), text("extras"), number(0), none}},
       {"SUCCESS", "FAILED", "FAILED"},
       {"SUCCESS", "FAILED", "FAILED"}},
      {{"setInputTextBox", {text("entry"), text("text"), text("quiet"), text("typed"), number(0), none}},
       {"SUCCESS", "FAILED", "FAILED", "SUCCESS", "FAILED"},
       {"SUCCESS", "FAILED", "FAILED", "SUCCESS", "FAILED"}},
      {{"setWindow", {none, text("Playback"), none, text("eq,eq,eq"), number(0)}},
       {"SUCCESS", "FAILURE", "FAILURE", "FAILURE"},
       {"FAILURE", "FAILURE", "FAILURE", "FAILURE"}},
      {{"closeWindow", {text("Nowhere")}}, {"FAILURE"}, {"FAILURE"}},
      {{"clickMainToolBarButton", {text("Stop")}}, {"ERROR_TYPE_NOT_FOUND"}, {"ERROR_TYPE_NOT_FOUND"}},
      // After a fixSelect (the case above) found the list.
      {{"selInSelect", {text("Cable")}}, {"FAILED"}, {"FAILED"}},
  };
}

// Every String parameter of every playback native, null, empty and a megabyte long:
// the same clear word for null and empty, the word of a text that matches nothing for
// a megabyte, and the host's own text never truncated on the way in.
TEST_F(SessionInputTest, NullEmptyAndMegabyteTextsInEveryStringParameter) {
  for (const NativeCase& c : nativeCases()) {
    if (c.call.native == "selInSelect") {
      ASSERT_EQ("SUCCESS", play({"fixSelect", {text("entry"), text("extras"), number(0), text("NONE")}}));
    }
    size_t textIndex = 0;
    for (size_t i = 0; i < c.call.args.size(); ++i) {
      if (c.call.args[i].kind != Arg::kText) continue;
      ASSERT_LT(textIndex, c.nullOrEmpty.size()) << c.call.native;
      Call changed = c.call;
      changed.args[i] = nullText();
      EXPECT_EQ(c.nullOrEmpty[textIndex], play(changed)) << describe(changed);
      changed.args[i] = text("");
      EXPECT_EQ(c.nullOrEmpty[textIndex], play(changed)) << describe(changed);
      changed.args[i] = text(kMegabyte);
      EXPECT_EQ(c.megabyte[textIndex], play(changed)) << describe(changed);
      ++textIndex;
    }
    EXPECT_EQ(c.nullOrEmpty.size(), textIndex) << c.call.native;
  }
  // A megabyte typed into a field arrives whole.
  ASSERT_EQ("SUCCESS", play({"setInputTextBox", {text("entry"), text("text"), text("quiet"), text(kMegabyte), number(0),
                                                 text("NONE")}}));
  EXPECT_TRUE(waitFor([&] { return fieldValue("quiet") == kMegabyte; })) << fieldValue("quiet").size();
}

// Separators of script lines and property lists mean nothing to playback: they are
// compared as they are. "<VK_RETURN>" becomes a line break for the link finder only,
// in time linear in the text (ten megabytes of markers took for ever when each
// replacement shifted the rest of the text).
TEST_F(SessionInputTest, SeparatorsAndLineBreakMarkersAreTakenAsPlainText) {
  std::string separators;
  for (int i = 0; i < 4096; ++i) separators += ":,::;::;;::-:,<VK_RETURN>";
  const Arg none = text("NONE");
  EXPECT_EQ("FAILED", play({"fixAndClickButton", {text("entry"), text("button"), text(separators), number(0), none}}));
  EXPECT_EQ("FAILED", play({"fixAndClickLink", {none, text(separators), number(0), none}}));
  EXPECT_EQ("FAILURE", play({"setWindow", {text(separators), text(separators), text(separators), text(separators),
                                            number(0)}}));
  EXPECT_EQ("FAILURE", play({"setWindow", {none, text("Playback"), none, text(",,,,,,,,"), number(0)}}))
      << "the third condition is \",,,,,,\", which cuts every name to nothing";
  EXPECT_EQ("SUCCESS", play({"setWindow", {none, none, none, text(",,,,,,,,"), number(0)}}));
  EXPECT_EQ("SUCCESS", play({"fixSelect", {text("entry"), text("extras"), number(0), none}}));
  EXPECT_EQ("FAILED", play({"selInSelect", {text("Cable:-:Case")}})) << "one option text, not a list";
  const std::string typed = "a:,:b:;:c<VK_RETURN>d";
  EXPECT_EQ("SUCCESS",
            play({"setInputTextBox", {text("entry"), text("text"), text("quiet"), text(typed), number(0), none}}));
  EXPECT_TRUE(waitFor([&] { return fieldValue("quiet") == typed; })) << fieldValue("quiet");

  std::string markers;
  for (int i = 0; i < 1 << 20; ++i) markers += "<VK_RETURN>";
  EXPECT_EQ("FAILED", play({"fixAndClickLink", {none, text(markers), number(0), none}}, 30s));
}

// A window that never comes, looked for under a four-megabyte name at the default
// limit: fifteen searches, each tracing the name, write a few kilobytes of it each time
// (they wrote the whole name each time: 120 megabytes).
TEST_F(SessionInputTest, ARetriedSearchForAHugeNameKeepsTheTraceSmall) {
  ASSERT_EQ("SUCCESS", setMaxTimeLimit(60));
  const std::string huge(4 << 20, 'w');
  EXPECT_EQ("FAILURE", play({"setWindow", {text(huge), text("Playback"), text(huge), text("eq,eq,eq"), number(0)}}, 30s));
  const auto lines = traceLinesSince("setWindow wwww");
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(std::string::npos, lines.front().find("bytes cut]")) << lines.front().substr(0, 100);
}

// Indexes no page has: nothing is found and nothing clicked.
TEST_F(SessionInputTest, ExtremeIndexesFindNothing) {
  const Arg none = text("NONE");
  for (const jint index : {INT_MIN, -1, INT_MAX}) {
    const std::vector<Call> calls = {
        {"fixAndClickButton", {text("entry"), text("button"), text("twin"), number(index), none}},
        {"fixAndClickImage", {none, text("Logo"), number(index), none}},
        {"fixAndClickLink", {none, text("Sign in now"), number(index), none}},
        {"fixAndClickList", {none, text("div"), text("Menu"), number(index), none}},
        {"fixAndClickMap", {none, text("nav"), text("50,0,100,20"), number(index), none}},
        {"fixAndFireMouseOver", {none, text("div"), text("Menu"), number(index), none}},
        {"fixSelect", {text("entry"), text("extras"), number(index), none}},
        {"setInputTextBox", {text("entry"), text("text"), text("quiet"), text("typed"), number(index), none}},
    };
    for (const Call& call : calls) EXPECT_EQ("FAILED", play(call)) << describe(call);
  }
  EXPECT_EQ("", logText());
  EXPECT_EQ("", fieldValue("quiet"));
}

// Time limits and wait times at the ends of their range: computed without overflow, a
// negative limit taken as none, and never a wait longer than was asked for.
TEST_F(SessionInputTest, ExtremeTimeLimitsAndWaitTimes) {
  for (const jint limit : {INT_MIN, -1}) {
    EXPECT_EQ("SUCCESS", setMaxTimeLimit(limit));
    EXPECT_EQ("", play(playbackWindow())) << "no time, no search, at limit " << limit;
  }
  EXPECT_EQ("SUCCESS", setMaxTimeLimit(INT_MAX));
  EXPECT_EQ("SUCCESS", play(playbackWindow())) << "the page is complete: nothing to wait for";

  EXPECT_EQ("SUCCESS", setMaxTimeLimit(60));
  for (const jint waitTime : {INT_MIN, -1, 0}) EXPECT_EQ("SUCCESS", play(playbackWindow(waitTime))) << waitTime;
  // A wait time counts from the call's start: twenty seconds (a fifth of a second here).
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ("SUCCESS", play(playbackWindow(20)));
  EXPECT_GE(std::chrono::steady_clock::now() - start, 190ms);

  EXPECT_EQ("SUCCESS", setMaxTimeLimit(4));
  EXPECT_EQ("SUCCESS", play(playbackWindow(INT_MAX))) << "the one search used the limit up: no page wait";
}

// The table and read-back natives with null, empty and megabyte texts, and rows,
// columns and indexes at the ends of their range: a clear word each, at once.
TEST_F(SessionInputTest, TableAndReadBackNativesWithExtremeInput) {
  const Arg none = text("NONE");
  const auto open = [&](const char* page, const char* title) {
    ASSERT_EQ("true", word(playback_, {"goToURL", {text(siteUrl(page))}}, kQuick, "Z"));
    ASSERT_EQ("receiveEvents:Success", nextPlayed());
    ASSERT_EQ("SUCCESS", play({"setWindow", {none, text(title), none, text("eq,eq,eq"), number(0)}}));
  };
  const auto bad = [&](const Call& base, size_t at, const std::string& nullOrEmpty, const std::string& megabyte) {
    Call changed = base;
    changed.args[at] = nullText();
    EXPECT_EQ(nullOrEmpty, play(changed)) << describe(changed);
    changed.args[at] = text("");
    EXPECT_EQ(nullOrEmpty, play(changed)) << describe(changed);
    changed.args[at] = text(kMegabyte);
    EXPECT_EQ(megabyte, play(changed)) << describe(changed);
  };

  open("readback.html", "Read Back");
  const Call element{"fixAndGetElementProp", {text("entry"), text("text"), text("customer"), number(0), none}};
  EXPECT_EQ(0u, play(element).find("name:,:customer:;:"));
  bad(element, 0, play(element), play(element));  // the form name does not narrow the search
  bad(element, 1, "ERROR_TYPE_NOT_FOUND", "ERROR_TYPE_NOT_FOUND");
  bad(element, 2, "ERROR_ELEMENT_IDENTIFICATION_FAILED", "ERROR_ELEMENT_IDENTIFICATION_FAILED");
  bad(element, 4, "ERROR_ELEMENT_IDENTIFICATION_FAILED", "ERROR_ELEMENT_IDENTIFICATION_FAILED");
  EXPECT_NE(std::string::npos, play({"getBodyText", {}}).find("Go elsewhere"));

  open("readback_tables.html", "Read Back Tables");
  const Call table{"fixTable", {none, none, text("Quarterly "), number(0), none}};
  const Call tableProps{"fixAndGetTableProp", {none, none, text("Quarterly "), number(0), none}};
  for (size_t at : {0u, 1u}) {
    bad(table, at, "SUCCESS", "SUCCESS");
    bad(tableProps, at, "1-2", "1-2");
  }
  bad(table, 2, "ERROR_TABLE_NOT_FOUND", "ERROR_TABLE_NOT_FOUND");
  bad(table, 4, "ERROR_TABLE_NOT_FOUND", "ERROR_TABLE_NOT_FOUND");
  bad(tableProps, 2, "ERROR_TABLE_NOT_FOUND", "ERROR_TABLE_NOT_FOUND");
  const Call cell{"fixAndGetCellProp", {number(1), number(1), text("c1"), number(0)}};
  EXPECT_EQ(0u, play(cell).find("cellvalue:,:c1:;:"));
  bad(cell, 2, "ERROR_CELL_IDENTIFICATION_FAILED", "ERROR_CELL_IDENTIFICATION_FAILED");

  for (const jint extreme : {INT_MIN, -1, INT_MAX}) {
    const std::string what = std::to_string(extreme);
    EXPECT_EQ("ERROR_TABLE_NOT_FOUND", play({"fixTable", {none, none, text("Quarterly "), number(extreme), none}}))
        << what;
    EXPECT_EQ("ERROR_TABLE_NOT_FOUND",
              play({"fixAndGetTableProp", {none, none, text("Quarterly "), number(extreme), none}}))
        << what;
    EXPECT_EQ("ERROR_ELEMENT_IDENTIFICATION_FAILED",
              play({"fixAndGetElementProp", {none, text("text"), text("customer"), number(extreme), none}}))
        << what;
    EXPECT_EQ("ERROR_CELL_IDENTIFICATION_FAILED",
              play({"fixAndGetCellProp", {number(1), number(1), text("c1"), number(extreme)}}))
        << what;
    ASSERT_EQ("SUCCESS", play({"fixTable", {none, none, none, number(0), text("T")}}));
    // "row minus 1" of the lowest row does not wrap round to a row that exists.
    const std::string row = play({"getTableCellValue", {number(extreme), number(1)}});
    EXPECT_EQ("ERROR_INVALID_ROW_COL", row) << what;
    const std::string column = play({"getTableCellValue", {number(2), number(extreme)}});
    EXPECT_EQ(extreme == INT_MAX ? "ERROR_ROW_COL_MISMATCH" : "ERROR_CELL_TEXT_GET_FAILED", column) << what;
    EXPECT_EQ("ERROR_ROW_COL_MISMATCH", play({"getTableColumnValues", {number(extreme)}})) << what;
    EXPECT_EQ("", nextPlayed(0)) << "no column, no callback";
    for (const auto& [c, r] : {std::pair{extreme, 1}, std::pair{1, extreme}}) {
      ASSERT_EQ("SUCCESS", play({"fixTable", {none, none, none, number(0), text("T")}}));
      EXPECT_EQ("ERROR_CELL_IDENTIFICATION_FAILED", play({"fixAndGetCellProp", {number(c), number(r), none, number(0)}}))
          << c << "," << r;
    }
  }
}

// goToURL navigates the open browser to whatever it is given and returns.
TEST_F(SessionInputTest, GoToUrlWithNullEmptyAndHugeAddressesReturns) {
  for (const Arg& url : {nullText(), text(""), text("file://" + kMegabyte), text(":,::;:<VK_RETURN>")})
    EXPECT_EQ("true", word(playback_, {"goToURL", {url}}, kQuick, "Z")) << describe({"goToURL", {url}});
}

// clearInstances ends the play loop only; the playback state and the open browser stay,
// so the natives go on working on them.
TEST_F(SessionInputTest, NativesAfterClearInstancesKeepWorkingOnTheOpenBrowser) {
  EXPECT_EQ("TRUE", play({"clearInstances", {}}));
  loops_.front().join();
  loops_.clear();
  const Arg none = text("NONE");
  EXPECT_EQ("SUCCESS", play({"fixAndClickButton", {text("entry"), text("button"), text("twin"), number(1), none}}));
  EXPECT_TRUE(waitFor([&] { return logText() == "second;"; })) << logText();
  EXPECT_EQ("SUCCESS", play(playbackWindow()));
  EXPECT_EQ("FAILURE", play({"closeWindow", {text("Nowhere")}}));
  EXPECT_EQ("TRUE", play({"clearInstances", {}}));
}

// After Quit, with the session's browser gone, the window, toolbar and controller
// natives give their words at once (on a thread of its own: Quit ends COM on the thread
// that calls it). The finders are left out here: what they find after Quit is the
// document Quit forgets, tested with Quit itself.
TEST_F(BadInputTest, NativesAfterQuitGiveTheirNoBrowserWords) {
  std::thread host([&] {
    control({"Quit", {}});
    const Arg none = text("NONE");
    ASSERT_EQ("SUCCESS", setMaxTimeLimit(8));
    EXPECT_EQ("ERROR_NO BROWSER", play({"setWindow", {none, text("Playback"), none, text("eq,eq,eq"), number(0)}}));
    EXPECT_EQ("ERROR_NO BROWSER", play({"closeWindow", {text("Playback")}}));
    EXPECT_EQ("ERROR_BROWSER_REF_NULL", play({"clickMainToolBarButton", {text("Back")}}));
    EXPECT_EQ("TRUE", play({"clearInstances", {}}));
    EXPECT_EQ("SUCCESS", setMaxTimeLimit(60));

    EXPECT_EQ("6.0", word(controller_, {"GetBrowserVersion", {}}));
    const std::string info = word(controller_, {"GetWindowInfo", {}});
    EXPECT_EQ(0u, info.find("parenttitle:,:")) << info;
    EXPECT_EQ(info.size() - 4, info.rfind(":;;:")) << info;
    for (const jint type : {INT_MIN, -1, INT_MAX}) control({"SelectCheckPoint", {number(type)}});
    control({"DisableCheckPointMode", {}});
    control({"StopRecording", {}});
    control({"Quit", {}});
    JavaVM* vm = nullptr;
    env()->GetJavaVM(&vm);
    vm->DetachCurrentThread();
  });
  host.join();
}

// A browser version value far beyond any version's length reads as unknown.
TEST_F(BadInputTest, AHugeBrowserVersionValueReadsAsUnknown) {
  const std::string key = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer";
  ASSERT_TRUE(testbed::registry::setValue(key, "Version", "6.0." + kMegabyte));
  EXPECT_EQ("0.0", word(controller_, {"GetBrowserVersion", {}}));
  testbed::registry::resetToDefaults();
  EXPECT_EQ("6.0", word(controller_, {"GetBrowserVersion", {}}));
}

}  // namespace
}  // namespace skerrowtest
