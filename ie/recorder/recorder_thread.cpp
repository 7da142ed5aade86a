#include "recorder/recorder_thread.h"

#include <atomic>

#include "common/trace_log.h"
#include "core/skerrow_app.h"

namespace {

constexpr const char* kHiddenWindowClass = "CSkerrowApp";
constexpr const char* kHiddenWindowTitle = "ZURI Daruru";
constexpr const char* kHookLibrary = "Tapwire.dll";

using InstallHookProc = int (*)(HWND);
using UnHookProc = int (*)(int);

std::atomic<HWND> hiddenWindow{nullptr};
std::atomic<HMODULE> hookLibrary{nullptr};
std::atomic<HANDLE> subscribed{nullptr};
constexpr DWORD kSubscribeTimeoutMs = 10000;

bool registerHiddenWindowClass(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = hiddenWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kHiddenWindowClass;
  // A later recorder thread finds the class registered by an earlier one.
  return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void runMessageLoop() {
  MSG message;
  while (GetMessage(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
}

}  // namespace

HANDLE startRecorderThread(CSkerrowApp& app) {
  // Wait until the new thread has subscribed to the browser's events, so that a page
  // navigated to right after (goToURL) cannot finish loading unseen.
  subscribed = CreateEvent(nullptr, TRUE, FALSE, nullptr);
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, recorderThreadMain, &app, 0, &id);
  if (thread != nullptr) {
    SetThreadPriority(thread, THREAD_PRIORITY_LOWEST);
    WaitForSingleObject(subscribed, kSubscribeTimeoutMs);
  }
  CloseHandle(subscribed.exchange(nullptr));
  return thread;
}

DWORD WINAPI recorderThreadMain(LPVOID parameter) {
  auto& app = *static_cast<CSkerrowApp*>(parameter);
  trace("-- Start of Recorder Thread --\n");
  CoInitialize(nullptr);
  CWebBrowser2& browser = app.webBrowser();
  browser.unmarshalLatest();
  if (browser.browser() == nullptr) trace("Browser Instance is null\n");
  browser.startRecordingOnBrowser();
  if (HANDLE ready = subscribed.load()) SetEvent(ready);

  if (hiddenWindow.load() == nullptr) {
    if (!registerHiddenWindowClass(app.moduleInstance())) {
      trace("SinkEvents:\tClass Registration Failed\n");
      return 0;
    }
    hiddenWindow = CreateWindowExA(0, kHiddenWindowClass, kHiddenWindowTitle, WS_OVERLAPPEDWINDOW, 10, 10, 150, 100,
                                   nullptr, nullptr, app.moduleInstance(), nullptr);
    if (hookLibrary.load() == nullptr) {
      hookLibrary = LoadLibraryA(kHookLibrary);
      // Without the hook nothing is recorded from native windows; but this thread is
      // also where the browser's events arrive, so it goes on serving them. Ending it
      // here would stop page recording and leave the loops waiting for a last window
      // close they would never hear of.
      if (hookLibrary.load() == nullptr) trace("SkerrowApp :\tTapwire.dll library load FAILED \n");
    }
    if (const HMODULE library = hookLibrary.load()) {
      if (auto installHook = reinterpret_cast<InstallHookProc>(
              reinterpret_cast<void (*)()>(GetProcAddress(library, "InstallHook"))))
        installHook(hiddenWindow);
    }
    runMessageLoop();
  }
  trace("---- End of Recorder Thread ---\n");
  return 0;
}

void removeHookAndHiddenWindow() {
  if (HMODULE library = hookLibrary.exchange(nullptr)) {
    if (auto unHook = reinterpret_cast<UnHookProc>(reinterpret_cast<void (*)()>(GetProcAddress(library, "UnHook")))) unHook(0);
    FreeLibrary(library);
  }
  // The window belongs to the recorder thread, and only its own thread can destroy a
  // window: ask it to close, which ends the thread's message loop.
  if (HWND window = hiddenWindow.exchange(nullptr)) PostMessage(window, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK hiddenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      // The recorder thread has nothing left to serve once its window is gone.
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProc(window, message, wParam, lParam);
  }
}
