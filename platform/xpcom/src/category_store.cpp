#include "category_store.h"

#include <cstdio>
#include <cstring>
#include <fstream>

namespace xpcom::internal {

bool storable(const char* text) { return text && std::strpbrk(text, "\t\r\n") == nullptr; }

CategoryTable readCategoryFile(const std::string& path) {
  CategoryTable table;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    // Empty names are kept as written: the manager accepts them, so they persist too.
    const auto first = line.find('\t');
    if (first == std::string::npos) continue;
    const auto second = line.find('\t', first + 1);
    if (second == std::string::npos) continue;
    table[line.substr(0, first)][line.substr(first + 1, second - first - 1)] = line.substr(second + 1);
  }
  return table;
}

bool writeCategoryFile(const std::string& path, const CategoryTable& table) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::trunc);
    if (!out) return false;
    for (const auto& [category, entries] : table) {
      for (const auto& [entry, value] : entries) out << category << '\t' << entry << '\t' << value << '\n';
    }
    out.flush();
    if (!out) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace xpcom::internal
