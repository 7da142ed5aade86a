// The hooks a browser face hears around history: new entries, moves, reloads and the
// start of every load, and the history's own bookkeeping (jumps, purges, titles).
#include "browser_fixture.h"

namespace engine::testing {
namespace {

class HistoryHooks : public NavigationObserver {
public:
    void loadStarted(Window& window, const std::string& url) override {
        lines.push_back("load " + (window.isTopLevel() ? std::string("top") : window.name()) + " " + file(url));
    }
    void historyEntryAdding(Window& top, const std::string& url) override {
        lines.push_back("entry " + file(url) + " after " + std::to_string(top.history().currentIndex()));
    }
    void beforeHistoryMove(Window&, HistoryMove move, int index, const std::string& url, bool& cancel) override {
        const char* names[] = {"back", "forward", "jump"};
        lines.push_back(std::string(names[static_cast<int>(move)]) + " " + std::to_string(index) + " " + file(url));
        cancel = refuse;
    }
    void beforeReload(Window&, bool& cancel) override {
        lines.push_back("reload");
        cancel = refuse;
    }
    static std::string file(const std::string& url) { return url.substr(url.rfind('/') + 1); }

    std::vector<std::string> lines;
    bool refuse = false;
};

class HistoryHooksTest : public BrowserTest {
protected:
    void SetUp() override {
        on([&] { browser.addObserver(&hooks); });
    }
    void TearDown() override {
        on([&] { browser.removeObserver(&hooks); });
        BrowserTest::TearDown();
    }
    std::vector<std::string> take() {
        return on([&] { return std::exchange(hooks.lines, {}); });
    }
    HistoryHooks hooks;
};

TEST_F(HistoryHooksTest, NewEntriesAreAnnouncedBeforeTheyCountAndOnlyWhenTheyAreNew) {
    openPage("index.html");
    openPage("form.html");
    openPage("form.html");  // the current page again: no new entry
    EXPECT_EQ((std::vector<std::string>{"load top index.html", "entry index.html after -1", "load top form.html",
                                        "entry form.html after 0", "load top form.html"}),
              take());
    on([&] {
        EXPECT_EQ(2u, window->history().entries().size());
        EXPECT_EQ("Sample Home", window->history().title(0));
        EXPECT_EQ("Order Form", window->history().title(1));
    });
}

TEST_F(HistoryHooksTest, MovesAndReloadsAreAnnouncedFirstAndCanBeRefused) {
    openPage("index.html");
    openPage("form.html");
    openPage("tables.html");
    take();
    on([&] {
        hooks.refuse = true;
        browser.goBack(*window);
        browser.reload(*window);
        EXPECT_TRUE(browser.goToIndex(*window, 0));
    });
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ((std::vector<std::string>{"back 1 form.html", "reload", "jump 0 index.html"}), take());
    on([&] {
        EXPECT_EQ(2, window->history().currentIndex());  // nothing moved
        hooks.refuse = false;
        EXPECT_TRUE(browser.goToIndex(*window, 0));
        EXPECT_FALSE(browser.goToIndex(*window, 3));
    });
    ASSERT_TRUE(waitIdle());
    on([&] {
        EXPECT_EQ("Sample Home", window->title());
        browser.goForward(*window);
    });
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ((std::vector<std::string>{"jump 0 index.html", "load top index.html", "forward 1 form.html",
                                        "load top form.html"}),
              take());
}

TEST_F(HistoryHooksTest, EveryFrameReportsItsLoad) {
    openPage("frames.html");
    auto lines = take();
    for (const char* frame : {"load nav frame_nav.html", "load main frame_inner.html", "load right frame_right.html"}) {
        EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), frame)) << frame;
    }
    EXPECT_EQ("load top frames.html", lines.front());
}

TEST_F(HistoryHooksTest, PurgingDropsTheOldestEntriesAndMovesTheIndexWithThem) {
    History history;
    for (const char* page : {"a", "b", "c", "d"}) history.push(page);
    history.setCurrentTitle("D");
    ASSERT_TRUE(history.moveTo(2));
    history.purge(2);
    EXPECT_EQ((std::vector<std::string>{"c", "d"}), history.entries());
    EXPECT_EQ(0, history.currentIndex());
    EXPECT_EQ("D", history.title(1));
    history.purge(5);  // more than there are: all go, none is current
    EXPECT_TRUE(history.entries().empty());
    EXPECT_EQ(-1, history.currentIndex());
    EXPECT_FALSE(history.moveTo(0));
}

}  // namespace
}  // namespace engine::testing
