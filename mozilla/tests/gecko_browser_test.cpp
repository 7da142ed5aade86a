// The component over the Gecko stand-in: XPCOM running in the test's process, a simulated
// Gecko browser, the component made with the library's own browser access, and a
// loopback server playing the Java host. The recorder here listens as a real one does
// (web progress, window mediator) and notes what it hears.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "gecko_browser_access.h"
#include "loopback_server.h"
#include "nsCOMPtr.h"
#include "nsIDOMWindowInternal.h"
#include "nsISelection.h"
#include "nsIURI.h"
#include "nsIWebNavigation.h"
#include "nsIWebProgress.h"
#include "nsIWebProgressListener.h"
#include "nsIWindowMediatorListener.h"
#include "nsIXULWindow.h"
#include "nsMemory.h"
#include "nsString.h"
#include "nsTarnwellImpl.h"
#include "test_session.h"
#include "test_support.h"
#include "testbed/gecko.h"
#include "testbed/xpcom.h"

namespace {

using marbleck_test::Journal;

std::string siteUrl(const std::string& page) { return "file://" TW_EXAMPLE_SITE "/" + page; }
std::string launchLine(const std::string& url) { return "RecordEvent_launchApplication(\"" + url + "\")"; }

std::string addressOf(nsIURI* aUri) {
  nsCString address;
  if (aUri == nullptr || NS_FAILED(aUri->GetSpec(address))) return "(none)";
  return std::string(address.get(), address.Length());
}

// The journal the recorders made by the maker below write to (makers are plain
// functions); set before a component is made, cleared after its thread has let go.
std::shared_ptr<Journal> gJournal;
std::atomic<int> gRecorders{0};

// A recorder as the browser sees one: a progress listener and a window-mediator
// listener. It notes the pages it hears arrive and the windows it hears open.
class ListeningRecorder final : public nsISessionRecorder,
                                public nsIWebProgressListener,
                                public nsIWindowMediatorListener {
 public:
  NS_DECL_ISUPPORTS
  explicit ListeningRecorder(std::string name) : mName(std::move(name)), mJournal(gJournal) {}

  NS_IMETHOD SetElementCheckpointMode(PRBool) override { return NS_OK; }
  NS_IMETHOD SetTextCheckpointMode(PRBool) override { return NS_OK; }
  NS_IMETHOD SetTableCheckpointMode(PRBool) override { return NS_OK; }
  NS_IMETHOD RemoveWindowListeners() override {
    mJournal->Note(mName + " remove window listeners");
    return NS_OK;
  }

  NS_IMETHOD OnStateChange(nsIWebProgress*, nsIRequest*, PRUint32, nsresult) override { return NS_OK; }
  NS_IMETHOD OnProgressChange(nsIWebProgress*, nsIRequest*, PRInt32, PRInt32, PRInt32, PRInt32) override {
    return NS_OK;
  }
  NS_IMETHOD OnLocationChange(nsIWebProgress*, nsIRequest*, nsIURI* aLocation) override {
    mJournal->Note(mName + " at " + addressOf(aLocation));
    return NS_OK;
  }
  NS_IMETHOD OnStatusChange(nsIWebProgress*, nsIRequest*, nsresult, const PRUnichar*) override { return NS_OK; }
  NS_IMETHOD OnSecurityChange(nsIWebProgress*, nsIRequest*, PRUint32) override { return NS_OK; }

  NS_IMETHOD OnWindowTitleChange(nsIXULWindow*, const PRUnichar*) override { return NS_OK; }
  NS_IMETHOD OnOpenWindow(nsIXULWindow*) override {
    mJournal->Note(mName + " window opened");
    return NS_OK;
  }
  NS_IMETHOD OnCloseWindow(nsIXULWindow*) override { return NS_OK; }

 private:
  ~ListeningRecorder() { mJournal->Note(mName + " released"); }
  const std::string mName;
  const std::shared_ptr<Journal> mJournal;
};
NS_IMPL_THREADSAFE_ISUPPORTS3(ListeningRecorder, nsISessionRecorder, nsIWebProgressListener,
                              nsIWindowMediatorListener)

nsresult newListeningRecorder(const ClientSocket&, nsISessionRecorder** aResult) {
  nsCOMPtr<nsISessionRecorder> recorder = new ListeningRecorder("R" + std::to_string(++gRecorders));
  recorder.forget(aResult);
  return NS_OK;
}

// The library's browser access, noting when the connection thread lets go of it.
class WatchedBrowser final : public BrowserAccess {
 public:
  explicit WatchedBrowser(std::shared_ptr<Journal> journal) : mJournal(std::move(journal)) {}
  ~WatchedBrowser() override { mJournal->Note("browser released"); }

  nsCOMPtr<nsISupports> GetDocLoader() override { return mGecko.GetDocLoader(); }
  nsCOMPtr<nsISupports> FindContentShell() override { return mGecko.FindContentShell(); }
  nsCOMPtr<nsISupports> GetWebNavigation(nsISupports* aShell) override { return mGecko.GetWebNavigation(aShell); }
  nsresult GetCurrentURIText(nsISupports* aNavigation, nsACString& aUriText) override {
    return mGecko.GetCurrentURIText(aNavigation, aUriText);
  }
  nsresult Reload(nsISupports* aNavigation) override {
    const nsresult rv = mGecko.Reload(aNavigation);
    mJournal->Note(NS_SUCCEEDED(rv) ? "reloaded" : "reload failed");
    return rv;
  }
  nsresult FocusContentWindow(nsISupports* aShell) override {
    const nsresult rv = mGecko.FocusContentWindow(aShell);
    mJournal->Note(NS_SUCCEEDED(rv) ? "focused" : "focus failed");
    return rv;
  }
  nsresult GetContentSelection(nsISupports* aShell, nsISupports** aSelection) override {
    return mGecko.GetContentSelection(aShell, aSelection);
  }
  nsresult AddProgressListener(nsISupports* aLoader, nsISupports* aListener) override {
    return mGecko.AddProgressListener(aLoader, aListener);
  }
  nsresult RemoveProgressListener(nsISupports* aLoader, nsISupports* aListener) override {
    return mGecko.RemoveProgressListener(aLoader, aListener);
  }
  nsresult AddWindowListener(nsISupports* aListener) override { return mGecko.AddWindowListener(aListener); }
  nsresult RemoveWindowListener(nsISupports* aListener) override { return mGecko.RemoveWindowListener(aListener); }

 private:
  const std::shared_ptr<Journal> mJournal;
  GeckoBrowserAccess mGecko;
};

class GeckoComponentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(NS_OK, xpcom::testbed::startXPCOM("", ""));
    gecko = std::make_unique<gecko::testbed::SimulatedGecko>();
    traceFile = folder.path() / "trace.log";
    marbleck_test::setServerEnvironment(server.port(), traceFile);
    gJournal = journal;
    gRecorders = 0;
  }
  void TearDown() override {
    if (HasFailure()) {
      for (auto& entry : journal->Entries()) std::printf("  noted: %s\n", entry.c_str());
    }
    if (component) {
      component = nullptr;
      server.CloseConnection();
      EXPECT_TRUE(journal->WaitFor("browser released"));
    }
    gJournal = nullptr;
    gecko.reset();
    xpcom::testbed::shutdownXPCOM();
  }

  void MakeComponent(bool withRecorder = true) {
    SessionMakers makers;
    if (withRecorder) makers.newRecorder = newListeningRecorder;
    ComponentWiring wiring{std::make_shared<WatchedBrowser>(journal), makers};
    ASSERT_EQ(NS_OK, nsTarnwellImpl::Create(std::move(wiring), NS_GET_IID(nsIRecordPlaybackComponent),
                                            getter_AddRefs(component)));
    ASSERT_TRUE(server.Accept());
  }
  // Waits until the messages sent so far have been handled: the loop reads a message
  // only after handling the one before, and drops one that is no command.
  void Settle() { Send("settle\n"); }
  // Sends one message and waits until the component has read it, so that the next one
  // arrives in a receive of its own. Each receive is traced: counting them tells.
  void Send(const std::string& message) {
    ASSERT_TRUE(server.Send(message));
    ++messagesSent;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
      const std::string text = marbleck_test::fileText(traceFile);
      int reads = 0;
      for (size_t at = text.find(kReadTrace); at != std::string::npos; at = text.find(kReadTrace, at + 1)) ++reads;
      if (reads >= messagesSent) return;
      ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the component did not read " << message;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  static constexpr const char* kReadTrace = "message from the server is ";
  int messagesSent = 0;
  // The journal's entries from `from` on that begin with `prefix`.
  std::vector<std::string> EntriesFrom(size_t from, const std::string& prefix) {
    std::vector<std::string> kept;
    for (auto& entry : journal->EntriesFrom(from))
      if (entry.rfind(prefix, 0) == 0) kept.push_back(entry);
    return kept;
  }

  marbleck_test::TemporaryFolder folder;
  std::filesystem::path traceFile;
  std::shared_ptr<Journal> journal = std::make_shared<Journal>();
  marbleck_test::LoopbackServer server;
  std::unique_ptr<gecko::testbed::SimulatedGecko> gecko;
  nsCOMPtr<nsIRecordPlaybackComponent> component;
};

TEST_F(GeckoComponentTest, StartRecordSendsTheShownPageAndReloadsItWithTheRecorderListening) {
  ASSERT_TRUE(gecko->open(siteUrl("index.html")));
  ASSERT_TRUE(gecko->act("click #formLink"));
  MakeComponent();
  Send("start record\n");
  EXPECT_EQ(server.ReadLine(), launchLine(siteUrl("form.html")));
  // The reload ran (through the UI thread's proxy) after the recorder became a progress
  // listener: the recorder hears the page arrive again.
  EXPECT_TRUE(journal->WaitFor("R1 at " + siteUrl("form.html")));
  EXPECT_TRUE(journal->WaitFor("focused"));
  EXPECT_EQ(journal->Count("reloaded"), 1u);
  EXPECT_TRUE(marbleck_test::waitForTrace(traceFile, "record mode set.......\n"));

  // It listens to the window mediator too.
  ASSERT_TRUE(gecko->openWindow(siteUrl("tables.html")));
  EXPECT_TRUE(journal->WaitFor("R1 window opened"));
  EXPECT_TRUE(journal->WaitFor("R1 at " + siteUrl("tables.html")));

  // Taken off both on "stop record": it hears neither loads nor windows afterwards.
  Send("stop record\n");
  Settle();
  const size_t before = journal->Entries().size();
  ASSERT_TRUE(gecko->act("refresh"));
  ASSERT_TRUE(gecko->openWindow(siteUrl("index.html")));
  EXPECT_TRUE(EntriesFrom(before, "R1 ").empty());

  // A new "start record" reports the page of the last window opened.
  Send("start record\n");
  EXPECT_EQ(server.ReadLine(), launchLine(siteUrl("index.html")));
  EXPECT_TRUE(journal->WaitFor("R2 at " + siteUrl("index.html")));
}

TEST_F(GeckoComponentTest, StartRecordBeforeAnyWindowHasContentWaitsForOne) {
  MakeComponent();
  Send("start record\n");
  ASSERT_TRUE(marbleck_test::waitForTrace(traceFile, "settingup browser for the start record message\n"));
  EXPECT_FALSE(server.ReadLine(std::chrono::milliseconds(300)));
  EXPECT_EQ(journal->Count("reloaded"), 0u);
  ASSERT_TRUE(gecko->open(siteUrl("tables.html")));
  EXPECT_EQ(server.ReadLine(), launchLine(siteUrl("tables.html")));
  EXPECT_TRUE(journal->WaitFor("R1 at " + siteUrl("tables.html")));
}

TEST_F(GeckoComponentTest, TheHostClosingTheConnectionTakesTheRecorderOffAndTheBrowserRunsOn) {
  ASSERT_TRUE(gecko->open(siteUrl("index.html")));
  MakeComponent();
  Send("start record\n");
  EXPECT_EQ(server.ReadLine(), launchLine(siteUrl("index.html")));
  ASSERT_TRUE(journal->WaitFor("R1 at " + siteUrl("index.html")));
  component = nullptr;
  server.CloseConnection();
  ASSERT_TRUE(journal->WaitFor("browser released"));
  EXPECT_TRUE(journal->WaitFor("R1 released"));
  EXPECT_TRUE(marbleck_test::waitForTrace(traceFile, "connection to the server ended ..... \n"));
  const size_t before = journal->Entries().size();
  ASSERT_TRUE(gecko->act("click #formLink"));
  EXPECT_TRUE(EntriesFrom(before, "R1 ").empty());
}

TEST_F(GeckoComponentTest, WithoutARecorderStartRecordStillReportsAndReloadsThePage) {
  ASSERT_TRUE(gecko->open(siteUrl("tables.html")));
  MakeComponent(/*withRecorder=*/false);
  Send("start record\n");
  EXPECT_EQ(server.ReadLine(), launchLine(siteUrl("tables.html")));
  EXPECT_TRUE(journal->WaitFor("focused"));
  EXPECT_EQ(journal->Count("reloaded"), 1u);
  EXPECT_TRUE(marbleck_test::waitForTrace(traceFile, "no recorder in this component\n"));
  Settle();
  EXPECT_EQ(marbleck_test::fileText(traceFile).find("record mode set"), std::string::npos);
}

TEST_F(GeckoComponentTest, QuitEndsTheLoopAndLetsGoOfTheBrowser) {
  ASSERT_TRUE(gecko->open(siteUrl("index.html")));
  MakeComponent();
  Send("quit\n");
  EXPECT_TRUE(server.WaitForClose());
  EXPECT_TRUE(marbleck_test::waitForTrace(traceFile, "breaking for quit message ..... \n"));
  component = nullptr;
  EXPECT_TRUE(journal->WaitFor("browser released"));
}

// The browser access called directly from the test thread (not the UI thread).
TEST_F(GeckoComponentTest, TheContentShellIsTheLastWindowsAndGivesFocusAndSelection) {
  GeckoBrowserAccess browser;
  EXPECT_TRUE(browser.GetDocLoader());
  EXPECT_FALSE(browser.FindContentShell());

  ASSERT_TRUE(gecko->open(siteUrl("index.html")));
  ASSERT_TRUE(gecko->openWindow(siteUrl("form.html")));
  nsCOMPtr<nsISupports> shell = browser.FindContentShell();
  ASSERT_TRUE(shell);
  nsCOMPtr<nsISupports> navigation = browser.GetWebNavigation(shell);
  ASSERT_TRUE(navigation);
  nsCString address;
  ASSERT_EQ(NS_OK, browser.GetCurrentURIText(navigation, address));
  EXPECT_EQ(std::string(address.get(), address.Length()), siteUrl("form.html"));
  EXPECT_EQ(NS_OK, browser.FocusContentWindow(shell));

  // Closing the newer window leaves the older one's shell.
  ASSERT_TRUE(gecko->act("close"));
  shell = browser.FindContentShell();
  ASSERT_TRUE(shell);
  navigation = browser.GetWebNavigation(shell);
  ASSERT_EQ(NS_OK, browser.GetCurrentURIText(navigation, address));
  EXPECT_EQ(std::string(address.get(), address.Length()), siteUrl("index.html"));

  ASSERT_TRUE(gecko->act("selecttext #heading"));
  nsCOMPtr<nsISupports> selected;
  ASSERT_EQ(NS_OK, browser.GetContentSelection(shell, getter_AddRefs(selected)));
  nsCOMPtr<nsISelection> selection = do_QueryInterface(selected);
  ASSERT_TRUE(selection);
  PRUnichar* text = nullptr;
  ASSERT_EQ(NS_OK, selection->ToString(&text));
  EXPECT_EQ(std::string(NS_ConvertUTF16toUTF8(text).get()), "Welcome to the sample site");
  nsMemory::Free(text);

  // Objects that are not the browser's are refused, not misused.
  nsCOMPtr<nsISupports> loader = browser.GetDocLoader();
  EXPECT_FALSE(browser.GetWebNavigation(loader));
  EXPECT_EQ(NS_ERROR_INVALID_ARG, browser.AddProgressListener(loader, loader));
  EXPECT_EQ(NS_ERROR_INVALID_ARG, browser.AddWindowListener(loader));
  EXPECT_EQ(NS_ERROR_INVALID_ARG, browser.Reload(loader));
  EXPECT_EQ(NS_ERROR_INVALID_ARG, browser.FocusContentWindow(loader));
}

TEST_F(GeckoComponentTest, AShellWhoseWindowClosedFailsInsteadOfReachingIt) {
  GeckoBrowserAccess browser;
  ASSERT_TRUE(gecko->open(siteUrl("index.html")));
  nsCOMPtr<nsISupports> shell = browser.FindContentShell();
  ASSERT_TRUE(shell);
  nsCOMPtr<nsISupports> navigation = browser.GetWebNavigation(shell);
  ASSERT_TRUE(gecko->act("close"));
  EXPECT_FALSE(browser.FindContentShell());
  nsCString address;
  EXPECT_TRUE(NS_FAILED(browser.GetCurrentURIText(navigation, address)));
  EXPECT_TRUE(NS_FAILED(browser.Reload(navigation)));
  EXPECT_TRUE(NS_FAILED(browser.FocusContentWindow(shell)));
  nsCOMPtr<nsISupports> selection;
  EXPECT_TRUE(NS_FAILED(browser.GetContentSelection(shell, getter_AddRefs(selection))));
  EXPECT_FALSE(selection);
}

// Without the browser's services (XPCOM alone), the component finds nothing to work with.
TEST(GeckoBrowserAccessAlone, WithoutTheBrowsersServicesNothingIsFound) {
  ASSERT_EQ(NS_OK, xpcom::testbed::startXPCOM("", ""));
  {
    GeckoBrowserAccess browser;
    EXPECT_FALSE(browser.GetDocLoader());
    EXPECT_FALSE(browser.FindContentShell());
    nsCOMPtr<nsISupports> anything = browser.GetDocLoader();
    EXPECT_EQ(NS_ERROR_NOT_AVAILABLE, browser.AddWindowListener(anything));
    EXPECT_EQ(NS_ERROR_NOT_AVAILABLE, browser.RemoveWindowListener(anything));
  }
  xpcom::testbed::shutdownXPCOM();
}

}  // namespace
