// Checkpoints during playback: the command names a case and a kind ("element", "text",
// "table"); a new validator checks the current window's page and replies itself.
#include <new>

#include "nsIDOMDocument.h"
#include "nsIDOMElement.h"
#include "nsPlayBack.h"
#include "nsValidator.h"
#include "playback_support.h"

using playback_support::attribute;

NS_IMETHODIMP nsPlayBack::ExecuteTest(nsIDOMElement* aCommand) {
  nsCOMPtr<nsValidator> validator;
  try {
    validator = new nsValidator(mSocket);
  } catch (const std::bad_alloc&) {
    return NS_ERROR_OUT_OF_MEMORY;
  }
  nsCOMPtr<nsIDOMDocument> document = CurrentDocument(false);
  if (!document) {
    // <statusmessage caseid="..." status="ERROR_DOCUMENT_NULL" />: the case status
    // reply with an empty tail, as the validator makes it.
    validator->sendStatus(NS_LITERAL_STRING("ERROR_DOCUMENT_NULL"), nsString(), attribute(aCommand, u"caseid"));
    return NS_ERROR_FAILURE;
  }
  nsresult rv = validator->setDocument(document);
  if (NS_FAILED(rv)) return rv;
  const nsString kind = attribute(aCommand, u"checktype");
  if (kind.EqualsLiteral("element")) return validator->validateElement(aCommand);
  if (kind.EqualsLiteral("text")) return validator->validateText(aCommand);
  if (kind.EqualsLiteral("table")) return validator->validateTable(aCommand);
  return NS_OK;
}
