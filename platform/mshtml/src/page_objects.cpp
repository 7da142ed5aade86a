#include "page_objects.h"

#include "html_document.h"
#include "html_element.h"
#include "html_window.h"
#include "web_browser.h"

#include <engine/window.h>

#include <algorithm>

namespace mshtml {

template <typename Object, typename Engine>
Object* PageObjects::find(const std::shared_ptr<Engine>& key) {
  if (!key) return nullptr;
  const auto it = objects_.find(key.get());
  if (it != objects_.end()) {
    auto* object = static_cast<Object*>(it->second);
    if (object->addRefUnlessDying()) return object;
  }
  auto* object = new Object(key, shared_from_this());
  objects_[key.get()] = object;
  return object;
}

HtmlElement* PageObjects::element(const std::shared_ptr<engine::Element>& e) { return find<HtmlElement>(e); }
HtmlDocument* PageObjects::document(const std::shared_ptr<engine::Document>& d) { return find<HtmlDocument>(d); }
HtmlWindow* PageObjects::window(const std::shared_ptr<engine::Window>& w) { return find<HtmlWindow>(w); }

WebBrowser* PageObjects::browser(const std::shared_ptr<engine::Window>& w) {
  if (!w) return nullptr;
  const auto it = browsers_.find(w.get());
  if (it != browsers_.end() && it->second->addRefUnlessDying()) return it->second;
  auto* browser = new WebBrowser(w, shared_from_this());
  browsers_[w.get()] = browser;
  if (!w->isTopLevel()) {
    browser->AddRef();
    frameBrowsers_.push_back(browser);
  }
  return browser;
}

namespace {

// A frame is there while it is among its parent's frames, up to an open top window.
bool frameIsThere(const engine::Window& window) {
  if (window.closed()) return false;
  if (window.isTopLevel()) return true;
  const std::shared_ptr<engine::Window> parent = window.parent();
  if (!parent || parent.get() == &window) return false;
  const auto& siblings = parent->frames();
  const bool listed = std::any_of(siblings.begin(), siblings.end(), [&](const auto& f) { return f.get() == &window; });
  return listed && frameIsThere(*parent);
}

}  // namespace

void PageObjects::releaseFramesOf(const engine::Window* top) {
  std::vector<WebBrowser*> gone;
  std::erase_if(frameBrowsers_, [&](WebBrowser* browser) {
    if (browser->engineWindow()->top().get() != top) return false;
    gone.push_back(browser);
    return true;
  });
  for (WebBrowser* browser : gone) browser->Release();
}

void PageObjects::pruneFrameBrowsers() {
  std::vector<WebBrowser*> gone;
  std::erase_if(frameBrowsers_, [&](WebBrowser* browser) {
    if (frameIsThere(*browser->engineWindow())) return false;
    gone.push_back(browser);
    return true;
  });
  for (WebBrowser* browser : gone) browser->Release();
}

IWebBrowser2* PageObjects::frameBrowser(const std::shared_ptr<engine::Window>& frame) {
  WebBrowser* found = browser(frame);
  return found ? found->asBrowser() : nullptr;
}

WebBrowser* PageObjects::existingBrowser(const engine::Window* w) const {
  const auto it = browsers_.find(w);
  return it == browsers_.end() ? nullptr : it->second;
}

}  // namespace mshtml
