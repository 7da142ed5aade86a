// Checkpoints during playback: the command names a case and a kind ("element", "text",
// "table"), and the validator checks the current window's page and replies itself.
#include "nsIDOMDocument.h"
#include "nsIDOMWindow.h"
#include "nsPlayBack.h"
#include "playback_support.h"

using playback_support::attribute;

NS_IMETHODIMP nsPlayBack::ExecuteTest(nsIDOMElement* aCommand) {
  nsCOMPtr<nsIDOMDocument> document = CurrentDocument(false);
  if (!document) {
    // <statusmessage caseid="..." status="ERROR_DOCUMENT_NULL" />
    nsString reply;
    reply.AppendLiteral("<statusmessage caseid=\"");
    reply.Append(attribute(aCommand, u"caseid"));
    reply.AppendLiteral("\" status=\"ERROR_DOCUMENT_NULL\" />\n");
    mSocket.Send(reply);
    return NS_ERROR_FAILURE;
  }
  return NS_OK;
}
