// nsISelectionListener (Gecko 1.7 content/base/public/nsISelectionListener.idl): told of
// changes to a selection it was added to. Implemented by callers; nothing in the
// simulated browser adds selection listeners.
#pragma once

#include "domstubs.h"

class nsISelection;

#define NS_ISELECTIONLISTENER_IID \
  { 0xa6cf90e2, 0x15b3, 0x11d2, { 0x93, 0x2e, 0x00, 0x80, 0x5f, 0x8a, 0xdd, 0x32 } }

class NS_NO_VTABLE nsISelectionListener : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISELECTIONLISTENER_IID)

  enum {
    NO_REASON = 0,
    DRAG_REASON = 1,
    MOUSEDOWN_REASON = 2,
    MOUSEUP_REASON = 4,
    KEYPRESS_REASON = 8,
    SELECTALL_REASON = 16,
  };

  NS_IMETHOD NotifySelectionChanged(nsIDOMDocument* doc, nsISelection* sel, PRInt16 reason) = 0;

 protected:
  ~nsISelectionListener() = default;
};
