// Names of the Sony commands by group; CMD2 0xA0 hands over to the extended decoders.
#include "app/Zr8a.h"
#include "decode/sonynames.h"

namespace {
std::uint8_t cmd2(const frame::Bytes& rx) {
    return rx[1];
}
}  // namespace

void Tzr8f::lastcmd0() {
    if (cmd2(Rx.frame) == frame::Extended) {
        extcmd();
        return;
    }
    if (const auto name = decode::sonyCommandName(0, cmd2(Rx.frame))) Parsed.name = *name;
}

void Tzr8f::lastcmd1() {
    if (cmd2(Rx.frame) == frame::Extended) exttally();
}

// An unknown transport command is named by its bytes, so that it stays visible in the trace.
void Tzr8f::lastcmd2() {
    Parsed.name = decode::sonyCommandName(2, cmd2(Rx.frame)).value_or(Parsed.hex);
}

void Tzr8f::lastcmd4() {
    if (const auto name = decode::sonyCommandName(4, cmd2(Rx.frame))) Parsed.name = *name;
}

void Tzr8f::lastcmd6() {
    if (const auto name = decode::sonyCommandName(6, cmd2(Rx.frame))) Parsed.name = *name;
}
