#include "mozilla_registry.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdio>

namespace fennick {

namespace {

// Subkey names are enumerated into one buffer size for counting and for the details, so
// the two always take the same names. Windows keeps key names to 255 characters.
constexpr DWORD kNameCapacity = 1024;

// An open registry key, closed when it goes out of scope.
class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }

  LONG open(const std::string& path, REGSAM access) {
    return RegOpenKeyEx(HKEY_LOCAL_MACHINE, path.c_str(), 0, access, &key_);
  }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

void reportUnreadableKey(const char* path) {
  std::printf("ERROR : In reading %s\n", path);
  std::fflush(stdout);
}

void reportUnopenedKey(LONG error) {
  std::printf("ERROR in getting version %ld \n", static_cast<long>(error));
  std::fflush(stdout);
}

// Reads a string value whole: asks for its size, then reads it into a buffer of that
// size. A value that grew in between is asked for again at most twice; after that it
// counts as not read. Gives the last result code.
LONG queryString(HKEY key, const char* name, std::string& value) {
  DWORD size = 0;
  LONG result = RegQueryValueEx(key, name, nullptr, nullptr, nullptr, &size);
  for (int attempt = 0; attempt < 3 && result == ERROR_SUCCESS; ++attempt) {
    std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
    DWORD read = size;
    result = RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<LPBYTE>(buffer.data()), &read);
    if (result == ERROR_SUCCESS) {
      // Registry strings need not end with a null; never read past what was written.
      const char* begin = buffer.data();
      const char* end = begin + std::min(read, size);
      value.assign(begin, std::find(begin, end, '\0'));
      return result;
    }
    if (result != ERROR_MORE_DATA) return result;
    size = read;  // the size the value has now
    result = ERROR_SUCCESS;
  }
  return result == ERROR_SUCCESS ? ERROR_MORE_DATA : result;
}

// The 8.3 form of an existing path, however long; "" when there is none.
std::string shortPath(const std::string& path) {
  std::string buffer(MAX_PATH, '\0');
  DWORD length = GetShortPathName(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length >= buffer.size()) {  // too small: the size needed, with its null
    buffer.assign(length, '\0');
    length = GetShortPathName(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  }
  return length > 0 && length < buffer.size() ? buffer.substr(0, length) : std::string();
}

// The name of subkey `index`: true when one was read. A name that does not fit is asked
// for again at most twice, and then skipped. `done` is set when the enumeration cannot
// go on: no more items, or the key itself failed.
bool enumerateSubkey(HKEY key, DWORD index, std::string& name, bool& done) {
  char buffer[kNameCapacity + 1];
  DWORD length = kNameCapacity;
  LONG result = RegEnumKeyEx(key, index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
  for (int retry = 0; retry < 2 && result == ERROR_MORE_DATA; ++retry) {
    length = kNameCapacity;
    result = RegEnumKeyEx(key, index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
  }
  done = result != ERROR_SUCCESS && result != ERROR_MORE_DATA;
  if (result != ERROR_SUCCESS) return false;
  name.assign(buffer, std::min(length, kNameCapacity));
  return true;
}

// The names of the registered runtimes in enumeration order; false (after the error
// line) when the runtime key cannot be opened. Counting and the details both take the
// names from here, so they agree on every name the enumeration gives or withholds.
bool runtimeNames(std::vector<std::string>& names) {
  RegistryKey gre;
  if (gre.open(kGreKey, KEY_ENUMERATE_SUB_KEYS) != ERROR_SUCCESS) {
    reportUnreadableKey(kGreKey);
    return false;
  }
  std::string name;
  bool done = false;
  for (DWORD index = 0; !done; ++index)
    if (enumerateSubkey(gre.get(), index, name, done)) names.push_back(name);
  return true;
}

// Opens a runtime's own subkey for reading its values; reports a failure.
bool openRuntimeKey(const std::string& subkeyName, RegistryKey& runtime) {
  const LONG error = runtime.open(std::string(kGreKey) + "\\" + subkeyName, KEY_QUERY_VALUE);
  if (error != ERROR_SUCCESS) reportUnopenedKey(error);
  return error == ERROR_SUCCESS;
}

}  // namespace

int countInstallations() {
  std::vector<std::string> names;
  if (!runtimeNames(names)) return -1;
  return names.size() > INT_MAX ? INT_MAX : static_cast<int>(names.size());
}

std::vector<std::string> installationDetails() {
  std::vector<std::string> names;
  std::vector<std::string> details;
  if (!runtimeNames(names)) return details;
  details.reserve(names.size() * 3);
  for (const std::string& name : names) {
    std::string version = readRuntimeVersion(name);
    if (version.empty()) version = name;
    details.push_back(version);
    details.push_back(readExecutablePath(version));
    details.push_back(readRuntimeHome(name));
  }
  return details;
}

std::string readRuntimeVersion(const std::string& subkeyName) {
  RegistryKey runtime;
  if (!openRuntimeKey(subkeyName, runtime)) return "";
  std::string version;
  queryString(runtime.get(), "Version", version);
  return version;
}

std::string readExecutablePath(const std::string& version) {
  RegistryKey bin;
  const std::string path = std::string(kApplicationKey) + "\\Mozilla " + version + "\\bin";
  if (const LONG error = bin.open(path, KEY_QUERY_VALUE); error != ERROR_SUCCESS) {
    reportUnopenedKey(error);
    return "";
  }
  std::string executable;
  if (queryString(bin.get(), "PathToExe", executable) != ERROR_SUCCESS &&
      queryString(bin.get(), "PathToExe", executable) != ERROR_SUCCESS)
    return "";
  return shortPath(executable);
}

std::string readRuntimeHome(const std::string& subkeyName) {
  RegistryKey runtime;
  if (!openRuntimeKey(subkeyName, runtime)) return "";
  std::string home;
  const LONG result = queryString(runtime.get(), "GreHome", home);
  if (result == ERROR_FILE_NOT_FOUND) return "GreHome key not available in registry";
  return result == ERROR_SUCCESS ? shortPath(home) : std::string();
}

}  // namespace fennick
