// User-script actions as they arrive on a stream: bytes in, whole numbered lines out.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace gecko::browser {

class ActionLines {
 public:
  // The longest line taken; a longer one is an error (the stream is not a script).
  static constexpr size_t kMaxLine = 64 * 1024;

  // Adds bytes read from the stream.
  void add(const char* bytes, size_t count);
  // The stream has ended: what follows the last line break is a last line.
  void end() { ended_ = true; }

  struct Line {
    int number = 0;    // from 1
    std::string text;  // without its line break (nor a carriage return before it)
  };
  // The next whole line, if one has arrived.
  std::optional<Line> next();
  // True once a line has grown beyond kMaxLine; no lines come after it.
  bool overflowed() const { return overflowed_; }
  // Number of the line being read (the one that overflowed, once overflowed() is true).
  int lineNumber() const { return number_ + 1; }

 private:
  std::string pending_;
  int number_ = 0;
  bool ended_ = false;
  bool overflowed_ = false;
};

// The simulated user numbers the lines of the text it is given; one action performed
// alone is its line 1. This gives `message` the number the line has in the whole script.
std::string renumberActionMessage(const std::string& message, int number);

}  // namespace gecko::browser
