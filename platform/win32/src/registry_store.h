// The registry stand-in's data: a tree of keys with string values, shared by the
// Reg* functions and the test-bed API. All access goes through RegistryStore, which
// holds the one lock.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win32 {

struct CaseInsensitiveLess {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

// Windows keeps a key's name to 255 characters and its nesting to 512 levels below the
// root key; the store refuses to create keys beyond either.
inline constexpr size_t kMaxKeyNameLength = 255;
inline constexpr size_t kMaxKeyDepth = 512;

struct RegistryKey {
  using Subkeys = std::map<std::string, std::shared_ptr<RegistryKey>, CaseInsensitiveLess>;

  std::string name;  // as first written
  Subkeys subkeys;
  std::map<std::string, std::string, CaseInsensitiveLess> values;

  // Where the last enumeration by index stood, so that a walk by rising index costs
  // one step per call instead of a walk from the first subkey. Dropped whenever the
  // subkeys change.
  Subkeys::const_iterator cursor{};
  size_t cursorIndex = 0;
  bool cursorSet = false;
};

class RegistryStore {
 public:
  static RegistryStore& instance();

  // Root key by predefined handle value (HKEY_LOCAL_MACHINE ...) or by name.
  std::shared_ptr<RegistryKey> root(std::string_view rootName);

  // Lookups and changes; `path` is relative to `from` and uses backslashes.
  std::shared_ptr<RegistryKey> find(const std::shared_ptr<RegistryKey>& from, std::string_view path);
  std::optional<std::string> value(const std::shared_ptr<RegistryKey>& key, std::string_view valueName);
  std::optional<std::string> subkeyName(const std::shared_ptr<RegistryKey>& key, size_t index);

  // Test-bed changes; full paths begin with the root's name. Creating a key with a name
  // or a depth beyond Windows' limits is refused (false), as is a path under no root.
  bool createKey(std::string_view fullPath);
  bool setValue(std::string_view fullPath, const std::string& valueName, const std::string& text);
  void deleteValue(std::string_view fullPath, std::string_view valueName);
  void deleteKey(std::string_view fullPath);
  bool replaceWithText(const std::string& text, std::string* error);
  void replaceWithDefaults();
  void clear();

 private:
  RegistryStore();
  using Roots = std::map<std::string, std::shared_ptr<RegistryKey>, CaseInsensitiveLess>;
  static Roots emptyRoots();
  static void addDefaults(Roots& roots);
  static bool parseInto(Roots& roots, const std::string& text, std::string* error);
  static std::shared_ptr<RegistryKey> descend(Roots& roots, std::string_view fullPath, bool create);
  // Why Windows would refuse to create the key: a name or a depth beyond its limits;
  // null when it would not.
  static const char* beyondLimits(std::string_view fullPath);

  std::mutex mutex_;
  Roots roots_;
};

std::vector<std::string_view> splitKeyPath(std::string_view path);

}  // namespace win32
