// Windows, window classes, messages and dialogs (ANSI forms), as the SDK declares them.
#pragma once

#include "windef.h"

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagMSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
} MSG, *PMSG, *NPMSG, *LPMSG;

#define WM_NULL 0x0000
#define WM_QUIT 0x0012
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_USER 0x0400
#define WM_APP 0x8000

#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define PM_NOYIELD 0x0002

extern "C" {

// The calling thread's message queue. A thread gets its queue the first time it uses
// any of these. Messages sent from other threads and calls carried into the thread run
// while it waits in GetMessage or looks with PeekMessage, before posted messages.
WINUSERAPI BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax);
WINUSERAPI BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax,
                                    UINT wRemoveMsg);
WINUSERAPI BOOL WINAPI TranslateMessage(const MSG* lpMsg);
WINUSERAPI LRESULT WINAPI DispatchMessageA(const MSG* lpMsg);
// hWnd NULL posts to the calling thread, as PostThreadMessage(GetCurrentThreadId()) does.
WINUSERAPI BOOL WINAPI PostMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
WINUSERAPI BOOL WINAPI PostThreadMessageA(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam);
WINUSERAPI void WINAPI PostQuitMessage(int nExitCode);

}  // extern "C"

#define GetMessage GetMessageA
#define PeekMessage PeekMessageA
#define DispatchMessage DispatchMessageA
#define PostMessage PostMessageA
#define PostThreadMessage PostThreadMessageA
