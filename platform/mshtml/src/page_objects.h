// The COM objects of one browser instance's pages, one per engine object, so that the
// same element always comes back as the same object (the system compares objects by
// their IUnknown). Used on the browser thread only; the objects unregister themselves
// when they are destroyed, which also happens on that thread.
#pragma once

#include <exdisp.h>

#include <memory>
#include <unordered_map>

namespace engine {
class Document;
class Element;
class Window;
}  // namespace engine

namespace mshtml {

class HtmlElement;
class HtmlDocument;
class HtmlWindow;
class BrowserSession;

class PageObjects : public std::enable_shared_from_this<PageObjects> {
 public:
  explicit PageObjects(BrowserSession* session) : session_(session) {}
  PageObjects(const PageObjects&) = delete;
  PageObjects& operator=(const PageObjects&) = delete;

  // Each returns a new reference to the object for `e`, making it on first use; nullptr
  // for a null engine object.
  HtmlElement* element(const std::shared_ptr<engine::Element>& e);
  HtmlDocument* document(const std::shared_ptr<engine::Document>& d);
  HtmlWindow* window(const std::shared_ptr<engine::Window>& w);
  // The WebBrowser object of a frame (an embedded browser), as IWebBrowser2.
  IWebBrowser2* frameBrowser(const std::shared_ptr<engine::Window>& frame);

  // The browser session the pages belong to; null once it has quit.
  BrowserSession* session() const { return session_; }
  void detachSession() { session_ = nullptr; }

  // IHTMLElement::click: the click a script's el.click() makes, with its default action.
  void click(const std::shared_ptr<engine::Element>& element);

  // Called by an object's destructor.
  void forget(const void* engineObject) { objects_.erase(engineObject); }

 private:
  BrowserSession* session_;
  std::unordered_map<const void*, void*> objects_;
};

}  // namespace mshtml
