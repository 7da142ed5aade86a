#include "dom_session.h"

#include "dom_character_data.h"
#include "dom_document.h"
#include "dom_element.h"
#include "engine/browser_thread.h"
#include "engine/document.h"
#include "engine/node.h"
#include "markup_wrappers.h"

namespace gecko {

DomSession::DomSession(engine::BrowserThread& thread) : thread_(&thread) {
  thread.call([this] { browserThreadId_ = std::this_thread::get_id(); });
}

DomSession::DomSession() : freeStanding_(true), thread_(nullptr) {}

// By the thread's id, not through thread_, which may be ending on another thread.
bool DomSession::onBrowserThread() const { return std::this_thread::get_id() == browserThreadId_; }

bool DomSession::callOnBrowserThread(const std::function<void()>& work) { return thread_->call(work); }

bool DomSession::post(std::function<void()> work) {
  std::shared_lock lock(endMutex_);
  return thread_ && thread_->post(std::move(work));
}

void DomSession::end() {
  std::unique_lock lock(endMutex_);
  thread_ = nullptr;
}

nsCOMPtr<nsIDOMNode> DomSession::wrap(const std::shared_ptr<engine::Node>& node) {
  nsCOMPtr<nsIDOMNode> result;
  if (!node) return result;
  {
    std::lock_guard lock(wrappersMutex_);
    auto found = wrappers_.find(node.get());
    if (found != wrappers_.end() && found->second.object->addRefUnlessDying()) {
      result = dont_AddRef(found->second.node);
      return result;
    }
  }
  std::shared_ptr<DomSession> self = shared_from_this();
  DomObject* wrapper = nullptr;
  nsIDOMNode* created = nullptr;
  makeMarkupWrapper(self, node, wrapper, created);  // XML documents and their elements
  if (!created) switch (node->nodeType()) {
    case engine::NodeType::Element: {
      auto element = createElementWrapper(self, std::static_pointer_cast<engine::Element>(node));
      wrapper = element.object;
      created = element.node;
      break;
    }
    case engine::NodeType::Document: {
      auto* document = new DomDocument(self, std::static_pointer_cast<engine::Document>(node));
      wrapper = document;
      created = document;
      break;
    }
    case engine::NodeType::Text: {
      auto* text = new DomText(self, node);
      wrapper = text;
      created = text;
      break;
    }
    case engine::NodeType::Comment: {
      auto* comment = new DomComment(self, node);
      wrapper = comment;
      created = comment;
      break;
    }
  }
  if (!created) return result;
  {
    std::lock_guard lock(wrappersMutex_);
    wrappers_[node.get()] = Wrapper{wrapper, created};
  }
  result = dont_AddRef(created);
  return result;
}

void DomSession::forget(const engine::Node* node, const DomObject* wrapper) {
  std::lock_guard lock(wrappersMutex_);
  auto found = wrappers_.find(node);
  if (found != wrappers_.end() && found->second.object == wrapper) wrappers_.erase(found);
}

nsISupports* DomSession::findWrapper(const void* key) {
  std::lock_guard lock(wrappersMutex_);
  auto found = otherWrappers_.find(key);
  if (found == otherWrappers_.end() || !found->second->addRefUnlessDying()) return nullptr;
  return found->second->canonical();
}

void DomSession::rememberWrapper(const void* key, DomObject* wrapper) {
  std::lock_guard lock(wrappersMutex_);
  otherWrappers_[key] = wrapper;
}

void DomSession::forgetWrapper(const void* key, const DomObject* wrapper) {
  std::lock_guard lock(wrappersMutex_);
  auto found = otherWrappers_.find(key);
  if (found != otherWrappers_.end() && found->second == wrapper) otherWrappers_.erase(found);
}

}  // namespace gecko
