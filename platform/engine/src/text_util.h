// Small text helpers shared by the engine's sources.
#pragma once

#include <string>

namespace engine::text {

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

inline std::string upper(std::string text) {
    for (auto& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

inline std::string lower(std::string text) {
    for (auto& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

inline bool equalsIgnoringCase(const std::string& a, const std::string& b) { return lower(a) == lower(b); }

inline std::string trim(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// Folds runs of white space to one blank and trims both ends (titles, option texts).
inline std::string collapseBlanks(const std::string& text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (isBlank(c)) {
            blank = !out.empty();
        } else {
            if (blank) out += ' ';
            blank = false;
            out += c;
        }
    }
    return out;
}

// Writes line breaks as the dialect does: "\r\n" or "\n".
inline std::string normalizeLineBreaks(const std::string& text, bool crlf) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += crlf ? "\r\n" : "\n";
        } else if (c == '\n') {
            out += crlf ? "\r\n" : "\n";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace engine::text
