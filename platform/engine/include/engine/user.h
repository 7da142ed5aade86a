// The simulated user: acts on a browser as a person does, from any thread. Each
// action runs on the browser thread and returns when the browser has handled it, or
// when it raised a dialog that now waits for an answer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/browser.h"
#include "engine/event.h"

namespace engine {

struct UserResult {
    bool ok = true;
    std::string error;  // why the action could not be done
    explicit operator bool() const { return ok; }
    static UserResult failure(std::string why) { return {false, std::move(why)}; }
};

class User {
public:
    explicit User(Browser& browser, int timeoutMs = 10000);

    // --- where the user acts: a top-level window and, in it, a frame or the top
    UserResult useWindow(const std::string& title);  // the top-level window with this title
    UserResult useFrame(const std::string& name);    // "" for the top document
    std::shared_ptr<Window> currentWindow();         // the window (or frame) acted in

    // --- the page. TARGET: "#id", "name=NAME", "link=TEXT" or "TAG[n]" (n from 0).
    UserResult hover(const std::string& target);
    UserResult click(const std::string& target, MouseButton button = MouseButton::Left);
    UserResult doubleClick(const std::string& target);
    UserResult type(const std::string& target, const std::string& text);
    UserResult key(const std::string& target, int keyCode, bool alt = false, bool shift = false);
    UserResult choose(const std::string& target, const std::vector<std::string>& optionTexts);
    UserResult selectText(const std::string& target);

    // --- the browser's own controls
    UserResult open(const std::string& address);  // type into the address bar, go
    UserResult back();
    UserResult forward();
    UserResult refresh();
    UserResult home();
    UserResult stop();
    UserResult closeWindow();
    // Answers the front dialog by its button ("OK", "Cancel"), typing `text` first
    // into a prompt's field when given.
    UserResult answerDialog(const std::string& button, const std::string* text = nullptr);
    bool dialogOpen();
    std::string dialogMessage();

    // Waits until no window is loading (or a dialog waits); false after the timeout.
    bool waitUntilIdle();
    // The element TARGET names in the current document (browser thread only).
    std::shared_ptr<Element> find(const std::string& target);

private:
    UserResult act(std::function<UserResult()> action, bool waitForLoad);
    // An action on the page or the browser's controls: refused while a dialog is up.
    UserResult actOnPage(std::function<UserResult()> action, bool waitForLoad);
    UserResult onElement(const std::string& target, std::function<UserResult(const std::shared_ptr<Element>&)> action,
                         bool waitForLoad = true);
    std::shared_ptr<Window> topWindow();  // browser thread only

    Browser& browser_;
    int timeoutMs_;
    // Touched on the browser thread only.
    std::weak_ptr<Window> window_;
    std::string frameName_;
};

}  // namespace engine
