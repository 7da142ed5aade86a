// Checkpoints on tables: the list of a picked cell (element mode) and of the table
// around the picked element (table mode). A table is known by its id or, without one,
// by the text its first cell starts with, and by its index among the tables known the
// same way.
#pragma once

#include <mshtml.h>

#include <string>
#include <vector>

namespace recording {

// Appends the cell list of `cell` (a TD or TH) to `list`.
void appendCellList(IHTMLElement* cell, IHTMLDocument2* document, std::vector<std::string>& list);

// Replaces the checkpoint properties with the window block of `event` and, when its
// element is inside a table cell, the list of that cell's table.
void tableCheckpoint(IHTMLEventObj* event);

}  // namespace recording
