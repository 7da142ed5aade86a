#include "builtin_classes.h"

#include <windows.h>

#include <mutex>

#include "controls/control_support.h"
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
        {"Button", buttonProcedure},
        {"Static", staticProcedure},
        {"Edit", editProcedure},
        {"ComboBox", comboBoxProcedure},
        {"ComboBoxEx32", comboBoxExProcedure},
        {"SysListView32", listViewProcedure},
        {"ToolbarWindow32", toolbarProcedure},
        {"ReBarWindow32", bandContainerProcedure},
        {"WorkerW", bandContainerProcedure},
    };
    for (const BuiltIn& builtIn : classes) {
      WindowClass windowClass;
      windowClass.name = builtIn.name;
      windowClass.procedure = builtIn.procedure;
      windowClass.system = true;
      WindowManager::instance().registerClass(windowClass);
    }
  });
}

}  // namespace win32::internal
