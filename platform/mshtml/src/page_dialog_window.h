// The native window of a dialog the page waits on (a script dialog or the file
// chooser), as the browser session keeps it until the engine closes the dialog.
#pragma once

#include <windows.h>

namespace mshtml {

class PageDialogWindow {
 public:
  virtual ~PageDialogWindow() = default;
  // The dialog's window; null once it is gone.
  virtual HWND window() const = 0;
};

}  // namespace mshtml
