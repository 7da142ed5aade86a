// An element of a page as MSHTML hands it out. One class serves every element kind:
// QueryInterface answers the interfaces IE's element of that tag (and INPUT type)
// answers (element_kind.h), and members that several interfaces share (name, value,
// type, form, disabled ...) are one implementation, as they are one property in IE.
#pragma once

#include "automation_values.h"
#include "carried_object.h"
#include "connection_points.h"
#include "element_kind.h"
#include "event_forwarder.h"
#include "interface_defaults.h"

#include <engine/node.h>

#include <memory>
#include <optional>
#include <string>

namespace mshtml {

class PageObjects;

// Event-handler properties (onclick ...) of the element interfaces; each answers the
// handler as a dispatch object whose Invoke with DISPID 0 runs it.
#define MSHTML_FOR_EACH_HANDLER(X)                                                                         \
  X(abort) X(afterupdate) X(beforecopy) X(beforecut) X(beforeeditfocus) X(beforepaste) X(beforeunload)     \
  X(beforeupdate) X(blur) X(cellchange) X(change) X(click) X(contextmenu) X(copy) X(cut) X(dataavailable) \
  X(datasetchanged) X(datasetcomplete) X(dblclick) X(drag) X(dragend) X(dragenter) X(dragleave)           \
  X(dragover) X(dragstart) X(drop) X(error) X(errorupdate) X(filterchange) X(focus) X(help) X(keydown)    \
  X(keypress) X(keyup) X(load) X(losecapture) X(mousedown) X(mousemove) X(mouseout) X(mouseover)          \
  X(mouseup) X(paste) X(propertychange) X(readystatechange) X(reset) X(resize) X(rowenter) X(rowexit)     \
  X(rowsdelete) X(rowsinserted) X(scroll) X(select) X(selectstart) X(submit) X(unload)

class HtmlElement final : public CarriedObject,
                          public IHTMLElementDefaults,
                          public IHTMLElement2Defaults,
                          public IHTMLInputElementDefaults,
                          public IHTMLInputButtonElementDefaults,
                          public IHTMLInputTextElementDefaults,
                          public IHTMLOptionButtonElementDefaults,
                          public IHTMLInputFileElementDefaults,
                          public IHTMLTextAreaElementDefaults,
                          public IHTMLSelectElementDefaults,
                          public IHTMLOptionElementDefaults,
                          public IHTMLImgElementDefaults,
                          public IHTMLAnchorElementDefaults,
                          public IHTMLMapElementDefaults,
                          public IHTMLAreaElementDefaults,
                          public IHTMLDivElementDefaults,
                          public IHTMLFormElementDefaults,
                          public IHTMLTableDefaults,
                          public IHTMLTable2Defaults,
                          public IHTMLTableRowDefaults,
                          public IHTMLTableCellDefaults,
                          public IHTMLBodyElementDefaults,
                          public IConnectionPointContainer {
 public:
  // Browser thread only; use PageObjects::element, which keeps one object per element.
  HtmlElement(std::shared_ptr<engine::Element> element, std::shared_ptr<PageObjects> objects);

  const std::shared_ptr<engine::Element>& engineElement() const { return element_; }
  IHTMLElement* asElement() { return static_cast<IHTMLElement*>(this); }
  // The engine element behind any interface of an object of this class, or null when
  // `unknown` is not one (found through QueryInterface on the calling thread).
  static std::shared_ptr<engine::Element> engineElementOf(IUnknown* unknown);

  MSHTML_IUNKNOWN_METHODS
  MSHTML_VTABLE_ONLY_IDISPATCH_METHODS

  // IHTMLElement
  HRESULT STDMETHODCALLTYPE setAttribute(BSTR name, VARIANT value, LONG flags) override;
  HRESULT STDMETHODCALLTYPE getAttribute(BSTR name, LONG flags, VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE removeAttribute(BSTR name, LONG flags, VARIANT_BOOL* removed) override;
  HRESULT STDMETHODCALLTYPE put_className(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_className(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE put_id(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_id(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_tagName(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_parentElement(IHTMLElement** p) override;
  HRESULT STDMETHODCALLTYPE get_style(IHTMLStyle** p) override;
  HRESULT STDMETHODCALLTYPE get_document(IDispatch** p) override;
  HRESULT STDMETHODCALLTYPE put_title(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_title(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE click() override;
  HRESULT STDMETHODCALLTYPE get_sourceIndex(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_innerHTML(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE put_innerText(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_innerText(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_outerHTML(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_outerText(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE contains(IHTMLElement* child, VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE toString(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_children(IDispatch** p) override;
  HRESULT STDMETHODCALLTYPE get_all(IDispatch** p) override;

  // IHTMLElement2
  HRESULT STDMETHODCALLTYPE get_runtimeStyle(IHTMLStyle** p) override;
  HRESULT STDMETHODCALLTYPE focus() override;
  HRESULT STDMETHODCALLTYPE blur() override;
  HRESULT STDMETHODCALLTYPE getElementsByTagName(BSTR v, IHTMLElementCollection** p) override;

  // Members shared by the form-field interfaces.
  HRESULT STDMETHODCALLTYPE get_type(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE put_value(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_value(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE put_name(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_name(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE put_disabled(VARIANT_BOOL v) override;
  HRESULT STDMETHODCALLTYPE get_disabled(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE get_form(IHTMLFormElement** p) override;
  HRESULT STDMETHODCALLTYPE put_defaultValue(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_defaultValue(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE put_checked(VARIANT_BOOL v) override;
  HRESULT STDMETHODCALLTYPE get_checked(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE put_defaultChecked(VARIANT_BOOL v) override;
  HRESULT STDMETHODCALLTYPE get_defaultChecked(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE put_status(VARIANT_BOOL v) override;
  HRESULT STDMETHODCALLTYPE get_status(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE put_src(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_src(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE put_alt(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_alt(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE put_align(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_align(BSTR* p) override;

  // IHTMLSelectElement, IHTMLFormElement (length and item mean options or fields)
  HRESULT STDMETHODCALLTYPE put_selectedIndex(LONG v) override;
  HRESULT STDMETHODCALLTYPE get_selectedIndex(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_multiple(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE get_options(IDispatch** p) override;
  HRESULT STDMETHODCALLTYPE get_length(LONG* p) override;
  HRESULT STDMETHODCALLTYPE item(VARIANT name, VARIANT index, IDispatch** pdisp) override;
  HRESULT STDMETHODCALLTYPE tags(VARIANT tagName, IDispatch** pdisp) override;
  HRESULT STDMETHODCALLTYPE get_elements(IDispatch** p) override;
  HRESULT STDMETHODCALLTYPE get_action(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_method(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE submit() override;
  HRESULT STDMETHODCALLTYPE reset() override;

  // IHTMLOptionElement
  HRESULT STDMETHODCALLTYPE put_selected(VARIANT_BOOL v) override;
  HRESULT STDMETHODCALLTYPE get_selected(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE get_defaultSelected(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE get_index(LONG* p) override;
  HRESULT STDMETHODCALLTYPE put_text(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_text(BSTR* p) override;

  // IHTMLAnchorElement, IHTMLAreaElement, IHTMLMapElement
  HRESULT STDMETHODCALLTYPE put_href(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_href(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE put_target(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_target(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_coords(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_shape(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_areas(IHTMLAreasCollection** p) override;

  // IHTMLTable, IHTMLTable2, IHTMLTableRow, IHTMLTableCell
  HRESULT STDMETHODCALLTYPE get_rows(IHTMLElementCollection** p) override;
  HRESULT STDMETHODCALLTYPE get_cells(IHTMLElementCollection** p) override;
  HRESULT STDMETHODCALLTYPE get_rowIndex(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_cellIndex(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_colSpan(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_rowSpan(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get_vAlign(BSTR* p) override;

  // IHTMLBodyElement
  HRESULT STDMETHODCALLTYPE createTextRange(IHTMLTxtRange** range) override;

  // IConnectionPointContainer: fields offer their event interface (element_kind.h).
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

#define MSHTML_DECLARE_HANDLER(name)                                  \
  HRESULT STDMETHODCALLTYPE put_on##name(VARIANT v) override;         \
  HRESULT STDMETHODCALLTYPE get_on##name(VARIANT* p) override;
  MSHTML_FOR_EACH_HANDLER(MSHTML_DECLARE_HANDLER)
#undef MSHTML_DECLARE_HANDLER

 private:
  ~HtmlElement() override;
  void* queryInterface(REFIID riid);
  bool isA(const IID& iid) const;

  // Runs `read` on the browser thread and writes its text result; null BSTR for nullopt.
  template <typename Read>
  HRESULT getText(BSTR* out, Read read);
  HRESULT putHandler(const char* eventType, const VARIANT& value);
  HRESULT getHandler(const char* eventType, VARIANT* value);
  HRESULT getElementObject(const std::shared_ptr<engine::Element>& element, IHTMLElement** out);

  const std::shared_ptr<engine::Element> element_;
  const std::shared_ptr<PageObjects> objects_;
  // An element's tag never changes, so it is read on any thread without carrying.
  const std::string tagName_;
  const ElementKind& kind_;
  ConnectionPoints events_;
  std::unique_ptr<EventForwarder> forwarder_;
};

template <typename Read>
HRESULT HtmlElement::getText(BSTR* out, Read read) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return carry([&] { return putNullableString(read(*element_), out); });
}

}  // namespace mshtml
