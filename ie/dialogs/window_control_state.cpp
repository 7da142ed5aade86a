#include "dialogs/window_control_state.h"

#include <utility>

void WindowControlState::setTargetWindow(HWND window) {
  std::lock_guard<std::mutex> lock(mutex_);
  targetWindow_ = window;
}

HWND WindowControlState::targetWindow() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return targetWindow_;
}

void WindowControlState::setControlArgs(std::string windowClass, std::string controlId) {
  std::lock_guard<std::mutex> lock(mutex_);
  controlClass_ = std::move(windowClass);
  controlId_ = std::move(controlId);
}

std::string WindowControlState::controlClass() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return controlClass_;
}

std::string WindowControlState::controlId() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return controlId_;
}

void WindowControlState::setFoundControl(HWND control) {
  std::lock_guard<std::mutex> lock(mutex_);
  foundControl_ = control;
}

HWND WindowControlState::foundControl() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return foundControl_;
}

WindowControlState& windowControlState() {
  static WindowControlState state;
  return state;
}
