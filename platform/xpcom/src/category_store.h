// The persisted category entries of a profile: a text file, one entry a line,
// "category<TAB>entry<TAB>value". Written whole (to a temporary file, then renamed) on
// each change, so a crash leaves the old or the new file, never half of one.
#pragma once

#include <map>
#include <string>

namespace xpcom::internal {

using CategoryTable = std::map<std::string, std::map<std::string, std::string>>;

// True when the text can be stored (no tab, carriage return or line feed).
bool storable(const char* text);
// The entries of `path`; an absent file is an empty table. Malformed lines are skipped.
CategoryTable readCategoryFile(const std::string& path);
bool writeCategoryFile(const std::string& path, const CategoryTable& table);

}  // namespace xpcom::internal
