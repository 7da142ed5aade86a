#include "engine/browser.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "engine/dispatch.h"
#include "engine/url.h"
#include "html_parser.h"
#include "script_engine.h"
#include "text_util.h"
#include "timer_queue.h"

namespace engine {
namespace {

// What the browser shows for an address it cannot load.
std::string errorPage(const std::string& address) {
    return "<html><head><title>Cannot find server</title></head><body><h1>The page cannot be displayed</h1>"
           "<p>" + address + "</p></body></html>";
}

std::optional<std::string> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return bytes.str();
}

// The markup at `address`, decoded to UTF-8.
std::string fetch(const std::string& address) {
    std::string scheme = url::scheme(address);
    if (scheme == "about") return {};
    if (scheme == "file") {
        if (auto path = url::toPath(address)) {
            if (auto bytes = readFile(*path)) return decodePageBytes(*bytes);
        }
    }
    return errorPage(address);
}

// Moves the document on and tells its readystatechange listeners, as IE does.
void advance(Document& document, ReadyState state) {
    document.setReadyState(state);
    Event change{.type = "readystatechange", .bubbles = false, .cancelable = false};
    change.phase = EventPhase::AtTarget;
    document.invokeListeners(change);
}

}  // namespace

Browser::Browser(BrowserOptions options)
    : options_(std::move(options)), thread_(std::make_unique<BrowserThread>()),
      timers_(std::make_unique<TimerQueue>(*thread_)) {
    // The script heap is made and destroyed on the thread that uses it.
    thread_->call([this] { scripts_ = std::make_unique<ScriptEngine>(*this); });
}

Browser::~Browser() {
    timers_.reset();
    // A page waiting in a dialog has a script on the stack: answer the dialogs, refuse
    // new ones, and let those scripts finish before the heap goes.
    thread_->call([this] {
        closing_ = true;
        for (auto& dialog : dialogs_) dialog->answer(false);
    });
    while (!thread_->waitUntil([this] { return modalDepth_ == 0; }, 1000)) {
        if (!thread_->call([] {})) break;  // the thread itself has ended
    }
    thread_->call([this] {
        while (!windows_.empty()) closeWindow(*windows_.back());
        scripts_.reset();
    });
    // The thread may be inside one of this browser's tasks that was waiting (an event
    // carried to another thread) when the browser was let go; it finishes with the
    // browser and its thread object still there, and refused any further work.
    thread_->stop();
    thread_.reset();
}

template <typename Call>
void Browser::notify(Call&& call) {
    auto observers = observers_;  // an observer may remove itself while notified
    for (auto* observer : observers) {
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end()) call(*observer);
    }
}

void Browser::addObserver(NavigationObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
        observers_.push_back(observer);
    }
}

void Browser::removeObserver(NavigationObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Browser::log(const std::string& line) { log_.push_back(line); }

std::string Browser::evaluateScript(Window& window, const std::string& source) {
    return scripts_->evaluate(window, source);
}

// ---------------------------------------------------------------- windows

std::shared_ptr<Window> Browser::createWindow(const std::shared_ptr<Window>& parent) {
    return std::make_shared<Window>(*this, nextWindowId_++, parent);
}

std::shared_ptr<Window> Browser::openWindow(const std::string& address, const std::string& name) {
    auto window = createWindow(nullptr);
    window->setName(name);
    windows_.push_back(window);
    if (frameWindowHost_) frameWindowHost_->createFrameWindow(*window);
    notify([&](NavigationObserver& o) { o.windowOpened(*window); });
    if (address.empty()) {
        auto blank = parseHtml("", "about:blank", options_.dialect);
        blank->setReadyState(ReadyState::Complete);
        window->setDocument(blank);
    } else {
        navigate(*window, address);
    }
    return window;
}

std::shared_ptr<Window> Browser::findWindowByName(const std::string& name) const {
    for (const auto& window : windows_) {
        if (window->name() == name) return window;
        if (auto frame = window->findFrame(name)) return frame;
    }
    return nullptr;
}

void Browser::closeWindow(Window& window) {
    auto self = window.shared_from_this();
    auto found = std::find(windows_.begin(), windows_.end(), self);
    if (found == windows_.end()) return;
    notify([&](NavigationObserver& o) { o.quit(window); });
    Event unload{.type = "unload", .bubbles = false, .cancelable = false};
    dispatchWindowEvent(window, unload);
    if (frameWindowHost_) frameWindowHost_->destroyFrameWindow(window);
    window.nextLoadGeneration();
    window.setLoading(false);
    window.clearFrames();
    window.markClosed();
    windows_.erase(std::find(windows_.begin(), windows_.end(), self));
    scripts_->windowClosed(window);
}

std::shared_ptr<Window> Browser::targetWindow(Window& from, const std::string& target) const {
    std::string lowered = text::lower(target);
    if (target.empty() || lowered == "_self") return from.shared_from_this();
    if (lowered == "_parent") return from.parent();
    if (lowered == "_top") return from.top();
    if (lowered == "_blank") return nullptr;
    auto top = from.top();
    if (top->name() == target) return top;
    if (auto frame = top->findFrame(target)) return frame;
    return findWindowByName(target);
}

std::shared_ptr<Window> Browser::openFromPage(Window& from, const std::string& address, const std::string& target) {
    std::string resolved = address.empty() ? std::string("about:blank") : url::resolve(from.url(), address);
    if (auto existing = targetWindow(from, target)) {
        navigate(*existing, resolved, target);
        return existing;
    }
    bool cancel = false;
    notify([&](NavigationObserver& o) { o.newWindow(from, resolved, cancel); });
    if (cancel) return nullptr;
    auto window = createWindow(nullptr);
    if (text::lower(target) != "_blank") window->setName(target);
    window->setOpener(from.shared_from_this());
    windows_.push_back(window);
    if (frameWindowHost_) frameWindowHost_->createFrameWindow(*window);
    notify([&](NavigationObserver& o) { o.windowOpened(*window); });
    navigate(*window, resolved);
    return window;
}

// ---------------------------------------------------------------- navigation

void Browser::navigate(Window& window, const std::string& address, const std::string& targetName) {
    if (window.closed()) return;
    std::string base = window.url().empty() ? std::string("about:blank") : window.url();
    std::string resolved = url::resolve(base, text::trim(address));
    if (url::scheme(resolved) == "javascript") {
        scripts_->runScript(window, resolved.substr(resolved.find(':') + 1), "javascript: address");
        return;
    }
    bool cancel = false;
    notify([&](NavigationObserver& o) { o.beforeNavigate(window, resolved, targetName, cancel); });
    if (cancel) return;
    beginLoad(window, resolved, nullptr, window.isTopLevel());
}

void Browser::loadString(Window& window, const std::string& html, const std::string& address) {
    bool cancel = false;
    notify([&](NavigationObserver& o) { o.beforeNavigate(window, address, {}, cancel); });
    if (cancel) return;
    beginLoad(window, address, &html, window.isTopLevel());
}

void Browser::beginLoad(Window& window, const std::string& address, const std::string* html, bool addToHistory) {
    unsigned generation = window.nextLoadGeneration();
    window.setLoading(true);
    if (window.isTopLevel()) notify([&](NavigationObserver& o) { o.downloadBegin(window); });
    notify([&](NavigationObserver& o) { o.loadStarted(window, address); });
    std::optional<std::string> source;
    if (html) source = *html;
    std::weak_ptr<Window> weak = window.shared_from_this();
    thread_->post([this, weak, generation, address, source, addToHistory] {
        auto target = weak.lock();
        if (!target || target->closed() || target->loadGeneration() != generation) return;
        auto document = parseHtml(source ? *source : fetch(address), address, options_.dialect);
        document->setReadyState(ReadyState::Loading);
        if (auto old = target->document()) {
            Event unload{.type = "unload", .bubbles = false, .cancelable = false};
            dispatchWindowEvent(*target, unload);
            scripts_->documentReplaced(*target);
        }
        target->clearFrames();
        target->setStringSource(source);
        target->setDocument(document);
        if (addToHistory) {
            if (target->history().current() != address || target->history().currentIndex() < 0) {
                notify([&](NavigationObserver& o) { o.historyEntryAdding(*target, address); });
            }
            target->history().push(address);
            target->history().setCurrentTitle(document->title());
        }
        notify([&](NavigationObserver& o) { o.navigateComplete(*target, address); });
        notifyTitleChange(*target);
        thread_->post([this, weak, generation, document] {
            if (auto again = weak.lock()) finishParse(again, generation, document);
        });
    });
}

void Browser::finishParse(const std::shared_ptr<Window>& window, unsigned generation,
                          std::shared_ptr<Document> document) {
    if (window->loadGeneration() != generation || window->document() != document) return;
    // Scripts run in document order, each while it is "being parsed" for document.write;
    // one that a script wrote runs in turn, after the one that wrote it.
    std::vector<std::shared_ptr<Element>> done;
    for (;;) {
        std::shared_ptr<Element> element;
        for (const auto& candidate : document->getElementsByTagName("SCRIPT")) {
            if (std::find(done.begin(), done.end(), candidate) == done.end()) {
                element = candidate;
                break;
            }
        }
        if (!element) break;
        done.push_back(element);
        scripts_->setParsingScript(element);
        if (element->hasAttribute("src")) {
            auto path = url::toPath(element->src());
            auto bytes = path ? readFile(*path) : std::nullopt;
            if (!bytes) {
                log("script " + element->src() + " could not be loaded");
                scripts_->setParsingScript(nullptr);
                continue;
            }
            scripts_->runScript(*window, decodePageBytes(*bytes), element->src());
        } else {
            scripts_->runScript(*window, element->textContent(), document->url());
        }
        scripts_->setParsingScript(nullptr);
        if (window->loadGeneration() != generation || window->document() != document) return;  // the script navigated
    }
    advance(*document, ReadyState::Interactive);
    std::weak_ptr<Window> weak = window;
    thread_->post([this, weak, generation] {
        if (auto again = weak.lock()) loadFrames(again, generation);
    });
}

void Browser::loadFrames(const std::shared_ptr<Window>& window, unsigned generation) {
    if (window->loadGeneration() != generation || window->closed()) return;
    auto document = window->document();
    for (const auto& element : document->frameElements()) {
        auto frame = createWindow(window);
        frame->setName(element->name().empty() ? element->id() : element->name());
        window->addFrame(frame, element);
        auto blank = parseHtml("", "about:blank", options_.dialect);
        blank->setReadyState(ReadyState::Complete);
        frame->setDocument(blank);
        std::string source = element->hasAttribute("src") ? element->src() : std::string("about:blank");
        navigate(*frame, source.empty() ? std::string("about:blank") : source);
    }
    checkComplete(window);
}

bool Browser::isComplete(const Window& window) {
    if (window.loading()) return false;
    return std::all_of(window.frames().begin(), window.frames().end(), [](const auto& f) { return isComplete(*f); });
}

void Browser::checkComplete(const std::shared_ptr<Window>& window) {
    auto document = window->document();
    if (!window->loading() || !document || document->readyState() != ReadyState::Interactive) return;
    for (const auto& frame : window->frames()) {
        if (!isComplete(*frame)) return;
    }
    unsigned generation = window->loadGeneration();
    advance(*document, ReadyState::Complete);
    Event load{.type = "load", .bubbles = false, .cancelable = false};
    dispatchWindowEvent(*window, load);
    if (window->loadGeneration() != generation) return;  // the load handler navigated
    window->setLoading(false);
    if (window->isTopLevel()) notify([&](NavigationObserver& o) { o.downloadComplete(*window); });
    std::string address = document->url();
    notify([&](NavigationObserver& o) { o.documentComplete(*window, address); });
    if (!window->isTopLevel()) {
        if (auto parent = window->parent(); parent && parent != window) checkComplete(parent);
    }
}

bool Browser::busy() const {
    return std::any_of(windows_.begin(), windows_.end(), [](const auto& w) { return !isComplete(*w); });
}

void Browser::goBack(Window& window) {
    auto top = window.top();
    if (top->history().canGoBack()) moveInHistory(*top, HistoryMove::Back, top->history().currentIndex() - 1);
}

void Browser::goForward(Window& window) {
    auto top = window.top();
    if (top->history().canGoForward()) moveInHistory(*top, HistoryMove::Forward, top->history().currentIndex() + 1);
}

bool Browser::goToIndex(Window& window, int index) {
    auto top = window.top();
    if (index < 0 || index >= static_cast<int>(top->history().entries().size())) return false;
    moveInHistory(*top, HistoryMove::Jump, index);
    return true;
}

void Browser::moveInHistory(Window& top, HistoryMove move, int index) {
    std::string address = top.history().entries()[index];
    bool cancel = false;
    notify([&](NavigationObserver& o) { o.beforeHistoryMove(top, move, index, address, cancel); });
    if (cancel) return;
    // An observer may have changed the history meanwhile.
    if (index >= static_cast<int>(top.history().entries().size()) || top.history().entries()[index] != address) return;
    notify([&](NavigationObserver& o) { o.beforeNavigate(top, address, {}, cancel); });
    if (cancel) return;
    top.history().moveTo(index);
    beginLoad(top, address, nullptr, false);
}

void Browser::reload(Window& window) {
    bool cancel = false;
    notify([&](NavigationObserver& o) { o.beforeReload(window, cancel); });
    if (cancel) return;
    std::string address = window.url().empty() ? std::string("about:blank") : window.url();
    auto source = window.stringSource();
    beginLoad(window, address, source ? &*source : nullptr, false);
}

void Browser::goHome(Window& window) { navigate(*window.top(), options_.homePage); }

void Browser::stop(Window& window) {
    window.nextLoadGeneration();
    window.setLoading(false);
    if (auto document = window.document(); document && document->readyState() != ReadyState::Complete) {
        document->setReadyState(ReadyState::Complete);
    }
    for (const auto& frame : window.frames()) stop(*frame);
}

void Browser::submitForm(Element& form, Element* submitter) {
    auto document = form.ownerDocument();
    auto window = document ? document->defaultView() : nullptr;
    if (!window || !form.is("FORM")) return;
    std::string query;
    auto add = [&](const std::string& name, const std::string& value) {
        if (!query.empty()) query += '&';
        query += url::formEncode(name) + '=' + url::formEncode(value);
    };
    for (const auto& field : form.elements()) {
        if (field->disabled() || field->name().empty()) continue;
        std::string kind = field->type();
        if (kind == "submit" || kind == "button" || kind == "reset" || kind == "image") {
            if (field.get() != submitter || kind == "button" || kind == "reset") continue;
            if (kind == "image") {
                add(field->name() + ".x", "0");
                add(field->name() + ".y", "0");
                continue;
            }
        }
        if ((kind == "checkbox" || kind == "radio") && !field->checked()) continue;
        if (field->is("SELECT")) {
            for (const auto& option : field->options()) {
                if (option->selected()) add(field->name(), option->value());
            }
            continue;
        }
        add(field->name(), field->value());
    }
    std::string action = form.attribute("action").value_or("");
    std::string address = url::resolve(document->url(), text::trim(action));
    address = url::withoutFragment(address);
    if (auto question = address.find('?'); question != std::string::npos) address.erase(question);
    address += '?' + query;
    openFromPage(*window, address, form.target());
}

// ---------------------------------------------------------------- dialogs and titles

std::shared_ptr<Window> Browser::createDialogWindow(const std::shared_ptr<Document>& document) {
    auto window = createWindow(nullptr);
    if (document) document->setReadyState(ReadyState::Complete);
    window->setDocument(document);
    return window;
}

std::shared_ptr<Dialog> Browser::runDialog(DialogKind kind, const std::string& message, const std::string& defaultText,
                                           const std::shared_ptr<Window>& window) {
    auto dialog = std::make_shared<Dialog>(kind, message, defaultText, window);
    if (closing_) {
        dialog->answer(false);
        return dialog;
    }
    ++modalDepth_;
    dialogs_.push_back(dialog);
    if (dialogHost_) dialogHost_->dialogOpened(*dialog);
    if (!thread_->runUntil([&] { return dialog->answered(); })) dialog->answer(false);
    dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), dialog), dialogs_.end());
    if (dialogHost_) dialogHost_->dialogClosed(*dialog);
    --modalDepth_;
    return dialog;
}

void Browser::notifyTitleChange(Window& window) {
    std::string title = window.title();
    if (window.isTopLevel()) window.history().setCurrentTitle(title);
    notify([&](NavigationObserver& o) { o.titleChange(window, title); });
}

}  // namespace engine
