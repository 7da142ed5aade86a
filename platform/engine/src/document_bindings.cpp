// Documents and locations as page scripts see them.
#include "binding_support.h"
#include "engine/url.h"

namespace engine::bindings {
namespace {

// ---------------------------------------------------------------- documents

enum DocumentProperty {
    kDocTitle, kDocForms, kDocImages, kDocLinks, kDocAll, kDocBody, kDocLocation, kDocUrl, kDocReadyState,
    kDocElement, kDocParentWindow, kDocDefaultView, kDocActiveElement, kDocNodeName, kDocCount
};
const char* kDocumentProperties[kDocCount] = {"title", "forms", "images", "links", "all", "body", "location",
                                              "URL", "readyState", "documentElement", "parentWindow",
                                              "defaultView", "activeElement", "nodeName"};

duk_ret_t documentGet(duk_context* ctx) {
    auto document = thisDocument(ctx);
    if (!document) return DUK_RET_TYPE_ERROR;
    auto& engine = engineOf(ctx);
    switch (duk_get_current_magic(ctx)) {
        case kDocTitle: pushString(ctx, document->title()); break;
        case kDocForms: pushElements(ctx, document->forms()); break;
        case kDocImages: pushElements(ctx, document->images()); break;
        case kDocLinks: pushElements(ctx, document->links()); break;
        case kDocAll: pushElements(ctx, document->all()); break;
        case kDocBody: engine.pushNode(document->body()); break;
        case kDocLocation: pushLocation(ctx, document->defaultView()); break;
        case kDocUrl: pushString(ctx, document->url()); break;
        case kDocReadyState: duk_push_string(ctx, readyStateName(document->readyState())); break;
        case kDocElement: engine.pushNode(document->documentElement()); break;
        case kDocParentWindow:
        case kDocDefaultView: engine.pushWindow(document->defaultView()); break;
        case kDocActiveElement: engine.pushNode(document->activeElement()); break;
        default: duk_push_string(ctx, "#document"); break;
    }
    return 1;
}

duk_ret_t documentSet(duk_context* ctx) {
    auto document = thisDocument(ctx);
    if (!document) return DUK_RET_TYPE_ERROR;
    int property = duk_get_current_magic(ctx);
    if (property == kDocTitle) {
        document->setTitle(argString(ctx, 0));
        notifyIfTitle(document);
    } else if (property == kDocLocation) {
        if (auto window = document->defaultView()) window->browser().navigate(*window, argString(ctx, 0));
    }
    return 0;
}

duk_ret_t documentGetElementById(duk_context* ctx) {
    auto document = thisDocument(ctx);
    if (!document) return DUK_RET_TYPE_ERROR;
    engineOf(ctx).pushNode(document->getElementById(argString(ctx, 0)));
    return 1;
}

duk_ret_t documentWrite(duk_context* ctx) {
    auto document = thisDocument(ctx);
    auto window = document ? document->defaultView() : nullptr;
    if (!window) return DUK_RET_TYPE_ERROR;
    std::string markup;
    for (duk_idx_t i = 0, count = duk_get_top(ctx); i < count; ++i) markup += argString(ctx, i);
    if (duk_get_current_magic(ctx)) markup += "\n";  // writeln
    engineOf(ctx).write(*window, markup);
    return 0;
}

duk_ret_t documentGetElementsByName(duk_context* ctx) {
    auto document = thisDocument(ctx);
    if (!document) return DUK_RET_TYPE_ERROR;
    pushElements(ctx, document->getElementsByName(argString(ctx, 0)));
    return 1;
}

// ---------------------------------------------------------------- location

std::shared_ptr<Window> locationWindow(duk_context* ctx) {
    duk_push_this(ctx);
    auto window = engineOf(ctx).windowAt(-1);
    duk_pop(ctx);
    return window;
}

}  // namespace

void pushLocation(duk_context* ctx, const std::shared_ptr<Window>& window) {
    if (!window) {
        duk_push_null(ctx);
        return;
    }
    duk_push_object(ctx);
    duk_push_heap_stash(ctx);
    duk_get_prop_string(ctx, -1, "locationProto");
    duk_remove(ctx, -2);
    duk_set_prototype(ctx, -2);
    duk_push_int(ctx, window->id());
    duk_put_prop_string(ctx, -2, kWindowId);
}

namespace {

enum LocationProperty { kLocHref, kLocProtocol, kLocPathname, kLocSearch, kLocHash, kLocCount };
const char* kLocationProperties[kLocCount] = {"href", "protocol", "pathname", "search", "hash"};

duk_ret_t locationGet(duk_context* ctx) {
    auto window = locationWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    std::string address = window->url();
    auto hash = address.find('#');
    std::string fragment = hash == std::string::npos ? std::string() : address.substr(hash);
    std::string rest = url::withoutFragment(address);
    auto question = rest.find('?');
    std::string search = question == std::string::npos ? std::string() : rest.substr(question);
    switch (duk_get_current_magic(ctx)) {
        case kLocHref: pushString(ctx, address); break;
        case kLocProtocol: pushString(ctx, url::scheme(address) + ":"); break;
        case kLocPathname: pushString(ctx, url::toPath(rest.substr(0, question)).value_or("")); break;
        case kLocSearch: pushString(ctx, search); break;
        default: pushString(ctx, fragment); break;
    }
    return 1;
}

duk_ret_t locationSetHref(duk_context* ctx) {
    auto window = locationWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    window->browser().navigate(*window, argString(ctx, 0));
    return 0;
}

duk_ret_t locationReload(duk_context* ctx) {
    auto window = locationWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    window->browser().reload(*window);
    return 0;
}

duk_ret_t locationToString(duk_context* ctx) {
    auto window = locationWindow(ctx);
    if (!window) return DUK_RET_TYPE_ERROR;
    pushString(ctx, window->url());
    return 1;
}

}  // namespace

void installDocumentPrototypes(duk_context* ctx) {
    pushNodeBasedPrototype(ctx);
    defineNodeFactories(ctx, -1);
    for (int i = 0; i < kDocCount; ++i) {
        bool writable = i == kDocTitle || i == kDocLocation;
        defineAccessor(ctx, -1, kDocumentProperties[i], documentGet, writable ? documentSet : nullptr, i);
    }
    defineHandlerProperties(ctx, -1);
    defineMethod(ctx, -1, "getElementById", documentGetElementById, 1);
    defineMethod(ctx, -1, "getElementsByName", documentGetElementsByName, 1);
    defineMethod(ctx, -1, "write", documentWrite, DUK_VARARGS);
    defineMethod(ctx, -1, "writeln", documentWrite, DUK_VARARGS);
    duk_get_prop_string(ctx, -1, "writeln");
    duk_set_magic(ctx, -1, 1);
    duk_pop(ctx);
    defineMethod(ctx, -1, "getElementsByTagName", nodeGetElementsByTagName, 1);
    storePrototype(ctx, "documentProto");

    duk_push_object(ctx);
    for (int i = 0; i < kLocCount; ++i) {
        defineAccessor(ctx, -1, kLocationProperties[i], locationGet, i == kLocHref ? locationSetHref : nullptr, i);
    }
    defineMethod(ctx, -1, "assign", locationSetHref, 1);
    defineMethod(ctx, -1, "replace", locationSetHref, 1);
    defineMethod(ctx, -1, "reload", locationReload, 0);
    defineMethod(ctx, -1, "toString", locationToString, 0);
    storePrototype(ctx, "locationProto");

}

}  // namespace engine::bindings
