// DOM event dispatch and the exact sequences a user's actions produce.
#include "browser_fixture.h"

#include "engine/actions.h"
#include "engine/dispatch.h"
#include "engine/document.h"

namespace engine::testing {
namespace {

// Records the events that reach a document, in the order they happen.
class EventLog : public NavigationObserver {
public:
    void attach(Document& document) {
        for (const char* type : {"mouseover", "mouseout", "mousedown", "mouseup", "click", "dblclick", "contextmenu",
                                 "keydown", "keypress", "keyup", "focus", "blur", "change", "propertychange",
                                 "select", "submit"}) {
            document.addEventListener(type, [this](Event& event) { record(event); }, true);
        }
    }
    void record(const Event& event) {
        std::string line = event.type + " " + (event.target ? event.target->id() : std::string("?"));
        if (event.button != MouseButton::None) line += " button=" + std::to_string(ieButtons ? event.ieButton() : event.domButton());
        if (event.keyCode) line += " key=" + std::to_string(event.keyCode);
        if (event.altKey) line += " alt";
        if (event.shiftKey) line += " shift";
        if (!event.propertyName.empty()) line += " " + event.propertyName;
        if (event.relatedTarget) line += " related=" + event.relatedTarget->id();
        lines.push_back(line);
    }
    void beforeNavigate(Window&, const std::string& url, const std::string&, bool& cancel) override {
        lines.push_back("beforeNavigate " + url.substr(url.rfind('/') + 1));
        cancel = true;  // stay on the page under test
    }
    std::vector<std::string> lines;
    bool ieButtons = true;
};

class EventsTest : public BrowserTest {
protected:
    explicit EventsTest(Dialect dialect = Dialect::InternetExplorer) : BrowserTest(dialect) {}
    void loadAndLog(const std::string& html) {
        loadString(html);
        on([&] {
            log.attach(*window->document());
            browser.addObserver(&log);
        });
    }
    void TearDown() override {
        on([&] { browser.removeObserver(&log); });
        BrowserTest::TearDown();
    }
    std::vector<std::string> take() {
        return on([&] {
            auto lines = log.lines;
            log.lines.clear();
            return lines;
        });
    }
    EventLog log;
};

class MozillaEventsTest : public EventsTest {
protected:
    MozillaEventsTest() : EventsTest(Dialect::Mozilla) { log.ieButtons = false; }
};

TEST_F(EventsTest, ClickingALinkReportsMouseFocusClickThenNavigates) {
    loadAndLog("<body><p id=p>text</p><a id=l href='next.html'>next</a></body>");
    on([&] { actions::hover(byId("p")); });
    take();
    on([&] { actions::click(byId("l")); });
    EXPECT_EQ((std::vector<std::string>{"mouseout p related=l", "mouseover l related=p", "mousedown l button=1",
                                        "focus l", "mouseup l button=1", "click l button=1",
                                        "beforeNavigate next.html"}),
              take());
}

TEST_F(EventsTest, ACancelledLinkClickDoesNotNavigate) {
    loadAndLog("<body><a id=l href='next.html' onclick='return false'>next</a></body>");
    on([&] { actions::click(byId("l")); });
    auto lines = take();
    EXPECT_EQ("click l button=1", lines.back());
}

TEST_F(EventsTest, TypingChangesTheValueKeyByKeyAndCommitsOnLeaving) {
    loadAndLog("<body><input id=f value=''></body>");
    on([&] { EXPECT_TRUE(actions::typeText(byId("f"), "aB")); });
    EXPECT_EQ((std::vector<std::string>{"focus f", "keydown f key=65", "keypress f key=97", "propertychange f value",
                                        "keyup f key=65", "keydown f key=66", "keypress f key=66",
                                        "propertychange f value", "keyup f key=66", "change f", "blur f"}),
              take());
    on([&] { EXPECT_EQ("aB", byId("f")->value()); });
}

TEST_F(EventsTest, LeavingAFieldWithoutEditingSendsNoChange) {
    loadAndLog("<body><input id=f><input id=g></body>");
    on([&] {
        actions::focus(byId("f"));
        actions::focus(byId("g"));
    });
    EXPECT_EQ((std::vector<std::string>{"focus f", "blur f", "focus g"}), take());
}

TEST_F(EventsTest, EnterInATextFieldCommitsAndSubmitsItsForm) {
    loadAndLog("<body><form action='done.html'><input id=f name=q><input type=submit id=s></form></body>");
    on([&] {
        actions::typeText(byId("f"), "x", false);
        log.lines.clear();
        actions::pressKey(byId("f"), 13);
    });
    EXPECT_EQ((std::vector<std::string>{"keydown f key=13", "keypress f key=13", "change f", "click s button=1",
                                        "submit ", "beforeNavigate done.html?q=x", "keyup f key=13"}),
              take());
}

TEST_F(EventsTest, ChoosingAnOptionSelectsItAndSendsChange) {
    loadAndLog("<body><select id=s><option>One</option><option>Two</option></select></body>");
    on([&] { EXPECT_TRUE(actions::choose(byId("s"), {"Two"})); });
    EXPECT_EQ((std::vector<std::string>{"focus s", "propertychange s selectedIndex", "change s"}), take());
    on([&] {
        EXPECT_EQ(1, byId("s")->selectedIndex());
        EXPECT_TRUE(actions::choose(byId("s"), {"Two"}));  // no change: no events
        EXPECT_FALSE(actions::choose(byId("s"), {"two"}));  // texts are exact
        EXPECT_FALSE(actions::choose(byId("s"), {"One", "Two"}));  // a drop-down list takes one
        EXPECT_EQ(1, byId("s")->selectedIndex());
    });
    EXPECT_TRUE(take().empty());
}

TEST_F(EventsTest, ChoosingSeveralOptionsOfAMultipleList) {
    openPage("form.html");
    on([&] {
        EXPECT_TRUE(actions::choose(byId("extras"), {"Cable", "Manual"}));
        std::vector<std::string> selected;
        for (const auto& option : byId("extras")->options()) {
            if (option->selected()) selected.push_back(option->text());
        }
        EXPECT_EQ((std::vector<std::string>{"Cable", "Manual"}), selected);
    });
}

TEST_F(EventsTest, ACheckBoxTogglesUnlessTheClickIsCancelled) {
    loadAndLog("<body><input type=checkbox id=c><input type=checkbox id=n onclick='return false'></body>");
    on([&] { actions::activate(byId("c")); });
    EXPECT_EQ((std::vector<std::string>{"propertychange c checked", "click c button=1", "change c"}), take());
    on([&] {
        EXPECT_TRUE(byId("c")->checked());
        actions::activate(byId("n"));
        EXPECT_FALSE(byId("n")->checked());
    });
}

TEST_F(EventsTest, AMadeClickGetsTheDefaultActionAndKeepsItsOwnFields) {
    loadAndLog("<body><input type=checkbox id=c><span id=s>text</span></body>");
    on([&] {
        Event click{.type = "click", .button = MouseButton::Right, .ctrlKey = true};
        EXPECT_TRUE(actions::dispatchWithDefault(byId("c"), click));
        EXPECT_TRUE(byId("c")->checked());
        EXPECT_EQ(byId("c"), click.target);
        Event cancelled{.type = "click"};
        byId("c")->addEventListener("click", [](Event& e) { e.preventDefault(); });
        EXPECT_FALSE(actions::dispatchWithDefault(byId("c"), cancelled));
        EXPECT_TRUE(byId("c")->checked());  // back as it was
        Event other{.type = "select"};
        EXPECT_TRUE(actions::dispatchWithDefault(byId("s"), other));
    });
    EXPECT_EQ((std::vector<std::string>{"propertychange c checked", "click c button=2", "change c",
                                        "propertychange c checked", "click c", "propertychange c checked",
                                        "select s"}),
              take());
}

TEST_F(EventsTest, ListenersAreFoundByKeyAndDocumentEventsPassTheWindowBothWays) {
    loadString("<body></body>");
    on([&] {
        auto document = window->document();
        int owner = 0;
        std::vector<std::string> seen;
        auto record = [&seen](const char* where) {
            return [&seen, where](Event& e) { seen.push_back(where + std::to_string(static_cast<int>(e.phase))); };
        };
        auto id = document->addEventListener("ping", record("document "), false, &owner);
        window->addEventListener("ping", record("window "), true);
        window->addEventListener("ping", record("window "), false);
        EXPECT_EQ(id, document->findListener("ping", &owner, false));
        EXPECT_EQ(0u, document->findListener("ping", &owner, true));
        EXPECT_EQ(0u, document->findListener("pong", &owner, false));
        EXPECT_EQ(0u, document->findListener("ping", nullptr, false));
        Event ping{.type = "ping"};
        EXPECT_TRUE(dispatchDocumentEvent(*document, ping));
        EXPECT_EQ((std::vector<std::string>{"window 1", "document 2", "window 3"}), seen);
        EXPECT_FALSE(ping.target);
    });
}

TEST_F(EventsTest, ARadioButtonChecksItselfAndUnchecksItsGroup) {
    openPage("form.html");
    on([&] {
        actions::click(byId("sizeL"));
        EXPECT_TRUE(byId("sizeL")->checked());
        EXPECT_FALSE(byId("sizeM")->checked());
    });
}

TEST_F(EventsTest, ADisabledFieldTakesNoClicks) {
    loadAndLog("<body><input type=button id=b disabled></body>");
    on([&] { EXPECT_FALSE(actions::click(byId("b"))); });
    EXPECT_TRUE(take().empty());
}

TEST_F(EventsTest, RightClickAndDoubleClickUseTheirButtons) {
    loadAndLog("<body><p id=p>x</p></body>");
    on([&] { actions::click(byId("p"), MouseButton::Right); });
    EXPECT_EQ((std::vector<std::string>{"mouseover p", "mousedown p button=2", "mouseup p button=2",
                                        "contextmenu p button=2"}),
              take());
    on([&] { actions::doubleClick(byId("p")); });
    EXPECT_EQ((std::vector<std::string>{"mousedown p button=1", "mouseup p button=1", "click p button=1",
                                        "mouseup p button=1", "dblclick p button=1"}),
              take());
}

TEST_F(EventsTest, KeysCarryAltAndShift) {
    loadAndLog("<body><input type=submit id=s></body>");
    on([&] { actions::pressKey(byId("s"), 65, true, true); });
    EXPECT_EQ((std::vector<std::string>{"focus s", "keydown s key=65 alt shift", "keypress s key=65 alt shift",
                                        "keyup s key=65 alt shift"}),
              take());
}

TEST_F(EventsTest, SelectingTextSetsTheSelectionBeforeTheMouseIsReleased) {
    loadAndLog("<body><p id=p>pick me</p></body>");
    std::string selectedAtMouseUp;
    on([&] {
        window->document()->addEventListener("mouseup", [&](Event&) { selectedAtMouseUp = window->document()->selection().text; });
        actions::selectText(byId("p"));
    });
    EXPECT_EQ("pick me", selectedAtMouseUp);
    EXPECT_EQ((std::vector<std::string>{"mouseover p", "mousedown p button=1", "select p", "mouseup p button=1"}), take());
}

TEST_F(EventsTest, CaptureRunsDownwardsThenBubblingUpwardsUntilStopped) {
    loadString("<body><div id=outer><span id=inner>x</span></div></body>");
    std::vector<std::string> order;
    on([&] {
        auto document = window->document();
        auto outer = byId("outer");
        auto inner = byId("inner");
        document->addEventListener("click", [&](Event&) { order.push_back("document capture"); }, true);
        outer->addEventListener("click", [&](Event&) { order.push_back("outer capture"); }, true);
        inner->addEventListener("click", [&](Event& e) { order.push_back("inner " + std::to_string(static_cast<int>(e.phase))); });
        outer->addEventListener("click", [&](Event&) { order.push_back("outer bubble"); });
        auto stopper = document->addEventListener("click", [&](Event&) { order.push_back("document bubble"); });
        Event click{.type = "click"};
        dispatchEvent(inner, click);
        EXPECT_EQ((std::vector<std::string>{"document capture", "outer capture", "inner 2", "outer bubble",
                                            "document bubble"}),
                  order);
        order.clear();
        document->removeEventListener(stopper);
        outer->addEventListener("click", [&](Event& e) { e.stopPropagation(); });
        window->addEventListener("click", [&](Event&) { order.push_back("window"); });
        Event again{.type = "click"};
        dispatchEvent(inner, again);
        EXPECT_EQ((std::vector<std::string>{"document capture", "outer capture", "inner 2", "outer bubble"}), order);
    });
}

TEST_F(EventsTest, KeysActivateLinksButtonsAndCheckBoxes) {
    loadAndLog("<body><a id=l href='next.html'>next</a><input type=checkbox id=c><input type=button id=b></body>");
    on([&] {
        actions::pressKey(byId("c"), 32);
        EXPECT_TRUE(byId("c")->checked());
        actions::pressKey(byId("c"), 13);  // Enter does not toggle a check box
        EXPECT_TRUE(byId("c")->checked());
        log.lines.clear();
        actions::pressKey(byId("l"), 13);
    });
    EXPECT_EQ((std::vector<std::string>{"blur c", "focus l", "keydown l key=13", "keypress l key=13",
                                        "click l button=1", "beforeNavigate next.html", "keyup l key=13"}),
              take());
}

TEST_F(EventsTest, AKeyDownHandlerCanSwallowTheKey) {
    loadAndLog("<body><input id=f onkeydown='return event.keyCode != 88'></body>");
    on([&] {
        actions::typeText(byId("f"), "axb");
        EXPECT_EQ("ab", byId("f")->value());
    });
}

TEST_F(EventsTest, TypingRespectsMaxLengthReadOnlyAndTextAreaLines) {
    loadString("<body><input id=m maxlength=3><input id=r readonly value=fixed><textarea id=t></textarea>"
               "<input type=checkbox id=c></body>");
    on([&] {
        EXPECT_TRUE(actions::typeText(byId("m"), "abcdef"));
        EXPECT_EQ("abc", byId("m")->value());
        EXPECT_FALSE(actions::typeText(byId("r"), "x"));
        EXPECT_EQ("fixed", byId("r")->value());
        EXPECT_FALSE(actions::typeText(byId("c"), "x"));
        EXPECT_TRUE(actions::typeText(byId("t"), "one\ntwo"));
        EXPECT_EQ("one\r\ntwo", byId("t")->value());
    });
}

TEST_F(EventsTest, AResetButtonRestoresTheDefaults) {
    openPage("form.html");
    on([&] {
        actions::typeText(byId("customer"), "Ann");
        actions::click(byId("gift"));
        actions::choose(byId("colour"), {"Red"});
        actions::click(byId("clear"));
        EXPECT_EQ("", byId("customer")->value());
        EXPECT_FALSE(byId("gift")->checked());
        EXPECT_EQ("Green", byId("colour")->options()[byId("colour")->selectedIndex()]->text());
        EXPECT_EQ("Order Form", window->title());  // no navigation
    });
}

TEST_F(EventsTest, ASubmitHandlerCanRefuseTheSubmission) {
    openPage("form.html");
    on([&] {
        byId("customer")->setValue("refuse");
        actions::click(byId("send"));
    });
    ASSERT_TRUE(waitIdle());
    on([&] { EXPECT_EQ("Order Form", window->title()); });
}

TEST_F(EventsTest, TheMouseAndTheFocusMoveAcrossFrames) {
    openPage("frames.html");
    std::vector<std::string> lines;
    on([&] {
        auto left = window->findFrame("left");
        auto right = window->findFrame("right");
        for (const auto& frame : {left, right}) {
            for (const char* type : {"mouseover", "mouseout", "focus", "blur"}) {
                frame->document()->addEventListener(type, [&lines, name = frame->name()](Event& e) {
                    lines.push_back(e.type + " " + name + " " + e.target->tagName());
                }, true);
            }
        }
        actions::click(byId("rename", left));
        actions::click(byId("field", right));
    });
    EXPECT_EQ((std::vector<std::string>{"mouseover left BUTTON", "focus left BUTTON", "mouseout left BUTTON",
                                        "mouseover right INPUT", "blur left BUTTON", "focus right INPUT"}),
              lines);
}

TEST_F(MozillaEventsTest, MozillaNumbersButtonsFromZeroAndSendsNoPropertyChange) {
    loadAndLog("<body><input id=f></body>");
    on([&] { actions::click(byId("f")); });
    EXPECT_EQ((std::vector<std::string>{"mouseover f", "mousedown f button=0", "focus f", "mouseup f button=0",
                                        "click f button=0"}),
              take());
    on([&] { actions::typeText(byId("f"), "a", false); });
    EXPECT_EQ((std::vector<std::string>{"keydown f key=65", "keypress f key=97", "keyup f key=65"}), take());
    on([&] { actions::doubleClick(byId("f")); });
    EXPECT_EQ((std::vector<std::string>{"mousedown f button=0", "mouseup f button=0", "click f button=0",
                                        "mousedown f button=0", "mouseup f button=0", "click f button=0",
                                        "dblclick f button=0"}),
              take());
}

}  // namespace
}  // namespace engine::testing
