// What the browser conformance tests share: a COM thread that creates Internet Explorer
// the way the system does, pages written to a temporary folder, waits that pump the
// thread (so sinks and carried calls are served) with a bound, and small smart types.
#pragma once

#include <exdisp.h>
#include <mshtml.h>
#include <objbase.h>
#include <oleauto.h>
#include <platform_internal/thread_calls.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace mshtml_test {

// A counted reference, released at scope end.
template <typename T>
class Ref {
 public:
  Ref() = default;
  explicit Ref(T* adopted) : p_(adopted) {}
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  Ref(Ref&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
  Ref& operator=(Ref&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = other.p_;
      other.p_ = nullptr;
    }
    return *this;
  }
  ~Ref() { reset(); }
  void reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  T** out() {
    reset();
    return &p_;
  }
  void** outVoid() { return reinterpret_cast<void**>(out()); }
  template <typename Q>
  HRESULT query(REFIID iid, Ref<Q>& target) const {
    return p_ ? p_->QueryInterface(iid, target.outVoid()) : E_POINTER;
  }

 private:
  T* p_ = nullptr;
};

// A BSTR, freed at scope end; null stays null (absent), "" is empty.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const char* text);
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(b_); }
  BSTR* out() {
    SysFreeString(b_);
    b_ = nullptr;
    return &b_;
  }
  BSTR get() const { return b_; }
  bool isNull() const { return b_ == nullptr; }
  std::string text() const;  // UTF-8; "" for null

 private:
  BSTR b_ = nullptr;
};

// Pumps the calling thread (carried calls and messages) until `done` holds or
// `timeoutMs` of real time passed; returns whether it held.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);

std::string fileUrl(const std::filesystem::path& path);

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes `html` as `name` in this test's folder and returns its file:// URL.
  std::string page(const std::string& name, const std::string& html);
  // Navigate2 to `url`; returns its result.
  HRESULT navigate(const std::string& url);
  // Waits for ReadyState 4 (READYSTATE_COMPLETE).
  bool waitComplete(int timeoutMs = 5000);
  // Navigates and waits; fails the test (at the caller's line) when it does not complete.
  void load(const std::string& url);
  Ref<IHTMLDocument2> document();
  Ref<IHTMLElement> elementById(const char* id);

  Ref<IWebBrowser2> browser_;
  std::filesystem::path folder_;
};

}  // namespace mshtml_test
