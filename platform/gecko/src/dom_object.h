// The base of every DOM object: an atomic reference count, and destruction on the
// browser thread, because the object holds engine nodes that only that thread touches.
#pragma once

#include "dom_session.h"
#include "nsISupports.h"

#include <atomic>
#include <memory>

namespace gecko {

class DomObject {
 public:
  DomObject(const DomObject&) = delete;
  DomObject& operator=(const DomObject&) = delete;

  // A new reference, unless the last one is gone and the object's deletion is on its
  // way (the wrapper table must then make a new object, not revive this one).
  bool addRefUnlessDying() {
    nsrefcnt count = refs_.load(std::memory_order_relaxed);
    while (count != 0) {
      if (refs_.compare_exchange_weak(count, count + 1, std::memory_order_relaxed)) return true;
    }
    return false;
  }
  // The object as nsISupports (its first interface), without a new reference.
  virtual nsISupports* canonical() = 0;

 protected:
  explicit DomObject(std::shared_ptr<DomSession> session) : session_(std::move(session)) {}
  virtual ~DomObject() = default;

  nsrefcnt addRef() { return refs_.fetch_add(1, std::memory_order_relaxed) + 1; }
  nsrefcnt release() {
    const nsrefcnt left = refs_.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) {
      if (session_->onBrowserThread() || !session_->post([this] { delete this; })) delete this;
    }
    return left;
  }
  // The interface pointer for `iid`, or null; no reference added.
  virtual void* queryInterface(const nsIID& iid) = 0;

  DomSession& session() const { return *session_; }
  const std::shared_ptr<DomSession>& sharedSession() const { return session_; }

 private:
  std::shared_ptr<DomSession> session_;
  std::atomic<nsrefcnt> refs_{1};
};

// nsISupports for a class deriving from DomObject and its interfaces.
#define GECKO_DOM_ISUPPORTS                                               \
  NS_IMETHOD QueryInterface(REFNSIID aIID, void** aResult) override {     \
    if (!aResult) return NS_ERROR_NULL_POINTER;                           \
    *aResult = queryInterface(aIID);                                      \
    if (!*aResult) return NS_NOINTERFACE;                                 \
    addRef();                                                             \
    return NS_OK;                                                         \
  }                                                                       \
  NS_IMETHOD_(nsrefcnt) AddRef(void) override { return addRef(); }        \
  NS_IMETHOD_(nsrefcnt) Release(void) override { return release(); }

}  // namespace gecko
