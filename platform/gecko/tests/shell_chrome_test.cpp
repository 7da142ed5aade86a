// The chrome side of the windows, as the component reads it: a browser window's chrome
// DOM window and XUL document, whose one frame is the page; the common dialogs as XUL
// windows of the mediator while they are up; and the close of either, as the
// mediator's listeners and playback's proxied Close see it.
#include <chrono>
#include <thread>

#include "nsIDOM3Node.h"
#include "nsIDOMAbstractView.h"
#include "nsIDOMDocument.h"
#include "nsIDOMDocumentView.h"
#include "nsIDOMElement.h"
#include "nsIDOMEvent.h"
#include "nsIDOMEventListener.h"
#include "nsIDOMEventTarget.h"
#include "nsIDOMNSEvent.h"
#include "nsIDOMHTMLDocument.h"
#include "nsIDOMWindowCollection.h"
#include "nsIDOMWindowInternal.h"
#include "nsIEventQueueService.h"
#include "nsIInterfaceRequestor.h"
#include "nsIProxyObjectManager.h"
#include "nsCURILoader.h"
#include "nsServiceManagerUtils.h"
#include "shell_fixture.h"

namespace gecko_shell_test {
namespace {

using Strings = std::vector<std::string>;

std::string utf8(const nsAString& text) { return NS_ConvertUTF16toUTF8(text).get(); }

nsCOMPtr<nsIDOMWindowInternal> domWindowOf(nsISupports* shellOrWindow) {
  nsCOMPtr<nsIDOMWindowInternal> window;
  if (auto requestor = as<nsIInterfaceRequestor>(shellOrWindow)) {
    requestor->GetInterface(NS_GET_IID(nsIDOMWindowInternal), getter_AddRefs(window));
  }
  return window;
}

nsCOMPtr<nsIDocShell> docShellOf(nsIDOMWindow* window) {
  nsCOMPtr<nsIDocShell> shell;
  if (auto requestor = as<nsIInterfaceRequestor>(window)) {
    requestor->GetInterface(NS_GET_IID(nsIDocShell), getter_AddRefs(shell));
  }
  return shell;
}

nsCOMPtr<nsIDOMDocument> documentOf(nsIDOMWindow* window) {
  nsCOMPtr<nsIDOMDocument> document;
  if (window) window->GetDocument(getter_AddRefs(document));
  return document;
}

std::string htmlTitle(nsIDOMWindow* window) {
  auto html = as<nsIDOMHTMLDocument>(documentOf(window));
  nsString title;
  if (!html || NS_FAILED(html->GetTitle(title))) return "(not HTML)";
  return utf8(title);
}

nsCOMPtr<nsIDOMWindow> contentOf(nsIDOMWindowInternal* window) {
  nsCOMPtr<nsIDOMWindow> content;
  if (window) window->GetContent(getter_AddRefs(content));
  return content;
}

nsCOMPtr<nsIDOMWindow> firstFrame(nsIDOMWindow* window) {
  nsCOMPtr<nsIDOMWindowCollection> frames;
  nsCOMPtr<nsIDOMWindow> frame;
  if (window && NS_SUCCEEDED(window->GetFrames(getter_AddRefs(frames))) && frames) {
    frames->Item(0, getter_AddRefs(frame));
  }
  return frame;
}

// What a recorder writes for a closing window: a dialog by its chrome title, a browser
// window by the title of its chrome DOM window's first frame (the page).
class CloseReader final : public nsIWindowMediatorListener {
 public:
  NS_DECL_ISUPPORTS
  NS_IMETHOD OnWindowTitleChange(nsIXULWindow*, const PRUnichar*) override { return NS_OK; }
  NS_IMETHOD OnOpenWindow(nsIXULWindow*) override { return NS_OK; }
  NS_IMETHOD OnCloseWindow(nsIXULWindow* window) override {
    nsCOMPtr<nsIDocShell> chrome;
    window->GetDocShell(getter_AddRefs(chrome));
    PRUnichar* text = nullptr;
    if (auto base = as<nsIBaseWindow>(chrome)) base->GetTitle(&text);
    const std::string chromeTitle = take(text);
    if (!chromeTitle.empty()) {
      lines.add("closeAlertWindow " + chromeTitle);
    } else {
      lines.add("closeWindow " + htmlTitle(firstFrame(domWindowOf(chrome))));
    }
    return NS_OK;
  }
  Lines lines;

 private:
  ~CloseReader() = default;
};
NS_IMPL_THREADSAFE_ISUPPORTS1(CloseReader, nsIWindowMediatorListener)

// Records the node name of each event's original target.
class OriginalTargets final : public nsIDOMEventListener {
 public:
  NS_DECL_ISUPPORTS
  NS_IMETHOD HandleEvent(nsIDOMEvent* event) override {
    nsCOMPtr<nsIDOMEventTarget> original;
    if (auto ns = as<nsIDOMNSEvent>(event)) ns->GetOriginalTarget(getter_AddRefs(original));
    nsString name;
    if (auto node = as<nsIDOMNode>(original)) node->GetNodeName(name);
    lines.add(utf8(name));
    return NS_OK;
  }
  Lines lines;

 private:
  ~OriginalTargets() = default;
};
NS_IMPL_THREADSAFE_ISUPPORTS1(OriginalTargets, nsIDOMEventListener)

class ChromeTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID);
    ASSERT_TRUE(mediator);
  }
  nsCOMPtr<nsIDOMWindow> pageWindow() {
    nsCOMPtr<nsIDOMWindow> window;
    EXPECT_EQ(NS_OK, gecko->GetWindow(getter_AddRefs(window)));
    return window;
  }
  nsCOMPtr<nsIDOMWindowInternal> mostRecent() {
    nsCOMPtr<nsIDOMWindowInternal> window;
    EXPECT_EQ(NS_OK, mediator->GetMostRecentWindow(nullptr, getter_AddRefs(window)));
    return window;
  }
  std::vector<nsCOMPtr<nsIDOMWindowInternal>> domWindows(const PRUnichar* type = nullptr) {
    nsCOMPtr<nsISimpleEnumerator> items;
    EXPECT_EQ(NS_OK, mediator->GetEnumerator(type, getter_AddRefs(items)));
    return all<nsIDOMWindowInternal>(items);
  }
  nsCOMPtr<nsIDOMWindowInternal> awaitDialogWindow() {
    nsCOMPtr<nsIDOMWindow> window;
    for (int tries = 0; tries < 500 && NS_FAILED(gecko->GetDialogWindow(getter_AddRefs(window))); ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return as<nsIDOMWindowInternal>(window);
  }
  std::string answerText() {
    nsCOMPtr<nsIDOMDocument> page;
    nsCOMPtr<nsIDOMElement> answer;
    nsString text;
    if (NS_SUCCEEDED(gecko->GetDocument(getter_AddRefs(page))) && page &&
        NS_SUCCEEDED(page->GetElementById(NS_ConvertUTF8toUTF16("answer"), getter_AddRefs(answer)))) {
      if (auto node = as<nsIDOM3Node>(answer)) node->GetTextContent(text);
    }
    return utf8(text);
  }
  // Close through a synchronous UI-thread proxy, as playback closes windows and dialogs.
  nsresult proxiedClose(nsIDOMWindowInternal* window) {
    nsCOMPtr<nsIEventQueueService> queues = do_GetService(NS_EVENTQUEUESERVICE_CONTRACTID);
    nsCOMPtr<nsIProxyObjectManager> proxies = do_GetService(NS_XPCOMPROXY_CONTRACTID);
    nsCOMPtr<nsIEventQueue> ui;
    nsCOMPtr<nsIDOMWindowInternal> proxy;
    if (!queues || !proxies ||
        NS_FAILED(queues->GetSpecialEventQueue(nsIEventQueueService::UI_THREAD_EVENT_QUEUE, getter_AddRefs(ui))) ||
        NS_FAILED(proxies->GetProxyForObject(ui, NS_GET_IID(nsIDOMWindowInternal), window, PROXY_SYNC,
                                             getter_AddRefs(proxy)))) {
      return NS_ERROR_FAILURE;
    }
    return proxy->Close();
  }

  nsCOMPtr<nsIWindowMediator> mediator;
};

TEST_F(ChromeTest, ABrowserWindowsChromeShowsAXulDocumentWhoseOneFrameIsThePage) {
  open("frames.html");
  nsCOMPtr<nsIDocShell> chrome;
  ASSERT_EQ(NS_OK, xulWindow()->GetDocShell(getter_AddRefs(chrome)));
  EXPECT_EQ("", title(chrome));
  auto chromeWindow = domWindowOf(chrome);
  ASSERT_TRUE(chromeWindow);
  EXPECT_EQ(as<nsISupports>(chromeWindow), as<nsISupports>(domWindowOf(xulWindow())));
  EXPECT_EQ(as<nsISupports>(chrome), as<nsISupports>(docShellOf(chromeWindow)));

  // The chrome document: XUL, not HTML, rooted in the browser's "window".
  auto document = documentOf(chromeWindow);
  ASSERT_TRUE(document);
  EXPECT_FALSE(as<nsIDOMHTMLDocument>(document));
  nsCOMPtr<nsIDOMElement> root;
  ASSERT_EQ(NS_OK, document->GetDocumentElement(getter_AddRefs(root)));
  nsString text;
  ASSERT_EQ(NS_OK, root->GetTagName(text));
  EXPECT_EQ("window", utf8(text));
  ASSERT_EQ(NS_OK, root->GetAttribute(NS_ConvertUTF8toUTF16("windowtype"), text));
  EXPECT_EQ("navigator:browser", utf8(text));
  nsCOMPtr<nsIDOMDocument> shown;
  ASSERT_EQ(NS_OK, as<nsIWebNavigation>(chrome)->GetDocument(getter_AddRefs(shown)));
  EXPECT_EQ(as<nsISupports>(shown), as<nsISupports>(document));
  nsCOMPtr<nsIDOMAbstractView> view;
  ASSERT_EQ(NS_OK, as<nsIDOMDocumentView>(document)->GetDefaultView(getter_AddRefs(view)));
  EXPECT_EQ(as<nsISupports>(view), as<nsISupports>(chromeWindow));

  // Its frames and content are the page's window; the page stays its own top.
  auto page = pageWindow();
  PRUint32 length = 0;
  ASSERT_EQ(NS_OK, chromeWindow->GetLength(&length));
  EXPECT_EQ(1u, length);
  EXPECT_EQ(as<nsISupports>(page), as<nsISupports>(firstFrame(chromeWindow)));
  EXPECT_EQ(as<nsISupports>(page), as<nsISupports>(contentOf(chromeWindow)));
  EXPECT_EQ("Frame Set", htmlTitle(firstFrame(chromeWindow)));
  nsCOMPtr<nsIDOMWindow> top;
  ASSERT_EQ(NS_OK, chromeWindow->GetTop(getter_AddRefs(top)));
  EXPECT_EQ(as<nsISupports>(top), as<nsISupports>(chromeWindow));
  ASSERT_EQ(NS_OK, page->GetTop(getter_AddRefs(top)));
  EXPECT_EQ(as<nsISupports>(top), as<nsISupports>(page));
  // The page's frames are its own, below the content boundary.
  ASSERT_TRUE(firstFrame(page));
  EXPECT_NE(as<nsISupports>(firstFrame(page)), as<nsISupports>(page));
}

TEST_F(ChromeTest, TheMediatorHandsOutBrowserWindowsAndTheNewestFirstForMostRecent) {
  open("index.html");
  ASSERT_TRUE(gecko->openWindow(siteUrl("form.html")));
  auto windows = domWindows();
  ASSERT_EQ(2u, windows.size());
  EXPECT_EQ("Sample Home", htmlTitle(contentOf(windows[0])));
  EXPECT_EQ("Order Form", htmlTitle(contentOf(windows[1])));
  EXPECT_EQ(2u, domWindows(u"navigator:browser").size());
  EXPECT_EQ(0u, domWindows(u"navigator:other").size());
  auto newest = mostRecent();
  ASSERT_TRUE(newest);
  EXPECT_EQ(as<nsISupports>(newest), as<nsISupports>(windows[1]));
  EXPECT_EQ(as<nsISupports>(pageWindow()), as<nsISupports>(contentOf(newest)));

  // Playback closes the newest browser window through its chrome DOM window; a recorder
  // reads the page's title through the chrome's first frame as the window closes.
  nsCOMPtr<CloseReader> reader = new CloseReader();
  ASSERT_EQ(NS_OK, mediator->AddListener(reader));
  ASSERT_EQ(NS_OK, proxiedClose(newest));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ((Strings{"closeWindow Order Form"}), reader->lines.take());
  windows = domWindows();
  ASSERT_EQ(1u, windows.size());
  EXPECT_EQ("Sample Home", htmlTitle(contentOf(mostRecent())));
  PRBool closed = PR_FALSE;
  ASSERT_EQ(NS_OK, newest->GetClosed(&closed));
  EXPECT_TRUE(closed);
  mediator->RemoveListener(reader);
}

// The dialog as the recorder and playback reach it: the newest window of the mediator,
// its docshell titled "[JavaScript Application]", its document the dialog's XUL.
TEST_F(ChromeTest, AShownDialogIsAXulWindowOfTheMediatorUntilItIsAnswered) {
  open("dialogs.html");
  nsCOMPtr<MediatorRecorder> recorder = new MediatorRecorder();
  ASSERT_EQ(NS_OK, mediator->AddListener(recorder));
  ASSERT_EQ("", gecko->perform("click #confirmButton"));
  auto dialog = awaitDialogWindow();
  ASSERT_TRUE(dialog);
  EXPECT_EQ((Strings{"open"}), recorder->lines.take());
  nsCOMPtr<nsIXULWindow> opened = recorder->opened;
  ASSERT_TRUE(opened);
  nsCOMPtr<nsIDocShell> chrome;
  ASSERT_EQ(NS_OK, opened->GetDocShell(getter_AddRefs(chrome)));
  EXPECT_EQ("[JavaScript Application]", title(chrome));
  nsCOMPtr<nsIDocShellTreeItem> content;
  ASSERT_EQ(NS_OK, opened->GetPrimaryContentShell(getter_AddRefs(content)));
  EXPECT_FALSE(content);
  EXPECT_EQ(as<nsISupports>(dialog), as<nsISupports>(domWindowOf(opened)));
  EXPECT_EQ(as<nsISupports>(dialog), as<nsISupports>(domWindowOf(chrome)));

  // The newest window; neither it nor its content shows an HTML document.
  auto newest = mostRecent();
  EXPECT_EQ(as<nsISupports>(newest), as<nsISupports>(dialog));
  EXPECT_EQ("(not HTML)", htmlTitle(newest));
  EXPECT_EQ("(not HTML)", htmlTitle(contentOf(newest)));
  nsCOMPtr<nsIDOMDocument> dialogDocument;
  ASSERT_EQ(NS_OK, gecko->GetDialogDocument(getter_AddRefs(dialogDocument)));
  EXPECT_EQ(as<nsISupports>(dialogDocument), as<nsISupports>(documentOf(newest)));
  nsCOMPtr<nsIDOMDocument> shown;
  ASSERT_EQ(NS_OK, as<nsIWebNavigation>(chrome)->GetDocument(getter_AddRefs(shown)));
  EXPECT_EQ(as<nsISupports>(shown), as<nsISupports>(dialogDocument));

  // From a node in it, the recorder finds the dialog's window (the default view of the
  // node's document), that window's docshell and title, and its top.
  nsCOMPtr<nsIDOMElement> dialogRoot;
  ASSERT_EQ(NS_OK, dialogDocument->GetDocumentElement(getter_AddRefs(dialogRoot)));
  nsCOMPtr<nsIDOMDocument> owner;
  ASSERT_EQ(NS_OK, dialogRoot->GetOwnerDocument(getter_AddRefs(owner)));
  auto view = as<nsIDOMDocumentView>(owner);
  ASSERT_TRUE(view);
  nsCOMPtr<nsIDOMAbstractView> abstractView;
  ASSERT_EQ(NS_OK, view->GetDefaultView(getter_AddRefs(abstractView)));
  EXPECT_EQ(as<nsISupports>(abstractView), as<nsISupports>(dialog));
  EXPECT_EQ(as<nsISupports>(chrome), as<nsISupports>(docShellOf(dialog)));
  nsCOMPtr<nsIDOMWindow> top;
  ASSERT_EQ(NS_OK, dialog->GetTop(getter_AddRefs(top)));
  EXPECT_EQ(as<nsISupports>(top), as<nsISupports>(dialog));

  // Listed after the browser window, which has its page as content; the XUL windows'
  // content shells are the page's and none.
  auto windows = domWindows();
  ASSERT_EQ(2u, windows.size());
  EXPECT_EQ("Dialogs", htmlTitle(contentOf(windows[0])));
  EXPECT_EQ(as<nsISupports>(windows[1]), as<nsISupports>(dialog));
  EXPECT_EQ(1u, domWindows(u"navigator:browser").size());
  nsCOMPtr<nsISimpleEnumerator> items;
  ASSERT_EQ(NS_OK, mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(items)));
  auto xulWindows = all<nsIXULWindow>(items);
  ASSERT_EQ(2u, xulWindows.size());
  EXPECT_EQ(as<nsISupports>(xulWindows[1]), as<nsISupports>(opened));

  // Closing it (playback's closeAlertWindow) dismisses it as its Cancel would.
  ASSERT_EQ(NS_OK, proxiedClose(newest));
  ASSERT_TRUE(gecko->waitForNoDialog());
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("declined", answerText());
  EXPECT_EQ((Strings{"close [[JavaScript Application]] (null)"}), recorder->lines.take());
  EXPECT_EQ("Dialogs", htmlTitle(contentOf(mostRecent())));
  EXPECT_EQ(1u, domWindows().size());
  PRUnichar* gone = nullptr;
  EXPECT_EQ(NS_ERROR_FAILURE, as<nsIBaseWindow>(chrome)->GetTitle(&gone));
  mediator->RemoveListener(recorder);
}

// As the recorder attaches itself: each window that stops loading gets capture
// listeners, the dialog's window too, whose buttons it then hears.
TEST_F(ChromeTest, ADialogsLoadIsHeardSoThatItsWindowCanBeListenedTo) {
  open("dialogs.html");
  nsCOMPtr<nsIWebProgress> loader = do_GetService(NS_DOCUMENTLOADER_SERVICE_CONTRACTID);
  ASSERT_TRUE(loader);
  nsCOMPtr<ProgressRecorder> progress = new ProgressRecorder();
  nsCOMPtr<OriginalTargets> clicks = new OriginalTargets();
  progress->react = [clicks](nsIWebProgress* source, PRUint32 flags) {
    if (!(flags & nsIWebProgressListener::STATE_STOP) || !(flags & nsIWebProgressListener::STATE_IS_WINDOW)) return;
    nsCOMPtr<nsIDOMWindow> window;
    if (NS_SUCCEEDED(source->GetDOMWindow(getter_AddRefs(window))) && window) {
      as<nsIDOMEventTarget>(window)->AddEventListener(NS_ConvertUTF8toUTF16("click"), clicks, PR_TRUE);
    }
  };
  ASSERT_EQ(NS_OK, loader->AddProgressListener(progress, nsIWebProgress::NOTIFY_ALL));
  ASSERT_EQ("", gecko->perform("click #alertButton"));
  auto dialog = awaitDialogWindow();
  ASSERT_TRUE(dialog);
  EXPECT_EQ((Strings{"top Srdnw", "top at commonDialog.xul", "top Trd", "top Pr", "top Pd", "top Pnw"}),
            progress->lines.take());
  ASSERT_EQ("", gecko->perform("dialog OK"));
  ASSERT_TRUE(gecko->waitForNoDialog());
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ((Strings{"xul:button"}), clicks->lines.take());
  EXPECT_EQ("alerted", answerText());
  EXPECT_EQ(NS_OK, loader->RemoveProgressListener(progress));
  progress->react = nullptr;
}

TEST_F(ChromeTest, AnAnsweredAlertClosesItsWindowForTheRecorderByItsTitle) {
  open("dialogs.html");
  nsCOMPtr<CloseReader> reader = new CloseReader();
  ASSERT_EQ(NS_OK, mediator->AddListener(reader));
  ASSERT_EQ("", gecko->perform("click #alertButton"));
  ASSERT_TRUE(awaitDialogWindow());
  ASSERT_EQ("", gecko->perform("dialog OK"));
  ASSERT_TRUE(gecko->waitForNoDialog());
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("alerted", answerText());
  EXPECT_EQ((Strings{"closeAlertWindow [JavaScript Application]"}), reader->lines.take());
  nsCOMPtr<nsIDOMWindow> none;
  EXPECT_EQ(NS_ERROR_FAILURE, gecko->GetDialogWindow(getter_AddRefs(none)));
  mediator->RemoveListener(reader);
}

}  // namespace
}  // namespace gecko_shell_test
