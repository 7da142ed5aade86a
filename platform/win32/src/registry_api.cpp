// RegOpenKeyEx, RegQueryValueEx, RegEnumKeyEx and RegCloseKey over the registry store,
// with the result codes and size conventions of the real functions.
#include <windows.h>

#include <cstring>
#include <map>
#include <mutex>

#include "registry_store.h"
#include "testbed/registry.h"

namespace {

using win32::RegistryKey;
using win32::RegistryStore;

// Open keys: handle value -> key. Predefined root handles are not in the table.
class OpenKeys {
 public:
  static OpenKeys& instance() {
    static OpenKeys keys;
    return keys;
  }

  HKEY add(std::shared_ptr<RegistryKey> key) {
    std::lock_guard lock(mutex_);
    nextHandle_ += 4;
    keys_.emplace(nextHandle_, std::move(key));
    return reinterpret_cast<HKEY>(nextHandle_);
  }

  std::shared_ptr<RegistryKey> get(HKEY handle) {
    if (const char* rootName = predefinedName(handle)) return RegistryStore::instance().root(rootName);
    std::lock_guard lock(mutex_);
    auto it = keys_.find(reinterpret_cast<uintptr_t>(handle));
    return it == keys_.end() ? nullptr : it->second;
  }

  bool remove(HKEY handle) {
    if (predefinedName(handle) != nullptr) return true;
    std::lock_guard lock(mutex_);
    return keys_.erase(reinterpret_cast<uintptr_t>(handle)) == 1;
  }

 private:
  static const char* predefinedName(HKEY handle) {
    if (handle == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
    if (handle == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
    if (handle == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
    if (handle == HKEY_USERS) return "HKEY_USERS";
    return nullptr;
  }

  std::mutex mutex_;
  std::map<uintptr_t, std::shared_ptr<RegistryKey>> keys_;
  uintptr_t nextHandle_ = 0x1000;
};

}  // namespace

extern "C" LONG WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM, PHKEY phkResult) {
  if (phkResult == nullptr) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  auto parent = OpenKeys::instance().get(hKey);
  if (parent == nullptr) return ERROR_INVALID_HANDLE;
  auto key = RegistryStore::instance().find(parent, lpSubKey ? lpSubKey : "");
  if (key == nullptr) return ERROR_FILE_NOT_FOUND;
  *phkResult = OpenKeys::instance().add(std::move(key));
  return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData,
                                        LPDWORD lpcbData) {
  if (lpData != nullptr && lpcbData == nullptr) return ERROR_INVALID_PARAMETER;
  auto key = OpenKeys::instance().get(hKey);
  if (key == nullptr) return ERROR_INVALID_HANDLE;
  auto value = RegistryStore::instance().value(key, lpValueName ? lpValueName : "");
  if (!value) return ERROR_FILE_NOT_FOUND;
  if (lpType != nullptr) *lpType = REG_SZ;
  const size_t needed = value->size() + 1;  // the stored string keeps its terminating null
  if (needed > 0xFFFFFFFFu) return ERROR_INVALID_DATA;
  if (lpcbData == nullptr) return ERROR_SUCCESS;
  const DWORD capacity = *lpcbData;
  *lpcbData = static_cast<DWORD>(needed);
  if (lpData == nullptr) return ERROR_SUCCESS;
  if (capacity < needed) return ERROR_MORE_DATA;
  std::memcpy(lpData, value->c_str(), needed);
  return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD,
                                     LPSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
  if (lpName == nullptr || lpcchName == nullptr) return ERROR_INVALID_PARAMETER;
  auto key = OpenKeys::instance().get(hKey);
  if (key == nullptr) return ERROR_INVALID_HANDLE;
  auto name = RegistryStore::instance().subkeyName(key, dwIndex);
  if (!name) return ERROR_NO_MORE_ITEMS;
  if (name->size() + 1 > *lpcchName) return ERROR_MORE_DATA;
  std::memcpy(lpName, name->c_str(), name->size() + 1);
  *lpcchName = static_cast<DWORD>(name->size());
  if (lpClass != nullptr && lpcchClass != nullptr && *lpcchClass > 0) {
    lpClass[0] = '\0';
    *lpcchClass = 0;
  }
  if (lpftLastWriteTime != nullptr) *lpftLastWriteTime = FILETIME{0, 0};
  return ERROR_SUCCESS;
}

extern "C" LONG WINAPI RegCloseKey(HKEY hKey) {
  return OpenKeys::instance().remove(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

namespace testbed::registry {

bool loadFile(const std::string& path, std::string* error) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    if (error) *error = "cannot read " + path;
    return false;
  }
  std::string text;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  std::fclose(file);
  return loadText(text, error);
}

bool loadText(const std::string& text, std::string* error) {
  return RegistryStore::instance().replaceWithText(text, error);
}

void resetToDefaults() { RegistryStore::instance().replaceWithDefaults(); }
void clear() { RegistryStore::instance().clear(); }
bool createKey(const std::string& keyPath) { return RegistryStore::instance().createKey(keyPath); }
bool setValue(const std::string& keyPath, const std::string& valueName, const std::string& text) {
  return RegistryStore::instance().setValue(keyPath, valueName, text);
}
void deleteValue(const std::string& keyPath, const std::string& valueName) {
  RegistryStore::instance().deleteValue(keyPath, valueName);
}
void deleteKey(const std::string& keyPath) { RegistryStore::instance().deleteKey(keyPath); }

}  // namespace testbed::registry
