// Scanning every element of the largest sample page through MSHTML, reading tagName, id
// and sourceIndex, as the element finders do: once on the browser thread (each call
// direct) and once from another thread (each call carried to the browser thread).
// ElementScanRatio does both in turn on the same elements and reports carried time over
// in-thread time, and the calls carried per element.
#include <exdisp.h>
#include <mshtml.h>
#include <objbase.h>
#include <oleauto.h>
#include <platform_internal/carried_call_count.h>
#include <platform_internal/thread_calls.h>
#include <testbed/internet_explorer.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

struct Browser {
  IWebBrowser2* browser = nullptr;
  IHTMLElementCollection* all = nullptr;
  LONG length = 0;

  Browser() {
    CoInitialize(nullptr);
    if (FAILED(CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER, IID_IWebBrowser2,
                                reinterpret_cast<void**>(&browser)))) {
      return;
    }
    const std::string url = std::string("file://") + TW_EXAMPLE_SITE + "/large.html";
    std::u16string wide(url.begin(), url.end());
    VARIANT address;
    VariantInit(&address);
    V_VT(&address) = VT_BSTR;
    V_BSTR(&address) = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(wide.data()), static_cast<UINT>(wide.size()));
    browser->Navigate2(&address, nullptr, nullptr, nullptr, nullptr);
    VariantClear(&address);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    READYSTATE state = READYSTATE_UNINITIALIZED;
    BSTR location = nullptr;
    while (std::chrono::steady_clock::now() < deadline) {
      SysFreeString(location);
      location = nullptr;
      browser->get_LocationURL(&location);
      browser->get_ReadyState(&state);
      if (state == READYSTATE_COMPLETE && location && SysStringLen(location) == wide.size()) break;
      win32::internal::waitForCallsOrMessages(10);
    }
    SysFreeString(location);
    IDispatch* dispatch = nullptr;
    browser->get_Document(&dispatch);
    IHTMLDocument2* document = nullptr;
    if (dispatch) dispatch->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&document));
    if (document) document->get_all(&all);
    if (all) all->get_length(&length);
    if (document) document->Release();
    if (dispatch) dispatch->Release();
  }
  ~Browser() {
    if (all) all->Release();
    if (browser) {
      browser->Quit();
      browser->Release();
    }
    CoUninitialize();
  }
};

// Reads tagName, id and sourceIndex of every element; returns how many were read.
long scan(IHTMLElementCollection* all, LONG length) {
  long read = 0;
  for (LONG i = 0; i < length; ++i) {
    VARIANT index, none;
    VariantInit(&index);
    VariantInit(&none);
    V_VT(&index) = VT_I4;
    V_I4(&index) = i;
    IDispatch* item = nullptr;
    if (FAILED(all->item(index, none, &item)) || !item) continue;
    IHTMLElement* element = nullptr;
    item->QueryInterface(IID_IHTMLElement, reinterpret_cast<void**>(&element));
    item->Release();
    if (!element) continue;
    BSTR tag = nullptr, id = nullptr;
    LONG sourceIndex = -1;
    element->get_tagName(&tag);
    element->get_id(&id);
    element->get_sourceIndex(&sourceIndex);
    benchmark::DoNotOptimize(sourceIndex);
    SysFreeString(tag);
    SysFreeString(id);
    element->Release();
    ++read;
  }
  return read;
}

void ElementScanOnBrowserThread(benchmark::State& state) {
  Browser b;
  if (!b.all) {
    state.SkipWithError("the page did not load");
    return;
  }
  for (auto _ : state) {
    long read = 0;
    testbed::ie::onBrowserThread(b.browser, [&] { read = scan(b.all, b.length); });
    benchmark::DoNotOptimize(read);
  }
  state.counters["elements"] = static_cast<double>(b.length);
  state.SetItemsProcessed(state.iterations() * b.length);
}
BENCHMARK(ElementScanOnBrowserThread)->Unit(benchmark::kMillisecond);

void ElementScanFromAnotherThread(benchmark::State& state) {
  Browser b;
  if (!b.all) {
    state.SkipWithError("the page did not load");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(scan(b.all, b.length));
  state.counters["elements"] = static_cast<double>(b.length);
  state.SetItemsProcessed(state.iterations() * b.length);
}
BENCHMARK(ElementScanFromAnotherThread)->Unit(benchmark::kMillisecond);

// Medians of both scans, taken alternately so that both see the same machine load.
void ElementScanRatio(benchmark::State& state) {
  Browser b;
  if (!b.all) {
    state.SkipWithError("the page did not load");
    return;
  }
  using Clock = std::chrono::steady_clock;
  std::vector<double> inThread, carried;
  std::uint64_t calls = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    long read = 0;
    testbed::ie::onBrowserThread(b.browser, [&] { read = scan(b.all, b.length); });
    inThread.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    const std::uint64_t before = win32::internal::carriedCallCount();
    start = Clock::now();
    read += scan(b.all, b.length);
    carried.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    calls += win32::internal::carriedCallCount() - before;
    benchmark::DoNotOptimize(read);
  }
  const auto median = [](std::vector<double>& v) {
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
  };
  const double inThreadMs = median(inThread);
  const double carriedMs = median(carried);
  state.counters["elements"] = static_cast<double>(b.length);
  state.counters["in_thread_ms"] = inThreadMs;
  state.counters["carried_ms"] = carriedMs;
  state.counters["ratio"] = inThreadMs > 0 ? carriedMs / inThreadMs : 0;
  state.counters["calls_per_element"] =
      static_cast<double>(calls) / static_cast<double>(state.iterations()) / static_cast<double>(b.length);
}
BENCHMARK(ElementScanRatio)->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace
