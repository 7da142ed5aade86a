#include "html_document.h"

#include "automation_values.h"
#include "html_collection.h"
#include "html_element.h"
#include "html_text_range.h"
#include "html_window.h"
#include "page_objects.h"
#include "unknown_enumerator.h"

#include <engine/window.h>

namespace mshtml {

HtmlDocument::HtmlDocument(std::shared_ptr<engine::Document> document, std::shared_ptr<PageObjects> objects)
    : document_(std::move(document)),
      objects_(std::move(objects)),
      events_(static_cast<IConnectionPointContainer*>(this), {&DIID_HTMLDocumentEvents2}),
      forwarder_(*document_, DIID_HTMLDocumentEvents2, events_, objects_) {
  // While sinks are connected the document listens to the page and stays alive, as
  // IE's does until its sinks unadvise.
  events_.onConnectionChange([this](bool connected) {
    if (connected) {
      AddRef();
      forwarder_.start();
    } else {
      forwarder_.stop();
      releaseLater();
    }
  });
}

HtmlDocument::~HtmlDocument() { objects_->forget(document_.get(), this); }

void* HtmlDocument::queryInterface(REFIID riid) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IHTMLDocument) ||
      IsEqualIID(riid, IID_IHTMLDocument2)) {
    return static_cast<IHTMLDocument2*>(this);
  }
  if (IsEqualIID(riid, IID_IHTMLDocument3)) return static_cast<IHTMLDocument3*>(this);
  if (IsEqualIID(riid, IID_IOleContainer) || IsEqualIID(riid, IID_IParseDisplayName)) {
    return static_cast<IOleContainer*>(this);
  }
  if (IsEqualIID(riid, IID_IConnectionPointContainer)) return static_cast<IConnectionPointContainer*>(this);
  return nullptr;
}

HRESULT HtmlDocument::collection(IHTMLElementCollection** out,
                                 std::vector<std::shared_ptr<engine::Element>> elements) {
  *out = HtmlCollection::create(objects_, std::move(elements));
  return S_OK;
}

// --- IHTMLDocument2

HRESULT STDMETHODCALLTYPE HtmlDocument::get_Script(IDispatch** p) {
  if (!p) return E_POINTER;
  IHTMLWindow2* window = nullptr;
  const HRESULT result = get_parentWindow(&window);
  *p = window;
  return result;
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_all(IHTMLElementCollection** p) {
  if (!p) return E_POINTER;
  return carry([&] { return collection(p, document_->all()); });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_body(IHTMLElement** p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  return carry([&] {
    if (const auto body = document_->body()) *p = objects_->element(body)->asElement();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_activeElement(IHTMLElement** p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  // With nothing focused IE answers the body.
  return carry([&] {
    std::shared_ptr<engine::Element> active = document_->activeElement();
    if (!active) active = document_->body();
    if (active) *p = objects_->element(active)->asElement();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_images(IHTMLElementCollection** p) {
  if (!p) return E_POINTER;
  return carry([&] { return collection(p, document_->images()); });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_links(IHTMLElementCollection** p) {
  if (!p) return E_POINTER;
  return carry([&] { return collection(p, document_->links()); });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_forms(IHTMLElementCollection** p) {
  if (!p) return E_POINTER;
  return carry([&] { return collection(p, document_->forms()); });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::put_title(BSTR v) {
  const std::string title = utf8FromBstr(v);
  return carry([&] {
    document_->setTitle(title);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_title(BSTR* p) {
  if (!p) return E_POINTER;
  // A document without a title answers an empty text, not null.
  return carry([&] { return putString(document_->title(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_readyState(BSTR* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putString(engine::readyStateName(document_->readyState()), p); });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_frames(IHTMLFramesCollection2** p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  // IE's frames collection is the document's window itself.
  return carry([&] {
    if (const auto window = document_->defaultView()) *p = static_cast<IHTMLFramesCollection2*>(objects_->window(window));
    return *p ? S_OK : E_FAIL;
  });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_URL(BSTR* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putString(document_->url(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_parentWindow(IHTMLWindow2** p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  return carry([&] {
    if (const auto window = document_->defaultView()) *p = static_cast<IHTMLWindow2*>(objects_->window(window));
    return *p ? S_OK : E_FAIL;
  });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::get_selection(IHTMLSelectionObject** p) {
  if (!p) return E_POINTER;
  return carry([&] {
    *p = HtmlSelection::create(objects_, document_);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::toString(BSTR* p) { return putString("[object]", p); }

// --- IHTMLDocument3

HRESULT STDMETHODCALLTYPE HtmlDocument::get_documentElement(IHTMLElement** p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  return carry([&] {
    if (const auto root = document_->documentElement()) *p = objects_->element(root)->asElement();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::getElementsByName(BSTR v, IHTMLElementCollection** p) {
  if (!p) return E_POINTER;
  const std::string name = utf8FromBstr(v);
  return carry([&] { return collection(p, document_->getElementsByName(name)); });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::getElementById(BSTR v, IHTMLElement** p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  const std::string id = utf8FromBstr(v);
  return carry([&] {
    if (const auto element = document_->getElementById(id)) *p = objects_->element(element)->asElement();
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::getElementsByTagName(BSTR v, IHTMLElementCollection** p) {
  if (!p) return E_POINTER;
  const std::string tag = utf8FromBstr(v);
  return carry([&] { return collection(p, document_->getElementsByTagName(tag)); });
}

// --- IOleContainer

HRESULT STDMETHODCALLTYPE HtmlDocument::ParseDisplayName(IBindCtx*, LPOLESTR, ULONG* eaten, IMoniker** out) {
  if (eaten) *eaten = 0;
  if (out) *out = nullptr;
  return E_NOTIMPL;  // as IE's document answers
}

HRESULT STDMETHODCALLTYPE HtmlDocument::EnumObjects(DWORD flags, IEnumUnknown** objects) {
  if (!objects) return E_POINTER;
  *objects = nullptr;
  return carry([&] {
    std::vector<IUnknown*> embedded;
    // The embeddings of a page are its frames, each a WebBrowser object.
    if (flags & OLECONTF_EMBEDDINGS) {
      if (const auto window = document_->defaultView()) {
        for (const auto& frame : window->frames()) {
          if (IWebBrowser2* browser = objects_->frameBrowser(frame)) embedded.push_back(browser);
        }
      }
    }
    *objects = UnknownEnumerator::create(std::move(embedded));
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlDocument::LockContainer(BOOL) { return S_OK; }

// --- IConnectionPointContainer

HRESULT STDMETHODCALLTYPE HtmlDocument::EnumConnectionPoints(IEnumConnectionPoints** points) {
  return events_.enumerate(points);
}

HRESULT STDMETHODCALLTYPE HtmlDocument::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
  return events_.find(riid, point);
}

}  // namespace mshtml
