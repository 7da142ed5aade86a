#include "builtin_classes.h"

#include <windows.h>

#include <mutex>

#include "window_manager.h"

namespace win32::internal {

void ensureBuiltInClasses() {
  static std::once_flag once;
  std::call_once(once, [] {
    struct BuiltIn {
      const char* name;
      WNDPROC procedure;
    };
    const BuiltIn classes[] = {
        {"#32770", DefDlgProcA},
    };
    for (const BuiltIn& builtIn : classes) {
      WindowClass windowClass;
      windowClass.name = builtIn.name;
      windowClass.procedure = builtIn.procedure;
      WindowManager::instance().registerClass(windowClass);
    }
  });
}

}  // namespace win32::internal
