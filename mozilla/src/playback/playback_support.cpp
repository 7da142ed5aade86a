#include "playback_support.h"

#include <limits>

#include "nsIDOMEvent.h"
#include "nsIDOMEventTarget.h"
#include "nsPlayBackUtils.h"

namespace playback_support {

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

nsresult fireEvent(nsISupports* aTarget, nsIDOMDocument* aDocument, const char16_t* aModule, const char16_t* aType) {
  nsCOMPtr<nsIDOMEvent> event;
  nsresult rv = nsPlayBackUtils::CreateDOMEvent(nsDependentString(aModule), nsDependentString(aType), aDocument,
                                                getter_AddRefs(event));
  if (NS_FAILED(rv)) return rv;
  return callOnUiThread<nsIDOMEventTarget>(aTarget, [&](nsIDOMEventTarget* target) {
    PRBool notCancelled = PR_TRUE;
    return target->DispatchEvent(event, &notCancelled);
  });
}

}  // namespace playback_support
