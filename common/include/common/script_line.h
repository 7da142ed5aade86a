// Building blocks of the text both browser libraries hand to the Java host: recorded
// lines, launch lines, checkpoint property lists and read-back lists.
//
// A line kind (line_kinds.h) lists its keys in the order the host expects, with the
// values some keys always carry. A Line is filled by key in any order and always writes
// the kind's order; a key left unset is written as "NONE". So the order lives in one
// table per kind instead of in every place that records one.
//
// String is std::string for skerrow (bytes in the ANSI code page) and std::u16string for
// marbleck (UTF-16, sent as UTF-8). Keys and fixed values are ASCII.
#pragma once

#include <cassert>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scriptline {

inline constexpr std::string_view kKeySeparator = ":,:";
inline constexpr std::string_view kPairSeparator = ":;:";
inline constexpr std::string_view kListTerminator = ":;;:";
inline constexpr std::string_view kItemSeparator = ":-:";
inline constexpr std::string_view kNone = "NONE";
inline constexpr std::string_view kTrue = "true";
inline constexpr std::string_view kFalse = "false";
inline constexpr std::string_view kLineBreak = "<VK_RETURN>";
inline constexpr std::string_view kRecordEventPrefix = "RecordEvent_";
inline constexpr std::string_view kCheckPointEventPrefix = "CheckPointEvent_";

// A key of a line kind; `fixed` is the value the key always carries, if any.
struct Key {
  std::string_view name;
  std::string_view fixed = {};
  constexpr bool isFixed() const { return fixed.data() != nullptr; }
};

struct LineKind {
  std::string_view action;
  std::span<const Key> keys;
  // marbleck's closeWindow and closeAlertWindow follow every pair with ":;:", so the
  // pair separator stands directly before the closing "]".
  bool separatorAfterLastPair = false;
};

// ASCII text in the string type of the caller.
template <class String>
String ascii(std::string_view text) {
  return String(text.begin(), text.end());
}

// "key:,:value"
template <class String>
void appendPair(String& out, std::string_view key, const String& value) {
  out += ascii<String>(key);
  out += ascii<String>(kKeySeparator);
  out += value;
}

template <class String>
using Pairs = std::vector<std::pair<std::string_view, String>>;

// Pairs joined by ":;:", nothing before the first or after the last (read-back lists).
template <class String>
String joinPairs(const Pairs<String>& pairs) {
  String out;
  for (size_t i = 0; i < pairs.size(); ++i) {
    if (i > 0) out += ascii<String>(kPairSeparator);
    appendPair(out, pairs[i].first, pairs[i].second);
  }
  return out;
}

// Every pair followed by ":;:" (marbleck checkpoint parts and close lines).
template <class String>
String terminatePairs(const Pairs<String>& pairs) {
  String out;
  for (const auto& [key, value] : pairs) {
    appendPair(out, key, value);
    out += ascii<String>(kPairSeparator);
  }
  return out;
}

// The checkpoint property list: from an array of key, value, key, value ..., every pair
// followed by ":;:" and the whole list by ":;;:". An empty array gives ":;;:" alone.
// A trailing key without a value is written with an empty value.
inline std::string propertyList(const std::vector<std::string>& keysAndValues) {
  std::string out;
  for (size_t i = 0; i < keysAndValues.size(); i += 2) {
    out += keysAndValues[i];
    out += kKeySeparator;
    if (i + 1 < keysAndValues.size()) out += keysAndValues[i + 1];
    out += kPairSeparator;
  }
  out += kListTerminator;
  return out;
}

// "launchApplication(\"URL\")"
template <class String>
String launchLine(const String& url) {
  return ascii<String>("launchApplication(\"") + url + ascii<String>("\")");
}

// Texts joined by ":-:" (several selected options in one value).
template <class String>
String joinItems(const std::vector<String>& items) {
  String out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ascii<String>(kItemSeparator);
    out += items[i];
  }
  return out;
}

// Every occurrence of `lineBreak` ("\r\n" in skerrow, "\n" in marbleck) becomes
// "<VK_RETURN>".
template <class String>
String markLineBreaks(const String& text, const String& lineBreak) {
  if (lineBreak.empty()) return text;
  String out;
  size_t from = 0;
  for (size_t at = text.find(lineBreak); at != String::npos; at = text.find(lineBreak, from)) {
    out.append(text, from, at - from);
    out += ascii<String>(kLineBreak);
    from = at + lineBreak.size();
  }
  out.append(text, from, String::npos);
  return out;
}

template <class String>
String flag(bool value) {
  return ascii<String>(value ? kTrue : kFalse);
}

template <class String>
String number(long value) {
  return ascii<String>(std::to_string(value));
}

// "NONE" in place of an empty text (marbleck's convention for most values).
template <class String>
String noneIfEmpty(const String& value) {
  return value.empty() ? ascii<String>(kNone) : value;
}

// The values of one line of a given kind.
template <class String>
class Line {
 public:
  explicit Line(const LineKind& kind) : kind_(kind), values_(kind.keys.size()), isSet_(kind.keys.size(), false) {}

  // Sets the value of `key`. The key must belong to the kind and carry no fixed value.
  Line& set(std::string_view key, String value) {
    const size_t i = indexOf(key);
    assert(i < kind_.keys.size() && "key is not part of this line kind");
    assert(!kind_.keys[i].isFixed() && "key carries a fixed value");
    if (i < kind_.keys.size() && !kind_.keys[i].isFixed()) {
      values_[i] = std::move(value);
      isSet_[i] = true;
    }
    return *this;
  }

  const LineKind& kind() const { return kind_; }

  // The pairs in the kind's order: fixed values as fixed, unset values as "NONE".
  Pairs<String> pairs() const {
    Pairs<String> out;
    out.reserve(kind_.keys.size());
    for (size_t i = 0; i < kind_.keys.size(); ++i) {
      const Key& key = kind_.keys[i];
      if (key.isFixed())
        out.emplace_back(key.name, ascii<String>(key.fixed));
      else
        out.emplace_back(key.name, isSet_[i] ? values_[i] : ascii<String>(kNone));
    }
    return out;
  }

  // skerrow's recorded line: "action[k:,:v:;:k:,:v]".
  String recordedLine() const {
    String out = ascii<String>(kind_.action) + ascii<String>("[");
    out += kind_.separatorAfterLastPair ? terminatePairs(pairs()) : joinPairs(pairs());
    out += ascii<String>("]");
    return out;
  }

  // marbleck's recorded line: "RecordEvent_action[...]\n".
  String recordEvent() const { return ascii<String>(kRecordEventPrefix) + recordedLine() + ascii<String>("\n"); }

  // Appends key, value, key, value ... in order (skerrow's checkpoint property array).
  void appendTo(std::vector<String>& keysAndValues) const {
    for (auto& [key, value] : pairs()) {
      keysAndValues.push_back(ascii<String>(key));
      keysAndValues.push_back(std::move(value));
    }
  }

 private:
  size_t indexOf(std::string_view key) const {
    for (size_t i = 0; i < kind_.keys.size(); ++i)
      if (kind_.keys[i].name == key) return i;
    return kind_.keys.size();
  }

  const LineKind& kind_;
  std::vector<String> values_;
  std::vector<bool> isSet_;
};

// marbleck's launch line: "RecordEvent_launchApplication(\"URL\")\n".
template <class String>
String recordLaunchEvent(const String& url) {
  return ascii<String>(kRecordEventPrefix) + launchLine(url) + ascii<String>("\n");
}

// marbleck's checkpoint line: "CheckPointEvent_" + body + "\n"; the body is put
// together from pair blocks by the checkpoint code, since each kind joins its blocks
// its own way.
template <class String>
String checkPointEvent(const String& body) {
  return ascii<String>(kCheckPointEventPrefix) + body + ascii<String>("\n");
}

}  // namespace scriptline
