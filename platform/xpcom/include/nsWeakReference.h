// nsSupportsWeakReference: the base that gives an object weak references
// (Gecko 1.7 nsWeakReference.h). The object's destruction clears them, after which
// QueryReferent answers NS_ERROR_NULL_POINTER. The object and its weak reference may
// end on different threads at once. As in Gecko, QueryReferent is meant for the
// referent's own thread: from another it could still reach an object whose destructor
// has begun but not yet cleared the link.
#pragma once

#include "nsIWeakReference.h"

class nsWeakReference;

class NS_COM nsSupportsWeakReference : public nsISupportsWeakReference {
 public:
  nsSupportsWeakReference() : mProxy(nullptr) {}
  nsSupportsWeakReference(const nsSupportsWeakReference&) = delete;
  nsSupportsWeakReference& operator=(const nsSupportsWeakReference&) = delete;

  NS_IMETHOD GetWeakReference(nsIWeakReference** _retval) override;

 protected:
  ~nsSupportsWeakReference() { ClearWeakReferences(); }
  void ClearWeakReferences();
  PRBool HasWeakReferences() const;

 private:
  friend class nsWeakReference;
  void NoticeProxyDestruction() { mProxy = nullptr; }
  nsWeakReference* mProxy;  // guarded by the lock that links it (weak_reference.cpp)
};
