// Text ranges and the document's selection: IHTMLTxtRange (the body's text from
// createTextRange, or the selected text from the selection's createRange) and
// IHTMLSelectionObject (document.selection). The engine models a selection as the text
// of one element, so a range is either the whole body or the current selection.
#pragma once

#include "carried_object.h"
#include "automation_values.h"
#include "interface_defaults.h"

#include <engine/document.h>

#include <memory>
#include <string>

namespace mshtml {

class PageObjects;

class HtmlTextRange final : public CarriedObject, public IHTMLTxtRangeDefaults {
 public:
  // Browser thread only. A range over `container`'s text (the body), or over the
  // selection when `container` is null. Returns a new reference.
  static HtmlTextRange* create(std::shared_ptr<PageObjects> objects, std::shared_ptr<engine::Document> document,
                               std::shared_ptr<engine::Element> container);

  MSHTML_IUNKNOWN_METHODS
  MSHTML_VTABLE_ONLY_IDISPATCH_METHODS

  HRESULT STDMETHODCALLTYPE get_htmlText(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_text(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE parentElement(IHTMLElement** parent) override;
  HRESULT STDMETHODCALLTYPE duplicate(IHTMLTxtRange** duplicate) override;
  HRESULT STDMETHODCALLTYPE isEqual(IHTMLTxtRange* range, VARIANT_BOOL* equal) override;
  HRESULT STDMETHODCALLTYPE select() override;

 private:
  HtmlTextRange(std::shared_ptr<PageObjects> objects, std::shared_ptr<engine::Document> document,
                std::shared_ptr<engine::Element> container);
  ~HtmlTextRange() override = default;
  void* queryInterface(REFIID riid);
  std::shared_ptr<engine::Element> containerNow() const;
  std::string textNow() const;

  const std::shared_ptr<PageObjects> objects_;
  const std::shared_ptr<engine::Document> document_;
  const std::shared_ptr<engine::Element> container_;
};

class HtmlSelection final : public CarriedObject, public IHTMLSelectionObjectDefaults {
 public:
  static HtmlSelection* create(std::shared_ptr<PageObjects> objects, std::shared_ptr<engine::Document> document);

  MSHTML_IUNKNOWN_METHODS
  MSHTML_VTABLE_ONLY_IDISPATCH_METHODS

  HRESULT STDMETHODCALLTYPE createRange(IDispatch** range) override;
  HRESULT STDMETHODCALLTYPE empty() override;
  HRESULT STDMETHODCALLTYPE clear() override;
  HRESULT STDMETHODCALLTYPE get_type(BSTR* p) override;

 private:
  HtmlSelection(std::shared_ptr<PageObjects> objects, std::shared_ptr<engine::Document> document)
      : objects_(std::move(objects)), document_(std::move(document)) {}
  ~HtmlSelection() override = default;
  void* queryInterface(REFIID riid);

  const std::shared_ptr<PageObjects> objects_;
  const std::shared_ptr<engine::Document> document_;
};

}  // namespace mshtml
