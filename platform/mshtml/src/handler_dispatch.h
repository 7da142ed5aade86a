// A page's event handler handed out as IE hands it out (get_onclick, get_onchange ...): a
// VT_DISPATCH object whose Invoke with DISPID 0 (DISPID_VALUE) runs the handler, with
// `this` bound to its element and no event object.
#pragma once

#include "carried_object.h"

#include <engine/script_handler.h>

#include <oleauto.h>

#include <memory>

namespace mshtml {

class HandlerDispatch final : public CarriedObject, public IDispatch {
 public:
  // Browser thread only. Returns a new reference.
  static HandlerDispatch* create(std::shared_ptr<engine::ScriptHandler> handler);
  // The handler behind `dispatch` when it is one of these objects, else null.
  static std::shared_ptr<engine::ScriptHandler> handlerOf(IDispatch* dispatch);

  MSHTML_IUNKNOWN_METHODS

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

 private:
  explicit HandlerDispatch(std::shared_ptr<engine::ScriptHandler> handler) : handler_(std::move(handler)) {}
  ~HandlerDispatch() override = default;
  void* queryInterface(REFIID riid);

  const std::shared_ptr<engine::ScriptHandler> handler_;
};

}  // namespace mshtml
