#include "validator_reading.h"

#include <cstdio>

#include "nsIBaseWindow.h"
#include "nsIDOMAbstractView.h"
#include "nsIDOMDocumentView.h"
#include "nsIDOMHTMLCollection.h"
#include "nsIDOMHTMLTableRowElement.h"
#include "nsIDocShell.h"
#include "nsMemory.h"

namespace validator_reading {

using nsPlayBackUtils::detail::itemOf;
using nsPlayBackUtils::detail::lengthOf;
using nsPlayBackUtils::detail::requestFrom;

void appendPair(nsAString& aDetails, const nsAString& aName, const nsAString& aValue, bool aBlank) {
  aDetails.Append(aName);
  if (aBlank) aDetails.Append(PRUnichar(' '));
  aDetails.Append(u"=\"");
  aDetails.Append(replaceBreaks(aValue, u" ", true));
  aDetails.Append(u"\" ");
}

void appendPair(nsAString& aDetails, const nsAString& aName, const char* aValue, bool aBlank) {
  appendPair(aDetails, aName, NS_ConvertASCIItoUTF16(aValue), aBlank);
}

const char* trueOrFalse(bool aValue) { return aValue ? "true" : "false"; }

nsString escapeText(const nsAString& aText) {
  nsString text(aText);
  text.ReplaceSubstring(u"&", u"&amp;");
  text.ReplaceSubstring(u"\"", u"&quot;");
  text.ReplaceChar('\n', ' ');
  text.ReplaceChar('\r', ' ');
  text.ReplaceSubstring(u"<", u"&lt;");
  text.ReplaceSubstring(u">", u"&gt;");
  return text;
}

nsCOMPtr<nsIDOMWindow> windowOfDocument(nsISupports* aDocument) {
  nsCOMPtr<nsIDOMDocumentView> view = queryTo<nsIDOMDocumentView>(aDocument);
  nsCOMPtr<nsIDOMAbstractView> abstract;
  if (view) view->GetDefaultView(getter_AddRefs(abstract));
  return queryTo<nsIDOMWindow>(abstract);
}

void writeOut(const nsAString& aText) {
  NS_ConvertUTF16toUTF8 bytes(aText);
  std::fwrite(bytes.get(), 1, bytes.Length(), stdout);
  std::fflush(stdout);
}

void writeOut(const char* aText) {
  std::fputs(aText, stdout);
  std::fflush(stdout);
}

namespace {

nsCOMPtr<nsIDOMHTMLCollection> rowsOf(nsIDOMHTMLTableElement* aTable) {
  nsCOMPtr<nsIDOMHTMLCollection> rows;
  if (aTable && NS_FAILED(aTable->GetRows(getter_AddRefs(rows)))) rows = nullptr;
  return rows;
}

nsCOMPtr<nsIDOMHTMLCollection> cellsOf(nsIDOMHTMLTableElement* aTable, PRUint32 aRow) {
  nsCOMPtr<nsIDOMHTMLCollection> rows = rowsOf(aTable);
  nsCOMPtr<nsIDOMHTMLTableRowElement> row = queryTo<nsIDOMHTMLTableRowElement>(itemOf(rows, aRow));
  nsCOMPtr<nsIDOMHTMLCollection> cells;
  if (row && NS_FAILED(row->GetCells(getter_AddRefs(cells)))) cells = nullptr;
  return cells;
}

}  // namespace

PRUint32 rowCountOf(nsIDOMHTMLTableElement* aTable) { return lengthOf(rowsOf(aTable)); }

PRUint32 cellCountOf(nsIDOMHTMLTableElement* aTable, PRUint32 aRow) { return lengthOf(cellsOf(aTable, aRow)); }

nsCOMPtr<nsIDOMElement> cellAt(nsIDOMHTMLTableElement* aTable, PRInt32 aRow, PRInt32 aColumn) {
  if (aRow < 0 || aColumn < 0) return nullptr;
  nsCOMPtr<nsIDOMHTMLCollection> cells = cellsOf(aTable, static_cast<PRUint32>(aRow));
  if (static_cast<PRUint32>(aColumn) >= lengthOf(cells)) return nullptr;
  return queryTo<nsIDOMElement>(itemOf(cells, static_cast<PRUint32>(aColumn)));
}

nsString cutFirstCellText(const nsAString& aText) {
  nsString text = replaceBreaks(aText, u" ");
  if (text.Length() > 10) text.SetLength(10);
  return noneWhenEmpty(text);
}

nsString tableKey(nsIDOMHTMLTableElement* aTable, bool aById) {
  if (aById) return attributeOf(queryTo<nsIDOMElement>(aTable), u"id");
  nsCOMPtr<nsIDOMElement> first = cellAt(aTable, 0, 0);
  return first ? cutFirstCellText(textContentOf(first)) : nsString(u"NONE");
}

}  // namespace validator_reading
