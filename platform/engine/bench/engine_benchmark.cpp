// The engine's own cost on the browser thread, the floor under the browser faces:
// loading the largest sample page, and walking every element's basic properties.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "engine/browser.h"
#include "engine/document.h"
#include "engine/node.h"
#include "engine/url.h"

namespace {

const std::string kLargePage = engine::url::fromPath(std::string(TW_EXAMPLE_SITE) + "/large.html");

bool loadLarge(engine::Browser& browser, std::shared_ptr<engine::Window>& window) {
    browser.thread().call([&] {
        if (!window) {
            window = browser.openWindow(kLargePage);
        } else {
            browser.reload(*window);
        }
    });
    return browser.thread().waitUntil([&] { return !browser.busy(); }, 60000);
}

void BM_LoadLargestSamplePage(benchmark::State& state) {
    engine::Browser browser;
    std::shared_ptr<engine::Window> window;
    std::size_t elements = 0;
    for (auto _ : state) {
        if (!loadLarge(browser, window)) {
            state.SkipWithError("the page did not load");
            break;
        }
    }
    browser.thread().call([&] {
        elements = window->document()->all().size();
        window.reset();
    });
    state.counters["elements"] = static_cast<double>(elements);
}
BENCHMARK(BM_LoadLargestSamplePage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WalkAllElementsBasicProperties(benchmark::State& state) {
    engine::Browser browser;
    std::shared_ptr<engine::Window> window;
    if (!loadLarge(browser, window)) {
        state.SkipWithError("the page did not load");
        return;
    }
    std::size_t elements = 0;
    for (auto _ : state) {
        browser.thread().call([&] {
            std::size_t bytes = 0;
            const auto& all = window->document()->all();
            for (const auto& element : all) {
                bytes += element->tagName().size() + element->id().size() + element->name().size() +
                         element->type().size() + element->value().size() + element->title().size();
                bytes += static_cast<std::size_t>(element->sourceIndex());
                if (element->isFormField()) bytes += element->form() ? 1 : 0;
            }
            elements = all.size();
            benchmark::DoNotOptimize(bytes);
        });
    }
    browser.thread().call([&] { window.reset(); });
    state.counters["elements"] = static_cast<double>(elements);
    state.counters["per_element_ns"] =
        benchmark::Counter(static_cast<double>(elements), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WalkAllElementsBasicProperties)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
