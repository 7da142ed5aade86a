// Docshells and XUL windows read and driven from the test thread: navigation and the
// current URI, session history and its listener, titles, the docshell tree of a
// frameset, and UI-thread proxies.
#include "nsIDOMWindowInternal.h"
#include "nsIEventQueueService.h"
#include "nsIInterfaceRequestor.h"
#include "nsIProxyObjectManager.h"
#include "nsIWindowMediator.h"
#include "nsServiceManagerUtils.h"
#include "shell_fixture.h"

namespace gecko_shell_test {

NS_IMPL_THREADSAFE_ISUPPORTS2(HistoryRecorder, nsISHistoryListener, nsISupportsWeakReference)
NS_IMPL_THREADSAFE_ISUPPORTS1(ProgressRecorder, nsIWebProgressListener)
NS_IMPL_THREADSAFE_ISUPPORTS1(MediatorRecorder, nsIWindowMediatorListener)

namespace {

using Strings = std::vector<std::string>;

TEST_F(ShellTest, LoadBackForwardAndReloadMoveTheCurrentURI) {
  open("index.html");
  auto nav = navigation();
  ASSERT_TRUE(nav);
  EXPECT_EQ("index.html", currentFile());
  PRBool can = PR_TRUE;
  EXPECT_EQ(NS_OK, nav->GetCanGoBack(&can));
  EXPECT_FALSE(can);
  EXPECT_EQ(NS_ERROR_UNEXPECTED, nav->GoBack());  // nowhere to go

  ASSERT_EQ(NS_OK,
            nav->LoadURI(NS_ConvertUTF8toUTF16(siteUrl("form.html").c_str()).get(), 0, nullptr, nullptr, nullptr));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("form.html", currentFile());
  // An absolute path is fixed up to a file address, as the address bar does.
  ASSERT_EQ(NS_OK,
            nav->LoadURI(NS_ConvertUTF8toUTF16(TW_EXAMPLE_SITE "/tables.html").get(), 0, nullptr, nullptr, nullptr));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("tables.html", currentFile());

  ASSERT_EQ(NS_OK, nav->GoBack());
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("form.html", currentFile());
  EXPECT_EQ(NS_OK, nav->GetCanGoForward(&can));
  EXPECT_TRUE(can);
  ASSERT_EQ(NS_OK, nav->GoForward());
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("tables.html", currentFile());
  ASSERT_EQ(NS_OK, nav->GotoIndex(0));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("index.html", currentFile());
  EXPECT_EQ(NS_ERROR_FAILURE, nav->GotoIndex(7));

  nsCOMPtr<nsIDOMDocument> before;
  ASSERT_EQ(NS_OK, nav->GetDocument(getter_AddRefs(before)));
  ASSERT_EQ(NS_OK, nav->Reload(nsIWebNavigation::LOAD_FLAGS_NONE));
  ASSERT_TRUE(gecko->waitIdle());
  nsCOMPtr<nsIDOMDocument> after;
  ASSERT_EQ(NS_OK, nav->GetDocument(getter_AddRefs(after)));
  EXPECT_NE(before, after);  // a reload makes the document afresh
  EXPECT_EQ("index.html", currentFile());

  nsCOMPtr<nsISHistory> history;
  ASSERT_EQ(NS_OK, nav->GetSessionHistory(getter_AddRefs(history)));
  PRInt32 count = 0, index = -1;
  EXPECT_EQ(NS_OK, history->GetCount(&count));
  EXPECT_EQ(NS_OK, history->GetIndex(&index));
  EXPECT_EQ(3, count);  // a reload and history moves add no entries
  EXPECT_EQ(0, index);

  EXPECT_EQ(NS_ERROR_MALFORMED_URI, nav->LoadURI(u"   ", 0, nullptr, nullptr, nullptr));
}

TEST_F(ShellTest, HistoryListenerHearsNewEntriesMovesAndReloadsBeforeTheyHappen) {
  open("index.html");
  nsCOMPtr<nsISHistory> history;
  ASSERT_EQ(NS_OK, navigation()->GetSessionHistory(getter_AddRefs(history)));
  nsCOMPtr<HistoryRecorder> recorder = new HistoryRecorder();
  ASSERT_EQ(NS_OK, history->AddSHistoryListener(recorder));
  ASSERT_EQ(NS_OK, history->AddSHistoryListener(recorder));  // the same again: still heard once

  // The toolbar and the address bar, as a person uses them.
  ASSERT_TRUE(gecko->act("open " + siteUrl("form.html") + "\nback\nforward\nrefresh\n"));
  EXPECT_EQ((Strings{"new form.html", "back index.html", "forward form.html", "reload 0 form.html"}),
            recorder->lines.take());

  // The same through the web navigation; a link click is a new entry too.
  ASSERT_EQ(NS_OK, navigation()->Reload(nsIWebNavigation::LOAD_FLAGS_BYPASS_CACHE));
  ASSERT_EQ(NS_OK, navigation()->GotoIndex(0));
  ASSERT_TRUE(gecko->waitIdle());
  ASSERT_TRUE(gecko->act("click #formLink"));
  EXPECT_EQ((Strings{"reload 256 form.html", "goto 0 index.html", "new form.html"}), recorder->lines.take());

  // A listener that refuses keeps the page where it is.
  recorder->refuse = true;
  ASSERT_EQ(NS_OK, navigation()->GoBack());
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ("form.html", currentFile());
  EXPECT_EQ(NS_OK, history->PurgeHistory(1));
  PRInt32 count = 0;
  history->GetCount(&count);
  EXPECT_EQ(2, count);
  EXPECT_EQ((Strings{"back index.html", "purge 1"}), recorder->lines.take());
  recorder->refuse = false;

  // Only the listener in store can be removed; after that nothing is heard.
  nsCOMPtr<HistoryRecorder> stranger = new HistoryRecorder();
  EXPECT_EQ(NS_OK, history->RemoveSHistoryListener(stranger));
  ASSERT_TRUE(gecko->act("refresh"));
  EXPECT_EQ((Strings{"reload 0 form.html"}), recorder->lines.take());
  EXPECT_EQ(NS_OK, history->RemoveSHistoryListener(recorder));
  ASSERT_TRUE(gecko->act("back"));
  EXPECT_TRUE(recorder->lines.take().empty());
}

// Gecko 1.7 keeps one listener and wants a weak reference to it.
class PlainHistoryListener final : public nsISHistoryListener {
 public:
  NS_DECL_ISUPPORTS
  NS_IMETHOD OnHistoryNewEntry(nsIURI*) override { return NS_OK; }
  NS_IMETHOD OnHistoryGoBack(nsIURI*, PRBool*) override { return NS_OK; }
  NS_IMETHOD OnHistoryGoForward(nsIURI*, PRBool*) override { return NS_OK; }
  NS_IMETHOD OnHistoryReload(nsIURI*, PRUint32, PRBool*) override { return NS_OK; }
  NS_IMETHOD OnHistoryGotoIndex(PRInt32, nsIURI*, PRBool*) override { return NS_OK; }
  NS_IMETHOD OnHistoryPurge(PRInt32, PRBool*) override { return NS_OK; }

 private:
  ~PlainHistoryListener() = default;
};
NS_IMPL_THREADSAFE_ISUPPORTS1(PlainHistoryListener, nsISHistoryListener)

TEST_F(ShellTest, HistoryKeepsOneListenerAndItsEntriesCarryTitles) {
  open("index.html");
  open("form.html");
  nsCOMPtr<nsISHistory> history;
  ASSERT_EQ(NS_OK, navigation()->GetSessionHistory(getter_AddRefs(history)));
  nsCOMPtr<PlainHistoryListener> plain = new PlainHistoryListener();
  EXPECT_EQ(NS_ERROR_FAILURE, history->AddSHistoryListener(plain));

  nsCOMPtr<HistoryRecorder> first = new HistoryRecorder();
  nsCOMPtr<HistoryRecorder> second = new HistoryRecorder();
  ASSERT_EQ(NS_OK, history->AddSHistoryListener(first));
  ASSERT_EQ(NS_OK, history->AddSHistoryListener(second));
  ASSERT_TRUE(gecko->act("back"));
  EXPECT_TRUE(first->lines.take().empty());
  EXPECT_EQ((Strings{"back index.html"}), second->lines.take());

  nsCOMPtr<nsISimpleEnumerator> items;
  ASSERT_EQ(NS_OK, history->GetSHistoryEnumerator(getter_AddRefs(items)));
  Strings seen;
  for (const auto& entry : all<nsIHistoryEntry>(items)) {
    nsCOMPtr<nsIURI> uri;
    entry->GetURI(getter_AddRefs(uri));
    PRUnichar* text = nullptr;
    entry->GetTitle(&text);
    seen.push_back(file(addressOf(uri)) + " " + take(text));
  }
  EXPECT_EQ((Strings{"index.html Sample Home", "form.html Order Form"}), seen);
  nsCOMPtr<nsIHistoryEntry> entry;
  EXPECT_EQ(NS_ERROR_FAILURE, history->GetEntryAtIndex(2, PR_FALSE, getter_AddRefs(entry)));
  EXPECT_EQ(NS_OK, history->GetEntryAtIndex(1, PR_TRUE, getter_AddRefs(entry)));
  PRInt32 index = -1;
  history->GetIndex(&index);
  EXPECT_EQ(1, index);  // moved without loading
}

TEST_F(ShellTest, AContentShellsTitleIsItsDocumentsTitle) {
  open("index.html");
  auto shell = contentShell();
  EXPECT_EQ("Sample Home", title(shell));
  nsCOMPtr<nsIDocShell> chrome;
  ASSERT_EQ(NS_OK, xulWindow()->GetDocShell(getter_AddRefs(chrome)));
  EXPECT_EQ("", title(chrome));  // the browser chrome has no title of its own

  // A title set on the shell shows until the document's own title changes.
  ASSERT_EQ(NS_OK, as<nsIBaseWindow>(shell)->SetTitle(u"Given"));
  EXPECT_EQ("Given", title(shell));
  ASSERT_TRUE(
      gecko->loadString("<html><head><title>Changing</title></head>"
                        "<body><button id=b onclick=\"document.title='Changed'\">b</button></body></html>"));
  EXPECT_EQ("Changing", title(shell));
  ASSERT_TRUE(gecko->act("click #b"));
  EXPECT_EQ("Changed", title(shell));
}

TEST_F(ShellTest, AFramesetIsATreeOfNamedDocShellsUnderTheChrome) {
  open("frames.html");
  auto top = contentShell();
  auto node = as<nsIDocShellTreeNode>(top);
  ASSERT_TRUE(node);
  PRInt32 count = 0;
  ASSERT_EQ(NS_OK, node->GetChildCount(&count));
  ASSERT_EQ(2, count);
  nsCOMPtr<nsIDocShellTreeItem> nav, main, right, none;
  ASSERT_EQ(NS_OK, node->GetChildAt(0, getter_AddRefs(nav)));
  ASSERT_EQ(NS_OK, node->GetChildAt(1, getter_AddRefs(main)));
  EXPECT_EQ(NS_ERROR_UNEXPECTED, node->GetChildAt(2, getter_AddRefs(none)));
  EXPECT_EQ("nav", name(nav));
  EXPECT_EQ("main", name(main));
  EXPECT_EQ("Navigation", title(nav));
  EXPECT_EQ("Frame Set", title(top));

  // Found by name from a sibling's subtree, and the same object each time.
  ASSERT_EQ(NS_OK, nav->FindItemWithName(u"right", nullptr, getter_AddRefs(right)));
  ASSERT_TRUE(right);
  EXPECT_EQ("Right", title(right));
  nsCOMPtr<nsIDocShellTreeItem> again;
  ASSERT_EQ(NS_OK, as<nsIDocShellTreeNode>(main)->FindChildWithName(u"right", PR_FALSE, PR_TRUE, nullptr,
                                                                    getter_AddRefs(again)));
  EXPECT_EQ(as<nsISupports>(right), as<nsISupports>(again));
  PRInt32 offset = -1;
  EXPECT_EQ(NS_OK, right->GetChildOffset(&offset));
  EXPECT_EQ(1, offset);

  nsCOMPtr<nsIDocShellTreeItem> parent, sameTypeRoot, root;
  ASSERT_EQ(NS_OK, right->GetSameTypeParent(getter_AddRefs(parent)));
  EXPECT_EQ(as<nsISupports>(main), as<nsISupports>(parent));
  ASSERT_EQ(NS_OK, right->GetSameTypeRootTreeItem(getter_AddRefs(sameTypeRoot)));
  EXPECT_EQ(as<nsISupports>(top), as<nsISupports>(sameTypeRoot));
  ASSERT_EQ(NS_OK, right->GetRootTreeItem(getter_AddRefs(root)));
  nsCOMPtr<nsIDocShell> chrome;
  xulWindow()->GetDocShell(getter_AddRefs(chrome));
  EXPECT_EQ(as<nsISupports>(chrome), as<nsISupports>(root));
  PRInt32 type = -1;
  EXPECT_EQ(NS_OK, root->GetItemType(&type));
  EXPECT_EQ(nsIDocShellTreeItem::typeChrome, type);
  ASSERT_EQ(NS_OK, top->GetSameTypeParent(getter_AddRefs(parent)));
  EXPECT_FALSE(parent);  // the top content shell has no content parent...
  ASSERT_EQ(NS_OK, top->GetParent(getter_AddRefs(parent)));
  EXPECT_EQ(as<nsISupports>(chrome), as<nsISupports>(parent));  // ...but the chrome above it

  // Every content shell, in tree order; only the top one has a session history.
  nsCOMPtr<nsISimpleEnumerator> shells;
  ASSERT_EQ(NS_OK, as<nsIDocShell>(top)->GetDocShellEnumerator(
                       nsIDocShellTreeItem::typeContent, nsIDocShell::ENUMERATE_FORWARDS, getter_AddRefs(shells)));
  Strings names;
  for (const auto& item : all<nsIDocShellTreeItem>(shells)) names.push_back(name(item));
  EXPECT_EQ((Strings{"", "nav", "main", "left", "right"}), names);
  nsCOMPtr<nsISHistory> history;
  EXPECT_EQ(NS_OK, as<nsIWebNavigation>(right)->GetSessionHistory(getter_AddRefs(history)));
  EXPECT_FALSE(history);

  // A frame's shell goes with its page.
  ASSERT_TRUE(gecko->open(siteUrl("index.html")));
  EXPECT_EQ("(failed)", title(right));
}

TEST_F(ShellTest, BusyFlagsFollowALoad) {
  open("index.html");
  auto shell = as<nsIDocShell>(contentShell());
  PRUint32 flags = 99;
  EXPECT_EQ(NS_OK, shell->GetBusyFlags(&flags));
  EXPECT_EQ(nsIDocShell::BUSY_FLAGS_NONE, flags);
  // Read on the browser thread between the load's steps, through a progress listener.
  nsCOMPtr<ProgressRecorder> recorder = new ProgressRecorder();
  ASSERT_EQ(NS_OK, as<nsIWebProgress>(shell)->AddProgressListener(recorder, nsIWebProgress::NOTIFY_ALL));
  ASSERT_TRUE(gecko->open(siteUrl("form.html")));
  EXPECT_EQ((Strings{"top Srdnw", "top at form.html", "top Trd", "top Pr", "top Pd", "top Pnw"}),
            recorder->lines.take());
  EXPECT_EQ(NS_OK, shell->GetBusyFlags(&flags));
  EXPECT_EQ(nsIDocShell::BUSY_FLAGS_NONE, flags);
  EXPECT_EQ(NS_OK, as<nsIWebProgress>(shell)->RemoveProgressListener(recorder));
  EXPECT_EQ(NS_ERROR_FAILURE, as<nsIWebProgress>(shell)->RemoveProgressListener(recorder));
}

TEST_F(ShellTest, AWebNavigationProxyRunsItsCallsOnTheUIThread) {
  open("index.html");
  nsCOMPtr<nsIEventQueueService> queues = do_GetService(NS_EVENTQUEUESERVICE_CONTRACTID);
  nsCOMPtr<nsIProxyObjectManager> proxies = do_GetService(NS_XPCOMPROXY_CONTRACTID);
  ASSERT_TRUE(queues && proxies);
  nsCOMPtr<nsIEventQueue> ui;
  ASSERT_EQ(NS_OK, queues->GetSpecialEventQueue(nsIEventQueueService::UI_THREAD_EVENT_QUEUE, getter_AddRefs(ui)));
  nsCOMPtr<nsIWebNavigation> proxy;
  ASSERT_EQ(NS_OK, proxies->GetProxyForObject(ui, NS_GET_IID(nsIWebNavigation), navigation(), PROXY_SYNC,
                                              getter_AddRefs(proxy)));
  ASSERT_TRUE(proxy);
  EXPECT_NE(as<nsISupports>(proxy), as<nsISupports>(navigation()));

  nsCOMPtr<nsISHistory> history;
  ASSERT_EQ(NS_OK, navigation()->GetSessionHistory(getter_AddRefs(history)));
  nsCOMPtr<HistoryRecorder> recorder = new HistoryRecorder();
  ASSERT_EQ(NS_OK, history->AddSHistoryListener(recorder));
  ASSERT_EQ(NS_OK,
            proxy->LoadURI(NS_ConvertUTF8toUTF16(siteUrl("form.html").c_str()).get(), 0, nullptr, nullptr, nullptr));
  ASSERT_TRUE(gecko->waitIdle());
  ASSERT_EQ(NS_OK, proxy->Reload(nsIWebNavigation::LOAD_FLAGS_NONE));
  ASSERT_TRUE(gecko->waitIdle());
  ASSERT_EQ(NS_OK, proxy->GoBack());
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ((Strings{"new form.html", "reload 0 form.html", "back index.html"}), recorder->lines.take());
  nsCOMPtr<nsIURI> uri;
  ASSERT_EQ(NS_OK, proxy->GetCurrentURI(getter_AddRefs(uri)));
  EXPECT_EQ("index.html", file(addressOf(uri)));
}

TEST_F(ShellTest, ADocShellGivesItsWindowsDOMWindowAndAProxiedCloseEndsTheWindow) {
  open("frames.html");
  nsCOMPtr<nsIDOMWindow> page;
  ASSERT_EQ(NS_OK, gecko->GetWindow(getter_AddRefs(page)));
  auto requestor = as<nsIInterfaceRequestor>(contentShell());
  ASSERT_TRUE(requestor);
  nsCOMPtr<nsIDOMWindowInternal> window;
  ASSERT_EQ(NS_OK, requestor->GetInterface(NS_GET_IID(nsIDOMWindowInternal), getter_AddRefs(window)));
  EXPECT_EQ(as<nsISupports>(page), as<nsISupports>(window));

  // A frame's docshell gives the frame's window, as the progress of its loads does.
  nsCOMPtr<nsIDocShellTreeItem> right;
  ASSERT_EQ(NS_OK, contentShell()->FindItemWithName(u"right", nullptr, getter_AddRefs(right)));
  nsCOMPtr<nsIDOMWindow> frame;
  ASSERT_EQ(NS_OK, as<nsIWebProgress>(right)->GetDOMWindow(getter_AddRefs(frame)));
  ASSERT_TRUE(frame);
  nsString frameName;
  ASSERT_EQ(NS_OK, frame->GetName(frameName));
  EXPECT_EQ("right", std::string(NS_ConvertUTF16toUTF8(frameName).get()));

  // Closing through a UI-thread proxy, as playback closes a browser window.
  nsCOMPtr<nsIEventQueueService> queues = do_GetService(NS_EVENTQUEUESERVICE_CONTRACTID);
  nsCOMPtr<nsIProxyObjectManager> proxies = do_GetService(NS_XPCOMPROXY_CONTRACTID);
  nsCOMPtr<nsIEventQueue> ui;
  ASSERT_EQ(NS_OK, queues->GetSpecialEventQueue(nsIEventQueueService::UI_THREAD_EVENT_QUEUE, getter_AddRefs(ui)));
  nsCOMPtr<nsIDOMWindowInternal> proxy;
  ASSERT_EQ(NS_OK, proxies->GetProxyForObject(ui, NS_GET_IID(nsIDOMWindowInternal), window, PROXY_SYNC,
                                              getter_AddRefs(proxy)));
  nsCOMPtr<nsIWindowMediator> mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID);
  nsCOMPtr<MediatorRecorder> recorder = new MediatorRecorder();
  ASSERT_EQ(NS_OK, mediator->AddListener(recorder));
  ASSERT_EQ(NS_OK, proxy->Close());
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ((Strings{"close [] Frame Set"}), recorder->lines.take());
  mediator->RemoveListener(recorder);
}

}  // namespace
}  // namespace gecko_shell_test
