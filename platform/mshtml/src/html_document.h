// A page's document as MSHTML hands it out: IHTMLDocument2 and IHTMLDocument3 over the
// engine's document, and IOleContainer, whose embedded objects are the WebBrowser
// objects of the page's frames (how the system reaches each frame's document).
#pragma once

#include "carried_object.h"
#include "connection_points.h"
#include "event_forwarder.h"
#include "automation_values.h"
#include "interface_defaults.h"

#include <engine/document.h>

#include <oleidl.h>

#include <memory>

namespace mshtml {

class PageObjects;

class HtmlDocument final : public CarriedObject,
                           public IHTMLDocument2Defaults,
                           public IHTMLDocument3Defaults,
                           public IOleContainer,
                           public IConnectionPointContainer {
 public:
  // Browser thread only; use PageObjects::document.
  HtmlDocument(std::shared_ptr<engine::Document> document, std::shared_ptr<PageObjects> objects);

  const std::shared_ptr<engine::Document>& engineDocument() const { return document_; }

  MSHTML_IUNKNOWN_METHODS
  MSHTML_VTABLE_ONLY_IDISPATCH_METHODS

  // IHTMLDocument2
  HRESULT STDMETHODCALLTYPE get_Script(IDispatch** p) override;
  HRESULT STDMETHODCALLTYPE get_all(IHTMLElementCollection** p) override;
  HRESULT STDMETHODCALLTYPE get_body(IHTMLElement** p) override;
  HRESULT STDMETHODCALLTYPE get_activeElement(IHTMLElement** p) override;
  HRESULT STDMETHODCALLTYPE get_images(IHTMLElementCollection** p) override;
  HRESULT STDMETHODCALLTYPE get_links(IHTMLElementCollection** p) override;
  HRESULT STDMETHODCALLTYPE get_forms(IHTMLElementCollection** p) override;
  HRESULT STDMETHODCALLTYPE put_title(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_title(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_readyState(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_frames(IHTMLFramesCollection2** p) override;
  HRESULT STDMETHODCALLTYPE get_URL(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_parentWindow(IHTMLWindow2** p) override;
  HRESULT STDMETHODCALLTYPE get_selection(IHTMLSelectionObject** p) override;
  HRESULT STDMETHODCALLTYPE toString(BSTR* p) override;

  // IHTMLDocument3
  HRESULT STDMETHODCALLTYPE get_documentElement(IHTMLElement** p) override;
  HRESULT STDMETHODCALLTYPE getElementsByName(BSTR v, IHTMLElementCollection** p) override;
  HRESULT STDMETHODCALLTYPE getElementById(BSTR v, IHTMLElement** p) override;
  HRESULT STDMETHODCALLTYPE getElementsByTagName(BSTR v, IHTMLElementCollection** p) override;

  // IOleContainer
  HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx* context, LPOLESTR name, ULONG* eaten, IMoniker** out) override;
  HRESULT STDMETHODCALLTYPE EnumObjects(DWORD flags, IEnumUnknown** objects) override;
  HRESULT STDMETHODCALLTYPE LockContainer(BOOL lock) override;

  // IConnectionPointContainer (HTMLDocumentEvents2)
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

 private:
  ~HtmlDocument() override;
  void* queryInterface(REFIID riid);
  HRESULT collection(IHTMLElementCollection** out, std::vector<std::shared_ptr<engine::Element>> elements);

  const std::shared_ptr<engine::Document> document_;
  const std::shared_ptr<PageObjects> objects_;
  ConnectionPoints events_;
  EventForwarder forwarder_;
};

}  // namespace mshtml
