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
  // host unless it is the line a flush already handed over. The pending line is done.
  void commit(const std::string& line);
  // The field lost the focus: a pending line of at least 2 characters goes to the host,
  // unless a flush already handed it over.
  void leave();
  // A dialog box appeared: the pending line goes to the host now, and a commit of the
  // same line that follows records nothing. Text typed after the flush still records:
  // only the flushed line itself is held back, and only until the field's next commit
  // or leave.
  void flush();
  // Forgets the pending line (recording starts afresh).
  void clear();

  std::string pending() const;

 private:
  mutable std::mutex mutex_;
  std::string line_;
  std::string flushed_;  // the line a flush handed over, its commit not seen yet
};

PendingTextLine& pendingTextLine();
