// The hidden window's side of the hook library's reports: decides which recorded
// browser a native window belongs to and records lines for dialog boxes shown and
// closed, their buttons, text boxes, combo boxes and file lists, the browser's toolbar
// and address bar, and the activation of a browser window. While a checkpoint is picked
// it closes new dialogs instead and takes a checkpoint of the control clicked.
#pragma once

#include <windows.h>

class CWebBrowser2;

namespace recorder {

// Messages the hook library sends, with the window in the first parameter.
inline constexpr UINT kWindowActivated = 0x80AB;
inline constexpr UINT kWindowCreated = 0x80AC;

// WM_COPYDATA codes (first parameter): the notification or message each stands for is
// documented with the hook library.
enum ReportCode : WPARAM {
  kButtonClicked = 0x0000,
  kComboChosen = 0x0009,
  kEnterKey = 0x000D,
  kDialogClosing = 0x0010,
  kEditLeft = 0x0200,
  kMouseReleased = 0x0202,
  kMouseDoubleClicked = 0x0203,
  kDialogShown = 0x0210,
  kEditFilled = 0x0300,
};

class NativeWindowRecorder {
 public:
  explicit NativeWindowRecorder(CWebBrowser2& browsers) : browsers_(browsers) {}

  // Handles a report; false for any other message (the caller passes it on).
  bool handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void windowActivated(HWND window);
  void browserFrameActivated(HWND frame);
  void dialogActivated(HWND dialog);
  void windowCreated(HWND window);
  void copyData(WPARAM code, const COPYDATASTRUCT* data);
  void command(WPARAM code, HWND window, int controlId);
  void mouse(WPARAM code, POINT point, HWND window);
  void closeDialog(HWND dialog);
  void takeCheckPoint(HWND window);

  CWebBrowser2& browsers_;
  // The dialog the recorder is closing itself: its close is not the user's.
  HWND closing_ = nullptr;
};

}  // namespace recorder
