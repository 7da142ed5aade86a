// A window as MSHTML hands it out (IHTMLWindow2, and IHTMLFramesCollection2, which in IE
// is the window itself: document.frames is the window, frames[i] its i-th frame).
#pragma once

#include "carried_object.h"
#include "automation_values.h"
#include "interface_defaults.h"

#include <engine/window.h>

#include <memory>

namespace mshtml {

class PageObjects;

class HtmlWindow final : public CarriedObject, public IHTMLWindow2Defaults {
 public:
  // Browser thread only; use PageObjects::window.
  HtmlWindow(std::shared_ptr<engine::Window> window, std::shared_ptr<PageObjects> objects);

  MSHTML_IUNKNOWN_METHODS
  MSHTML_VTABLE_ONLY_IDISPATCH_METHODS

  // IHTMLFramesCollection2
  HRESULT STDMETHODCALLTYPE item(VARIANT* index, VARIANT* result) override;
  HRESULT STDMETHODCALLTYPE get_length(LONG* p) override;

  // IHTMLWindow2
  HRESULT STDMETHODCALLTYPE get_frames(IHTMLFramesCollection2** p) override;
  HRESULT STDMETHODCALLTYPE put_name(BSTR v) override;
  HRESULT STDMETHODCALLTYPE get_name(BSTR* p) override;
  HRESULT STDMETHODCALLTYPE get_parent(IHTMLWindow2** p) override;
  HRESULT STDMETHODCALLTYPE get_opener(VARIANT* p) override;
  HRESULT STDMETHODCALLTYPE get_closed(VARIANT_BOOL* p) override;
  HRESULT STDMETHODCALLTYPE get_self(IHTMLWindow2** p) override;
  HRESULT STDMETHODCALLTYPE get_top(IHTMLWindow2** p) override;
  HRESULT STDMETHODCALLTYPE get_window(IHTMLWindow2** p) override;
  HRESULT STDMETHODCALLTYPE get_document(IHTMLDocument2** p) override;
  HRESULT STDMETHODCALLTYPE navigate(BSTR url) override;
  HRESULT STDMETHODCALLTYPE close() override;
  HRESULT STDMETHODCALLTYPE toString(BSTR* p) override;

 private:
  ~HtmlWindow() override;
  void* queryInterface(REFIID riid);
  HRESULT windowObject(const std::shared_ptr<engine::Window>& window, IHTMLWindow2** out);

  const std::shared_ptr<engine::Window> window_;
  const std::shared_ptr<PageObjects> objects_;
};

}  // namespace mshtml
