// Windows (the global object of each page) and events as page scripts see them.
#include <cmath>

#include "binding_support.h"

namespace engine {
namespace bindings {
namespace {

// ---------------------------------------------------------------- events

enum EventProperty {
    kEvType, kEvSrcElement, kEvTarget, kEvButton, kEvKeyCode, kEvAltKey, kEvShiftKey, kEvCtrlKey,
    kEvFromElement, kEvToElement, kEvRelatedTarget, kEvPropertyName, kEvReturnValue, kEvCancelBubble,
    kEvDefaultPrevented, kEvCount
};
const char* kEventProperties[kEvCount] = {"type", "srcElement", "target", "button", "keyCode", "altKey",
                                          "shiftKey", "ctrlKey", "fromElement", "toElement", "relatedTarget",
                                          "propertyName", "returnValue", "cancelBubble", "defaultPrevented"};

Event* thisEvent(duk_context* ctx) {
    duk_push_this(ctx);
    Event* event = engineOf(ctx).eventAt(-1);
    duk_pop(ctx);
    return event;
}

duk_ret_t eventGet(duk_context* ctx) {
    Event* event = thisEvent(ctx);
    if (!event) {
        duk_push_undefined(ctx);
        return 1;
    }
    auto& engine = engineOf(ctx);
    bool ie = engine.browser().dialect() == Dialect::InternetExplorer;
    switch (duk_get_current_magic(ctx)) {
        case kEvType: pushString(ctx, event->type); break;
        case kEvSrcElement:
        case kEvTarget: engine.pushNode(event->target); break;
        case kEvButton: duk_push_int(ctx, ie ? event->ieButton() : event->domButton()); break;
        case kEvKeyCode: duk_push_int(ctx, event->keyCode); break;
        case kEvAltKey: duk_push_boolean(ctx, event->altKey); break;
        case kEvShiftKey: duk_push_boolean(ctx, event->shiftKey); break;
        case kEvCtrlKey: duk_push_boolean(ctx, event->ctrlKey); break;
        case kEvFromElement: engine.pushNode(event->fromElement()); break;
        case kEvToElement: engine.pushNode(event->toElement()); break;
        case kEvRelatedTarget: engine.pushNode(event->relatedTarget); break;
        case kEvPropertyName: pushString(ctx, event->propertyName); break;
        case kEvReturnValue: duk_push_boolean(ctx, !event->defaultPrevented); break;
        case kEvCancelBubble: duk_push_boolean(ctx, event->propagationStopped); break;
        default: duk_push_boolean(ctx, event->defaultPrevented); break;
    }
    return 1;
}

duk_ret_t eventSet(duk_context* ctx) {
    Event* event = thisEvent(ctx);
    if (!event) return 0;
    int property = duk_get_current_magic(ctx);
    if (property == kEvReturnValue && !duk_to_boolean(ctx, 0)) event->preventDefault();
    if (property == kEvCancelBubble && duk_to_boolean(ctx, 0)) event->stopPropagation();
    return 0;
}

duk_ret_t eventPreventDefault(duk_context* ctx) {
    if (Event* event = thisEvent(ctx)) event->preventDefault();
    return 0;
}

duk_ret_t eventStopPropagation(duk_context* ctx) {
    if (Event* event = thisEvent(ctx)) event->stopPropagation();
    return 0;
}

// ---------------------------------------------------------------- windows

enum WindowProperty {
    kWinDocument, kWinLocation, kWinName, kWinParent, kWinTop, kWinSelf, kWinWindow, kWinOpener, kWinFrames,
    kWinClosed, kWinLength, kWinCount
};
const char* kWindowProperties[kWinCount] = {"document", "location", "name", "parent", "top", "self",
                                            "window", "opener", "frames", "closed", "length"};

duk_ret_t windowGet(duk_context* ctx) {
    auto window = thisWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    auto& engine = engineOf(ctx);
    switch (duk_get_current_magic(ctx)) {
        case kWinDocument: engine.pushNode(window->document()); break;
        case kWinLocation: pushLocation(ctx, window); break;
        case kWinName: pushString(ctx, window->name()); break;
        case kWinParent: engine.pushWindow(window->parent()); break;
        case kWinTop: engine.pushWindow(window->top()); break;
        case kWinOpener: engine.pushWindow(window->opener()); break;
        case kWinFrames: {
            duk_push_array(ctx);
            const auto& frames = window->frames();
            for (std::size_t i = 0; i < frames.size(); ++i) {
                engine.pushWindow(frames[i]);
                duk_put_prop_index(ctx, -2, static_cast<duk_uarridx_t>(i));
            }
            for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
                if ((*it)->name().empty()) continue;
                engine.pushWindow(*it);
                duk_put_prop_string(ctx, -2, (*it)->name().c_str());
            }
            break;
        }
        case kWinClosed: duk_push_boolean(ctx, window->closed()); break;
        case kWinLength: duk_push_uint(ctx, static_cast<duk_uint_t>(window->frames().size())); break;
        default: engine.pushWindow(window); break;
    }
    return 1;
}

duk_ret_t windowSet(duk_context* ctx) {
    auto window = thisWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    int property = duk_get_current_magic(ctx);
    if (property == kWinName) window->setName(argString(ctx, 0));
    if (property == kWinLocation) window->browser().navigate(*window, argString(ctx, 0));
    return 0;
}

duk_ret_t windowAlert(duk_context* ctx) {
    auto window = thisWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    // A browser that is ending stops a script that still raises dialogs.
    if (window->browser().closing()) return DUK_RET_ERROR;
    std::string message = argString(ctx, 0);
    window->browser().runDialog(DialogKind::Alert, message, {}, window);
    return 0;
}

duk_ret_t windowConfirm(duk_context* ctx) {
    auto window = thisWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    // A browser that is ending stops a script that still raises dialogs.
    if (window->browser().closing()) return DUK_RET_ERROR;
    std::string message = argString(ctx, 0);
    bool accepted = window->browser().runDialog(DialogKind::Confirm, message, {}, window)->accepted();
    duk_push_boolean(ctx, accepted);
    return 1;
}

duk_ret_t windowPrompt(duk_context* ctx) {
    auto window = thisWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    // A browser that is ending stops a script that still raises dialogs.
    if (window->browser().closing()) return DUK_RET_ERROR;
    std::string message = argString(ctx, 0);
    std::string defaultText = duk_is_undefined(ctx, 1) ? std::string() : argString(ctx, 1);
    auto dialog = window->browser().runDialog(DialogKind::Prompt, message, defaultText, window);
    if (dialog->accepted()) {
        pushString(ctx, dialog->text());
    } else {
        duk_push_null(ctx);
    }
    return 1;
}

duk_ret_t windowOpen(duk_context* ctx) {
    auto window = thisWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    std::string address = argString(ctx, 0);
    std::string name = argString(ctx, 1);
    auto opened = window->browser().openFromPage(*window, address, name.empty() ? std::string("_blank") : name);
    engineOf(ctx).pushWindow(opened);
    return 1;
}

duk_ret_t windowClose(duk_context* ctx) {
    auto window = thisWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    auto top = window->top();
    if (!top->isTopLevel()) return 0;
    // The script that asks is still running in the window: close it afterwards.
    std::weak_ptr<Window> weak = top;
    Browser& browser = top->browser();
    browser.thread().post([&browser, weak] {
        if (auto closing = weak.lock()) browser.closeWindow(*closing);
    });
    return 0;
}

duk_ret_t windowSetTimeout(duk_context* ctx) {
    auto window = thisWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    double delay = duk_is_number(ctx, 1) ? duk_get_number(ctx, 1) : 0;
    if (!std::isfinite(delay) || delay < 0) delay = 0;
    if (delay > 2147483647.0) delay = 2147483647.0;
    duk_push_int(ctx, engineOf(ctx).setTimer(0, *window, static_cast<unsigned long>(delay)));
    return 1;
}

duk_ret_t windowClearTimeout(duk_context* ctx) {
    if (duk_is_number(ctx, 0)) engineOf(ctx).clearTimer(duk_get_int(ctx, 0));
    return 0;
}

}  // namespace

void installEventPrototype(duk_context* ctx) {
    duk_push_object(ctx);
    for (int i = 0; i < kEvCount; ++i) {
        bool writable = i == kEvReturnValue || i == kEvCancelBubble;
        defineAccessor(ctx, -1, kEventProperties[i], eventGet, writable ? eventSet : nullptr, i);
    }
    defineMethod(ctx, -1, "preventDefault", eventPreventDefault, 0);
    defineMethod(ctx, -1, "stopPropagation", eventStopPropagation, 0);
    storePrototype(ctx, "eventProto");
}

}  // namespace bindings

void installWindowGlobals(ScriptEngine& engine, Window& window) {
    (void)window;
    using namespace bindings;
    duk_context* ctx = engine.context();
    // The global object is on the stack top.
    for (int i = 0; i < kWinCount; ++i) {
        bool writable = i == kWinName || i == kWinLocation;
        defineAccessor(ctx, -1, kWindowProperties[i], windowGet, writable ? windowSet : nullptr, i);
    }
    defineHandlerProperties(ctx, -1);
    defineMethod(ctx, -1, "alert", windowAlert, 1);
    defineMethod(ctx, -1, "confirm", windowConfirm, 1);
    defineMethod(ctx, -1, "prompt", windowPrompt, 2);
    defineMethod(ctx, -1, "open", windowOpen, 3);
    defineMethod(ctx, -1, "close", windowClose, 0);
    defineMethod(ctx, -1, "setTimeout", windowSetTimeout, 2);
    defineMethod(ctx, -1, "clearTimeout", windowClearTimeout, 1);
    duk_push_null(ctx);
    duk_put_prop_string(ctx, -2, "event");
}

}  // namespace engine
