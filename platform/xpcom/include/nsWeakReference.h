// nsSupportsWeakReference: the base that gives an object weak references
// (Gecko 1.7 nsWeakReference.h). The object's destruction clears them, after which
// QueryReferent answers NS_ERROR_NULL_POINTER. As in Gecko, a weak reference is meant
// for the referent's own thread: another thread may read it without a data race, but
// could still reach an object that is being destroyed.
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
  PRBool HasWeakReferences() const { return mProxy != nullptr; }

 private:
  friend class nsWeakReference;
  void NoticeProxyDestruction() { mProxy = nullptr; }
  nsWeakReference* mProxy;
};
