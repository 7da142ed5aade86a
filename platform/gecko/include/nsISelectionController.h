// nsISelectionController (Gecko 1.7 content/base/public/nsISelectionController.idl).
#pragma once

#include "nsISelectionDisplay.h"

#define NS_ISELECTIONCONTROLLER_IID \
  { 0xd2d1d179, 0x85a7, 0x11d3, { 0x99, 0x32, 0x00, 0x10, 0x83, 0x01, 0x23, 0x3c } }

class NS_NO_VTABLE nsISelectionController : public nsISelectionDisplay {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_ISELECTIONCONTROLLER_IID)

  enum {
    SELECTION_NONE = 0,
    SELECTION_NORMAL = 1,
    SELECTION_SPELLCHECK = 2,
    SELECTION_IME_RAWINPUT = 4,
    SELECTION_IME_SELECTEDRAWTEXT = 8,
    SELECTION_IME_CONVERTEDTEXT = 16,
    SELECTION_IME_SELECTEDCONVERTEDTEXT = 32,
    SELECTION_ACCESSIBILITY = 64,
    NUM_SELECTIONTYPES = 8,
    SELECTION_ANCHOR_REGION = 0,
    SELECTION_FOCUS_REGION = 1,
    NUM_SELECTION_REGIONS = 2,
    SELECTION_OFF = 0,
    SELECTION_HIDDEN = 1,
    SELECTION_ON = 2,
    SELECTION_DISABLED = 3,
    SELECTION_ATTENTION = 4,
  };

  NS_IMETHOD SetDisplaySelection(PRInt16 toggle) = 0;
  NS_IMETHOD GetDisplaySelection(PRInt16* _retval) = 0;
  NS_IMETHOD GetSelection(PRInt16 type, nsISelection** _retval) = 0;
  NS_IMETHOD ScrollSelectionIntoView(PRInt16 type, PRInt16 region, PRBool isSynchronous) = 0;
  NS_IMETHOD RepaintSelection(PRInt16 type) = 0;
  NS_IMETHOD SetCaretEnabled(PRBool enabled) = 0;
  NS_IMETHOD SetCaretWidth(PRInt16 pixels) = 0;
  NS_IMETHOD SetCaretReadOnly(PRBool readOnly) = 0;
  NS_IMETHOD GetCaretEnabled(PRBool* _retval) = 0;
  NS_IMETHOD SetCaretVisibilityDuringSelection(PRBool visibility) = 0;
  NS_IMETHOD CharacterMove(PRBool forward, PRBool extend) = 0;
  NS_IMETHOD WordMove(PRBool forward, PRBool extend) = 0;
  NS_IMETHOD LineMove(PRBool forward, PRBool extend) = 0;
  NS_IMETHOD IntraLineMove(PRBool forward, PRBool extend) = 0;
  NS_IMETHOD PageMove(PRBool forward, PRBool extend) = 0;
  NS_IMETHOD CompleteScroll(PRBool forward) = 0;
  NS_IMETHOD CompleteMove(PRBool forward, PRBool extend) = 0;
  NS_IMETHOD ScrollPage(PRBool forward) = 0;
  NS_IMETHOD ScrollLine(PRBool forward) = 0;
  NS_IMETHOD ScrollHorizontal(PRBool left) = 0;
  NS_IMETHOD SelectAll(void) = 0;
  NS_IMETHOD CheckVisibility(nsIDOMNode* node, PRInt16 startOffset, PRInt16 endOffset, PRBool* _retval) = 0;

 protected:
  ~nsISelectionController() = default;
};
