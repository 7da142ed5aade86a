// The native frame of a top-level browser window, laid out as Internet Explorer 6 lays
// out its "IEFrame" window, so that native-window code finds the controls it looks for:
//
//   IEFrame                          (title "<page title> - Microsoft Internet Explorer")
//   ├─ WorkerW
//   │  └─ ReBarWindow32
//   │     ├─ ToolbarWindow32         (the menu band: File, Edit, View ...)
//   │     ├─ ToolbarWindow32         (standard buttons: Back, Forward, Stop, Refresh, Home, Search)
//   │     └─ ComboBoxEx32            (the address bar)
//   │        └─ ComboBox
//   │           └─ Edit
//   └─ Shell DocObject View
//      └─ Internet Explorer_Server   (the page)
//
// Toolbar buttons notify the rebar with WM_COMMAND (the control identifier is the
// button's command id); the rebar and WorkerW pass commands up to the frame, which turns
// them into browser operations. Everything here runs on the browser thread.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <string_view>

namespace mshtml {

// Command ids of the standard buttons. IE's own values are internal to it; the system
// reads a button's text by the id the notification carries, so any stable ids serve.
enum FrameCommand : int {
  kCommandBack = 0xA021,
  kCommandForward = 0xA022,
  kCommandStop = 0xA023,
  kCommandRefresh = 0xA024,
  kCommandHome = 0xA025,
  kCommandSearch = 0xA026,
};

// What the frame's controls ask of the browser that owns the frame.
class FrameCommands {
 public:
  virtual void onFrameCommand(int command) = 0;     // one of FrameCommand
  virtual void onAddressEntered(const std::string& url) = 0;
  virtual void onFrameClose() = 0;                  // WM_CLOSE on the frame

 protected:
  ~FrameCommands() = default;
};

class FrameWindow {
 public:
  // Creates the window tree (hidden) on the calling thread, which must be the browser
  // thread. Check valid() afterwards.
  explicit FrameWindow(FrameCommands& commands);
  ~FrameWindow();
  FrameWindow(const FrameWindow&) = delete;
  FrameWindow& operator=(const FrameWindow&) = delete;

  bool valid() const { return frame_ != nullptr; }
  HWND frame() const { return frame_; }
  HWND rebar() const { return rebar_; }
  HWND toolbar() const { return toolbar_; }
  HWND addressBar() const { return addressBar_; }
  HWND addressEdit() const { return addressEdit_; }
  HWND server() const { return server_; }

  // The frame's title follows the page title, as IE's does.
  void showDocumentTitle(std::string_view title);
  // The address bar shows the current URL.
  void showAddress(std::string_view url);
  // What a user does in the address bar: types the URL, which becomes the selected
  // entry of the ComboBoxEx32, and presses Enter.
  void enterAddress(std::string_view url);
  // What a click on a standard button does: the toolbar notifies the rebar.
  void clickToolbarButton(int command);
  // Destroys the windows (the frame closes); idempotent.
  void destroy();

  static std::string titleFor(std::string_view documentTitle);

 private:
  static bool registerFrameClass();
  static LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void addButtons();

  FrameCommands& commands_;
  HWND frame_ = nullptr;
  HWND worker_ = nullptr;
  HWND rebar_ = nullptr;
  HWND menuBand_ = nullptr;
  HWND toolbar_ = nullptr;
  HWND addressBar_ = nullptr;
  HWND addressCombo_ = nullptr;
  HWND addressEdit_ = nullptr;
  HWND docView_ = nullptr;
  HWND server_ = nullptr;
};

}  // namespace mshtml
