// Pages that change under the engine's feet: handlers that remove their element or
// listener, handlers kept past their page, navigation from inside handlers.
#include "browser_fixture.h"

#include "engine/actions.h"
#include "engine/dispatch.h"
#include "engine/document.h"
#include "engine/script_handler.h"

namespace engine::testing {
namespace {

class RobustnessTest : public BrowserTest {};

TEST_F(RobustnessTest, AHandlerThatRemovesItsOwnElementEndsTheDispatchSafely) {
    loadString(R"html(<body><div id=outer onclick="document.title = 'outer saw it'">
        <p id=p onclick="this.parentNode.innerHTML = ''">x</p></div></body>)html");
    on([&] {
        auto p = byId("p");
        actions::click(p);
        EXPECT_FALSE(window->document()->getElementById("p"));
        EXPECT_EQ(-1, p->sourceIndex());
        // The event still bubbled along the path it started on.
        EXPECT_EQ("outer saw it", window->title());
    });
}

TEST_F(RobustnessTest, AListenerMayRemoveItselfAndOthersWhileRunning) {
    loadString("<body><p id=p>x</p></body>");
    on([&] {
        auto p = byId("p");
        std::vector<std::string> ran;
        ListenerId second = 0;
        ListenerId first = p->addEventListener("click", [&](Event&) {
            ran.push_back("first");
            p->removeEventListener(first);
            p->removeEventListener(second);
        });
        second = p->addEventListener("click", [&](Event&) { ran.push_back("second"); });
        Event click{.type = "click"};
        dispatchEvent(p, click);
        Event again{.type = "click"};
        dispatchEvent(p, again);
        EXPECT_EQ((std::vector<std::string>{"first"}), ran);
    });
}

TEST_F(RobustnessTest, AHandlerKeptPastItsPageDoesNothingWhenCalled) {
    openPage("index.html");
    std::shared_ptr<ScriptHandler> kept = on([&] { return byId("rolloverLink")->handler("mouseover"); });
    ASSERT_TRUE(kept);
    openPage("tables.html");
    on([&] {
        EXPECT_FALSE(kept->invoke(nullptr).has_value());
        EXPECT_TRUE(browser.logLines().empty()) << browser.logLines().front();
        kept.reset();  // released on the browser thread
    });
}

TEST_F(RobustnessTest, AHandlerCalledOffTheBrowserThreadIsRefused) {
    openPage("index.html");
    auto handler = on([&] { return byId("rolloverLink")->handler("mouseover"); });
    EXPECT_FALSE(handler->invoke(nullptr).has_value());
    EXPECT_EQ(siteUrl("images/button_off.gif"), on([&] { return byId("rollover")->src(); }));
    on([&] { handler.reset(); });
}

TEST_F(RobustnessTest, AHandlerThatNavigatesAwayLeavesTheRestOfTheClickHarmless) {
    openPage("index.html");
    on([&] {
        auto link = byId("formLink");
        link->setAttribute("onmousedown", "location.href = 'tables.html'");
        actions::click(link);  // the mousedown starts one load, the click another
    });
    ASSERT_TRUE(waitIdle());
    on([&] { EXPECT_EQ("Order Form", window->title()); });  // the later navigation wins
}

TEST_F(RobustnessTest, AScriptThatKeepsRaisingDialogsIsStoppedWhenTheBrowserEnds) {
    auto ending = std::make_unique<Browser>();
    std::shared_ptr<Window> page;
    ending->thread().call([&] {
        page = ending->openWindow("");
        ending->loadString(*page, "<body onload='while (true) alert(\"again\")'></body>");
    });
    ASSERT_TRUE(ending->thread().waitUntil([&] { return !ending->openDialogs().empty(); }, kWaitMs));
    ending->thread().call([&] { page.reset(); });
    ending.reset();  // answers the dialog; the next alert ends the script with an error
}

TEST_F(RobustnessTest, UnknownAddressesShowTheErrorPageAndScriptsInItDoNothing) {
    openPage("index.html");
    on([&] { browser.navigate(*window, "http://example.invalid/page.html"); });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ("Cannot find server", window->title());
        EXPECT_EQ("http://example.invalid/page.html", window->url());
        EXPECT_TRUE(window->history().canGoBack());
    });
}

}  // namespace
}  // namespace engine::testing
