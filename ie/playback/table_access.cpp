#include "playback/table_access.h"

#include <mshtml.h>

#include <climits>
#include <cstdint>

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "com/variant.h"
#include "common/script_line.h"
#include "core/skerrow_app.h"
#include "playback/element_finders.h"
#include "playback/first_cell_text.h"
#include "playback/playback_state.h"

namespace {

// Item `position` (from 0) of a collection; none when it is out of LONG's range or the
// collection has nothing there. Row and column arguments come straight from the host,
// so "row minus 1" is computed in 64 bits and checked rather than left to wrap.
ComPtr<IDispatch> itemAt(IHTMLElementCollection* collection, int64_t position) {
  ComPtr<IDispatch> item;
  if (collection == nullptr || position < 0 || position > LONG_MAX) return item;
  Variant name(static_cast<LONG>(position)), at(static_cast<LONG>(position));
  if (FAILED(collection->item(*name.get(), *at.get(), item.put()))) item.reset();
  return item;
}

LONG lengthOf(IHTMLElementCollection* collection) {
  LONG length = 0;
  if (collection == nullptr || FAILED(collection->get_length(&length))) return 0;
  return length;
}

bool hasTag(IHTMLElement* element, const char* tag) {
  Bstr name;
  return element != nullptr && SUCCEEDED(element->get_tagName(name.put())) && name.toAnsi() == tag;
}

bool idEquals(IHTMLElement* element, const std::string& id) {
  Bstr value;
  return SUCCEEDED(element->get_id(value.put())) && !value.isNull() && value.toAnsi() == id;
}

// The rows of the target table, once it is known to be a TABLE.
struct TargetTable {
  std::string word;  // "SUCCESS", or why there is no table
  ComPtr<IHTMLElementCollection> rows;
};

// The target element as a table: "ERROR_ELEMENT_DISP_NULL" without one,
// "ERROR_ELEMENT_MISMATCH" when it is no TABLE, `castFailed` when the table interfaces
// or its rows cannot be had.
TargetTable targetTable(const char* castFailed) {
  TargetTable table;
  const ComPtr<IDispatch> target = playbackState().targetElement;
  if (!target) {
    table.word = result::kTargetNull;
    return table;
  }
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(target.get(), IID_IHTMLElement);
  if (!hasTag(element.get(), "TABLE")) {
    table.word = result::kNotATable;
    return table;
  }
  const ComPtr<IHTMLTable2> table2 = queryAs<IHTMLTable2>(target.get(), IID_IHTMLTable2);
  const ComPtr<IHTMLTable> table1 = queryAs<IHTMLTable>(target.get(), IID_IHTMLTable);
  if (!table2 || !table1 || FAILED(table1->get_rows(table.rows.put())) || !table.rows) {
    table.word = castFailed;
    return table;
  }
  table.word = result::kSuccess;
  return table;
}

// The cells of a row, or none when it is no table row.
ComPtr<IHTMLElementCollection> cellsOf(IDispatch* row) {
  ComPtr<IHTMLElementCollection> cells;
  const ComPtr<IHTMLTableRow> tableRow = queryAs<IHTMLTableRow>(row, IID_IHTMLTableRow);
  if (tableRow && FAILED(tableRow->get_cells(cells.put()))) cells.reset();
  return cells;
}

// A cell's inner text as read: `read` false when the cell or its text could not be
// had, `isNull` when the page gives no text.
struct CellText {
  bool read = false;
  bool isNull = true;
  std::string text;
};

CellText cellTextOf(IDispatch* cell) {
  CellText out;
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(cell, IID_IHTMLElement);
  Bstr text;
  if (!element || FAILED(element->get_innerText(text.put()))) return out;
  out.read = true;
  out.isNull = text.isNull();
  out.text = text.toAnsi();
  return out;
}

}  // namespace

std::string fixTable(const std::string& firstCell, int index, const std::string& id) {
  const ComPtr<IHTMLElementCollection> collection = GetElementCollection();
  if (!collection) return result::kCollectionNull;
  LONG length = 0;
  if (FAILED(collection->get_length(&length)) || length < 1) return result::kElementCounts0;

  const bool byId = id != scriptline::kNone;
  int matches = 0;
  for (LONG j = 0; j < length; ++j) {
    const ComPtr<IDispatch> item = itemAt(collection.get(), j);
    const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item.get(), IID_IHTMLElement);
    if (!element || !hasTag(element.get(), "TABLE")) continue;
    const ComPtr<IHTMLTable2> table = queryAs<IHTMLTable2>(item.get(), IID_IHTMLTable2);
    if (!table) continue;
    const bool matched = byId ? idEquals(element.get(), id) : firstCellText(table.get()) == firstCell;
    if (!matched) continue;
    if (matches == index) {
      playbackState().targetElement = item;
      return result::kSuccess;
    }
    ++matches;
  }
  return result::kTableNotFound;
}

std::string fixCell(int column, int row, const std::string& cellId, int index) {
  if (cellId != scriptline::kNone) {
    const ComPtr<IHTMLDocument2> document = theApp.currentDocument();
    if (!document) return result::kDocumentNull;
    ComPtr<IHTMLElementCollection> collection;
    if (FAILED(document->get_all(collection.put())) || !collection) return result::kCollectionNull;
    const LONG length = lengthOf(collection.get());
    if (length < 1) return result::kElementCounts0;
    int matches = 0;
    for (LONG j = 0; j < length; ++j) {
      const ComPtr<IDispatch> item = itemAt(collection.get(), j);
      const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(item.get(), IID_IHTMLElement);
      if (!element || !queryAs<IHTMLTableCell>(item.get(), IID_IHTMLTableCell) || !idEquals(element.get(), cellId))
        continue;
      if (matches == index) {
        playbackState().targetElement = item;
        return result::kSuccess;
      }
      ++matches;
    }
    return result::kCellIdentificationFailed;
  }

  const TargetTable table = targetTable(result::kCellIdentificationFailed);
  if (table.word != result::kSuccess) return table.word;
  const LONG rowCount = lengthOf(table.rows.get());
  const ComPtr<IDispatch> rowItem = itemAt(table.rows.get(), int64_t{row} - 1);
  if (!rowItem) return result::kInvalidRowCol;
  const ComPtr<IHTMLElementCollection> cells = cellsOf(rowItem.get());
  if (!cells) return result::kCellIdentificationFailed;
  if (rowCount < row || lengthOf(cells.get()) < column) return result::kRowColMismatch;
  const ComPtr<IDispatch> cell = itemAt(cells.get(), int64_t{column} - 1);
  if (!cell || !queryAs<IHTMLTableCell>(cell.get(), IID_IHTMLTableCell)) return result::kCellIdentificationFailed;
  playbackState().targetElement = cell;
  return result::kSuccess;
}

std::string tableCellText(int row, int column) {
  const TargetTable table = targetTable(result::kCellTextGetFailed);
  if (table.word != result::kSuccess) return table.word;
  const LONG rowCount = lengthOf(table.rows.get());
  const ComPtr<IDispatch> rowItem = itemAt(table.rows.get(), int64_t{row} - 1);
  if (!rowItem) return result::kInvalidRowCol;
  const ComPtr<IHTMLElementCollection> cells = cellsOf(rowItem.get());
  if (!cells) return result::kCellTextGetFailed;
  if (rowCount < row || lengthOf(cells.get()) < column) return result::kRowColMismatch;
  const CellText text = cellTextOf(itemAt(cells.get(), int64_t{column} - 1).get());
  if (!text.read) return result::kCellTextGetFailed;
  return text.isNull ? std::string(scriptline::kNone) : text.text;
}

ColumnValues tableColumnValues(int column) {
  ColumnValues out;
  const ComPtr<IDispatch> target = playbackState().targetElement;
  if (!target) {
    out.word = result::kTargetNull;
    return out;
  }
  const ComPtr<IHTMLElement> element = queryAs<IHTMLElement>(target.get(), IID_IHTMLElement);
  if (!element) {
    out.word = result::kColValuesGetFailed;
    return out;
  }
  if (!hasTag(element.get(), "TABLE")) {
    out.word = result::kNotATable;
    return out;
  }
  const ComPtr<IHTMLTable> table = queryAs<IHTMLTable>(target.get(), IID_IHTMLTable);
  ComPtr<IHTMLElementCollection> rows;
  if (!table || FAILED(table->get_rows(rows.put())) || !rows) {
    out.word = result::kElementCastingFailed;
    return out;
  }
  bool anyText = false;
  const LONG rowCount = lengthOf(rows.get());
  for (LONG r = 0; r < rowCount; ++r) {
    const ComPtr<IDispatch> rowItem = itemAt(rows.get(), r);
    const ComPtr<IHTMLElementCollection> cells = cellsOf(rowItem.get());
    if (!cells || lengthOf(cells.get()) <= int64_t{column} - 1) continue;
    const CellText text = cellTextOf(itemAt(cells.get(), int64_t{column} - 1).get());
    if (!text.read) continue;
    anyText = anyText || !text.isNull;
    out.values.push_back(text.isNull ? std::string() : text.text);
  }
  out.word = anyText ? result::kSuccess : result::kRowColMismatch;
  return out;
}
