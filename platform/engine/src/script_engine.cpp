#include "script_engine.h"

#include <duktape.h>

#include <cstdio>
#include <cstdlib>

#include "engine/browser.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/window.h"
#include "html_parser.h"
#include "timer_queue.h"

namespace engine {
namespace {

const char* kWindowId = DUK_HIDDEN_SYMBOL("window");
const char* kNodeId = DUK_HIDDEN_SYMBOL("node");
const char* kEventPointer = DUK_HIDDEN_SYMBOL("event");

void fatal(void* udata, const char* message) {
    (void)udata;
    // Duktape cannot go on after a fatal error; nothing in the page caused it.
    std::fprintf(stderr, "engine: script heap fatal error: %s\n", message ? message : "");
    std::abort();
}

// The stash object `name`, made on first use, pushed on the stack.
void pushStashObject(duk_context* ctx, const char* name) {
    duk_push_heap_stash(ctx);
    if (!duk_get_prop_string(ctx, -1, name)) {
        duk_pop(ctx);
        duk_push_object(ctx);
        duk_dup_top(ctx);
        duk_put_prop_string(ctx, -3, name);
    }
    duk_remove(ctx, -2);
}

std::string key(std::uint64_t id) { return std::to_string(id); }

std::shared_ptr<Window> findWindow(const std::vector<std::shared_ptr<Window>>& windows, int id) {
    for (const auto& window : windows) {
        if (window->id() == id) return window;
        if (auto frame = findWindow(window->frames(), id)) return frame;
    }
    return nullptr;
}

// The error on the stack top as "message (line N)".
std::string errorText(duk_context* ctx) {
    std::string text = duk_safe_to_string(ctx, -1);
    if (duk_is_error(ctx, -1)) {
        duk_get_prop_string(ctx, -1, "lineNumber");
        if (duk_is_number(ctx, -1)) text += " (line " + std::to_string(static_cast<long>(duk_get_number(ctx, -1))) + ")";
        duk_pop(ctx);
    }
    return text;
}

}  // namespace

// ---------------------------------------------------------------- handlers as objects

class ScriptEngine::Handler : public ScriptHandler {
public:
    Handler(ScriptEngine& engine, std::uint64_t id, std::weak_ptr<Window> window, std::weak_ptr<EventTarget> self,
            std::string source)
        : engine_(engine), alive_(engine.alive_), id_(id), window_(std::move(window)), self_(std::move(self)),
          source_(std::move(source)) {
        if (auto shown = window_.lock()) document_ = shown->document();
    }
    ~Handler() override {
        // Released on the browser thread while the heap lives: drop the function too.
        if (!alive_.expired() && engine_.browser().thread().isCurrent()) engine_.releaseHandler(id_);
    }

    std::optional<bool> invoke(Event* event) override {
        if (alive_.expired() || !engine_.browser().thread().isCurrent()) return std::nullopt;
        auto window = window_.lock();
        // A handler of a page that was replaced or closed no longer runs.
        if (!window || window->closed() || window->document() != document_.lock()) return std::nullopt;
        duk_context* ctx = engine_.ctx_;
        pushStashObject(ctx, "handlers");
        duk_get_prop_string(ctx, -1, key(id_).c_str());
        duk_remove(ctx, -2);
        if (!duk_is_function(ctx, -1)) {
            duk_pop(ctx);
            return std::nullopt;
        }
        return engine_.callFunction(*window, self_.lock(), event, source_);
    }
    std::string source() const override { return source_; }
    std::uint64_t id() const { return id_; }

private:
    ScriptEngine& engine_;
    std::weak_ptr<bool> alive_;
    std::uint64_t id_;
    std::weak_ptr<Window> window_;
    std::weak_ptr<Document> document_;
    std::weak_ptr<EventTarget> self_;
    std::string source_;
};

// Makes `window`'s global the one scripts see, for as long as the scope lasts.
struct ScriptEngine::Scope {
    Scope(ScriptEngine& engine, Window& window) : engine_(engine) {
        engine_.windowStack_.push_back(window.shared_from_this());
        engine_.pushGlobal(window);
        duk_set_global_object(engine_.ctx_);
    }
    ~Scope() {
        engine_.windowStack_.pop_back();
        if (!engine_.windowStack_.empty()) {
            if (auto previous = engine_.windowStack_.back().lock()) {
                engine_.pushGlobal(*previous);
                duk_set_global_object(engine_.ctx_);
            }
        }
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
    ScriptEngine& engine_;
};

// ---------------------------------------------------------------- the heap

ScriptEngine::ScriptEngine(Browser& browser) : browser_(browser) {
    ctx_ = duk_create_heap(nullptr, nullptr, nullptr, this, fatal);
    if (!ctx_) {
        std::fprintf(stderr, "engine: cannot create the script heap\n");
        std::abort();
    }
    installBindings(*this);
}

ScriptEngine::~ScriptEngine() {
    alive_.reset();
    duk_destroy_heap(ctx_);
}

void ScriptEngine::logError(const std::string& what) { browser_.log("script error: " + what); }

void ScriptEngine::pushGlobal(Window& window) {
    pushStashObject(ctx_, "globals");
    if (duk_get_prop_string(ctx_, -1, key(static_cast<std::uint64_t>(window.id())).c_str())) {
        duk_remove(ctx_, -2);
        return;
    }
    duk_pop(ctx_);
    // A fresh realm: its own Object, Array, Math ... as each page of a browser has.
    duk_push_thread_new_globalenv(ctx_);
    duk_context* realm = duk_get_context(ctx_, -1);
    duk_push_global_object(realm);
    duk_xmove_top(ctx_, realm, 1);
    duk_remove(ctx_, -2);  // the thread; its global stays referenced below
    duk_push_int(ctx_, window.id());
    duk_put_prop_string(ctx_, -2, kWindowId);
    installWindowGlobals(*this, window);
    duk_dup_top(ctx_);
    duk_put_prop_string(ctx_, -3, key(static_cast<std::uint64_t>(window.id())).c_str());
    duk_remove(ctx_, -2);
}

void ScriptEngine::documentReplaced(Window& window) {
    created_.erase(window.id());
    pushStashObject(ctx_, "globals");
    duk_del_prop_string(ctx_, -1, key(static_cast<std::uint64_t>(window.id())).c_str());
    duk_pop(ctx_);
    forgetExpiredNodes();
}

void ScriptEngine::windowClosed(Window& window) { documentReplaced(window); }

void ScriptEngine::keepCreated(const std::shared_ptr<Node>& node) {
    auto window = currentWindow();
    if (node && window) created_[window->id()].push_back(node);
}

void ScriptEngine::runScript(Window& window, const std::string& source, const std::string& origin) {
    Scope scope(*this, window);
    duk_push_string(ctx_, origin.c_str());
    if (duk_pcompile_lstring_filename(ctx_, 0, source.data(), source.size()) != 0) {
        logError(origin + ": " + errorText(ctx_));
        duk_pop(ctx_);
        return;
    }
    if (duk_pcall(ctx_, 0) != DUK_EXEC_SUCCESS) logError(origin + ": " + errorText(ctx_));
    duk_pop(ctx_);
}

std::string ScriptEngine::evaluate(Window& window, const std::string& source) {
    Scope scope(*this, window);
    std::string result;
    if (duk_peval_lstring(ctx_, source.data(), source.size()) != 0) {
        logError("evaluate: " + errorText(ctx_));
    } else {
        result = duk_safe_to_string(ctx_, -1);
    }
    duk_pop(ctx_);
    return result;
}

std::shared_ptr<ScriptHandler> ScriptEngine::compileHandler(Window& window, const std::shared_ptr<Element>& element,
                                                            const std::string& attributeName, const std::string& source) {
    Scope scope(*this, window);
    // Inline handler code sees its element, the element's form and the document before
    // the window's globals ("value", "form.submit()", "forms[0]"), as in both browsers.
    std::string function = "function " + attributeName +
                           "(event) { with (this && this.ownerDocument || {}) with (this && this.form || {}) "
                           "with (this || {}) {\n" + source + "\n}}";
    duk_push_string(ctx_, attributeName.c_str());
    if (duk_pcompile_lstring_filename(ctx_, DUK_COMPILE_FUNCTION, function.data(), function.size()) != 0) {
        logError(attributeName + ": " + errorText(ctx_));
        duk_pop(ctx_);
        return nullptr;
    }
    std::shared_ptr<EventTarget> self = element;
    // The body's onload is the window's load handler; `this` is the window there.
    if (element && element->is("BODY") && (attributeName == "onload" || attributeName == "onunload")) {
        self = window.shared_from_this();
    }
    auto handler = handlerFromFunction(-1, window, self, &source);
    duk_pop(ctx_);
    return handler;
}

std::shared_ptr<ScriptHandler> ScriptEngine::handlerFromFunction(int index, Window& window,
                                                                 const std::shared_ptr<EventTarget>& self,
                                                                 const std::string* givenSource) {
    index = duk_normalize_index(ctx_, index);
    std::uint64_t id = nextHandlerId_++;
    pushStashObject(ctx_, "handlers");
    duk_dup(ctx_, index);
    duk_put_prop_string(ctx_, -2, key(id).c_str());
    duk_pop(ctx_);
    std::string source;
    if (givenSource) {
        source = *givenSource;
    } else {
        duk_dup(ctx_, index);
        source = duk_safe_to_string(ctx_, -1);
        duk_pop(ctx_);
    }
    return std::make_shared<Handler>(*this, id, window.weak_from_this(), self, source);
}

void ScriptEngine::pushHandlerFunction(const std::shared_ptr<ScriptHandler>& handler) {
    auto* ours = dynamic_cast<Handler*>(handler.get());
    if (!ours) {
        duk_push_null(ctx_);
        return;
    }
    pushStashObject(ctx_, "handlers");
    duk_get_prop_string(ctx_, -1, key(ours->id()).c_str());
    duk_remove(ctx_, -2);
}

void ScriptEngine::releaseHandler(std::uint64_t id) {
    pushStashObject(ctx_, "handlers");
    duk_del_prop_string(ctx_, -1, key(id).c_str());
    duk_pop(ctx_);
}

std::optional<bool> ScriptEngine::callFunction(Window& window, const std::shared_ptr<EventTarget>& self, Event* event,
                                               const std::string& what) {
    Scope scope(*this, window);
    if (auto node = std::dynamic_pointer_cast<Node>(self)) {
        pushNode(node);
    } else if (auto selfWindow = std::dynamic_pointer_cast<Window>(self)) {
        pushWindow(selfWindow);
    } else {
        duk_push_undefined(ctx_);
    }
    if (event) {
        activeEvents_.push_back(event);
        pushEvent(*event);
        // IE hands the event over as window.event as well.
        duk_push_global_object(ctx_);
        duk_dup(ctx_, -2);
        duk_put_prop_string(ctx_, -2, "event");
        duk_pop(ctx_);
    } else {
        duk_push_null(ctx_);
    }
    std::optional<bool> result;
    if (duk_pcall_method(ctx_, 1) != DUK_EXEC_SUCCESS) {
        logError(what + ": " + errorText(ctx_));
    } else if (duk_is_boolean(ctx_, -1)) {
        result = duk_get_boolean(ctx_, -1) != 0;
    }
    duk_pop(ctx_);
    if (event) {
        activeEvents_.pop_back();
        duk_push_global_object(ctx_);
        duk_push_null(ctx_);
        duk_put_prop_string(ctx_, -2, "event");
        duk_pop(ctx_);
    }
    return result;
}

// ---------------------------------------------------------------- document.write

void ScriptEngine::setParsingScript(const std::shared_ptr<Element>& script) {
    parsingScript_ = script;
    writeAnchor_ = script;
}

void ScriptEngine::write(Window& window, const std::string& markup) {
    auto script = parsingScript_.lock();
    auto anchor = writeAnchor_.lock();
    auto context = anchor ? anchor->parentElement() : nullptr;
    if (script && context && script->ownerDocument() == window.document()) {
        writeAnchor_ = insertMarkupAfter(*context, anchor, markup);
        return;
    }
    // Written after the page was parsed: the markup becomes a new page, as in browsers.
    browser_.loadString(window, markup, window.url());
}

// ---------------------------------------------------------------- timers

int ScriptEngine::setTimer(int index, Window& window, unsigned long delayMs) {
    int id = nextTimerId_++;
    index = duk_normalize_index(ctx_, index);
    pushStashObject(ctx_, "timers");
    duk_dup(ctx_, index);
    duk_put_prop_string(ctx_, -2, std::to_string(id).c_str());
    duk_pop(ctx_);
    std::weak_ptr<Window> weak = window.weak_from_this();
    std::weak_ptr<Document> document = window.document();
    std::weak_ptr<bool> alive = alive_;
    browser_.timers().schedule(delayMs, [this, weak, document, alive, id] {
        if (!alive.expired()) runTimer(weak.lock(), document.lock(), id);
    });
    return id;
}

void ScriptEngine::runTimer(const std::shared_ptr<Window>& window, const std::shared_ptr<Document>& document, int id) {
    std::string key = std::to_string(id);
    pushStashObject(ctx_, "timers");
    bool pending = duk_get_prop_string(ctx_, -1, key.c_str()) != 0;
    duk_del_prop_string(ctx_, -2, key.c_str());
    duk_remove(ctx_, -2);  // the callback stays on the stack
    // Cleared, or the page it belongs to is gone: nothing runs.
    if (!pending || !window || window->closed() || !document || window->document() != document) {
        duk_pop(ctx_);
        return;
    }
    if (duk_is_function(ctx_, -1)) {
        callFunction(*window, window, nullptr, "timer");
        return;
    }
    std::string code = duk_safe_to_string(ctx_, -1);
    duk_pop(ctx_);
    runScript(*window, code, "timer");
}

void ScriptEngine::clearTimer(int id) {
    pushStashObject(ctx_, "timers");
    duk_del_prop_string(ctx_, -1, std::to_string(id).c_str());
    duk_pop(ctx_);
}

// ---------------------------------------------------------------- wrappers

std::uint64_t ScriptEngine::nodeId(const std::shared_ptr<Node>& node) {
    auto found = nodeIds_.find(node.get());
    if (found != nodeIds_.end()) {
        auto known = nodes_.find(found->second);
        if (known != nodes_.end() && known->second.lock() == node) return found->second;
    }
    std::uint64_t id = nextNodeId_++;
    nodeIds_[node.get()] = id;
    nodes_[id] = node;
    return id;
}

void ScriptEngine::pushNode(const std::shared_ptr<Node>& node) {
    if (!node) {
        duk_push_null(ctx_);
        return;
    }
    std::uint64_t id = nodeId(node);
    pushStashObject(ctx_, "nodes");
    if (duk_get_prop_string(ctx_, -1, key(id).c_str())) {
        duk_remove(ctx_, -2);
        return;
    }
    duk_pop(ctx_);
    duk_push_object(ctx_);
    const char* proto = node->nodeType() == NodeType::Element ? "elementProto"
                        : node->nodeType() == NodeType::Document ? "documentProto"
                                                                 : "nodeProto";
    duk_push_heap_stash(ctx_);
    duk_get_prop_string(ctx_, -1, proto);
    duk_remove(ctx_, -2);
    duk_set_prototype(ctx_, -2);
    duk_push_number(ctx_, static_cast<double>(id));
    duk_put_prop_string(ctx_, -2, kNodeId);
    defineNamedItems(*this, node);
    duk_dup_top(ctx_);
    duk_put_prop_string(ctx_, -3, key(id).c_str());
    duk_remove(ctx_, -2);
}

std::shared_ptr<Node> ScriptEngine::nodeAt(int index) {
    if (!duk_is_object(ctx_, index)) return nullptr;
    duk_get_prop_string(ctx_, index, kNodeId);
    bool isNode = duk_is_number(ctx_, -1);
    auto id = static_cast<std::uint64_t>(duk_get_number(ctx_, -1));
    duk_pop(ctx_);
    if (!isNode) return nullptr;
    auto found = nodes_.find(id);
    return found == nodes_.end() ? nullptr : found->second.lock();
}

void ScriptEngine::forgetExpiredNodes() {
    pushStashObject(ctx_, "nodes");
    for (auto it = nodes_.begin(); it != nodes_.end();) {
        if (it->second.expired()) {
            duk_del_prop_string(ctx_, -1, key(it->first).c_str());
            it = nodes_.erase(it);
        } else {
            ++it;
        }
    }
    duk_pop(ctx_);
    for (auto it = nodeIds_.begin(); it != nodeIds_.end();) {
        it = nodes_.count(it->second) ? std::next(it) : nodeIds_.erase(it);
    }
}

void ScriptEngine::pushWindow(const std::shared_ptr<Window>& window) {
    if (!window || window->closed()) {
        duk_push_null(ctx_);
        return;
    }
    pushGlobal(*window);
}

std::shared_ptr<Window> ScriptEngine::windowAt(int index) {
    if (!duk_is_object(ctx_, index)) return nullptr;
    duk_get_prop_string(ctx_, index, kWindowId);
    bool isWindow = duk_is_number(ctx_, -1);
    int id = duk_get_int(ctx_, -1);
    duk_pop(ctx_);
    if (!isWindow) return nullptr;
    return findWindow(browser_.windows(), id);
}

std::shared_ptr<Window> ScriptEngine::currentWindow() {
    return windowStack_.empty() ? nullptr : windowStack_.back().lock();
}

void ScriptEngine::pushEvent(Event& event) {
    duk_push_object(ctx_);
    duk_push_heap_stash(ctx_);
    duk_get_prop_string(ctx_, -1, "eventProto");
    duk_remove(ctx_, -2);
    duk_set_prototype(ctx_, -2);
    duk_push_pointer(ctx_, &event);
    duk_put_prop_string(ctx_, -2, kEventPointer);
}

Event* ScriptEngine::eventAt(int index) {
    if (!duk_is_object(ctx_, index)) return nullptr;
    duk_get_prop_string(ctx_, index, kEventPointer);
    auto* event = static_cast<Event*>(duk_get_pointer(ctx_, -1));
    duk_pop(ctx_);
    // An event object kept by a script outlives its dispatch; it then reads as empty.
    for (Event* active : activeEvents_) {
        if (active == event) return event;
    }
    return nullptr;
}

}  // namespace engine
