#pragma once
// Which row of a raw-traffic grid a frame belongs to. Every grid keeps one row per kind of
// message; a row is identified by its group (column 1) and one more column:
//
//   plain frame         CMD1 CMD2 ...          column 3 = CMD2
//   extended 0x89/0x8C  CMD1 A0 89 DATA1 ...   column 5 = DATA1 (a Sony command for a machine)
//   extended 0x8B       CMD1 A0 8B m DATA2 ... column 6 = DATA2 (key command to machine m)
//   other extended      CMD1 A0 DATA0 ...      column 4 = DATA0 (the kind)
//
// The bytes are read from the frame buffer whatever the frame's length, as the grids always did.
#include "link/frame.h"

#include <QString>

namespace rowkey {

struct Key {
    QString group;  // one hex digit, CMD1 >> 4
    int column;     // the grid column that tells kinds of this group apart
    QString value;  // the text that column holds for this kind
};

Key of(const frame::Bytes& rx);

// The count column runs modulo 100; an empty cell counts as 0.
QString nextCount(const QString& count);

}  // namespace rowkey
