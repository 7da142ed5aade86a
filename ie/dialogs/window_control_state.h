// What the WindowControl natives share between calls: the dialog the host named last,
// the control it addresses (window class and control identifier as text) and the
// control the last search found. The host calls the natives one at a time; the lock only
// keeps a stray concurrent call from tearing the strings.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>

class WindowControlState {
 public:
  void setTargetWindow(HWND window);
  HWND targetWindow() const;

  // The first two string arguments of the latest native.
  void setControlArgs(std::string windowClass, std::string controlId);
  std::string controlClass() const;
  std::string controlId() const;

  void setFoundControl(HWND control);
  HWND foundControl() const;

 private:
  mutable std::mutex mutex_;
  HWND targetWindow_ = nullptr;
  HWND foundControl_ = nullptr;
  std::string controlClass_;
  std::string controlId_;
};

WindowControlState& windowControlState();
