// Table checkpoints: the table found again by its id or its first cell, its counts and
// cell texts judged against the command's "check" children, each judgement also written
// to standard output; the texts of a column for the host to judge their order; and the
// cell of an element checkpoint.
#include "nsIDOMDocument.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "nsPlayBackUtils.h"
#include "nsValidator.h"
#include "validator_reading.h"

using namespace validator_reading;
using nsPlayBackUtils::detail::itemOf;
using nsPlayBackUtils::detail::lengthOf;

nsresult nsValidator::findTable(const nsAString& aValue, const nsAString& aKey, PRInt32 aOccurrence,
                                nsIDOMHTMLTableElement** aTable) {
  if (!aTable) return NS_ERROR_NULL_POINTER;
  *aTable = nullptr;
  const bool byId = aKey.EqualsLiteral("id");
  if (!byId && !aKey.EqualsLiteral("cellvalue")) return NS_ERROR_FAILURE;
  if (aOccurrence < 0 || (byId && aValue.IsEmpty())) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMNodeList> tables;
  nsresult rv = nsPlayBackUtils::GetElementsByTag(NS_LITERAL_STRING("TABLE"), mDocument, getter_AddRefs(tables));
  if (NS_FAILED(rv)) return rv;
  // The recorder keeps only the first ten characters of a first cell; compare so.
  const nsString expected = byId ? nsString(aValue) : cutFirstCellText(aValue);
  PRInt32 occurrence = 0;
  const PRUint32 length = lengthOf(tables);
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMHTMLTableElement> table = queryTo<nsIDOMHTMLTableElement>(itemOf(tables, i));
    if (!table || !tableKey(table, byId).Equals(expected)) continue;
    if (occurrence == aOccurrence) {
      table.forget(aTable);
      return NS_OK;
    }
    ++occurrence;
  }
  return NS_ERROR_FAILURE;
}

NS_IMETHODIMP nsValidator::findCell(nsIDOMHTMLTableElement* aTable, nsIDOMElement* aCommand, nsIDOMElement** aCell) {
  if (!aCell) return NS_ERROR_NULL_POINTER;
  *aCell = nullptr;
  if (!aTable || !aCommand) return NS_ERROR_NULL_POINTER;
  // The recorded places count from 1, as the cell's own reading does.
  const PRInt32 row = integerOf(attributeOf(aCommand, u"rowindex"));
  const PRInt32 column = integerOf(attributeOf(aCommand, u"columnindex"));
  if (row < 1 || column < 1) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMElement> cell = cellAt(aTable, row - 1, column - 1);
  if (!cell) return NS_ERROR_FAILURE;
  cell.forget(aCell);
  return NS_OK;
}

NS_IMETHODIMP nsValidator::checkCell(nsIDOMElement* aCell, nsIDOMElement* aCommand, const nsAString& aCaseId) {
  return checkElement(aCell, aCommand, aCaseId, &nsValidator::readCellProperty);
}

NS_IMETHODIMP nsValidator::compareCounts(const nsAString& aCondition, PRUint32 aActual, PRUint32 aExpected) {
  nsString shown;
  shown.AppendInt(static_cast<PRInt32>(aActual));
  shown.Append(u"] ");
  writeOut(shown);
  bool holds = false;
  if (aCondition.EqualsLiteral("eq"))
    holds = aActual == aExpected;
  else if (aCondition.EqualsLiteral("neq"))
    holds = aActual != aExpected;
  else if (aCondition.EqualsLiteral("lt"))
    holds = aActual < aExpected;
  else if (aCondition.EqualsLiteral("gt"))
    holds = aActual > aExpected;
  else if (aCondition.EqualsLiteral("lte"))
    holds = aActual <= aExpected;
  else if (aCondition.EqualsLiteral("gte"))
    holds = aActual >= aExpected;
  writeOut(holds ? " PASSED\n" : " FAILED\n");
  return holds ? NS_OK : NS_ERROR_FAILURE;
}

namespace {

nsresult countCheck(nsValidator* aValidator, const char* aName, PRUint32 aActual, const nsAString& aCondition,
                    const nsAString& aExpected, nsAString& aDetails) {
  aDetails.Append(NS_ConvertASCIItoUTF16(aName));
  aDetails.Append(u" = ");
  nsString number;
  number.AppendInt(static_cast<PRInt32>(aActual));
  aDetails.Append(number);
  aDetails.Append(u";");
  return aValidator->compareCounts(aCondition, aActual, static_cast<PRUint32>(integerOf(aExpected)));
}

}  // namespace

NS_IMETHODIMP nsValidator::checkRowCount(nsIDOMHTMLTableElement* aTable, const nsAString& aCondition,
                                         const nsAString& aExpected, nsAString& aDetails) {
  return countCheck(this, "rowcount", rowCountOf(aTable), aCondition, aExpected, aDetails);
}

NS_IMETHODIMP nsValidator::checkColumnCount(nsIDOMHTMLTableElement* aTable, const nsAString& aCondition,
                                            const nsAString& aExpected, nsAString& aDetails) {
  return countCheck(this, "columncount", cellCountOf(aTable, 0), aCondition, aExpected, aDetails);
}

NS_IMETHODIMP nsValidator::checkCellValueAt(nsIDOMHTMLTableElement* aTable, const nsAString& aCondition,
                                            const nsAString& aExpected, const nsAString& aRowId,
                                            const nsAString& aColumnId, nsAString& aDetails) {
  const PRInt32 row = integerOf(aRowId);
  const PRInt32 column = integerOf(aColumnId);
  // Out of range reads as no text; an empty cell as "NONE", as a recorded cell.
  nsString actual;
  if (row >= 1 && column >= 1) {
    nsCOMPtr<nsIDOMElement> cell = cellAt(aTable, row - 1, column - 1);
    if (cell) actual = noneWhenEmpty(textContentOf(cell));
  }
  aDetails.Append(u"cellvalueat ");
  aDetails.Append(aRowId);
  aDetails.Append(u",");
  aDetails.Append(aColumnId);
  aDetails.Append(u" = ");
  aDetails.Append(replaceBreaks(actual, u" ", true));
  aDetails.Append(u";");
  nsString shown(actual);
  shown.Append(u"] ");
  writeOut(shown);

  // Compared as the cell holds it, line breaks and all.
  const nsString expected(aExpected);
  bool holds = false;
  if (aCondition.EqualsLiteral("eq")) {
    holds = actual.Equals(expected);
  } else if (aCondition.EqualsLiteral("neq")) {
    holds = !actual.Equals(expected);
  } else if (aCondition.EqualsLiteral("sw")) {
    holds = actual.Find(expected) == 0;
  } else if (aCondition.EqualsLiteral("ew")) {
    // A suffix test: where the last occurrence starts, when there is none (-1), must
    // not pass for the end of a text one character shorter than the expected one.
    holds = expected.Length() <= actual.Length() &&
            Substring(actual, actual.Length() - expected.Length(), expected.Length()).Equals(expected);
  } else if (aCondition.EqualsLiteral("rm")) {
    holds = actual.Find(expected) >= 0;
  }
  writeOut(holds ? " PASSED\n" : " FAILED\n");
  return holds ? NS_OK : NS_ERROR_FAILURE;
}

NS_IMETHODIMP nsValidator::columnSort(nsIDOMHTMLTableElement* aTable, PRInt32 aColumn) {
  nsString reply;
  reply.Append(u"<columnsort>");
  const PRUint32 rows = rowCountOf(aTable);
  // A column before the first (a value of 0 or less) is in no row.
  for (PRUint32 row = 0; aColumn >= 0 && row < rows; ++row) {
    nsCOMPtr<nsIDOMElement> cell = cellAt(aTable, static_cast<PRInt32>(row), aColumn);
    if (!cell) continue;
    nsString text = escapeText(textContentOf(cell));
    if (text.IsEmpty() || text.EqualsLiteral(" ")) text.AssignLiteral("NONE");
    reply.Append(u"<cellvalue>");
    reply.Append(text);
    reply.Append(u"</cellvalue>");
  }
  reply.Append(u"</columnsort>\n");
  return mSocket.Send(reply) == SOCKET_ERROR ? NS_ERROR_FAILURE : NS_OK;
}

NS_IMETHODIMP nsValidator::validateTable(nsIDOMElement* aCommand) {
  if (!aCommand) return NS_ERROR_NULL_POINTER;
  nsString status(u"PASSED");
  nsString details;
  const nsString caseId = attributeOf(aCommand, u"caseid");
  const nsString id = attributeOf(aCommand, u"id");
  PRInt32 occurrence = 0;
  nsPlayBackUtils::GetIndexAttribute(aCommand, &occurrence);
  nsCOMPtr<nsIDOMHTMLTableElement> table;
  if (!id.EqualsLiteral("NONE"))
    findTable(id, NS_LITERAL_STRING("id"), occurrence, getter_AddRefs(table));
  else
    findTable(attributeOf(aCommand, u"firstcellvalue"), NS_LITERAL_STRING("cellvalue"), occurrence,
              getter_AddRefs(table));

  bool statusReply = true;
  if (!table) {
    status.AssignLiteral("TABLE NOT FOUND");
  } else {
    nsCOMPtr<nsIDOMNodeList> children;
    if (NS_FAILED(aCommand->GetChildNodes(getter_AddRefs(children)))) children = nullptr;
    const PRUint32 length = lengthOf(children);
    for (PRUint32 i = 0; i < length; ++i) {
      nsCOMPtr<nsIDOMElement> check = queryTo<nsIDOMElement>(itemOf(children, i));
      nsString name;
      if (!check || NS_FAILED(check->GetNodeName(name)) || !name.EqualsLiteral("check")) continue;
      const nsString function = attributeOf(check, u"function");
      const nsString value = attributeOf(check, u"value");
      const nsString condition = attributeOf(check, u"condition");
      if (function.EqualsLiteral("columnsort")) {
        // The column's texts are the answer; no status follows.
        const PRInt32 column = integerOf(value);
        columnSort(table, column > 0 ? column - 1 : -1);
        statusReply = false;
        continue;
      }
      nsString line(u"[CheckPoint] [Property - ");
      line.Append(function);
      line.Append(u" ][Condition - ");
      line.Append(condition);
      line.Append(u"] [Expected value - ");
      line.Append(value);
      line.Append(u" ] [Actual value - ");
      writeOut(line);
      nsresult rv;
      if (function.EqualsLiteral("rowcount")) {
        rv = checkRowCount(table, condition, value, details);
      } else if (function.EqualsLiteral("columncount")) {
        rv = checkColumnCount(table, condition, value, details);
      } else if (function.EqualsLiteral("cellvalueat")) {
        rv = checkCellValueAt(table, condition, value, attributeOf(check, u"rowid"), attributeOf(check, u"colid"),
                              details);
      } else {
        // A check that cannot be made has not passed.
        writeOut("]  FAILED\n");
        rv = NS_ERROR_FAILURE;
      }
      if (NS_FAILED(rv)) status.AssignLiteral("FAILED");
    }
  }
  if (!statusReply) return NS_OK;
  nsString tail(u" debugMessage=\"");
  tail.Append(details);
  tail.Append(u"\"");
  nsresult rv = sendStatus(status, tail, caseId);
  if (NS_FAILED(rv)) return rv;
  return table ? NS_OK : NS_ERROR_FAILURE;
}
