// The members of the element-kind interfaces (form fields, lists, links, images, maps,
// tables, body). Members that several interfaces share are one property, as in IE.
#include "html_element.h"

#include "automation_values.h"
#include "html_collection.h"
#include "html_document.h"
#include "html_text_range.h"
#include "page_objects.h"

#include <engine/actions.h>
#include <engine/browser.h>
#include <engine/document.h>

namespace mshtml {
namespace {

std::optional<std::string> present(std::string text) { return std::optional<std::string>(std::move(text)); }

// A resolved address (src, href) when the attribute is there, null otherwise.
std::optional<std::string> addressIf(const engine::Element& e, const char* attribute, std::string resolved) {
  return e.hasAttribute(attribute) ? present(std::move(resolved)) : std::nullopt;
}

}  // namespace

HRESULT STDMETHODCALLTYPE HtmlElement::get_document(IDispatch** p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  return carry([&] {
    if (const std::shared_ptr<engine::Document> document = element_->ownerDocument()) {
      *p = static_cast<IHTMLDocument2*>(objects_->document(document));
    }
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::click() {
  return carry([&] {
    engine::actions::activate(element_);
    return S_OK;
  });
}

// --- shared field members

HRESULT STDMETHODCALLTYPE HtmlElement::get_type(BSTR* p) {
  return getText(p, [](engine::Element& e) { return present(e.type()); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_value(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    element_->setValue(text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_value(BSTR* p) {
  return getText(p, [](engine::Element& e) { return present(e.value()); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_name(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    element_->setAttribute("name", text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_name(BSTR* p) {
  return getText(p, [](engine::Element& e) { return e.attribute("name"); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_disabled(VARIANT_BOOL v) {
  return carry([&] {
    element_->setDisabled(v != VARIANT_FALSE);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_disabled(VARIANT_BOOL* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putBool(element_->disabled(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_form(IHTMLFormElement** p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  return carry([&] {
    if (const std::shared_ptr<engine::Element> form = element_->form()) {
      *p = static_cast<IHTMLFormElement*>(objects_->element(form));
    }
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_defaultValue(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    element_->setDefaultValue(text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_defaultValue(BSTR* p) {
  return getText(p, [](engine::Element& e) { return present(e.defaultValue()); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_checked(VARIANT_BOOL v) {
  return carry([&] {
    element_->setChecked(v != VARIANT_FALSE);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_checked(VARIANT_BOOL* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putBool(element_->checked(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_defaultChecked(VARIANT_BOOL v) {
  return carry([&] {
    element_->setDefaultChecked(v != VARIANT_FALSE);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_defaultChecked(VARIANT_BOOL* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putBool(element_->defaultChecked(), p); });
}

// An option button's status is its checked state.
HRESULT STDMETHODCALLTYPE HtmlElement::put_status(VARIANT_BOOL v) { return put_checked(v); }
HRESULT STDMETHODCALLTYPE HtmlElement::get_status(VARIANT_BOOL* p) { return get_checked(p); }

HRESULT STDMETHODCALLTYPE HtmlElement::put_src(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    element_->setAttribute("src", text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_src(BSTR* p) {
  return getText(p, [](engine::Element& e) { return addressIf(e, "src", e.src()); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_alt(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    element_->setAttribute("alt", text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_alt(BSTR* p) {
  return getText(p, [](engine::Element& e) { return e.attribute("alt"); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_align(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    element_->setAttribute("align", text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_align(BSTR* p) {
  return getText(p, [](engine::Element& e) { return e.attribute("align"); });
}

// --- SELECT and FORM

HRESULT STDMETHODCALLTYPE HtmlElement::put_selectedIndex(LONG v) {
  return carry([&] {
    element_->setSelectedIndex(static_cast<int>(v));
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_selectedIndex(LONG* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putLong(element_->selectedIndex(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_multiple(VARIANT_BOOL* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putBool(element_->multiple(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_options(IDispatch** p) {
  if (!p) return E_POINTER;
  return carry([&] {
    *p = static_cast<IHTMLElementCollection*>(HtmlCollection::create(objects_, element_->options()));
    return S_OK;
  });
}

// A list's length counts its options, a form's its fields.
HRESULT STDMETHODCALLTYPE HtmlElement::get_length(LONG* p) {
  if (!p) return E_POINTER;
  return carry([&] {
    const size_t count = element_->is("FORM") ? element_->elements().size() : element_->options().size();
    return putLong(static_cast<long>(count), p);
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::item(VARIANT name, VARIANT index, IDispatch** pdisp) {
  return carry([&] {
    const auto members = element_->is("FORM") ? element_->elements() : element_->options();
    return HtmlCollection::itemOf(objects_, members, name, index, pdisp);
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::tags(VARIANT tagName, IDispatch** pdisp) {
  return carry([&] {
    const auto members = element_->is("FORM") ? element_->elements() : element_->options();
    return HtmlCollection::tagsOf(objects_, members, tagName, pdisp);
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_elements(IDispatch** p) {
  if (!p) return E_POINTER;
  return carry([&] {
    *p = static_cast<IHTMLElementCollection*>(HtmlCollection::create(objects_, element_->elements()));
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_action(BSTR* p) {
  return getText(p, [](engine::Element& e) { return e.attribute("action"); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_method(BSTR* p) {
  // IE answers "get" for a form without a method.
  return getText(p, [](engine::Element& e) { return present(e.attribute("method").value_or("get")); });
}

// A script's form.submit() navigates without the submit event; reset() restores the
// fields (with the reset event), as in IE.
HRESULT STDMETHODCALLTYPE HtmlElement::submit() {
  return carry([&]() -> HRESULT {
    const std::shared_ptr<engine::Document> document = element_->ownerDocument();
    const std::shared_ptr<engine::Window> window = document ? document->defaultView() : nullptr;
    if (!window || !element_->is("FORM")) return E_FAIL;
    window->browser().submitForm(*element_, nullptr);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::reset() {
  return carry([&]() -> HRESULT {
    if (!element_->is("FORM")) return E_FAIL;
    engine::actions::reset(element_);
    return S_OK;
  });
}

// --- OPTION

HRESULT STDMETHODCALLTYPE HtmlElement::put_selected(VARIANT_BOOL v) {
  return carry([&] {
    element_->setSelected(v != VARIANT_FALSE);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_selected(VARIANT_BOOL* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putBool(element_->selected(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_defaultSelected(VARIANT_BOOL* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putBool(element_->defaultSelected(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_index(LONG* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putLong(element_->index(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_text(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    for (const auto& child : std::vector<std::shared_ptr<engine::Node>>(element_->childNodes())) element_->removeChild(child);
    element_->appendChild(std::make_shared<engine::TextNode>(text));
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_text(BSTR* p) {
  return getText(p, [](engine::Element& e) { return present(e.text()); });
}

// --- A, AREA, MAP

HRESULT STDMETHODCALLTYPE HtmlElement::put_href(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    element_->setAttribute("href", text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_href(BSTR* p) {
  return getText(p, [](engine::Element& e) { return addressIf(e, "href", e.href()); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::put_target(BSTR v) {
  const std::string text = utf8FromBstr(v);
  return carry([&] {
    element_->setAttribute("target", text);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_target(BSTR* p) {
  return getText(p, [](engine::Element& e) { return e.attribute("target"); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_coords(BSTR* p) {
  return getText(p, [](engine::Element& e) { return e.attribute("coords"); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_shape(BSTR* p) {
  return getText(p, [](engine::Element& e) { return e.attribute("shape"); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_areas(IHTMLAreasCollection** p) {
  if (!p) return E_POINTER;
  return carry([&] {
    *p = HtmlCollection::create(objects_, element_->areas(), HtmlCollection::Kind::Areas);
    return S_OK;
  });
}

// --- tables

HRESULT STDMETHODCALLTYPE HtmlElement::get_rows(IHTMLElementCollection** p) {
  if (!p) return E_POINTER;
  return carry([&] {
    *p = HtmlCollection::create(objects_, element_->rows());
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_cells(IHTMLElementCollection** p) {
  if (!p) return E_POINTER;
  return carry([&] {
    *p = HtmlCollection::create(objects_, element_->cells());
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_rowIndex(LONG* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putLong(element_->rowIndex(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_cellIndex(LONG* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putLong(element_->cellIndex(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_colSpan(LONG* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putLong(element_->colSpan(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_rowSpan(LONG* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putLong(element_->rowSpan(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlElement::get_vAlign(BSTR* p) {
  return getText(p, [](engine::Element& e) { return e.attribute("valign"); });
}

// --- BODY

HRESULT STDMETHODCALLTYPE HtmlElement::createTextRange(IHTMLTxtRange** range) {
  if (!range) return E_POINTER;
  return carry([&] {
    *range = HtmlTextRange::create(objects_, element_->ownerDocument(), element_);
    return S_OK;
  });
}

}  // namespace mshtml
