// The event object handed to MSHTML event sinks (IHTMLEventObj, IHTMLEventObj2): what
// happened, on which element, with which button and keys. While the event is being
// delivered, returnValue and cancelBubble act on it; afterwards the object keeps
// answering what it saw.
#pragma once

#include "carried_object.h"
#include "automation_values.h"
#include "interface_defaults.h"

#include <engine/event.h>

#include <memory>
#include <string>

namespace mshtml {

class PageObjects;

class HtmlEventObject final : public CarriedObject, public IHTMLEventObjDefaults, public IHTMLEventObj2Defaults {
 public:
  // Browser thread only, during the delivery of `event`. Returns a new reference.
  static HtmlEventObject* create(engine::Event& event, std::shared_ptr<PageObjects> objects);
  // Browser thread only: the delivery is over; returnValue and cancelBubble no longer act.
  void detach() { live_ = nullptr; }

  MSHTML_IUNKNOWN_METHODS
  MSHTML_VTABLE_ONLY_IDISPATCH_METHODS

  HRESULT STDMETHODCALLTYPE get_srcElement(IHTMLElement** p) override;
  HRESULT STDMETHODCALLTYPE get_altKey(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE get_ctrlKey(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE get_shiftKey(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE put_returnValue(VARIANT v) override;
  HRESULT STDMETHODCALLTYPE get_returnValue(VARIANT* p) override;
  HRESULT STDMETHODCALLTYPE put_cancelBubble(VARIANT_BOOL v) override;
  HRESULT STDMETHODCALLTYPE get_cancelBubble(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE get_fromElement(IHTMLElement** p) override;
  HRESULT STDMETHODCALLTYPE get_toElement(IHTMLElement** p) override;
  HRESULT STDMETHODCALLTYPE put_keyCode(LONG v) override;
  HRESULT STDMETHODCALLTYPE get_keyCode(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_button(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_type(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_qualifier(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_reason(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_x(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_y(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_clientX(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_clientY(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_offsetX(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_offsetY(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_screenX(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_screenY(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_srcFilter(IDispatch** p) override;

  // IHTMLEventObj2
  HRESULT STDMETHODCALLTYPE get_propertyName(BSTR* p) override;

 private:
  HtmlEventObject(engine::Event& event, std::shared_ptr<PageObjects> objects);
  ~HtmlEventObject() override { VariantClear(&returnValue_); }
  void* queryInterface(REFIID riid);
  HRESULT elementOut(const std::shared_ptr<engine::Element>& element, IHTMLElement** out);

  const std::shared_ptr<PageObjects> objects_;
  engine::Event* live_;
  const std::string type_;
  const std::shared_ptr<engine::Element> source_;
  const std::shared_ptr<engine::Element> from_;
  const std::shared_ptr<engine::Element> to_;
  const int button_;
  int keyCode_;
  const bool alt_;
  const bool shift_;
  const bool ctrl_;
  const std::string propertyName_;
  VARIANT returnValue_;
  bool cancelBubble_ = false;
};

}  // namespace mshtml
