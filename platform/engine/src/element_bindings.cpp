// Elements and their style as page scripts see them, and the named members of
// documents and forms.
#include <cmath>

#include "binding_support.h"
#include "engine/actions.h"
#include "html_parser.h"

namespace engine {
namespace bindings {
namespace {

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

}  // namespace

void installElementPrototypes(duk_context* ctx) {
    pushNodeBasedPrototype(ctx);
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
    for (int i = 0; i < static_cast<int>(std::size(kStyleProperties)); ++i) {
        defineAccessor(ctx, -1, kStyleProperties[i], styleGet, styleSet, i);
    }
    storePrototype(ctx, "styleProto");

}

}  // namespace bindings

void defineNamedItems(ScriptEngine& engine, const std::shared_ptr<Node>& node) {
    using namespace bindings;
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

}  // namespace engine
