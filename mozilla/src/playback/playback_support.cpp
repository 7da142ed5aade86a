#include "playback_support.h"

#include "nsIDOMEvent.h"
#include "nsIDOMEventTarget.h"
#include "nsPlayBackUtils.h"

namespace playback_support {

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
