// Small readers over the DOM interfaces that the finders share: attributes, text,
// interface look-ups and the UI thread's synchronous proxies. Each answers a value and
// treats a failing call as "nothing there", so the callers' scans stay readable; the
// callers decide what a missing value means.
#pragma once

#include "nsCOMPtr.h"
#include "nsIDOM3Node.h"
#include "nsIDOMElement.h"
#include "nsIDOMHTMLCollection.h"
#include "nsIDOMNodeList.h"
#include "nsIDOMWindow.h"
#include "nsIEventQueue.h"
#include "nsIInterfaceRequestor.h"
#include "nsIProxyObjectManager.h"
#include "nsString.h"

namespace nsPlayBackUtils::detail {

// The texts the rules compare with.
inline constexpr const PRUnichar* kNone = u"NONE";
inline constexpr const PRUnichar* kLineBreakMarker = u"VK_RETURN";

// Writes a warning to the platform's debug output (standard error), not to the trace log.
void warn(const char* aText);

template <class Interface>
nsCOMPtr<Interface> queryTo(nsISupports* aObject) {
  nsCOMPtr<Interface> result;
  if (aObject) aObject->QueryInterface(NS_GET_IID(Interface), getter_AddRefs(result));
  return result;
}

// An interface an object hands out through nsIInterfaceRequestor (a docshell's window).
template <class Interface>
nsCOMPtr<Interface> requestFrom(nsISupports* aObject) {
  nsCOMPtr<Interface> result;
  nsCOMPtr<nsIInterfaceRequestor> requestor = queryTo<nsIInterfaceRequestor>(aObject);
  if (requestor) requestor->GetInterface(NS_GET_IID(Interface), getter_AddRefs(result));
  return result;
}

// The attribute's value; empty when absent or unreadable.
nsString attributeOf(nsIDOMElement* aElement, const PRUnichar* aName);
nsString attributeOf(nsIDOMElement* aElement, const nsAString& aName);
bool hasAttribute(nsIDOMElement* aElement, const PRUnichar* aName);
// The node's text content (nsIDOM3Node); empty when unreadable.
nsString textContentOf(nsISupports* aNode);
// Every "VK_RETURN" replaced by one line feed.
nsString withLineBreaks(const nsAString& aText);
// An empty text reads as "NONE".
nsString noneWhenEmpty(const nsAString& aText);
// Every line feed replaced by `aBy`; with `aReturns`, every carriage return too.
nsString replaceBreaks(const nsAString& aText, const PRUnichar* aBy, bool aReturns = false);
// The text read as atoi reads it (leading blanks, a sign, digits; 0 when none), held
// within PRInt32 instead of overflowing.
PRInt32 integerOf(const nsAString& aText);

// A list's options' texts (nsIDOMHTMLSelectElement), all or the selected ones, joined
// by ":-:"; empty for no list.
nsString optionTexts(nsISupports* aSelect, bool aSelectedOnly);
// The title of the docshell showing the window; empty when none.
nsString shellTitleOf(nsIDOMWindow* aWindow);

// The item at `aIndex` of a node list or HTML collection; null past the end.
nsCOMPtr<nsIDOMNode> itemOf(nsIDOMNodeList* aList, PRUint32 aIndex);
nsCOMPtr<nsIDOMNode> itemOf(nsIDOMHTMLCollection* aList, PRUint32 aIndex);
PRUint32 lengthOf(nsIDOMNodeList* aList);
PRUint32 lengthOf(nsIDOMHTMLCollection* aList);

// Synchronous proxies on the UI thread's event queue. The queue and the proxy manager
// are looked up once, when this is made; `status()` tells whether both were found.
class UiThreadProxies {
 public:
  UiThreadProxies();
  nsresult status() const { return mStatus; }

  // A proxy for `aObject` as `Interface`, of `aType` (PROXY_SYNC, possibly with
  // PROXY_ALWAYS); null with the reason in the result when none can be made.
  template <class Interface>
  nsresult make(Interface* aObject, PRInt32 aType, nsCOMPtr<Interface>& aProxy) {
    aProxy = nullptr;
    if (NS_FAILED(mStatus)) return mStatus;
    if (!aObject) return NS_ERROR_NULL_POINTER;
    nsresult rv = mManager->GetProxyForObject(mQueue, NS_GET_IID(Interface), aObject, aType, getter_AddRefs(aProxy));
    if (NS_SUCCEEDED(rv) && !aProxy) rv = NS_ERROR_FAILURE;
    return rv;
  }

 private:
  nsresult mStatus = NS_ERROR_FAILURE;
  nsCOMPtr<nsIEventQueue> mQueue;
  nsCOMPtr<nsIProxyObjectManager> mManager;
};

}  // namespace nsPlayBackUtils::detail
