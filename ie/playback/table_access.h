// Tables in playback: finding a recorded table, identifying one of its cells, and
// reading the text of a cell or of a whole column. Rows and columns are counted from 1;
// a row is an entry of the table's rows (all sections, in document order) and a column
// the position of a cell within its row, a spanning cell taking one position. Texts are
// the cells' inner texts in the ANSI code page, not cleaned.
#pragma once

#include <string>
#include <vector>

// The TABLE with this id or, when the id is "NONE", whose firstCellText equals
// `firstCell`, taken at `index` among the matches; on "SUCCESS" it is the target element.
std::string fixTable(const std::string& firstCell, int index, const std::string& id);

// The cell with this id (at `index` among the cells with it, row and column unused) or,
// for the id "NONE", the cell at row and column of the table the last fixTable found;
// on "SUCCESS" it is the target element.
std::string fixCell(int column, int row, const std::string& cellId, int index);

// The text of the cell at row and column of the target table ("NONE" for a cell without
// text), or an error word.
std::string tableCellText(int row, int column);

struct ColumnValues {
  std::string word;                 // "SUCCESS" when at least one cell had text
  std::vector<std::string> values;  // "" for a cell without text
};

// The texts of column `column` of the target table, one per row that has that column.
ColumnValues tableColumnValues(int column);
