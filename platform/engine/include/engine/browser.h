// One simulated browser instance: its thread, its top-level windows, navigation and
// history, page scripts, dialogs, and the hooks through which a browser face (the IE
// or the Mozilla stand-in) hears about and shows what happens.
//
// Every member function except the constructor, the destructor and thread() must be
// called on the browser thread (carry the call there with thread().call()).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/browser_thread.h"
#include "engine/dialog.h"
#include "engine/document.h"
#include "engine/window.h"

namespace engine {

class ScriptEngine;
class TimerQueue;

enum class HistoryMove { Back, Forward, Jump };

// What a face turns into its browser's navigation events. All calls arrive on the
// browser thread; `window` is a top-level window or a frame.
class NavigationObserver {
public:
    virtual ~NavigationObserver() = default;
    // Before leaving for `url`; set `cancel` to stay. Not sent for a reload in place.
    virtual void beforeNavigate(Window& window, const std::string& url, const std::string& targetName, bool& cancel) {
        (void)window, (void)url, (void)targetName, (void)cancel;
    }
    virtual void downloadBegin(Window& top) { (void)top; }
    // `window` (top-level or frame) starts loading a document from `url`: a navigation,
    // a reload or a move in the history.
    virtual void loadStarted(Window& window, const std::string& url) { (void)window, (void)url; }
    // A top-level window's history is about to get `url` as a new entry (a page already
    // current is not added again).
    virtual void historyEntryAdding(Window& top, const std::string& url) { (void)top, (void)url; }
    // A move in a top-level window's history to the entry `index` (Back, Forward or a
    // jump), before it happens; set `cancel` to stay.
    virtual void beforeHistoryMove(Window& top, HistoryMove move, int index, const std::string& url, bool& cancel) {
        (void)top, (void)move, (void)index, (void)url, (void)cancel;
    }
    // `window` is about to reload in place; set `cancel` to leave it.
    virtual void beforeReload(Window& window, bool& cancel) { (void)window, (void)cancel; }
    virtual void downloadComplete(Window& top) { (void)top; }
    // The new document exists (loading); sent per window and frame.
    virtual void navigateComplete(Window& window, const std::string& url) { (void)window, (void)url; }
    // The document and all its frames are complete; frames report before their parent.
    virtual void documentComplete(Window& window, const std::string& url) { (void)window, (void)url; }
    // A page asks for a new top-level window (link target, window.open); set `cancel`
    // to refuse it.
    virtual void newWindow(Window& opener, const std::string& url, bool& cancel) { (void)opener, (void)url, (void)cancel; }
    // A new top-level window exists (before its first navigation).
    virtual void windowOpened(Window& window) { (void)window; }
    virtual void titleChange(Window& window, const std::string& title) { (void)window, (void)title; }
    // A top-level window is closing (IE's OnQuit); its document is still there.
    virtual void quit(Window& window) { (void)window; }
};

// Shows page dialogs. dialogOpened is called on the browser thread before the page
// starts waiting; the face shows the dialog and, once the user answered it, calls
// Dialog::answer on the browser thread. dialogClosed follows the answer.
class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual void dialogOpened(Dialog& dialog) = 0;
    virtual void dialogClosed(Dialog& dialog) = 0;
    // The simulated user answers `dialog` by its button, typing `text` first when given.
    // A face that shows the dialog as a page of its own acts on that page as a person
    // would and returns true; false leaves the answer to the engine.
    virtual bool answerAsUser(Dialog& dialog, bool accept, const std::string* text) {
        (void)dialog, (void)accept, (void)text;
        return false;
    }
};

// Gives every top-level window its native frame window.
class FrameWindowHost {
public:
    virtual ~FrameWindowHost() = default;
    virtual void createFrameWindow(Window& window) = 0;
    virtual void destroyFrameWindow(Window& window) = 0;
};

struct BrowserOptions {
    Dialect dialect = Dialect::InternetExplorer;
    std::string homePage = "about:blank";
};

class Browser {
public:
    explicit Browser(BrowserOptions options = {});
    ~Browser();  // closes the windows and ends the browser thread
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;

    BrowserThread& thread() { return *thread_; }
    Dialect dialect() const { return options_.dialect; }
    const std::string& homePage() const { return options_.homePage; }
    void setHomePage(std::string url) { options_.homePage = std::move(url); }

    void addObserver(NavigationObserver* observer);
    void removeObserver(NavigationObserver* observer);
    void setDialogHost(DialogHost* host) { dialogHost_ = host; }
    void setFrameWindowHost(FrameWindowHost* host) { frameWindowHost_ = host; }

    // --- windows
    // A new top-level window, as the user or a program opens one; navigates to `url`
    // unless it is empty (then the window shows an empty about:blank document).
    std::shared_ptr<Window> openWindow(const std::string& url, const std::string& name = {});
    const std::vector<std::shared_ptr<Window>>& windows() const { return windows_; }
    std::shared_ptr<Window> findWindowByName(const std::string& name) const;  // frames included
    void closeWindow(Window& window);
    // The window a link or form with `target` opens into from `from`, or none when a
    // new window is needed ("_blank", or a name no window has).
    std::shared_ptr<Window> targetWindow(Window& from, const std::string& target) const;
    // Opens `url` into `target` as a page does: an existing window, or a new one when the
    // observers allow it (none when refused).
    std::shared_ptr<Window> openFromPage(Window& from, const std::string& url, const std::string& target);

    // --- navigation (asynchronous: the load goes on in later tasks)
    void navigate(Window& window, const std::string& url, const std::string& targetName = {});
    // Shows `html` in `window` as if it had been loaded from `url`.
    void loadString(Window& window, const std::string& html, const std::string& url = "about:blank");
    void goBack(Window& window);
    void goForward(Window& window);
    // Loads the entry `index` of `window`'s top-level history; false for no such entry.
    bool goToIndex(Window& window, int index);
    void reload(Window& window);  // reload in place: no before-navigate
    void goHome(Window& window);
    void stop(Window& window);
    // Submits `form` (GET to its action), naming the button that submitted it.
    void submitForm(Element& form, Element* submitter);
    // True while any window is loading.
    bool busy() const;
    // True when `window`'s document and all its frames are complete.
    static bool isComplete(const Window& window);

    // --- the one mouse pointer and the one keyboard focus, across all windows and frames
    std::shared_ptr<Element> elementUnderMouse() const { return elementUnderMouse_.lock(); }
    void setElementUnderMouse(const std::shared_ptr<Element>& element) { elementUnderMouse_ = element; }
    std::shared_ptr<Element> focusedElement() const { return focusedElement_.lock(); }
    void setFocusedElement(const std::shared_ptr<Element>& element) { focusedElement_ = element; }

    // --- dialogs
    // A window of the browser's own showing `document` (a dialog's page): not among
    // windows(), never navigated; its owner marks it closed when the dialog goes.
    std::shared_ptr<Window> createDialogWindow(const std::shared_ptr<Document>& document);
    // Raises a dialog from a page script and waits, serving other work, until answered.
    std::shared_ptr<Dialog> runDialog(DialogKind kind, const std::string& message, const std::string& defaultText,
                                      const std::shared_ptr<Window>& window);
    // True once the browser is ending: dialogs are refused and the scripts raising them stopped.
    bool closing() const { return closing_; }
    // The dialogs waiting for an answer, the front one last.
    const std::vector<std::shared_ptr<Dialog>>& openDialogs() const { return dialogs_; }
    DialogHost* dialogHost() const { return dialogHost_; }

    // --- scripts and their log
    // Runs `source` in `window`'s scope and returns its value as text ("" after an error).
    std::string evaluateScript(Window& window, const std::string& source);
    ScriptEngine& scripts() { return *scripts_; }
    TimerQueue& timers() { return *timers_; }
    void log(const std::string& line);
    std::vector<std::string> logLines() const { return log_; }

    // Used by the parts of the engine that report the page's progress.
    void notifyTitleChange(Window& window);

private:
    friend class Navigator;
    std::shared_ptr<Window> createWindow(const std::shared_ptr<Window>& parent);
    void moveInHistory(Window& top, HistoryMove move, int index);
    void beginLoad(Window& window, const std::string& url, const std::string* html, bool addToHistory);
    void finishParse(const std::shared_ptr<Window>& window, unsigned generation, std::shared_ptr<Document> document);
    void loadFrames(const std::shared_ptr<Window>& window, unsigned generation);
    void checkComplete(const std::shared_ptr<Window>& window);
    template <typename Call>
    void notify(Call&& call);

    BrowserOptions options_;
    std::vector<NavigationObserver*> observers_;
    DialogHost* dialogHost_ = nullptr;
    FrameWindowHost* frameWindowHost_ = nullptr;
    std::vector<std::shared_ptr<Window>> windows_;
    std::vector<std::shared_ptr<Dialog>> dialogs_;
    std::vector<std::string> log_;
    std::weak_ptr<Element> elementUnderMouse_;
    std::weak_ptr<Element> focusedElement_;
    int nextWindowId_ = 1;
    int modalDepth_ = 0;    // dialogs waiting on the stack
    bool closing_ = false;  // the browser is going: no more dialogs
    std::unique_ptr<ScriptEngine> scripts_;
    std::unique_ptr<BrowserThread> thread_;  // ends before the state above goes
    std::unique_ptr<TimerQueue> timers_;     // posts to the thread: goes first
};

}  // namespace engine
