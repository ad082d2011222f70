#pragma once
// Drawing the texts of grid cells. The grids show the same few hundred texts (hex bytes, counts,
// names) over and over, and laying a text out costs far more than drawing it, so each text is
// laid out once for the font and kept.
#include <QRect>
#include <Qt>

class QPainter;
class QString;

// Draws `text` vertically centred in `rect` with the painter's font and pen, placed left, centred
// or right as `horizontal` says, clipped to the rect (two hex digits are cut, never replaced by
// an ellipsis). User-interface thread only.
void drawCellText(QPainter& painter, QRect rect, const QString& text,
                  Qt::Alignment horizontal = Qt::AlignLeft);
