// nsIDOMNSEvent (Gecko 1.7 dom/public/idl/events/nsIDOMNSEvent.idl).
#pragma once

#include "domstubs.h"

#define NS_IDOMNSEVENT_IID \
  { 0xe565d518, 0x4510, 0x407f, { 0xa3, 0xd9, 0x3b, 0x41, 0x07, 0x54, 0x9c, 0x6d } }

class NS_NO_VTABLE nsIDOMNSEvent : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_IDOMNSEVENT_IID)

  enum {
    MOUSEDOWN = 0x00000001,
    MOUSEUP = 0x00000002,
    MOUSEOVER = 0x00000004,
    MOUSEOUT = 0x00000008,
    MOUSEMOVE = 0x00000010,
    MOUSEDRAG = 0x00000020,
    CLICK = 0x00000040,
    DBLCLICK = 0x00000080,
    KEYDOWN = 0x00000100,
    KEYUP = 0x00000200,
    KEYPRESS = 0x00000400,
    DRAGDROP = 0x00000800,
    FOCUS = 0x00001000,
    BLUR = 0x00002000,
    SELECT = 0x00004000,
    CHANGE = 0x00008000,
    RESET = 0x00010000,
    SUBMIT = 0x00020000,
    SCROLL = 0x00040000,
    LOAD = 0x00080000,
    UNLOAD = 0x00100000,
    XFER_DONE = 0x00200000,
    ABORT = 0x00400000,
    ERROR = 0x00800000,
    LOCATE = 0x01000000,
    MOVE = 0x02000000,
    RESIZE = 0x04000000,
    FORWARD = 0x08000000,
    HELP = 0x10000000,
    BACK = 0x20000000,
    TEXT = 0x40000000,
    ALT_MASK = 0x00000001,
    CONTROL_MASK = 0x00000002,
    SHIFT_MASK = 0x00000004,
    META_MASK = 0x00000008,
  };

  NS_IMETHOD GetOriginalTarget(nsIDOMEventTarget** aOriginalTarget) = 0;
  NS_IMETHOD GetExplicitOriginalTarget(nsIDOMEventTarget** aExplicitOriginalTarget) = 0;
  NS_IMETHOD GetTmpRealOriginalTarget(nsIDOMEventTarget** aTmpRealOriginalTarget) = 0;
  NS_IMETHOD PreventBubble(void) = 0;
  NS_IMETHOD PreventCapture(void) = 0;
  NS_IMETHOD GetIsTrusted(PRBool* aIsTrusted) = 0;

 protected:
  ~nsIDOMNSEvent() = default;
};
