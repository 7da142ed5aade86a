// Small pieces both page dialogs (the script dialogs and the file chooser) are built from.
#pragma once

#include <windows.h>

#include <string>

namespace mshtml {

// A visible child control of `parent` at `place`; null when the dialog was closed while
// it was being made, so a dialog under construction can be torn down at any step.
HWND addDialogChild(HWND parent, const char* className, const char* text, int id, RECT place,
                    DWORD style = 0);

// The window's text, as many bytes as it holds.
std::string dialogChildText(HWND window);

}  // namespace mshtml
