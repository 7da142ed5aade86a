// How long the platform's messaging and waits take: SendMessage within a thread and
// across threads, a carried call, and the wake-up of a WaitForMultipleObjects.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "platform_internal/thread_calls.h"

namespace {

LRESULT CALLBACK echo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) return static_cast<LRESULT>(wParam + 1);
  return DefWindowProcA(window, message, wParam, lParam);
}

void registerEcho() {
  static const ATOM atom = [] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = echo;
    windowClass.lpszClassName = "BenchEcho";
    return RegisterClassA(&windowClass);
  }();
  (void)atom;
}

HWND makeEcho() {
  registerEcho();
  return CreateWindowExA(0, "BenchEcho", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

// A thread that owns one echo window and pumps until told to quit.
struct PumpingThread {
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HWND window = nullptr;
  DWORD id = 0;
  HANDLE thread = nullptr;

  PumpingThread() {
    thread = CreateThread(nullptr, 0, &PumpingThread::main, this, 0, &id);
    WaitForSingleObject(ready, INFINITE);
  }
  ~PumpingThread() {
    PostThreadMessageA(id, WM_QUIT, 0, 0);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    CloseHandle(ready);
  }
  static DWORD WINAPI main(LPVOID self) {
    auto* pumping = static_cast<PumpingThread*>(self);
    pumping->window = makeEcho();
    SetEvent(pumping->ready);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    DestroyWindow(pumping->window);
    return 0;
  }
};

void SendMessageSameThread(benchmark::State& state) {
  HWND window = makeEcho();
  WPARAM value = 0;
  for (auto _ : state) {
    value = static_cast<WPARAM>(SendMessageA(window, WM_APP, value, 0));
    benchmark::DoNotOptimize(value);
  }
  DestroyWindow(window);
}
BENCHMARK(SendMessageSameThread);

void SendMessageAcrossThreads(benchmark::State& state) {
  PumpingThread receiver;
  WPARAM value = 0;
  for (auto _ : state) {
    value = static_cast<WPARAM>(SendMessageA(receiver.window, WM_APP, value, 0));
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(SendMessageAcrossThreads)->UseRealTime();

void CallOnThread(benchmark::State& state) {
  PumpingThread receiver;
  int value = 0;
  for (auto _ : state) {
    win32::internal::callOnThread(receiver.id, [&] { ++value; });
  }
  benchmark::DoNotOptimize(value);
}
BENCHMARK(CallOnThread)->UseRealTime();

// Ping-pong between two threads, each waking from WaitForMultipleObjects: one
// iteration is two wake-ups.
struct Waker {
  HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE ping = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HANDLE pong = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HANDLE thread = nullptr;

  Waker() { thread = CreateThread(nullptr, 0, &Waker::main, this, 0, nullptr); }
  ~Waker() {
    SetEvent(stop);
    WaitForSingleObject(thread, INFINITE);
    for (HANDLE h : {thread, stop, ping, pong}) CloseHandle(h);
  }
  static DWORD WINAPI main(LPVOID self) {
    auto* waker = static_cast<Waker*>(self);
    const HANDLE handles[] = {waker->stop, waker->ping};
    while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) SetEvent(waker->pong);
    return 0;
  }
};

void WaitForMultipleObjectsWakeUp(benchmark::State& state) {
  Waker waker;
  const HANDLE handles[] = {waker.stop, waker.pong};
  for (auto _ : state) {
    SetEvent(waker.ping);
    benchmark::DoNotOptimize(WaitForMultipleObjects(2, handles, FALSE, INFINITE));
  }
}
BENCHMARK(WaitForMultipleObjectsWakeUp)->UseRealTime();

}  // namespace
