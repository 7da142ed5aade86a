// The recorded lines waiting for the record loop. Event handlers may produce several
// before the loop wakes (a close line and then "All Browsers Closed"); each is kept and
// handed over once, in order.
#pragma once

#include <deque>
#include <mutex>
#include <string>
#include <vector>

class PendingLines {
 public:
  void push(std::string line) {
    std::lock_guard lock(mutex_);
    lines_.push_back(std::move(line));
  }
  std::vector<std::string> takeAll() {
    std::lock_guard lock(mutex_);
    std::vector<std::string> out(std::make_move_iterator(lines_.begin()), std::make_move_iterator(lines_.end()));
    lines_.clear();
    return out;
  }
  void clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
  }

 private:
  std::mutex mutex_;
  std::deque<std::string> lines_;
};
