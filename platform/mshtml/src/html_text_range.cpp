#include "html_text_range.h"

#include "automation_values.h"
#include "html_element.h"
#include "page_objects.h"

namespace mshtml {

HtmlTextRange* HtmlTextRange::create(std::shared_ptr<PageObjects> objects, std::shared_ptr<engine::Document> document,
                                     std::shared_ptr<engine::Element> container) {
  return new HtmlTextRange(std::move(objects), std::move(document), std::move(container));
}

HtmlTextRange::HtmlTextRange(std::shared_ptr<PageObjects> objects, std::shared_ptr<engine::Document> document,
                             std::shared_ptr<engine::Element> container)
    : objects_(std::move(objects)), document_(std::move(document)), container_(std::move(container)) {}

void* HtmlTextRange::queryInterface(REFIID riid) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IHTMLTxtRange)) {
    return static_cast<IHTMLTxtRange*>(this);
  }
  return nullptr;
}

std::shared_ptr<engine::Element> HtmlTextRange::containerNow() const {
  return container_ ? container_ : document_->selection().container;
}

std::string HtmlTextRange::textNow() const {
  if (container_) return container_->innerText();
  return document_->selection().text;
}

HRESULT STDMETHODCALLTYPE HtmlTextRange::get_htmlText(BSTR* p) {
  if (!p) return E_POINTER;
  return carry([&] {
    const std::shared_ptr<engine::Element> container = containerNow();
    return container ? putString(container_ ? container->innerHtml() : textNow(), p) : putString("", p);
  });
}

HRESULT STDMETHODCALLTYPE HtmlTextRange::get_text(BSTR* p) {
  if (!p) return E_POINTER;
  // An empty range answers a null BSTR, as IE's does.
  return carry([&] {
    const std::string text = textNow();
    return text.empty() ? putNullableString(std::nullopt, p) : putString(text, p);
  });
}

HRESULT STDMETHODCALLTYPE HtmlTextRange::parentElement(IHTMLElement** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  return carry([&] {
    std::shared_ptr<engine::Element> container = containerNow();
    if (!container) container = document_->body();
    if (container) *parent = objects_->element(container)->asElement();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlTextRange::duplicate(IHTMLTxtRange** copy) {
  if (!copy) return E_POINTER;
  return carry([&] {
    *copy = create(objects_, document_, containerNow());
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlTextRange::isEqual(IHTMLTxtRange* range, VARIANT_BOOL* equal) {
  if (!range || !equal) return E_POINTER;
  void* other = nullptr;
  if (FAILED(range->QueryInterface(IID_IHTMLTxtRange, &other))) return E_INVALIDARG;
  auto* otherRange = static_cast<IHTMLTxtRange*>(other);
  // Only ranges of this library can be compared; a foreign range is never equal.
  HRESULT result = carry([&] {
    bool same = false;
    BSTR otherText = nullptr;
    if (SUCCEEDED(otherRange->get_text(&otherText))) same = utf8FromBstr(otherText) == textNow();
    SysFreeString(otherText);
    return putBool(same, equal);
  });
  otherRange->Release();
  return result;
}

HRESULT STDMETHODCALLTYPE HtmlTextRange::select() {
  return carry([&] {
    if (const std::shared_ptr<engine::Element> container = containerNow()) document_->select(container);
    return S_OK;
  });
}

HtmlSelection* HtmlSelection::create(std::shared_ptr<PageObjects> objects, std::shared_ptr<engine::Document> document) {
  return new HtmlSelection(std::move(objects), std::move(document));
}

void* HtmlSelection::queryInterface(REFIID riid) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
      IsEqualIID(riid, IID_IHTMLSelectionObject)) {
    return static_cast<IHTMLSelectionObject*>(this);
  }
  return nullptr;
}

HRESULT STDMETHODCALLTYPE HtmlSelection::createRange(IDispatch** range) {
  if (!range) return E_POINTER;
  return carry([&] {
    *range = HtmlTextRange::create(objects_, document_, nullptr);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlSelection::empty() {
  return carry([&] {
    document_->clearSelection();
    return S_OK;
  });
}

// clear() deletes the selected content in IE; the engine keeps text read-only, so it
// only ends the selection.
HRESULT STDMETHODCALLTYPE HtmlSelection::clear() { return empty(); }

HRESULT STDMETHODCALLTYPE HtmlSelection::get_type(BSTR* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putString(document_->selection().container ? "Text" : "None", p); });
}

}  // namespace mshtml
