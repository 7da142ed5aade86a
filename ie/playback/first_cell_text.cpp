#include "playback/first_cell_text.h"

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "com/variant.h"
#include "common/script_line.h"

namespace {

// The identifying text is kept short so a long first cell still gives a manageable
// script line; the same cut is applied when recording and when playing back.
constexpr size_t kFirstCellTextBytes = 10;

}  // namespace

std::string firstCellText(IHTMLTable2* table) {
  const std::string none(scriptline::kNone);
  if (table == nullptr) return none;
  ComPtr<IHTMLElementCollection> cells;
  if (FAILED(table->get_cells(cells.put())) || !cells) return none;
  Variant name(0), position(0);
  ComPtr<IDispatch> first;
  if (FAILED(cells->item(*name.get(), *position.get(), first.put())) || !first) return none;
  const ComPtr<IHTMLElement> cell = queryAs<IHTMLElement>(first.get(), IID_IHTMLElement);
  if (!cell) return none;
  Bstr inner;
  // A cell without text answers a null text; an empty one is treated the same, so the
  // table is identified by "NONE" rather than by an empty field in the script line.
  if (FAILED(cell->get_innerText(inner.put())) || inner.isNull()) return none;
  std::string bytes = inner.toAnsi();
  if (bytes.empty()) return none;
  if (bytes.size() > kFirstCellTextBytes) bytes.resize(kFirstCellTextBytes);
  return bytes;
}
