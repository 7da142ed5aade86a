// Stand-in until the table access code provides it.
#pragma once

#include <mshtml.h>

#include <string>

#include "com/com_ptr.h"
#include "com/variant.h"
#include "recording/element_properties.h"

namespace recording {

inline std::string firstCellText(IHTMLElement* table) {
  const auto table2 = queryAs<IHTMLTable2>(table, IID_IHTMLTable2);
  ComPtr<IHTMLElementCollection> cells;
  if (!table2 || FAILED(table2->get_cells(cells.put())) || !cells) return "NONE";
  Variant name(0), at(0);
  ComPtr<IDispatch> item;
  cells->item(*name.get(), *at.get(), item.put());
  const auto cell = queryAs<IHTMLElement>(item.get(), IID_IHTMLElement);
  if (!cell) return "NONE";
  std::string text = innerTextOf(cell.get());
  if (text.size() > 10) text.resize(10);
  return text;
}

}  // namespace recording
