// A browser for a test: load a string or a sample-site page, then look at it on the
// browser thread.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "engine/browser.h"
#include "engine/node.h"
#include "engine/url.h"
#include "engine/window.h"

namespace engine::testing {

constexpr int kWaitMs = 10000;

inline std::string siteUrl(const std::string& page) { return url::fromPath(std::string(TW_EXAMPLE_SITE) + "/" + page); }

class BrowserTest : public ::testing::Test {
protected:
    explicit BrowserTest(Dialect dialect = Dialect::InternetExplorer) : browser(BrowserOptions{dialect, "about:blank"}) {}

    // Runs `body` on the browser thread and returns its result.
    template <typename Body>
    auto on(Body&& body) {
        using Result = std::invoke_result_t<Body>;
        if constexpr (std::is_void_v<Result>) {
            browser.thread().call(body);
        } else {
            Result result{};
            browser.thread().call([&] { result = body(); });
            return result;
        }
    }

    void loadString(const std::string& html, const std::string& address = "file:///test/page.html") {
        on([&] {
            if (!window) window = browser.openWindow("");
            browser.loadString(*window, html, address);
        });
        ASSERT_TRUE(waitIdle());
    }

    void openPage(const std::string& page) {
        on([&] {
            if (!window) {
                window = browser.openWindow(siteUrl(page));
            } else {
                browser.navigate(*window, siteUrl(page));
            }
        });
        ASSERT_TRUE(waitIdle());
    }

    bool waitIdle() { return browser.thread().waitUntil([&] { return !browser.busy(); }, kWaitMs); }

    // Browser thread only.
    std::shared_ptr<Element> byId(const std::string& id, const std::shared_ptr<Window>& in = nullptr) {
        auto document = (in ? in : window)->document();
        auto element = document ? document->getElementById(id) : nullptr;
        EXPECT_TRUE(element) << "no element #" << id;
        return element;
    }

    Browser browser;
    std::shared_ptr<Window> window;

    void TearDown() override {
        on([&] { window.reset(); });
    }
};

}  // namespace engine::testing
