#pragma once
// Command frames a controller puts on the line, completed with their checksums: the frames of
// link/encode.h as byte strings, with times given as frame counts.
#include "link/encode.h"

#include <QByteArray>

#include <cstdint>
#include <initializer_list>

namespace sim::cmd {

// The encoded frame as a byte string.
QByteArray bytes(const encode::Frame& frame);

// CMD1 CMD2 and data as given (CMD1's count nibble must match), checksum appended.
QByteArray make(std::initializer_list<std::uint8_t> body);

//   02 A0 85 0x cs         cyclic data on (01) or off (00)
QByteArray cyclic(bool on);
//   03 A0 8B mm kk cs      key command kk to machine mm (kk 00: select it)
QByteArray toMachine(std::uint8_t machine, std::uint8_t keyCommand);
//   02 A0 89 kk cs / 02 A0 8C kk cs   to the current / master machine
QByteArray toCurrent(std::uint8_t keyCommand);
QByteArray toMaster(std::uint8_t keyCommand);
//   06 A0 89|8C kk ff ss mm hh cs     locate kind kk of the current / master machine
QByteArray locateCurrent(std::uint8_t keyCommand, int frames);
QByteArray locateMaster(std::uint8_t keyCommand, int frames);
//   07 A0 8B mm kk ff ss mm hh cs     the same to machine mm
QByteArray locateMachine(std::uint8_t machine, std::uint8_t keyCommand, int frames);
//   24 31 ff ss mm hh cs   Sony locate
QByteArray sonyLocate(int frames);
//   04 A0 8D t1 t2 t3 cs   arm tracks 1-24
QByteArray armTracks(std::uint8_t t1, std::uint8_t t2, std::uint8_t t3);

}  // namespace sim::cmd
