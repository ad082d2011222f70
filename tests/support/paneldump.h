#pragma once
// A plain-text picture of what the main window shows: every named label of its panels (text,
// whether it shows, its colours), the LEDs, and every row of every grid. One line per label,
// LED or grid row, in a stable order, so that two dumps can be compared line by line.
#include <QString>

class Tzr8f;

namespace paneldump {

// Labels as  `label <panel>/<name> "<text>" <text colour> on <background>[ hidden]`,
// LEDs as    `led <name> shown|hidden`,
// grid rows  `<grid> <row> |cell|cell|...|`  (the row selected in a whole-row grid ends in  <).
// Colours are named (black, yellow, lime, ..., button for the button face) or #rrggbb.
QString dump(const Tzr8f& w);

}  // namespace paneldump
