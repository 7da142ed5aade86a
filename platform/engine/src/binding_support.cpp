// Event handler properties (onclick ...), shared by elements, documents and windows.
#include "binding_support.h"

namespace engine::bindings {
namespace {

// ---------------------------------------------------------------- event handler properties

const char* kHandlerEvents[] = {"click", "dblclick", "mousedown", "mouseup", "mouseover", "mouseout",
                                "keydown", "keypress", "keyup", "change", "focus", "blur", "submit",
                                "reset", "load", "unload", "select", "propertychange"};

std::shared_ptr<EventTarget> thisTarget(duk_context* ctx) {
    if (auto node = thisNode(ctx)) return node;
    duk_push_this(ctx);
    auto window = engineOf(ctx).windowAt(-1);
    duk_pop(ctx);
    return window;
}

duk_ret_t handlerGet(duk_context* ctx) {
    auto target = thisTarget(ctx);
    if (!target) return DUK_RET_TYPE_ERROR;
    engineOf(ctx).pushHandlerFunction(target->handler(kHandlerEvents[duk_get_current_magic(ctx)]));
    return 1;
}

duk_ret_t handlerSet(duk_context* ctx) {
    auto target = thisTarget(ctx);
    if (!target) return DUK_RET_TYPE_ERROR;
    std::string type = kHandlerEvents[duk_get_current_magic(ctx)];
    auto& engine = engineOf(ctx);
    if (duk_is_function(ctx, 0)) {
        std::shared_ptr<Window> window;
        if (auto node = std::dynamic_pointer_cast<Node>(target)) {
            auto document = node->ownerDocument();
            window = document ? document->defaultView() : nullptr;
        } else {
            window = std::dynamic_pointer_cast<Window>(target);
        }
        if (!window) window = engine.currentWindow();
        if (!window) return DUK_RET_TYPE_ERROR;
        target->setHandler(type, engine.handlerFromFunction(0, *window, target));
    } else {
        target->setHandler(type, nullptr);
        if (auto element = std::dynamic_pointer_cast<Element>(target)) element->removeAttribute("on" + type);
    }
    return 0;
}

}  // namespace

void defineHandlerProperties(duk_context* ctx, duk_idx_t object) {
    for (int i = 0; i < static_cast<int>(std::size(kHandlerEvents)); ++i) {
        std::string name = std::string("on") + kHandlerEvents[i];
        defineAccessor(ctx, object, name.c_str(), handlerGet, handlerSet, i);
    }
}

duk_ret_t nodeGetElementsByTagName(duk_context* ctx) {
    auto node = thisNode(ctx);
    if (!node) return DUK_RET_TYPE_ERROR;
    std::string tag = argString(ctx, 0);
    if (auto document = std::dynamic_pointer_cast<Document>(node)) {
        pushElements(ctx, document->getElementsByTagName(tag));
    } else {
        pushElements(ctx, std::static_pointer_cast<Element>(node)->getElementsByTagName(tag));
    }
    return 1;
}

}  // namespace engine::bindings
