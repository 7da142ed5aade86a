// What the validator's checks share: the reply pieces (pairs, escaping), numbers read
// from command attributes, the standard-output lines and the table readings.
#pragma once

#include "dom_reading.h"
#include "nsCOMPtr.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLTableElement.h"
#include "nsIDOMWindow.h"
#include "nsString.h"
#include "prtypes.h"

namespace validator_reading {

using nsPlayBackUtils::detail::attributeOf;
using nsPlayBackUtils::detail::noneWhenEmpty;
using nsPlayBackUtils::detail::queryTo;
using nsPlayBackUtils::detail::textContentOf;

// Appends `name="value" ` (with `aBlank`: `name ="value" `). A reply is one line to the
// host, so a line feed or carriage return left in the value is sent as a blank.
void appendPair(nsAString& aDetails, const nsAString& aName, const nsAString& aValue, bool aBlank = false);
void appendPair(nsAString& aDetails, const nsAString& aName, const char* aValue, bool aBlank = false);
const char* trueOrFalse(bool aValue);

// "&" as "&amp;", the double quote as "&quot;", line feeds and carriage returns as
// blanks, "<" as "&lt;", ">" as "&gt;", in this order.
nsString escapeText(const nsAString& aText);
using nsPlayBackUtils::detail::integerOf;
using nsPlayBackUtils::detail::replaceBreaks;

using nsPlayBackUtils::detail::shellTitleOf;
// The window showing the document (its default view); null when none.
nsCOMPtr<nsIDOMWindow> windowOfDocument(nsISupports* aDocument);

// Writes to standard output, as UTF-8, at once.
void writeOut(const nsAString& aText);
void writeOut(const char* aText);

// ---- tables (rows and columns 0-based here)

PRUint32 rowCountOf(nsIDOMHTMLTableElement* aTable);
// The number of cells of the row; 0 when there is no such row.
PRUint32 cellCountOf(nsIDOMHTMLTableElement* aTable, PRUint32 aRow);
// The cell; null out of range.
nsCOMPtr<nsIDOMElement> cellAt(nsIDOMHTMLTableElement* aTable, PRInt32 aRow, PRInt32 aColumn);
// The table's key for finding it again, as the recorder wrote it: its id, or the text of
// its first cell ("NONE" when empty or missing, line feeds as blanks, cut to ten).
nsString tableKey(nsIDOMHTMLTableElement* aTable, bool aById);
// A first-cell text as the recorder cuts it.
nsString cutFirstCellText(const nsAString& aText);

}  // namespace validator_reading
