// Windows, frames, navigation, history and the notifications around them.
#include "browser_fixture.h"

#include "engine/actions.h"
#include "engine/document.h"
#include "recording_observer.h"

namespace engine::testing {
namespace {

class NavigationTest : public BrowserTest {
protected:
    void SetUp() override {
        on([&] { browser.addObserver(&observer); });
    }
    void TearDown() override {
        on([&] { browser.removeObserver(&observer); });
        BrowserTest::TearDown();
    }
    std::vector<std::string> takeLines() {
        return on([&] {
            auto lines = observer.lines;
            observer.lines.clear();
            return lines;
        });
    }
    RecordingObserver observer;
};

TEST_F(NavigationTest, APageLoadReportsItsStepsInOrder) {
    openPage("form.html");
    EXPECT_EQ((std::vector<std::string>{"windowOpened top", "beforeNavigate top form.html", "downloadBegin top",
                                        "navigateComplete top form.html", "downloadComplete top",
                                        "documentComplete top form.html"}),
              takeLines());
}

TEST_F(NavigationTest, TheReadyStateAdvancesInStepsOnTheBrowserThread) {
    on([&] { window = browser.openWindow(""); });
    struct StateObserver : NavigationObserver {
        void navigateComplete(Window& w, const std::string&) override {
            auto document = w.document();
            states.push_back(document->readyState());
            // A listener holding its own document would keep it alive: hold it weakly.
            std::weak_ptr<Document> weak = document;
            document->addEventListener("readystatechange", [this, weak](Event&) {
                if (auto alive = weak.lock()) states.push_back(alive->readyState());
            });
        }
        std::vector<ReadyState> states;
    } states;
    ReadyState before{};
    on([&] {
        browser.addObserver(&states);
        browser.navigate(*window, siteUrl("form.html"));
        before = window->document()->readyState();  // the old page until the new one arrives
    });
    ASSERT_TRUE(waitIdle());
    on([&] { browser.removeObserver(&states); });
    EXPECT_EQ(ReadyState::Complete, before);
    EXPECT_EQ((std::vector<ReadyState>{ReadyState::Loading, ReadyState::Interactive, ReadyState::Complete}),
              states.states);
}

TEST_F(NavigationTest, FramesHaveNamesParentsAndTopAndCompleteBeforeTheirParent) {
    openPage("frames.html");
    on([&] {
        ASSERT_EQ(2u, window->frames().size());
        auto nav = window->frames()[0];
        auto main = window->frames()[1];
        EXPECT_EQ("nav", nav->name());
        EXPECT_EQ("main", main->name());
        EXPECT_EQ(window, nav->parent());
        EXPECT_EQ(window, window->parent());  // a top-level window is its own parent
        ASSERT_EQ(2u, main->frames().size());
        auto right = main->frames()[1];
        EXPECT_EQ("right", right->name());
        EXPECT_EQ(main, right->parent());
        EXPECT_EQ(window, right->top());
        EXPECT_EQ("Right", right->title());
        EXPECT_EQ(right, window->findFrame("right"));
        EXPECT_EQ(right, byId("field", right)->ownerDocument()->defaultView());
        EXPECT_EQ(byId("navFrame"), nav->frameElement());
    });
    auto lines = takeLines();
    auto position = [&](const std::string& line) { return std::find(lines.begin(), lines.end(), line) - lines.begin(); };
    EXPECT_LT(position("documentComplete right frame_right.html"), position("documentComplete main frame_inner.html"));
    EXPECT_LT(position("documentComplete main frame_inner.html"), position("documentComplete top frames.html"));
    EXPECT_LT(position("beforeNavigate nav frame_nav.html"), position("navigateComplete nav frame_nav.html"));
    EXPECT_EQ("documentComplete top frames.html", lines.back());
}

TEST_F(NavigationTest, ALinkTargetNamesAFrameAnywhereInTheWindow) {
    openPage("frames.html");
    on([&] {
        auto nav = window->findFrame("nav");
        actions::click(byId("toForm", nav));
    });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ("Order Form", window->findFrame("right")->title());
        EXPECT_EQ(1u, browser.windows().size());
    });
}

TEST_F(NavigationTest, SpecialTargetsNameTheParentAndTheTop) {
    openPage("frames.html");
    on([&] {
        auto right = window->findFrame("right");
        auto main = window->findFrame("main");
        EXPECT_EQ(main, browser.targetWindow(*right, "_parent"));
        EXPECT_EQ(window, browser.targetWindow(*right, "_top"));
        EXPECT_EQ(right, browser.targetWindow(*right, "_self"));
        EXPECT_EQ(right, browser.targetWindow(*right, ""));
        EXPECT_EQ(window->findFrame("nav"), browser.targetWindow(*right, "nav"));
        EXPECT_EQ(nullptr, browser.targetWindow(*right, "_blank"));
        EXPECT_EQ(nullptr, browser.targetWindow(*right, "elsewhere"));
        auto nav = window->findFrame("nav");
        actions::click(byId("toTop", nav));
    });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ("Sample Home", window->title());
        EXPECT_TRUE(window->frames().empty());
        EXPECT_EQ(1u, browser.windows().size());
    });
}

TEST_F(NavigationTest, AnIframeIsAFrameOfItsPage) {
    openPage("iframe.html");
    on([&] {
        ASSERT_EQ(1u, window->frames().size());
        EXPECT_EQ("inner", window->frames()[0]->name());
        EXPECT_EQ(window->frames()[0], byId("innerFrame")->contentWindow());
        actions::click(byId("load"));
    });
    ASSERT_TRUE(waitIdle());
    on([&] { EXPECT_EQ("Left", window->frames()[0]->title()); });
}

TEST_F(NavigationTest, BackAndForwardWalkTheHistory) {
    openPage("index.html");
    openPage("form.html");
    openPage("tables.html");
    on([&] { browser.goBack(*window); });
    ASSERT_TRUE(waitIdle());
    on([&] { EXPECT_EQ("Order Form", window->title()); });
    on([&] { browser.goBack(*window); });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ("Sample Home", window->title());
        EXPECT_FALSE(window->history().canGoBack());
        browser.goForward(*window);
    });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ("Order Form", window->title());
        EXPECT_TRUE(window->history().canGoForward());
    });
    openPage("dialogs.html");  // a new page drops the entries ahead
    on([&] {
        EXPECT_FALSE(window->history().canGoForward());
        EXPECT_EQ(3u, window->history().entries().size());
    });
}

TEST_F(NavigationTest, AReloadReportsNoBeforeNavigateAndResetsThePage) {
    openPage("form.html");
    on([&] { byId("customer")->setValue("typed"); });
    takeLines();
    on([&] { browser.reload(*window); });
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ((std::vector<std::string>{"downloadBegin top", "navigateComplete top form.html", "downloadComplete top",
                                        "documentComplete top form.html"}),
              takeLines());
    on([&] { EXPECT_EQ("", byId("customer")->value()); });
}

TEST_F(NavigationTest, ACancelledNavigationLeavesThePage) {
    openPage("index.html");
    on([&] {
        observer.cancelUrl = "tables.html";
        actions::click(byId("tablesLink"));
    });
    ASSERT_TRUE(waitIdle());
    on([&] { EXPECT_EQ("Sample Home", window->title()); });
}

TEST_F(NavigationTest, LinksToNewWindowsAskFirstAndOpenInTheSameBrowser) {
    openPage("index.html");
    takeLines();
    on([&] { actions::click(byId("popupLink")); });
    ASSERT_TRUE(waitIdle());
    on([&] {
        ASSERT_EQ(2u, browser.windows().size());
        auto popup = browser.windows()[1];
        EXPECT_EQ("Pop-up", popup->title());
        EXPECT_EQ(window, popup->opener());
        EXPECT_EQ("", popup->name());  // _blank gives no name
        actions::click(byId("namedPopupLink"));
    });
    ASSERT_TRUE(waitIdle());
    on([&] {
        ASSERT_EQ(3u, browser.windows().size());
        EXPECT_EQ("popup", browser.windows()[2]->name());
        actions::click(byId("namedPopupLink"));  // the named window exists now: reused
    });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ(3u, browser.windows().size());
        observer.refuseNewWindows = true;
        actions::click(byId("popupLink"));
        EXPECT_EQ(3u, browser.windows().size());
    });
    auto lines = takeLines();
    EXPECT_EQ(3, std::count(lines.begin(), lines.end(), "newWindow popup.html"));
}

TEST_F(NavigationTest, ClosingAWindowReportsQuitAndRemovesIt) {
    openPage("index.html");
    on([&] {
        auto second = browser.openWindow("", "second");
        browser.closeWindow(*second);
        EXPECT_TRUE(second->closed());
        EXPECT_EQ(1u, browser.windows().size());
    });
    auto lines = takeLines();
    EXPECT_EQ("quit second", lines.back());
}

TEST_F(NavigationTest, EveryTopLevelWindowGetsANativeFrameWindowFromTheHost) {
    struct Host : FrameWindowHost {
        void createFrameWindow(Window& w) override { lines.push_back("create " + std::to_string(w.id())); }
        void destroyFrameWindow(Window& w) override { lines.push_back("destroy " + std::to_string(w.id())); }
        std::vector<std::string> lines;
    } host;
    on([&] { browser.setFrameWindowHost(&host); });
    openPage("frames.html");  // frames get none
    openPage("index.html");
    on([&] { actions::click(byId("popupLink")); });
    ASSERT_TRUE(waitIdle());
    on([&] {
        auto popup = browser.windows().at(1);
        browser.closeWindow(*popup);
        EXPECT_EQ((std::vector<std::string>{"create " + std::to_string(window->id()),
                                            "create " + std::to_string(popup->id()),
                                            "destroy " + std::to_string(popup->id())}),
                  host.lines);
        browser.setFrameWindowHost(nullptr);
    });
}

TEST_F(NavigationTest, SubmittingAFormGetsTheActionWithTheFieldValues) {
    openPage("form.html");
    on([&] {
        byId("customer")->setValue("Ann Lee");
        byId("gift")->setChecked(true);
        actions::click(byId("send"));
    });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ("Order Received", window->title());
        std::string expected =
            "?customer=Ann+Lee&secret=&plain=default+text&notes=First+line%0D%0ASecond+line&gift=yes&express=on"
            "&size=M&colour=g&extras=case&attachment=&source=sample&send=Send+order";
        EXPECT_EQ(siteUrl("result.html") + expected, window->url());
        EXPECT_EQ(expected, byId("query")->innerText());  // written by the result page's script
    });
}

TEST_F(NavigationTest, AFormWithATargetSubmitsIntoThatWindow) {
    loadString("<body><form action='result.html' target='results'><input name=q value=1>"
               "<input type=submit id=s></form></body>",
               siteUrl("target.html"));
    on([&] { actions::click(byId("s")); });
    ASSERT_TRUE(waitIdle());
    on([&] {
        ASSERT_EQ(2u, browser.windows().size());
        auto results = browser.windows()[1];
        EXPECT_EQ("results", results->name());
        EXPECT_EQ(siteUrl("result.html") + "?q=1", results->url());
        EXPECT_EQ(siteUrl("target.html"), window->url());
    });
}

TEST_F(NavigationTest, AnUnreadablePageShowsTheErrorPage) {
    openPage("no-such-page.html");
    on([&] { EXPECT_EQ("Cannot find server", window->title()); });
}

}  // namespace
}  // namespace engine::testing
