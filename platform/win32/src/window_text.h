// Small helpers for the byte strings windows keep: bounded copies into callers'
// buffers and the case-insensitive comparison Windows uses for class names and titles.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32::internal {

// Copies `text` into `buffer` of `capacity` bytes, truncating and always terminating;
// returns the bytes copied without the terminator (0 when capacity is 0).
int copyText(std::string_view text, LPSTR buffer, int capacity);

// Compares as Windows-1252 text without regard to case.
bool equalIgnoringCase(std::string_view a, std::string_view b);
// <0, 0 or >0 as lstrcmpi orders Windows-1252 text.
int compareIgnoringCase(std::string_view a, std::string_view b);

}  // namespace win32::internal
