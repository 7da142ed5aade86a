// Element collections (IHTMLElementCollection: document.all, rows, cells, tags(...)) and
// area collections (IHTMLAreasCollection: map.areas). A collection holds the elements it
// had when it was made: IE's collections are live, but the system reads a collection
// right after getting it, and a fixed list keeps a scan of a large page linear.
#pragma once

#include "carried_object.h"
#include "automation_values.h"
#include "interface_defaults.h"

#include <engine/node.h>

#include <memory>
#include <vector>

namespace mshtml {

class PageObjects;

class HtmlCollection final : public CarriedObject,
                             public IHTMLElementCollectionDefaults,
                             public IHTMLAreasCollectionDefaults {
 public:
  enum class Kind { Elements, Areas };
  // Browser thread only. Returns a new reference.
  static HtmlCollection* create(std::shared_ptr<PageObjects> objects,
                                std::vector<std::shared_ptr<engine::Element>> elements,
                                Kind kind = Kind::Elements);

  MSHTML_IUNKNOWN_METHODS
  MSHTML_VTABLE_ONLY_IDISPATCH_METHODS

  HRESULT STDMETHODCALLTYPE toString(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE put_length(LONG v) override;
  HRESULT STDMETHODCALLTYPE get_length(LONG* p) override;
  HRESULT STDMETHODCALLTYPE get__newEnum(IUnknown** p) override;
  HRESULT STDMETHODCALLTYPE item(VARIANT name, VARIANT index, IDispatch** pdisp) override;
  HRESULT STDMETHODCALLTYPE tags(VARIANT tagName, IDispatch** pdisp) override;

  // Shared with the SELECT and FORM elements, whose item() works the same way.
  static HRESULT itemOf(const std::shared_ptr<PageObjects>& objects,
                        const std::vector<std::shared_ptr<engine::Element>>& elements, const VARIANT& name,
                        const VARIANT& index, IDispatch** pdisp);
  static HRESULT tagsOf(const std::shared_ptr<PageObjects>& objects,
                        const std::vector<std::shared_ptr<engine::Element>>& elements, const VARIANT& tagName,
                        IDispatch** pdisp);

 private:
  HtmlCollection(std::shared_ptr<PageObjects> objects, std::vector<std::shared_ptr<engine::Element>> elements,
                 Kind kind);
  ~HtmlCollection() override = default;
  void* queryInterface(REFIID riid);

  const std::shared_ptr<PageObjects> objects_;
  const std::vector<std::shared_ptr<engine::Element>> elements_;
  const Kind kind_;
};

}  // namespace mshtml
