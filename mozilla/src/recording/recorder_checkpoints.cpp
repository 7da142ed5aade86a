// The recorder's checkpoint modes: switching them, outlining what is under the mouse,
// and the checkpoint lines for cells, tables, selected text and dialog texts.
#include "inIFlasher.h"
#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLCollection.h"
#include "nsIDOMHTMLTableCellElement.h"
#include "nsIDOMHTMLTableElement.h"
#include "nsIDOMHTMLTableRowElement.h"
#include "nsIDOMNodeList.h"
#include "nsISelection.h"
#include "nsIServiceManagerUtils.h"
#include "nsIThread.h"
#include "nsMemory.h"
#include "nsPlayBackUtils.h"
#include "nsRecorderImpl.h"
#include "nsServiceManagerUtils.h"
#include "recorder_reading.h"

using namespace recorder_reading;
using nsPlayBackUtils::detail::attributeOf;
using nsPlayBackUtils::detail::itemOf;
using nsPlayBackUtils::detail::lengthOf;
using nsPlayBackUtils::detail::textContentOf;

// ---- modes

nsresult nsRecorderImpl::SetElementCheckpoint(PRBool aOn) {
  if (aOn) {
    mElementCheckpoint = 1;
    // With the flag set this takes the recording set off every browser window's content
    // and leaves it listening for the mouse.
    DetachAllListeners();
    return NS_OK;
  }
  if (mElementCheckpoint.load()) {
    // With the flag still set this puts the recording set back on the last loaded window.
    AttachToCurrentDocument();
    mElementCheckpoint = 0;
  }
  return NS_OK;
}

nsresult nsRecorderImpl::SetTextCheckpoint(PRBool aOn) {
  if (aOn) {
    mTextCheckpoint = 1;
    mTableCheckpoint = 0;
  } else {
    mTextCheckpoint = 0;
  }
  return SetElementCheckpoint(aOn);
}

nsresult nsRecorderImpl::SetTableCheckpoint(PRBool aOn) {
  mTableCheckpoint = aOn ? 1 : 0;
  return SetElementCheckpoint(aOn);
}

// ---- outline under the mouse

NS_IMETHODIMP nsRecorderImpl::HighlightUnderMouse(nsIDOMNode* aNode, const nsAString& aNodeName) {
  if (mTextCheckpoint.load()) return NS_OK;
  nsCOMPtr<nsIDOMNode> target;
  if (mTableCheckpoint.load()) {
    if (!aNodeName.EqualsLiteral("TD")) return NS_OK;
    target = ancestorNamed(aNode, "TABLE");
  } else if (aNodeName.EqualsLiteral("div")) {
    target = parentOf(aNode);
  } else {
    target = aNode;
  }
  nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(target);
  if (!element) return NS_OK;
  return StartHighlight(element);
}

NS_IMETHODIMP nsRecorderImpl::StartHighlight(nsIDOMElement* aElement) {
  {
    std::lock_guard<std::mutex> hold(mHighlightLock);
    mHighlightElement = aElement;
    ++mHighlightRequest;
    // The running outline takes the new element; one thread at a time.
    if (mHighlightRunning) return NS_OK;
    mHighlightRunning = true;
  }
  nsCOMPtr<nsIThread> thread;
  nsresult rv = NS_NewThread(getter_AddRefs(thread), this, 0, PR_UNJOINABLE_THREAD, PR_PRIORITY_NORMAL,
                             PR_GLOBAL_THREAD);
  if (NS_FAILED(rv)) {
    std::lock_guard<std::mutex> hold(mHighlightLock);
    mHighlightRunning = false;
  }
  return rv;
}

bool nsRecorderImpl::HighlightRunning() const {
  std::lock_guard<std::mutex> hold(mHighlightLock);
  return mHighlightRunning;
}

NS_IMETHODIMP nsRecorderImpl::Run(void) {
  // Keeps the recorder alive while the outline runs.
  nsCOMPtr<nsIRunnable> self(this);
  nsCOMPtr<inIFlasher> proxy;
  {
    nsresult rv = NS_OK;
    nsCOMPtr<inIFlasher> flasher = do_GetService("@mozilla.org/inspector/flasher;1", &rv);
    nsPlayBackUtils::detail::UiThreadProxies proxies;
    if (flasher) proxies.make(flasher.get(), PROXY_SYNC, proxy);
  }
  if (proxy) {
    proxy->SetThickness(2);
    proxy->SetColor(NS_LITERAL_STRING("#cc0000"));
    proxy->SetInvert(PR_FALSE);
  }
  constexpr int kBlinks = 10;
  for (;;) {
    nsCOMPtr<nsIDOMElement> element;
    PRUint32 request = 0;
    {
      std::lock_guard<std::mutex> hold(mHighlightLock);
      element = mHighlightElement;
      request = mHighlightRequest;
    }
    bool replaced = false;
    for (int i = 0; proxy && element && i < kBlinks && !replaced; ++i) {
      proxy->DrawElementOutline(element);
      proxy->RepaintElement(element);
      std::lock_guard<std::mutex> hold(mHighlightLock);
      replaced = mHighlightRequest != request;
    }
    std::lock_guard<std::mutex> hold(mHighlightLock);
    if (mHighlightRequest == request) {
      mHighlightRunning = false;
      mHighlightElement = nullptr;
      return NS_OK;
    }
  }
}

// ---- text

namespace {

nsString selectionText(nsISelection* aSelection) {
  PRUnichar* raw = nullptr;
  nsString text;
  if (NS_SUCCEEDED(aSelection->ToString(&raw)) && raw) {
    text.Assign(raw);
    nsMemory::Free(raw);
  }
  return text;
}

}  // namespace

NS_IMETHODIMP nsRecorderImpl::CaptureSelectedText(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMWindow> window = windowOf(aNode);
  nsCOMPtr<nsISelection> selection;
  if (window) window->GetSelection(getter_AddRefs(selection));
  if (!selection) return NS_OK;
  nsCOMPtr<nsIDOMDocument> document;
  window->GetDocument(getter_AddRefs(document));
  nsCOMPtr<nsIDOMElement> root;
  if (document) document->GetDocumentElement(getter_AddRefs(root));
  const nsString selected = replaceBreaks(none(selectionText(selection)), u"<VK_RETURN>");
  const nsString full = replaceBreaks(textContentOf(root), u"<VK_RETURN>");
  nsString body;
  body.AppendLiteral("selectedText:,:");
  body.Append(selected);
  body.AppendLiteral(":;:fullText:,:");
  body.Append(full);
  body.AppendLiteral(":;:");
  body.Append(windowBlock(windowValuesOf(root ? windowOf(root) : window)));
  SendCheckpoint(body);
  // One capture ends the text mode.
  SetTextCheckpoint(PR_FALSE);
  SetTableCheckpoint(PR_FALSE);
  return NS_OK;
}

NS_IMETHODIMP nsRecorderImpl::NotifySelectionChanged(nsIDOMDocument* aDocument, nsISelection* aSelection,
                                                     PRInt16 aReason) {
  if (aReason != nsISelectionListener::MOUSEUP_REASON || !aDocument || !aSelection) return NS_OK;
  nsCOMPtr<nsIDOMElement> root;
  aDocument->GetDocumentElement(getter_AddRefs(root));
  if (!root) return NS_OK;
  // The same capture as a mouse release in text mode, over the document's window.
  return CaptureSelectedText(root);
}

// ---- dialog texts

nsresult nsRecorderImpl::DescriptionCheckpoint(nsIDOMNode* aNode) {
  nsCOMPtr<nsIDOMNodeList> children;
  nsString value;
  if (aNode && NS_SUCCEEDED(aNode->GetChildNodes(getter_AddRefs(children))) && children) {
    for (PRUint32 i = lengthOf(children); i > 0; --i) {
      nsCOMPtr<nsIDOMNode> child = itemOf(children, i - 1);
      if (nodeNameOf(child).EqualsLiteral("#text")) {
        child->GetNodeValue(value);
        break;
      }
    }
  }
  nsString body;
  body.AppendLiteral("value:,:");
  body.Append(value);
  body.AppendLiteral(":;:");
  body.Append(dialogWindowBlock(aNode));
  body.AppendLiteral(":;:classname:,:Static");
  SendCheckpoint(body);
  return NS_OK;
}

// ---- tables

bool nsRecorderImpl::CellText(nsIDOMElement* aTable, PRInt32 aRow, PRInt32 aColumn, bool aCut, nsString& aText) {
  aText.Truncate();
  nsCOMPtr<nsIDOMHTMLTableElement> table = queryTo<nsIDOMHTMLTableElement>(aTable);
  nsCOMPtr<nsIDOMHTMLCollection> rows;
  if (!table || aRow < 1 || aColumn < 1 || NS_FAILED(table->GetRows(getter_AddRefs(rows))) || !rows) return false;
  if (lengthOf(rows) < static_cast<PRUint32>(aRow)) return false;
  nsCOMPtr<nsIDOMHTMLTableRowElement> row =
      queryTo<nsIDOMHTMLTableRowElement>(itemOf(rows, static_cast<PRUint32>(aRow - 1)));
  nsCOMPtr<nsIDOMHTMLCollection> cells;
  if (!row || NS_FAILED(row->GetCells(getter_AddRefs(cells))) || !cells) return false;
  if (lengthOf(cells) < static_cast<PRUint32>(aColumn)) return false;
  aText = none(replaceBreaks(textContentOf(itemOf(cells, static_cast<PRUint32>(aColumn - 1))), u" "));
  if (aCut && aText.Length() > 10) aText.SetLength(10);
  return true;
}

PRInt32 nsRecorderImpl::TableIndex(nsIDOMElement* aTable, const char* aKey, const nsAString& aValue) {
  if (!aTable) return 0;
  nsCOMPtr<nsIDOMDocument> document;
  aTable->GetOwnerDocument(getter_AddRefs(document));
  nsCOMPtr<nsIDOMNodeList> tables;
  if (!document || NS_FAILED(document->GetElementsByTagName(NS_LITERAL_STRING("TABLE"), getter_AddRefs(tables))) ||
      !tables)
    return 0;
  const bool byId = nsDependentCString(aKey).EqualsLiteral("id");
  nsCOMPtr<nsIDOM3Node> self = queryTo<nsIDOM3Node>(aTable);
  PRInt32 counted = 0;
  const PRUint32 length = lengthOf(tables);
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMNode> node = itemOf(tables, i);
    PRBool same = PR_FALSE;
    if (self) self->IsSameNode(node, &same);
    // The table itself always counts, so its index is the number of like tables before it.
    if (same) return counted;
    nsCOMPtr<nsIDOMElement> candidate = queryTo<nsIDOMElement>(node);
    nsString value;
    if (byId) {
      value = idOf(candidate);
    } else if (!CellText(candidate, 1, 1, true, value)) {
      value.AssignLiteral("NONE");
    }
    if (value.Equals(aValue)) ++counted;
  }
  return 0;
}

namespace {

struct CellPlace {
  nsCOMPtr<nsIDOMElement> table;
  PRInt32 row = 0;     // 1-based
  PRInt32 column = 0;  // 1-based
  nsString cellValue;
  nsString firstCellValue;
};

bool placeOf(nsIDOMNode* aCell, CellPlace& aPlace) {
  aPlace.table = queryTo<nsIDOMElement>(ancestorNamed(aCell, "TABLE"));
  nsCOMPtr<nsIDOMHTMLTableCellElement> cell = queryTo<nsIDOMHTMLTableCellElement>(aCell);
  nsCOMPtr<nsIDOMHTMLTableRowElement> row = queryTo<nsIDOMHTMLTableRowElement>(ancestorNamed(aCell, "TR"));
  if (!aPlace.table || !cell || !row) return false;
  PRInt32 cellIndex = -1, rowIndex = -1;
  if (NS_FAILED(cell->GetCellIndex(&cellIndex)) || NS_FAILED(row->GetRowIndex(&rowIndex)) || cellIndex < 0 ||
      rowIndex < 0)
    return false;
  aPlace.column = cellIndex + 1;
  aPlace.row = rowIndex + 1;
  aPlace.cellValue = none(replaceBreaks(textContentOf(aCell), u" "));
  if (!nsRecorderImpl::CellText(aPlace.table, 1, 1, true, aPlace.firstCellValue))
    aPlace.firstCellValue.AssignLiteral("NONE");
  return true;
}

}  // namespace

nsresult nsRecorderImpl::CellCheckpoint(nsIDOMNode* aNode) {
  CellPlace place;
  if (!placeOf(aNode, place)) return NS_ERROR_FAILURE;
  const nsString tableId = none(idOf(place.table));
  const PRInt32 tableIndex = tableId.EqualsLiteral("NONE") ? TableIndex(place.table, "cellvalue", place.firstCellValue)
                                                           : TableIndex(place.table, "id", tableId);
  nsCOMPtr<nsIDOMElement> cell = queryTo<nsIDOMElement>(aNode);
  const nsString id = none(idOf(aNode));
  const PRInt32 index =
      id.EqualsLiteral("NONE") ? 0 : ComputeIndex(cell, NS_LITERAL_STRING("TD"), NS_LITERAL_STRING("cell"), id);
  RecordedPairs pairs;
  pairs.AddNumber("rowindex", place.row);
  pairs.AddNumber("columnindex", place.column);
  pairs.Add("cellvalue", place.cellValue);
  pairs.Add("tableid", tableId);
  pairs.Add("firstcellvalue", place.firstCellValue);
  pairs.Add("id", id);
  pairs.AddNumber("tableindex", tableIndex);
  pairs.Add("type", "cell");
  pairs.AddNumber("index", index);
  nsString body = pairs.Terminated();
  body.Append(windowBlock(windowValuesOf(windowOf(aNode))));
  SendCheckpoint(body);
  return NS_OK;
}

nsresult nsRecorderImpl::TableCheckpoint(nsIDOMNode* aNode) {
  CellPlace place;
  if (!placeOf(aNode, place)) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMHTMLTableElement> table = queryTo<nsIDOMHTMLTableElement>(place.table);
  nsString align;
  if (table) table->GetAlign(align);
  const nsString id = none(idOf(place.table));
  const PRInt32 index = id.EqualsLiteral("NONE") ? TableIndex(place.table, "cellvalue", place.firstCellValue)
                                                 : TableIndex(place.table, "id", id);
  nsCOMPtr<nsIDOMHTMLCollection> rows;
  PRUint32 rowCount = 0, columnCount = 0;
  if (table && NS_SUCCEEDED(table->GetRows(getter_AddRefs(rows))) && rows) {
    rowCount = lengthOf(rows);
    nsCOMPtr<nsIDOMHTMLTableRowElement> first = queryTo<nsIDOMHTMLTableRowElement>(itemOf(rows, 0));
    nsCOMPtr<nsIDOMHTMLCollection> cells;
    if (first && NS_SUCCEEDED(first->GetCells(getter_AddRefs(cells))) && cells) columnCount = lengthOf(cells);
  }
  RecordedPairs pairs;
  pairs.Add("firstcellvalue", place.firstCellValue);
  pairs.AddNumber("index", index);
  pairs.Add("id", id);
  pairs.AddNumber("rowcount", static_cast<PRInt32>(rowCount));
  pairs.AddNumber("columncount", static_cast<PRInt32>(columnCount));
  pairs.AddNumber("rowindex", place.row);
  pairs.AddNumber("columnindex", place.column);
  pairs.Add("cellvalue", place.cellValue);
  pairs.Add("align", none(align));
  pairs.Add("formname", "NONE");
  pairs.Add("type", "table");
  nsString body = pairs.Terminated();
  body.Append(windowBlock(windowValuesOf(windowOf(aNode))));
  SendCheckpoint(body);
  return NS_OK;
}
