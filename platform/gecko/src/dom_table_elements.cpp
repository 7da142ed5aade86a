#include "dom_table_elements.h"

#include "nsDOMError.h"

namespace gecko {
namespace table_ops {

namespace {

// Where a new part goes: a caption first; a head after the caption and column
// groups; a foot at the end, as Gecko's createTFoot appends it.
void place(engine::Element& table, const char* tag, const std::shared_ptr<engine::Element>& part) {
  if (std::string_view(tag) == "CAPTION") {
    table.insertBefore(part, table.firstChild());
    return;
  }
  if (std::string_view(tag) == "THEAD") {
    for (const auto& child : table.childNodes()) {
      if (child->nodeType() != engine::NodeType::Element) continue;
      const auto& e = static_cast<const engine::Element&>(*child);
      if (!e.is("CAPTION") && !e.is("COLGROUP") && !e.is("COL")) {
        table.insertBefore(part, child);
        return;
      }
    }
  }
  table.appendChild(part);
}

bool outside(PRInt32 index, std::size_t count) { return index < -1 || (index >= 0 && static_cast<std::size_t>(index) > count); }

}  // namespace

std::shared_ptr<engine::Element> part(engine::Element& table, const char* tag, bool make) {
  auto found = element_ops::childWithTag(table, {tag});
  if (found || !make) return found;
  auto made = std::make_shared<engine::Element>(tag);
  place(table, tag, made);
  return made;
}

void deletePart(engine::Element& table, const char* tag) {
  if (auto found = element_ops::childWithTag(table, {tag})) table.removeChild(found);
}

nsresult setPart(const DomSession& session, engine::Element& table, const char* tag, nsISupports* replacement) {
  if (!replacement) {
    deletePart(table, tag);
    return NS_OK;
  }
  auto node = engineNodeIn(session, replacement);
  if (!node) return NS_ERROR_DOM_WRONG_DOCUMENT_ERR;
  if (node->nodeType() != engine::NodeType::Element || !static_cast<engine::Element&>(*node).is(tag) ||
      !table.canTake(node)) {
    return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
  }
  if (node->ownerDocument() != table.ownerDocument()) return NS_ERROR_DOM_WRONG_DOCUMENT_ERR;
  auto old = element_ops::childWithTag(table, {tag});
  if (old == node) return NS_OK;
  if (old) table.removeChild(old);
  place(table, tag, std::static_pointer_cast<engine::Element>(node));
  return NS_OK;
}

// Out of range (below -1 or beyond the count) is an index error. A table without
// rows takes the new row in its last body, made when it has none.
nsresult insertRow(engine::Element& owner, PRInt32 index, std::shared_ptr<engine::Element>& row) {
  const auto rows = owner.rows();
  if (outside(index, rows.size())) return NS_ERROR_DOM_INDEX_SIZE_ERR;
  row = std::make_shared<engine::Element>("tr");
  if (index >= 0 && static_cast<std::size_t>(index) < rows.size()) {
    rows[index]->parentNode()->insertBefore(row, rows[index]);
  } else if (!rows.empty()) {
    rows.back()->parentNode()->insertBefore(row, rows.back()->nextSibling());
  } else if (owner.is("TABLE")) {
    std::shared_ptr<engine::Element> body;
    for (const auto& child : owner.childNodes()) {
      if (child->nodeType() == engine::NodeType::Element && static_cast<engine::Element&>(*child).is("TBODY")) {
        body = std::static_pointer_cast<engine::Element>(child);
      }
    }
    if (!body) {
      body = std::make_shared<engine::Element>("tbody");
      owner.appendChild(body);
    }
    body->appendChild(row);
  } else {
    owner.appendChild(row);
  }
  return NS_OK;
}

nsresult deleteRow(engine::Element& owner, PRInt32 index) {
  const auto rows = owner.rows();
  if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) return NS_ERROR_DOM_INDEX_SIZE_ERR;
  rows[index]->parentNode()->removeChild(rows[index]);
  return NS_OK;
}

nsresult insertCell(engine::Element& row, PRInt32 index, std::shared_ptr<engine::Element>& cell) {
  const auto cells = row.cells();
  if (outside(index, cells.size())) return NS_ERROR_DOM_INDEX_SIZE_ERR;
  cell = std::make_shared<engine::Element>("td");
  if (index >= 0 && static_cast<std::size_t>(index) < cells.size()) {
    row.insertBefore(cell, cells[index]);
  } else {
    row.appendChild(cell);
  }
  return NS_OK;
}

nsresult deleteCell(engine::Element& row, PRInt32 index) {
  const auto cells = row.cells();
  if (index < 0 || static_cast<std::size_t>(index) >= cells.size()) return NS_ERROR_DOM_INDEX_SIZE_ERR;
  row.removeChild(cells[index]);
  return NS_OK;
}

int sectionRowIndex(const engine::Element& row) {
  auto parent = row.parentElement();
  if (!parent) return -1;
  const auto rows = parent->rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].get() == &row) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace table_ops
}  // namespace gecko
