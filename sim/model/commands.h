#pragma once
// What the synchroniser does with a frame a controller put on the line, and what it answers.
// It serves every controller alike: its own and the analyser.
//
// Extended commands (group 0, CMD2 0xA0), no reply of their own; their effect shows in the
// tallies:
//   02 A0 85 01 / 00          cyclic data on / off
//   02 A0 89 kk ..            key command kk to the current selected machine
//   02 A0 8C kk ..            key command kk to the master machine
//   03 A0 8B mm kk ..         key command kk to machine mm (kk 00 selects it); mm A1 all
//                             machines, mm A0 the chase group
//   04 A0 8D t1 t2 t3         arm tracks 1-24 for record
//   0N A0 84 b1 ..            record enable bit maps
//   01 A0 03                  reset the error message
//   01 A0 07                  all machine data: status, offset and details of every machine
//   01 A0 02 / 01 A0 06       track map / System Specification
// Sony commands, answered as a Sony device (the current selected machine):
//   2x ..                     transport, ACK 10 01 11
//   24 31 ff ss mm hh         locate, ACK
//   4x ..                     presets, ACK
//   00 11                     device type 12 11 i1 i2
//   00 0C / 00 1D             local disable / enable, ACK
//   61 0C rr                  time sense, 74 04 (LTC), 74 06 (VITC), 74 00 (timer) time data
//   61 0A rr                  generator time, 74 08
//   61 20 sn                  status sense, 7n 20 with n status bytes from byte s
//   61 30 0n                  edit preset sense, 7n 30
//   anything else of groups 0, 2, 4, 6: NAK 11 12 01 (unknown command)
#include "sim/model/synchroniser.h"

#include <QByteArray>

#include <cstdint>
#include <span>
#include <vector>

namespace sim {

// Applies a good frame to the synchroniser; returns its answers, in line order.
std::vector<QByteArray> answer(Synchroniser& sync, std::span<const std::uint8_t> frame);

}  // namespace sim
