// The COM objects of one browser instance, one per engine object, so that the same
// element, document, window or browser always comes back as the same object (the system
// compares objects by their IUnknown). Used on the browser thread only; objects remove
// themselves when they are destroyed, which also happens on that thread.
#pragma once

#include <exdisp.h>

#include <memory>
#include <set>
#include <unordered_map>
#include <vector>

namespace engine {
class Document;
class Element;
class Window;
}  // namespace engine

namespace mshtml {

class HtmlElement;
class HtmlDocument;
class HtmlWindow;
class WebBrowser;

class PageObjects : public std::enable_shared_from_this<PageObjects> {
 public:
  PageObjects() = default;
  PageObjects(const PageObjects&) = delete;
  PageObjects& operator=(const PageObjects&) = delete;

  // Each returns a new reference to the object for the engine object, making it on
  // first use; nullptr for a null engine object.
  HtmlElement* element(const std::shared_ptr<engine::Element>& e);
  HtmlDocument* document(const std::shared_ptr<engine::Document>& d);
  HtmlWindow* window(const std::shared_ptr<engine::Window>& w);
  // The WebBrowser object of a top-level window or of a frame (an embedded browser).
  WebBrowser* browser(const std::shared_ptr<engine::Window>& w);
  IWebBrowser2* frameBrowser(const std::shared_ptr<engine::Window>& frame);
  // The WebBrowser object of `w` when one exists, without a reference; null otherwise.
  WebBrowser* existingBrowser(const engine::Window* w) const;

  // A frame's browser object lives as long as the frame, as IE's embedded browsers do,
  // so the pDisp of its events keeps one identity. Releases those of frames that are gone.
  void pruneFrameBrowsers();
  // Releases the frame browsers of every frame under the top-level window `top` (it is
  // closing: its frames go with it).
  void releaseFramesOf(const engine::Window* top);

  // Frames of a top-level window whose navigation began and has not completed. The
  // page is not complete (ready state, DocumentComplete of the top) while any is.
  std::set<const engine::Window*>& pendingFrames(const engine::Window* top) { return pendingFrames_[top]; }
  bool framesPending(const engine::Window* top) const {
    const auto it = pendingFrames_.find(top);
    return it != pendingFrames_.end() && !it->second.empty();
  }
  void forgetPending(const engine::Window* top) { pendingFrames_.erase(top); }

  // Called by the objects' destructors; an entry already taken by the object's successor
  // (made while this one was dying) stays.
  void forget(const void* engineObject, const void* object) {
    const auto it = objects_.find(engineObject);
    if (it != objects_.end() && it->second == object) objects_.erase(it);
  }
  void forgetBrowser(const void* engineWindow, const WebBrowser* browser) {
    const auto it = browsers_.find(engineWindow);
    if (it != browsers_.end() && it->second == browser) browsers_.erase(it);
  }

 private:
  template <typename Object, typename Engine>
  Object* find(const std::shared_ptr<Engine>& key);

  // Keyed by the engine object; a window has both an HtmlWindow and a WebBrowser.
  std::unordered_map<const void*, void*> objects_;
  std::unordered_map<const void*, WebBrowser*> browsers_;
  std::vector<WebBrowser*> frameBrowsers_;  // one reference each
  std::unordered_map<const engine::Window*, std::set<const engine::Window*>> pendingFrames_;
};

}  // namespace mshtml
