// The WebBrowser object as the system drives it from its own threads: creation, loading
// a page to ready state 4, the properties it reads, the frame window and quitting.
#include "browser_fixture.h"

#include <commctrl.h>

namespace mshtml_test {
namespace {

using WebBrowserTest = BrowserTest;

std::string className(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string windowText(HWND window) {
  char text[260] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND childOfClass(HWND parent, const char* wanted, int skip = 0) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (className(child) == wanted && skip-- == 0) return child;
  }
  return nullptr;
}

TEST_F(WebBrowserTest, StartsHiddenOnAboutBlank) {
  ASSERT_TRUE(waitComplete());
  Bstr url;
  ASSERT_EQ(browser_->get_LocationURL(url.out()), S_OK);
  EXPECT_EQ(url.text(), "about:blank");
  VARIANT_BOOL visible = VARIANT_TRUE;
  ASSERT_EQ(browser_->get_Visible(&visible), S_OK);
  EXPECT_EQ(visible, VARIANT_FALSE);
  ASSERT_EQ(browser_->put_Visible(VARIANT_TRUE), S_OK);
  ASSERT_EQ(browser_->get_Visible(&visible), S_OK);
  EXPECT_EQ(visible, VARIANT_TRUE);  // -1, as the system widens it
}

TEST_F(WebBrowserTest, LoadsAPageToReadyStateComplete) {
  load(page("first.html", "<html><head><title>First Page</title></head><body><p id=x>Hi</p></body></html>"));
  READYSTATE state = READYSTATE_UNINITIALIZED;
  ASSERT_EQ(browser_->get_ReadyState(&state), S_OK);
  EXPECT_EQ(state, READYSTATE_COMPLETE);
  VARIANT_BOOL busy = VARIANT_TRUE;
  ASSERT_EQ(browser_->get_Busy(&busy), S_OK);
  EXPECT_EQ(busy, VARIANT_FALSE);

  Ref<IHTMLDocument2> doc = document();
  ASSERT_TRUE(doc);
  Bstr title;
  ASSERT_EQ(doc->get_title(title.out()), S_OK);
  EXPECT_EQ(title.text(), "First Page");
  Bstr readyState;
  ASSERT_EQ(doc->get_readyState(readyState.out()), S_OK);
  EXPECT_EQ(readyState.text(), "complete");
  Bstr name;
  ASSERT_EQ(browser_->get_LocationName(name.out()), S_OK);
  EXPECT_EQ(name.text(), "First Page");
}

TEST_F(WebBrowserTest, FrameWindowHasTheControlsNativeCodeLooksFor) {
  load(page("titled.html", "<html><head><title>Titled</title></head><body></body></html>"));
  SHANDLE_PTR handle = 0;
  ASSERT_EQ(browser_->get_HWND(&handle), S_OK);
  HWND frame = reinterpret_cast<HWND>(handle);
  ASSERT_TRUE(IsWindow(frame));
  EXPECT_EQ(className(frame), "IEFrame");
  EXPECT_EQ(windowText(frame), "Titled - Microsoft Internet Explorer");

  HWND worker = childOfClass(frame, "WorkerW");
  ASSERT_TRUE(worker);
  HWND rebar = childOfClass(worker, "ReBarWindow32");
  ASSERT_TRUE(rebar);
  // The first toolbar is the menu band, so the recorder takes the next one.
  HWND menu = childOfClass(rebar, "ToolbarWindow32");
  HWND toolbar = childOfClass(rebar, "ToolbarWindow32", 1);
  ASSERT_TRUE(menu && toolbar);
  EXPECT_NE(className(GetWindow(menu, GW_HWNDPREV)), "ComboBoxEx32");
  const std::pair<int, const char*> buttons[] = {{0xA021, "Back"},    {0xA022, "Forward"}, {0xA023, "Stop"},
                                                 {0xA024, "Refresh"}, {0xA025, "Home"},    {0xA026, "Search"}};
  for (const auto& [command, text] : buttons) {
    char buffer[256] = {};
    EXPECT_GT(SendMessageA(toolbar, TB_GETBUTTONTEXTA, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_STREQ(buffer, text);
  }

  HWND address = childOfClass(rebar, "ComboBoxEx32");
  ASSERT_TRUE(address);
  HWND combo = childOfClass(address, "ComboBox");
  ASSERT_TRUE(combo);
  EXPECT_TRUE(childOfClass(combo, "Edit"));
  const LRESULT selected = SendMessageA(address, CB_GETCURSEL, 0, 0);
  ASSERT_GE(selected, 0);
  char url[512] = {};
  SendMessageA(address, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(url));
  Bstr location;
  browser_->get_LocationURL(location.out());
  EXPECT_EQ(url, location.text());

  HWND view = childOfClass(frame, "Shell DocObject View");
  ASSERT_TRUE(view);
  EXPECT_TRUE(childOfClass(view, "Internet Explorer_Server"));
}

TEST_F(WebBrowserTest, QuitClosesTheFrameAndLaterCallsFail) {
  ASSERT_TRUE(waitComplete());
  SHANDLE_PTR handle = 0;
  ASSERT_EQ(browser_->get_HWND(&handle), S_OK);
  ASSERT_EQ(browser_->Quit(), S_OK);
  EXPECT_TRUE(pumpUntil([&] { return !IsWindow(reinterpret_cast<HWND>(handle)); }));
  // A quit browser is no longer the running one, and its calls fail.
  Ref<IUnknown> running;
  EXPECT_TRUE(FAILED(GetActiveObject(CLSID_InternetExplorer, nullptr, running.out())));
  Ref<IDispatch> doc;
  EXPECT_TRUE(FAILED(browser_->get_Document(doc.out())));
  EXPECT_TRUE(FAILED(browser_->Quit()));
}

TEST_F(WebBrowserTest, RunningBrowserIsFoundByGetActiveObject) {
  Ref<IUnknown> running;
  ASSERT_EQ(GetActiveObject(CLSID_InternetExplorer, nullptr, running.out()), S_OK);
  Ref<IWebBrowser2> found;
  ASSERT_EQ(running.query(IID_IWebBrowser2, found), S_OK);
  Ref<IUnknown> a, b;
  browser_->QueryInterface(IID_IUnknown, a.outVoid());
  found->QueryInterface(IID_IUnknown, b.outVoid());
  EXPECT_EQ(a.get(), b.get());
}

TEST_F(WebBrowserTest, MarshalledBrowserWorksOnAnotherThread) {
  load(page("m.html", "<title>Marshalled</title>"));
  Ref<IStream> stream;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.out()), S_OK);
  ASSERT_EQ(CoMarshalInterface(stream.get(), IID_IWebBrowser2, browser_.get(), 3 /* MSHCTX_INPROC */, nullptr, 0),
            S_OK);
  LARGE_INTEGER start{};
  ASSERT_EQ(stream->Seek(start, 0 /* STREAM_SEEK_SET */, nullptr), S_OK);
  std::string title;
  HRESULT unmarshalled = E_FAIL;
  std::thread other([&] {
    CoInitialize(nullptr);
    Ref<IWebBrowser2> there;
    unmarshalled = CoUnmarshalInterface(stream.get(), IID_IWebBrowser2, there.outVoid());
    if (there) {
      Ref<IDispatch> dispatch;
      there->get_Document(dispatch.out());
      Ref<IHTMLDocument2> doc;
      if (dispatch && SUCCEEDED(dispatch.query(IID_IHTMLDocument2, doc))) {
        Bstr text;
        doc->get_title(text.out());
        title = text.text();
      }
    }
    there.reset();
    CoUninitialize();
  });
  other.join();
  EXPECT_EQ(unmarshalled, S_OK);
  EXPECT_EQ(title, "Marshalled");
}

}  // namespace
}  // namespace mshtml_test
