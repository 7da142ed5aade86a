#include "recording/text_checkpoint.h"

#include <string>
#include <vector>

#include "common/line_kinds.h"
#include "core/process_state.h"
#include "recording/element_descriptors.h"
#include "recording/element_properties.h"

namespace recording {

namespace {

// The document's selection, or none when nothing is selected. Internet Explorer always
// gives a selection object; with nothing selected its type is "None" and its range
// would stand for the whole body, which is not a text the user picked.
ComPtr<IHTMLSelectionObject> selectionOf(IHTMLDocument2* document) {
  ComPtr<IHTMLSelectionObject> selection;
  if (document == nullptr || FAILED(document->get_selection(selection.put())) || !selection) return {};
  Bstr type;
  selection->get_type(type.put());
  if (type.toAnsi() == "None") return {};
  return selection;
}

}  // namespace

void textCheckpoint(IHTMLEventObj* event) {
  scriptline::Line<std::string> line(scriptline::ie::kCheckpointText);
  line.set("index", std::to_string(processState().currentBrowserIndex.load()));
  ComPtr<IHTMLElement> element;
  if (event != nullptr) event->get_srcElement(element.put());
  const ComPtr<IHTMLDocument2> document = documentOf(element.get());
  if (const ComPtr<IHTMLSelectionObject> selection = selectionOf(document.get())) {
    ComPtr<IDispatch> created;
    ComPtr<IHTMLElement> parent;
    if (SUCCEEDED(selection->createRange(created.put())))
      if (const auto range = queryAs<IHTMLTxtRange>(created.get(), IID_IHTMLTxtRange)) range->parentElement(parent.put());
    if (parent) line.set("selectedText", innerTextOf(parent.get()));
    ComPtr<IHTMLElement> body;
    if (SUCCEEDED(document->get_body(body.put())) && body) line.set("fullText", innerTextOf(body.get()));
  }
  std::vector<std::string> list = windowBlock(event);
  line.appendTo(list);
  processState().setCheckPointProperties(std::move(list));
}

}  // namespace recording
