// How a table without an id is told apart from the others: by the start of the text of
// its first cell. Recording and playback both use this, so a table recorded this way is
// found again by the same bytes.
#pragma once

#include <mshtml.h>

#include <string>

// At most the first ten bytes (ANSI code page) of the text of the table's first cell;
// "NONE" for a null table, a table without cells, or a first cell without text.
std::string firstCellText(IHTMLTable2* table);
