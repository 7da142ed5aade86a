// The recorder thread: the thread on which the browser's events arrive (it subscribes to
// them) and which owns the hidden window that the hook library reports native windows
// to.
#pragma once

#include <windows.h>

class CSkerrowApp;
class CWebBrowser2;

// Starts the recorder thread at the lowest priority; returns its handle.
HANDLE startRecorderThread(CSkerrowApp& app);

// The thread routine; `parameter` is the application object.
DWORD WINAPI recorderThreadMain(LPVOID parameter);

// Called on the recorder thread when its last browser has closed: a thread whose hidden
// window Quit has destroyed ends its message loop now.
void lastBrowserClosedOnRecorderThread();

// StartRecording's part when the recorder thread runs already: has the thread attach
// the page's sinks again if StopRecording reset them; returns once it has (or after a
// few seconds, when the thread does not get to it).
void reattachSinksOnRecorderThread(CWebBrowser2& browser);

// Quit's part: removes the hook, unloads the hook library and ends the hidden window.
void removeHookAndHiddenWindow();

// The hidden window's procedure: native-window notifications from the hook library.
LRESULT CALLBACK hiddenWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
