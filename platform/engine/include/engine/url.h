// The few URL operations the browser needs: resolving against a page and mapping
// file: addresses to paths.
#pragma once

#include <optional>
#include <string>

namespace engine::url {

// Resolves `reference` against `base` (RFC 3986 section 5.2, as browsers do for
// file:, http: and about: addresses). An absolute reference is returned as given.
std::string resolve(const std::string& base, const std::string& reference);
// "file:///a/b.html" -> "/a/b.html" (percent escapes decoded); none for other schemes.
std::optional<std::string> toPath(const std::string& url);
// "/a/b c.html" -> "file:///a/b%20c.html"
std::string fromPath(const std::string& absolutePath);
std::string scheme(const std::string& url);          // lower case, "" when none
std::string withoutFragment(const std::string& url);
// "a=1&b=x y" style encoding of one name or value for a GET submission.
std::string formEncode(const std::string& text);

}  // namespace engine::url
