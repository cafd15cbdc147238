#pragma once
#include <span>
#include <vector>

#include "browse/figure_files.h"

namespace torvane {

// The column of the list under x (pixels from the grid's left edge): column widths and grid
// lines added up from the leftmost visible column. -1 on a grid line or beyond the last column.
int ListColumnAt(int x, std::span<const int> columnWidths, int gridLineWidth, int leftColumn);

// Sorts the rows by one column, comparing the upper-cased texts by character codes: row by row,
// the smallest (largest when descending) of the later rows is swapped into place.
void SortListRows(std::vector<TFileListRow>& rows, int column, bool descending);

}  // namespace torvane
