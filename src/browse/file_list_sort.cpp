#include "browse/file_list_sort.h"

#include <utility>

#include "util/strings.h"

namespace torvane {

int ListColumnAt(int x, std::span<const int> columnWidths, int gridLineWidth, int leftColumn) {
    int left = 0;
    for (int column = leftColumn < 0 ? 0 : leftColumn; column < static_cast<int>(columnWidths.size()); ++column) {
        left += columnWidths[column];
        if (x < left) return column;
        left += gridLineWidth;
        if (x < left) return -1;
    }
    return -1;
}

void SortListRows(std::vector<TFileListRow>& rows, int column, bool descending) {
    if (column < 0 || column >= static_cast<int>(TFileListRow{}.size())) return;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        std::u16string best = UpperStr(rows[i][column]);
        std::size_t found = i;
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            std::u16string text = UpperStr(rows[j][column]);
            if (descending ? text > best : text < best) {
                best = std::move(text);
                found = j;
            }
        }
        if (found != i) std::swap(rows[i], rows[found]);
    }
}

}  // namespace torvane
