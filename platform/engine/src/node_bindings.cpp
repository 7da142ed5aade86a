// The tree as page scripts walk and change it: what every node has (nodeProto, the
// prototype of elements and documents too) and the document's node factories.
#include "binding_support.h"
#include "engine/actions.h"

namespace engine::bindings {
namespace {

enum NodeProperty {
    kNodeType, kNodeValue, kData, kParent, kFirstChild, kLastChild, kNextSibling, kPreviousSibling, kChildNodes,
    kNodeCount
};
const char* kNodeProperties[kNodeCount] = {"nodeType", "nodeValue", "data", "parentNode", "firstChild",
                                           "lastChild", "nextSibling", "previousSibling", "childNodes"};

duk_ret_t nodeGet(duk_context* ctx) {
    auto node = thisNode(ctx);
    if (!node) return DUK_RET_TYPE_ERROR;
    auto& engine = engineOf(ctx);
    auto* text = node->nodeType() == NodeType::Element || node->nodeType() == NodeType::Document
                     ? nullptr
                     : static_cast<TextNode*>(node.get());
    switch (duk_get_current_magic(ctx)) {
        case kNodeType: duk_push_int(ctx, static_cast<int>(node->nodeType())); break;
        case kNodeValue:
        case kData:
            if (text) {
                pushString(ctx, text->data());
            } else {
                duk_push_null(ctx);
            }
            break;
        case kParent: engine.pushNode(node->parentNode()); break;
        case kFirstChild: engine.pushNode(node->firstChild()); break;
        case kLastChild: engine.pushNode(node->lastChild()); break;
        case kNextSibling: engine.pushNode(node->nextSibling()); break;
        case kPreviousSibling: engine.pushNode(node->previousSibling()); break;
        default: {
            duk_push_array(ctx);
            const auto& children = node->childNodes();
            for (std::size_t i = 0; i < children.size(); ++i) {
                engine.pushNode(children[i]);
                duk_put_prop_index(ctx, -2, static_cast<duk_uarridx_t>(i));
            }
            break;
        }
    }
    return 1;
}

duk_ret_t nodeSetData(duk_context* ctx) {
    auto node = thisNode(ctx);
    if (!node) return DUK_RET_TYPE_ERROR;
    if (node->nodeType() == NodeType::Text || node->nodeType() == NodeType::Comment) {
        static_cast<TextNode&>(*node).setData(argString(ctx, 0));
    }
    return 0;
}

// appendChild(child) and insertBefore(child, reference): the child, or an error for
// a move that would make a loop.
duk_ret_t nodeInsert(duk_context* ctx) {
    auto parent = thisNode(ctx);
    auto& engine = engineOf(ctx);
    auto child = engine.nodeAt(0);
    if (!parent || !parent->canTake(child)) return DUK_RET_TYPE_ERROR;
    if (duk_get_current_magic(ctx) == 1 && !duk_is_null_or_undefined(ctx, 1)) {
        parent->insertBefore(child, engine.nodeAt(1));
    } else {
        parent->appendChild(child);
    }
    duk_dup(ctx, 0);
    return 1;
}

duk_ret_t nodeRemoveChild(duk_context* ctx) {
    auto parent = thisNode(ctx);
    auto child = engineOf(ctx).nodeAt(0);
    if (!parent || !child || child->parentNode() != parent) return DUK_RET_TYPE_ERROR;
    // The script may hold it and put it back: it stays alive with the page.
    engineOf(ctx).keepCreated(child);
    parent->removeChild(child);
    duk_dup(ctx, 0);
    return 1;
}

duk_ret_t documentCreate(duk_context* ctx) {
    auto document = thisDocument(ctx);
    if (!document) return DUK_RET_TYPE_ERROR;
    std::string argument = argString(ctx, 0);
    std::shared_ptr<Node> created;
    if (duk_get_current_magic(ctx) == 0) {
        if (argument.empty()) return DUK_RET_TYPE_ERROR;
        created = std::make_shared<Element>(argument);
    } else {
        created = std::make_shared<TextNode>(argument);
    }
    engineOf(ctx).keepCreated(created);
    engineOf(ctx).pushNode(created);
    return 1;
}

}  // namespace

void installNodePrototype(duk_context* ctx) {
    duk_push_object(ctx);
    for (int i = 0; i < kNodeCount; ++i) {
        bool writable = i == kNodeValue || i == kData;
        defineAccessor(ctx, -1, kNodeProperties[i], nodeGet, writable ? nodeSetData : nullptr, i);
    }
    defineMethod(ctx, -1, "appendChild", nodeInsert, 1);
    defineMethod(ctx, -1, "insertBefore", nodeInsert, 2);
    duk_get_prop_string(ctx, -1, "insertBefore");
    duk_set_magic(ctx, -1, 1);
    duk_pop(ctx);
    defineMethod(ctx, -1, "removeChild", nodeRemoveChild, 1);
    storePrototype(ctx, "nodeProto");
}

void defineNodeFactories(duk_context* ctx, duk_idx_t object) {
    object = duk_normalize_index(ctx, object);
    defineMethod(ctx, object, "createElement", documentCreate, 1);
    defineMethod(ctx, object, "createTextNode", documentCreate, 1);
    duk_get_prop_string(ctx, object, "createTextNode");
    duk_set_magic(ctx, -1, 1);
    duk_pop(ctx);
}

void pushNodeBasedPrototype(duk_context* ctx) {
    duk_push_object(ctx);
    duk_push_heap_stash(ctx);
    duk_get_prop_string(ctx, -1, "nodeProto");
    duk_remove(ctx, -2);
    duk_set_prototype(ctx, -2);
}

}  // namespace engine::bindings
