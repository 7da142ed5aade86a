// Finding the control the host addresses inside the dialog it named: a descendant of
// the target window whose class name equals the given class exactly and whose control
// identifier, written in decimal, equals the given text ("1" and "01" differ).
#pragma once

#include <windows.h>

#include <string>

// The first such descendant in enumeration order, or null (also when `dialog` is null).
HWND findControl(HWND dialog, const std::string& windowClass, const std::string& controlId);

// findControl inside the target window with the latest control arguments; the result
// also becomes the state's found control.
HWND findAddressedControl();

// The class name of a window (at most 4095 bytes), empty when it cannot be read.
std::string windowClassName(HWND window);

// The whole window text, empty when there is none.
std::string windowText(HWND window);
