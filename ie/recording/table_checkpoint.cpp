#include "recording/table_checkpoint.h"

#include "com/variant.h"
#include "common/line_kinds.h"
#include "common/trace_log.h"
#include "core/process_state.h"
#include "playback/first_cell_text.h"
#include "recording/checkpoint_highlight.h"
#include "recording/element_checkpoint.h"
#include "recording/element_descriptors.h"
#include "recording/element_properties.h"

namespace recording {

namespace {

namespace kinds = scriptline::ie;
using Line = scriptline::Line<std::string>;
constexpr std::string_view kNone = scriptline::kNone;

// The elements of `document` with this tag, in document order; none when the collection
// cannot be had.
ComPtr<IHTMLElementCollection> elementsTagged(IHTMLDocument2* document, const char* tag) {
  ComPtr<IHTMLElementCollection> all;
  ComPtr<IDispatch> tagged;
  if (document == nullptr || FAILED(document->get_all(all.put())) || !all) return {};
  Variant name;
  V_VT(name.get()) = VT_BSTR;
  V_BSTR(name.get()) = Bstr::fromAnsi(tag).release();
  if (FAILED(all->tags(*name.get(), tagged.put())) || !tagged) return {};
  return queryAs<IHTMLElementCollection>(tagged.get(), IID_IHTMLElementCollection);
}

LONG lengthOf(IHTMLElementCollection* collection) {
  LONG length = 0;
  if (collection == nullptr || FAILED(collection->get_length(&length))) return 0;
  return length;
}

ComPtr<IDispatch> itemAt(IHTMLElementCollection* collection, LONG index) {
  ComPtr<IDispatch> item;
  if (collection == nullptr) return item;
  Variant name(index), at(0);
  collection->item(*name.get(), *at.get(), item.put());
  return item;
}

// Appends the source indexes of the elements of `collection` that `matches` accepts.
template <class Matches>
void collectSourceIndexes(IHTMLElementCollection* collection, Matches&& matches, std::vector<std::string>& out) {
  const LONG length = lengthOf(collection);
  for (LONG i = 0; i < length; ++i) {
    const ComPtr<IDispatch> item = itemAt(collection, i);
    const auto element = queryAs<IHTMLElement>(item.get(), IID_IHTMLElement);
    if (element && matches(item.get(), element.get())) out.push_back(sourceIndexOf(element.get()));
  }
}

// The position of `sourceIndex` in `list`, "0" when it is not there.
std::string positionIn(const std::vector<std::string>& list, const std::string& sourceIndex) {
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i] == sourceIndex) return std::to_string(i);
  return "0";
}

// How a table is told apart from the other tables of its page.
struct TableIdentity {
  std::string id = std::string(kNone);
  std::string firstCellValue = std::string(kNone);  // only for a table without id
  std::string index = "0";
};

TableIdentity identify(IHTMLElement* table, IHTMLDocument2* document) {
  TableIdentity identity;
  if (table == nullptr) return identity;
  identity.id = idOf(table);
  const bool byId = identity.id != kNone;
  if (!byId) identity.firstCellValue = firstCellText(queryAs<IHTMLTable2>(table, IID_IHTMLTable2).get());
  const ComPtr<IHTMLElementCollection> tables = elementsTagged(document, "TABLE");
  if (!tables) {
    trace(byId ? "SearchTable Collection Dispatch Failed\n" : "Table Collection Disp Failed\n");
    return identity;
  }
  std::vector<std::string> matches;
  collectSourceIndexes(
      tables.get(),
      [&](IDispatch* item, IHTMLElement* element) {
        const ComPtr<IHTMLTable2> table2 = queryAs<IHTMLTable2>(item, IID_IHTMLTable2);
        if (!table2) {
          trace("SearchTable : pTable2 query failed\n");
          return false;
        }
        return byId ? idOf(element) == identity.id : firstCellText(table2.get()) == identity.firstCellValue;
      },
      matches);
  identity.index = positionIn(matches, sourceIndexOf(table));
  return identity;
}

// The 1-based row and column of a cell, and the cell as its table's rows give it.
struct CellPlace {
  LONG row = 0;     // 1-based; 0 when unknown
  LONG column = 0;  // 1-based; 0 when unknown
  ComPtr<IHTMLElement> cell;
  ComPtr<IHTMLElement> ownRow;  // the TR the cell is in
};

CellPlace placeOf(IHTMLElement* cell, IHTMLElement* table) {
  CellPlace place;
  if (const auto tableCell = queryAs<IHTMLTableCell>(cell, IID_IHTMLTableCell)) {
    LONG index = 0;
    if (SUCCEEDED(tableCell->get_cellIndex(&index))) place.column = index + 1;
  }
  place.ownRow = selfOrAncestorTagged(cell, {"TR"});
  if (const auto tableRow = queryAs<IHTMLTableRow>(place.ownRow.get(), IID_IHTMLTableRow)) {
    LONG index = 0;
    if (SUCCEEDED(tableRow->get_rowIndex(&index))) place.row = index + 1;
  }
  // The cell at that place in the table's rows.
  const auto htmlTable = queryAs<IHTMLTable>(table, IID_IHTMLTable);
  ComPtr<IHTMLElementCollection> rows;
  if (!htmlTable || place.row < 1 || place.column < 1 || FAILED(htmlTable->get_rows(rows.put()))) return place;
  const ComPtr<IDispatch> rowItem = itemAt(rows.get(), place.row - 1);
  const auto rowAtPlace = queryAs<IHTMLTableRow>(rowItem.get(), IID_IHTMLTableRow);
  ComPtr<IHTMLElementCollection> cells;
  if (!rowAtPlace || FAILED(rowAtPlace->get_cells(cells.put()))) return place;
  const ComPtr<IDispatch> cellItem = itemAt(cells.get(), place.column - 1);
  place.cell = queryAs<IHTMLElement>(cellItem.get(), IID_IHTMLElement);
  return place;
}

std::string numberOr(LONG value, const char* unknown) { return value > 0 ? std::to_string(value) : unknown; }

// A cell with an id: its position among the TDs, then the THs, of that id.
std::string cellIndex(IHTMLElement* cell, IHTMLDocument2* document) {
  const std::string id = idOf(cell);
  if (id == kNone) return "0";
  std::vector<std::string> matches;
  const auto sameId = [&](IDispatch*, IHTMLElement* element) { return idOf(element) == id; };
  for (const char* tag : {"TD", "TH"}) {
    const ComPtr<IHTMLElementCollection> cells = elementsTagged(document, tag);
    if (!cells) {
      trace("SearchCellsWithID :Table Collection Disp Failed\n");
      return "0";
    }
    collectSourceIndexes(cells.get(), sameId, matches);
  }
  return positionIn(matches, sourceIndexOf(cell));
}

}  // namespace

void appendCellList(IHTMLElement* cell, IHTMLDocument2* document, std::vector<std::string>& list) {
  Line line(kinds::kCheckpointCell);
  const ComPtr<IHTMLElement> table = enclosingTable(cell);
  const CellPlace place = placeOf(cell, table.get());
  line.set("rowindex", numberOr(place.row, "0")).set("columnindex", numberOr(place.column, "0"));
  const TableIdentity identity = identify(table.get(), document);
  line.set("tableid", identity.id).set("firstcellvalue", identity.firstCellValue).set("tableindex", identity.index);
  line.set("ID", checkpointId(identity.id, identity.firstCellValue, identity.index));
  if (place.cell) line.set("cellvalue", innerTextOf(place.cell.get())).set("id", idOf(place.cell.get()));
  line.set("index", cellIndex(cell, document));
  line.appendTo(list);
}

void tableCheckpoint(IHTMLEventObj* event) {
  std::vector<std::string> list = windowBlock(event);
  ComPtr<IHTMLElement> element;
  if (event != nullptr) event->get_srcElement(element.put());
  const ComPtr<IHTMLElement> cell = selfOrAncestorTagged(element.get(), {"TH", "TD"});
  if (cell) {
    const ComPtr<IHTMLDocument2> document = documentOf(cell.get());
    const ComPtr<IHTMLElement> table = enclosingTable(cell.get());
    const CellPlace place = placeOf(cell.get(), table.get());
    const TableIdentity identity = identify(table.get(), document.get());
    Line line(kinds::kCheckpointTable);
    std::string align(kNone), rowCount = "0", columnCount = "0";
    if (const auto htmlTable = queryAs<IHTMLTable>(table.get(), IID_IHTMLTable)) {
      align = readText([&](BSTR* p) { return htmlTable->get_align(p); });
      ComPtr<IHTMLElementCollection> rows;
      LONG length = 0;
      if (SUCCEEDED(htmlTable->get_rows(rows.put())) && rows && SUCCEEDED(rows->get_length(&length)))
        rowCount = std::to_string(length);
    }
    if (const auto row = queryAs<IHTMLTableRow>(place.ownRow.get(), IID_IHTMLTableRow)) {
      ComPtr<IHTMLElementCollection> cells;
      if (SUCCEEDED(row->get_cells(cells.put()))) columnCount = std::to_string(lengthOf(cells.get()));
    }
    line.set("align", align).set("rowcount", rowCount).set("columncount", columnCount);
    line.set("rowindex", numberOr(place.row, "0")).set("columnindex", numberOr(place.column, "0"));
    if (place.cell) line.set("cellvalue", innerTextOf(place.cell.get()));
    line.set("firstcellvalue", identity.firstCellValue).set("id", identity.id).set("index", identity.index);
    line.appendTo(list);
  }
  processState().setCheckPointProperties(std::move(list));
}

}  // namespace recording
