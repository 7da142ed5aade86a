// The highlight that shows, while a checkpoint is picked, what a click would pick: a
// dotted blue border and the hand cursor on the element (element mode) or its table
// (table mode). It is drawn through the element's runtime style, so the page's own
// styles stay as they are, and the border is put back from values saved before.
#pragma once

#include <mshtml.h>

#include "com/bstr.h"
#include "com/com_ptr.h"

namespace recording {

// The checkpoint kinds SelectCheckPoint is given.
enum CheckpointType { kElementCheckpoint = 0, kTextCheckpoint = 1, kTableCheckpoint = 2 };

// The TABLE the element is in (the element itself included), or none.
ComPtr<IHTMLElement> enclosingTable(IHTMLElement* element);

// One document sink's highlight: the runtime border saved before drawing, put back when
// the mouse leaves. Used on the sink's (the browser's) thread only.
class CheckpointHighlight {
 public:
  // The mouse came over `element` while picking a checkpoint of `type`.
  void mouseOver(IHTMLElement* element, int type);
  // A button was pressed on `element`: table mode highlights as on a mouse-over.
  void mouseDown(IHTMLElement* element, int type);
  // The mouse left `element`.
  void mouseOut(IHTMLElement* element, int type);
  // The mouse left `element` after picking ended: a highlight still drawn on it (or on
  // its table) is undone as it would have been while picking.
  void mouseOutAfterPicking(IHTMLElement* element);

 private:
  void saveBorder(IHTMLStyle* style);
  void restoreBorder(IHTMLStyle* style) const;
  void highlightTable(IHTMLElement* element);

  // What is highlighted now (the element or the table) and in which mode; none once undone.
  ComPtr<IHTMLElement> drawnOn_;
  int drawnType_ = kElementCheckpoint;
  Bstr savedBorderStyle_;
  Bstr savedBorderColor_;
  Bstr savedBorderWidth_;
};

}  // namespace recording
