#include "html_window.h"

#include "automation_values.h"
#include "html_document.h"
#include "page_objects.h"

#include <engine/browser.h>

namespace mshtml {

HtmlWindow::HtmlWindow(std::shared_ptr<engine::Window> window, std::shared_ptr<PageObjects> objects)
    : window_(std::move(window)), objects_(std::move(objects)) {}

HtmlWindow::~HtmlWindow() { objects_->forget(window_.get(), this); }

void* HtmlWindow::queryInterface(REFIID riid) {
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IHTMLWindow2) ||
      IsEqualIID(riid, IID_IHTMLFramesCollection2)) {
    return static_cast<IHTMLWindow2*>(this);
  }
  return nullptr;
}

HRESULT HtmlWindow::windowObject(const std::shared_ptr<engine::Window>& window, IHTMLWindow2** out) {
  *out = window ? static_cast<IHTMLWindow2*>(objects_->window(window)) : nullptr;
  return S_OK;
}

// --- IHTMLFramesCollection2

HRESULT STDMETHODCALLTYPE HtmlWindow::item(VARIANT* index, VARIANT* result) {
  if (!index || !result) return E_POINTER;
  VariantInit(result);
  const std::optional<long> position = V_VT(index) == VT_BSTR ? std::nullopt : integerOf(*index);
  const std::optional<std::string> name = V_VT(index) == VT_BSTR ? textOf(*index) : std::nullopt;
  if (!position && !name) return E_INVALIDARG;
  return carry([&] {
    std::shared_ptr<engine::Window> frame;
    const auto& frames = window_->frames();
    if (position) {
      if (*position < 0 || static_cast<size_t>(*position) >= frames.size()) return E_INVALIDARG;
      frame = frames[static_cast<size_t>(*position)];
    } else {
      for (const auto& each : frames) {
        if (each->name() == *name) {
          frame = each;
          break;
        }
      }
      if (!frame) return DISP_E_MEMBERNOTFOUND;
    }
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = static_cast<IHTMLWindow2*>(objects_->window(frame));
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlWindow::get_length(LONG* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putLong(static_cast<long>(window_->frames().size()), p); });
}

// --- IHTMLWindow2

HRESULT STDMETHODCALLTYPE HtmlWindow::get_frames(IHTMLFramesCollection2** p) {
  if (!p) return E_POINTER;
  AddRef();
  *p = static_cast<IHTMLFramesCollection2*>(this);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE HtmlWindow::put_name(BSTR v) {
  std::string name = utf8FromBstr(v);
  return carry([&] {
    window_->setName(std::move(name));
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlWindow::get_name(BSTR* p) {
  if (!p) return E_POINTER;
  // An unnamed window answers an empty text.
  return carry([&] { return putString(window_->name(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlWindow::get_parent(IHTMLWindow2** p) {
  if (!p) return E_POINTER;
  return carry([&] { return windowObject(window_->parent(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlWindow::get_opener(VARIANT* p) {
  if (!p) return E_POINTER;
  VariantInit(p);
  return carry([&] {
    if (const auto opener = window_->opener()) {
      V_VT(p) = VT_DISPATCH;
      V_DISPATCH(p) = static_cast<IHTMLWindow2*>(objects_->window(opener));
    }
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlWindow::get_closed(VARIANT_BOOL* p) {
  if (!p) return E_POINTER;
  return carry([&] { return putBool(window_->closed(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlWindow::get_self(IHTMLWindow2** p) {
  if (!p) return E_POINTER;
  AddRef();
  *p = this;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE HtmlWindow::get_window(IHTMLWindow2** p) { return get_self(p); }

HRESULT STDMETHODCALLTYPE HtmlWindow::get_top(IHTMLWindow2** p) {
  if (!p) return E_POINTER;
  return carry([&] { return windowObject(window_->top(), p); });
}

HRESULT STDMETHODCALLTYPE HtmlWindow::get_document(IHTMLDocument2** p) {
  if (!p) return E_POINTER;
  *p = nullptr;
  return carry([&] {
    if (const auto document = window_->document()) *p = objects_->document(document);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlWindow::navigate(BSTR url) {
  const std::string address = utf8FromBstr(url);
  return carry([&] {
    window_->browser().navigate(*window_, address);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlWindow::close() {
  return carry([&] {
    // Only a top-level window closes; a frame's close() is ignored, as in IE.
    if (window_->isTopLevel() && !window_->closed()) window_->browser().closeWindow(*window_);
    return S_OK;
  });
}

HRESULT STDMETHODCALLTYPE HtmlWindow::toString(BSTR* p) { return putString("[object]", p); }

}  // namespace mshtml
