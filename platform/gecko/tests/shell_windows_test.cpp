// The document loader service and the window mediator, reached by contract ID from the
// test thread: progress of every load (frames included), and browser windows as they
// open, change title and close.
#include <algorithm>

#include "nsCURILoader.h"
#include "nsServiceManagerUtils.h"
#include "shell_fixture.h"

namespace gecko_shell_test {
namespace {

using Strings = std::vector<std::string>;

Strings only(const Strings& lines, const std::string& ending) {
  Strings kept;
  for (const auto& line : lines) {
    if (line.size() >= ending.size() && line.compare(line.size() - ending.size(), ending.size(), ending) == 0) {
      kept.push_back(line);
    }
  }
  return kept;
}

TEST_F(ShellTest, TheDocumentLoaderHearsEveryWindowStopLoadingChildrenFirst) {
  nsCOMPtr<nsIWebProgress> loader = do_GetService(NS_DOCUMENTLOADER_SERVICE_CONTRACTID);
  ASSERT_TRUE(loader);
  nsCOMPtr<ProgressRecorder> recorder = new ProgressRecorder();
  ASSERT_EQ(NS_OK, loader->AddProgressListener(recorder, nsIWebProgress::NOTIFY_ALL));
  EXPECT_EQ(NS_ERROR_FAILURE, loader->AddProgressListener(recorder, nsIWebProgress::NOTIFY_ALL));
  open("frames.html");
  auto lines = recorder->lines.take();
  // A frame loads within its parent's load: its loads are not network activity of
  // their own; the top window's are.
  EXPECT_EQ((Strings{"nav Pd", "left Pd", "right Pd", "main Pd", "top Pd"}), only(lines, " Pd"));
  Strings windowStops;
  for (const auto& line : only(lines, "w")) {
    if (line.find(" P") != std::string::npos) windowStops.push_back(line);
  }
  EXPECT_EQ((Strings{"nav Pw", "left Pw", "right Pw", "main Pw", "top Pnw"}), windowStops);
  EXPECT_EQ("top Srdnw", lines.front());
  EXPECT_EQ("top Pnw", lines.back());
  PRBool loading = PR_TRUE;
  EXPECT_EQ(NS_OK, loader->GetIsLoadingDocument(&loading));
  EXPECT_FALSE(loading);

  // Alone, a frame's load is network activity; a listener that asked for documents only
  // hears no window or network states.
  nsCOMPtr<ProgressRecorder> documents = new ProgressRecorder();
  ASSERT_EQ(NS_OK, loader->AddProgressListener(documents, nsIWebProgress::NOTIFY_STATE_DOCUMENT));
  nsCOMPtr<nsIDocShellTreeItem> nav;
  ASSERT_EQ(NS_OK, contentShell()->FindItemWithName(u"nav", nullptr, getter_AddRefs(nav)));
  ASSERT_EQ(NS_OK, as<nsIWebNavigation>(nav)->Reload(0));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ((Strings{"nav Srdnw", "nav at frame_nav.html", "nav Trd", "nav Pr", "nav Pd", "nav Pnw"}),
            recorder->lines.take());
  EXPECT_EQ((Strings{"nav Srdnw", "nav Trd", "nav Pd"}), documents->lines.take());

  EXPECT_EQ(NS_OK, loader->RemoveProgressListener(recorder));
  EXPECT_EQ(NS_OK, loader->RemoveProgressListener(documents));
  open("index.html");
  EXPECT_TRUE(recorder->lines.take().empty());
}

TEST_F(ShellTest, ALoadThatIsStoppedOrGivesWayEndsAsAborted) {
  open("index.html");
  nsCOMPtr<nsIWebProgress> loader = do_GetService(NS_DOCUMENTLOADER_SERVICE_CONTRACTID);
  nsCOMPtr<ProgressRecorder> recorder = new ProgressRecorder();
  ASSERT_EQ(NS_OK, loader->AddProgressListener(recorder, nsIWebProgress::NOTIFY_STATE_WINDOW));
  auto nav = navigation();
  auto wide = [](const std::string& page) { return NS_ConvertUTF8toUTF16(siteUrl(page).c_str()); };

  // Stopped as soon as it starts (on the UI thread, as the toolbar's Stop would).
  bool once = true;
  recorder->react = [&](nsIWebProgress*, PRUint32 flags) {
    if ((flags & nsIWebProgressListener::STATE_START) && std::exchange(once, false))
      nav->Stop(nsIWebNavigation::STOP_ALL);
  };
  ASSERT_EQ(NS_OK, nav->LoadURI(wide("form.html").get(), 0, nullptr, nullptr, nullptr));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ((Strings{"top Srdnw", "top Pnw failed"}), recorder->lines.take());
  EXPECT_EQ("index.html", currentFile());
  PRUint32 busy = 99;
  EXPECT_EQ(NS_OK, as<nsIDocShell>(nav)->GetBusyFlags(&busy));
  EXPECT_EQ(nsIDocShell::BUSY_FLAGS_NONE, busy);

  // Overtaken by another load.
  once = true;
  auto tables = wide("tables.html");
  recorder->react = [&](nsIWebProgress*, PRUint32 flags) {
    if ((flags & nsIWebProgressListener::STATE_START) && std::exchange(once, false)) {
      nav->LoadURI(tables.get(), 0, nullptr, nullptr, nullptr);
    }
  };
  ASSERT_EQ(NS_OK, nav->LoadURI(wide("form.html").get(), 0, nullptr, nullptr, nullptr));
  ASSERT_TRUE(gecko->waitIdle());
  EXPECT_EQ((Strings{"top Srdnw", "top Pnw failed", "top Srdnw", "top Pnw"}), recorder->lines.take());
  EXPECT_EQ("tables.html", currentFile());
  loader->RemoveProgressListener(recorder);
  recorder->react = nullptr;
}

TEST_F(ShellTest, TheMediatorKnowsBrowserWindowsOldestFirstAndTellsOfOpenTitleAndClose) {
  nsCOMPtr<nsIWindowMediator> mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID);
  ASSERT_TRUE(mediator);
  nsCOMPtr<MediatorRecorder> recorder = new MediatorRecorder();
  ASSERT_EQ(NS_OK, mediator->AddListener(recorder));
  open("index.html");
  auto first = xulWindow();
  ASSERT_TRUE(gecko->openWindow(siteUrl("form.html")));
  auto second = xulWindow();
  ASSERT_NE(first, second);
  EXPECT_EQ((Strings{"open", "title Sample Home", "open", "title Order Form"}), recorder->lines.take());
  EXPECT_EQ(as<nsISupports>(second), as<nsISupports>(recorder->opened));

  nsCOMPtr<nsISimpleEnumerator> items;
  ASSERT_EQ(NS_OK, mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(items)));
  auto windows = all<nsIXULWindow>(items);
  ASSERT_EQ(2u, windows.size());
  EXPECT_EQ(first, windows[0]);
  EXPECT_EQ(second, windows[1]);
  ASSERT_EQ(NS_OK, mediator->GetXULWindowEnumerator(u"navigator:browser", getter_AddRefs(items)));
  EXPECT_EQ(2u, all<nsIXULWindow>(items).size());
  ASSERT_EQ(NS_OK, mediator->GetXULWindowEnumerator(u"alert:dialog", getter_AddRefs(items)));
  EXPECT_TRUE(all<nsIXULWindow>(items).empty());
  // The newest is in front until another is brought there.
  ASSERT_EQ(NS_OK, mediator->GetZOrderXULWindowEnumerator(nullptr, PR_TRUE, getter_AddRefs(items)));
  EXPECT_EQ(second, all<nsIXULWindow>(items).front());
  ASSERT_EQ(NS_OK, mediator->SetZPosition(first, nsIWindowMediator::zLevelTop, nullptr));
  ASSERT_EQ(NS_OK, mediator->GetZOrderXULWindowEnumerator(nullptr, PR_TRUE, getter_AddRefs(items)));
  EXPECT_EQ(first, all<nsIXULWindow>(items).front());
  // Below itself leaves a window where it is; an unknown position changes nothing.
  EXPECT_EQ(NS_OK, mediator->SetZPosition(first, nsIWindowMediator::zLevelBelow, first));
  EXPECT_EQ(NS_ERROR_INVALID_ARG, mediator->SetZPosition(second, 7, nullptr));
  ASSERT_EQ(NS_OK, mediator->GetZOrderXULWindowEnumerator(nullptr, PR_TRUE, getter_AddRefs(items)));
  auto zOrder = all<nsIXULWindow>(items);
  ASSERT_EQ(2u, zOrder.size());
  EXPECT_EQ(first, zOrder[0]);
  EXPECT_EQ(second, zOrder[1]);
  ASSERT_EQ(NS_OK, mediator->SetZPosition(first, nsIWindowMediator::zLevelBelow, second));
  ASSERT_EQ(NS_OK, mediator->GetZOrderXULWindowEnumerator(nullptr, PR_TRUE, getter_AddRefs(items)));
  EXPECT_EQ(second, all<nsIXULWindow>(items).front());

  // The last browser window with content, as the component's content-shell search finds it.
  nsCOMPtr<nsIDocShellTreeItem> lastContent;
  ASSERT_EQ(NS_OK, windows.back()->GetPrimaryContentShell(getter_AddRefs(lastContent)));
  EXPECT_EQ("Order Form", title(lastContent));

  ASSERT_TRUE(gecko->loadString("<html><head><title>Renamed</title></head><body></body></html>"));
  ASSERT_TRUE(gecko->act("close"));
  EXPECT_EQ((Strings{"title Renamed", "close [] Renamed"}), recorder->lines.take());
  ASSERT_EQ(NS_OK, mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(items)));
  windows = all<nsIXULWindow>(items);
  ASSERT_EQ(1u, windows.size());
  EXPECT_EQ(first, windows[0]);
  // A closed window's shells answer no more.
  nsCOMPtr<nsIDocShell> gone;
  EXPECT_EQ(NS_ERROR_FAILURE, second->GetDocShell(getter_AddRefs(gone)));
  EXPECT_EQ("(failed)", title(lastContent));

  EXPECT_EQ(NS_OK, mediator->RemoveListener(recorder));
  EXPECT_EQ(NS_ERROR_FAILURE, mediator->RemoveListener(recorder));
  ASSERT_TRUE(gecko->openWindow(siteUrl("index.html")));
  EXPECT_TRUE(recorder->lines.take().empty());
}

TEST_F(ShellTest, EndingTheBrowserClosesItsWindowsForTheMediator) {
  nsCOMPtr<nsIWindowMediator> mediator = do_GetService(NS_WINDOWMEDIATOR_CONTRACTID);
  open("index.html");
  nsCOMPtr<MediatorRecorder> recorder = new MediatorRecorder();
  ASSERT_EQ(NS_OK, mediator->AddListener(recorder));
  gecko.reset();
  EXPECT_EQ((Strings{"close [] Sample Home"}), recorder->lines.take());
  nsCOMPtr<nsISimpleEnumerator> items;
  ASSERT_EQ(NS_OK, mediator->GetXULWindowEnumerator(nullptr, getter_AddRefs(items)));
  EXPECT_TRUE(all<nsIXULWindow>(items).empty());
  nsIDOMWindowInternal* none = nullptr;
  EXPECT_EQ(NS_OK, mediator->GetMostRecentWindow(nullptr, &none));
  EXPECT_EQ(nullptr, none);
  mediator->RemoveListener(recorder);
}

}  // namespace
}  // namespace gecko_shell_test
