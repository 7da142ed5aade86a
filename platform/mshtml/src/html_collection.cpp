#include "html_collection.h"

#include "automation_values.h"
#include "html_element.h"
#include "page_objects.h"

#include <strings.h>

namespace mshtml {
namespace {

bool sameTag(const std::string& tag, const std::string& wanted) {
  return tag.size() == wanted.size() && strncasecmp(tag.c_str(), wanted.c_str(), tag.size()) == 0;
}

}  // namespace

HtmlCollection* HtmlCollection::create(std::shared_ptr<PageObjects> objects,
                                       std::vector<std::shared_ptr<engine::Element>> elements, Kind kind) {
  return new HtmlCollection(std::move(objects), std::move(elements), kind);
}

HtmlCollection::HtmlCollection(std::shared_ptr<PageObjects> objects,
                               std::vector<std::shared_ptr<engine::Element>> elements, Kind kind)
    : objects_(std::move(objects)), elements_(std::move(elements)), kind_(kind) {}

void* HtmlCollection::queryInterface(REFIID riid) {
  if (kind_ == Kind::Areas) {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, IID_IHTMLAreasCollection)) {
      return static_cast<IHTMLAreasCollection*>(this);
    }
    return nullptr;
  }
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
      IsEqualIID(riid, IID_IHTMLElementCollection)) {
    return static_cast<IHTMLElementCollection*>(this);
  }
  return nullptr;
}

HRESULT STDMETHODCALLTYPE HtmlCollection::toString(BSTR* p) { return putString("[object]", p); }

// IE's collections are read-only through length.
HRESULT STDMETHODCALLTYPE HtmlCollection::put_length(LONG) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE HtmlCollection::get_length(LONG* p) {
  // The list itself never changes, so no carrying is needed.
  return putLong(static_cast<long>(elements_.size()), p);
}

HRESULT STDMETHODCALLTYPE HtmlCollection::get__newEnum(IUnknown** p) {
  if (p) *p = nullptr;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE HtmlCollection::item(VARIANT name, VARIANT index, IDispatch** pdisp) {
  return carry([&] { return itemOf(objects_, elements_, name, index, pdisp); });
}

HRESULT STDMETHODCALLTYPE HtmlCollection::tags(VARIANT tagName, IDispatch** pdisp) {
  return carry([&] { return tagsOf(objects_, elements_, tagName, pdisp); });
}

HRESULT HtmlCollection::itemOf(const std::shared_ptr<PageObjects>& objects,
                               const std::vector<std::shared_ptr<engine::Element>>& elements, const VARIANT& name,
                               const VARIANT& index, IDispatch** pdisp) {
  if (!pdisp) return E_POINTER;
  *pdisp = nullptr;
  const VARIANT* key = &name;
  if (V_VT(key) == (VT_BYREF | VT_VARIANT)) key = V_VARIANTREF(key);
  // A number picks by position; IE answers S_OK with no object when it is out of range.
  if (V_VT(key) != VT_BSTR) {
    const std::optional<long> position = integerOf(*key);
    if (!position) return E_INVALIDARG;
    if (*position < 0 || static_cast<size_t>(*position) >= elements.size()) return S_OK;
    *pdisp = static_cast<IHTMLElement*>(objects->element(elements[static_cast<size_t>(*position)]));
    return S_OK;
  }
  // A text picks the elements whose id or name is that text: one element, or a
  // collection of them, or the index-th of them when an index is given.
  const std::string wanted = utf8FromBstr(V_BSTR(key));
  std::vector<std::shared_ptr<engine::Element>> matches;
  for (const auto& element : elements) {
    if (element->attribute("id") == wanted || element->attribute("name") == wanted) matches.push_back(element);
  }
  if (matches.empty()) return S_OK;
  if (const std::optional<long> position = integerOf(index)) {
    if (*position >= 0 && static_cast<size_t>(*position) < matches.size()) {
      *pdisp = static_cast<IHTMLElement*>(objects->element(matches[static_cast<size_t>(*position)]));
    }
    return S_OK;
  }
  if (matches.size() == 1) {
    *pdisp = static_cast<IHTMLElement*>(objects->element(matches.front()));
    return S_OK;
  }
  *pdisp = static_cast<IHTMLElementCollection*>(create(objects, std::move(matches)));
  return S_OK;
}

HRESULT HtmlCollection::tagsOf(const std::shared_ptr<PageObjects>& objects,
                               const std::vector<std::shared_ptr<engine::Element>>& elements, const VARIANT& tagName,
                               IDispatch** pdisp) {
  if (!pdisp) return E_POINTER;
  *pdisp = nullptr;
  const std::optional<std::string> tag = textOf(tagName);
  if (!tag) return E_INVALIDARG;
  std::vector<std::shared_ptr<engine::Element>> matches;
  for (const auto& element : elements) {
    if (sameTag(element->tagName(), *tag)) matches.push_back(element);
  }
  *pdisp = static_cast<IHTMLElementCollection*>(create(objects, std::move(matches)));
  return S_OK;
}

}  // namespace mshtml
