// LoadLibrary and friends over dlopen. A module handle is the library's base address.
#include <dirent.h>
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>
#include <windows.h>

#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>

#include "testbed/modules.h"
#include "window_text.h"

namespace {

struct LoadedModule {
  void* library = nullptr;  // from dlopen
  std::string path;
  int references = 0;
};

struct ModuleTable {
  std::mutex mutex;
  std::map<HMODULE, LoadedModule> byBase;
};

ModuleTable& modules() {
  static auto& instance = *new ModuleTable;
  return instance;
}

bool endsWithIgnoringCase(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         win32::internal::equalIgnoringCase(std::string_view(text).substr(text.size() - suffix.size()), suffix);
}

// "Tapwire.dll" -> "libTapwire.so"; a name with another extension keeps it.
std::string sharedObjectName(std::string name) {
  const size_t slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  if (endsWithIgnoringCase(name, ".dll")) {
    name.resize(name.size() - 4);
  } else if (name.find('.') != std::string::npos) {
    return name;  // already a host file name (libX.so)
  }
  return "lib" + name + ".so";
}

std::string directoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

// The folder holding this library: where the build puts every loadable library.
std::string platformLibraryDirectory() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&sharedObjectName), &info) == 0 || info.dli_fname == nullptr) return ".";
  return directoryOf(info.dli_fname);
}

// The entry of `directory` whose name equals `fileName` without regard to case.
std::optional<std::string> findInDirectory(const std::string& directory, const std::string& fileName) {
  DIR* dir = opendir(directory.c_str());
  if (dir == nullptr) return std::nullopt;
  std::optional<std::string> found;
  while (dirent* entry = readdir(dir)) {
    if (win32::internal::equalIgnoringCase(entry->d_name, fileName)) {
      found = directory + "/" + entry->d_name;
      if (fileName == entry->d_name) break;  // an exact match wins
    }
  }
  closedir(dir);
  return found;
}

HMODULE baseOf(void* library, std::string& path) {
  link_map* map = nullptr;
  if (dlinfo(library, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) return nullptr;
  void* symbolInside = reinterpret_cast<void*>(map->l_ld);  // the dynamic section lies inside the object
  Dl_info info{};
  if (dladdr(symbolInside, &info) == 0 || info.dli_fbase == nullptr) return nullptr;
  path = info.dli_fname != nullptr ? info.dli_fname : "";
  return static_cast<HMODULE>(info.dli_fbase);
}

HMODULE programModule() {
  static const HMODULE program = [] {
    std::string path;
    void* self = dlopen(nullptr, RTLD_NOW);
    const HMODULE base = self != nullptr ? baseOf(self, path) : nullptr;
    return base;
  }();
  return program;
}

HMODULE remember(void* library) {
  std::string path;
  const HMODULE base = baseOf(library, path);
  if (base == nullptr) {
    dlclose(library);
    return nullptr;
  }
  ModuleTable& table = modules();
  std::lock_guard lock(table.mutex);
  LoadedModule& module = table.byBase[base];
  if (module.references > 0) {
    dlclose(library);  // already held: one dlopen reference per module is enough
  } else {
    module.library = library;
    module.path = path;
  }
  ++module.references;
  return base;
}

// Host file names (lower case) that the test bed has taken off the machine.
struct HiddenModules {
  std::mutex mutex;
  std::set<std::string> names;
  std::map<std::string, std::string> substitutes;  // host file names, the key lower case
};

HiddenModules& hiddenModules() {
  static HiddenModules hidden;
  return hidden;
}

std::string lowerCase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool isHidden(const std::string& fileName) {
  HiddenModules& hidden = hiddenModules();
  std::lock_guard lock(hidden.mutex);
  return hidden.names.count(lowerCase(fileName)) != 0;
}

// The host file name LoadLibrary loads for `fileName`.
std::string substituteFor(const std::string& fileName) {
  HiddenModules& hidden = hiddenModules();
  std::lock_guard lock(hidden.mutex);
  const auto found = hidden.substitutes.find(lowerCase(fileName));
  return found == hidden.substitutes.end() ? fileName : found->second;
}

}  // namespace

namespace testbed::modules {

void hide(const std::string& name) {
  HiddenModules& hidden = hiddenModules();
  std::lock_guard lock(hidden.mutex);
  hidden.names.insert(lowerCase(sharedObjectName(name)));
}

void substitute(const std::string& name, const std::string& replacement) {
  HiddenModules& hidden = hiddenModules();
  std::lock_guard lock(hidden.mutex);
  hidden.substitutes[lowerCase(sharedObjectName(name))] = sharedObjectName(replacement);
}

void restoreAll() {
  HiddenModules& hidden = hiddenModules();
  std::lock_guard lock(hidden.mutex);
  hidden.names.clear();
  hidden.substitutes.clear();
}

}  // namespace testbed::modules

extern "C" HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
  if (lpLibFileName == nullptr || *lpLibFileName == '\0') {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const std::string fileName = substituteFor(sharedObjectName(lpLibFileName));
  if (isHidden(fileName)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  void* library = nullptr;
  if (const auto beside = findInDirectory(platformLibraryDirectory(), fileName)) {
    library = dlopen(beside->c_str(), RTLD_NOW | RTLD_LOCAL);
  }
  if (library == nullptr) library = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);  // the library path
  if (library == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  const HMODULE module = remember(library);
  if (module == nullptr) SetLastError(ERROR_BAD_EXE_FORMAT);
  return module;
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
  void* library = nullptr;
  {
    ModuleTable& table = modules();
    std::lock_guard lock(table.mutex);
    const auto found = table.byBase.find(hLibModule);
    if (found == table.byBase.end()) {
      SetLastError(ERROR_INVALID_HANDLE);
      return FALSE;
    }
    if (--found->second.references > 0) return TRUE;
    library = found->second.library;
    table.byBase.erase(found);
  }
  dlclose(library);
  return TRUE;
}

extern "C" FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  if (lpProcName == nullptr || IS_INTRESOURCE(lpProcName)) {
    SetLastError(ERROR_PROC_NOT_FOUND);  // exports by ordinal do not exist here
    return nullptr;
  }
  void* library = nullptr;
  bool ownHandle = false;
  {
    ModuleTable& table = modules();
    std::lock_guard lock(table.mutex);
    const auto found = table.byBase.find(hModule);
    if (found != table.byBase.end()) library = found->second.library;
  }
  if (library == nullptr) {
    // A module this process has loaded some other way (the program, a linked library).
    Dl_info info{};
    if (hModule == programModule()) {
      library = dlopen(nullptr, RTLD_NOW);
    } else if (dladdr(hModule, &info) != 0 && info.dli_fbase == hModule && info.dli_fname != nullptr) {
      library = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    }
    if (library == nullptr) {
      SetLastError(ERROR_INVALID_HANDLE);
      return nullptr;
    }
    ownHandle = true;
  }
  void* symbol = dlsym(library, lpProcName);
  if (ownHandle) dlclose(library);
  if (symbol == nullptr) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<FARPROC>(symbol);
}

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  if (lpModuleName == nullptr) return programModule();
  const std::string fileName = sharedObjectName(lpModuleName);
  // Only a module already in the process: RTLD_NOLOAD never loads one.
  void* library = nullptr;
  if (const auto beside = findInDirectory(platformLibraryDirectory(), fileName)) {
    library = dlopen(beside->c_str(), RTLD_NOW | RTLD_NOLOAD);
  }
  if (library == nullptr) library = dlopen(fileName.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (library == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  std::string path;
  const HMODULE base = baseOf(library, path);
  dlclose(library);
  if (base == nullptr) SetLastError(ERROR_MOD_NOT_FOUND);
  return base;
}

extern "C" BOOL WINAPI GetModuleHandleExA(DWORD dwFlags, LPCSTR lpModuleName, HMODULE* phModule) {
  if (phModule == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *phModule = nullptr;
  if ((dwFlags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) == 0) {
    *phModule = GetModuleHandleA(lpModuleName);
    return *phModule != nullptr ? TRUE : FALSE;
  }
  Dl_info info{};
  if (dladdr(lpModuleName, &info) == 0 || info.dli_fbase == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
  }
  *phModule = static_cast<HMODULE>(info.dli_fbase);
  return TRUE;
}

extern "C" DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
  std::string path;
  if (hModule == nullptr || hModule == programModule()) {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length > 0) path.assign(buffer, static_cast<size_t>(length));
  } else {
    Dl_info info{};
    if (dladdr(hModule, &info) != 0 && info.dli_fbase == hModule && info.dli_fname != nullptr) path = info.dli_fname;
  }
  if (path.empty()) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  if (nSize == 0 || lpFilename == nullptr) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  const int copied = win32::internal::copyText(path, lpFilename, static_cast<int>(nSize > 0x7FFFFFFF ? 0x7FFFFFFF : nSize));
  // Windows reports truncation by returning nSize with ERROR_INSUFFICIENT_BUFFER.
  if (static_cast<size_t>(copied) < path.size()) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
  }
  return static_cast<DWORD>(copied);
}
