// The validator's life, its replies, the element checkpoint's search by kind and the
// page text.
#include "nsValidator.h"

#include "nsIDOMDocument.h"
#include "nsIDOMHTMLAnchorElement.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMHTMLElement.h"
#include "nsIDOMHTMLImageElement.h"
#include "nsIDOMHTMLTableElement.h"
#include "nsIDOMNamedNodeMap.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "nsPlayBackUtils.h"
#include "validator_reading.h"

using namespace validator_reading;
using nsPlayBackUtils::detail::itemOf;
using nsPlayBackUtils::detail::lengthOf;

nsValidator::nsValidator(const ClientSocket& socket) : mSocket(socket) {}

nsValidator::~nsValidator() = default;

NS_IMPL_THREADSAFE_ADDREF(nsValidator)
NS_IMPL_THREADSAFE_RELEASE(nsValidator)

NS_INTERFACE_MAP_BEGIN(nsValidator)
  NS_INTERFACE_MAP_ENTRY_AMBIGUOUS(nsISupports, nsISupportsWeakReference)
  NS_INTERFACE_MAP_ENTRY(nsISupportsWeakReference)
  NS_INTERFACE_MAP_ENTRY(nsValidator)
NS_INTERFACE_MAP_END

NS_IMETHODIMP nsValidator::setDocument(nsIDOMDocument* aDocument) {
  mDocument = aDocument;
  mWindow = windowOfDocument(aDocument);
  return NS_OK;
}

NS_IMETHODIMP nsValidator::sendStatus(const nsAString& aStatus, const nsAString& aDetails, const nsAString& aCaseId) {
  nsString reply;
  reply.Append(u"<statusmessage caseid=\"");
  // The host's case id goes back as it came, but for a line break, which would cut the
  // reply line in two.
  reply.Append(replaceBreaks(aCaseId, u" ", true));
  reply.Append(u"\" status=\"");
  reply.Append(aStatus);
  reply.Append(u"\" ");
  reply.Append(aDetails);
  reply.Append(u"/>\n");
  return mSocket.Send(reply) == SOCKET_ERROR ? NS_ERROR_FAILURE : NS_OK;
}

NS_IMETHODIMP nsValidator::tagForType(const nsAString& aType, const nsAString& aTagName, nsAString& aTag) {
  static constexpr struct {
    const char* type;
    const char* tag;
  } kTags[] = {{"text", "INPUT"},     {"password", "INPUT"},      {"radio", "INPUT"},
               {"checkbox", "INPUT"}, {"submit", "INPUT"},        {"button", "INPUT"},
               {"reset", "INPUT"},    {"file", "INPUT"},          {"textarea", "TEXTAREA"},   {"select-one", "SELECT"},
               {"select-multiple", "SELECT"}, {"link", "A"},      {"cell", "TD"}};
  aTag.Truncate();
  if (aType.EqualsLiteral("image")) {
    aTag.Append(aTagName.EqualsLiteral("IMG") ? u"IMG" : u"INPUT");
    return NS_OK;
  }
  for (const auto& entry : kTags) {
    if (aType.EqualsASCII(entry.type)) {
      aTag.Append(NS_ConvertASCIItoUTF16(entry.tag));
      return NS_OK;
    }
  }
  return NS_OK;
}

NS_IMETHODIMP nsValidator::getCheckAttributes(nsIDOMElement* aCommand, nsIDOMNamedNodeMap** aAttributes) {
  if (!aAttributes) return NS_ERROR_NULL_POINTER;
  *aAttributes = nullptr;
  if (!aCommand) return NS_ERROR_NULL_POINTER;
  nsCOMPtr<nsIDOMNodeList> children;
  nsresult rv = aCommand->GetChildNodes(getter_AddRefs(children));
  if (NS_FAILED(rv)) return rv;
  nsCOMPtr<nsIDOMNamedNodeMap> found;
  const PRUint32 length = lengthOf(children);
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMNode> child = itemOf(children, i);
    if (!child) return NS_ERROR_FAILURE;
    nsString name;
    rv = child->GetNodeName(name);
    if (NS_FAILED(rv)) return rv;
    if (!name.EqualsLiteral("check")) continue;
    // A later "check" child replaces an earlier one.
    rv = child->GetAttributes(getter_AddRefs(found));
    if (NS_FAILED(rv)) return rv;
  }
  found.forget(aAttributes);
  return NS_OK;
}

nsString nsValidator::windowTitle() { return noneWhenEmpty(shellTitleOf(mWindow)); }

nsresult nsValidator::checkElement(nsIDOMElement* aElement, nsIDOMElement* aCommand, const nsAString& aCaseId,
                                   PropertyReader aRead) {
  if (!aElement || !aCommand) return NS_ERROR_NULL_POINTER;
  nsString details;
  // The expected values stay with the host, which compares.
  nsresult rv = forEachCheck(
      aCommand, [&](const nsAString& aProperty) { return (this->*aRead)(aElement, aProperty, details); });
  if (NS_FAILED(rv)) return rv;
  return sendStatus(NS_LITERAL_STRING("PASSED"), details, aCaseId);
}

NS_IMETHODIMP nsValidator::checkInput(nsIDOMElement* aElement, nsIDOMElement* aCommand, const nsAString& aCaseId) {
  return checkElement(aElement, aCommand, aCaseId, &nsValidator::readInputProperty);
}

NS_IMETHODIMP nsValidator::checkTextArea(nsIDOMElement* aElement, nsIDOMElement* aCommand,
                                         const nsAString& aCaseId) {
  return checkElement(aElement, aCommand, aCaseId, &nsValidator::readTextAreaProperty);
}

NS_IMETHODIMP nsValidator::checkSelect(nsIDOMElement* aElement, nsIDOMElement* aCommand, const nsAString& aCaseId) {
  return checkElement(aElement, aCommand, aCaseId, &nsValidator::readSelectProperty);
}

NS_IMETHODIMP nsValidator::checkLink(nsIDOMElement* aElement, nsIDOMElement* aCommand, const nsAString& aCaseId) {
  return checkElement(aElement, aCommand, aCaseId, &nsValidator::readLinkProperty);
}

NS_IMETHODIMP nsValidator::checkImage(nsIDOMElement* aElement, nsIDOMElement* aCommand, const nsAString& aCaseId) {
  return checkElement(aElement, aCommand, aCaseId, &nsValidator::readImageProperty);
}

namespace {

bool isNone(const nsAString& aValue) { return aValue.EqualsLiteral("NONE"); }

// The form-field finder by id when the command has one, else by `aProperty` with the
// command's value of `aValueAttribute`.
nsCOMPtr<nsIDOMElement> findField(nsIDOMDocument* aDocument, nsIDOMElement* aCommand, PRInt32 aIndex,
                                  const char* aTag, const nsAString& aType, const char* aProperty,
                                  const PRUnichar* aValueAttribute) {
  const nsString id = attributeOf(aCommand, u"id");
  nsCOMPtr<nsIDOMElement> found;
  if (!isNone(id)) {
    nsPlayBackUtils::FindElementByAttribute(aIndex, NS_LITERAL_STRING("id"), id, NS_ConvertASCIItoUTF16(aTag), aType,
                                            aDocument, getter_AddRefs(found));
  } else {
    nsPlayBackUtils::FindElementByAttribute(aIndex, NS_ConvertASCIItoUTF16(aProperty),
                                            attributeOf(aCommand, aValueAttribute), NS_ConvertASCIItoUTF16(aTag),
                                            aType, aDocument, getter_AddRefs(found));
  }
  return found;
}

}  // namespace

NS_IMETHODIMP nsValidator::validateElement(nsIDOMElement* aCommand) {
  if (!aCommand) return NS_ERROR_NULL_POINTER;
  const nsString name = attributeOf(aCommand, u"name");
  const nsString type = attributeOf(aCommand, u"type");
  const nsString id = attributeOf(aCommand, u"id");
  const nsString caseId = attributeOf(aCommand, u"caseid");
  nsString tag;
  tagForType(type, attributeOf(aCommand, u"tagName"), tag);
  PRInt32 index = 0;
  nsPlayBackUtils::GetIndexAttribute(aCommand, &index);
  const bool dialogControl = nsPlayBackUtils::detail::hasAttribute(aCommand, u"classname");
  nsCOMPtr<nsIDOMHTMLDocument> page = queryTo<nsIDOMHTMLDocument>(mDocument);

  if (tag.EqualsLiteral("INPUT") && !dialogControl) {
    nsCOMPtr<nsIDOMElement> input;
    if (!isNone(id))
      input = findField(mDocument, aCommand, index, "INPUT", type, "id", u"id");
    else if (type.EqualsLiteral("image"))
      input = findField(mDocument, aCommand, index, "INPUT", type, "src", u"source");
    else if (!isNone(name))
      input = findField(mDocument, aCommand, index, "INPUT", type, "name", u"name");
    else
      input = findField(mDocument, aCommand, index, "INPUT", type, "value", u"value");
    if (input) return checkInput(input, aCommand, caseId);
  } else if (tag.EqualsLiteral("TEXTAREA")) {
    nsCOMPtr<nsIDOMElement> area = findField(mDocument, aCommand, index, "TEXTAREA", type, "name", u"name");
    if (area) return checkTextArea(area, aCommand, caseId);
  } else if (tag.EqualsLiteral("SELECT")) {
    nsCOMPtr<nsIDOMElement> select = findField(mDocument, aCommand, index, "SELECT", type, "name", u"name");
    if (select) return checkSelect(select, aCommand, caseId);
  } else if (tag.EqualsLiteral("A")) {
    nsCOMPtr<nsIDOMHTMLAnchorElement> link;
    nsPlayBackUtils::FindLinkByProperty(index, isNone(id) ? NS_LITERAL_STRING("innertext") : NS_LITERAL_STRING("id"),
                                        aCommand, page, getter_AddRefs(link));
    nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(link);
    if (element) return checkLink(element, aCommand, caseId);
  } else if (tag.EqualsLiteral("IMG")) {
    nsCOMPtr<nsIDOMHTMLImageElement> image;
    nsPlayBackUtils::FindImageByProperty(index, isNone(id) ? NS_LITERAL_STRING("source") : NS_LITERAL_STRING("id"),
                                         aCommand, page, getter_AddRefs(image));
    nsCOMPtr<nsIDOMElement> element = queryTo<nsIDOMElement>(image);
    if (element) return checkImage(element, aCommand, caseId);
  } else if (tag.EqualsLiteral("TD")) {
    nsCOMPtr<nsIDOMElement> cell;
    if (isNone(id)) {
      const nsString tableId = attributeOf(aCommand, u"tableid");
      const PRInt32 tableIndex = integerOf(attributeOf(aCommand, u"tableindex"));
      nsCOMPtr<nsIDOMHTMLTableElement> table;
      if (!isNone(tableId))
        findTable(tableId, NS_LITERAL_STRING("id"), tableIndex, getter_AddRefs(table));
      else
        findTable(attributeOf(aCommand, u"firstcellvalue"), NS_LITERAL_STRING("cellvalue"), tableIndex,
                  getter_AddRefs(table));
      if (table) findCell(table, aCommand, getter_AddRefs(cell));
    } else {
      nsPlayBackUtils::FindElementByAttribute(index, NS_LITERAL_STRING("id"), id, NS_LITERAL_STRING("TD"),
                                              NS_LITERAL_STRING("cell"), mDocument, getter_AddRefs(cell));
    }
    if (cell) return checkCell(cell, aCommand, caseId);
  } else if (dialogControl) {
    const nsString className = attributeOf(aCommand, u"classname");
    if (className.EqualsLiteral("dialog-button")) return checkDialogButton(aCommand, caseId);
    if (className.EqualsLiteral("textbox-input")) return checkDialogTextbox(aCommand, caseId);
    if (className.EqualsLiteral("Static")) return checkDialogStatic(aCommand, caseId);
    return NS_ERROR_FAILURE;
  } else {
    // A kind no checkpoint is taken of: nothing to find, and no reply.
    return NS_ERROR_FAILURE;
  }
  nsresult rv = sendStatus(NS_LITERAL_STRING("ERROR_ELEMENT_NOT_FOUND"), EmptyString(), caseId);
  return NS_FAILED(rv) ? rv : NS_ERROR_FAILURE;
}

NS_IMETHODIMP nsValidator::validateText(nsIDOMElement* aCommand) {
  if (!aCommand) return NS_ERROR_NULL_POINTER;
  nsCOMPtr<nsIDOMHTMLDocument> page = queryTo<nsIDOMHTMLDocument>(mDocument);
  nsCOMPtr<nsIDOMHTMLElement> body;
  if (page && NS_FAILED(page->GetBody(getter_AddRefs(body)))) body = nullptr;
  // A document without a body still answers, with no text, so the host is not left
  // waiting.
  nsString reply;
  reply.Append(u"<textmessage bodytext=\"");
  reply.Append(escapeText(textContentOf(body)));
  reply.Append(u"\"/>\n");
  return mSocket.Send(reply) == SOCKET_ERROR ? NS_ERROR_FAILURE : NS_OK;
}
