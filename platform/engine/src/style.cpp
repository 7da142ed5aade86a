#include "engine/style.h"

#include <cctype>

namespace engine {
namespace {

std::string trim(const std::string& text) {
    auto begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) return {};
    auto end = text.find_last_not_of(" \t\r\n");
    return text.substr(begin, end - begin + 1);
}

}  // namespace

Style Style::parse(const std::string& cssText) {
    Style style;
    std::size_t start = 0;
    while (start < cssText.size()) {
        auto end = cssText.find(';', start);
        std::string declaration = cssText.substr(start, end == std::string::npos ? std::string::npos : end - start);
        auto colon = declaration.find(':');
        if (colon != std::string::npos) {
            std::string name = trim(declaration.substr(0, colon));
            for (auto& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            std::string value = trim(declaration.substr(colon + 1));
            if (!name.empty() && !value.empty()) style.properties_[camelCase(name)] = value;
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return style;
}

std::string Style::get(const std::string& property) const {
    auto found = properties_.find(property);
    return found == properties_.end() ? std::string() : found->second;
}

void Style::set(const std::string& property, const std::string& value) {
    if (value.empty()) {
        properties_.erase(property);
    } else {
        properties_[property] = value;
    }
}

std::string Style::cssText() const {
    std::string text;
    for (const auto& [name, value] : properties_) {
        if (!text.empty()) text += "; ";
        text += cssName(name) + ": " + value;
    }
    return text;
}

std::string Style::camelCase(const std::string& name) {
    std::string result;
    bool upper = false;
    for (char c : name) {
        if (c == '-') {
            upper = !result.empty();
            continue;
        }
        result += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        upper = false;
    }
    return result;
}

std::string Style::cssName(const std::string& camelName) {
    std::string result;
    for (char c : camelName) {
        if (std::isupper(static_cast<unsigned char>(c))) {
            result += '-';
            result += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace engine
