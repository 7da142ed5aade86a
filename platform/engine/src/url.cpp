#include "engine/url.h"

#include <cctype>
#include <vector>

namespace engine::url {
namespace {

struct Parts {
    std::string scheme, authority, path, query, fragment;
    bool hasAuthority = false, hasQuery = false, hasFragment = false;
};

Parts split(const std::string& text) {
    Parts parts;
    std::string rest = text;
    auto hash = rest.find('#');
    if (hash != std::string::npos) {
        parts.fragment = rest.substr(hash + 1);
        parts.hasFragment = true;
        rest.erase(hash);
    }
    auto question = rest.find('?');
    if (question != std::string::npos) {
        parts.query = rest.substr(question + 1);
        parts.hasQuery = true;
        rest.erase(question);
    }
    std::string schemeText = scheme(rest);
    if (!schemeText.empty()) {
        parts.scheme = schemeText;
        rest.erase(0, schemeText.size() + 1);
    }
    if (rest.rfind("//", 0) == 0) {
        auto slash = rest.find('/', 2);
        parts.authority = rest.substr(2, slash == std::string::npos ? std::string::npos : slash - 2);
        parts.hasAuthority = true;
        rest = slash == std::string::npos ? std::string() : rest.substr(slash);
    }
    parts.path = rest;
    return parts;
}

std::string removeDotSegments(const std::string& path) {
    std::vector<std::string> out;
    std::size_t start = 0;
    bool absolute = !path.empty() && path[0] == '/';
    if (absolute) start = 1;
    bool trailingSlash = false;
    while (start <= path.size()) {
        auto end = path.find('/', start);
        std::string segment = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        trailingSlash = false;
        if (segment == "..") {
            if (!out.empty()) out.pop_back();
            trailingSlash = true;
        } else if (segment == ".") {
            trailingSlash = true;
        } else {
            out.push_back(segment);
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    std::string result = absolute ? "/" : "";
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (i) result += '/';
        result += out[i];
    }
    if (trailingSlash && !result.empty() && result.back() != '/') result += '/';
    return result;
}

std::string join(const Parts& parts) {
    std::string result;
    if (!parts.scheme.empty()) result += parts.scheme + ":";
    if (parts.hasAuthority) result += "//" + parts.authority;
    result += parts.path;
    if (parts.hasQuery) result += "?" + parts.query;
    if (parts.hasFragment) result += "#" + parts.fragment;
    return result;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string scheme(const std::string& text) {
    auto colon = text.find(':');
    if (colon == std::string::npos || colon < 2) return {};  // "c:" is a drive, not a scheme
    for (std::size_t i = 0; i < colon; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        bool ok = std::isalpha(c) || (i > 0 && (std::isdigit(c) || c == '+' || c == '-' || c == '.'));
        if (!ok) return {};
    }
    std::string result = text.substr(0, colon);
    for (auto& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

std::string resolve(const std::string& base, const std::string& reference) {
    if (reference.empty()) return withoutFragment(base);
    Parts ref = split(reference);
    if (!ref.scheme.empty()) {
        ref.path = removeDotSegments(ref.path);
        return join(ref);
    }
    Parts b = split(base);
    if (b.scheme == "about" || b.scheme == "javascript") return reference;
    Parts target;
    target.scheme = b.scheme;
    if (ref.hasAuthority) {
        target.authority = ref.authority;
        target.hasAuthority = true;
        target.path = removeDotSegments(ref.path);
        target.query = ref.query;
        target.hasQuery = ref.hasQuery;
    } else {
        target.authority = b.authority;
        target.hasAuthority = b.hasAuthority;
        if (ref.path.empty()) {
            target.path = b.path;
            target.query = ref.hasQuery ? ref.query : b.query;
            target.hasQuery = ref.hasQuery || b.hasQuery;
        } else {
            if (ref.path[0] == '/') {
                target.path = removeDotSegments(ref.path);
            } else {
                auto slash = b.path.rfind('/');
                std::string merged = slash == std::string::npos ? ref.path : b.path.substr(0, slash + 1) + ref.path;
                target.path = removeDotSegments(merged);
            }
            target.query = ref.query;
            target.hasQuery = ref.hasQuery;
        }
    }
    target.fragment = ref.fragment;
    target.hasFragment = ref.hasFragment;
    return join(target);
}

std::optional<std::string> toPath(const std::string& text) {
    Parts parts = split(text);
    if (parts.scheme != "file") return std::nullopt;
    if (parts.hasAuthority && !parts.authority.empty() && parts.authority != "localhost") return std::nullopt;
    std::string path;
    for (std::size_t i = 0; i < parts.path.size(); ++i) {
        char c = parts.path[i];
        if (c == '%' && i + 2 < parts.path.size() + 0 && hexValue(parts.path[i + 1]) >= 0 &&
            hexValue(parts.path[i + 2]) >= 0) {
            path += static_cast<char>(hexValue(parts.path[i + 1]) * 16 + hexValue(parts.path[i + 2]));
            i += 2;
        } else {
            path += c;
        }
    }
    if (path.empty() || path[0] != '/') return std::nullopt;
    return path;
}

std::string fromPath(const std::string& absolutePath) {
    static const char* hex = "0123456789ABCDEF";
    std::string result = "file://";
    for (unsigned char c : absolutePath) {
        if (std::isalnum(c) || std::string_view("/-._~!$&'()*+,;=:@").find(static_cast<char>(c)) != std::string_view::npos) {
            result += static_cast<char>(c);
        } else {
            result += '%';
            result += hex[c >> 4];
            result += hex[c & 15];
        }
    }
    return result;
}

std::string withoutFragment(const std::string& text) {
    auto hash = text.find('#');
    return hash == std::string::npos ? text : text.substr(0, hash);
}

std::string formEncode(const std::string& text) {
    static const char* hex = "0123456789ABCDEF";
    std::string result;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '*') {
            result += static_cast<char>(c);
        } else if (c == ' ') {
            result += '+';
        } else {
            result += '%';
            result += hex[c >> 4];
            result += hex[c & 15];
        }
    }
    return result;
}

}  // namespace engine::url
