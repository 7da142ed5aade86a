#include "component_loader.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <vector>

#include "nsCOMPtr.h"
#include "nsIModule.h"

namespace xpcom::internal {
namespace {
std::mutex gMutex;
std::vector<nsCOMPtr<nsIModule>> gModules;
constexpr const char* kNativeComponentType = "application/x-mozilla-native";
}  // namespace

int loadComponents(const std::string& folder, nsIComponentManager* manager) {
  std::error_code error;
  std::vector<std::filesystem::path> libraries;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file(error) && entry.path().extension() == ".so") libraries.push_back(entry.path());
  }
  if (error) {
    std::fprintf(stderr, "xpcom: cannot read the components folder %s: %s\n", folder.c_str(), error.message().c_str());
    return 0;
  }
  std::sort(libraries.begin(), libraries.end());
  int registered = 0;
  for (const auto& library : libraries) {
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      std::fprintf(stderr, "xpcom: cannot load %s: %s\n", library.c_str(), dlerror());
      continue;
    }
    auto getModule = reinterpret_cast<nsGetModuleProc>(dlsym(handle, NS_GET_MODULE_SYMBOL));
    if (!getModule) {
      std::fprintf(stderr, "xpcom: %s has no %s\n", library.c_str(), NS_GET_MODULE_SYMBOL);
      continue;
    }
    nsCOMPtr<nsIModule> module;
    nsresult rv = getModule(manager, nullptr, getter_AddRefs(module));
    if (NS_SUCCEEDED(rv) && !module) rv = NS_ERROR_FAILURE;
    if (NS_SUCCEEDED(rv)) rv = module->RegisterSelf(manager, nullptr, library.c_str(), kNativeComponentType);
    if (NS_FAILED(rv)) {
      std::fprintf(stderr, "xpcom: %s did not register (0x%08x)\n", library.c_str(), rv);
      continue;
    }
    std::lock_guard lock(gMutex);
    gModules.push_back(module);
    ++registered;
  }
  return registered;
}

void releaseModules() {
  std::vector<nsCOMPtr<nsIModule>> modules;
  {
    std::lock_guard lock(gMutex);
    modules.swap(gModules);
  }
}

}  // namespace xpcom::internal
