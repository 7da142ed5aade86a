// Modal dialogs for the stand-ins (a browser's script dialogs, message boxes).
#pragma once

#include <windef.h>

#include <functional>

namespace win32::internal {
// Runs `dialog`, a "#32770" window of the calling thread, as Windows runs a modal
// dialog: disables its owner, shows and activates it, then serves messages and carried
// calls until EndDialog ends it; gives the owner back, destroys the dialog and returns
// EndDialog's result. `shown` runs once the dialog is up (an automatic answer can end
// it there). A WM_QUIT ends the run with 0 and is posted again for the outer loop.
// Returns -1 when `dialog` is no window of the calling thread.
DECLSPEC_EXPORT INT_PTR runModalDialog(HWND dialog, const std::function<void()>& shown = {});
}  // namespace win32::internal
