// What the playback actions share: reading a command's attributes and numbers, and
// making calls on the browser's UI thread through synchronous proxies.
#pragma once

#include "dom_reading.h"
#include "nsCOMPtr.h"
#include "nsIDOMElement.h"
#include "nsString.h"

class nsIDOMDocument;

namespace playback_support {

// The command's attribute; empty when absent.
inline nsString attribute(nsIDOMElement* aCommand, const char16_t* aName) {
  return nsPlayBackUtils::detail::attributeOf(aCommand, aName);
}

// True for the recorded "NONE" (no value).
inline bool isNone(const nsAString& aValue) { return aValue.EqualsLiteral("NONE"); }

using nsPlayBackUtils::detail::integerOf;

// Calls `aCall` with a synchronous proxy of `aObject` as `Interface`, so that the call
// runs on the UI thread while this thread waits; the call's result, or why no proxy
// could be made.
template <class Interface, class Call>
nsresult callOnUiThread(nsISupports* aObject, Call&& aCall) {
  nsCOMPtr<Interface> target = nsPlayBackUtils::detail::queryTo<Interface>(aObject);
  if (!target) return NS_ERROR_NO_INTERFACE;
  nsPlayBackUtils::detail::UiThreadProxies proxies;
  nsCOMPtr<Interface> proxy;
  const nsresult rv = proxies.make(target.get(), PROXY_SYNC, proxy);
  if (NS_FAILED(rv)) return rv;
  return aCall(proxy.get());
}

// Makes an event of `aModule` ("Events", "MouseEvents") and type `aType` with
// `aDocument` and dispatches it on `aTarget` on the UI thread. The dispatch's result
// (whether a handler cancelled it does not count as failing).
nsresult fireEvent(nsISupports* aTarget, nsIDOMDocument* aDocument, const char16_t* aModule, const char16_t* aType);

}  // namespace playback_support
