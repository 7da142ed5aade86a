// DWebBrowserEvents2 as IE fires it, received on the thread that advised: the sequence
// for a page, a frameset, a refresh, a new window (made, handed over, cancelled) and a
// quit, with IE's arguments, and BeforeNavigate2's Cancel honoured.
#include "event_log.h"

#include <algorithm>
#include <memory>

namespace mshtml_test {
namespace {

class BrowserEventsTest : public BrowserTest {
 protected:
  void SetUp() override {
    BrowserTest::SetUp();
    ASSERT_TRUE(waitComplete());
    connection_ = std::make_unique<Connection>(browser_.get(), DIID_DWebBrowserEvents2, log);
    ASSERT_EQ(connection_->result(), S_OK);
  }
  void TearDown() override {
    connection_.reset();
    BrowserTest::TearDown();
    log->Release();
  }
  // Loads `url` and waits for its DocumentComplete, which IE fires after the ready
  // state became 4; then forgets the events so far.
  void settle(const std::string& url) {
    load(url);
    ASSERT_TRUE(pumpUntil([&] {
      return std::any_of(log_.events.begin(), log_.events.end(),
                         [&](const BrowserEvent& e) { return e.id == DISPID_DOCUMENTCOMPLETE && e.url == url; });
    }));
    log_.events.clear();
  }
  bool waitFor(DISPID id, size_t count = 1) {
    return pumpUntil([&] {
      return static_cast<size_t>(std::count_if(log_.events.begin(), log_.events.end(),
                                               [&](const BrowserEvent& e) { return e.id == id; })) >= count;
    });
  }

  EventLog* log = new EventLog;
  EventLog& log_ = *log;
  std::unique_ptr<Connection> connection_;
};

constexpr std::initializer_list<DISPID> kNavigation = {DISPID_BEFORENAVIGATE2, DISPID_DOWNLOADBEGIN,
                                                       DISPID_NAVIGATECOMPLETE2, DISPID_DOWNLOADCOMPLETE,
                                                       DISPID_DOCUMENTCOMPLETE, DISPID_NEWWINDOW2, DISPID_ONQUIT};

TEST_F(BrowserEventsTest, PageLoadFiresInIEOrderWithIEArguments) {
  const std::string url = page("plain.html", "<html><head><title>Plain</title></head><body>x</body></html>");
  load(url);
  ASSERT_TRUE(waitFor(DISPID_DOCUMENTCOMPLETE));
  EXPECT_EQ(log_.ids(kNavigation),
            (std::vector<DISPID>{DISPID_BEFORENAVIGATE2, DISPID_DOWNLOADBEGIN, DISPID_NAVIGATECOMPLETE2,
                                 DISPID_DOWNLOADCOMPLETE, DISPID_DOCUMENTCOMPLETE}));
  IUnknown* top = identity(browser_.get());
  for (const BrowserEvent& e : log_.events) {
    if (e.id == DISPID_BEFORENAVIGATE2 || e.id == DISPID_NAVIGATECOMPLETE2 || e.id == DISPID_DOCUMENTCOMPLETE) {
      SCOPED_TRACE(e.id);
      EXPECT_EQ(e.about, top);
      EXPECT_EQ(e.url, url);
    }
  }
  EXPECT_TRUE(log_.events.front().frameNameNull);  // a top-level navigation names no frame
  EXPECT_TRUE(log_.received(DISPID_TITLECHANGE));
}

TEST_F(BrowserEventsTest, CommandStateTellsWhetherBackAndForwardWork) {
  settle(page("one.html", "<title>One</title>"));
  settle(page("two.html", "<title>Two</title>"));
  ASSERT_EQ(browser_->GoBack(), S_OK);
  ASSERT_TRUE(waitFor(DISPID_DOCUMENTCOMPLETE));
  bool back = false, forward = false;
  for (const BrowserEvent& e : log_.events) {
    if (e.id != DISPID_COMMANDSTATECHANGE) continue;
    if (e.command == CSC_NAVIGATEBACK) back = e.enabled;
    if (e.command == CSC_NAVIGATEFORWARD) forward = e.enabled;
  }
  EXPECT_TRUE(back);     // about:blank is still behind "one"
  EXPECT_TRUE(forward);  // "two" is ahead
  ASSERT_EQ(browser_->GoForward(), S_OK);
  ASSERT_TRUE(waitComplete());
}

TEST_F(BrowserEventsTest, FramesetCompletesEachFrameThenTheTop) {
  const std::string left = page("left.html", "<title>L</title><p>left</p>");
  const std::string right = page("right.html", "<title>R</title><p>right</p>");
  const std::string top = page("set.html",
                               "<html><head><title>Set</title></head><frameset cols='50%,50%'>"
                               "<frame name='nav' src='left.html'><frame name='main' src='right.html'></frameset></html>");
  load(top);
  ASSERT_TRUE(waitFor(DISPID_DOCUMENTCOMPLETE, 3));

  std::vector<const BrowserEvent*> completes;
  std::vector<const BrowserEvent*> frameNavigations;
  for (const BrowserEvent& e : log_.events) {
    if (e.id == DISPID_DOCUMENTCOMPLETE) completes.push_back(&e);
    if (e.id == DISPID_BEFORENAVIGATE2 && e.url != top) frameNavigations.push_back(&e);
  }
  ASSERT_EQ(completes.size(), 3u);
  EXPECT_EQ(completes[0]->url, left);
  EXPECT_EQ(completes[1]->url, right);
  EXPECT_EQ(completes[2]->url, top);
  EXPECT_EQ(completes[2]->about, identity(browser_.get()));
  EXPECT_NE(completes[0]->about, identity(browser_.get()));
  EXPECT_NE(completes[0]->about, completes[1]->about);

  ASSERT_EQ(frameNavigations.size(), 2u);
  EXPECT_EQ(frameNavigations[0]->frameName, "nav");
  EXPECT_EQ(frameNavigations[1]->frameName, "main");
  EXPECT_FALSE(frameNavigations[0]->frameNameNull);
  // The frame's pDisp is the frame's own browser, the one its DocumentComplete names.
  EXPECT_EQ(frameNavigations[0]->about, completes[0]->about);
}

TEST_F(BrowserEventsTest, RefreshDownloadsWithoutNavigating) {
  settle(page("again.html", "<title>Again</title><p>again</p>"));
  ASSERT_EQ(browser_->Refresh(), S_OK);
  ASSERT_TRUE(waitFor(DISPID_DOWNLOADCOMPLETE));
  ASSERT_TRUE(waitComplete());
  // As IE: a refresh is a download alone, with no BeforeNavigate2, NavigateComplete2 or
  // DocumentComplete (the system detects refreshes this way).
  EXPECT_EQ(log_.ids(kNavigation), (std::vector<DISPID>{DISPID_DOWNLOADBEGIN, DISPID_DOWNLOADCOMPLETE}));
}

TEST_F(BrowserEventsTest, CancelledNavigationStaysOnThePage) {
  const std::string first = page("stay.html", "<title>Stay</title>");
  settle(first);
  const std::string second = page("blocked.html", "<title>Blocked</title>");
  log_.cancelNavigationTo = "blocked";
  ASSERT_EQ(navigate(second), S_OK);
  ASSERT_TRUE(waitFor(DISPID_BEFORENAVIGATE2));
  ASSERT_TRUE(waitComplete());
  // Give a navigation that wrongly went on the time to show itself.
  pumpUntil([&] { return log_.received(DISPID_NAVIGATECOMPLETE2); }, 200);
  EXPECT_EQ(log_.ids(kNavigation), (std::vector<DISPID>{DISPID_BEFORENAVIGATE2}));
  Bstr location;
  ASSERT_EQ(browser_->get_LocationURL(location.out()), S_OK);
  EXPECT_EQ(location.text(), first);
}

class NewWindowTest : public BrowserEventsTest {
 protected:
  void openPopup() {
    popup_ = page("popup.html", "<title>Popup</title><p>popup</p>");
    settle(page("opener.html", "<title>Opener</title><a id='pop' href='popup.html' target='_blank'>open</a>"));
    Ref<IHTMLElement> link = elementById("pop");
    ASSERT_TRUE(link);
    ASSERT_EQ(link->click(), S_OK);
    ASSERT_TRUE(waitFor(DISPID_NEWWINDOW2));
  }
  std::string popup_;
};

TEST_F(NewWindowTest, SinkCancelsTheNewWindow) {
  log_.cancelNewWindow = true;
  openPopup();
  pumpUntil([] { return false; }, 100);
  EXPECT_EQ(log_.ids(kNavigation), (std::vector<DISPID>{DISPID_NEWWINDOW2}));
  EXPECT_EQ(FindWindowA("IEFrame", "Popup - Microsoft Internet Explorer"), nullptr);
  Bstr location;
  browser_->get_LocationURL(location.out());
  EXPECT_NE(location.text(), popup_);
}

TEST_F(NewWindowTest, SinkHandsOverABrowserThatShowsTheNewWindow) {
  Ref<IWebBrowser2> host;
  ASSERT_EQ(CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, IID_IWebBrowser2, host.outVoid()),
            S_OK);
  Ref<IDispatch> application;
  ASSERT_EQ(host->get_Application(application.out()), S_OK);
  log_.newWindowHost = application.get();
  openPopup();
  EXPECT_TRUE(pumpUntil([&] {
    Bstr location;
    READYSTATE state = READYSTATE_UNINITIALIZED;
    return SUCCEEDED(host->get_LocationURL(location.out())) && location.text() == popup_ &&
           SUCCEEDED(host->get_ReadyState(&state)) && state == READYSTATE_COMPLETE;
  }));
  log_.newWindowHost = nullptr;
  host->Quit();
}

TEST_F(NewWindowTest, WithoutAHostTheInstanceOpensItsOwnWindow) {
  openPopup();
  EXPECT_TRUE(pumpUntil([] { return FindWindowA("IEFrame", "Popup - Microsoft Internet Explorer") != nullptr; }));
  HWND popup = FindWindowA("IEFrame", "Popup - Microsoft Internet Explorer");
  ASSERT_TRUE(popup);
  PostMessageA(popup, WM_CLOSE, 0, 0);
  EXPECT_TRUE(pumpUntil([&] { return !IsWindow(popup); }));
}

TEST_F(BrowserEventsTest, QuitFiresOnQuit) {
  settle(page("last.html", "<title>Last</title>"));
  ASSERT_EQ(browser_->Quit(), S_OK);
  EXPECT_TRUE(waitFor(DISPID_ONQUIT));
  EXPECT_EQ(log_.ids(kNavigation), (std::vector<DISPID>{DISPID_ONQUIT}));
}

TEST_F(BrowserEventsTest, SinkMayCallTheBrowserWhileAnEventIsDelivered) {
  // The recorder reads the ready state and the document inside DocumentComplete; the
  // browser thread serves those calls while it waits for the sink.
  struct ReadingLog : EventLog {
    IWebBrowser2* browser = nullptr;
    READYSTATE stateAtComplete = READYSTATE_UNINITIALIZED;
    std::string titleAtComplete;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* info, UINT* error) override {
      if (id == DISPID_DOCUMENTCOMPLETE) {
        browser->get_ReadyState(&stateAtComplete);
        Ref<IDispatch> dispatch;
        browser->get_Document(dispatch.out());
        Ref<IHTMLDocument2> doc;
        if (dispatch && SUCCEEDED(dispatch.query(IID_IHTMLDocument2, doc))) {
          Bstr title;
          doc->get_title(title.out());
          titleAtComplete = title.text();
        }
      }
      return EventLog::Invoke(id, riid, lcid, flags, params, result, info, error);
    }
  };
  Ref<ReadingLog> owner(new ReadingLog);
  ReadingLog& reader = *owner.get();
  reader.browser = browser_.get();
  Connection connection(browser_.get(), DIID_DWebBrowserEvents2, &reader);
  ASSERT_EQ(connection.result(), S_OK);
  load(page("read.html", "<title>Read Me</title>"));
  ASSERT_TRUE(pumpUntil([&] { return reader.received(DISPID_DOCUMENTCOMPLETE); }));
  EXPECT_EQ(reader.stateAtComplete, READYSTATE_COMPLETE);
  EXPECT_EQ(reader.titleAtComplete, "Read Me");
}

}  // namespace
}  // namespace mshtml_test
