// What the DOM objects of one browser instance share: the way to its browser thread and
// the table that gives each engine node one wrapper. Every DOM object belongs to the
// browser thread, as Gecko's content objects belong to its UI thread: a method called on
// another thread carries its body there and waits (serving calls carried into the
// caller meanwhile, so re-entrant chains complete), as the MSHTML stand-in's objects do.
#pragma once

#include "nsCOMPtr.h"
#include "nsError.h"
#include "nsIDOMNode.h"

#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <new>
#include <shared_mutex>
#include <thread>
#include <unordered_map>

namespace engine {
class BrowserThread;
class Node;
}  // namespace engine

namespace gecko {

class DomObject;

class DomSession : public std::enable_shared_from_this<DomSession> {
 public:
  // Call from another thread than `thread` (it asks the thread who it is).
  explicit DomSession(engine::BrowserThread& thread);
  // A session of free-standing documents (a text parsed as XML) that no browser
  // shows: calls run on the calling thread, one at a time.
  DomSession();
  DomSession(const DomSession&) = delete;
  DomSession& operator=(const DomSession&) = delete;

  // Runs `body` (returning nsresult) on the browser thread while the caller waits.
  // NS_ERROR_FAILURE once the browser has ended; a C++ exception becomes a result here,
  // so none crosses an interface call.
  template <class Body>
  nsresult carry(Body&& body) {
    nsresult result = NS_ERROR_FAILURE;
    auto guarded = [&] {
      try {
        result = body();
      } catch (const std::bad_alloc&) {
        result = NS_ERROR_OUT_OF_MEMORY;
      } catch (...) {
        result = NS_ERROR_FAILURE;
      }
    };
    if (onBrowserThread()) {
      guarded();
      return result;
    }
    if (freeStanding_) {
      std::lock_guard lock(freeStandingMutex_);
      guarded();
      return result;
    }
    // Held for the call, so the browser cannot end under it (end() waits).
    std::shared_lock lock(endMutex_);
    if (!thread_ || !callOnBrowserThread(guarded)) return NS_ERROR_FAILURE;
    return result;
  }

  // Runs `work` on the browser thread later; false once it has ended.
  bool post(std::function<void()> work);
  bool onBrowserThread() const;
  // Called before the browser ends: later calls fail instead of reaching it.
  void end();

  // Browser thread only. The wrapper of `node` (the same one while it lives), as a new
  // reference, or null for no node.
  nsCOMPtr<nsIDOMNode> wrap(const std::shared_ptr<engine::Node>& node);
  // A wrapper leaving the table as it is destroyed.
  void forget(const engine::Node* node, const DomObject* wrapper);

  // Browser thread only. The same for engine objects that are not nodes (windows): the
  // live wrapper registered for `key` with a new reference (to its canonical
  // nsISupports), or null; registering one; and its leaving.
  nsISupports* findWrapper(const void* key);
  void rememberWrapper(const void* key, DomObject* wrapper);
  void forgetWrapper(const void* key, const DomObject* wrapper);

 private:
  bool callOnBrowserThread(const std::function<void()>& work);

  const bool freeStanding_ = false;
  std::recursive_mutex freeStandingMutex_;
  std::shared_mutex endMutex_;
  engine::BrowserThread* thread_;  // null once ended; guarded by endMutex_
  std::thread::id browserThreadId_;
  struct Wrapper {
    DomObject* object;
    nsIDOMNode* node;
  };
  std::mutex wrappersMutex_;
  std::unordered_map<const engine::Node*, Wrapper> wrappers_;
  std::unordered_map<const void*, DomObject*> otherWrappers_;  // guarded by wrappersMutex_
};

}  // namespace gecko
