// Window hooks: the chains SetWindowsHookEx builds, and the points where the window
// manager and the message queues call them.
#pragma once

#include <windows.h>

namespace win32::internal {

// Runs the chain of `type` that applies to the calling thread; 0 when no hook ran.
LRESULT callHooks(int type, int code, WPARAM wParam, LPARAM lParam);
bool anyHooks(int type);

// A message taken from the queue (or given as input): runs WH_MOUSE for mouse messages
// and then WH_GETMESSAGE; false when a mouse hook discarded it.
bool messageTakenFromQueue(MSG& message, bool removed);

}  // namespace win32::internal
