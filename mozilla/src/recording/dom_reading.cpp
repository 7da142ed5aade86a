#include "dom_reading.h"

#include <cstdio>
#include <limits>

#include "nsIBaseWindow.h"
#include "nsIDocShell.h"
#include "nsIDOMHTMLOptionElement.h"
#include "nsIDOMHTMLOptionsCollection.h"
#include "nsIDOMHTMLSelectElement.h"
#include "nsIServiceManager.h"
#include "nsMemory.h"
#include "nsPlayBackUtils.h"
#include "nsServiceManagerUtils.h"

namespace nsPlayBackUtils::detail {

void warn(const char* aText) { std::fprintf(stderr, "WARNING: %s\n", aText); }

nsString attributeOf(nsIDOMElement* aElement, const nsAString& aName) {
  nsString value;
  if (aElement && NS_FAILED(aElement->GetAttribute(aName, value))) value.Truncate();
  return value;
}

nsString attributeOf(nsIDOMElement* aElement, const PRUnichar* aName) {
  return attributeOf(aElement, nsDependentString(aName));
}

bool hasAttribute(nsIDOMElement* aElement, const PRUnichar* aName) {
  PRBool present = PR_FALSE;
  return aElement && NS_SUCCEEDED(aElement->HasAttribute(nsDependentString(aName), &present)) && present;
}

nsString textContentOf(nsISupports* aNode) {
  nsString text;
  nsCOMPtr<nsIDOM3Node> node = queryTo<nsIDOM3Node>(aNode);
  if (node && NS_FAILED(node->GetTextContent(text))) text.Truncate();
  return text;
}

nsString withLineBreaks(const nsAString& aText) {
  nsString text(aText);
  text.ReplaceSubstring(kLineBreakMarker, u"\n");
  return text;
}

nsString noneWhenEmpty(const nsAString& aText) {
  nsString text(aText);
  if (text.IsEmpty()) text.Assign(kNone);
  return text;
}

nsString replaceBreaks(const nsAString& aText, const PRUnichar* aBy, bool aReturns) {
  nsString result;
  const nsString text(aText);
  for (PRUint32 i = 0; i < text.Length(); ++i) {
    const PRUnichar c = text.CharAt(i);
    if (c == u'\n' || (aReturns && c == u'\r'))
      result.Append(aBy);
    else
      result.Append(c);
  }
  return result;
}

PRInt32 integerOf(const nsAString& aText) {
  const nsString text(aText);
  const PRUnichar* at = text.BeginReading();
  const PRUnichar* const end = text.EndReading();
  while (at != end && (*at == ' ' || (*at >= '\t' && *at <= '\r'))) ++at;
  bool negative = false;
  if (at != end && (*at == '+' || *at == '-')) negative = *at++ == '-';
  constexpr long long kLimit = std::numeric_limits<PRInt32>::max();
  long long value = 0;
  for (; at != end && *at >= '0' && *at <= '9'; ++at) {
    value = value * 10 + (*at - '0');
    if (value > kLimit + 1) value = kLimit + 1;
  }
  if (negative) value = -value;
  if (value > kLimit) value = kLimit;
  return static_cast<PRInt32>(value);
}

nsString optionTexts(nsISupports* aSelect, bool aSelectedOnly) {
  nsString texts;
  nsCOMPtr<nsIDOMHTMLSelectElement> select = queryTo<nsIDOMHTMLSelectElement>(aSelect);
  nsCOMPtr<nsIDOMHTMLOptionsCollection> options;
  PRUint32 length = 0;
  if (!select || NS_FAILED(select->GetOptions(getter_AddRefs(options))) || !options ||
      NS_FAILED(options->GetLength(&length)))
    return texts;
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMNode> node;
    if (NS_FAILED(options->Item(i, getter_AddRefs(node))) || !node) continue;
    if (aSelectedOnly) {
      nsCOMPtr<nsIDOMHTMLOptionElement> option = queryTo<nsIDOMHTMLOptionElement>(node);
      PRBool selected = PR_FALSE;
      if (!option || NS_FAILED(option->GetSelected(&selected)) || !selected) continue;
    }
    texts.Append(textContentOf(node));
    texts.AppendLiteral(":-:");
  }
  if (!texts.IsEmpty()) texts.SetLength(texts.Length() - 3);
  return texts;
}

nsString shellTitleOf(nsIDOMWindow* aWindow) {
  nsString title;
  nsCOMPtr<nsIDocShell> shell = requestFrom<nsIDocShell>(aWindow);
  nsCOMPtr<nsIBaseWindow> base = queryTo<nsIBaseWindow>(shell);
  PRUnichar* raw = nullptr;
  if (base && NS_SUCCEEDED(base->GetTitle(&raw)) && raw) {
    title.Assign(raw);
    nsMemory::Free(raw);
  }
  return title;
}

nsCOMPtr<nsIDOMNode> itemOf(nsIDOMNodeList* aList, PRUint32 aIndex) {
  nsCOMPtr<nsIDOMNode> node;
  if (aList && NS_FAILED(aList->Item(aIndex, getter_AddRefs(node)))) node = nullptr;
  return node;
}

nsCOMPtr<nsIDOMNode> itemOf(nsIDOMHTMLCollection* aList, PRUint32 aIndex) {
  nsCOMPtr<nsIDOMNode> node;
  if (aList && NS_FAILED(aList->Item(aIndex, getter_AddRefs(node)))) node = nullptr;
  return node;
}

PRUint32 lengthOf(nsIDOMNodeList* aList) {
  PRUint32 length = 0;
  if (!aList || NS_FAILED(aList->GetLength(&length))) return 0;
  return length;
}

PRUint32 lengthOf(nsIDOMHTMLCollection* aList) {
  PRUint32 length = 0;
  if (!aList || NS_FAILED(aList->GetLength(&length))) return 0;
  return length;
}

UiThreadProxies::UiThreadProxies() {
  mStatus = GetUIEventQueue(getter_AddRefs(mQueue));
  if (NS_FAILED(mStatus)) return;
  mManager = do_GetService(NS_XPCOMPROXY_CONTRACTID, &mStatus);
  if (NS_SUCCEEDED(mStatus) && !mManager) mStatus = NS_ERROR_FAILURE;
}

}  // namespace nsPlayBackUtils::detail
