#include "mozilla_registry.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace fennick {

namespace {

constexpr DWORD kValueBufferSize = 260;
constexpr DWORD kCountNameCapacity = 260;
constexpr DWORD kCountNameRetryCapacity = 261;
constexpr DWORD kDetailsNameCapacity = 1024;

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

// Reads a string value into a buffer of 260 bytes. A value that does not fit is asked
// for again at most twice; after that it counts as not read. Gives the last result code.
LONG queryString(HKEY key, const char* name, std::string& value) {
  char buffer[kValueBufferSize];
  LONG result = ERROR_MORE_DATA;
  for (int attempt = 0; attempt < 3 && result == ERROR_MORE_DATA; ++attempt) {
    DWORD size = kValueBufferSize;
    result = RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<LPBYTE>(buffer), &size);
    if (result == ERROR_SUCCESS) {
      // Registry strings need not end with a null; never read past what was written.
      const DWORD length = size < kValueBufferSize ? size : kValueBufferSize - 1;
      buffer[length] = '\0';
      value = buffer;
    }
  }
  return result;
}

std::string shortPath(const std::string& path) {
  char buffer[MAX_PATH] = {};
  const DWORD length = GetShortPathName(path.c_str(), buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

// The name of subkey `index`: true when one was read. A name that does not fit is asked
// for again with `retryCapacity` characters, at most twice, and then skipped. `done` is
// set when the enumeration cannot go on: no more items, or the key itself failed.
bool enumerateSubkey(HKEY key, DWORD index, DWORD capacity, DWORD retryCapacity, std::string& name, bool& done) {
  std::string buffer(std::max(capacity, retryCapacity) + 1, '\0');
  DWORD length = capacity;
  LONG result = RegEnumKeyEx(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
  for (int retry = 0; retry < 2 && result == ERROR_MORE_DATA; ++retry) {
    length = retryCapacity;
    result = RegEnumKeyEx(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
  }
  done = result != ERROR_SUCCESS && result != ERROR_MORE_DATA;
  if (result != ERROR_SUCCESS) return false;
  name.assign(buffer.data(), length);
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
  RegistryKey gre;
  if (gre.open(kGreKey, KEY_ENUMERATE_SUB_KEYS) != ERROR_SUCCESS) {
    reportUnreadableKey(kGreKey);
    return -1;
  }
  int count = 0;
  std::string name;
  bool done = false;
  for (DWORD index = 0; !done; ++index)
    if (enumerateSubkey(gre.get(), index, kCountNameCapacity, kCountNameRetryCapacity, name, done)) ++count;
  return count;
}

std::vector<std::string> installationDetails() {
  const int count = countInstallations();
  if (count < 0) return {};
  const size_t capacity = static_cast<size_t>(count) * 3;
  std::vector<std::string> details;
  details.reserve(capacity);

  RegistryKey gre;
  if (gre.open(kGreKey, KEY_ENUMERATE_SUB_KEYS) != ERROR_SUCCESS) {
    reportUnreadableKey(kGreKey);
    return details;
  }
  std::string name;
  bool done = false;
  // Never more entries than were counted: a runtime registered in between is left out.
  for (DWORD index = 0; !done && details.size() + 3 <= capacity; ++index) {
    if (!enumerateSubkey(gre.get(), index, kDetailsNameCapacity, kDetailsNameCapacity, name, done)) continue;
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
