#pragma once
// Writes a decoded column into a status grid, row = bit + 1.
#include "decode/codetable.h"

class StringGrid;

namespace decode {
// Rows without a text keep theirs.
void writeColumn(StringGrid& grid, int column, const ColumnTexts& texts);
// Every row from 1 on.
void writeColumn(StringGrid& grid, int column, std::span<const QString> texts);
}  // namespace decode
