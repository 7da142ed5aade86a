// Tables: TABLE, CAPTION, THEAD/TBODY/TFOOT, TR, TD/TH. The rows and cells
// collections are live; rows are counted over all sections in source order, as the
// engine keeps them.
#pragma once

#include "dom_element.h"
#include "nsIDOMHTMLTableCaptionElem.h"
#include "nsIDOMHTMLTableCellElement.h"
#include "nsIDOMHTMLTableElement.h"
#include "nsIDOMHTMLTableRowElement.h"
#include "nsIDOMHTMLTableSectionElem.h"

namespace gecko {

// Browser-thread parts of the table members (dom_table_elements.cpp).
namespace table_ops {
// `tag` is "THEAD", "TFOOT" or "CAPTION": the table's one, made and placed when missing.
std::shared_ptr<engine::Element> part(engine::Element& table, const char* tag, bool make);
void deletePart(engine::Element& table, const char* tag);
// Puts `replacement` (an element with `tag`, or null) in the place of the table's part.
nsresult setPart(const DomSession& session, engine::Element& table, const char* tag, nsISupports* replacement);
// A new row at `index` of the table's or section's rows (-1: at the end).
nsresult insertRow(engine::Element& owner, PRInt32 index, std::shared_ptr<engine::Element>& row);
nsresult deleteRow(engine::Element& owner, PRInt32 index);
nsresult insertCell(engine::Element& row, PRInt32 index, std::shared_ptr<engine::Element>& cell);
nsresult deleteCell(engine::Element& row, PRInt32 index);
int sectionRowIndex(const engine::Element& row);
}  // namespace table_ops

class DomTableElement final : public ElementImpl<nsIDOMHTMLTableElement> {
 public:
  DomTableElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  NS_IMETHOD GetCaption(nsIDOMHTMLTableCaptionElement** aCaption) override { return getPart("CAPTION", aCaption); }
  NS_IMETHOD SetCaption(nsIDOMHTMLTableCaptionElement* aCaption) override { return setPart("CAPTION", aCaption); }
  NS_IMETHOD GetTHead(nsIDOMHTMLTableSectionElement** aTHead) override { return getPart("THEAD", aTHead); }
  NS_IMETHOD SetTHead(nsIDOMHTMLTableSectionElement* aTHead) override { return setPart("THEAD", aTHead); }
  NS_IMETHOD GetTFoot(nsIDOMHTMLTableSectionElement** aTFoot) override { return getPart("TFOOT", aTFoot); }
  NS_IMETHOD SetTFoot(nsIDOMHTMLTableSectionElement* aTFoot) override { return setPart("TFOOT", aTFoot); }
  NS_IMETHOD GetRows(nsIDOMHTMLCollection** aRows) override {
    return elementList([](const engine::Element& e) { return asNodes(e.rows()); }, aRows);
  }
  NS_IMETHOD GetTBodies(nsIDOMHTMLCollection** aTBodies) override {
    return elementList([](const engine::Element& e) { return element_ops::childrenWithTag(e, "TBODY"); }, aTBodies);
  }
  GECKO_STRING_ATTR(Align, "align")
  GECKO_STRING_ATTR(BgColor, "bgcolor")
  GECKO_STRING_ATTR(Border, "border")
  GECKO_STRING_ATTR(CellPadding, "cellpadding")
  GECKO_STRING_ATTR(CellSpacing, "cellspacing")
  GECKO_STRING_ATTR(Frame, "frame")
  GECKO_STRING_ATTR(Rules, "rules")
  GECKO_STRING_ATTR(Summary, "summary")
  GECKO_STRING_ATTR(Width, "width")
  NS_IMETHOD CreateTHead(nsIDOMHTMLElement** _retval) override { return makePart("THEAD", _retval); }
  NS_IMETHOD DeleteTHead(void) override { return deletePart("THEAD"); }
  NS_IMETHOD CreateTFoot(nsIDOMHTMLElement** _retval) override { return makePart("TFOOT", _retval); }
  NS_IMETHOD DeleteTFoot(void) override { return deletePart("TFOOT"); }
  NS_IMETHOD CreateCaption(nsIDOMHTMLElement** _retval) override { return makePart("CAPTION", _retval); }
  NS_IMETHOD DeleteCaption(void) override { return deletePart("CAPTION"); }
  NS_IMETHOD InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    return session().carry([&]() -> nsresult {
      std::shared_ptr<engine::Element> row;
      nsresult rv = table_ops::insertRow(element(), index, row);
      return NS_FAILED(rv) ? rv : wrapAs(session(), row, _retval);
    });
  }
  NS_IMETHOD DeleteRow(PRInt32 index) override {
    return session().carry([&]() -> nsresult { return table_ops::deleteRow(element(), index); });
  }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLTableElement))) return primary();
    return elementInterface(iid);
  }
  template <class Interface>
  nsresult getPart(const char* tag, Interface** out) {
    return relatedElement(out, [tag](engine::Element& e) { return table_ops::part(e, tag, false); });
  }
  nsresult makePart(const char* tag, nsIDOMHTMLElement** out) {
    return relatedElement(out, [tag](engine::Element& e) { return table_ops::part(e, tag, true); });
  }
  nsresult setPart(const char* tag, nsISupports* replacement) {
    return session().carry([&]() -> nsresult { return table_ops::setPart(session(), element(), tag, replacement); });
  }
  nsresult deletePart(const char* tag) {
    return change([tag](engine::Element& e) { table_ops::deletePart(e, tag); });
  }
};

class DomTableCaptionElement final : public ElementImpl<nsIDOMHTMLTableCaptionElement> {
 public:
  DomTableCaptionElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  GECKO_STRING_ATTR(Align, "align")

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLTableCaptionElement))) return primary();
    return elementInterface(iid);
  }
};

class DomTableSectionElement final : public ElementImpl<nsIDOMHTMLTableSectionElement> {
 public:
  DomTableSectionElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  GECKO_STRING_ATTR(Align, "align")
  GECKO_STRING_ATTR(Ch, "char")
  GECKO_STRING_ATTR(ChOff, "charoff")
  GECKO_STRING_ATTR(VAlign, "valign")
  NS_IMETHOD GetRows(nsIDOMHTMLCollection** aRows) override {
    return elementList([](const engine::Element& e) { return asNodes(e.rows()); }, aRows);
  }
  NS_IMETHOD InsertRow(PRInt32 index, nsIDOMHTMLElement** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    return session().carry([&]() -> nsresult {
      std::shared_ptr<engine::Element> row;
      nsresult rv = table_ops::insertRow(element(), index, row);
      return NS_FAILED(rv) ? rv : wrapAs(session(), row, _retval);
    });
  }
  NS_IMETHOD DeleteRow(PRInt32 index) override {
    return session().carry([&]() -> nsresult { return table_ops::deleteRow(element(), index); });
  }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLTableSectionElement))) return primary();
    return elementInterface(iid);
  }
};

class DomTableRowElement final : public ElementImpl<nsIDOMHTMLTableRowElement> {
 public:
  DomTableRowElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  // The row's position among all rows of its table; -1 outside a table.
  NS_IMETHOD GetRowIndex(PRInt32* aValue) override {
    return readNumber(aValue, [](engine::Element& e) { return e.rowIndex(); });
  }
  NS_IMETHOD GetSectionRowIndex(PRInt32* aValue) override {
    return readNumber(aValue, [](engine::Element& e) { return table_ops::sectionRowIndex(e); });
  }
  NS_IMETHOD GetCells(nsIDOMHTMLCollection** aCells) override {
    return elementList([](const engine::Element& e) { return asNodes(e.cells()); }, aCells);
  }
  GECKO_STRING_ATTR(Align, "align")
  GECKO_STRING_ATTR(BgColor, "bgcolor")
  GECKO_STRING_ATTR(Ch, "char")
  GECKO_STRING_ATTR(ChOff, "charoff")
  GECKO_STRING_ATTR(VAlign, "valign")
  NS_IMETHOD InsertCell(PRInt32 index, nsIDOMHTMLElement** _retval) override {
    if (!_retval) return NS_ERROR_NULL_POINTER;
    *_retval = nullptr;
    return session().carry([&]() -> nsresult {
      std::shared_ptr<engine::Element> cell;
      nsresult rv = table_ops::insertCell(element(), index, cell);
      return NS_FAILED(rv) ? rv : wrapAs(session(), cell, _retval);
    });
  }
  NS_IMETHOD DeleteCell(PRInt32 index) override {
    return session().carry([&]() -> nsresult { return table_ops::deleteCell(element(), index); });
  }

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLTableRowElement))) return primary();
    return elementInterface(iid);
  }
};

class DomTableCellElement final : public ElementImpl<nsIDOMHTMLTableCellElement> {
 public:
  DomTableCellElement(std::shared_ptr<DomSession> session, std::shared_ptr<engine::Element> element)
      : ElementImpl(std::move(session), std::move(element)) {}

  GECKO_DOM_ISUPPORTS

  // The cell's position within its row; -1 outside a row.
  NS_IMETHOD GetCellIndex(PRInt32* aValue) override {
    return readNumber(aValue, [](engine::Element& e) { return e.cellIndex(); });
  }
  GECKO_STRING_ATTR(Abbr, "abbr")
  GECKO_STRING_ATTR(Align, "align")
  GECKO_STRING_ATTR(Axis, "axis")
  GECKO_STRING_ATTR(BgColor, "bgcolor")
  GECKO_STRING_ATTR(Ch, "char")
  GECKO_STRING_ATTR(ChOff, "charoff")
  GECKO_INT_ATTR(ColSpan, "colspan", PRInt32, -1)
  GECKO_STRING_ATTR(Headers, "headers")
  GECKO_STRING_ATTR(Height, "height")
  GECKO_BOOL_ATTR(NoWrap, "nowrap")
  GECKO_INT_ATTR(RowSpan, "rowspan", PRInt32, -1)
  GECKO_STRING_ATTR(Scope, "scope")
  GECKO_STRING_ATTR(VAlign, "valign")
  GECKO_STRING_ATTR(Width, "width")

 private:
  void* queryInterface(const nsIID& iid) override {
    if (iid.Equals(NS_GET_IID(nsIDOMHTMLTableCellElement))) return primary();
    return elementInterface(iid);
  }
};

}  // namespace gecko
