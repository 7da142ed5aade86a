#include "html_element.h"

#include "automation_values.h"
#include "handler_dispatch.h"
#include "html_collection.h"
#include "html_style.h"
#include "page_objects.h"

#include <engine/actions.h>
#include <engine/document.h>

#include <algorithm>

namespace mshtml {
namespace {

// Answers only to this library: recognises its own elements among interface pointers.
const IID IID_HtmlElementImpl = {0x5b0e8a7d, 0x6c2f, 0x4e19, {0x8a, 0x3b, 0x27, 0x41, 0x9d, 0xc0, 0x5e, 0x62}};

std::vector<std::shared_ptr<engine::Element>> descendants(const engine::Element& root) {
  std::vector<std::shared_ptr<engine::Element>> all;
  engine::forEachElement(root, [&](const std::shared_ptr<engine::Element>& e) { all.push_back(e); });
  return all;
}

}  // namespace

HtmlElement::HtmlElement(std::shared_ptr<engine::Element> element, std::shared_ptr<PageObjects> objects)
    : element_(std::move(element)),
      objects_(std::move(objects)),
      tagName_(element_->tagName()),
      // IE fixes an INPUT's kind when the element is made; so does this object.
      kind_(elementKindOf(element_->tagName(), element_->is("INPUT") ? element_->type() : std::string())),
      events_(static_cast<IConnectionPointContainer*>(this),
              kind_.events ? std::vector<const IID*>{kind_.events} : std::vector<const IID*>{}) {
  if (!kind_.events) return;
  forwarder_ = std::make_unique<EventForwarder>(*element_, *kind_.events, events_, objects_);
  // While sinks are connected the element listens and stays alive (see HtmlDocument).
  events_.onConnectionChange([this](bool connected) {
    if (connected) {
      AddRef();
      forwarder_->start();
    } else {
      forwarder_->stop();
      releaseLater();
    }
  });
}

HtmlElement::~HtmlElement() { objects_->forget(element_.get(), this); }

bool HtmlElement::isA(const IID& iid) const {
  return std::any_of(kind_.interfaces.begin(), kind_.interfaces.end(),
                     [&](const IID* candidate) { return IsEqualIID(*candidate, iid); });
}

void* HtmlElement::queryInterface(REFIID riid) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IHTMLElement) ||
      IsEqualIID(riid, IID_HtmlElementImpl)) {
    return static_cast<IHTMLElement*>(this);
  }
  if (IsEqualIID(riid, IID_IHTMLElement2)) return static_cast<IHTMLElement2*>(this);
  if (IsEqualIID(riid, IID_IConnectionPointContainer)) return static_cast<IConnectionPointContainer*>(this);
  if (!isA(riid)) return nullptr;
  if (IsEqualIID(riid, IID_IHTMLInputElement)) return static_cast<IHTMLInputElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLInputButtonElement)) return static_cast<IHTMLInputButtonElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLInputTextElement)) return static_cast<IHTMLInputTextElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLOptionButtonElement)) return static_cast<IHTMLOptionButtonElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLInputFileElement)) return static_cast<IHTMLInputFileElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLTextAreaElement)) return static_cast<IHTMLTextAreaElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLSelectElement)) return static_cast<IHTMLSelectElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLOptionElement)) return static_cast<IHTMLOptionElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLImgElement)) return static_cast<IHTMLImgElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLAnchorElement)) return static_cast<IHTMLAnchorElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLMapElement)) return static_cast<IHTMLMapElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLAreaElement)) return static_cast<IHTMLAreaElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLDivElement)) return static_cast<IHTMLDivElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLFormElement)) return static_cast<IHTMLFormElement*>(this);
  if (IsEqualIID(riid, IID_IHTMLTable)) return static_cast<IHTMLTable*>(this);
  if (IsEqualIID(riid, IID_IHTMLTable2)) return static_cast<IHTMLTable2*>(this);
  if (IsEqualIID(riid, IID_IHTMLTableRow)) return static_cast<IHTMLTableRow*>(this);
  if (IsEqualIID(riid, IID_IHTMLTableCell)) return static_cast<IHTMLTableCell*>(this);
  if (IsEqualIID(riid, IID_IHTMLBodyElement)) return static_cast<IHTMLBodyElement*>(this);
  return nullptr;
}

std::shared_ptr<engine::Element> HtmlElement::engineElementOf(IUnknown* unknown) {
  if (!unknown) return nullptr;
  void* self = nullptr;
  if (FAILED(unknown->QueryInterface(IID_HtmlElementImpl, &self)) || !self) return nullptr;
  auto* element = static_cast<HtmlElement*>(static_cast<IHTMLElement*>(self));
  std::shared_ptr<engine::Element> result = element->element_;
  element->Release();
  return result;
}

HRESULT HtmlElement::getElementObject(const std::shared_ptr<engine::Element>& element, IHTMLElement** out) {
  *out = element ? objects_->element(element)->asElement() : nullptr;
  return S_OK;
}

// --- IHTMLElement

HRESULT STDMETHODCALLTYPE HtmlElement::setAttribute(BSTR name, VARIANT value, LONG) {
  if (!name) return E_INVALIDARG;
  const std::string attribute = utf8FromBstr(name);
  const std::optional<std::string> text = textOf(value);
  return carry([&] {
    element_->setAttribute(attribute, text.value_or(std::string()));
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::getAttribute(BSTR name, LONG, VARIANT* value) {
  if (!name || !value) return E_POINTER;
  VariantInit(value);
  const std::string attribute = utf8FromBstr(name);
  // An absent attribute answers VT_NULL, as IE does.
  return carry([&] {
    const std::optional<std::string> text = element_->attribute(attribute);
    if (!text) {
      V_VT(value) = VT_NULL;
      return S_OK;
    }
    V_VT(value) = VT_BSTR;
    return putString(*text, &V_BSTR(value));
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::removeAttribute(BSTR name, LONG, VARIANT_BOOL* removed) {
  if (!name || !removed) return E_POINTER;
  const std::string attribute = utf8FromBstr(name);
  return carry([&] { return putBool(element_->removeAttribute(attribute), removed); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_className(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    element_->setAttribute("class", text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_className(BSTR* p) {
  return getText(p, [](engine::Element& e) { return e.attribute("class"); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_id(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    element_->setAttribute("id", text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_id(BSTR* p) {
  return getText(p, [](engine::Element& e) { return e.attribute("id"); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_tagName(BSTR* p) { return putString(tagName_, p); }

HRESULT STDMETHODCALLTYPE HtmlElement::get_parentElement(IHTMLElement** p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  return carry([&] { return getElementObject(element_->parentElement(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_style(IHTMLStyle** p) {
  if (!p) return E_POINTER;
  return carry([&] {
    *p = new HtmlStyle(element_, HtmlStyle::Which::Inline);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_title(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    element_->setAttribute("title", text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_title(BSTR* p) {
  return getText(p, [](engine::Element& e) { return e.attribute("title"); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_sourceIndex(LONG* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putLong(element_->sourceIndex(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_innerHTML(BSTR* p) {
  return getText(p, [](engine::Element& e) { return std::optional<std::string>(e.innerHtml()); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_innerText(BSTR v) {
  const std::string text = utf8FromBstr(v);
  // The element's content becomes that text alone.
  return carry([&] {
    for (const auto& child : std::vector<std::shared_ptr<engine::Node>>(element_->childNodes())) {
      element_->removeChild(child);
    }
    if (!text.empty()) element_->appendChild(std::make_shared<engine::TextNode>(text));
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_innerText(BSTR* p) {
  // IE answers a null BSTR for an element without text.
  return getText(p, [](engine::Element& e) {
    std::string text = e.innerText();
    return text.empty() ? std::optional<std::string>() : std::optional<std::string>(std::move(text));
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_outerHTML(BSTR* p) {
  return getText(p, [](engine::Element& e) { return std::optional<std::string>(e.outerHtml()); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_outerText(BSTR* p) { return get_innerText(p); }

HRESULT STDMETHODCALLTYPE HtmlElement::contains(IHTMLElement* child, VARIANT_BOOL* p) {
  if (!p) return E_POINTER;
  const std::shared_ptr<engine::Element> other = HtmlElement::engineElementOf(child);
  return carry([&] {
    bool inside = false;
    for (std::shared_ptr<engine::Element> at = other; at && !inside; at = at->parentElement()) {
      inside = at == element_;
    }
    return putBool(inside, p);
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::toString(BSTR* p) { return putString("[object]", p); }

HRESULT STDMETHODCALLTYPE HtmlElement::get_children(IDispatch** p) {
  if (!p) return E_POINTER;
  return carry([&] {
    std::vector<std::shared_ptr<engine::Element>> children;
    for (const auto& node : element_->childNodes()) {
      if (node->nodeType() == engine::NodeType::Element) children.push_back(std::static_pointer_cast<engine::Element>(node));
    }
    *p = static_cast<IHTMLElementCollection*>(HtmlCollection::create(objects_, std::move(children)));
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_all(IDispatch** p) {
  if (!p) return E_POINTER;
  return carry([&] {
    *p = static_cast<IHTMLElementCollection*>(HtmlCollection::create(objects_, descendants(*element_)));
    return S_OK;
  });
}

// --- IHTMLElement2

HRESULT STDMETHODCALLTYPE HtmlElement::get_runtimeStyle(IHTMLStyle** p) {
  if (!p) return E_POINTER;
  return carry([&] {
    *p = new HtmlStyle(element_, HtmlStyle::Which::Runtime);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::focus() {
  return carry([&] {
    engine::actions::focus(element_);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::blur() {
  return carry([&] {
    // Only the element that has the focus can lose it.
    const std::shared_ptr<engine::Document> document = element_->ownerDocument();
    if (document && document->activeElement() == element_) engine::actions::blur(*document);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::getElementsByTagName(BSTR v, IHTMLElementCollection** p) {
  if (!p) return E_POINTER;
  const std::string tag = utf8FromBstr(v);
  return carry([&] {
    *p = HtmlCollection::create(objects_, element_->getElementsByTagName(tag));
    return S_OK;
  });
}

// --- IConnectionPointContainer

HRESULT STDMETHODCALLTYPE HtmlElement::EnumConnectionPoints(IEnumConnectionPoints** points) {
  return events_.enumerate(points);
}

HRESULT STDMETHODCALLTYPE HtmlElement::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
  return events_.find(riid, point);
}

// --- event handlers

HRESULT HtmlElement::getHandler(const char* eventType, VARIANT* value) {
  if (!value) return E_POINTER;
  VariantInit(value);
  // No handler answers VT_NULL, as IE does.
  return carry([&] {
    const std::shared_ptr<engine::ScriptHandler> handler = element_->handler(eventType);
    if (!handler) {
      V_VT(value) = VT_NULL;
      return S_OK;
    }
    V_VT(value) = VT_DISPATCH;
    V_DISPATCH(value) = HandlerDispatch::create(handler);
    return S_OK;
  });
}

HRESULT HtmlElement::putHandler(const char* eventType, const VARIANT& value) {
  const VARIANT* v = &value;
  if (V_VT(v) == (VT_BYREF | VT_VARIANT)) v = V_VARIANTREF(v);
  if (V_VT(v) == VT_NULL || V_VT(v) == VT_EMPTY) {
    return carry([&] {
      element_->setHandler(eventType, nullptr);
      return S_OK;
    });
  }
  if (V_VT(v) == VT_BSTR) {
    // A text handler is page script, as if the attribute had said it.
    const std::string source = utf8FromBstr(V_BSTR(v));
    return carry([&] {
      element_->setAttribute(std::string("on") + eventType, source);
      return S_OK;
    });
  }
  if (V_VT(v) == VT_DISPATCH) {
    // Only handlers taken from a page can be assigned; IE would also accept any
    // dispatch object as a function, which the system never does.
    std::shared_ptr<engine::ScriptHandler> handler = HandlerDispatch::handlerOf(V_DISPATCH(v));
    if (!handler) return E_INVALIDARG;
    return carry([&] {
      element_->setHandler(eventType, handler);
      return S_OK;
    });
  }
  return E_INVALIDARG;
}

#define MSHTML_DEFINE_HANDLER(name)                                                                  \
  HRESULT STDMETHODCALLTYPE HtmlElement::put_on##name(VARIANT v) { return putHandler(#name, v); }   \
  HRESULT STDMETHODCALLTYPE HtmlElement::get_on##name(VARIANT* p) { return getHandler(#name, p); }
MSHTML_FOR_EACH_HANDLER(MSHTML_DEFINE_HANDLER)
#undef MSHTML_DEFINE_HANDLER

}  // namespace mshtml
