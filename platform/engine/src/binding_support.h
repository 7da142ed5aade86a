// What the script bindings share: reaching the engine and the objects a native
// function was called on, converting values, defining accessors and methods.
//
// Duktape reports script errors by unwinding with longjmp, so the native functions
// here only call API functions that cannot throw while C++ objects are alive (safe
// string conversion, pushes), and report misuse by returning an error code.
#pragma once

#include <duktape.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "engine/browser.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/window.h"
#include "script_engine.h"

namespace engine::bindings {

inline const char* const kWindowId = DUK_HIDDEN_SYMBOL("window");
inline const char* const kNodeId = DUK_HIDDEN_SYMBOL("node");
inline const char* const kRuntime = DUK_HIDDEN_SYMBOL("runtime");

inline ScriptEngine& engineOf(duk_context* ctx) {
    duk_memory_functions functions;
    duk_get_memory_functions(ctx, &functions);
    return *static_cast<ScriptEngine*>(functions.udata);
}

inline std::string argString(duk_context* ctx, duk_idx_t index) {
    if (duk_is_undefined(ctx, index) || duk_is_null(ctx, index)) return {};
    return duk_safe_to_string(ctx, index);
}

inline void pushString(duk_context* ctx, const std::string& text) { duk_push_lstring(ctx, text.data(), text.size()); }

inline std::shared_ptr<Node> thisNode(duk_context* ctx) {
    duk_push_this(ctx);
    auto node = engineOf(ctx).nodeAt(-1);
    duk_pop(ctx);
    return node;
}

inline std::shared_ptr<Element> thisElement(duk_context* ctx) { return std::dynamic_pointer_cast<Element>(thisNode(ctx)); }
inline std::shared_ptr<Document> thisDocument(duk_context* ctx) { return std::dynamic_pointer_cast<Document>(thisNode(ctx)); }

// The window a global-object accessor or function was called on; the window whose
// script is running when called without one (a bare alert()).
inline std::shared_ptr<Window> thisWindow(duk_context* ctx) {
    duk_push_this(ctx);
    auto window = engineOf(ctx).windowAt(-1);
    duk_pop(ctx);
    return window ? window : engineOf(ctx).currentWindow();
}

// An array of element wrappers that also answers to its members' names and ids.
inline void pushElements(duk_context* ctx, const std::vector<std::shared_ptr<Element>>& elements) {
    auto& engine = engineOf(ctx);
    duk_push_array(ctx);
    for (std::size_t i = 0; i < elements.size(); ++i) {
        engine.pushNode(elements[i]);
        duk_put_prop_index(ctx, -2, static_cast<duk_uarridx_t>(i));
    }
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {  // the first of a name wins
        for (const std::string& key : {(*it)->id(), (*it)->name()}) {
            if (key.empty() || key == "length" || std::isdigit(static_cast<unsigned char>(key[0]))) continue;
            engine.pushNode(*it);
            duk_put_prop_lstring(ctx, -2, key.data(), key.size());
        }
    }
}

inline void defineAccessor(duk_context* ctx, duk_idx_t object, const char* name, duk_c_function getter,
                    duk_c_function setter, int magic) {
    object = duk_normalize_index(ctx, object);
    duk_push_string(ctx, name);
    duk_push_c_function(ctx, getter, 0);
    duk_set_magic(ctx, -1, magic);
    duk_uint_t flags = DUK_DEFPROP_HAVE_GETTER | DUK_DEFPROP_SET_CONFIGURABLE;
    if (setter) {
        duk_push_c_function(ctx, setter, 1);
        duk_set_magic(ctx, -1, magic);
        flags |= DUK_DEFPROP_HAVE_SETTER;
    }
    duk_def_prop(ctx, object, flags);
}

inline void defineMethod(duk_context* ctx, duk_idx_t object, const char* name, duk_c_function function, duk_idx_t args) {
    object = duk_normalize_index(ctx, object);
    duk_push_c_function(ctx, function, args);
    duk_put_prop_string(ctx, object, name);
}

inline void notifyIfTitle(const std::shared_ptr<Document>& document) {
    if (auto window = document ? document->defaultView() : nullptr) window->browser().notifyTitleChange(*window);
}

inline void storePrototype(duk_context* ctx, const char* name) {
    duk_push_heap_stash(ctx);
    duk_dup(ctx, -2);
    duk_put_prop_string(ctx, -2, name);
    duk_pop_2(ctx);
}

// onclick, onmouseover ... on an element, document or window prototype at `object`.
void defineHandlerProperties(duk_context* ctx, duk_idx_t object);
// getElementsByTagName of a document or an element (`this`).
duk_ret_t nodeGetElementsByTagName(duk_context* ctx);
// A location object for `window` (document_bindings.cpp).
void pushLocation(duk_context* ctx, const std::shared_ptr<Window>& window);

// The prototypes of each family, stored in the heap stash under their names.
void installNodePrototype(duk_context* ctx);       // nodeProto: must come first
// A new prototype object that inherits what every node has.
void pushNodeBasedPrototype(duk_context* ctx);
// document.createElement and createTextNode on the prototype at `object`.
void defineNodeFactories(duk_context* ctx, duk_idx_t object);
void installElementPrototypes(duk_context* ctx);   // elementProto, styleProto
void installDocumentPrototypes(duk_context* ctx);  // documentProto, locationProto
void installEventPrototype(duk_context* ctx);      // eventProto

}  // namespace engine::bindings
