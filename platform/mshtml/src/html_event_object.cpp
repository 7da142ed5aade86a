#include "html_event_object.h"

#include "automation_values.h"
#include "html_element.h"
#include "page_objects.h"

namespace mshtml {

HtmlEventObject* HtmlEventObject::create(engine::Event& event, std::shared_ptr<PageObjects> objects) {
  return new HtmlEventObject(event, std::move(objects));
}

HtmlEventObject::HtmlEventObject(engine::Event& event, std::shared_ptr<PageObjects> objects)
    : objects_(std::move(objects)),
      live_(&event),
      type_(event.type),
      source_(event.target),
      from_(event.fromElement()),
      to_(event.toElement()),
      // IE reports the button only for mouse button events; 0 for every other event.
      button_(event.type.rfind("mouse", 0) == 0 || event.type == "click" || event.type == "dblclick" ||
                      event.type == "contextmenu"
                  ? event.ieButton()
                  : 0),
      keyCode_(event.keyCode),
      alt_(event.altKey),
      shift_(event.shiftKey),
      ctrl_(event.ctrlKey),
      propertyName_(event.propertyName) {
  VariantInit(&returnValue_);
}

void* HtmlEventObject::queryInterface(REFIID riid) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IHTMLEventObj)) {
    return static_cast<IHTMLEventObj*>(this);
  }
  if (IsEqualIID(riid, IID_IHTMLEventObj2)) return static_cast<IHTMLEventObj2*>(this);
  return nullptr;
}

HRESULT HtmlEventObject::elementOut(const std::shared_ptr<engine::Element>& element, IHTMLElement** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!element) return S_OK;
  return carry([&] {
    *out = objects_->element(element)->asElement();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlEventObject::get_srcElement(IHTMLElement** p) { return elementOut(source_, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_fromElement(IHTMLElement** p) { return elementOut(from_, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_toElement(IHTMLElement** p) { return elementOut(to_, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_altKey(VARIANT_BOOL* p) { return putBool(alt_, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_ctrlKey(VARIANT_BOOL* p) { return putBool(ctrl_, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_shiftKey(VARIANT_BOOL* p) { return putBool(shift_, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_button(LONG* p) { return putLong(button_, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_type(BSTR* p) { return putString(type_, p); }

HRESULT STDMETHODCALLTYPE HtmlEventObject::put_returnValue(VARIANT v) {
  return carry([&]() -> HRESULT {
    const HRESULT copied = VariantCopy(&returnValue_, &v);
    if (FAILED(copied)) return copied;
    // returnValue = false cancels the default action, as in IE.
    if (live_ && V_VT(&v) == VT_BOOL && V_BOOL(&v) == VARIANT_FALSE) live_->preventDefault();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlEventObject::get_returnValue(VARIANT* p) {
  if (!p) return E_POINTER;
  VariantInit(p);
  return carry([&] { return VariantCopy(p, &returnValue_); });
}

HRESULT STDMETHODCALLTYPE HtmlEventObject::put_cancelBubble(VARIANT_BOOL v) {
  return carry([&] {
    cancelBubble_ = v != VARIANT_FALSE;
    if (live_ && cancelBubble_) live_->stopPropagation();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlEventObject::get_cancelBubble(VARIANT_BOOL* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putBool(cancelBubble_, p); });
}

HRESULT STDMETHODCALLTYPE HtmlEventObject::put_keyCode(LONG v) {
  return carry([&] {
    keyCode_ = static_cast<int>(v);
    if (live_) live_->keyCode = keyCode_;
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlEventObject::get_keyCode(LONG* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putLong(keyCode_, p); });
}

// Positions: the engine lays nothing out, so every coordinate is 0.
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_x(LONG* p) { return putLong(0, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_y(LONG* p) { return putLong(0, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_clientX(LONG* p) { return putLong(0, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_clientY(LONG* p) { return putLong(0, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_offsetX(LONG* p) { return putLong(0, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_offsetY(LONG* p) { return putLong(0, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_screenX(LONG* p) { return putLong(0, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_screenY(LONG* p) { return putLong(0, p); }

// Data-binding and filter members: no page here binds data or uses filters.
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_qualifier(BSTR* p) { return putString("", p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_reason(LONG* p) { return putLong(0, p); }
HRESULT STDMETHODCALLTYPE HtmlEventObject::get_srcFilter(IDispatch** p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  return S_OK;
}


HRESULT STDMETHODCALLTYPE HtmlEventObject::get_propertyName(BSTR* p) { return putString(propertyName_, p); }

}  // namespace mshtml
