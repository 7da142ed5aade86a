#include "recorder/recorder_thread.h"

#include <atomic>
#include <mutex>

#include "common/trace_log.h"
#include "core/skerrow_app.h"
#include "recorder/native_window_recorder.h"

namespace {

constexpr const char* kHiddenWindowClass = "CSkerrowApp";
constexpr const char* kHiddenWindowTitle = "ZURI Daruru";
constexpr const char* kHookLibrary = "Tapwire.dll";

using InstallHookProc = int (*)(HWND);
using UnHookProc = int (*)(int);

std::atomic<HWND> hiddenWindow{nullptr};
std::atomic<HMODULE> hookLibrary{nullptr};
// The event the starter of a recorder thread waits on. Set and closed under its lock, so
// a thread that is late (its starter gave up waiting) never signals a closed handle.
HANDLE subscribed = nullptr;
std::mutex subscribedMutex;

void signalSubscribed() {
  std::lock_guard lock(subscribedMutex);
  if (subscribed != nullptr) SetEvent(subscribed);
}

std::mutex hookMutex;  // installing and removing the hook
constexpr DWORD kSubscribeTimeoutMs = 10000;
constexpr DWORD kSubscribeWaitStepMs = 10;

bool registerHiddenWindowClass(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = hiddenWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kHiddenWindowClass;
  // A later recorder thread finds the class registered by an earlier one.
  return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void serveRecorder(CSkerrowApp& app);

// Set on the recorder thread once its hidden window is destroyed (by Quit).
thread_local bool hiddenWindowGone = false;
// What the hidden window of this thread makes of the hook library's reports.
thread_local recorder::NativeWindowRecorder* nativeWindows = nullptr;
// The browser session the thread serves.
thread_local CWebBrowser2* servedBrowser = nullptr;
// Asks the hidden window's thread to attach the document sinks again.
constexpr UINT kReattachSinks = WM_APP + 0x1A;
constexpr DWORD kReattachPatienceMs = 10000;

// The thread serves the browser's events as long as a browser is open, also after Quit
// has destroyed its window: a window closed after Quit must still reach the table, or
// it stays there for ever and the next session works on a browser that is gone.
void runMessageLoop(CSkerrowApp& app) {
  MSG message;
  while (GetMessage(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessage(&message);
    if (hiddenWindowGone && !app.webBrowser().hasBrowsers()) break;
  }
}

}  // namespace

HANDLE startRecorderThread(CSkerrowApp& app) {
  // Wait until the new thread has subscribed to the browser's events, so that a page
  // navigated to right after (goToURL) cannot finish loading unseen. The record and play
  // loops may start threads at the same time; each waits for its own.
  static std::mutex startMutex;
  std::lock_guard starting(startMutex);
  HANDLE ready = CreateEvent(nullptr, TRUE, FALSE, nullptr);
  {
    std::lock_guard lock(subscribedMutex);
    subscribed = ready;
  }
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, recorderThreadMain, &app, 0, &id);
  if (thread != nullptr) {
    SetThreadPriority(thread, THREAD_PRIORITY_LOWEST);
    // The patience is counted on the tick clock, in short waits: a busy machine may take
    // its time to start a thread of the lowest priority, and giving up early would let
    // the first page load unheard.
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(ready, kSubscribeWaitStepMs) == WAIT_TIMEOUT &&
           GetTickCount() - start < kSubscribeTimeoutMs) {
    }
  }
  {
    std::lock_guard lock(subscribedMutex);
    subscribed = nullptr;
  }
  CloseHandle(ready);
  return thread;
}

DWORD WINAPI recorderThreadMain(LPVOID parameter) {
  // Nothing thrown while the thread serves the browser and the hook may end the process.
  try {
    serveRecorder(*static_cast<CSkerrowApp*>(parameter));
  } catch (...) {
    signalSubscribed();  // the starter waits no longer
  }
  trace("---- End of Recorder Thread ---\n");
  return 0;
}

namespace {

// Loads the hook library and installs the hook for `window`. Quit may come at any time,
// from another thread: it must not unload the library while the hook is being
// installed, nor may the hook be installed after Quit has taken the window.
void installHookFor(HWND window) {
  std::lock_guard lock(hookMutex);
  if (hiddenWindow.load() != window) return;  // Quit came first
  if (hookLibrary.load() == nullptr) {
    hookLibrary = LoadLibraryA(kHookLibrary);
    // Without the hook nothing is recorded from native windows; but this thread is
    // also where the browser's events arrive, so it goes on serving them. Ending it
    // here would stop page recording and leave the loops waiting for a last window
    // close they would never hear of.
    if (hookLibrary.load() == nullptr) trace("SkerrowApp :\tTapwire.dll library load FAILED \n");
  }
  const HMODULE library = hookLibrary.load();
  if (library == nullptr) return;
  if (auto installHook = reinterpret_cast<InstallHookProc>(
          reinterpret_cast<void (*)()>(GetProcAddress(library, "InstallHook")))) {
    // A hook that fails this way records nothing from native windows, like a missing
    // one; the thread still serves the browser's events.
    try {
      installHook(window);
    } catch (...) {
      trace("SkerrowApp :\tInstallHook failed\n");
    }
  }
}

void serveRecorder(CSkerrowApp& app) {
  trace("-- Start of Recorder Thread --\n");
  CoInitialize(nullptr);
  CWebBrowser2& browser = app.webBrowser();
  browser.unmarshalLatest();
  if (browser.browser() == nullptr) trace("Browser Instance is null\n");
  browser.startRecordingOnBrowser();
  // The starter goes on once this thread hears the browser and, when it is the first,
  // the hook library's reports too: the launch line reaches the host after that, and a
  // person acting on the page or in the address bar the moment it arrives is heard.
  const auto ready = [] { signalSubscribed(); };

  if (hiddenWindow.load() != nullptr) {
    ready();
  } else {
    if (!registerHiddenWindowClass(app.moduleInstance())) {
      trace("SinkEvents:\tClass Registration Failed\n");
      ready();
      return;
    }
    recorder::NativeWindowRecorder recorder(app.webBrowser());
    struct Serving {
      Serving(recorder::NativeWindowRecorder& r, CWebBrowser2& b) {
        nativeWindows = &r;
        servedBrowser = &b;
      }
      ~Serving() {
        nativeWindows = nullptr;
        servedBrowser = nullptr;
      }
      Serving(const Serving&) = delete;
      Serving& operator=(const Serving&) = delete;
    } serving(recorder, app.webBrowser());
    const HWND window = CreateWindowExA(0, kHiddenWindowClass, kHiddenWindowTitle, WS_OVERLAPPEDWINDOW, 10, 10, 150,
                                        100, nullptr, nullptr, app.moduleInstance(), nullptr);
    hiddenWindow = window;
    installHookFor(window);
    // A StopRecording and StartRecording that came before the window was there could
    // not ask for the sinks to be attached again.
    app.webBrowser().reattachSinks();
    ready();
    runMessageLoop(app);
  }
}

}  // namespace

void lastBrowserClosedOnRecorderThread() {
  // Calls from the browser are served inside GetMessage; a message makes the loop look
  // at the table again.
  if (hiddenWindowGone) PostThreadMessage(GetCurrentThreadId(), WM_NULL, 0, 0);
}

void reattachSinksOnRecorderThread(CWebBrowser2& browser) {
  if (!browser.reattachPending()) return;
  // A thread still making its window attaches them once the window is there.
  if (const HWND window = hiddenWindow.load()) SendMessageA(window, kReattachSinks, 0, 0);
  // The thread may be attaching them already (the request then finds nothing to do):
  // wait for that to end, so the page records from the moment StartRecording returns.
  const DWORD start = GetTickCount();
  while (browser.reattachPending() && GetTickCount() - start < kReattachPatienceMs) Sleep(1);
}

void removeHookAndHiddenWindow() {
  std::lock_guard lock(hookMutex);
  if (HMODULE library = hookLibrary.exchange(nullptr)) {
    if (auto unHook = reinterpret_cast<UnHookProc>(reinterpret_cast<void (*)()>(GetProcAddress(library, "UnHook")))) {
      // The library is unloaded and the window closed whatever the hook does.
      try {
        unHook(0);
      } catch (...) {
        trace("SkerrowApp :\tUnHook failed\n");
      }
    }
    FreeLibrary(library);
  }
  // The window belongs to the recorder thread, and only its own thread can destroy a
  // window: ask it to close, which ends the thread's message loop.
  if (HWND window = hiddenWindow.exchange(nullptr)) PostMessage(window, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK hiddenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      hiddenWindowGone = true;  // the message loop ends once no browser is left
      return 0;
    case kReattachSinks:
      try {
        if (servedBrowser != nullptr) servedBrowser->reattachSinks();
      } catch (...) {
        trace("SkerrowApp :\tattaching the sinks again failed\n");
      }
      return 0;
    default:
      // The hook library's reports. Nothing thrown while one is handled may leave the
      // procedure: the report was sent from a hook, whose thread waits for the answer.
      try {
        if (nativeWindows != nullptr && nativeWindows->handle(message, wParam, lParam)) return 0;
      } catch (...) {
        trace("SkerrowApp :\tnative window report failed\n");
        return 0;
      }
      return DefWindowProc(window, message, wParam, lParam);
  }
}
