// GetShortPathName: the 8.3 form of an existing path. Components that already fit 8.3
// stay as they are (as NTFS stores no separate short name for them); the others get the
// generated form: upper case, blanks and extra dots dropped, the first six characters of
// the name, "~N", and the first three of the extension. N counts the names of the same
// folder that share that form, in sorted order, as they would have been created by an
// installer in order.
#include <windows.h>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool isShortNameChar(unsigned char c) {
  return std::isalnum(c) || std::strchr("!#$%&'()-@^_`{}~", c) != nullptr;
}

bool fitsEightDotThree(std::string_view name) {
  if (name == "." || name == "..") return true;
  const size_t dot = name.find('.');
  if (dot != std::string_view::npos && name.find('.', dot + 1) != std::string_view::npos) return false;
  const std::string_view base = name.substr(0, dot);
  const std::string_view ext = dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
  if (base.empty() || base.size() > 8 || ext.size() > 3) return false;
  if (dot != std::string_view::npos && ext.empty()) return false;
  return std::all_of(name.begin(), name.end(),
                     [](char c) { return c == '.' || isShortNameChar(static_cast<unsigned char>(c)); });
}

std::string cleaned(std::string_view part) {
  std::string out;
  for (char ch : part) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == ' ' || c == '.') continue;
    out += isShortNameChar(c) ? static_cast<char>(std::toupper(c)) : '_';
  }
  return out;
}

// The generated name before numbering: base (at most six characters) and extension.
std::pair<std::string, std::string> shortForm(std::string_view name) {
  const size_t firstKept = name.find_first_not_of('.');
  if (firstKept == std::string_view::npos) return {"_", ""};
  name.remove_prefix(firstKept);
  const size_t dot = name.rfind('.');
  const std::string base = cleaned(name.substr(0, dot));
  const std::string ext = dot == std::string_view::npos ? std::string() : cleaned(name.substr(dot + 1));
  return {base.substr(0, 6), ext.substr(0, 3)};
}

std::string numbered(const std::pair<std::string, std::string>& form, size_t number) {
  const std::string digits = std::to_string(number);
  const size_t keep = std::min(form.first.size(), 7 - digits.size());
  std::string name = form.first.substr(0, keep) + "~" + digits;
  if (!form.second.empty()) name += "." + form.second;
  return name;
}

std::string shortComponent(const std::string& folder, const std::string& name) {
  if (fitsEightDotThree(name)) return name;
  const auto form = shortForm(name);
  std::vector<std::string> sharing;
  if (DIR* dir = opendir(folder.empty() ? "." : folder.c_str())) {
    while (const dirent* entry = readdir(dir)) {
      const std::string other = entry->d_name;
      if (!fitsEightDotThree(other) && shortForm(other) == form) sharing.push_back(other);
    }
    closedir(dir);
  }
  std::sort(sharing.begin(), sharing.end());
  const auto at = std::find(sharing.begin(), sharing.end(), name);
  return numbered(form, static_cast<size_t>(at - sharing.begin()) + 1);
}

}  // namespace

extern "C" DWORD WINAPI GetShortPathNameA(LPCSTR lpszLongPath, LPSTR lpszShortPath, DWORD cchBuffer) {
  if (lpszLongPath == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::string longPath = lpszLongPath;
  std::string hostPath = longPath;
  std::replace(hostPath.begin(), hostPath.end(), '\\', '/');
  struct stat info;
  if (longPath.empty() || stat(hostPath.c_str(), &info) != 0) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return 0;
  }

  // Walk the path, keeping each separator as written and shortening each name.
  std::string result;
  std::string folder;  // the host path of the folder holding the next component
  size_t pos = 0;
  while (pos < longPath.size()) {
    const size_t sep = longPath.find_first_of("\\/", pos);
    const std::string name = longPath.substr(pos, sep - pos);
    if (!name.empty()) result += shortComponent(folder, name);
    folder += name;
    if (sep == std::string::npos) break;
    result += longPath[sep];
    folder += '/';
    pos = sep + 1;
  }

  if (result.size() + 1 > cchBuffer || lpszShortPath == nullptr) return static_cast<DWORD>(result.size() + 1);
  std::memcpy(lpszShortPath, result.c_str(), result.size() + 1);
  return static_cast<DWORD>(result.size());
}
