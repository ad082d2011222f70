#pragma once
// A plain-text picture of what the main window shows: every named label of its panels (text,
// whether it shows, its colours), the LEDs, and every row of every grid. One line per label,
// LED or grid row, in a stable order, so that two dumps can be compared line by line.
#include <QString>

class QWidget;
class Tzr8f;

namespace paneldump {

// Labels as  `label <panel>/<name> "<text>" <text colour> on <background>[ hidden]`,
// LEDs as    `led <name> shown|hidden`,
// grid rows  `<grid> <row> |cell|cell|...|`  (the row selected in a whole-row grid ends in  <).
// Colours are named (black, yellow, lime, ..., button for the button face) or #rrggbb.
QString dump(const Tzr8f& w);

// The line of the label, or the rows of the grid, of this object name as dump() writes them;
// "no such item <name>" when the main window has neither.
QString dumpOne(const Tzr8f& w, const QString& name);

// The make-up of a window: every widget in it, one line each, indented by nesting, siblings in
// reading order (top to bottom, then left to right):
//   `<name> <class> x y w h` then, where the widget has them,
//   ` "<caption>"`, ` picture WxH`, ` font <px>px[ bold]` (a font of its own),
//   ` <text colour>[ on <background>]` (colours of its own), ` sunken`, ` hidden`, ` disabled`,
//   ` tip "<tool-tip>"`, ` described "<text>"` (an accessible description other than its name);
//   a grid adds ` grid <cols>x<rows> fixed <rows>,<cols> widths <w>... rows <h>` and
//   ` whole-rows`, ` scroll <h|v|hv>`, ` hint "<hint>"`.
// An unnamed widget shows as `-`. What a grid holds inside (viewport, headers) is left out.
QString geometry(const QWidget& window);

}  // namespace paneldump
