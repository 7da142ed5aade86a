#include "recording/checkpoint_highlight.h"

#include "common/trace_log.h"
#include "core/process_state.h"
#include "recording/element_properties.h"

namespace recording {

namespace {

ComPtr<IHTMLStyle> runtimeStyleOf(IHTMLElement* element) {
  ComPtr<IHTMLStyle> style;
  if (const ComPtr<IHTMLElement2> element2 = queryAs<IHTMLElement2>(element, IID_IHTMLElement2))
    element2->get_runtimeStyle(style.put());
  return style;
}

void putText(IHTMLStyle* style, HRESULT (STDMETHODCALLTYPE IHTMLStyle::*put)(BSTR), const char* value) {
  const Bstr text = Bstr::fromAnsi(value);
  (style->*put)(text.get());
}

void highlight(IHTMLStyle* style) {
  putText(style, &IHTMLStyle::put_cursor, "hand");
  putText(style, &IHTMLStyle::put_borderStyle, "dotted");
  putText(style, &IHTMLStyle::put_borderColor, "#0000CC");
  putText(style, &IHTMLStyle::put_borderWidth, "thin");
}

}  // namespace

ComPtr<IHTMLElement> enclosingTable(IHTMLElement* element) { return selfOrAncestorTagged(element, {"table", "TABLE"}); }

void CheckpointHighlight::saveBorder(IHTMLStyle* style) {
  style->get_borderStyle(savedBorderStyle_.put());
  style->get_borderColor(savedBorderColor_.put());
  style->get_borderWidth(savedBorderWidth_.put());
}

void CheckpointHighlight::restoreBorder(IHTMLStyle* style) const {
  style->put_borderStyle(savedBorderStyle_.get());
  style->put_borderColor(savedBorderColor_.get());
  style->put_borderWidth(savedBorderWidth_.get());
}

void CheckpointHighlight::highlightTable(IHTMLElement* element) {
  const ComPtr<IHTMLElement> table = enclosingTable(element);
  const ComPtr<IHTMLStyle> style = runtimeStyleOf(table.get());
  if (!style) return;
  // The border is saved once per process (the flag is never cleared), whichever sink
  // and table come first.
  bool saved = false;
  if (processState().tableBorderSaved.compare_exchange_strong(saved, true)) saveBorder(style.get());
  highlight(style.get());
  drawnOn_ = table;
  drawnType_ = kTableCheckpoint;
}

void CheckpointHighlight::mouseOver(IHTMLElement* element, int type) {
  if (type == kElementCheckpoint) {
    if (!queryAs<IHTMLElement2>(element, IID_IHTMLElement2)) {
      trace(" Couldn't find IHTMLElement2 interface");
      return;
    }
    const ComPtr<IHTMLStyle> style = runtimeStyleOf(element);
    if (!style) return;
    saveBorder(style.get());
    highlight(style.get());
    drawnOn_ = ComPtr<IHTMLElement>(element);
    drawnType_ = kElementCheckpoint;
  } else if (type == kTableCheckpoint) {
    highlightTable(element);
  }
}

void CheckpointHighlight::mouseDown(IHTMLElement* element, int type) {
  if (type == kTableCheckpoint) highlightTable(element);
}

void CheckpointHighlight::mouseOut(IHTMLElement* element, int type) {
  // The kind changed while the mouse was over what the former kind highlighted: that
  // highlight is undone the way it was drawn.
  if (drawnOn_ && drawnType_ != type) {
    mouseOutAfterPicking(element);
    return;
  }
  drawnOn_.reset();
  if (type == kElementCheckpoint) {
    const ComPtr<IHTMLStyle> style = runtimeStyleOf(element);
    if (!style) return;
    restoreBorder(style.get());
    putText(style.get(), &IHTMLStyle::put_cursor, "default");
  } else if (type == kTableCheckpoint) {
    // The cursor keeps its hand shape over a table left.
    const ComPtr<IHTMLElement> table = enclosingTable(element);
    if (const ComPtr<IHTMLStyle> style = runtimeStyleOf(table.get())) restoreBorder(style.get());
  }
}

void CheckpointHighlight::mouseOutAfterPicking(IHTMLElement* element) {
  if (!drawnOn_) return;
  const ComPtr<IHTMLElement> left =
      drawnType_ == kTableCheckpoint ? enclosingTable(element) : ComPtr<IHTMLElement>(element);
  if (isEqualObject(left.get(), drawnOn_.get())) mouseOut(element, drawnType_);
}

}  // namespace recording
