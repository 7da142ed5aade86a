// Writes every navigation notification as one line, for exact order checks.
#pragma once

#include <string>
#include <vector>

#include "engine/browser.h"

namespace engine::testing {

class RecordingObserver : public NavigationObserver {
public:
    // Names a window by its name, or "top"/"frame" when it has none; a page by its file.
    static std::string label(Window& window) {
        if (!window.name().empty()) return window.name();
        return window.isTopLevel() ? "top" : "frame";
    }
    static std::string file(const std::string& url) {
        auto slash = url.rfind('/');
        return slash == std::string::npos ? url : url.substr(slash + 1);
    }

    void beforeNavigate(Window& window, const std::string& url, const std::string&, bool& cancel) override {
        lines.push_back("beforeNavigate " + label(window) + " " + file(url));
        if (!cancelUrl.empty() && url.find(cancelUrl) != std::string::npos) cancel = true;
    }
    void downloadBegin(Window& top) override { lines.push_back("downloadBegin " + label(top)); }
    void downloadComplete(Window& top) override { lines.push_back("downloadComplete " + label(top)); }
    void navigateComplete(Window& window, const std::string& url) override {
        lines.push_back("navigateComplete " + label(window) + " " + file(url));
    }
    void documentComplete(Window& window, const std::string& url) override {
        lines.push_back("documentComplete " + label(window) + " " + file(url));
    }
    void newWindow(Window&, const std::string& url, bool& cancel) override {
        lines.push_back("newWindow " + file(url));
        cancel = refuseNewWindows;
    }
    void windowOpened(Window& window) override { lines.push_back("windowOpened " + label(window)); }
    void quit(Window& window) override { lines.push_back("quit " + label(window)); }

    std::vector<std::string> lines;
    std::string cancelUrl;
    bool refuseNewWindows = false;
};

}  // namespace engine::testing
