#include "browser_fixture.h"

#include <atomic>
#include <cstring>
#include <random>

namespace mshtml_test {

Bstr::Bstr(const char* text) {
  std::u16string wide;
  for (const char* c = text; *c; ++c) wide.push_back(static_cast<unsigned char>(*c));
  b_ = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()), static_cast<UINT>(wide.size()));
}

std::string Bstr::text() const {
  std::string out;
  if (!b_) return out;
  const UINT length = SysStringLen(b_);
  for (UINT i = 0; i < length; ++i) {
    const char32_t c = static_cast<char16_t>(b_[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

bool pumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    win32::internal::waitForCallsOrMessages(1000);  // scaled by the test time scale
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return true;
}

std::string fileUrl(const std::filesystem::path& path) { return "file://" + path.string(); }

void BrowserTest::SetUp() {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  static std::atomic<int> counter{0};
  std::random_device random;
  folder_ = std::filesystem::temp_directory_path() /
            ("mshtml-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(folder_);
  ASSERT_EQ(CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, IID_IWebBrowser2,
                             browser_.outVoid()),
            S_OK);
  ASSERT_TRUE(browser_);
}

void BrowserTest::TearDown() {
  if (browser_) {
    // Quit, and serve the calls the browser still makes into this thread (events in
    // flight, releases of this thread's sinks) until its frame has gone.
    SHANDLE_PTR frame = 0;
    browser_->get_HWND(&frame);
    browser_->Quit();
    pumpUntil([&] { return !IsWindow(reinterpret_cast<HWND>(frame)); });
    browser_.reset();
    pumpUntil([] { return false; }, 20);
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
  CoUninitialize();
}

std::string BrowserTest::page(const std::string& name, const std::string& html) {
  const std::filesystem::path path = folder_ / name;
  std::ofstream(path, std::ios::binary) << html;
  return fileUrl(path);
}

HRESULT BrowserTest::navigate(const std::string& url) {
  VARIANT address;
  VariantInit(&address);
  V_VT(&address) = VT_BSTR;
  Bstr text(url.c_str());
  V_BSTR(&address) = text.get();
  return browser_->Navigate2(&address, nullptr, nullptr, nullptr, nullptr);
}

bool BrowserTest::waitComplete(int timeoutMs) {
  return pumpUntil(
      [&] {
        READYSTATE state = READYSTATE_UNINITIALIZED;
        return SUCCEEDED(browser_->get_ReadyState(&state)) && state == READYSTATE_COMPLETE;
      },
      timeoutMs);
}

void BrowserTest::load(const std::string& url) {
  ASSERT_EQ(navigate(url), S_OK);
  // The load goes on asynchronously: first the ready state leaves 4 ...
  pumpUntil([&] {
    Bstr location;
    return SUCCEEDED(browser_->get_LocationURL(location.out())) && location.text() == url;
  });
  ASSERT_TRUE(waitComplete()) << url;
}

Ref<IHTMLDocument2> BrowserTest::document() {
  Ref<IDispatch> dispatch;
  EXPECT_EQ(browser_->get_Document(dispatch.out()), S_OK);
  Ref<IHTMLDocument2> doc;
  if (dispatch) {
    EXPECT_EQ(dispatch.query(IID_IHTMLDocument2, doc), S_OK);
  }
  return doc;
}

Ref<IHTMLElement> BrowserTest::elementById(const char* id) {
  Ref<IHTMLDocument2> doc = document();
  Ref<IHTMLDocument3> doc3;
  Ref<IHTMLElement> element;
  if (doc && SUCCEEDED(doc.query(IID_IHTMLDocument3, doc3))) {
    Bstr name(id);
    doc3->getElementById(name.get(), element.out());
  }
  return element;
}

}  // namespace mshtml_test
