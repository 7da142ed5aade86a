// The simulated user driven by text lines.
#include "browser_fixture.h"

#include <chrono>

#include "engine/document.h"
#include "engine/user_script.h"

namespace engine::testing {
namespace {

class UserScriptTest : public BrowserTest {
protected:
    User user{browser, kWaitMs};
    std::string title() { return on([&] { return user.currentWindow()->title(); }); }
    std::string text(const std::string& id) {
        return on([&] {
            auto element = user.find("#" + id);
            return element ? element->innerText() : std::string("(none)");
        });
    }
};

TEST(UserScriptParseTest, ReadsEveryActionKind) {
    std::vector<UserAction> actions;
    auto result = parseUserScript(
        "# a comment\n\nopen file:///a b.html\nclick #x right\nclick link=Open the pop-up\ndblclick TD[2]\n"
        "hover name=menu\ntype #f some text  here\nkey #f 13 alt shift\nchoose #s Red|Blue\nselecttext #p\n"
        "back\nforward\nrefresh\nhome\nstop\nwindow Order Form\nframe main\nframe\ndialog OK\ndialog OK  \r\n"
        "dialog Cancel typed text\nclose\nwait 250\n",
        actions);
    ASSERT_TRUE(result) << result.message;
    ASSERT_EQ(22u, actions.size());
    EXPECT_EQ("file:///a b.html", actions[0].target);
    EXPECT_TRUE(actions[1].right);
    EXPECT_EQ("link=Open the pop-up", actions[2].target);
    EXPECT_FALSE(actions[2].right);
    EXPECT_EQ(5, actions[2].line);
    EXPECT_EQ("some text  here", actions[5].text);
    EXPECT_EQ(13, actions[6].number);
    EXPECT_TRUE(actions[6].alt && actions[6].shift);
    EXPECT_EQ("Red|Blue", actions[7].text);
    EXPECT_EQ("Order Form", actions[14].target);
    EXPECT_EQ("", actions[16].target);
    EXPECT_FALSE(actions[17].hasText);
    EXPECT_FALSE(actions[18].hasText);  // trailing blanks are no TEXT
    EXPECT_EQ("typed text", actions[19].text);
    EXPECT_EQ(250, actions[21].number);
}

TEST(UserScriptParseTest, ReportsTheLineOfAMalformedAction) {
    std::vector<UserAction> actions;
    auto result = parseUserScript("open x.html\n\njump #a\n", actions);
    EXPECT_FALSE(result);
    EXPECT_EQ(3, result.line);
    EXPECT_EQ("line 3: unknown action \"jump\"", result.message);
    EXPECT_EQ("line 1: key needs a TARGET and a key code", parseUserScript("key #a enter", actions).message);
    EXPECT_EQ("line 1: wait needs a number of milliseconds", parseUserScript("wait soon", actions).message);
    EXPECT_EQ("line 2: unexpected words after the TARGET", parseUserScript("back\nclick #a left", actions).message);
    EXPECT_EQ("line 1: back takes no arguments", parseUserScript("back twice", actions).message);
}

TEST_F(UserScriptTest, FillsAndSubmitsTheOrderForm) {
    auto result = runUserScript(user, "open " + siteUrl("index.html") +
                                          "\nclick #formLink\ntype #customer Ann\nchoose #colour Blue\n"
                                          "choose #extras Cable|Charger\nclick #gift\nclick #send\n");
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ("Order Received", title());
    EXPECT_EQ("?customer=Ann&secret=&plain=default+text&notes=First+line%0D%0ASecond+line&gift=yes&express=on&size=M"
              "&colour=b&extras=cable&extras=charger&attachment=&source=sample&send=Send+order",
              text("query"));
    ASSERT_TRUE(runUserScript(user, "back\n")) << "back";
    EXPECT_EQ("Order Form", title());
    ASSERT_TRUE(runUserScript(user, "forward\nhome\n"));
    EXPECT_EQ("", title());  // the home page is about:blank
}

TEST_F(UserScriptTest, AnActionThatCannotBeDoneStopsTheScriptWithItsLine) {
    auto result = runUserScript(user, "open " + siteUrl("index.html") + "\nclick #missing\nclick #formLink\n");
    EXPECT_FALSE(result);
    EXPECT_EQ("line 2: no element #missing", result.message);
    EXPECT_EQ("Sample Home", title());
    EXPECT_EQ("line 1: no dialog is open", runUserScript(user, "dialog OK").message);
    EXPECT_EQ("line 1: there is no page to go forward to", runUserScript(user, "forward").message);
}

TEST_F(UserScriptTest, ActsInsideFramesAndWindows) {
    auto result = runUserScript(user, "open " + siteUrl("frames.html") +
                                          "\nframe nav\nclick link=Tables in the main frame\nframe main\n");
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ("Tables", title());
    ASSERT_TRUE(runUserScript(user, "frame\nopen " + siteUrl("index.html") + "\nclick link=Open the pop-up by name\n"));
    EXPECT_EQ("Sample Home", title());  // the user still acts in the first window
    ASSERT_TRUE(runUserScript(user, "window Pop-up\nclick #closeMe\n"));
    ASSERT_TRUE(browser.thread().waitUntil([&] { return browser.windows().size() == 1; }, kWaitMs));
    EXPECT_EQ("Sample Home", title());  // back to the remaining window
    EXPECT_EQ("line 1: no window titled Nowhere", runUserScript(user, "window Nowhere").message);
    EXPECT_EQ("line 1: no frame nowhere", runUserScript(user, "frame nowhere").message);
}

TEST_F(UserScriptTest, AnswersDialogsTypingIntoPrompts) {
    auto result = runUserScript(user, "open " + siteUrl("dialogs.html") +
                                          "\nclick #promptButton\ndialog OK Bob Smith\n");
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ("name: Bob Smith", text("answer"));
    EXPECT_EQ("line 2: the dialog has no text field",
              runUserScript(user, "click #alertButton\ndialog OK some text").message);
    ASSERT_TRUE(runUserScript(user, "dialog OK"));
    EXPECT_EQ("alerted", text("answer"));
}

// A recorder's event sinks make the browser serve other threads' calls while it fires
// the click, before the page's handler raises its dialog: the user's wait for the
// click must still end when the dialog appears, not at its time limit.
TEST_F(UserScriptTest, AnActionEndsWhenItsHandlerShowsADialogAfterServingOtherCalls) {
    ASSERT_TRUE(runUserScript(user, "open " + siteUrl("dialogs.html")));
    on([&] {
        user.currentWindow()->document()->addEventListener(
            "click", [&](Event&) { browser.thread().runUntil([] { return false; }, 100); }, true);
    });
    User patient(browser, 5000);
    const auto started = std::chrono::steady_clock::now();
    auto result = runUserScript(patient, "click #alertButton\ndialog OK\n");
    const auto took = std::chrono::steady_clock::now() - started;
    ASSERT_TRUE(result) << result.message;
    EXPECT_EQ("alerted", text("answer"));
    EXPECT_LT(took, std::chrono::seconds(1));
}

TEST_F(UserScriptTest, AClickOnAFileFieldOpensTheChooserWhoseFileBecomesTheValue) {
    loadString("<input type=file id=f>");
    ASSERT_TRUE(runUserScript(user, "click #f"));
    EXPECT_TRUE(user.dialogOpen());
    EXPECT_EQ("Choose file", user.dialogMessage());
    ASSERT_TRUE(runUserScript(user, "dialog Open /data/report one.txt"));
    EXPECT_EQ("/data/report one.txt", on([&] { return user.find("#f")->value(); }));
    // Cancel leaves the value as it was.
    ASSERT_TRUE(runUserScript(user, "click #f\ndialog Cancel"));
    EXPECT_EQ("/data/report one.txt", on([&] { return user.find("#f")->value(); }));
    EXPECT_EQ("line 2: the dialog has no button Save", runUserScript(user, "click #f\ndialog Save").message);
    ASSERT_TRUE(runUserScript(user, "dialog Cancel"));
    loadString("<button id=b onclick='alert(1)'>b</button>");
    EXPECT_EQ("line 2: the dialog has no button Open", runUserScript(user, "click #b\ndialog Open").message);
    ASSERT_TRUE(runUserScript(user, "dialog Cancel"));
}

TEST_F(UserScriptTest, APageDialogTakesAllInputUntilAnswered) {
    ASSERT_TRUE(runUserScript(user, "open " + siteUrl("dialogs.html") + "\nclick #alertButton\n"));
    EXPECT_EQ("line 1: a dialog is waiting for an answer", runUserScript(user, "click #confirmButton").message);
    EXPECT_EQ("line 1: a dialog is waiting for an answer", runUserScript(user, "back").message);
    EXPECT_EQ("nothing yet", text("answer"));
    ASSERT_TRUE(runUserScript(user, "dialog OK\nclick #confirmButton\ndialog OK\n"));
    EXPECT_EQ("agreed", text("answer"));
}

TEST_F(UserScriptTest, HoverAndSelectText) {
    ASSERT_TRUE(runUserScript(user, "open " + siteUrl("index.html") + "\nhover #menu\n"));
    on([&] { EXPECT_EQ("yellow", user.find("#menu")->style().get("backgroundColor")); });
    ASSERT_TRUE(runUserScript(user, "selecttext #news\n"));  // the mouse leaves the menu
    on([&] {
        EXPECT_EQ("", user.find("#menu")->style().get("backgroundColor"));
        EXPECT_EQ("Latest news\r\nSecond line", user.currentWindow()->document()->selection().text);
    });
}

TEST_F(UserScriptTest, TargetsByIdNameLinkTextAndTagPosition) {
    ASSERT_TRUE(user.open(siteUrl("form.html")));
    on([&] {
        EXPECT_EQ("customer", user.find("#customer")->id());
        EXPECT_EQ("sizeS", user.find("name=size")->id());  // the first of the name
        EXPECT_EQ("Home", user.find("link=Home")->innerText());
        EXPECT_EQ("secret", user.find("INPUT[1]")->id());
        EXPECT_EQ("secret", user.find("input[1]")->id());
        EXPECT_EQ("colour", user.find("SELECT[0]")->id());
        for (const char* bad : {"#", "#nothing", "name=", "link=Nowhere", "INPUT[99]", "INPUT[-1]", "INPUT[x]",
                                "INPUT[", "customer", ""}) {
            EXPECT_FALSE(user.find(bad)) << bad;
        }
    });
}

TEST_F(UserScriptTest, StopEndsALoadThatIsUnderWay) {
    ASSERT_TRUE(user.open(siteUrl("index.html")));
    on([&] {
        auto top = user.currentWindow();
        browser.navigate(*top, siteUrl("frames.html"));
        EXPECT_TRUE(browser.busy());
        browser.stop(*top);  // before the page's first step ran
    });
    ASSERT_TRUE(user.stop());  // nothing left to stop: still fine
    ASSERT_TRUE(user.waitUntilIdle());
    on([&] {
        EXPECT_FALSE(browser.busy());
        EXPECT_EQ("Sample Home", user.currentWindow()->title());  // the new page never arrived
    });
}

TEST(BrowserLifetimeTest, ABrowserEndsWhileAPageWaitsInADialog) {
    auto browser = std::make_unique<Browser>();
    User user(*browser, kWaitMs);
    ASSERT_TRUE(runUserScript(user, "open " + siteUrl("dialogs.html") + "\nclick #alertButton\n"));
    EXPECT_TRUE(user.dialogOpen());
    browser.reset();  // answers the dialog and lets the handler finish first
}

}  // namespace
}  // namespace engine::testing
