// Reading an element, a table cell, a table or the page text back during playback, so
// the host can compare them with what a checkpoint recorded. Each waits for the page
// first, finds its element with the finders, and answers a property list
// (property_lists.h) or an error word.
#pragma once

#include <string>

// The element of recorded type `type` ("text", "password", "textarea", "button",
// "submit", "reset", "checkbox", "radio", "image", "file", "select-one",
// "select-multiple", "IMG", "link"; exactly) with its window properties appended.
std::string fixAndGetElementProp(const std::string& type, const std::string& name, int index, const std::string& id);

// The cell (fixCell) with its window properties appended.
std::string fixAndGetCellProp(int column, int row, const std::string& cellId, int index);

// The table's number of rows, "-", and the number of cells in its first row.
std::string fixAndGetTableProp(const std::string& firstCell, int index, const std::string& id);

// The text of the page's body, not cleaned; "" for a page without text.
std::string getBodyText();
