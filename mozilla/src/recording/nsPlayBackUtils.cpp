// The matching rule, command documents, events, the UI thread and status replies.
// The finders are in element_finders.cpp, node_finders.cpp and window_finders.cpp.
#include "nsPlayBackUtils.h"

#include "ClientSocket.h"
#include "dom_reading.h"
#include "nsComponentManagerUtils.h"
#include "nsIDOMDocument.h"
#include "nsIDOMDocumentEvent.h"
#include "nsIDOMEvent.h"
#include "nsIDOMParser.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDocShell.h"
#include "nsIEventQueueService.h"
#include "nsServiceManagerUtils.h"

namespace nsPlayBackUtils {

using namespace detail;

nsresult MatchCondition(const nsAString& aActual, const nsAString& aExpected, const nsAString& aCondition) {
  const nsString expected = withLineBreaks(aExpected);
  bool matches = false;
  if (aCondition.EqualsLiteral("equals")) {
    matches = aActual.Equals(expected);
  } else if (aCondition.EqualsLiteral("starts with")) {
    matches = StringBeginsWith(aActual, expected);
  } else if (aCondition.EqualsLiteral("ends with")) {
    // Compared as a suffix: a position test on the last occurrence would take "not
    // found" (-1) for a match when the expected text is one unit longer than the actual.
    matches = StringEndsWith(aActual, expected);
  }
  return matches ? NS_OK : NS_ERROR_FAILURE;
}

nsresult ParseCommandDocument(const nsAString& aXml, nsIDOMElement** aRoot) {
  if (!aRoot) return NS_ERROR_NULL_POINTER;
  *aRoot = nullptr;
  // A parser of its own for each command: playback threads may parse at the same time.
  nsresult rv = NS_OK;
  nsCOMPtr<nsIDOMParser> parser = do_CreateInstance(NS_DOMPARSER_CONTRACTID, &rv);
  if (NS_FAILED(rv)) return rv;
  if (!parser) return NS_ERROR_FAILURE;
  const nsString text(aXml);
  nsCOMPtr<nsIDOMDocument> document;
  rv = parser->ParseFromString(text.get(), "text/xml", getter_AddRefs(document));
  if (NS_FAILED(rv)) return rv;
  nsCOMPtr<nsIDOMElement> root;
  if (document) document->GetDocumentElement(getter_AddRefs(root));
  if (!root) {
    warn("NS_ENSURE_TRUE(tempElement) failed");
    return NS_ERROR_OUT_OF_MEMORY;
  }
  root.forget(aRoot);
  return NS_OK;
}

nsresult CreateDOMEvent(const nsAString& aModule, const nsAString& aType, nsIDOMDocument* aDocument,
                        nsIDOMEvent** aEvent) {
  if (!aEvent) return NS_ERROR_NULL_POINTER;
  *aEvent = nullptr;
  nsCOMPtr<nsIDOMDocumentEvent> maker = queryTo<nsIDOMDocumentEvent>(aDocument);
  if (!maker) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMEvent> event;
  nsresult rv = maker->CreateEvent(aModule, getter_AddRefs(event));
  if (NS_FAILED(rv)) return rv;
  if (!event) return NS_ERROR_FAILURE;
  rv = event->InitEvent(aType, PR_TRUE, PR_TRUE);
  if (NS_FAILED(rv)) return rv;
  event.forget(aEvent);
  return NS_OK;
}

nsresult GetIndexAttribute(nsIDOMElement* aCommand, PRInt32* aIndex) {
  if (!aIndex) return NS_ERROR_NULL_POINTER;
  *aIndex = 0;
  // As atoi reads, held within PRInt32 instead of overflowing.
  *aIndex = integerOf(attributeOf(aCommand, u"index"));
  return NS_OK;
}

nsresult GetElementsByTag(const nsAString& aTag, nsIDOMDocument* aDocument, nsIDOMNodeList** aList) {
  if (!aList) return NS_ERROR_NULL_POINTER;
  *aList = nullptr;
  nsCOMPtr<nsIDOMNodeList> list;
  if (aDocument) aDocument->GetElementsByTagName(aTag, getter_AddRefs(list));
  if (!list) {
    warn("NS_ENSURE_TRUE(domlist) failed");
    return NS_ERROR_OUT_OF_MEMORY;
  }
  list.forget(aList);
  return NS_OK;
}

nsresult GetUIEventQueue(nsIEventQueue** aQueue) {
  if (!aQueue) return NS_ERROR_NULL_POINTER;
  *aQueue = nullptr;
  static const nsCID kEventQueueServiceCID = NS_EVENTQUEUESERVICE_CID;
  nsresult rv = NS_OK;
  nsCOMPtr<nsIEventQueueService> service = do_GetService(kEventQueueServiceCID, &rv);
  if (NS_FAILED(rv)) return rv;
  if (!service) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIEventQueue> queue;
  rv = service->GetSpecialEventQueue(nsIEventQueueService::UI_THREAD_EVENT_QUEUE, getter_AddRefs(queue));
  if (NS_FAILED(rv)) return rv;
  if (!queue) return NS_ERROR_FAILURE;
  queue.forget(aQueue);
  return NS_OK;
}

nsresult FocusContentWindow(nsIDocShell* aShell) {
  nsCOMPtr<nsIDOMWindowInternal> window = requestFrom<nsIDOMWindowInternal>(aShell);
  if (!window) return NS_ERROR_FAILURE;
  UiThreadProxies proxies;
  nsCOMPtr<nsIDOMWindowInternal> proxy;
  nsresult rv = proxies.make(window.get(), PROXY_SYNC, proxy);
  if (NS_FAILED(rv)) return rv;
  return proxy->Focus();
}

nsresult SendStatusMessage(const nsAString& aStatus, const nsAString& aDebugMessage, ClientSocket& aSocket) {
  nsString reply;
  reply.AppendLiteral("<message status=\"");
  reply.Append(aStatus);
  reply.AppendLiteral("\" debugMessage=\"");
  reply.Append(aDebugMessage);
  reply.AppendLiteral("\"/>\n");
  return aSocket.Send(reply) == SOCKET_ERROR ? NS_ERROR_FAILURE : NS_OK;
}

}  // namespace nsPlayBackUtils
