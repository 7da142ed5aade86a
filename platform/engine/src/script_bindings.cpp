// The DOM as page scripts see it: prototypes whose accessors read and write the
// engine's live state, and the window's globals.
//
// Duktape reports script errors by unwinding with longjmp, so the native functions
// below only call API functions that cannot throw while C++ objects are alive
// (safe string conversion, pushes), and report misuse by returning an error code.
#include <duktape.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/actions.h"
#include "engine/browser.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/url.h"
#include "engine/window.h"
#include "html_parser.h"
#include "script_engine.h"

namespace engine {
namespace {

const char* kWindowId = DUK_HIDDEN_SYMBOL("window");
const char* kNodeId = DUK_HIDDEN_SYMBOL("node");
const char* kRuntime = DUK_HIDDEN_SYMBOL("runtime");

ScriptEngine& engineOf(duk_context* ctx) {
    duk_memory_functions functions;
    duk_get_memory_functions(ctx, &functions);
    return *static_cast<ScriptEngine*>(functions.udata);
}

std::string argString(duk_context* ctx, duk_idx_t index) {
    if (duk_is_undefined(ctx, index) || duk_is_null(ctx, index)) return {};
    return duk_safe_to_string(ctx, index);
}

void pushString(duk_context* ctx, const std::string& text) { duk_push_lstring(ctx, text.data(), text.size()); }

std::shared_ptr<Node> thisNode(duk_context* ctx) {
    duk_push_this(ctx);
    auto node = engineOf(ctx).nodeAt(-1);
    duk_pop(ctx);
    return node;
}

std::shared_ptr<Element> thisElement(duk_context* ctx) { return std::dynamic_pointer_cast<Element>(thisNode(ctx)); }
std::shared_ptr<Document> thisDocument(duk_context* ctx) { return std::dynamic_pointer_cast<Document>(thisNode(ctx)); }

// The window a global-object accessor or function was called on; the window whose
// script is running when called without one (a bare alert()).
std::shared_ptr<Window> thisWindow(duk_context* ctx) {
    duk_push_this(ctx);
    auto window = engineOf(ctx).windowAt(-1);
    duk_pop(ctx);
    return window ? window : engineOf(ctx).currentWindow();
}

// An array of element wrappers that also answers to its members' names and ids.
void pushElements(duk_context* ctx, const std::vector<std::shared_ptr<Element>>& elements) {
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

void defineAccessor(duk_context* ctx, duk_idx_t object, const char* name, duk_c_function getter,
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

void defineMethod(duk_context* ctx, duk_idx_t object, const char* name, duk_c_function function, duk_idx_t args) {
    object = duk_normalize_index(ctx, object);
    duk_push_c_function(ctx, function, args);
    duk_put_prop_string(ctx, object, name);
}

void notifyIfTitle(const std::shared_ptr<Document>& document) {
    if (auto window = document ? document->defaultView() : nullptr) window->browser().notifyTitleChange(*window);
}

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

void defineHandlerProperties(duk_context* ctx, duk_idx_t object) {
    for (int i = 0; i < static_cast<int>(std::size(kHandlerEvents)); ++i) {
        std::string name = std::string("on") + kHandlerEvents[i];
        defineAccessor(ctx, object, name.c_str(), handlerGet, handlerSet, i);
    }
}

// ---------------------------------------------------------------- elements

enum ElementProperty {
    kId, kNameProp, kValue, kDefaultValue, kChecked, kDefaultChecked, kSelected, kDefaultSelected, kDisabled,
    kType, kSrc, kHref, kTarget, kAlt, kTitle, kCoords, kAlign, kVAlign, kColSpan, kRowSpan, kTagName,
    kNodeName, kInnerText, kTextContent, kInnerHtml, kOuterHtml, kClassName, kSelectedIndex, kLength, kText,
    kIndex, kForm, kOptions, kElements, kRows, kCells, kRowIndex, kCellIndex, kParentNode, kParentElement,
    kChildren, kStyle, kRuntimeStyle, kSourceIndex, kMultiple, kAreas, kContentWindow, kOwnerDocument,
    kAction, kMethod, kStatus, kCount
};

struct PropertyInfo {
    const char* name;
    bool writable;
};

const PropertyInfo kElementProperties[kCount] = {
    {"id", true}, {"name", true}, {"value", true}, {"defaultValue", true}, {"checked", true},
    {"defaultChecked", true}, {"selected", true}, {"defaultSelected", true}, {"disabled", true},
    {"type", false}, {"src", true}, {"href", true}, {"target", true}, {"alt", true}, {"title", true},
    {"coords", true}, {"align", true}, {"vAlign", true}, {"colSpan", true}, {"rowSpan", true},
    {"tagName", false}, {"nodeName", false}, {"innerText", true}, {"textContent", true},
    {"innerHTML", true}, {"outerHTML", false}, {"className", true}, {"selectedIndex", true},
    {"length", false}, {"text", false}, {"index", false}, {"form", false}, {"options", false},
    {"elements", false}, {"rows", false}, {"cells", false}, {"rowIndex", false}, {"cellIndex", false},
    {"parentNode", false}, {"parentElement", false}, {"children", false}, {"style", false},
    {"runtimeStyle", false}, {"sourceIndex", false}, {"multiple", true}, {"areas", false},
    {"contentWindow", false}, {"ownerDocument", false}, {"action", true}, {"method", true},
    {"status", true}};

// Attribute a reflected property stands for.
const char* reflectedAttribute(int property) {
    switch (property) {
        case kId: return "id";
        case kNameProp: return "name";
        case kTarget: return "target";
        case kAlt: return "alt";
        case kTitle: return "title";
        case kCoords: return "coords";
        case kAlign: return "align";
        case kVAlign: return "valign";
        case kClassName: return "class";
        case kSrc: return "src";
        case kHref: return "href";
        case kColSpan: return "colspan";
        case kRowSpan: return "rowspan";
        case kAction: return "action";
        case kMethod: return "method";
        default: return nullptr;
    }
}

void pushStyle(duk_context* ctx, const std::shared_ptr<Element>& element, bool runtime) {
    duk_push_object(ctx);
    duk_push_heap_stash(ctx);
    duk_get_prop_string(ctx, -1, "styleProto");
    duk_remove(ctx, -2);
    duk_set_prototype(ctx, -2);
    engineOf(ctx).pushNode(element);
    duk_get_prop_string(ctx, -1, kNodeId);
    duk_remove(ctx, -2);
    duk_put_prop_string(ctx, -2, kNodeId);
    duk_push_boolean(ctx, runtime);
    duk_put_prop_string(ctx, -2, kRuntime);
}

duk_ret_t elementGet(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element) return DUK_RET_TYPE_ERROR;
    auto& engine = engineOf(ctx);
    int property = duk_get_current_magic(ctx);
    switch (property) {
        case kValue: pushString(ctx, element->value()); break;
        case kDefaultValue: pushString(ctx, element->defaultValue()); break;
        case kChecked:
        case kStatus: duk_push_boolean(ctx, element->checked()); break;
        case kDefaultChecked: duk_push_boolean(ctx, element->defaultChecked()); break;
        case kSelected: duk_push_boolean(ctx, element->selected()); break;
        case kDefaultSelected: duk_push_boolean(ctx, element->defaultSelected()); break;
        case kDisabled: duk_push_boolean(ctx, element->disabled()); break;
        case kMultiple: duk_push_boolean(ctx, element->multiple()); break;
        case kType: pushString(ctx, element->type()); break;
        case kSrc: pushString(ctx, element->src()); break;
        case kHref: pushString(ctx, element->href()); break;
        case kColSpan: duk_push_int(ctx, element->colSpan()); break;
        case kRowSpan: duk_push_int(ctx, element->rowSpan()); break;
        case kTagName:
        case kNodeName: pushString(ctx, element->tagName()); break;
        case kInnerText: pushString(ctx, element->innerText()); break;
        case kTextContent: pushString(ctx, element->textContent()); break;
        case kInnerHtml: pushString(ctx, element->innerHtml()); break;
        case kOuterHtml: pushString(ctx, element->outerHtml()); break;
        case kSelectedIndex: duk_push_int(ctx, element->selectedIndex()); break;
        case kLength:
            duk_push_uint(ctx, static_cast<duk_uint_t>(element->is("FORM") ? element->elements().size()
                                                                           : element->options().size()));
            break;
        case kText: pushString(ctx, element->text()); break;
        case kIndex: duk_push_int(ctx, element->index()); break;
        case kForm: engine.pushNode(element->form()); break;
        case kOptions: pushElements(ctx, element->options()); break;
        case kElements: pushElements(ctx, element->elements()); break;
        case kRows: pushElements(ctx, element->rows()); break;
        case kCells: pushElements(ctx, element->cells()); break;
        case kRowIndex: duk_push_int(ctx, element->rowIndex()); break;
        case kCellIndex: duk_push_int(ctx, element->cellIndex()); break;
        case kParentNode: engine.pushNode(element->parentNode()); break;
        case kParentElement: engine.pushNode(element->parentElement()); break;
        case kChildren: {
            std::vector<std::shared_ptr<Element>> children;
            for (const auto& child : element->childNodes()) {
                if (child->nodeType() == NodeType::Element) children.push_back(std::static_pointer_cast<Element>(child));
            }
            pushElements(ctx, children);
            break;
        }
        case kStyle: pushStyle(ctx, element, false); break;
        case kRuntimeStyle: pushStyle(ctx, element, true); break;
        case kSourceIndex: duk_push_int(ctx, element->sourceIndex()); break;
        case kAreas: pushElements(ctx, element->areas()); break;
        case kContentWindow: engine.pushWindow(element->contentWindow()); break;
        case kOwnerDocument: engine.pushNode(element->ownerDocument()); break;
        default: pushString(ctx, element->attribute(reflectedAttribute(property)).value_or("")); break;
    }
    return 1;
}

duk_ret_t elementSet(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element) return DUK_RET_TYPE_ERROR;
    int property = duk_get_current_magic(ctx);
    std::string changed = kElementProperties[property].name;
    switch (property) {
        case kValue: element->setValue(argString(ctx, 0)); break;
        case kDefaultValue: element->setDefaultValue(argString(ctx, 0)); break;
        case kChecked:
        case kStatus: element->setChecked(duk_to_boolean(ctx, 0)); break;
        case kDefaultChecked: element->setDefaultChecked(duk_to_boolean(ctx, 0)); break;
        case kSelected: element->setSelected(duk_to_boolean(ctx, 0)); break;
        case kDefaultSelected: element->setDefaultSelected(duk_to_boolean(ctx, 0)); break;
        case kDisabled: element->setDisabled(duk_to_boolean(ctx, 0)); break;
        case kMultiple:
            if (duk_to_boolean(ctx, 0)) {
                element->setAttribute("multiple", "");
            } else {
                element->removeAttribute("multiple");
            }
            break;
        case kSelectedIndex: {
            double index = duk_is_number(ctx, 0) ? duk_get_number(ctx, 0) : -1;
            element->setSelectedIndex(std::isfinite(index) ? static_cast<int>(index) : -1);
            break;
        }
        case kInnerHtml: replaceContent(*element, argString(ctx, 0)); break;
        case kInnerText:
        case kTextContent: {
            std::string text = argString(ctx, 0);
            while (!element->childNodes().empty()) element->removeChild(element->childNodes().front());
            element->appendChild(std::make_shared<TextNode>(text));
            break;
        }
        default:
            if (const char* attribute = reflectedAttribute(property)) element->setAttribute(attribute, argString(ctx, 0));
            break;
    }
    actions::propertyChanged(element, changed);
    return 0;
}

duk_ret_t elementGetAttribute(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element) return DUK_RET_TYPE_ERROR;
    auto value = element->attribute(argString(ctx, 0));
    if (value) {
        pushString(ctx, *value);
    } else {
        duk_push_null(ctx);
    }
    return 1;
}

duk_ret_t elementSetAttribute(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element) return DUK_RET_TYPE_ERROR;
    std::string name = argString(ctx, 0);
    element->setAttribute(name, argString(ctx, 1));
    actions::propertyChanged(element, name);
    return 0;
}

duk_ret_t elementRemoveAttribute(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element) return DUK_RET_TYPE_ERROR;
    duk_push_boolean(ctx, element->removeAttribute(argString(ctx, 0)));
    return 1;
}

duk_ret_t elementHasAttribute(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element) return DUK_RET_TYPE_ERROR;
    duk_push_boolean(ctx, element->hasAttribute(argString(ctx, 0)));
    return 1;
}

duk_ret_t elementClick(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element) return DUK_RET_TYPE_ERROR;
    actions::activate(element);
    return 0;
}

duk_ret_t elementFocus(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element) return DUK_RET_TYPE_ERROR;
    actions::focus(element);
    return 0;
}

duk_ret_t elementBlur(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element) return DUK_RET_TYPE_ERROR;
    auto document = element->ownerDocument();
    if (document && document->activeElement() == element) actions::blur(*document);
    return 0;
}

duk_ret_t formSubmit(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element || !element->is("FORM")) return DUK_RET_TYPE_ERROR;
    // A script's submit() sends no submit event, as in the browsers.
    auto document = element->ownerDocument();
    if (auto window = document ? document->defaultView() : nullptr) window->browser().submitForm(*element, nullptr);
    return 0;
}

duk_ret_t formReset(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element || !element->is("FORM")) return DUK_RET_TYPE_ERROR;
    actions::reset(element);
    return 0;
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

duk_ret_t selectItem(duk_context* ctx) {
    auto element = thisElement(ctx);
    if (!element) return DUK_RET_TYPE_ERROR;
    auto options = element->options();
    double index = duk_is_number(ctx, 0) ? duk_get_number(ctx, 0) : -1;
    if (index >= 0 && index < static_cast<double>(options.size())) {
        engineOf(ctx).pushNode(options[static_cast<std::size_t>(index)]);
    } else {
        duk_push_null(ctx);
    }
    return 1;
}

// ---------------------------------------------------------------- style

const char* kStyleProperties[] = {"cursor", "color", "backgroundColor", "display", "visibility", "border",
                                  "borderStyle", "borderColor", "borderWidth", "borderTop", "borderBottom",
                                  "borderLeft", "borderRight", "fontWeight", "textDecoration", "width",
                                  "height", "background", "position", "left", "top", "cssText"};

Style* thisStyle(duk_context* ctx, std::shared_ptr<Element>& holder) {
    duk_push_this(ctx);
    holder = std::dynamic_pointer_cast<Element>(engineOf(ctx).nodeAt(-1));
    duk_get_prop_string(ctx, -1, kRuntime);
    bool runtime = duk_get_boolean(ctx, -1) != 0;
    duk_pop_2(ctx);
    if (!holder) return nullptr;
    return runtime ? &holder->runtimeStyle() : &holder->style();
}

duk_ret_t styleGet(duk_context* ctx) {
    std::shared_ptr<Element> holder;
    Style* style = thisStyle(ctx, holder);
    if (!style) return DUK_RET_TYPE_ERROR;
    std::string name = kStyleProperties[duk_get_current_magic(ctx)];
    pushString(ctx, name == "cssText" ? style->cssText() : style->get(name));
    return 1;
}

duk_ret_t styleSet(duk_context* ctx) {
    std::shared_ptr<Element> holder;
    Style* style = thisStyle(ctx, holder);
    if (!style) return DUK_RET_TYPE_ERROR;
    std::string name = kStyleProperties[duk_get_current_magic(ctx)];
    if (name == "cssText") {
        *style = Style::parse(argString(ctx, 0));
    } else {
        style->set(name, argString(ctx, 0));
    }
    return 0;
}

// ---------------------------------------------------------------- documents

enum DocumentProperty {
    kDocTitle, kDocForms, kDocImages, kDocLinks, kDocAll, kDocBody, kDocLocation, kDocUrl, kDocReadyState,
    kDocElement, kDocParentWindow, kDocDefaultView, kDocActiveElement, kDocNodeName, kDocCount
};
const char* kDocumentProperties[kDocCount] = {"title", "forms", "images", "links", "all", "body", "location",
                                              "URL", "readyState", "documentElement", "parentWindow",
                                              "defaultView", "activeElement", "nodeName"};

void pushLocation(duk_context* ctx, const std::shared_ptr<Window>& window);

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

// ---------------------------------------------------------------- named members

const char* kMemberName = DUK_HIDDEN_SYMBOL("member");

duk_ret_t namedMemberGet(duk_context* ctx) {
    duk_push_current_function(ctx);
    duk_get_prop_string(ctx, -1, kMemberName);
    std::string name = duk_safe_to_string(ctx, -1);
    duk_pop_2(ctx);
    auto node = thisNode(ctx);
    std::vector<std::shared_ptr<Element>> found;
    if (auto document = std::dynamic_pointer_cast<Document>(node)) {
        for (const auto& element : document->getElementsByName(name)) {
            if (element->is("FORM") || element->is("IMG")) found.push_back(element);
        }
    } else if (auto form = std::dynamic_pointer_cast<Element>(node)) {
        for (const auto& field : form->elements()) {
            if (field->name() == name || field->id() == name) found.push_back(field);
        }
    }
    if (found.size() == 1) {
        engineOf(ctx).pushNode(found.front());
    } else if (found.empty()) {
        duk_push_undefined(ctx);
    } else {
        pushElements(ctx, found);  // a radio group: all its buttons
    }
    return 1;
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

void storePrototype(duk_context* ctx, const char* name) {
    duk_push_heap_stash(ctx);
    duk_dup(ctx, -2);
    duk_put_prop_string(ctx, -2, name);
    duk_pop_2(ctx);
}

}  // namespace

void installBindings(ScriptEngine& engine) {
    duk_context* ctx = engine.context();

    duk_push_object(ctx);  // nodes other than elements and documents
    storePrototype(ctx, "nodeProto");

    duk_push_object(ctx);
    for (int i = 0; i < kCount; ++i) {
        defineAccessor(ctx, -1, kElementProperties[i].name, elementGet,
                       kElementProperties[i].writable ? elementSet : nullptr, i);
    }
    defineHandlerProperties(ctx, -1);
    defineMethod(ctx, -1, "getAttribute", elementGetAttribute, 1);
    defineMethod(ctx, -1, "setAttribute", elementSetAttribute, 2);
    defineMethod(ctx, -1, "removeAttribute", elementRemoveAttribute, 1);
    defineMethod(ctx, -1, "hasAttribute", elementHasAttribute, 1);
    defineMethod(ctx, -1, "click", elementClick, 0);
    defineMethod(ctx, -1, "focus", elementFocus, 0);
    defineMethod(ctx, -1, "blur", elementBlur, 0);
    defineMethod(ctx, -1, "submit", formSubmit, 0);
    defineMethod(ctx, -1, "reset", formReset, 0);
    defineMethod(ctx, -1, "item", selectItem, 1);
    defineMethod(ctx, -1, "getElementsByTagName", nodeGetElementsByTagName, 1);
    storePrototype(ctx, "elementProto");

    duk_push_object(ctx);
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
    for (int i = 0; i < static_cast<int>(std::size(kStyleProperties)); ++i) {
        defineAccessor(ctx, -1, kStyleProperties[i], styleGet, styleSet, i);
    }
    storePrototype(ctx, "styleProto");

    duk_push_object(ctx);
    for (int i = 0; i < kLocCount; ++i) {
        defineAccessor(ctx, -1, kLocationProperties[i], locationGet, i == kLocHref ? locationSetHref : nullptr, i);
    }
    defineMethod(ctx, -1, "assign", locationSetHref, 1);
    defineMethod(ctx, -1, "replace", locationSetHref, 1);
    defineMethod(ctx, -1, "reload", locationReload, 0);
    defineMethod(ctx, -1, "toString", locationToString, 0);
    storePrototype(ctx, "locationProto");

    duk_push_object(ctx);
    for (int i = 0; i < kEvCount; ++i) {
        bool writable = i == kEvReturnValue || i == kEvCancelBubble;
        defineAccessor(ctx, -1, kEventProperties[i], eventGet, writable ? eventSet : nullptr, i);
    }
    defineMethod(ctx, -1, "preventDefault", eventPreventDefault, 0);
    defineMethod(ctx, -1, "stopPropagation", eventStopPropagation, 0);
    storePrototype(ctx, "eventProto");
}

void defineNamedItems(ScriptEngine& engine, const std::shared_ptr<Node>& node) {
    duk_context* ctx = engine.context();
    std::vector<std::string> names;
    if (auto document = std::dynamic_pointer_cast<Document>(node)) {
        for (const auto& element : document->all()) {
            if (element->is("FORM") || element->is("IMG")) names.push_back(element->name());
        }
    } else if (auto form = std::dynamic_pointer_cast<Element>(node); form && form->is("FORM")) {
        for (const auto& field : form->elements()) {
            names.push_back(field->name());
            names.push_back(field->id());
        }
    }
    for (const auto& name : names) {
        // A member never hides a property of the DOM (a field named "submit" or "title").
        if (name.empty() || duk_has_prop_lstring(ctx, -1, name.data(), name.size())) continue;
        duk_push_lstring(ctx, name.data(), name.size());
        duk_push_c_function(ctx, namedMemberGet, 0);
        duk_push_lstring(ctx, name.data(), name.size());
        duk_put_prop_string(ctx, -2, kMemberName);
        duk_def_prop(ctx, -3, DUK_DEFPROP_HAVE_GETTER | DUK_DEFPROP_SET_CONFIGURABLE);
    }
}

void installWindowGlobals(ScriptEngine& engine, Window& window) {
    (void)window;
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
