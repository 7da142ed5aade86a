// Page scripts: one Duktape heap per browser, used only on the browser thread. Each
// window's document gets its own global object (the window), with the DOM reached
// through wrapper objects whose properties read and write the engine's live state.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/script_handler.h"

struct duk_hthread;
typedef struct duk_hthread duk_context;

namespace engine {

class Browser;
class Document;
class Element;
class EventTarget;
class Node;
class Window;
struct Event;

class ScriptEngine {
public:
    explicit ScriptEngine(Browser& browser);
    ~ScriptEngine();
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    // Runs a script block in `window`'s global scope; errors go to the browser's log.
    void runScript(Window& window, const std::string& source, const std::string& origin);
    // Evaluates an expression and returns its value as text ("" after an error).
    std::string evaluate(Window& window, const std::string& source);
    // Compiles an inline handler attribute (`attributeName` "onclick") of `element`;
    // none when it does not compile (logged).
    std::shared_ptr<ScriptHandler> compileHandler(Window& window, const std::shared_ptr<Element>& element,
                                                  const std::string& attributeName, const std::string& source);
    // The window's document went away: its globals go with it.
    void documentReplaced(Window& window);
    void windowClosed(Window& window);

    // --- used by the bindings
    Browser& browser() { return browser_; }
    duk_context* context() { return ctx_; }
    void pushNode(const std::shared_ptr<Node>& node);
    std::shared_ptr<Node> nodeAt(int index);         // the node a wrapper on the stack stands for
    void pushWindow(const std::shared_ptr<Window>& window);
    std::shared_ptr<Window> windowAt(int index);     // the window a global object stands for
    std::shared_ptr<Window> currentWindow();         // the window whose script runs now
    void pushEvent(Event& event);
    Event* eventAt(int index);
    // Calls the function on the stack top with `self` as this and the event as argument;
    // pops it. Returns the boolean it returned, if it did.
    std::optional<bool> callFunction(Window& window, const std::shared_ptr<EventTarget>& self, Event* event,
                                     const std::string& what);
    // Wraps the JS function at `index` as a handler bound to `self` in `window`.
    // `source` names the handler's text; by default the function's own.
    std::shared_ptr<ScriptHandler> handlerFromFunction(int index, Window& window, const std::shared_ptr<EventTarget>& self,
                                                       const std::string* source = nullptr);
    // Pushes the JS function behind a handler, or null when it is not one of ours.
    void pushHandlerFunction(const std::shared_ptr<ScriptHandler>& handler);
    void logError(const std::string& what);
    // Keeps a node a script made or took out of the tree alive with the page of the
    // script that did it (the engine's wrappers only watch nodes).
    void keepCreated(const std::shared_ptr<Node>& node);
    // The SCRIPT element running while the page is parsed: document.write puts its
    // markup after it (and after what it wrote before).
    void setParsingScript(const std::shared_ptr<Element>& script);
    void write(Window& window, const std::string& markup);
    // setTimeout: the function or code at `index` runs in `window` after `delayMs`
    // unless cleared or the window shows another document by then. Returns its id.
    int setTimer(int index, Window& window, unsigned long delayMs);
    void clearTimer(int id);
    void runTimer(const std::shared_ptr<Window>& window, const std::shared_ptr<Document>& document, int id);
    void releaseHandler(std::uint64_t id);

private:
    class Handler;
    struct Scope;
    void pushGlobal(Window& window);  // makes the window's global on first use
    std::uint64_t nodeId(const std::shared_ptr<Node>& node);
    void forgetExpiredNodes();

    Browser& browser_;
    duk_context* ctx_ = nullptr;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::unordered_map<std::uint64_t, std::weak_ptr<Node>> nodes_;
    std::unordered_map<const Node*, std::uint64_t> nodeIds_;
    std::uint64_t nextNodeId_ = 1;
    std::uint64_t nextHandlerId_ = 1;
    int nextTimerId_ = 1;
    std::vector<std::weak_ptr<Window>> windowStack_;
    std::vector<Event*> activeEvents_;
    std::weak_ptr<Element> parsingScript_;
    std::map<int, std::vector<std::shared_ptr<Node>>> created_;  // by window id
    std::weak_ptr<Node> writeAnchor_;
};

// Builds the prototypes and global functions (script_bindings.cpp).
void installBindings(ScriptEngine& engine);
void installWindowGlobals(ScriptEngine& engine, Window& window);
// Gives a new document or form wrapper (on the stack top) its named members:
// document.formName, form.fieldName, as the browsers of the time did.
void defineNamedItems(ScriptEngine& engine, const std::shared_ptr<Node>& node);

}  // namespace engine
