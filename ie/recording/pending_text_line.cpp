#include "recording/pending_text_line.h"

#include <utility>

#include "core/process_state.h"

// Lines are handed over while the lock is held, so two hand-overs cannot overtake each
// other between taking the line and queueing it.

void PendingTextLine::keep(std::string line) {
  std::lock_guard lock(mutex_);
  line_ = std::move(line);
}

void PendingTextLine::commit(const std::string& line) {
  std::lock_guard lock(mutex_);
  if (!line.empty() && line != flushed_) handOverLine(line);
  flushed_.clear();
  line_.clear();
}

void PendingTextLine::leave() {
  std::lock_guard lock(mutex_);
  if (line_.size() >= 2 && line_ != flushed_) handOverLine(line_);
  flushed_.clear();
  line_.clear();
}

void PendingTextLine::flush() {
  std::lock_guard lock(mutex_);
  if (line_.empty()) return;
  flushed_ = std::exchange(line_, {});
  handOverLine(flushed_);
}

void PendingTextLine::clear() {
  std::lock_guard lock(mutex_);
  line_.clear();
  flushed_.clear();
}

std::string PendingTextLine::pending() const {
  std::lock_guard lock(mutex_);
  return line_;
}

PendingTextLine& pendingTextLine() {
  static PendingTextLine line;
  return line;
}
