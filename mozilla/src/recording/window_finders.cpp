// Finding a recorded window again: browser windows through the window mediator, frames
// by name or by document title. A recorded line names a window by its page title, the
// title of its top-level page and its frame's name, each "NONE" when empty.
#include "dom_reading.h"
#include "nsIBaseWindow.h"
#include "nsIDOMDocument.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindowCollection.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDocShell.h"
#include "nsIDocShellTreeItem.h"
#include "nsISimpleEnumerator.h"
#include "nsIWindowMediator.h"
#include "nsIXULWindow.h"
#include "nsMemory.h"
#include "nsPlayBackUtils.h"
#include "nsServiceManagerUtils.h"

namespace nsPlayBackUtils {

using namespace detail;

namespace {

// Frames nest as deep as pages nest them; past this the search gives up rather than
// exhaust the calling thread's stack on a page that frames itself.
constexpr int kFrameDepthLimit = 64;

nsString nameOf(nsIDOMWindow* aWindow) {
  nsString name;
  if (aWindow && NS_FAILED(aWindow->GetName(name))) name.Truncate();
  return name;
}

nsCOMPtr<nsIDOMWindowCollection> framesOf(nsIDOMWindow* aWindow, PRUint32& aLength) {
  aLength = 0;
  nsCOMPtr<nsIDOMWindowCollection> frames;
  if (NS_FAILED(aWindow->GetFrames(getter_AddRefs(frames))) || !frames || NS_FAILED(frames->GetLength(&aLength))) {
    aLength = 0;
    return nullptr;
  }
  return frames;
}

nsCOMPtr<nsIDOMWindow> frameAt(nsIDOMWindowCollection* aFrames, PRUint32 aIndex) {
  nsCOMPtr<nsIDOMWindow> frame;
  if (NS_FAILED(aFrames->Item(aIndex, getter_AddRefs(frame)))) frame = nullptr;
  return frame;
}

nsresult findFrameByName(const nsAString& aName, nsIDOMWindow* aWindow, const nsAString& aCondition, int aDepth,
                         nsCOMPtr<nsIDOMWindow>& aFound) {
  if (aDepth > kFrameDepthLimit) return NS_ERROR_FAILURE;
  PRUint32 length = 0;
  nsCOMPtr<nsIDOMWindowCollection> frames = framesOf(aWindow, length);
  if (length == 0) {
    if (NS_FAILED(MatchCondition(nameOf(aWindow), aName, aCondition))) return NS_ERROR_FAILURE;
    aFound = aWindow;
    return NS_OK;
  }
  for (PRUint32 i = 0; i < length; ++i) {
    nsCOMPtr<nsIDOMWindow> frame = frameAt(frames, i);
    if (!frame) continue;
    if (NS_SUCCEEDED(MatchCondition(nameOf(frame), aName, aCondition))) {
      aFound = frame;
      return NS_OK;
    }
    if (NS_SUCCEEDED(findFrameByName(aName, frame, aCondition, aDepth + 1, aFound))) return NS_OK;
  }
  return NS_ERROR_FAILURE;
}

void findFrameByTitle(nsIDOMWindow* aWindow, const nsAString& aTitle, const nsAString& aCondition, int aDepth,
                      nsCOMPtr<nsIDOMWindow>& aFound) {
  if (aDepth > kFrameDepthLimit) return;
  if (nameOf(aWindow).IsEmpty() && NS_SUCCEEDED(MatchDocumentTitle(aWindow, aTitle, aCondition))) {
    aFound = aWindow;
    return;
  }
  PRUint32 length = 0;
  nsCOMPtr<nsIDOMWindowCollection> frames = framesOf(aWindow, length);
  for (PRUint32 i = 0; i < length && !aFound; ++i) {
    nsCOMPtr<nsIDOMWindow> frame = frameAt(frames, i);
    if (!frame) continue;
    if (nameOf(frame).IsEmpty()) {
      if (NS_SUCCEEDED(MatchDocumentTitle(frame, aTitle, aCondition))) aFound = frame;
    } else {
      findFrameByTitle(frame, aTitle, aCondition, aDepth + 1, aFound);
    }
  }
}

// The title of a content docshell (its page's title), "NONE" when empty as a recorded
// line writes it.
nsString titleOf(nsIDocShell* aShell) {
  nsString title;
  nsCOMPtr<nsIBaseWindow> base = queryTo<nsIBaseWindow>(aShell);
  PRUnichar* text = nullptr;
  if (base && NS_SUCCEEDED(base->GetTitle(&text)) && text) {
    title.Assign(text);
    nsMemory::Free(text);
  }
  return noneWhenEmpty(title);
}

nsCOMPtr<nsIDocShell> contentShellOf(nsISupports* aXulWindow) {
  nsCOMPtr<nsIXULWindow> window = queryTo<nsIXULWindow>(aXulWindow);
  nsCOMPtr<nsIDocShellTreeItem> item;
  if (!window || NS_FAILED(window->GetPrimaryContentShell(getter_AddRefs(item)))) return nullptr;
  return queryTo<nsIDocShell>(item);
}

bool isWildcard(const nsAString& aExpected) { return aExpected.Equals(nsDependentString(kNone)); }

}  // namespace

nsresult FindFrameByName(const nsAString& aName, nsIDOMWindow* aWindow, const nsAString& aCondition,
                         nsIDOMWindow** aFrame) {
  if (!aFrame) return NS_ERROR_NULL_POINTER;
  *aFrame = nullptr;
  if (!aWindow) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMWindow> found;
  if (isWildcard(aName)) {
    found = aWindow;
  } else if (NS_FAILED(findFrameByName(aName, aWindow, aCondition, 0, found))) {
    return NS_ERROR_FAILURE;
  }
  found.forget(aFrame);
  return NS_OK;
}

nsresult MatchDocumentTitle(nsIDOMWindow* aWindow, const nsAString& aTitle, const nsAString& aCondition) {
  if (!aWindow) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMDocument> document;
  nsresult rv = aWindow->GetDocument(getter_AddRefs(document));
  if (NS_FAILED(rv)) return rv;
  nsCOMPtr<nsIDOMHTMLDocument> page = queryTo<nsIDOMHTMLDocument>(document);
  if (!page) return NS_ERROR_FAILURE;
  nsString title;
  rv = page->GetTitle(title);
  if (NS_FAILED(rv)) return rv;
  return MatchCondition(noneWhenEmpty(title), aTitle, aCondition);
}

nsresult FindFrameByTitle(nsIDOMWindow* aWindow, const nsAString& aTitle, const nsAString& aCondition,
                          nsIDOMWindow** aFrame) {
  if (!aFrame) return NS_ERROR_NULL_POINTER;
  *aFrame = nullptr;
  if (!aWindow) return NS_ERROR_FAILURE;
  nsCOMPtr<nsIDOMWindow> found;
  findFrameByTitle(aWindow, aTitle, aCondition, 0, found);
  found.forget(aFrame);
  return NS_OK;
}

nsresult FindBrowserWindow(PRBool aFirstOnly, const nsAString& aWindowTitle, const nsAString& aFrameName,
                           const nsAString& aDocumentTitle, const nsAString& aTitleCondition,
                           const nsAString& aDocumentTitleCondition, const nsAString& aFrameCondition,
                           nsIDocShell** aShell) {
  if (!aShell) return NS_ERROR_NULL_POINTER;
  *aShell = nullptr;
  nsresult rv = NS_OK;
  nsCOMPtr<nsIWindowMediator> mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID, &rv);
  if (NS_FAILED(rv)) return rv;
  if (!mediator) return NS_ERROR_FAILURE;
  nsCOMPtr<nsISimpleEnumerator> windows;
  rv = mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(windows));
  if (NS_FAILED(rv)) return rv;
  if (!windows) return NS_ERROR_FAILURE;

  PRBool more = PR_FALSE;
  while (NS_SUCCEEDED(rv = windows->HasMoreElements(&more)) && more) {
    nsCOMPtr<nsISupports> item;
    rv = windows->GetNext(getter_AddRefs(item));
    if (NS_FAILED(rv)) break;
    // Windows without page content (dialogs) are not browser windows.
    nsCOMPtr<nsIDocShell> shell = contentShellOf(item);
    if (!shell) continue;
    if (aFirstOnly) {
      shell.forget(aShell);
      return NS_OK;
    }
    const nsString title = titleOf(shell);
    if (!isWildcard(aWindowTitle) && NS_FAILED(MatchCondition(title, aWindowTitle, aTitleCondition))) continue;
    if (isWildcard(aFrameName)) {
      // The first window whose title passed decides, matching or not.
      if (NS_FAILED(MatchCondition(title, aDocumentTitle, aDocumentTitleCondition))) return NS_ERROR_FAILURE;
      shell.forget(aShell);
      return NS_OK;
    }
    nsCOMPtr<nsIDOMWindowInternal> window = requestFrom<nsIDOMWindowInternal>(shell);
    nsCOMPtr<nsIDOMWindow> content;
    if (window) window->GetContent(getter_AddRefs(content));
    nsCOMPtr<nsIDOMWindow> frame;
    if (!content || NS_FAILED(FindFrameByName(aFrameName, content, aFrameCondition, getter_AddRefs(frame)))) {
      return NS_ERROR_FAILURE;
    }
    if (NS_SUCCEEDED(MatchDocumentTitle(frame, aDocumentTitle, aDocumentTitleCondition))) {
      shell.forget(aShell);
      return NS_OK;
    }
  }
  return rv;
}

}  // namespace nsPlayBackUtils
