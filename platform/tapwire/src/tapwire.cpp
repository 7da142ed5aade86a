// Tapwire: the hook library that skerrow loads by name ("Tapwire.dll"). InstallHook
// installs window hooks for every thread on behalf of the recorder's hidden window;
// UnHook removes them. The hooks watch what a person does in native windows (dialog
// boxes, the browser's toolbar and address bar) and report it to the hidden window, which
// decides what belongs to a recorded browser and what is recorded.
//
// What is reported, and which window event stands for each report:
//
//   message 0x80AB (wParam: the window)    a top-level window becomes active
//                                           (WH_CBT, HCBT_ACTIVATE)
//   message 0x80AC (wParam: the window)    a top-level window is being created
//                                           (WH_CBT, HCBT_CREATEWND)
//
// and WM_COPYDATA with the code in wParam and a COPYDATASTRUCT in lParam. For the
// command codes dwData is the control identifier and lpData a CommandRecord (the window
// that received the control's notification); for the mouse codes dwData is the
// identifier of the window under the mouse and lpData a MouseRecord (the point in
// screen coordinates, 32 bits each, then that window):
//
//   0x0000  BN_CLICKED: WM_COMMAND of a button or toolbar button, at each window it
//           reaches (a dialog's button at the dialog; a toolbar button at the rebar,
//           which passes it on to its parents)
//   0x0009  CBN_SELENDOK: a combo box's list closed on a choice (WM_COMMAND)
//   0x000D  the Enter key (VK_RETURN) typed into a control of a dialog box (WM_CHAR
//           taken from the queue); W is the control's parent, dwData the control's id
//   0x0010  WM_CLOSE reaching a dialog box (class "#32770"); W is the dialog
//   0x0200  EN_KILLFOCUS: a visible edit control was left (WM_COMMAND at its parent:
//           the dialog, or the combo box that holds the edit)
//   0x0300  EN_CHANGE of a visible edit control whose whole text was set at once (WM_SETTEXT,
//           as a dialog fills its file name box); changes typed key by key are not
//           reported, the edit's EN_KILLFOCUS reports the typed text
//   0x0202  WM_LBUTTONUP, and 0x0203 WM_LBUTTONDBLCLK, on a window (WH_MOUSE)
//   0x0210  a dialog box (class "#32770") shown: its first WM_ACTIVATE after the
//           WM_SHOWWINDOW that showed it, once it has taken the activation from its
//           parent; W is the dialog. Later activations of the same dialog are not
//           reported here (0x80AB tells of them)
//
// Every report is sent, so it reaches the hidden window while the window it tells of is
// as the event left it, and reports arrive in the order of their events. The hooks run
// on the browser's threads, and the hidden window's procedure calls the browser back
// through COM while it handles a report; a sender blocked for good would never serve that
// call. So each report waits at most kReportPatienceMs (SendMessageTimeout): after that
// the browser runs on and the report is still handled, later. Nothing is reported about
// the hidden window itself. After UnHook nothing is reported.
//
// The hooks run inside every process with windows, while InstallHook runs in the
// recorder's: the hook handles, the report window and the count of reports underway live
// in a data section shared by every copy of the library, as a global hook needs.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <mutex>

// Only InstallHook and UnHook are exported; everything else stays inside the library.
#ifdef _WIN32
#define TAPWIRE_EXPORT extern "C" __declspec(dllexport)
#else
#define TAPWIRE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// One copy of these variables for every process that maps the library (Windows only;
// the stand-in runs browser and recorder in one process).
#if defined(_WIN32) && defined(_MSC_VER)
#pragma section(".tapwire", read, write, shared)
#define TAPWIRE_SHARED __declspec(allocate(".tapwire"))
#elif defined(_WIN32)
#define TAPWIRE_SHARED __attribute__((section(".tapwire"), shared))
#else
#define TAPWIRE_SHARED
#endif

namespace {

constexpr UINT kWindowActivated = 0x80AB;
constexpr UINT kWindowCreated = 0x80AC;
constexpr WPARAM kCodeEnterKey = 0x000D;
constexpr WPARAM kCodeDialogClose = 0x0010;
constexpr WPARAM kCodeDialogShown = 0x0210;
constexpr char kDialogClass[] = "#32770";
constexpr DWORD kUnderwayPatienceMs = 5000;
constexpr UINT kReportPatienceMs = 5000;

// The records of the reports; the recorder reads them with the same layout.
struct CommandRecord {
  HWND window;
};
struct MouseRecord {
  std::int32_t x;
  std::int32_t y;
  HWND window;
};

enum HookKind { kCbt, kCallWindow, kCallWindowReturn, kGetMessage, kMouse, kHookKinds };
constexpr int kHookTypes[kHookKinds] = {WH_CBT, WH_CALLWNDPROC, WH_CALLWNDPROCRET, WH_GETMESSAGE, WH_MOUSE};

// The hooks run on every thread that has windows, while InstallHook and UnHook change
// them from the recorder's threads (serialised by hookMutex, in the recorder's process).
std::mutex hookMutex;
TAPWIRE_SHARED std::atomic<HHOOK> hooks[kHookKinds] = {};
TAPWIRE_SHARED std::atomic<HWND> reportWindow{nullptr};
// Reports being sent now: UnHook waits for them, so nothing arrives after it returns.
TAPWIRE_SHARED std::atomic<int> reportsUnderway{0};
static_assert(std::atomic<HWND>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "shared between processes: the atomics must not hide a lock");

// How many WM_SETTEXT calls are being handled on this thread (an edit's EN_CHANGE
// inside one is a whole-text change).
thread_local int settingText = 0;

HINSTANCE thisModule() {
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&reportWindow), &self);
  return self;
}

bool hasClass(HWND window, const char* wanted) {
  char name[64] = {};
  return window != nullptr && GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, wanted) == 0;
}

bool isTopLevel(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) == 0; }

// Whether the window and each window it sits in are visible.
bool isShown(HWND window) {
  for (int depth = 0; window != nullptr && depth < 64; ++depth) {
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    if ((style & WS_VISIBLE) == 0) return false;
    if ((style & WS_CHILD) == 0) return true;
    window = GetParent(window);
  }
  return false;
}

// Counts a report as underway while it is sent; the window reports go to, unless none
// is set or the event is about that window itself.
class Report {
 public:
  explicit Report(HWND about) {
    ++reportsUnderway;
    const HWND window = reportWindow.load();
    target_ = window != nullptr && window != about && IsWindow(window) ? window : nullptr;
  }
  ~Report() { --reportsUnderway; }
  Report(const Report&) = delete;
  Report& operator=(const Report&) = delete;
  HWND target() const { return target_; }

 private:
  HWND target_ = nullptr;
};

// Sends one report, waiting for it at most kReportPatienceMs.
void send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(target, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kReportPatienceMs, &ignored);
}

void reportWindowEvent(UINT message, HWND window) {
  const Report report(window);
  if (report.target()) send(report.target(), message, reinterpret_cast<WPARAM>(window), 0);
}

void reportCommand(WPARAM code, HWND window, int controlId) {
  const Report report(window);
  const HWND target = report.target();
  if (!target) return;
  CommandRecord record{window};
  COPYDATASTRUCT data{};
  data.dwData = static_cast<ULONG_PTR>(static_cast<unsigned>(controlId));
  data.cbData = sizeof record;
  data.lpData = &record;
  send(target, WM_COPYDATA, code, reinterpret_cast<LPARAM>(&data));
}

void reportMouse(WPARAM code, const MOUSEHOOKSTRUCT& mouse) {
  const Report report(mouse.hwnd);
  const HWND target = report.target();
  if (!target || mouse.hwnd == nullptr) return;
  MouseRecord record{static_cast<std::int32_t>(mouse.pt.x), static_cast<std::int32_t>(mouse.pt.y), mouse.hwnd};
  COPYDATASTRUCT data{};
  data.dwData = static_cast<ULONG_PTR>(static_cast<unsigned>(GetDlgCtrlID(mouse.hwnd)));
  data.cbData = sizeof record;
  data.lpData = &record;
  send(target, WM_COPYDATA, code, reinterpret_cast<LPARAM>(&data));
}

LRESULT CALLBACK cbtProc(int code, WPARAM wParam, LPARAM lParam) {
  const auto window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_ACTIVATE) {
    reportWindowEvent(kWindowActivated, window);
  } else if (code == HCBT_CREATEWND && isTopLevel(window)) {
    reportWindowEvent(kWindowCreated, window);
  }
  return CallNextHookEx(hooks[kCbt], code, wParam, lParam);
}

// A control's notification at the window that received it.
void commandSeen(HWND window, WPARAM wParam, LPARAM lParam) {
  if (lParam == 0) return;  // a menu or an accelerator, not a control
  const WORD notification = HIWORD(wParam);
  switch (notification) {
    case BN_CLICKED:
    case CBN_SELENDOK:
      reportCommand(notification, window, LOWORD(wParam));
      break;
    case EN_KILLFOCUS:
      // Only a field a person can see can have been left by one (a dialog being built
      // moves its focus around before it is shown).
      if (isShown(reinterpret_cast<HWND>(lParam))) reportCommand(notification, window, LOWORD(wParam));
      break;
    case EN_CHANGE:
      if (settingText > 0 && isShown(reinterpret_cast<HWND>(lParam))) reportCommand(notification, window, LOWORD(wParam));
      break;
    default:
      break;
  }
}

// The dialog box shown last on this thread and not yet active.
thread_local HWND shownDialog = nullptr;

void showSeen(HWND window, WPARAM shown) {
  if (shown && isTopLevel(window) && hasClass(window, kDialogClass)) shownDialog = window;
}

void activationSeen(HWND window, WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE || window != shownDialog) return;
  shownDialog = nullptr;
  reportCommand(kCodeDialogShown, window, 0);
}

LRESULT CALLBACK callWindowProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam != 0) {
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    switch (call.message) {
      case WM_COMMAND:
        commandSeen(call.hwnd, call.wParam, call.lParam);
        break;
      case WM_SETTEXT:
        ++settingText;
        break;
      case WM_CLOSE:
        if (hasClass(call.hwnd, kDialogClass)) reportCommand(kCodeDialogClose, call.hwnd, 0);
        break;
      case WM_SHOWWINDOW:
        showSeen(call.hwnd, call.wParam);
        break;
      case WM_ACTIVATE:
        activationSeen(call.hwnd, call.wParam);
        break;
      default:
        break;
    }
  }
  return CallNextHookEx(hooks[kCallWindow], code, wParam, lParam);
}

LRESULT CALLBACK callWindowReturnProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam != 0) {
    const auto& returned = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (returned.message == WM_SETTEXT && settingText > 0) --settingText;
  }
  return CallNextHookEx(hooks[kCallWindowReturn], code, wParam, lParam);
}

LRESULT CALLBACK getMessageProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && lParam != 0) {
    const auto& message = *reinterpret_cast<const MSG*>(lParam);
    if (message.message == WM_CLOSE && hasClass(message.hwnd, kDialogClass)) {
      reportCommand(kCodeDialogClose, message.hwnd, 0);
    } else if (message.message == WM_ACTIVATE) {
      activationSeen(message.hwnd, message.wParam);
    } else if (message.message == WM_CHAR && message.wParam == VK_RETURN && message.hwnd != nullptr) {
      const HWND parent = GetParent(message.hwnd);
      if (hasClass(parent, kDialogClass)) reportCommand(kCodeEnterKey, parent, GetDlgCtrlID(message.hwnd));
    }
  }
  return CallNextHookEx(hooks[kGetMessage], code, wParam, lParam);
}

LRESULT CALLBACK mouseProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && lParam != 0 && (wParam == WM_LBUTTONUP || wParam == WM_LBUTTONDBLCLK)) {
    reportMouse(wParam, *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam));
  }
  return CallNextHookEx(hooks[kMouse], code, wParam, lParam);
}

constexpr HOOKPROC kHookProcs[kHookKinds] = {cbtProc, callWindowProc, callWindowReturnProc, getMessageProc,
                                             mouseProc};

void removeHooks() {
  for (auto& hook : hooks) {
    if (HHOOK handle = hook.exchange(nullptr)) UnhookWindowsHookEx(handle);
  }
}

}  // namespace

// Installs the hooks for every thread; `window` receives what they report. Installing
// again replaces the earlier hooks and window. Returns 1 when every hook is in place
// (otherwise none is).
TAPWIRE_EXPORT int InstallHook(HWND window) {
  std::lock_guard lock(hookMutex);
  removeHooks();
  reportWindow = window;
  const HINSTANCE module = thisModule();
  for (int kind = 0; kind < kHookKinds; ++kind) {
    hooks[kind] = SetWindowsHookExA(kHookTypes[kind], kHookProcs[kind], module, 0);
    if (hooks[kind] == nullptr) {
      removeHooks();
      reportWindow = nullptr;
      return 0;
    }
  }
  return 1;
}

// Removes every hook; the argument is not used. Returns 1 once no report is underway
// any more (0 when one is still being sent after a few seconds: the window's thread is
// not taking it). A report whose sender gave up waiting (kReportPatienceMs) may still be
// handled afterwards.
TAPWIRE_EXPORT int UnHook(int) {
  std::lock_guard lock(hookMutex);
  reportWindow = nullptr;
  removeHooks();
  const DWORD start = GetTickCount();
  while (reportsUnderway.load() > 0) {
    if (GetTickCount() - start > kUnderwayPatienceMs) return 0;
    Sleep(0);
  }
  return 1;
}
