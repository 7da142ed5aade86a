#include "registry_store.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace win32 {

namespace {

constexpr const char* kRootNames[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS"};

std::shared_ptr<RegistryKey> makeKey(std::string_view name) {
  auto key = std::make_shared<RegistryKey>();
  key->name = std::string(name);
  return key;
}

std::string_view trimLineEnd(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  return line;
}

}  // namespace

bool CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const int ca = std::toupper(static_cast<unsigned char>(a[i]));
    const int cb = std::toupper(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

std::vector<std::string_view> splitKeyPath(std::string_view path) {
  std::vector<std::string_view> parts;
  while (!path.empty()) {
    const size_t slash = path.find('\\');
    std::string_view part = path.substr(0, slash);
    if (!part.empty()) parts.push_back(part);
    if (slash == std::string_view::npos) break;
    path.remove_prefix(slash + 1);
  }
  return parts;
}

RegistryStore& RegistryStore::instance() {
  static RegistryStore store;
  return store;
}

RegistryStore::RegistryStore() : roots_(emptyRoots()) {
  const char* file = std::getenv("PLATFORM_REGISTRY");
  if (file == nullptr || *file == '\0') {
    addDefaults(roots_);
    return;
  }
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::string error;
  if (!in || !parseInto(roots_, text.str(), &error)) {
    std::fprintf(stderr, "PLATFORM_REGISTRY %s: %s; starting with the default registry\n", file,
                 in ? error.c_str() : "cannot be read");
    roots_ = emptyRoots();
    addDefaults(roots_);
  }
}

RegistryStore::Roots RegistryStore::emptyRoots() {
  Roots roots;
  for (const char* name : kRootNames) roots.emplace(name, makeKey(name));
  return roots;
}

void RegistryStore::addDefaults(Roots& roots) {
  auto ie = descend(roots, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer", true);
  ie->values["Version"] = "6.0.2800.1106";
}

const char* RegistryStore::beyondLimits(std::string_view fullPath) {
  const auto parts = splitKeyPath(fullPath);
  for (std::string_view part : parts)
    if (part.size() > kMaxKeyNameLength) return "a key name is longer than 255 characters";
  if (parts.size() > kMaxKeyDepth + 1) return "keys nest deeper than 512 levels";
  return nullptr;
}

std::shared_ptr<RegistryKey> RegistryStore::descend(Roots& roots, std::string_view fullPath, bool create) {
  auto parts = splitKeyPath(fullPath);
  if (parts.empty()) return nullptr;
  if (create && beyondLimits(fullPath) != nullptr) return nullptr;
  auto root = roots.find(parts.front());
  if (root == roots.end()) return nullptr;
  std::shared_ptr<RegistryKey> key = root->second;
  for (size_t i = 1; i < parts.size(); ++i) {
    auto sub = key->subkeys.find(parts[i]);
    if (sub == key->subkeys.end()) {
      if (!create) return nullptr;
      sub = key->subkeys.emplace(std::string(parts[i]), makeKey(parts[i])).first;
      key->cursorSet = false;
    }
    key = sub->second;
  }
  return key;
}

bool RegistryStore::parseInto(Roots& roots, const std::string& text, std::string* error) {
  std::istringstream lines(text);
  std::string raw;
  int lineNumber = 0;
  while (std::getline(lines, raw)) {
    ++lineNumber;
    std::string_view line = trimLineEnd(raw);
    if (line.empty() || line.front() == '#') continue;
    const size_t first = line.find('|');
    const size_t second = first == std::string_view::npos ? first : line.find('|', first + 1);
    if (second != std::string_view::npos) {
      if (const char* refused = beyondLimits(line.substr(0, first))) {
        if (error) *error = "line " + std::to_string(lineNumber) + ": " + refused;
        return false;
      }
    }
    auto key = second == std::string_view::npos ? nullptr : descend(roots, line.substr(0, first), true);
    if (key == nullptr) {
      if (error) *error = "line " + std::to_string(lineNumber) + " is not KEY|NAME|TEXT under a root key";
      return false;
    }
    const std::string_view name = line.substr(first + 1, second - first - 1);
    const std::string_view value = line.substr(second + 1);
    if (!name.empty() || !value.empty()) key->values[std::string(name)] = std::string(value);
  }
  return true;
}

std::shared_ptr<RegistryKey> RegistryStore::root(std::string_view rootName) {
  std::lock_guard lock(mutex_);
  auto it = roots_.find(rootName);
  return it == roots_.end() ? nullptr : it->second;
}

std::shared_ptr<RegistryKey> RegistryStore::find(const std::shared_ptr<RegistryKey>& from, std::string_view path) {
  std::lock_guard lock(mutex_);
  std::shared_ptr<RegistryKey> key = from;
  for (std::string_view part : splitKeyPath(path)) {
    auto sub = key->subkeys.find(part);
    if (sub == key->subkeys.end()) return nullptr;
    key = sub->second;
  }
  return key;
}

std::optional<std::string> RegistryStore::value(const std::shared_ptr<RegistryKey>& key, std::string_view valueName) {
  std::lock_guard lock(mutex_);
  auto it = key->values.find(valueName);
  if (it == key->values.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> RegistryStore::subkeyName(const std::shared_ptr<RegistryKey>& key, size_t index) {
  std::lock_guard lock(mutex_);
  if (index >= key->subkeys.size()) return std::nullopt;
  auto at = key->subkeys.cbegin();
  size_t atIndex = 0;
  if (key->cursorSet && key->cursorIndex <= index) {
    at = key->cursor;
    atIndex = key->cursorIndex;
  }
  at = std::next(at, static_cast<std::ptrdiff_t>(index - atIndex));
  key->cursor = at;
  key->cursorIndex = index;
  key->cursorSet = true;
  return at->second->name;
}

bool RegistryStore::createKey(std::string_view fullPath) {
  std::lock_guard lock(mutex_);
  return descend(roots_, fullPath, true) != nullptr;
}

bool RegistryStore::setValue(std::string_view fullPath, const std::string& valueName, const std::string& text) {
  std::lock_guard lock(mutex_);
  auto key = descend(roots_, fullPath, true);
  if (key == nullptr) return false;
  key->values[valueName] = text;
  return true;
}

void RegistryStore::deleteValue(std::string_view fullPath, std::string_view valueName) {
  std::lock_guard lock(mutex_);
  if (auto key = descend(roots_, fullPath, false)) {
    auto it = key->values.find(valueName);
    if (it != key->values.end()) key->values.erase(it);
  }
}

void RegistryStore::deleteKey(std::string_view fullPath) {
  std::lock_guard lock(mutex_);
  const size_t slash = fullPath.rfind('\\');
  if (slash == std::string_view::npos) return;  // root keys cannot be deleted
  if (auto parent = descend(roots_, fullPath.substr(0, slash), false)) {
    auto it = parent->subkeys.find(fullPath.substr(slash + 1));
    if (it != parent->subkeys.end()) {
      parent->subkeys.erase(it);
      parent->cursorSet = false;
    }
  }
}

bool RegistryStore::replaceWithText(const std::string& text, std::string* error) {
  Roots fresh = emptyRoots();
  if (!parseInto(fresh, text, error)) return false;
  std::lock_guard lock(mutex_);
  roots_ = std::move(fresh);
  return true;
}

void RegistryStore::replaceWithDefaults() {
  Roots fresh = emptyRoots();
  addDefaults(fresh);
  std::lock_guard lock(mutex_);
  roots_ = std::move(fresh);
}

void RegistryStore::clear() {
  Roots fresh = emptyRoots();
  std::lock_guard lock(mutex_);
  roots_ = std::move(fresh);
}

}  // namespace win32
