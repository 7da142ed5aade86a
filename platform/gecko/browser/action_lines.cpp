#include "action_lines.h"

namespace gecko::browser {

void ActionLines::add(const char* bytes, size_t count) {
  if (overflowed_) return;
  pending_.append(bytes, count);
}

std::optional<ActionLines::Line> ActionLines::next() {
  if (overflowed_) return std::nullopt;
  const size_t end = pending_.find('\n');
  if (end == std::string::npos) {
    if (pending_.size() > kMaxLine) {
      overflowed_ = true;
      pending_.clear();
      return std::nullopt;
    }
    if (!ended_ || pending_.empty()) return std::nullopt;
  }
  const size_t length = end == std::string::npos ? pending_.size() : end;
  if (length > kMaxLine) {
    overflowed_ = true;
    pending_.clear();
    return std::nullopt;
  }
  Line line;
  line.number = ++number_;
  line.text = pending_.substr(0, length);
  if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
  pending_.erase(0, end == std::string::npos ? length : length + 1);
  return line;
}

std::string renumberActionMessage(const std::string& message, int number) {
  static const std::string kFirst = "line 1";
  if (message.compare(0, kFirst.size(), kFirst) != 0) return message;
  const size_t after = kFirst.size();
  if (after < message.size() && message[after] >= '0' && message[after] <= '9') return message;
  return "line " + std::to_string(number) + message.substr(after);
}

}  // namespace gecko::browser
