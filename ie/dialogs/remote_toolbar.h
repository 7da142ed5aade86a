// The text of a toolbar button of the browser's process. TB_GETBUTTONTEXTA writes
// through a pointer, which only means something inside the toolbar's own process, so the
// text is written into a block placed there and copied back.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The text of the button whose command identifier is `commandId`, read through a
// 256-byte block in the toolbar's process; nullopt when there is no such button, its
// text does not fit, or the process cannot be reached.
std::optional<std::string> remoteToolbarButtonText(HWND toolbar, int commandId);
