#include "core/process_state.h"

#include "common/trace_log.h"

ProcessState& processState() {
  static ProcessState state;
  return state;
}

void ProcessState::setNotification(const std::string& text) {
  std::lock_guard lock(mutex_);
  notification_ = text;
}

std::string ProcessState::notification() const {
  std::lock_guard lock(mutex_);
  return notification_;
}

void ProcessState::setCheckPointProperties(std::vector<std::string> keysAndValues) {
  std::lock_guard lock(mutex_);
  checkPointProperties_ = std::move(keysAndValues);
}

std::vector<std::string> ProcessState::checkPointProperties() const {
  std::lock_guard lock(mutex_);
  return checkPointProperties_;
}

void ProcessState::setParentTitle(const std::string& title) {
  std::lock_guard lock(mutex_);
  parentTitle_ = title;
}

std::string ProcessState::parentTitle() const {
  std::lock_guard lock(mutex_);
  return parentTitle_;
}

void ProcessState::setWindowIdentity(const std::string& title, const std::string& name) {
  std::lock_guard lock(mutex_);
  windowTitle_ = title;
  windowName_ = name;
}

std::string ProcessState::windowTitle() const {
  std::lock_guard lock(mutex_);
  return windowTitle_;
}

std::string ProcessState::windowName() const {
  std::lock_guard lock(mutex_);
  return windowName_;
}

void ProcessState::setLastParentTitle(const std::string& title) {
  std::lock_guard lock(mutex_);
  lastParentTitle_ = title;
}

std::string ProcessState::lastParentTitle() const {
  std::lock_guard lock(mutex_);
  return lastParentTitle_;
}

void ProcessState::setLastWindowName(const std::string& name) {
  std::lock_guard lock(mutex_);
  lastWindowName_ = name;
}

std::string ProcessState::lastWindowName() const {
  std::lock_guard lock(mutex_);
  return lastWindowName_;
}

void ProcessState::setLastWindowTitle(const std::string& title) {
  std::lock_guard lock(mutex_);
  lastWindowTitle_ = title;
}

std::string ProcessState::lastWindowTitle() const {
  std::lock_guard lock(mutex_);
  return lastWindowTitle_;
}

void signalNamedEvent(const char* name) {
  HANDLE event = OpenEvent(EVENT_MODIFY_STATE, FALSE, name);
  if (event == nullptr) return;
  SetEvent(event);
  CloseHandle(event);
}

void handOverLine(std::string line) {
  processState().pendingLines.push(std::move(line));
  signalNamedEvent(kRecordEvent);
}
