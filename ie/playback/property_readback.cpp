#include "playback/property_readback.h"

#include <mshtml.h>

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "com/variant.h"
#include "common/script_line.h"
#include "core/skerrow_app.h"
#include "playback/element_finders.h"
#include "playback/playback_state.h"
#include "playback/property_lists.h"
#include "playback/table_access.h"

namespace {

std::string currentWindowTitle() {
  Bstr title;
  if (const ComPtr<IHTMLDocument2> document = theApp.currentDocument()) document->get_title(title.put());
  return title.toAnsiOr(scriptline::kNone);
}

// A fault word passes through unchanged; a list gets its window properties.
std::string withWindowProps(const std::string& list) {
  if (list.compare(0, 5, "ERROR") == 0) return list;
  return appendWindowProps(list);
}

struct ElementRead {
  PropertyListKind kind;
  std::string word;  // the finder's
  // A list's read-back describes the SELECT fixSelect keeps, not the target element, so
  // it does not depend on an element an earlier finder left there.
  bool describesList = false;
};

}  // namespace

std::string fixAndGetElementProp(const std::string& type, const std::string& name, int index, const std::string& id) {
  const std::string waited = waitForComplete(0);
  if (waited != result::kSuccess) return waited;
  const std::string windowTitle = currentWindowTitle();

  ElementRead read{};
  if (type == "text" || type == "password") {
    read = {PropertyListKind::kTextField, findInputTextBox(type, name, index, id)};
  } else if (type == "textarea") {
    read = {PropertyListKind::kTextArea, findInputTextBox(type, name, index, id)};
  } else if (type == "button" || type == "submit" || type == "reset") {
    read = {PropertyListKind::kButton, fixButton(type, name, index, id)};
  } else if (type == "checkbox" || type == "radio") {
    read = {PropertyListKind::kOptionButton, fixButton(type, name, index, id)};
  } else if (type == "image") {
    read = {PropertyListKind::kImageInput, fixImageButton(type, name, index, id)};
  } else if (type == "file") {
    read = {PropertyListKind::kFileInput, fixButton(type, name, index, id)};
  } else if (type == "select-multiple" || type == "select-one") {
    read = {PropertyListKind::kList, fixSelect(name, index, id), true};
  } else if (type == "IMG") {
    read = {PropertyListKind::kImage, fixImage(name, index, id)};
  } else if (type == "link") {
    read = {PropertyListKind::kLink, fixLink(name, index, id)};
  } else {
    return result::kTypeNotFound;
  }
  if (read.word != result::kSuccess) return result::kIdentificationFailed;

  PlaybackState& state = playbackState();
  if (!state.targetElement && !read.describesList) return result::kTargetNull;
  ComPtr<IDispatch> described = state.targetElement;
  if (read.describesList) described = queryAs<IDispatch>(state.selectedList.get(), IID_IDispatch);
  return withWindowProps(elementPropertyList(read.kind, described.get(), windowTitle));
}

std::string fixAndGetCellProp(int column, int row, const std::string& cellId, int index) {
  const std::string waited = waitForComplete(0);
  if (waited != result::kSuccess) return waited;
  const std::string windowTitle = currentWindowTitle();
  if (fixCell(column, row, cellId, index) != result::kSuccess) return result::kCellIdentificationFailed;
  const ComPtr<IDispatch> cell = playbackState().targetElement;
  if (!cell) return result::kTargetNull;
  return withWindowProps(cellPropertyList(cell.get(), windowTitle));
}

std::string fixAndGetTableProp(const std::string& firstCell, int index, const std::string& id) {
  const std::string waited = waitForComplete(0);
  if (waited != result::kSuccess) return waited;
  const std::string word = fixTable(firstCell, index, id);
  if (word != result::kSuccess) return word;

  const ComPtr<IDispatch> target = playbackState().targetElement;
  if (!target) return result::kTargetNull;
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(target.get(), IID_IHTMLElement);
  const ComPtr<IHTMLTable> table = queryAs<IHTMLTable>(target.get(), IID_IHTMLTable);
  Bstr tag;
  if (!element || !table || FAILED(element->get_tagName(tag.put())) || tag.toAnsi() != "TABLE")
    return result::kRowColCountFailed;
  ComPtr<IHTMLElementCollection> rows;
  LONG rowCount = 0;
  if (FAILED(table->get_rows(rows.put())) || !rows || FAILED(rows->get_length(&rowCount)))
    return result::kRowColCountFailed;
  // A table without rows has no first row: its cell count is 0.
  LONG cellCount = 0;
  Variant name(0), position(0);
  ComPtr<IDispatch> firstRow;
  if (rowCount > 0 && SUCCEEDED(rows->item(*name.get(), *position.get(), firstRow.put())) && firstRow) {
    const ComPtr<IHTMLTableRow> row = queryAs<IHTMLTableRow>(firstRow.get(), IID_IHTMLTableRow);
    ComPtr<IHTMLElementCollection> cells;
    if (!row || FAILED(row->get_cells(cells.put())) || !cells || FAILED(cells->get_length(&cellCount)))
      return result::kRowColCountFailed;
  }
  return std::to_string(rowCount) + "-" + std::to_string(cellCount);
}

std::string getBodyText() {
  const std::string waited = waitForComplete(0);
  if (waited != result::kSuccess) return waited;
  CoInitialize(nullptr);
  const ComPtr<IHTMLDocument2> document = theApp.currentDocument();
  if (!document) return result::kDocumentNull;
  ComPtr<IHTMLElement> body;
  if (FAILED(document->get_body(body.put())) || !body) return {};
  const ComPtr<IHTMLBodyElement> bodyElement = queryAs<IHTMLBodyElement>(body.get(), IID_IHTMLBodyElement);
  ComPtr<IHTMLTxtRange> range;
  if (!bodyElement || FAILED(bodyElement->createTextRange(range.put())) || !range) return {};
  Bstr text;
  if (FAILED(range->get_text(text.put()))) return {};
  return text.toAnsi();
}
