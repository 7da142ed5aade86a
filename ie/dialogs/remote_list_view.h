// A list view of the browser's process read and worked from this process. Its messages
// carry pointers, which only mean something inside the list's own process, so records
// and text buffers are placed there (VirtualAllocEx), filled and read back with
// Write/ReadProcessMemory. LVITEMA keeps its 32-bit layout (40 bytes).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The index of the first selected item; 0 when none is.
int selectedListItem(HWND list);

// The text of item `index` (first column), read through one 1024-byte block holding
// the record and, from byte 40, the text; nullopt when the list's process cannot be
// reached.
std::optional<std::string> remoteListItemText(HWND list, int index);

// Looks for the first item whose text equals `text`, selects it and double-clicks it
// at its position. False when no item matches (the list is left as it was) or the
// process cannot be reached.
bool activateListItem(HWND list, const std::string& text);
