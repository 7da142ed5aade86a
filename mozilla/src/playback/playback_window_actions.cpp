// The window actions: finding the recorded browser window and frame (with its retries
// and the wait for the page), closing browser windows, checking and closing the front
// dialog, loading an address and the toolbar.
#include <string_view>

#include "dom_reading.h"
#include "nsIDOMDocument.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMWindow.h"
#include "nsIDOMWindowInternal.h"
#include "nsIDocShell.h"
#include "nsIWebNavigation.h"
#include "nsIWindowMediator.h"
#include "nsPlayBack.h"
#include "nsPlayBackUtils.h"
#include "nsServiceManagerUtils.h"
#include "playback_support.h"
#include "prinrval.h"
#include "prthread.h"

using nsPlayBackUtils::detail::queryTo;
using nsPlayBackUtils::detail::requestFrom;
using playback_support::attribute;
using playback_support::callOnUiThread;

namespace {

void sleepOneSecond() { PR_Sleep(PR_MillisecondsToInterval(1000)); }

const nsDependentString kEquals(u"equals");
const nsDependentString kNone(u"NONE");

}  // namespace

NS_IMETHODIMP nsPlayBack::SetWindow(nsIDOMElement* aCommand) {
  const nsString parentTitle = attribute(aCommand, u"parenttitle");
  const nsString windowName = attribute(aCommand, u"windowname");
  const nsString windowTitle = attribute(aCommand, u"windowtitle");
  const nsString parentCondition = attribute(aCommand, u"parenttitlecondition");
  const nsString titleCondition = attribute(aCommand, u"windowtitlecondition");
  const nsString nameCondition = attribute(aCommand, u"windownamecondition");
  const nsString waitTime = attribute(aCommand, u"waittime");

  // One try, and one more each second while the limit allows (read afresh, so a new
  // limit applies to a search under way).
  PRInt32 tries = 0;
  nsCOMPtr<nsIDocShell> shell;
  for (;;) {
    shell = nullptr;
    nsPlayBackUtils::FindBrowserWindow(PR_FALSE, parentTitle, windowName, windowTitle, parentCondition,
                                       titleCondition, nameCondition, getter_AddRefs(shell));
    if (shell || tries >= maxTimeLimit.load()) break;
    ++tries;
    sleepOneSecond();
  }
  if (!shell) return Fail(u"FAILED", u"Window Not Found");

  nsPlayBackUtils::FocusContentWindow(shell);
  SetCurrentBrowser(queryTo<nsIWebNavigation>(shell));
  nsCOMPtr<nsIDOMWindowInternal> window = requestFrom<nsIDOMWindowInternal>(shell);
  nsCOMPtr<nsIDOMWindow> content;
  if (window && NS_FAILED(window->GetContent(getter_AddRefs(content)))) content = nullptr;
  nsCOMPtr<nsIDOMWindow> frame;
  if (content) nsPlayBackUtils::FindFrameByName(windowName, content, nameCondition, getter_AddRefs(frame));
  if (!frame) return Fail(u"FAILED");
  SetCurrentWindow(frame);
  WaitForPage(frame, playback_support::integerOf(waitTime), tries);
  return NS_OK;
}

NS_IMETHODIMP nsPlayBack::WaitForPage(nsIDOMWindow* aWindow, PRInt32 aWaitSeconds, PRInt32 aTries) {
  // The seconds spent retrying the search count against both waits. 64 bits, so that
  // extreme recorded values cannot overflow.
  const long long waitTime = static_cast<long long>(aWaitSeconds) - aTries;
  const long long remaining = static_cast<long long>(maxTimeLimit.load()) - aTries;
  // The frame's docshell tells whether it still loads (Gecko reaches it through the
  // window's script global object; the window hands it out as well).
  nsCOMPtr<nsIDocShell> shell = requestFrom<nsIDocShell>(aWindow);
  long long waited = 0;
  for (;;) {
    PRUint32 busy = nsIDocShell::BUSY_FLAGS_NONE;
    if (!shell || NS_FAILED(shell->GetBusyFlags(&busy)) || busy == nsIDocShell::BUSY_FLAGS_NONE) break;
    sleepOneSecond();
    if (++waited >= remaining) break;
  }
  for (; waited < waitTime; ++waited) sleepOneSecond();
  return NS_OK;
}

NS_IMETHODIMP nsPlayBack::CloseWindow(nsIDOMElement* aCommand) {
  nsCOMPtr<nsIDocShell> shell;
  nsPlayBackUtils::FindBrowserWindow(PR_FALSE, attribute(aCommand, u"parenttitle"), attribute(aCommand, u"windowname"),
                                     attribute(aCommand, u"windowtitle"), kEquals, kEquals, kEquals,
                                     getter_AddRefs(shell));
  if (!shell) return Fail(u"ERROR_WINDOW_NOT_FOUND");
  nsCOMPtr<nsIDOMWindowInternal> window = requestFrom<nsIDOMWindowInternal>(shell);
  const nsresult rv = callOnUiThread<nsIDOMWindowInternal>(window, [](nsIDOMWindowInternal* w) { return w->Close(); });
  if (NS_FAILED(rv)) return Fail(u"FAILED");
  return NS_OK;
}

// The window mediator's most recent window when it shows no HTML document (a dialog);
// "ERROR_WINDOW_NOT_FOUND" otherwise, also when there is no window or document at all.
nsresult nsPlayBack::FrontWindowIfDialog(nsCOMPtr<nsIDOMWindow>& aWindow) {
  aWindow = nullptr;
  nsCOMPtr<nsIWindowMediator> mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID);
  nsCOMPtr<nsIDOMWindowInternal> front;
  if (mediator && NS_FAILED(mediator->GetMostRecentWindow(nullptr, getter_AddRefs(front)))) front = nullptr;
  nsCOMPtr<nsIDOMWindow> content;
  if (front && (NS_FAILED(front->GetContent(getter_AddRefs(content))) || !content)) content = front;
  nsCOMPtr<nsIDOMDocument> document;
  if (content && NS_FAILED(content->GetDocument(getter_AddRefs(document)))) document = nullptr;
  if (!document || queryTo<nsIDOMHTMLDocument>(document)) return Fail(u"ERROR_WINDOW_NOT_FOUND");
  aWindow = front;
  return NS_OK;
}

NS_IMETHODIMP nsPlayBack::SetAlertWindow(nsIDOMElement*) {
  nsCOMPtr<nsIDOMWindow> front;
  return FrontWindowIfDialog(front);
}

NS_IMETHODIMP nsPlayBack::CloseAlertWindow(nsIDOMElement*) {
  nsCOMPtr<nsIDOMWindow> front;
  nsresult rv = FrontWindowIfDialog(front);
  if (NS_FAILED(rv)) return rv;
  rv = callOnUiThread<nsIDOMWindowInternal>(front, [](nsIDOMWindowInternal* w) { return w->Close(); });
  if (NS_FAILED(rv)) return Fail(u"FAILED");
  return NS_OK;
}

NS_IMETHODIMP nsPlayBack::LaunchApplication(nsIDOMElement* aCommand) {
  // The first browser window, whatever it shows.
  nsCOMPtr<nsIDocShell> shell;
  nsPlayBackUtils::FindBrowserWindow(PR_TRUE, kNone, kNone, kNone, kEquals, kEquals, kEquals, getter_AddRefs(shell));
  nsCOMPtr<nsIWebNavigation> browser = queryTo<nsIWebNavigation>(shell);
  if (!browser) return Fail(u"ERROR_BROWSER_NOT_EXISTS");
  SetCurrentBrowser(browser);
  const nsString address = attribute(aCommand, u"value");
  // The load is started, not waited for: a later setWindow waits for the page.
  const nsresult rv = callOnUiThread<nsIWebNavigation>(browser, [&](nsIWebNavigation* navigation) {
    return navigation->LoadURI(address.get(), nsIWebNavigation::LOAD_FLAGS_NONE, nullptr, nullptr, nullptr);
  });
  if (NS_FAILED(rv)) return Fail(u"FAILED");
  return NS_OK;
}

nsresult nsPlayBack::Navigate(const char* aDirection) {
  nsCOMPtr<nsIWebNavigation> browser = CurrentBrowser();
  if (!browser) return Fail(u"ERROR_BROWSER_NOT_EXISTS");
  const std::string_view direction(aDirection);
  const nsresult rv = callOnUiThread<nsIWebNavigation>(browser, [&](nsIWebNavigation* navigation) {
    if (direction == "Back") return navigation->GoBack();
    if (direction == "Forward") return navigation->GoForward();
    return navigation->Reload(nsIWebNavigation::LOAD_FLAGS_NONE);
  });
  if (NS_FAILED(rv)) return Fail(u"FAILED");
  return NS_OK;
}

NS_IMETHODIMP nsPlayBack::GoBack(nsIDOMElement*) { return Navigate("Back"); }
NS_IMETHODIMP nsPlayBack::GoForward(nsIDOMElement*) { return Navigate("Forward"); }
NS_IMETHODIMP nsPlayBack::Refresh(nsIDOMElement*) { return Navigate("Refresh"); }
