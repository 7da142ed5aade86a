#include "engine/user.h"

#include <algorithm>
#include <charconv>
#include <mutex>

#include "engine/actions.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/window.h"
#include "text_util.h"

namespace engine {

User::User(Browser& browser, int timeoutMs) : browser_(browser), timeoutMs_(timeoutMs) {}

std::shared_ptr<Window> User::topWindow() {
    auto window = window_.lock();
    if (window && !window->closed()) return window;
    // The current window went away: the user turns to the one in front, the newest.
    const auto& windows = browser_.windows();
    window = windows.empty() ? nullptr : windows.back();
    window_ = window;
    frameName_.clear();
    return window;
}

std::shared_ptr<Window> User::currentWindow() {
    std::shared_ptr<Window> result;
    browser_.thread().call([&] {
        auto top = topWindow();
        result = top && !frameName_.empty() ? top->findFrame(frameName_) : top;
    });
    return result;
}

UserResult User::actOnPage(std::function<UserResult()> action, bool waitForLoad) {
    // While a page dialog is up the browser takes no other input, as a modal window does.
    return act(
        [this, action = std::move(action)]() -> UserResult {
            if (!browser_.openDialogs().empty()) return UserResult::failure("a dialog is waiting for an answer");
            return action();
        },
        waitForLoad);
}

UserResult User::act(std::function<UserResult()> action, bool waitForLoad) {
    struct State {
        std::mutex mutex;
        bool done = false;
        UserResult result;
    };
    auto state = std::make_shared<State>();
    bool posted = browser_.thread().post([state, action = std::move(action)] {
        UserResult result = action();
        std::lock_guard lock(state->mutex);
        state->result = result;
        state->done = true;
    });
    if (!posted) return UserResult::failure("the browser has ended");
    auto finished = [&] {
        std::lock_guard lock(state->mutex);
        return state->done;
    };
    // A dialog raised by the action holds it until answered: the user sees the dialog.
    bool handled = browser_.thread().waitUntil([&] { return finished() || !browser_.openDialogs().empty(); },
                                               timeoutMs_);
    if (!handled) return UserResult::failure("the browser did not handle the action in time");
    if (!finished()) return {};
    if (waitForLoad && !waitUntilIdle()) return UserResult::failure("the page did not finish loading in time");
    std::lock_guard lock(state->mutex);
    return state->result;
}

bool User::waitUntilIdle() {
    return browser_.thread().waitUntil([&] { return !browser_.busy() || !browser_.openDialogs().empty(); },
                                       timeoutMs_);
}

std::shared_ptr<Element> User::find(const std::string& target) {
    auto top = topWindow();
    auto window = top && !frameName_.empty() ? top->findFrame(frameName_) : top;
    auto document = window ? window->document() : nullptr;
    if (!document || target.empty()) return nullptr;
    if (target[0] == '#') return document->getElementById(target.substr(1));
    if (target.rfind("name=", 0) == 0) {
        auto named = document->getElementsByName(target.substr(5));
        return named.empty() ? nullptr : named.front();
    }
    if (target.rfind("link=", 0) == 0) {
        std::string text = target.substr(5);
        for (const auto& link : document->getElementsByTagName("A")) {
            if (text::collapseBlanks(link->innerText()) == text) return link;
        }
        return nullptr;
    }
    auto open = target.find('[');
    if (open != std::string::npos && target.back() == ']') {
        int index = -1;
        auto digits = std::string_view(target).substr(open + 1, target.size() - open - 2);
        auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
        if (error != std::errc() || end != digits.data() + digits.size() || index < 0) return nullptr;
        auto tagged = document->getElementsByTagName(target.substr(0, open));
        return index < static_cast<int>(tagged.size()) ? tagged[static_cast<std::size_t>(index)] : nullptr;
    }
    return nullptr;
}

UserResult User::onElement(const std::string& target,
                           std::function<UserResult(const std::shared_ptr<Element>&)> action, bool waitForLoad) {
    return actOnPage(
        [this, target, action = std::move(action)]() -> UserResult {
            auto element = find(target);
            if (!element) return UserResult::failure("no element " + target);
            return action(element);
        },
        waitForLoad);
}

UserResult User::useWindow(const std::string& title) {
    return act(
        [this, title]() -> UserResult {
            for (const auto& window : browser_.windows()) {
                if (window->title() == title) {
                    window_ = window;
                    frameName_.clear();
                    return {};
                }
            }
            return UserResult::failure("no window titled " + title);
        },
        false);
}

UserResult User::useFrame(const std::string& name) {
    return act(
        [this, name]() -> UserResult {
            auto top = topWindow();
            if (!top) return UserResult::failure("no window");
            if (!name.empty() && !top->findFrame(name)) return UserResult::failure("no frame " + name);
            frameName_ = name;
            return {};
        },
        false);
}

UserResult User::hover(const std::string& target) {
    return onElement(target, [](const auto& element) {
        actions::hover(element);
        return UserResult{};
    });
}

UserResult User::click(const std::string& target, MouseButton button) {
    return onElement(target, [button](const auto& element) {
        return actions::click(element, button) ? UserResult{} : UserResult::failure("the element is disabled");
    });
}

UserResult User::doubleClick(const std::string& target) {
    return onElement(target, [](const auto& element) {
        return actions::doubleClick(element) ? UserResult{} : UserResult::failure("the element is disabled");
    });
}

UserResult User::type(const std::string& target, const std::string& text) {
    return onElement(target, [text](const auto& element) {
        return actions::typeText(element, text) ? UserResult{}
                                                : UserResult::failure("the element takes no typed text");
    });
}

UserResult User::key(const std::string& target, int keyCode, bool alt, bool shift) {
    return onElement(target, [=](const auto& element) {
        actions::pressKey(element, keyCode, alt, shift);
        return UserResult{};
    });
}

UserResult User::choose(const std::string& target, const std::vector<std::string>& optionTexts) {
    return onElement(target, [optionTexts](const auto& element) {
        return actions::choose(element, optionTexts) ? UserResult{}
                                                     : UserResult::failure("no such option to choose");
    });
}

UserResult User::selectText(const std::string& target) {
    return onElement(target, [](const auto& element) {
        actions::selectText(element);
        return UserResult{};
    });
}

UserResult User::open(const std::string& address) {
    return actOnPage(
        [this, address]() -> UserResult {
            auto top = topWindow();
            if (!top) {
                window_ = browser_.openWindow(address);
            } else {
                frameName_.clear();
                browser_.navigate(*top, address);
            }
            return {};
        },
        true);
}

namespace {
UserResult needWindow() { return UserResult::failure("no window"); }
}  // namespace

UserResult User::back() {
    return actOnPage(
        [this]() -> UserResult {
            auto top = topWindow();
            if (!top) return needWindow();
            if (!top->history().canGoBack()) return UserResult::failure("there is no page to go back to");
            browser_.goBack(*top);
            return {};
        },
        true);
}

UserResult User::forward() {
    return actOnPage(
        [this]() -> UserResult {
            auto top = topWindow();
            if (!top) return needWindow();
            if (!top->history().canGoForward()) return UserResult::failure("there is no page to go forward to");
            browser_.goForward(*top);
            return {};
        },
        true);
}

UserResult User::refresh() {
    return actOnPage(
        [this]() -> UserResult {
            auto top = topWindow();
            if (!top) return needWindow();
            browser_.reload(*top);
            return {};
        },
        true);
}

UserResult User::home() {
    return actOnPage(
        [this]() -> UserResult {
            auto top = topWindow();
            if (!top) return needWindow();
            browser_.goHome(*top);
            return {};
        },
        true);
}

UserResult User::stop() {
    return actOnPage(
        [this]() -> UserResult {
            auto top = topWindow();
            if (!top) return needWindow();
            browser_.stop(*top);
            return {};
        },
        false);
}

UserResult User::closeWindow() {
    return actOnPage(
        [this]() -> UserResult {
            auto top = topWindow();
            if (!top) return needWindow();
            browser_.closeWindow(*top);
            window_.reset();
            return {};
        },
        false);
}

bool User::dialogOpen() {
    bool open = false;
    browser_.thread().call([&] { open = !browser_.openDialogs().empty(); });
    return open;
}

std::string User::dialogMessage() {
    std::string message;
    browser_.thread().call([&] {
        if (!browser_.openDialogs().empty()) message = browser_.openDialogs().back()->message();
    });
    return message;
}

UserResult User::answerDialog(const std::string& button, const std::string* text) {
    std::shared_ptr<Dialog> answered;
    UserResult result;
    std::string typed = text ? *text : std::string();
    bool hasText = text != nullptr;
    // Answer directly: the page is waiting in the dialog's loop, which serves this call.
    bool reached = browser_.thread().call([&] {
        if (browser_.openDialogs().empty()) {
            result = UserResult::failure("no dialog is open");
            return;
        }
        answered = browser_.openDialogs().back();
        std::string lowered = text::lower(button);
        // The file chooser's OK button is its Open button.
        const bool choosesFile = answered->kind() == DialogKind::ChooseFile;
        bool accept = lowered == "ok" || lowered == "yes" || (choosesFile && lowered == "open");
        if (!accept && lowered != "cancel" && lowered != "no") {
            result = UserResult::failure("the dialog has no button " + button);
            answered.reset();
            return;
        }
        if (hasText && !answered->takesText()) {
            result = UserResult::failure("the dialog has no text field");
            answered.reset();
            return;
        }
        DialogHost* host = browser_.dialogHost();
        if (!host || !host->answerAsUser(*answered, accept, hasText ? &typed : nullptr)) {
            answered->answer(accept, hasText ? typed : answered->text());
        }
    });
    if (!reached) return UserResult::failure("the browser has ended");
    if (!answered) return result;
    // The page goes on once the dialog closed; wait for it as for any action.
    bool closed = browser_.thread().waitUntil(
        [&] {
            const auto& open = browser_.openDialogs();
            return std::find(open.begin(), open.end(), answered) == open.end();
        },
        timeoutMs_);
    if (!closed) return UserResult::failure("the dialog did not close in time");
    if (!waitUntilIdle()) return UserResult::failure("the page did not finish loading in time");
    return {};
}

}  // namespace engine
