// The text line of the field being typed into. Each changed keystroke replaces it; it is
// handed to the record loop when the field's value is committed, when the field loses
// the focus, or when a dialog box flushes it, and in each case only once.
#pragma once

#include <mutex>
#include <string>

class PendingTextLine {
 public:
  // The newest state of the field being typed into.
  void keep(std::string line);
  // The field's value was committed: `line` (built from the committed value) goes to the
  // host unless the pending line was already flushed for it. The pending line is done.
  void commit(const std::string& line);
  // The field lost the focus: a pending line of at least 2 characters goes to the host,
  // unless it was already flushed.
  void leave();
  // A dialog box appeared: the pending line goes to the host now, and the commit that
  // follows records nothing.
  void flush();
  // Forgets the pending line (recording starts afresh).
  void clear();

  std::string pending() const;

 private:
  mutable std::mutex mutex_;
  std::string line_;
  bool sent_ = false;  // flushed, and its commit not seen yet
};

PendingTextLine& pendingTextLine();
