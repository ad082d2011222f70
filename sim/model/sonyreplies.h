#pragma once
// Plain Sony 9-pin replies the synchroniser gives when it is spoken to as a Sony device.
#include "link/codes.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <span>

namespace sim::sony {

// NAK reasons (bits of the NAK's data byte).
using proto::nak::ChecksumError;
using proto::nak::UnknownCommand;

//   10 01 11                          ACK
QByteArray ack();
//   11 12 rr cs                       NAK, rr the reasons
QByteArray nak(std::uint8_t reasons);
//   74 kk ff ss mm hh cs              time data of kind kk (proto::sensereply)
QByteArray timeData(std::uint8_t kind, int frames);
//   12 11 i1 i2 cs                    device type
QByteArray deviceType(std::uint8_t id1, std::uint8_t id2);
//   7N 20 d.. cs                      N status bytes from byte `start` on
QByteArray statusData(int start, int count, std::span<const std::uint8_t, 16> status);
//   7N 30 d.. cs                      edit preset status, N bytes (at most 4)
QByteArray editPreset(std::span<const std::uint8_t> bytes);

}  // namespace sim::sony
