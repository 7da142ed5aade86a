// nsISelectionDisplay (Gecko 1.7 content/base/public/nsISelectionDisplay.idl).
#pragma once

#include "domstubs.h"

#define NS_ISELECTIONDISPLAY_IID \
  { 0x0ddf9e1c, 0x1dd2, 0x11b2, { 0xa1, 0x83, 0x90, 0x8a, 0x08, 0xaa, 0x75, 0xae } }

class NS_NO_VTABLE nsISelectionDisplay : public nsISupports {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISELECTIONDISPLAY_IID)

  enum {
    DISPLAY_TEXT = 1,
    DISPLAY_IMAGES = 2,
    DISPLAY_FRAMES = 4,
    DISPLAY_ALL = 7,
  };

  NS_IMETHOD SetSelectionFlags(PRInt16 toggle) = 0;
  NS_IMETHOD GetSelectionFlags(PRInt16* _retval) = 0;

 protected:
  ~nsISelectionDisplay() = default;
};
