#include "decode/gridcolumn.h"

#include "link/StringGrid.h"

namespace decode {

void writeColumn(StringGrid& grid, int column, const ColumnTexts& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i]) grid.setCell(column, static_cast<int>(i) + 1, *texts[i]);
    }
}

void writeColumn(StringGrid& grid, int column, std::span<const QString> texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        grid.setCell(column, static_cast<int>(i) + 1, texts[i]);
    }
}

}  // namespace decode
