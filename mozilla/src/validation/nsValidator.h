// nsValidator: evaluates one checkpoint of a play session against the live page and
// sends the host one reply for it.
//
// Playback makes a new validator for every checkpoint command, hands it the document of
// the current window (setDocument) and calls the entry point the command's check type
// names: validateElement, validateText or validateTable. The command element carries the
// checkpoint's recorded properties as attributes and a "check" child whose attributes
// name what to verify.
//
// Element checkpoints are not judged here: the element is found again as playback finds
// it, the properties the "check" child names are read, and the host compares them with
// what it recorded. Table checkpoints are judged here ("PASSED"/"FAILED"), and each
// table check is also written to standard output. The values a reply carries are read
// the way the recorder wrote them into its checkpoint lines, so that an unchanged page
// reads back what was recorded.
//
// Replies (one message each, through the endpoint's whole-text send):
//   <statusmessage caseid="C" status="S" DETAILS/>\n
//   <textmessage bodytext="ESCAPED BODY TEXT"/>\n
//   <columnsort><cellvalue>T</cellvalue>...</columnsort>\n
//
// Threads: runs on the thread that calls it (the connection thread); the DOM objects
// carry each call to the browser's UI thread themselves. It keeps no state between
// commands but the document it was given.
#pragma once

#include "ClientSocket.h"
#include "nsCOMPtr.h"
#include "nsIDOMNamedNodeMap.h"
#include "nsIDOMNode.h"
#include "nsISupports.h"
#include "nsString.h"
#include "nsWeakReference.h"
#include "prtypes.h"

class nsIDOMDocument;
class nsIDOMElement;
class nsIDOMHTMLTableElement;
class nsIDOMNamedNodeMap;
class nsIDOMWindow;

// {b72ddbb9-b3d4-4d60-9645-275e362d559e}
#define NS_VALIDATOR_IID \
  { 0xb72ddbb9, 0xb3d4, 0x4d60, { 0x96, 0x45, 0x27, 0x5e, 0x36, 0x2d, 0x55, 0x9e } }

class nsValidator final : public nsSupportsWeakReference {
 public:
  NS_DEFINE_STATIC_IID_ACCESSOR(NS_VALIDATOR_IID)

  explicit nsValidator(const ClientSocket& socket);

  NS_DECL_ISUPPORTS

  // ---- the element kinds: each reads the "check" child's properties of the found
  // element into the details and sends "PASSED" with them.
  NS_IMETHOD checkInput(nsIDOMElement* aElement, nsIDOMElement* aCommand, const nsAString& aCaseId);
  NS_IMETHOD checkTextArea(nsIDOMElement* aElement, nsIDOMElement* aCommand, const nsAString& aCaseId);
  NS_IMETHOD checkSelect(nsIDOMElement* aElement, nsIDOMElement* aCommand, const nsAString& aCaseId);
  NS_IMETHOD checkLink(nsIDOMElement* aElement, nsIDOMElement* aCommand, const nsAString& aCaseId);
  NS_IMETHOD checkImage(nsIDOMElement* aElement, nsIDOMElement* aCommand, const nsAString& aCaseId);
  // The controls of the front XUL dialog; each sends exactly one reply.
  NS_IMETHOD checkDialogButton(nsIDOMElement* aCommand, const nsAString& aCaseId);
  NS_IMETHOD checkDialogTextbox(nsIDOMElement* aCommand, const nsAString& aCaseId);
  NS_IMETHOD checkDialogStatic(nsIDOMElement* aCommand, const nsAString& aCaseId);

  // Finds the element the command names (by its kind's rule) and checks it. Not found:
  // "ERROR_ELEMENT_NOT_FOUND". A kind it does not know gets no reply (NS_ERROR_FAILURE).
  NS_IMETHOD validateElement(nsIDOMElement* aCommand);
  // The attributes of the command's (last) "check" child; null when it has none.
  NS_IMETHOD getCheckAttributes(nsIDOMElement* aCommand, nsIDOMNamedNodeMap** aAttributes);

  // ---- readers: append the pair for `aProperty` to `aDetails`; a property the kind
  // does not know appends nothing.
  NS_IMETHOD readInputProperty(nsIDOMElement* aElement, const nsAString& aProperty, nsAString& aDetails);
  NS_IMETHOD readTextAreaProperty(nsIDOMElement* aElement, const nsAString& aProperty, nsAString& aDetails);
  NS_IMETHOD readSelectProperty(nsIDOMElement* aElement, const nsAString& aProperty, nsAString& aDetails);
  NS_IMETHOD readLinkProperty(nsIDOMElement* aElement, const nsAString& aProperty, nsAString& aDetails);
  NS_IMETHOD readImageProperty(nsIDOMElement* aElement, const nsAString& aProperty, nsAString& aDetails);
  NS_IMETHOD readDialogButtonProperty(nsIDOMElement* aButton, const nsAString& aProperty, nsAString& aDetails);
  NS_IMETHOD readDialogTextboxProperty(nsIDOMElement* aInput, const nsAString& aProperty, nsAString& aDetails);

  // The element tag a recorded type stands for ("INPUT", "IMG", "TEXTAREA", "SELECT",
  // "A", "TD"); empty for a type that names none.
  NS_IMETHOD tagForType(const nsAString& aType, const nsAString& aTagName, nsAString& aTag);
  // The page document to check; its window is where the element's title is read.
  NS_IMETHOD setDocument(nsIDOMDocument* aDocument);
  // <statusmessage caseid="C" status="S" DETAILS/>\n; NS_ERROR_FAILURE when not sent.
  NS_IMETHOD sendStatus(const nsAString& aStatus, const nsAString& aDetails, const nsAString& aCaseId);

  // The page body's text, escaped, as the text reply.
  NS_IMETHOD validateText(nsIDOMElement* aCommand);
  // The table the command names, checked against each "check" child.
  NS_IMETHOD validateTable(nsIDOMElement* aCommand);
  // Each check appends its reading to `aDetails` and answers NS_OK when it holds,
  // NS_ERROR_FAILURE when it does not.
  NS_IMETHOD checkRowCount(nsIDOMHTMLTableElement* aTable, const nsAString& aCondition, const nsAString& aExpected,
                           nsAString& aDetails);
  NS_IMETHOD checkColumnCount(nsIDOMHTMLTableElement* aTable, const nsAString& aCondition,
                              const nsAString& aExpected, nsAString& aDetails);
  NS_IMETHOD checkCellValueAt(nsIDOMHTMLTableElement* aTable, const nsAString& aCondition,
                              const nsAString& aExpected, const nsAString& aRowId, const nsAString& aColumnId,
                              nsAString& aDetails);
  // "eq", "neq", "lt", "gt", "lte", "gte" on unsigned 32-bit numbers; any other word fails.
  NS_IMETHOD compareCounts(const nsAString& aCondition, PRUint32 aActual, PRUint32 aExpected);
  // The cell at the command's 1-based "rowindex" and "columnindex"; none out of range.
  NS_IMETHOD findCell(nsIDOMHTMLTableElement* aTable, nsIDOMElement* aCommand, nsIDOMElement** aCell);
  NS_IMETHOD checkCell(nsIDOMElement* aCell, nsIDOMElement* aCommand, const nsAString& aCaseId);
  NS_IMETHOD readCellProperty(nsIDOMElement* aCell, const nsAString& aProperty, nsAString& aDetails);
  // The texts of the table's column `aColumn` (0-based) as the column reply.
  NS_IMETHOD columnSort(nsIDOMHTMLTableElement* aTable, PRInt32 aColumn);

 private:
  ~nsValidator();

  // The `aOccurrence`-th table of the document (0-based) whose id ("id") or first cell
  // ("cellvalue") reads `aValue`.
  nsresult findTable(const nsAString& aValue, const nsAString& aKey, PRInt32 aOccurrence,
                     nsIDOMHTMLTableElement** aTable);
  // The common part of the page kinds' checks: the reader for each "check" attribute.
  using PropertyReader = nsresult (nsValidator::*)(nsIDOMElement*, const nsAString&, nsAString&);
  nsresult checkElement(nsIDOMElement* aElement, nsIDOMElement* aCommand, const nsAString& aCaseId,
                        PropertyReader aRead);
  // The title of the window showing the checked document, "NONE" when empty.
  nsString windowTitle();
  // Runs `aRead` with the name of every attribute of the command's "check" child, in
  // order, until one fails.
  template <class Read>
  nsresult forEachCheck(nsIDOMElement* aCommand, Read aRead);

  ClientSocket mSocket;
  nsCOMPtr<nsIDOMDocument> mDocument;
  nsCOMPtr<nsIDOMWindow> mWindow;
};

template <class Read>
nsresult nsValidator::forEachCheck(nsIDOMElement* aCommand, Read aRead) {
  nsCOMPtr<nsIDOMNamedNodeMap> checks;
  nsresult rv = getCheckAttributes(aCommand, getter_AddRefs(checks));
  if (NS_FAILED(rv)) return rv;
  PRUint32 length = 0;
  if (checks && NS_FAILED(checks->GetLength(&length))) length = 0;
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMNode> check;
    nsString property;
    if (NS_FAILED(checks->Item(i, getter_AddRefs(check))) || !check || NS_FAILED(check->GetNodeName(property)))
      continue;
    rv = aRead(property);
    if (NS_FAILED(rv)) return rv;
  }
  return NS_OK;
}
