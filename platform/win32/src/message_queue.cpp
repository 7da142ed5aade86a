// Per-thread message queues: posting, GetMessage/PeekMessage (which serve carried
// calls first), TranslateMessage, DispatchMessage and PostQuitMessage.
#include <windows.h>

#include "hooks.h"
#include "platform_internal/thread_calls.h"
#include "thread_state.h"
#include "window_manager.h"

namespace win32::internal {
namespace {

// GetMessage's hWnd of -1 asks for thread messages only.
const HWND threadMessagesOnly = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1));

bool inRange(UINT message, UINT first, UINT last) {
  return (first == 0 && last == 0) || (message >= first && message <= last);
}

bool matches(const MSG& message, HWND window, UINT first, UINT last) {
  if (!inRange(message.message, first, last)) return false;
  if (window == nullptr) return true;
  if (window == threadMessagesOnly) return message.hwnd == nullptr;
  return message.hwnd == window || isDescendant(window, message.hwnd);
}

// Under the queue's lock: the first matching message, or WM_QUIT once no posted message
// matches, as Windows returns it.
bool takeMessage(ThreadState& self, MSG& out, HWND window, UINT first, UINT last, bool remove) {
  for (auto it = self.posted.begin(); it != self.posted.end(); ++it) {
    if (!matches(*it, window, first, last)) continue;
    out = *it;
    if (remove) self.posted.erase(it);
    return true;
  }
  if (self.quitPosted && inRange(WM_QUIT, first, last)) {
    out = MSG{};
    out.message = WM_QUIT;
    out.wParam = static_cast<WPARAM>(self.quitCode);
    out.time = GetTickCount();
    if (remove) self.quitPosted = false;
    return true;
  }
  return false;
}

bool validFilterWindow(HWND window) {
  return window == nullptr || window == threadMessagesOnly || windowThreadId(window) != 0;
}

MSG makeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG result{};
  result.hwnd = window;
  result.message = message;
  result.wParam = wParam;
  result.lParam = lParam;
  result.time = GetTickCount();
  return result;
}

// Messages whose parameters point at the sender's data can only be sent: by the time a
// posted one is read the data may be gone, so Windows refuses to post them.
bool sendOnly(UINT message) {
  return message == WM_SETTEXT || message == WM_GETTEXT || message == WM_COPYDATA || message == WM_CREATE ||
         message == WM_NCCREATE;
}

bool postMessageToThread(DWORD threadId, const MSG& message) {
  const auto target = findThread(threadId);
  return target && postToQueue(*target, message);
}

}  // namespace
}  // namespace win32::internal

using namespace win32::internal;

extern "C" BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  if (lpMsg == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  if (!validFilterWindow(hWnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return -1;
  }
  ThreadState& self = *currentThread();
  for (;;) {
    const auto seen = self.handOver.rings();  // before looking, so no arrival is missed
    serveCarriedCalls();
    std::unique_lock lock(self.mutex);
    if (!self.calls.empty()) continue;
    if (takeMessage(self, *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, true)) {
      lock.unlock();
      if (!messageTakenFromQueue(*lpMsg, true)) continue;  // a mouse hook discarded it
      return lpMsg->message != WM_QUIT;
    }
    lock.unlock();
    self.handOver.waitPast(seen);
  }
}

extern "C" BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  if (lpMsg == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!validFilterWindow(hWnd)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  ThreadState& self = *currentThread();
  const bool remove = (wRemoveMsg & PM_REMOVE) != 0;
  for (;;) {
    serveCarriedCalls();
    {
      std::lock_guard lock(self.mutex);
      if (!takeMessage(self, *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, remove)) return FALSE;
    }
    if (messageTakenFromQueue(*lpMsg, remove)) return TRUE;
    if (!remove) return FALSE;  // discarded but still queued: nothing to report now
  }
}

extern "C" BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
  if (lpMsg == nullptr || lpMsg->message != WM_KEYDOWN) return FALSE;
  // Without a keyboard state to consult, keys translate as typed with no modifier held:
  // letters lower case, digits, space, Enter and Backspace.
  char character = 0;
  const WPARAM key = lpMsg->wParam;
  if (key >= 'A' && key <= 'Z') {
    character = static_cast<char>('a' + (key - 'A'));
  } else if ((key >= '0' && key <= '9') || key == VK_SPACE || key == VK_RETURN || key == VK_BACK) {
    character = static_cast<char>(key);
  } else {
    return FALSE;
  }
  const MSG translated = makeMessage(lpMsg->hwnd, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(character)),
                                     lpMsg->lParam);
  return postToQueue(*currentThread(), translated) ? TRUE : FALSE;
}

extern "C" LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
  if (lpMsg == nullptr || lpMsg->hwnd == nullptr) return 0;
  if (windowThreadId(lpMsg->hwnd) == 0) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return deliverMessage(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam, false);
}

extern "C" BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (sendOnly(Msg)) {
    SetLastError(ERROR_MESSAGE_SYNC_ONLY);
    return FALSE;
  }
  if (hWnd == nullptr) return PostThreadMessageA(GetCurrentThreadId(), Msg, wParam, lParam);
  const DWORD threadId = windowThreadId(hWnd);
  if (threadId == 0 || !postMessageToThread(threadId, makeMessage(hWnd, Msg, wParam, lParam))) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return TRUE;
}

extern "C" BOOL WINAPI PostThreadMessageA(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (sendOnly(Msg)) {
    SetLastError(ERROR_MESSAGE_SYNC_ONLY);
    return FALSE;
  }
  if (idThread == GetCurrentThreadId()) {
    return postToQueue(*currentThread(), makeMessage(nullptr, Msg, wParam, lParam)) ? TRUE : FALSE;
  }
  if (!postMessageToThread(idThread, makeMessage(nullptr, Msg, wParam, lParam))) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  return TRUE;
}

extern "C" void WINAPI PostQuitMessage(int nExitCode) {
  ThreadState& self = *currentThread();
  {
    std::lock_guard lock(self.mutex);
    self.quitPosted = true;
    self.quitCode = nExitCode;
  }
  self.handOver.ring();
}
