// Playing recorded lines back through the playback natives, as the Java host does,
// against the simulated Internet Explorer: the result word and what the page shows.
#include <gtest/gtest.h>
#include <mshtml.h>

#include <chrono>
#include <functional>
#include <string>

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "com/variant.h"
#include "skerrow_fixture.h"

namespace skerrowtest {
namespace {

using testjvm::env;

class PlaybackTest : public SkerrowTest {
 protected:
  void SetUp() override {
    env()->PushLocalFrame(64);
    ASSERT_TRUE(launchForPlayback());
    startPlayLoopThread(siteUrl("playback.html"));
    ASSERT_EQ("receiveEvents:Success", nextPlayed());
    ASSERT_EQ("SUCCESS", setMaxTimeLimit(60));
    ASSERT_EQ("SUCCESS", setWindow("NONE", "Playback", "NONE", "eq,eq,eq"));
  }

  void TearDown() override {
    SkerrowTest::TearDown();
    env()->PopLocalFrame(nullptr);
  }

  // A new local reference; the test's local frame holds it until the test ends.
  jstring s(const std::string& text) { return env()->NewStringUTF(text.c_str()); }

  std::string setMaxTimeLimit(int seconds) {
    return callString(playback_, "setMaxTimeLimit", "(I)Ljava/lang/String;", seconds);
  }
  std::string setWindow(const std::string& name, const std::string& title, const std::string& parent,
                        const std::string& conditions, int waitTime = 0) {
    return callString(playback_, "setWindow",
                      "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;I)Ljava/lang/String;",
                      s(name), s(title), s(parent), s(conditions), waitTime);
  }
  std::string clickButton(const std::string& type, const std::string& name, int index, const std::string& id = "NONE") {
    return callString(playback_, "fixAndClickButton",
                      "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;",
                      s("entry"), s(type), s(name), index, s(id));
  }
  std::string clickLink(const std::string& text, int index = 0) {
    return callString(playback_, "fixAndClickLink",
                      "(Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;", s("NONE"),
                      s(text), index, s("NONE"));
  }
  std::string clickImage(const std::string& source, int index = 0) {
    return callString(playback_, "fixAndClickImage",
                      "(Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;", s("NONE"),
                      s(source), index, s("NONE"));
  }
  std::string divNative(const char* native, const std::string& kind, const std::string& text) {
    return callString(playback_, native,
                      "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;",
                      s("NONE"), s(kind), s(text), 0, s("NONE"));
  }
  std::string setText(const std::string& type, const std::string& name, const std::string& text) {
    return callString(playback_, "setInputTextBox",
                      "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)"
                      "Ljava/lang/String;",
                      s("entry"), s(type), s(name), s(text), 0, s("NONE"));
  }
  std::string fixSelect(const std::string& name) {
    return callString(playback_, "fixSelect",
                      "(Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;", s("entry"),
                      s(name), 0, s("NONE"));
  }
  std::string selInSelect(const std::string& option) {
    return callString(playback_, "selInSelect", "(Ljava/lang/String;)Ljava/lang/String;", s(option));
  }

  // The page as the user sees it.
  ComPtr<IHTMLDocument2> document(size_t browser = 0) {
    RunningBrowsers browsers;
    ComPtr<IDispatch> dispatch;
    ComPtr<IHTMLDocument2> page;
    if (browser < browsers.size() && SUCCEEDED(browsers[browser]->get_Document(dispatch.put())) && dispatch)
      dispatch->QueryInterface(IID_IHTMLDocument2, page.putVoid());
    return page;
  }
  std::string title(size_t browser = 0) {
    Bstr text;
    if (ComPtr<IHTMLDocument2> page = document(browser)) page->get_title(text.put());
    return text.toAnsi();
  }
  ComPtr<IDispatch> item(const std::string& nameOrId, int index = 0) {
    ComPtr<IHTMLElementCollection> all;
    ComPtr<IDispatch> found;
    if (ComPtr<IHTMLDocument2> page = document()) page->get_all(all.put());
    if (!all) return found;
    Variant name, position(index);
    V_VT(name.get()) = VT_BSTR;
    V_BSTR(name.get()) = Bstr::fromAnsi(nameOrId).release();
    all->item(*name.get(), *position.get(), found.put());
    return found;
  }
  // Frame `index` of a page's frames, as the user's browser holds it.
  static ComPtr<IHTMLDocument2> frameOf(IHTMLDocument2* page, int index) {
    ComPtr<IHTMLFramesCollection2> frames;
    ComPtr<IHTMLDocument2> frameDocument;
    if (page == nullptr || FAILED(page->get_frames(frames.put())) || !frames) return frameDocument;
    Variant at(index), window;
    ComPtr<IHTMLWindow2> frameWindow;
    if (SUCCEEDED(frames->item(at.get(), window.get())) && V_VT(window.get()) == VT_DISPATCH &&
        V_DISPATCH(window.get()) != nullptr &&
        SUCCEEDED(V_DISPATCH(window.get())->QueryInterface(IID_IHTMLWindow2, frameWindow.putVoid())))
      frameWindow->get_document(frameDocument.put());
    return frameDocument;
  }
  static bool loaded(IHTMLDocument2* document) {
    Bstr state;
    return document != nullptr && SUCCEEDED(document->get_readyState(state.put())) && state.toAnsi() == "complete";
  }
  // Whether the frame set's nested frame "right" (main's second frame) has loaded.
  bool nestedFrameLoaded() {
    const ComPtr<IHTMLDocument2> main = frameOf(document().get(), 1);
    return loaded(main.get()) && loaded(frameOf(main.get(), 1).get());
  }

  std::string log() {
    ComPtr<IHTMLElement> element;
    Bstr text;
    if (ComPtr<IDispatch> p = item("log"); p && SUCCEEDED(p->QueryInterface(IID_IHTMLElement, element.putVoid())))
      element->get_innerText(text.put());
    return text.toAnsi();
  }
  bool logShows(const std::string& expected) {
    return waitFor([&] { return log() == expected; });
  }
  std::string valueOf(const std::string& name) {
    Bstr value;
    ComPtr<IDispatch> field = item(name);
    ComPtr<IHTMLInputTextElement> input;
    ComPtr<IHTMLTextAreaElement> area;
    if (field && SUCCEEDED(field->QueryInterface(IID_IHTMLInputTextElement, input.putVoid())))
      input->get_value(value.put());
    else if (field && SUCCEEDED(field->QueryInterface(IID_IHTMLTextAreaElement, area.putVoid())))
      area->get_value(value.put());
    return value.toAnsi();
  }
  // "Cable,Charger": the selected options of the list.
  std::string selectedOf(const std::string& name) {
    ComPtr<IHTMLSelectElement> list;
    std::string selected;
    if (ComPtr<IDispatch> field = item(name)) field->QueryInterface(IID_IHTMLSelectElement, list.putVoid());
    LONG length = 0;
    if (!list || FAILED(list->get_length(&length))) return "no list";
    for (LONG i = 0; i < length; ++i) {
      Variant at(i), zero(0);
      ComPtr<IDispatch> dispatch;
      ComPtr<IHTMLOptionElement> option;
      list->item(*at.get(), *zero.get(), dispatch.put());
      if (!dispatch || FAILED(dispatch->QueryInterface(IID_IHTMLOptionElement, option.putVoid()))) continue;
      VARIANT_BOOL on = VARIANT_FALSE;
      Bstr text;
      option->get_selected(&on);
      option->get_text(text.put());
      if (on == VARIANT_TRUE) selected += (selected.empty() ? "" : ",") + text.toAnsi();
    }
    return selected;
  }
};

TEST_F(PlaybackTest, ButtonsByNameIndexCaptionAndId) {
  EXPECT_EQ("SUCCESS", clickButton("button", "twin", 1));
  ASSERT_TRUE(logShows("second;"));
  EXPECT_EQ("SUCCESS", clickButton("button", "twin", 0));
  ASSERT_TRUE(logShows("second;first;"));
  EXPECT_EQ("FAILED", clickButton("button", "twin", 2));
  EXPECT_EQ("FAILED", clickButton("button", "TWIN", 0)) << "names compare with case";
  EXPECT_EQ("FAILED", clickButton("Button", "twin", 0)) << "an unknown type matches nothing";

  // A submit button without a name by its caption; a recorded id ignores the name.
  EXPECT_EQ("SUCCESS", clickButton("submit", "Send it", 0));
  ASSERT_TRUE(logShows("second;first;send;submitted;"));
  EXPECT_EQ("SUCCESS", clickButton("button", "not its name", 0, "chosenOne"));
  ASSERT_TRUE(logShows("second;first;send;submitted;by id;"));
  EXPECT_EQ("SUCCESS", clickButton("checkbox", "agree", 0));
  EXPECT_TRUE(logShows("second;first;send;submitted;by id;agree;"));
}

TEST_F(PlaybackTest, LinksByCleanedTextAndImagesByAlt) {
  EXPECT_EQ("SUCCESS", clickLink("Sign in now"));
  ASSERT_TRUE(logShows("sign in;"));
  EXPECT_EQ("SUCCESS", clickLink("Caf\xE9 & more")) << "Windows-1252 text from Java";
  ASSERT_TRUE(logShows("sign in;caf\xE9;"));
  EXPECT_EQ("SUCCESS", clickLink("NONE")) << "a link without text";
  ASSERT_TRUE(logShows("sign in;caf\xE9;empty;"));
  EXPECT_EQ("FAILED", clickLink("Sign in"));
  // A line break of the script ("<VK_RETURN>", given to the finder as "\r\n") never
  // meets one in a cleaned page text, where line breaks are blanks.
  EXPECT_EQ("FAILED", clickLink("Sign in<VK_RETURN>now"));
  EXPECT_EQ("SUCCESS", clickImage("Logo")) << "an IMG without src by its alt";
  EXPECT_TRUE(logShows("sign in;caf\xE9;empty;logo;"));
}

TEST_F(PlaybackTest, TextGoesInWholeAndOnchangeRunsOnce) {
  EXPECT_EQ("SUCCESS", setText("text", "Customer", "Jane Doe"));
  ASSERT_TRUE(logShows("customer Jane Doe;"));
  EXPECT_EQ("Jane Doe", valueOf("Customer"));
  EXPECT_EQ("FAILED", setText("text", "customer", "x")) << "names compare with case";
  EXPECT_EQ("SUCCESS", setText("password", "pin", "1234"));
  ASSERT_TRUE(logShows("customer Jane Doe;pin 1234;"));
  EXPECT_EQ("SUCCESS", setText("textarea", "notes", "two\r\nlines"));
  // The log is the paragraph's rendered text, where the line break shows as a blank.
  ASSERT_TRUE(logShows("customer Jane Doe;pin 1234;notes two lines;")) << log();
  EXPECT_EQ("two\r\nlines", valueOf("notes"));
  EXPECT_EQ("SUCCESS", setText("text", "quiet", "no handler"));
  EXPECT_TRUE(waitFor([&] { return valueOf("quiet") == "no handler"; }));
  EXPECT_EQ("customer Jane Doe;pin 1234;notes two lines;", log());
}

TEST_F(PlaybackTest, WorkersStartedBackToBackEachKeepTheirOwnElementAndText) {
  // No wait between the natives: each worker must still act on what its native found.
  EXPECT_EQ("SUCCESS", setText("text", "Customer", "first"));
  EXPECT_EQ("SUCCESS", setText("password", "pin", "second"));
  EXPECT_EQ("SUCCESS", setText("textarea", "notes", "third"));
  EXPECT_EQ("SUCCESS", setText("text", "quiet", "fourth"));
  EXPECT_TRUE(waitFor([&] {
    return valueOf("Customer") == "first" && valueOf("pin") == "second" && valueOf("notes") == "third" &&
           valueOf("quiet") == "fourth";
  })) << valueOf("Customer") << "|" << valueOf("pin") << "|" << valueOf("notes") << "|" << valueOf("quiet");
}

TEST_F(PlaybackTest, ListsAreClearedByFixSelectAndChosenOptionByOption) {
  EXPECT_EQ("SUCCESS", fixSelect("extras"));
  EXPECT_EQ("", selectedOf("extras")) << "fixSelect clears the selection, without onchange";
  EXPECT_EQ("SUCCESS", selInSelect("Cable"));
  EXPECT_EQ("SUCCESS", selInSelect("Charger"));
  EXPECT_TRUE(waitFor([&] { return selectedOf("extras") == "Cable,Charger"; }));
  EXPECT_TRUE(logShows("extras;extras;"));
  EXPECT_EQ("FAILED", selInSelect("charger")) << "option texts compare with case";
  EXPECT_EQ("FAILED", fixSelect("no such list"));
  EXPECT_EQ("ERROR_SELECT_ELEMENT_CASTING_FAILED", selInSelect("Cable")) << "no list found last";
}

TEST_F(PlaybackTest, ARecordedIdWinsOverTextAndANegativeIndexMatchesNothing) {
  const std::string signature =
      "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;";
  EXPECT_EQ("SUCCESS", callString(playback_, "fixAndClickList", signature.c_str(), s("NONE"), s("div"),
                                  s("not its text"), 0, s("menu")));
  ASSERT_TRUE(logShows("menu click;"));
  EXPECT_EQ("FAILED", callString(playback_, "fixAndClickList", signature.c_str(), s("NONE"), s("div"), s("Menu"), -1,
                                 s("NONE")));
  EXPECT_EQ("FAILED", clickButton("button", "twin", -1));
  EXPECT_EQ("FAILED", clickLink("Sign in now", -1));
}

TEST_F(PlaybackTest, DivClicksAndMouseOvers) {
  EXPECT_EQ("ERROR_ELEMENT_TYPE_MISMATCH", divNative("fixAndClickList", "DIV", "Menu"));
  EXPECT_EQ("SUCCESS", divNative("fixAndClickList", "div", "Menu"));
  ASSERT_TRUE(logShows("menu click;"));
  EXPECT_EQ("SUCCESS", divNative("fixAndFireMouseOver", "div", "Menu"));
  ASSERT_TRUE(logShows("menu click;menu over;"));
  EXPECT_EQ("ERROR_MOUSEOVER_EVENT_IS_NULL", divNative("fixAndFireMouseOver", "div", "Plain"));
  EXPECT_EQ("FAILED", divNative("fixAndFireMouseOver", "div", "Nothing"));
}

TEST_F(PlaybackTest, RolloverImagesAndMapAreasOnTheHomePage) {
  callBoolean(playback_, "goToURL", "(Ljava/lang/String;)Z", s(siteUrl("index.html")));
  ASSERT_EQ("receiveEvents:Success", nextPlayed());
  ASSERT_EQ("SUCCESS", setWindow("NONE", "Sample Home", "NONE", "eq,eq,eq"));
  // The image shows button_on.gif only once its link's mouse-over script has run.
  EXPECT_EQ("SUCCESS", clickImage(siteUrl("images/button_on.gif")));
  ASSERT_EQ("receiveEvents:Success", nextPlayed());  // the link around it led to the form
  EXPECT_EQ("Order Form", title());

  callBoolean(playback_, "goToURL", "(Ljava/lang/String;)Z", s(siteUrl("index.html")));
  ASSERT_EQ("receiveEvents:Success", nextPlayed());
  ASSERT_EQ("SUCCESS", setWindow("NONE", "Sample Home", "NONE", "eq,eq,eq"));
  const std::string signature =
      "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;";
  EXPECT_EQ("FAILED",
            callString(playback_, "fixAndClickMap", signature.c_str(), s("NONE"), s("nav"), s("1,2,3"), 0, s("NONE")));
  EXPECT_EQ("SUCCESS", callString(playback_, "fixAndClickMap", signature.c_str(), s("NONE"), s("nav"),
                                  s("50,0,100,20"), 0, s("NONE")));
  ASSERT_EQ("receiveEvents:Success", nextPlayed());
  EXPECT_EQ("Tables", title().substr(0, 6));
}

TEST_F(PlaybackTest, WindowsAndFramesAreChosenByNameTitleAndCondition) {
  EXPECT_EQ("FAILURE", setWindow("main", "Playback", "NONE", "eq,eq,eq")) << "an unnamed window, not main";
  EXPECT_EQ("SUCCESS", setWindow("NONE", "Play", "NONE", "eq,sw,eq"));
  EXPECT_EQ("SUCCESS", setWindow("NONE", "back", "NONE", "eq,ew,eq"));
  EXPECT_EQ("FAILURE", setWindow("NONE", "back", "NONE", "eq,sw,eq"));
  EXPECT_EQ("SUCCESS", setWindow("NONE", "NONE", "NONE", "eq,xx,eq")) << "an unknown condition cuts to nothing";

  callBoolean(playback_, "goToURL", "(Ljava/lang/String;)Z", s(siteUrl("frames.html")));
  ASSERT_EQ("receiveEvents:Success", nextPlayed());
  // The field lives in the nested frame "right": not found until that frame is current.
  EXPECT_EQ("FAILED", setText("text", "field", "x"));
  EXPECT_EQ("FAILURE", setWindow("NONE", "Frame Set", "NONE", "eq,eq,eq")) << "only frames are tested";
  // Each try reloads the frames that do not pass (the nested frame's parent too, when
  // the nested frame is not found in it), so a search is only sure to find the nested
  // frame once the reloads of the failed search are over.
  ASSERT_TRUE(waitFor([&] { return nestedFrameLoaded(); }));
  EXPECT_EQ("SUCCESS", setWindow("right", "Right", "Frame Set", "eq,eq,eq"));
  EXPECT_EQ("SUCCESS", setText("text", "field", "in the frame"));

  // A search starts after four seconds (a hundredth of that here), also when it succeeds.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ("SUCCESS", setWindow("right", "Right", "NONE", "eq,eq,eq"));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));

  EXPECT_EQ("SUCCESS", setMaxTimeLimit(0));
  EXPECT_EQ("", setWindow("right", "Right", "NONE", "eq,eq,eq")) << "no time, no search";
}

TEST_F(PlaybackTest, ToolbarAndClosingWindows) {
  EXPECT_EQ("ERROR_TYPE_NOT_FOUND", callString(playback_, "clickMainToolBarButton", "(Ljava/lang/String;)Ljava/lang/String;", s("back")));
  callBoolean(playback_, "goToURL", "(Ljava/lang/String;)Z", s(siteUrl("form.html")));
  ASSERT_EQ("receiveEvents:Success", nextPlayed());
  EXPECT_EQ("SUCCESS", callString(playback_, "clickMainToolBarButton", "(Ljava/lang/String;)Ljava/lang/String;", s("Back")));
  ASSERT_EQ("receiveEvents:Success", nextPlayed());
  EXPECT_EQ("Playback", title());

  // Ten seconds of waiting for a window to close (a hundredth here), then the word.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ("FAILURE", callString(playback_, "closeWindow", "(Ljava/lang/String;)Ljava/lang/String;", s("Nowhere")));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  EXPECT_EQ("SUCCESS", callString(playback_, "closeWindow", "(Ljava/lang/String;)Ljava/lang/String;", s("Playback")));
  EXPECT_EQ("getNotification:All Browsers Closed", nextPlayed());
  loops_.front().join();
  loops_.clear();
  EXPECT_EQ(0u, RunningBrowsers().size());
}

TEST_F(PlaybackTest, AfterTheLastWindowClosedTheFindersHaveNoDocument) {
  closeAllBrowsers();  // the play loop ends the session with Quit
  EXPECT_EQ("getNotification:All Browsers Closed", nextPlayed());
  loops_.front().join();
  loops_.clear();
  EXPECT_EQ("ERROR_DOCUMENT_NULL", clickLink("Sign in now"));
  EXPECT_EQ("ERROR_ELEMENT_COLLECTION_NULL", clickButton("button", "twin", 0));
  EXPECT_EQ("ERROR_ELEMENT_COLLECTION_NULL", setText("text", "Customer", "x"));
  EXPECT_EQ("ERROR_NO BROWSER", setWindow("NONE", "Playback", "NONE", "eq,eq,eq"));
  EXPECT_EQ("ERROR_NO BROWSER",
            callString(playback_, "closeWindow", "(Ljava/lang/String;)Ljava/lang/String;", s("Playback")));
  // A thread that never held the browser has none to press a button on.
  EXPECT_EQ("ERROR_BROWSER_REF_NULL", onFreshThread([&] {
    return callString(playback_, "clickMainToolBarButton", "(Ljava/lang/String;)Ljava/lang/String;", s("Back"));
  }));
}

// A host may run each step on a thread of its own: every native answers there as on
// the thread that launched the browser.
TEST_F(PlaybackTest, EveryNativeAnswersTheSameFromAFreshJavaThread) {
  const auto fresh = [&](const std::function<std::string()>& call) { return onFreshThread(call); };
  EXPECT_EQ("SUCCESS", fresh([&] { return setWindow("NONE", "Playback", "NONE", "eq,eq,eq"); }));
  EXPECT_EQ("SUCCESS", fresh([&] { return setMaxTimeLimit(60); }));
  EXPECT_EQ("SUCCESS", fresh([&] { return clickButton("button", "twin", 1); }));
  ASSERT_TRUE(logShows("second;"));
  EXPECT_EQ("SUCCESS", fresh([&] { return clickLink("Sign in now"); }));
  ASSERT_TRUE(logShows("second;sign in;"));
  EXPECT_EQ("SUCCESS", fresh([&] { return clickImage("Logo"); }));
  ASSERT_TRUE(logShows("second;sign in;logo;"));
  EXPECT_EQ("SUCCESS", fresh([&] { return divNative("fixAndClickList", "div", "Menu"); }));
  ASSERT_TRUE(logShows("second;sign in;logo;menu click;"));
  EXPECT_EQ("SUCCESS", fresh([&] { return divNative("fixAndFireMouseOver", "div", "Menu"); }));
  ASSERT_TRUE(logShows("second;sign in;logo;menu click;menu over;"));
  EXPECT_EQ("SUCCESS", fresh([&] { return setText("text", "Customer", "Jane"); }));
  EXPECT_TRUE(waitFor([&] { return valueOf("Customer") == "Jane"; }));
  EXPECT_EQ("SUCCESS", fresh([&] { return fixSelect("extras"); }));
  EXPECT_EQ("SUCCESS", fresh([&] { return selInSelect("Cable"); }));
  EXPECT_TRUE(waitFor([&] { return selectedOf("extras") == "Cable"; }));
  const std::string mapSignature =
      "(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;ILjava/lang/String;)Ljava/lang/String;";
  const auto clickMap = [&] {
    return callString(playback_, "fixAndClickMap", mapSignature.c_str(), s("NONE"), s("nav"), s("1,2,3"), 0, s("NONE"));
  };
  EXPECT_EQ(clickMap(), fresh(clickMap));
  const auto toolbar = [&](const char* button) {
    return callString(playback_, "clickMainToolBarButton", "(Ljava/lang/String;)Ljava/lang/String;", s(button));
  };
  EXPECT_EQ("ERROR_TYPE_NOT_FOUND", fresh([&] { return toolbar("back"); }));
  EXPECT_EQ("SUCCESS", fresh([&] { return toolbar("Refresh"); }));
  EXPECT_EQ("SUCCESS", fresh([&] { return setWindow("NONE", "Playback", "NONE", "eq,eq,eq"); }));
  EXPECT_EQ("FAILURE", fresh([&] {
    return callString(playback_, "closeWindow", "(Ljava/lang/String;)Ljava/lang/String;", s("Nowhere"));
  }));
  EXPECT_EQ("SUCCESS", fresh([&] {
    return callString(playback_, "closeWindow", "(Ljava/lang/String;)Ljava/lang/String;", s("Playback"));
  }));
  EXPECT_EQ("getNotification:All Browsers Closed", nextPlayed());
  loops_.front().join();
  loops_.clear();
  EXPECT_EQ("TRUE", fresh([&] { return callString(playback_, "clearInstances", "()Ljava/lang/String;"); }));
}

}  // namespace
}  // namespace skerrowtest
