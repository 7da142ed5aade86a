// The DOM as page scripts see it: the prototypes of every family, made once per heap.
#include "binding_support.h"

namespace engine {

void installBindings(ScriptEngine& engine) {
    using namespace bindings;
    duk_context* ctx = engine.context();
    installNodePrototype(ctx);
    installElementPrototypes(ctx);
    installDocumentPrototypes(ctx);
    installEventPrototype(ctx);
}

}  // namespace engine
