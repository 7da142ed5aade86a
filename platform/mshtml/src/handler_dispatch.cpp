#include "handler_dispatch.h"

namespace mshtml {
namespace {

// Answers only to this library, so a handler object can be recognised when it is
// assigned back to an element (el.onclick = other.onclick).
const IID IID_HandlerDispatchImpl = {0x8e6c1f52, 0x3a4d, 0x4b7e, {0x9c, 0x21, 0x5d, 0x0f, 0x7a, 0x66, 0x14, 0xb3}};

}  // namespace

HandlerDispatch* HandlerDispatch::create(std::shared_ptr<engine::ScriptHandler> handler) {
  return new HandlerDispatch(std::move(handler));
}

std::shared_ptr<engine::ScriptHandler> HandlerDispatch::handlerOf(IDispatch* dispatch) {
  if (!dispatch) return nullptr;
  void* self = nullptr;
  if (FAILED(dispatch->QueryInterface(IID_HandlerDispatchImpl, &self)) || !self) return nullptr;
  auto* object = static_cast<HandlerDispatch*>(static_cast<IDispatch*>(self));
  std::shared_ptr<engine::ScriptHandler> handler = object->handler_;
  object->Release();
  return handler;
}

void* HandlerDispatch::queryInterface(REFIID riid) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_HandlerDispatchImpl)) {
    return static_cast<IDispatch*>(this);
  }
  return nullptr;
}

HRESULT STDMETHODCALLTYPE HandlerDispatch::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE HandlerDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE HandlerDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID, DISPID* ids) {
  for (UINT i = 0; ids && i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE HandlerDispatch::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS*,
                                                  VARIANT* result, EXCEPINFO*, UINT*) {
  if (member != DISPID_VALUE) return DISP_E_MEMBERNOTFOUND;
  if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  if (result) VariantInit(result);
  return carry([&] {
    const std::optional<bool> returned = handler_->invoke(nullptr);
    if (result && returned) {
      V_VT(result) = VT_BOOL;
      V_BOOL(result) = *returned ? VARIANT_TRUE : VARIANT_FALSE;
    }
    return S_OK;
  });
}

}  // namespace mshtml
