// Checkpoints on the controls of the front XUL dialog (a page's alert, confirm or
// prompt): its buttons and its text box, which live in bindings (anonymous content), and
// its message. The dialog is the window mediator's most recent window when that shows no
// HTML page. Each check sends exactly one reply.
#include "nsIDOMDocument.h"
#include "nsIDOMHTMLInputElement.h"
#include "nsIDOMNode.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMXULElement.h"
#include "nsPlayBackUtils.h"
#include "nsValidator.h"
#include "validator_reading.h"

using namespace validator_reading;
using nsPlayBackUtils::detail::itemOf;
using nsPlayBackUtils::detail::lengthOf;

namespace {

nsresult notFound(nsValidator* aValidator, const nsAString& aCaseId) {
  nsresult rv = aValidator->sendStatus(NS_LITERAL_STRING("ERROR_ELEMENT_NOT_FOUND"), EmptyString(), aCaseId);
  return NS_FAILED(rv) ? rv : NS_ERROR_FAILURE;
}

}  // namespace

NS_IMETHODIMP nsValidator::checkDialogButton(nsIDOMElement* aCommand, const nsAString& aCaseId) {
  if (!aCommand) return NS_ERROR_NULL_POINTER;
  nsCOMPtr<nsIDOMDocument> dialog;
  nsCOMPtr<nsIDOMNodeList> parts;
  if (NS_SUCCEEDED(nsPlayBackUtils::GetDialogDocument(getter_AddRefs(dialog))))
    nsPlayBackUtils::GetRootAnonymousNodes(dialog, getter_AddRefs(parts));
  // A dialog without buttons has not the button asked for.
  if (!parts) return notFound(this, aCaseId);
  nsCOMPtr<nsIDOMNode> node;
  nsPlayBackUtils::FindNodeByName(NS_LITERAL_STRING("xul:button"), parts, NS_LITERAL_STRING("label"),
                                  attributeOf(aCommand, u"name"), getter_AddRefs(node));
  nsCOMPtr<nsIDOMXULElement> button = queryTo<nsIDOMXULElement>(node);
  if (!button) return notFound(this, aCaseId);
  nsString details;
  nsresult rv = forEachCheck(
      aCommand, [&](const nsAString& aProperty) { return readDialogButtonProperty(button, aProperty, details); });
  if (NS_FAILED(rv)) return rv;
  return sendStatus(NS_LITERAL_STRING("PASSED"), details, aCaseId);
}

NS_IMETHODIMP nsValidator::readDialogButtonProperty(nsIDOMElement* aButton, const nsAString& aProperty,
                                                    nsAString& aDetails) {
  nsCOMPtr<nsIDOMXULElement> button = queryTo<nsIDOMXULElement>(aButton);
  if (!button) return NS_ERROR_INVALID_ARG;
  if (aProperty.EqualsLiteral("name")) {
    appendPair(aDetails, aProperty, attributeOf(button, u"label"));
  } else if (aProperty.EqualsLiteral("isVisible")) {
    PRBool hidden = PR_FALSE;
    if (NS_FAILED(button->GetHidden(&hidden))) hidden = PR_FALSE;
    appendPair(aDetails, aProperty, trueOrFalse(hidden == PR_FALSE));
  } else if (aProperty.EqualsLiteral("isEnabled")) {
    // As the recorder reads it: a XUL control is disabled by disabled="true".
    appendPair(aDetails, aProperty, trueOrFalse(!attributeOf(button, u"disabled").EqualsLiteral("true")));
  } else if (aProperty.EqualsLiteral("classname")) {
    nsString className;
    if (NS_FAILED(button->GetClassName(className))) className.Truncate();
    appendPair(aDetails, aProperty, className);
  }
  return NS_OK;
}

NS_IMETHODIMP nsValidator::checkDialogTextbox(nsIDOMElement* aCommand, const nsAString& aCaseId) {
  if (!aCommand) return NS_ERROR_NULL_POINTER;
  nsCOMPtr<nsIDOMDocument> dialog;
  nsCOMPtr<nsIDOMNodeList> textboxes;
  if (NS_SUCCEEDED(nsPlayBackUtils::GetDialogDocument(getter_AddRefs(dialog))))
    nsPlayBackUtils::GetElementsByTag(NS_LITERAL_STRING("textbox"), dialog, getter_AddRefs(textboxes));
  const nsString id = attributeOf(aCommand, u"id");
  nsString details;
  bool matched = false;
  const PRUint32 length = lengthOf(textboxes);
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMElement> textbox = queryTo<nsIDOMElement>(itemOf(textboxes, i));
    if (!textbox || !attributeOf(textbox, u"id").Equals(id)) continue;
    // A text box the dialog does not show has no binding, so no input: not found.
    nsCOMPtr<nsIDOMNodeList> parts;
    nsPlayBackUtils::GetAnonymousNodes(textbox, getter_AddRefs(parts));
    nsCOMPtr<nsIDOMNode> node;
    if (parts)
      nsPlayBackUtils::FindNodeByName(NS_LITERAL_STRING("html:input"), parts, EmptyString(), EmptyString(),
                                      getter_AddRefs(node));
    nsCOMPtr<nsIDOMElement> input = queryTo<nsIDOMElement>(node);
    if (!input) return notFound(this, aCaseId);
    matched = true;
    nsresult rv = forEachCheck(
        aCommand, [&](const nsAString& aProperty) { return readDialogTextboxProperty(input, aProperty, details); });
    if (NS_FAILED(rv)) return rv;
  }
  // No text box with that id is a control the dialog does not have.
  if (!matched) return notFound(this, aCaseId);
  return sendStatus(NS_LITERAL_STRING("PASSED"), details, aCaseId);
}

NS_IMETHODIMP nsValidator::readDialogTextboxProperty(nsIDOMElement* aInput, const nsAString& aProperty,
                                                     nsAString& aDetails) {
  nsCOMPtr<nsIDOMHTMLInputElement> input = queryTo<nsIDOMHTMLInputElement>(aInput);
  if (!input) return NS_ERROR_INVALID_ARG;
  if (aProperty.EqualsLiteral("value")) {
    nsString value;
    if (NS_FAILED(input->GetValue(value))) value.Truncate();
    appendPair(aDetails, aProperty, noneWhenEmpty(value));
  } else if (aProperty.EqualsLiteral("isEnabled")) {
    PRBool disabled = PR_FALSE;
    if (NS_FAILED(input->GetDisabled(&disabled))) disabled = PR_FALSE;
    appendPair(aDetails, aProperty, trueOrFalse(disabled == PR_FALSE));
  }
  return NS_OK;
}

NS_IMETHODIMP nsValidator::checkDialogStatic(nsIDOMElement* aCommand, const nsAString& aCaseId) {
  if (!aCommand) return NS_ERROR_NULL_POINTER;
  nsCOMPtr<nsIDOMDocument> dialog;
  if (NS_FAILED(nsPlayBackUtils::GetDialogDocument(getter_AddRefs(dialog)))) return notFound(this, aCaseId);
  nsCOMPtr<nsIDOMNodeList> boxes;
  nsPlayBackUtils::GetElementsByTag(NS_LITERAL_STRING("vbox"), dialog, getter_AddRefs(boxes));
  // The message is in the dialog's second box, one description per line.
  nsCOMPtr<nsIDOMNode> messageBox = itemOf(boxes, 1);
  nsCOMPtr<nsIDOMNodeList> lines;
  if (messageBox && NS_FAILED(messageBox->GetChildNodes(getter_AddRefs(lines)))) lines = nullptr;
  nsString details;
  if (lengthOf(lines) == 0) {
    appendPair(details, NS_LITERAL_STRING("value"), EmptyString());
    return sendStatus(NS_LITERAL_STRING("PASSED"), details, aCaseId);
  }
  nsCOMPtr<nsIDOMNode> description;
  nsPlayBackUtils::FindNodeByName(NS_LITERAL_STRING("description"), lines, EmptyString(), EmptyString(),
                                  getter_AddRefs(description));
  if (!description) return notFound(this, aCaseId);
  appendPair(details, NS_LITERAL_STRING("value"), textContentOf(description));
  return sendStatus(NS_LITERAL_STRING("PASSED"), details, aCaseId);
}
